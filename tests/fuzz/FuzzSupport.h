#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: one application object, a scratch file and
// a way to report a broken invariant as a crash (which the fuzzer records).
namespace ZentFuzz {

inline QByteArray bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Writes the input to a scratch file that lives as long as the process.
inline QString scratchFile(const QByteArray& content, const char* name) {
  static QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/') + QLatin1String(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
  return path;
}

[[noreturn]] inline void fail(const char* what, const QString& detail) {
  std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.toUtf8().constData());
  std::abort();
}

}  // namespace ZentFuzz

#ifdef ZENT_FUZZ_REPLAY
// The replay program makes the one application all targets share.
#define ZENT_FUZZ_APPLICATION(AppClass)
#else
#define ZENT_FUZZ_APPLICATION(AppClass)                          \
  extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) { \
    qputenv("QT_QPA_PLATFORM", "offscreen");                     \
    static AppClass app(*argc, *argv);                           \
    return 0;                                                    \
  }
#endif

#include "MultimediaBackend.h"

#include <TP/Core/Logging.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace RAZ {
namespace MediaEngine {
namespace {

const char kLibrary[] = "libzent_multimedia.so";

using Entry = MultimediaBackend* (*)(MultimediaBackend::Log);

void logFromLibrary(const char* where, int level, const QString& text) {
  TP_LOG(where, level) << text;
}

QStringList locations() {
  QStringList places;
  if (QCoreApplication::instance())
    places << QCoreApplication::applicationDirPath() + QLatin1Char('/') + kLibrary;
  const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
  if (!dist.isEmpty()) places << dist + QLatin1Char('/') + kLibrary;
  return places;
}

}  // namespace

MultimediaBackend* multimediaBackend() {
  static MultimediaBackend* const backend = []() -> MultimediaBackend* {
    QStringList errors;
    for (const QString& place : locations()) {
      if (!QFileInfo::exists(place)) continue;
      QLibrary library(place);
      if (auto entry = reinterpret_cast<Entry>(library.resolve(ZENT_MULTIMEDIA_ENTRY))) {
        if (MultimediaBackend* made = entry(&logFromLibrary)) return made;
        errors << place + QStringLiteral(": no backend");
        continue;
      }
      errors << library.errorString();
    }
    TP_LOG("RAZ::MediaEngine::multimediaBackend", TP::Core::Logging::LevelError)
        << "Qt Multimedia cannot be loaded, sounds are silent and only the demo devices "
           "are listed: "
        << (errors.isEmpty()
                ? QStringLiteral("%1 not found in %2")
                      .arg(QLatin1String(kLibrary), locations().join(QStringLiteral(", ")))
                : errors.join(QStringLiteral("; ")));
    return nullptr;
  }();
  return backend;
}

}  // namespace MediaEngine
}  // namespace RAZ

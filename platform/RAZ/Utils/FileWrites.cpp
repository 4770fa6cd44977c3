#include "RAZ/Utils/FileWrites.h"

#include <QFileDevice>
#include <QMutex>
#include <QMutexLocker>

#include <TP/Core/Logging.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace RAZ {
namespace Utils {
namespace FileWrites {

namespace {

std::atomic<quint64> g_failures{0};
std::atomic<qint64> g_bytesLeft{-1};

QMutex& mutex() {
  static QMutex m;
  return m;
}

QString& last() {
  static QString text;
  return text;
}

}  // namespace

QString fullDiskText() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }

void recordFailure(const QString& path, const QString& reason) {
  {
    QMutexLocker lock(&mutex());
    last() = path + QStringLiteral(": ") + reason;
  }
  ++g_failures;
  TP_LOG("RAZ::Utils::FileWrites", TP::Core::Logging::LevelError)
      << "Not written: " << path << ": " << reason;
}

quint64 failureCount() { return g_failures.load(); }

QString lastFailure() {
  QMutexLocker lock(&mutex());
  return last();
}

bool write(QFileDevice& file, const QByteArray& data, QString* error) {
  QString reason;
  qint64 allowed = data.size();
  bool full = false;
  const qint64 left = g_bytesLeft.load();
  if (left >= 0 && left < allowed) {
    allowed = left;
    full = true;
  }
  if (left >= 0) g_bytesLeft.store(left - allowed);
  // A partial write is what a full disk leaves behind: write what fits, as
  // the system would, so that callers are tested against the real thing.
  const qint64 written = allowed > 0 ? file.write(data.constData(), allowed) : 0;
  if (written != allowed) {
    reason = file.errorString();
  } else if (full) {
    reason = fullDiskText();
  } else if (!file.flush()) {
    reason = file.errorString();
  }
  if (reason.isEmpty()) return true;
  if (error) *error = reason;
  recordFailure(file.fileName(), reason);
  return false;
}

void simulateFullDisk(qint64 bytesLeft) { g_bytesLeft.store(bytesLeft < 0 ? -1 : bytesLeft); }

bool diskFullSimulated() { return g_bytesLeft.load() >= 0; }

}  // namespace FileWrites
}  // namespace Utils
}  // namespace RAZ

#include "RAZ/Utils/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QRecursiveMutex>
#include <QSet>
#include <QVariant>

#include <TP/Core/Logging.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

QString& lastPath() {
  static QString text;
  return text;
}

QString& lastReason() {
  static QString text;
  return text;
}

// The file a descriptor was opened for, kept on the QFile: Qt forgets the
// name of a file it did not open itself.
const char kPathProperty[] = "zentWrittenPath";

// The temporaries being written now (never swept) and the files whose
// leftovers were swept in this run, under one lock.
QMutex& temporariesMutex() {
  static QMutex m;
  return m;
}

QSet<QString>& liveTemporaries() {
  static QSet<QString> names;
  return names;
}

QSet<QString>& sweptFiles() {
  static QSet<QString> names;
  return names;
}

const int kSuffixLength = 6;

bool isLowerLetter(char c) { return c >= 'a' && c <= 'z'; }

bool isSuffixLetter(QChar c) {
  const ushort u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

// What a temporary's name ends in: six letters or digits, at least one of
// them no small letter (writeTemporary makes sure of it), so that a name
// the user gave, "comms.db.backup", is never taken for one.
bool isTemporarySuffix(const QString& suffix) {
  if (suffix.size() != kSuffixLength) return false;
  bool any = false;
  for (QChar c : suffix) {
    if (!isSuffixLetter(c)) return false;
    any = any || !isLowerLetter(char(c.unicode()));
  }
  return any;
}

// The reasons a failure is recorded with, as the system (in its own
// language, C) and this program word them.
const struct {
  int error;
  const char* text;
} kSystemReasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("FileWrites", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileWrites", "Disk quota exceeded")},
    {EACCES, QT_TRANSLATE_NOOP("FileWrites", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileWrites", "Operation not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("FileWrites", "Read-only file system")},
    {EIO, QT_TRANSLATE_NOOP("FileWrites", "Input/output error")},
    {ENOENT, QT_TRANSLATE_NOOP("FileWrites", "No such file or directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileWrites", "Not a directory")},
    {EISDIR, QT_TRANSLATE_NOOP("FileWrites", "Is a directory")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileWrites", "File name too long")},
};

const char* const kOwnReasons[] = {
    QT_TRANSLATE_NOOP("FileWrites", "the file could not be replaced"),
    QT_TRANSLATE_NOOP("FileWrites", "not a file"),
    QT_TRANSLATE_NOOP("FileWrites", "the file could not be read, so it is not written over"),
    QT_TRANSLATE_NOOP("FileWrites", "the folder could not be created"),
    QT_TRANSLATE_NOOP("FileWrites", "the whole file could not be kept beside it"),
    QT_TRANSLATE_NOOP("FileWrites", "not a settings file"),
};

}  // namespace

QString shownReason(const QString& reason) {
  for (const auto& known : kSystemReasons)
    if (reason == QString::fromLocal8Bit(std::strerror(known.error)) ||
        reason == QLatin1String(known.text))
      return QCoreApplication::translate("FileWrites", known.text);
  for (const char* own : kOwnReasons)
    if (reason == QLatin1String(own)) return QCoreApplication::translate("FileWrites", own);
  return reason;
}

QString fullDiskText() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }

void recordFailure(const QString& path, const QString& reason) {
  {
    QMutexLocker lock(&mutex());
    last() = path + QStringLiteral(": ") + reason;
    lastPath() = path;
    lastReason() = reason;
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

QString lastFailureShown() {
  QString path, reason;
  {
    QMutexLocker lock(&mutex());
    path = lastPath();
    reason = lastReason();
  }
  if (path.isEmpty() && reason.isEmpty()) return QString();
  return path + QStringLiteral(": ") + shownReason(reason);
}

bool write(QFileDevice& file, const QByteArray& data, QString* error, const QString& recordAs) {
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
  QString name = recordAs;
  if (name.isEmpty()) name = file.fileName();
  if (name.isEmpty()) name = QDir::toNativeSeparators(file.property(kPathProperty).toString());
  recordFailure(name, reason);
  return false;
}

bool createExclusive(QFile& file, int mode, QString* error) {
#ifdef Q_OS_UNIX
  const QByteArray name = QFile::encodeName(file.fileName());
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_t(mode));
  if (fd < 0) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  // The umask may have taken bits away, never added any: set exactly `mode`.
  const QString path = file.fileName();
  if (::fchmod(fd, mode_t(mode)) != 0 ||
      !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    ::unlink(name.constData());
    if (error) *error = reason;
    return false;
  }
  file.setProperty(kPathProperty, path);
  return true;
#else
  Q_UNUSED(mode);
  if (QFile::exists(file.fileName()) || !file.open(QIODevice::NewOnly | QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
#endif
}

namespace {

// Writes `data` into a new temporary beside `path` (created with `mode`
// from its first byte) and syncs it to the disk; its name in `temp`. False,
// recorded under `path`'s name, when any step fails (the temporary is gone
// then).
bool writeTemporary(const QString& path, const QByteArray& data, int mode, QString& temp,
                    QString& reason) {
  const QString shown = QDir::toNativeSeparators(path);
  QFile file;
  bool created = false;
  // Random names as mkstemp makes them: another writer's temporary, or a
  // name someone laid in wait, is never opened. One character at least is
  // no small letter: removeLeftovers() tells them so from the user's files.
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const int letters = int(sizeof kLetters) - 1;
  for (int attempt = 0; attempt < 16 && !created; ++attempt) {
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
      suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(letters)]);
    if (!isTemporarySuffix(suffix))
      suffix[QRandomGenerator::global()->bounded(kSuffixLength)] =
          QLatin1Char(kLetters[26 + QRandomGenerator::global()->bounded(letters - 26)]);
    temp = path + QLatin1Char('.') + suffix;
    {
      QMutexLocker lock(&temporariesMutex());
      liveTemporaries().insert(temp);
    }
    file.setFileName(temp);
    created = createExclusive(file, mode, &reason);
    if (!created) {
      QMutexLocker lock(&temporariesMutex());
      liveTemporaries().remove(temp);
    }
  }
  if (!created) {
    recordFailure(shown, reason);
    return false;
  }
  // The temporary's name means nothing to the user: the failure names the file.
  bool ok = write(file, data, &reason, shown);
#ifdef Q_OS_UNIX
  if (ok && ::fsync(file.handle()) != 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
    recordFailure(shown, reason);
    ok = false;
  }
#endif
  file.close();
  if (!ok) QFile::remove(temp);
  return ok;
}

// The temporary is renamed or removed: a sweep may take what is left of it.
void temporaryDone(const QString& temp) {
  QMutexLocker lock(&temporariesMutex());
  liveTemporaries().remove(temp);
}

// The first write of `path` in this run takes what an earlier run left.
void sweepOnce(const QString& path) {
  {
    QMutexLocker lock(&temporariesMutex());
    if (sweptFiles().contains(path)) return;
  }
  removeLeftovers(path);
}

}  // namespace

int removeLeftovers(const QString& path) {
  if (path.isEmpty()) return 0;
  const QFileInfo file(path);
  const QString name = file.fileName();
  const QDir folder = file.absoluteDir();
  int removed = 0;
  QMutexLocker lock(&temporariesMutex());
  sweptFiles().insert(path);
  const auto entries = folder.entryInfoList({name + QStringLiteral(".??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
  for (const QFileInfo& entry : entries) {
    if (!isTemporarySuffix(entry.fileName().mid(name.size() + 1))) continue;
    if (liveTemporaries().contains(entry.filePath()) ||
        liveTemporaries().contains(path + entry.fileName().mid(name.size())))
      continue;
    if (QFile::remove(entry.filePath())) ++removed;
  }
  lock.unlock();
  if (removed > 0)
    TP_LOG("RAZ::Utils::FileWrites::removeLeftovers", TP::Core::Logging::LevelInformation)
        << "Removed " << removed << " unfinished cop" << (removed == 1 ? "y" : "ies") << " of "
        << path;
  return removed;
}

bool replace(const QString& path, const QByteArray& data, int mode, QString* error) {
  sweepOnce(path);
  QString temp, reason;
  bool ok = writeTemporary(path, data, mode, temp, reason);
  if (ok &&
      std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
    recordFailure(QDir::toNativeSeparators(path), reason);
    QFile::remove(temp);
    ok = false;
  }
  if (!temp.isEmpty()) temporaryDone(temp);
  if (!ok && error) *error = reason;
  return ok;
}

bool create(const QString& path, const QByteArray& data, int mode, bool* existed) {
  if (existed) *existed = false;
  const auto there = [&path] {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
  };
  if (there()) {
    if (existed) *existed = true;
    return false;
  }
  sweepOnce(path);
  QString temp, reason;
  if (!writeTemporary(path, data, mode, temp, reason)) {
    if (!temp.isEmpty()) temporaryDone(temp);
    return false;
  }
  const QByteArray from = QFile::encodeName(temp), to = QFile::encodeName(path);
  bool ok = true;
#ifdef Q_OS_UNIX
  // A second name for the temporary is made only where none is: what
  // appeared meanwhile is never replaced.
  if (::link(from.constData(), to.constData()) != 0) {
    // Taken, or a file system without hard links (then the rename, after a
    // last look).
    if (errno == EEXIST || there()) {
      if (existed) *existed = true;
      ::unlink(from.constData());
      temporaryDone(temp);
      return false;
    }
    ok = std::rename(from.constData(), to.constData()) == 0;
    if (!ok) reason = QString::fromLocal8Bit(std::strerror(errno));
  }
#else
  ok = !there() && std::rename(from.constData(), to.constData()) == 0;
  if (!ok) reason = QString::fromLocal8Bit(std::strerror(errno));
#endif
  QFile::remove(temp);
  temporaryDone(temp);
  if (!ok) recordFailure(QDir::toNativeSeparators(path), reason);
  return ok;
}

void simulateFullDisk(qint64 bytesLeft) { g_bytesLeft.store(bytesLeft < 0 ? -1 : bytesLeft); }

}  // namespace FileWrites

namespace {

QRecursiveMutex& creationMutex() {
  static QRecursiveMutex m;
  return m;
}

}  // namespace

PrivateCreation::PrivateCreation() {
  creationMutex().lock();
#ifdef Q_OS_UNIX
  m_previous = ::umask(077);
#endif
}

PrivateCreation::~PrivateCreation() {
#ifdef Q_OS_UNIX
  ::umask(mode_t(m_previous));
#endif
  creationMutex().unlock();
}

}  // namespace Utils
}  // namespace RAZ

#include "RAZ/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

#include <TP/Core/Logging.h>

#include "RAZ/IniText.h"
#include "RAZ/Utils/FileWrites.h"

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace RAZ {

namespace {

// A resource path that no package provides: QSettings reads nothing from it
// and could never write it, so an unset scope cannot leak a file anywhere.
const char kUnsetFile[] = ":/.zent/unset_setting.ini";

QMutex& pathMutex() {
  static QMutex mutex;
  return mutex;
}

QHash<int, QString>& folders() {
  static QHash<int, QString> map;
  return map;
}

bool validScope(int scope) { return scope >= Settings::User && scope <= Settings::Proxy; }

// The format functions below keep Qt's INI text (see IniText.h) and read
// and write it in memory: no file but the settings file itself is touched,
// so a start that reads its settings reads each file once. What they add is
// the check Qt leaves out: QSettings replaces the file through a QSaveFile,
// but the last buffered bytes are written only when the save file closes and
// a failure there goes unnoticed, so on a full disk a truncated or empty file
// replaced a whole one. Here every byte is written and flushed before the
// write is reported good, and a failure leaves the old file in place.

QStringList& cappedFileList() {
  static QStringList files;
  return files;
}

// Capped file -> where its whole copy goes; a file copied already is in
// the second set.
QHash<QString, QString>& cappedCopies() {
  static QHash<QString, QString> map;
  return map;
}

QSet<QString>& copiedFiles() {
  static QSet<QString> set;
  return set;
}

// A settings file that another program (or an older version) left open to
// others is closed to them before it is written again: what is written
// next, and the temporary Qt gives the file's mode, is the user's alone.
void closeToOthers(const QString& file) {
#ifdef Q_OS_UNIX
  const QByteArray name = QFile::encodeName(file);
  struct stat info {};
  if (::lstat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 077) != 0)
    ::chmod(name.constData(), 0600);
#else
  Q_UNUSED(file);
#endif
}

// Keeps the whole of a capped file before it is first written over: the
// store writes back only what it read. False (recorded) when it cannot be
// kept, and then nothing is written over it.
bool keepWholeBeforeWriting(const QString& file) {
  QString aside;
  {
    QMutexLocker lock(&pathMutex());
    if (!cappedCopies().contains(file) || copiedFiles().contains(file)) return true;
    aside = cappedCopies().value(file);
  }
  // QFile::copy gives the copy the file's mode: the user's alone first.
  closeToOthers(file);
  if (!QFile::copy(file, aside)) {
    Utils::FileWrites::recordFailure(QDir::toNativeSeparators(file),
                                     QStringLiteral("the whole file could not be kept beside it"));
    return false;
  }
  QFile::setPermissions(aside, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  TP_LOG("RAZ::Settings::writeSafeIni", TP::Core::Logging::LevelInformation)
      << "The whole of the large settings file " << file << " is kept as " << aside;
  QMutexLocker lock(&pathMutex());
  copiedFiles().insert(file);
  return true;
}

// A settings file is read up to the cap, to its last whole line: a file far
// beyond any settings file (a mistake, or a file grown without end) must
// not stall every read of the settings nor be carried into the user's copy.
QByteArray readCapped(QIODevice& device) {
  QByteArray text = device.read(Settings::kMaxFileBytes + 1);
  if (text.size() <= Settings::kMaxFileBytes) return text;
  text.truncate(Settings::kMaxFileBytes);
  const int lastLine = text.lastIndexOf('\n');
  text.truncate(lastLine < 0 ? 0 : lastLine + 1);
  const auto* file = qobject_cast<QFileDevice*>(&device);
  Settings::noteCapped(file ? file->fileName() : QString());
  return text;
}

bool readSafeIni(QIODevice& device, QSettings::SettingsMap& map) {
  return IniText::parse(readCapped(device), map);
}

bool writeSafeIni(QIODevice& device, const QSettings::SettingsMap& map) {
  const QByteArray text = IniText::render(map);
  auto* file = qobject_cast<QFileDevice*>(&device);
  if (!file) return device.write(text) == text.size();
  if (!keepWholeBeforeWriting(file->fileName())) return false;
  // Settings hold secrets (PINs, addresses). The temporary is the user's
  // alone from its first byte when the store syncs (Settings::syncPrivate);
  // this only keeps a writer that bypassed it from leaving the file open.
  file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  QString error;
  if (!Utils::FileWrites::write(*file, text, &error)) {
    TP_LOG("RAZ::Settings::writeSafeIni", TP::Core::Logging::LevelError)
        << "Settings not written, the old file is kept: " << error;
    return false;
  }
  return true;
}

}  // namespace

Settings::Settings(SettingsType scope, QObject* parent)
    : Settings(scope, validScope(scope), parent) {}

Settings::Settings(int scope, QObject* parent)
    : Settings(validScope(scope) ? static_cast<SettingsType>(scope) : Settings::User,
               validScope(scope), parent) {
  if (!validScope(scope))
    TP_LOG("RAZ::Settings::Settings", TP::Core::Logging::LevelError)
        << "Unknown settings scope " << scope;
}

Settings::Settings(SettingsType scope, bool valid, QObject* parent)
    : QSettings(openPath(scope, valid),
                valid && scope != Theme ? safeIniFormat() : QSettings::IniFormat, parent),
      m_scope(scope),
      m_valid(valid),
      m_pathSet(valid && !filePath(scope).isEmpty()),
      // Qt writes over a file it could not parse with only the values set
      // since: what could not be read would be lost at the first save.
      m_unreadable(status() == QSettings::FormatError) {}

Settings::~Settings() {
  if (m_changed) sync();
}

void Settings::syncPrivate(QSettings& settings) {
  // Qt makes the temporary it writes the file into at the umask's mode for
  // a new file, and gives it the old file's mode otherwise, before a byte
  // of it is written: both are made the user's alone first.
  const Utils::PrivateCreation closed;
  if (!settings.fileName().startsWith(QLatin1Char(':'))) closeToOthers(settings.fileName());
  settings.sync();
}

bool Settings::event(QEvent* event) {
  // Qt's own deferred write of the changes: made as sync() makes it.
  if (event->type() == QEvent::UpdateRequest) {
    sync();
    return true;
  }
  return QSettings::event(event);
}

void Settings::sync() {
  const quint64 before = Utils::FileWrites::failureCount();
  syncPrivate(*this);
  const bool changed = m_changed;
  m_changed = false;
  // A file that could not even be created or put in place never reaches
  // the writer: record it here, so that the user hears of it.
  if (changed && status() != QSettings::NoError && Utils::FileWrites::failureCount() == before)
    Utils::FileWrites::recordFailure(
        QDir::toNativeSeparators(QSettings::fileName()),
        QFileInfo::exists(QSettings::fileName()) && !QFileInfo(QSettings::fileName()).isFile()
            ? QStringLiteral("not a file")
            : QStringLiteral("the file could not be replaced"));
}

QString Settings::openPath(SettingsType scope, bool valid) {
  if (!valid) return QString::fromLatin1(kUnsetFile);
  const QString file = filePath(scope);
  return file.isEmpty() ? QString::fromLatin1(kUnsetFile) : file;
}

QString Settings::fileName(SettingsType scope) {
  switch (scope) {
    case User:
      return QStringLiteral("user_setting.ini");
    case Application:
    case Installation:
      return QStringLiteral("application_setting.ini");
    case Theme:
      return QStringLiteral("theme_setting.ini");
    case Proxy:
      return QStringLiteral("proxy_setting.ini");
  }
  return QString();
}

void Settings::setPath(SettingsType scope, const QString& folder) {
  if (!validScope(scope)) {
    TP_LOG("RAZ::Settings::setPath", TP::Core::Logging::LevelError)
        << "Unknown settings scope " << static_cast<int>(scope);
    return;
  }
  QMutexLocker lock(&pathMutex());
  if (folder.isEmpty())
    folders().remove(scope);
  else
    folders().insert(scope, folder);
}

QString Settings::path(SettingsType scope) {
  QMutexLocker lock(&pathMutex());
  return folders().value(scope);
}

QString Settings::filePath(SettingsType scope) {
  const QString folder = path(scope);
  if (folder.isEmpty()) return QString();
  QString file = folder;
  if (!file.endsWith(QLatin1Char('/'))) file += QLatin1Char('/');
  return file + fileName(scope);
}

QSettings::Format Settings::safeIniFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("ini"), readSafeIni, writeSafeIni);
  return format;
}

void Settings::clearPaths() {
  QMutexLocker lock(&pathMutex());
  folders().clear();
}

bool Settings::isWritable() const {
  return m_valid && m_pathSet && m_scope != Installation && m_scope != Theme;
}

bool Settings::refuseUnreadable(const QString& key) {
  if (!m_unreadable) return false;
  TP_LOG("RAZ::Settings::setValue", TP::Core::Logging::LevelError)
      << "Refused to change " << key << ": the settings file could not be read";
  if (!m_refusalRecorded)
    Utils::FileWrites::recordFailure(QDir::toNativeSeparators(QSettings::fileName()),
                                     QStringLiteral("the file could not be read, so it is not "
                                                    "written over"));
  m_refusalRecorded = true;
  return true;
}

void Settings::setValue(const QString& key, const QVariant& value) {
  if (refuseUnreadable(key)) return;
  if (!isWritable()) {
    TP_LOG("RAZ::Settings::setValue", TP::Core::Logging::LevelWarning)
        << "Refused to write " << key << " into read-only or unset settings scope "
        << static_cast<int>(m_scope);
    return;
  }
  m_changed = true;
  QSettings::setValue(key, value);
}

void Settings::remove(const QString& key) {
  if (refuseUnreadable(key)) return;
  if (!isWritable()) {
    TP_LOG("RAZ::Settings::remove", TP::Core::Logging::LevelWarning)
        << "Refused to remove " << key << " from read-only or unset settings scope "
        << static_cast<int>(m_scope);
    return;
  }
  m_changed = true;
  QSettings::remove(key);
}

void Settings::noteCapped(const QString& file) {
  {
    QMutexLocker lock(&pathMutex());
    if (cappedFileList().contains(file)) return;
    cappedFileList() << file;
    QString aside = file + QStringLiteral(".toolarge");
    if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
      aside += QLatin1Char('.') +
               QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    cappedCopies().insert(file, aside);
  }
  TP_LOG("RAZ::Settings::readCapped", TP::Core::Logging::LevelError)
      << "Settings file " << file << " is larger than " << Settings::kMaxFileBytes
      << " bytes: only its beginning is read";
}

QString Settings::cappedCopy(const QString& file) {
  QMutexLocker lock(&pathMutex());
  return cappedCopies().value(file);
}

QStringList Settings::cappedFiles() {
  QMutexLocker lock(&pathMutex());
  return cappedFileList();
}

QString Settings::readProblem(SettingsType scope) {
  const QString file = filePath(scope);
  if (file.isEmpty()) return QString();
  const QFileInfo info(file);
  if (!info.exists() && !info.isSymLink()) return QString();
  if (!info.isFile()) return QStringLiteral("not a file");
  QFile device(file);
  if (!device.open(QIODevice::ReadOnly)) return device.errorString();
  QSettings::SettingsMap map;
  if (!IniText::parse(readCapped(device), map)) return QStringLiteral("not a settings file");
  if (device.error() != QFileDevice::NoError) return device.errorString();
  return QString();
}

int Settings::removeLeftovers(const QString& folder) {
  if (folder.isEmpty()) return 0;
  int removed = 0;
  const QDir dir(folder);
  for (SettingsType scope : {User, Application, Proxy}) {
    // The temporary names a replacement uses: "<file>.XXXXXX".
    const QString name = fileName(scope);
    const auto entries =
        dir.entryInfoList({name + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : entries) {
      const QString tail = info.fileName().mid(name.size() + 1);
      bool plain = true;
      for (QChar c : tail) plain = plain && c.isLetterOrNumber() && c.unicode() < 128;
      if (plain && QFile::remove(info.filePath())) ++removed;
    }
  }
  if (removed > 0)
    TP_LOG("RAZ::Settings::removeLeftovers", TP::Core::Logging::LevelInformation)
        << "Removed " << removed << " unfinished settings file(s) in " << folder;
  return removed;
}

QString Settings::keepAside(SettingsType scope) {
  const QString file = filePath(scope);
  if (file.isEmpty()) return QString();
  QString aside = file + QStringLiteral(".unreadable");
  // An earlier unreadable file may hold what this one lost: never replace it.
  if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
    aside += QLatin1Char('.') +
             QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
  if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(aside).constData()) != 0)
    return QString();
  return aside;
}

}  // namespace RAZ

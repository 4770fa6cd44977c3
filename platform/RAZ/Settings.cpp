#include "RAZ/Settings.h"

#include <QFileDevice>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <TP/Core/Logging.h>

#include "RAZ/IniText.h"

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

bool readSafeIni(QIODevice& device, QSettings::SettingsMap& map) {
  return IniText::parse(device.readAll(), map);
}

bool writeSafeIni(QIODevice& device, const QSettings::SettingsMap& map) {
  const QByteArray text = IniText::render(map);
  bool written = device.write(text) == text.size();
  if (auto* file = qobject_cast<QFileDevice*>(&device)) written = written && file->flush();
  if (!written) {
    TP_LOG("RAZ::Settings::writeSafeIni", TP::Core::Logging::LevelError)
        << "Settings not written, the old file is kept: " << device.errorString();
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
    : QSettings(
          openPath(scope, valid),
          valid && scope != Installation && scope != Theme ? safeIniFormat() : QSettings::IniFormat,
          parent),
      m_scope(scope),
      m_valid(valid),
      m_pathSet(valid && !filePath(scope).isEmpty()) {}

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

void Settings::setValue(const QString& key, const QVariant& value) {
  if (!isWritable()) {
    TP_LOG("RAZ::Settings::setValue", TP::Core::Logging::LevelWarning)
        << "Refused to write " << key << " into read-only or unset settings scope "
        << static_cast<int>(m_scope);
    return;
  }
  QSettings::setValue(key, value);
}

void Settings::remove(const QString& key) {
  if (!isWritable()) {
    TP_LOG("RAZ::Settings::remove", TP::Core::Logging::LevelWarning)
        << "Refused to remove " << key << " from read-only or unset settings scope "
        << static_cast<int>(m_scope);
    return;
  }
  QSettings::remove(key);
}

}  // namespace RAZ

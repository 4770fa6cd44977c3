#include "I18N.h"

#include <TP/Core/Logging.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <os/Store.h>

#include <QFileInfo>
#include <QLibraryInfo>

namespace {

QMap<QString, QString>& languageTable() {
  static QMap<QString, QString> table;
  return table;
}

QMap<QString, QString>& installerTable() {
  static QMap<QString, QString> table;
  return table;
}

const char* const kAllowedCodes = "es,en";

// The system's key-value store that the installer shares with the program.
QString storedValue(const QString& key, const QString& name) {
  return Os::Store::value(key, name, QString()).toString();
}

void storeValue(const QString& key, const QString& name, const QString& value) {
  Os::Store::setValue(key, name, value);
}

}  // namespace

QString I18N::qtCatalogueFolder(const QString& language, const QString& ownFolder) {
  const QString name = QStringLiteral("qt_") + language + QStringLiteral(".qm");
  if (!ownFolder.isEmpty() && QFileInfo::exists(ownFolder + QLatin1Char('/') + name))
    return ownFolder;
  return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}

QString I18N::installerKey() {
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
         QStringLiteral("Zarozurav Quorvel Inc\\VOV Quorvel");
}

QString I18N::installerValueName() { return QStringLiteral("Installer Language"); }

void I18N::loadLanguages() { loadLanguagesFrom(QStringLiteral(":/languages.json")); }

bool I18N::loadLanguagesFrom(const QString& fileName) {
  const QStringList allowed = QString::fromLatin1(kAllowedCodes).split(QLatin1Char(','));

  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("I18N::loadLanguages", TP::Core::Logging::LevelError)
        << "cannot open the language list " << fileName << ": " << file.errorString();
    return false;
  }
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    TP_LOG("I18N::loadLanguages", TP::Core::Logging::LevelError)
        << "the language list " << fileName << " is not a JSON object: "
        << (error.error != QJsonParseError::NoError ? error.errorString()
                                                    : QStringLiteral("wrong type"));
    return false;
  }

  const QJsonObject members = document.object();
  const QStringList codes = members.keys();  // sorted
  for (const QString& code : codes) {
    if (!allowed.contains(code)) continue;
    const QJsonValue value = members.value(code);
    const QJsonArray entry = value.toArray();
    // An entry needs the installer code and the name; a theme file with
    // less is skipped rather than half-indexed.
    if (!value.isArray() || entry.size() < 2 || !entry.at(0).isString() ||
        !entry.at(1).isString()) {
      TP_LOG("I18N::loadLanguages", TP::Core::Logging::LevelWarning)
          << "language " << code << " skipped: expected [installer code, name]";
      continue;
    }
    languageTable().insert(code, entry.at(1).toString());
    installerTable().insert(code, entry.at(0).toString());
  }
  return true;
}

const QMap<QString, QString>& I18N::languages() { return languageTable(); }

const QMap<QString, QString>& I18N::installerCodes() { return installerTable(); }

void I18N::clear() {
  languageTable().clear();
  installerTable().clear();
}

QString I18N::getInstallerLanguage() {
  const QString code = storedValue(installerKey(), installerValueName());
  TP_LOG("I18N::getInstallerLanguage", TP::Core::Logging::LevelInformation)
      << "Registry path for installer is: " << installerKey() << " code: " << code;
  if (code.isEmpty()) return QString();
  for (auto it = installerTable().constBegin(); it != installerTable().constEnd(); ++it) {
    if (it.value() == code) return it.key();
  }
  return QString();
}

void I18N::setInstallerLanguage(const QString& language) {
  const QString code = installerTable().value(language);
  TP_LOG("I18N::setInstallerLanguage", TP::Core::Logging::LevelInformation)
      << "Registry path for installer is: " << installerKey() << " lang: " << language
      << " code: " << code;
  if (!code.isEmpty()) storeValue(installerKey(), installerValueName(), code);
}

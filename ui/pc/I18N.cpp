#include "I18N.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QVariantList>

#include <TP/Core/Logging.h>
#include <os/Store.h>

namespace {
const char* const kInstallerValue = "Installer Language";
}

QMap<QString, QString>& I18N::languages() {
  static QMap<QString, QString> table;
  return table;
}

QMap<QString, QString>& I18N::installerCodes() {
  static QMap<QString, QString> table;
  return table;
}

QString I18N::installerKey() {
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + QStringLiteral("Zarozurav Quorvel Inc\\VOV Quorvel");
}

bool I18N::loadLanguagesFrom(const QByteArray& json) {
  const QJsonDocument doc = QJsonDocument::fromJson(json);
  if (!doc.isObject()) return false;
  const QStringList allowed = QStringLiteral("es,en").split(QLatin1Char(','));
  const QVariantMap map = doc.object().toVariantMap();
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    if (!allowed.contains(it.key())) continue;
    const QVariantList entry = it.value().toList();
    // A member that is no list of at least two strings is skipped rather
    // than read out of range.
    if (entry.size() < 2) {
      TP_LOG("I18N::loadLanguages", 3) << "Skipping malformed language entry " << it.key();
      continue;
    }
    languages().insert(it.key(), entry.at(1).toString());
    installerCodes().insert(it.key(), entry.at(0).toString());
  }
  return true;
}

void I18N::loadLanguages() {
  QFile file(QStringLiteral(":/languages.json"));
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("I18N::loadLanguages", 3) << "No language list in the theme";
    return;
  }
  if (!loadLanguagesFrom(file.readAll()))
    TP_LOG("I18N::loadLanguages", 3) << "The theme's language list is not readable";
}

QString I18N::getInstallerLanguage() {
  const QString code = Os::Store::value(installerKey(), QString::fromLatin1(kInstallerValue), QString()).toString();
  TP_LOG("I18N::getInstallerLanguage", 2) << "Registry path for installer is: " << installerKey() << " code: " << code;
  if (code.isEmpty()) return QString();
  for (auto it = installerCodes().constBegin(); it != installerCodes().constEnd(); ++it) {
    if (it.value() == code) return it.key();
  }
  return QString();
}

void I18N::setInstallerLanguage(const QString& language) {
  const QString code = installerCodes().value(language);
  TP_LOG("I18N::setInstallerLanguage", 2) << "Registry path for installer is: " << installerKey()
                                          << " lang: " << language << " code: " << code;
  if (!code.isEmpty()) Os::Store::setValue(installerKey(), QString::fromLatin1(kInstallerValue), code);
}

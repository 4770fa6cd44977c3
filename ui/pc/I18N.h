#pragma once

#include <QMap>
#include <QString>

// The interface languages the program offers, read from the theme's
// ":/languages.json", and the language the installer recorded.
class I18N {
 public:
  static void loadLanguages();
  static QMap<QString, QString>& languages();
  static QString getInstallerLanguage();
  static void setInstallerLanguage(const QString& language);

  // Where the installer's choice lives in the operating system's store.
  static QString installerKey();

  // Fills the tables from a language list's bytes (loadLanguages reads the
  // theme's); false when the text is no JSON object.
  static bool loadLanguagesFrom(const QByteArray& json);
  static QMap<QString, QString>& installerCodes();

 private:
  I18N() = delete;
};

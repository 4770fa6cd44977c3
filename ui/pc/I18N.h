#pragma once

#include <QMap>
#include <QString>

// The user-interface languages the program offers, read from the active
// theme's language list, and the language the installer recorded.
class I18N {
 public:
  I18N() = delete;

  // The application's table of installed translators is keyed by these
  // slots: the program's texts, Qt's own, and an installation's custom
  // catalogue (installed only when the installation ships one).
  enum TranslatorSlot { ProgramTexts = 0, QtTexts = 1, CustomTexts = 2 };

  // Fills the tables from ":/languages.json". A missing or malformed list
  // leaves them as they were (logged).
  static void loadLanguages();
  // The same from another file; false when it cannot be read or parsed.
  static bool loadLanguagesFrom(const QString& fileName);
  // Language code -> the language's name.
  static const QMap<QString, QString>& languages();
  // Language code -> the installer's code for it.
  static const QMap<QString, QString>& installerCodes();
  // Empties both tables.
  static void clear();

  // The language code the installer recorded, or empty.
  static QString getInstallerLanguage();
  // Records `language` for the installer (nothing when it has no installer code).
  static void setInstallerLanguage(const QString& language);

  // Where the installer's value lives in the system's key-value store.
  // Where the catalogue of Qt's own texts ("qt_<language>") comes from:
  // `ownFolder` when the installation ships one, else Qt's installed
  // translations.
  static QString qtCatalogueFolder(const QString& language, const QString& ownFolder);

  static QString installerKey();
  static QString installerValueName();
};

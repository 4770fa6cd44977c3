#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Utils {

// The system locale's preferred language name ("en_US"): the first entry of
// the locale's UI languages made into a locale; the locale's own name when
// the list is empty.
QString preferredLocaleName(const QStringList& uiLanguages, const QString& fallbackName);

// Chooses the interface language among the keys of the language table: the
// installer's language (when not empty), the stored choice, the locale name,
// the locale name's first two characters; otherwise "es".
QString chooseLanguage(const QStringList& available, const QString& installerLanguage,
                       const QVariant& stored, const QString& localeName);

// Dates, times and numbers follow the interface language: the system's own
// formats when the system speaks that language, the language's otherwise.
// Sets the default locale (QLocale() and Qt.locale() in the scenes).
QLocale interfaceLocale(const QString& language, const QLocale& system);
void applyInterfaceLocale(const QString& language);

}  // namespace Utils

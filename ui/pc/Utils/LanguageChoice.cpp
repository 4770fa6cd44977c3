#include "Utils/LanguageChoice.h"

#include <QLocale>

namespace Utils {

QString preferredLocaleName(const QStringList& uiLanguages, const QString& fallbackName) {
  // Minimal systems report no UI language at all (the "C" locale).
  if (uiLanguages.isEmpty()) return fallbackName;
  return QLocale(uiLanguages.first()).name();
}

QString chooseLanguage(const QStringList& available, const QString& installerLanguage,
                       const QVariant& stored, const QString& localeName) {
  QStringList candidates;
  if (!installerLanguage.isEmpty()) candidates << installerLanguage;
  if (stored.isValid()) candidates << stored.toString();
  candidates << localeName << localeName.left(2);
  for (const QString& c : qAsConst(candidates)) {
    if (!c.isEmpty() && available.contains(c)) return c;
  }
  return QStringLiteral("es");
}

QLocale interfaceLocale(const QString& language, const QLocale& system) {
  const QLocale wanted(language);
  if (language.isEmpty() || wanted.language() == QLocale::C) return system;
  return wanted.language() == system.language() ? system : wanted;
}

void applyInterfaceLocale(const QString& language) {
  QLocale::setDefault(interfaceLocale(language, QLocale::system()));
}

}  // namespace Utils

#include "Utils/CallSettingsInput.h"

#include <QRegularExpression>
#include <QSet>

namespace Utils {

bool CallSettingsInput::isPhoneNumber(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("\\A\\+?[0-9 ()./-]+\\z"));
  const QString t = text.trimmed();
  if (!pattern.match(t).hasMatch()) return false;
  int digits = 0;
  for (const QChar c : t)
    if (c.isDigit()) ++digits;
  return digits >= 2 && digits <= 30;
}

bool CallSettingsInput::isSipAddress(const QString& text) {
  static const QRegularExpression pattern(
      QStringLiteral("\\A(sips?:)?[^@\\s:;<>\"]+@[A-Za-z0-9.-]+\\z"),
      QRegularExpression::CaseInsensitiveOption);
  return pattern.match(text.trimmed()).hasMatch();
}

QString CallSettingsInput::comparable(const QString& number) {
  const QString t = number.trimmed();
  if (!isPhoneNumber(t)) return t.toLower();
  QString digits;
  if (t.startsWith(QLatin1Char('+'))) digits += QLatin1Char('+');
  for (const QChar c : t)
    if (c.isDigit()) digits += c;
  return digits;
}

QString CallSettingsInput::checkForwarding(const QString& number) {
  if (number.trimmed().isEmpty() || isPhoneNumber(number)) return QString();
  return tr("\"%1\" is not a phone number. Enter digits only, optionally starting with +.")
      .arg(number.trimmed());
}

QString CallSettingsInput::checkRemoteOffice(bool enabled, const QString& number) {
  if (number.trimmed().isEmpty())
    return enabled ? tr("Enter the number of your remote office phone to switch the service on.")
                   : QString();
  if (isPhoneNumber(number)) return QString();
  return tr("\"%1\" is not a phone number. Enter digits only, optionally starting with +.")
      .arg(number.trimmed());
}

QString CallSettingsInput::checkAnywhereLocation(const QString& number,
                                                 const QStringList& existing) {
  if (number.trimmed().isEmpty()) return tr("Enter the phone number of the new location.");
  if (!isPhoneNumber(number))
    return tr("\"%1\" is not a phone number. Enter digits only, optionally starting with +.")
        .arg(number.trimmed());
  const QString wanted = comparable(number);
  for (const QString& other : existing)
    if (comparable(other) == wanted)
      return tr("A location with the number %1 exists already.").arg(number.trimmed());
  return QString();
}

QString CallSettingsInput::checkRingLocations(const QStringList& numbers, int maximum) {
  if (numbers.size() > maximum)
    return tr("At most %1 numbers can ring at the same time.").arg(maximum);
  QSet<QString> seen;
  for (const QString& n : numbers) {
    if (n.trimmed().isEmpty()) return tr("Enter a phone number or SIP address in every row.");
    if (!isPhoneNumber(n) && !isSipAddress(n))
      return tr("\"%1\" is neither a phone number nor a SIP address.").arg(n.trimmed());
    const QString key = comparable(n);
    if (seen.contains(key)) return tr("The number %1 is listed twice.").arg(n.trimmed());
    seen.insert(key);
  }
  return QString();
}

}  // namespace Utils

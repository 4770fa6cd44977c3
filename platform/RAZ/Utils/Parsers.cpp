#include "RAZ/Utils/Parsers.h"

#include <QRegularExpression>

namespace RAZ {
namespace Utils {

QString PhoneNumberParser::normalizePhoneNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  QString out;
  for (int i = 0; i < trimmed.size(); ++i) {
    const QChar c = trimmed.at(i);
    if (c.isDigit() || c == QLatin1Char('*') || c == QLatin1Char('#')) {
      out.append(c);
    } else if (c == QLatin1Char('+')) {
      if (!out.isEmpty()) return trimmed;  // a "+" inside is not a number
      out.append(c);
    } else if (c.isSpace() || QStringLiteral("-./()").contains(c)) {
      continue;
    } else {
      return trimmed;
    }
  }
  return out;
}

bool PhoneNumberParser::isValidPhoneNumber(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("\\A\\+?[0-9*#]{2,20}\\z"));
  return pattern.match(normalizePhoneNumber(text)).hasMatch();
}

QString SipUriParser::normalize(const QString& text) const {
  QString s = text.trimmed();
  if (s.startsWith(QLatin1Char('<')) && s.endsWith(QLatin1Char('>'))) s = s.mid(1, s.size() - 2);
  if (s.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive)) s = s.mid(4);
  static const QRegularExpression pattern(
      QStringLiteral("\\A[A-Za-z0-9._%+\\-]+@[A-Za-z0-9.\\-]+\\.[A-Za-z]{2,}\\z"));
  if (!pattern.match(s).hasMatch()) return QString();
  return QStringLiteral("sip:") + s;
}

QString SipUriParser::parseUriTp(const QString& text) const {
  const QString uri = normalize(text);
  if (!uri.isEmpty()) return uri;
  const QString number = PhoneNumberParser::normalizePhoneNumber(text);
  if (!PhoneNumberParser::isValidPhoneNumber(number)) return QString();
  return QStringLiteral("sip:") + number;
}

QString SipUriParser::userPart(const QString& text) const {
  const QString uri = normalize(text);
  return uri.isEmpty() ? QString() : uri.mid(4).section(QLatin1Char('@'), 0, 0);
}

QString SipUriParser::matchableUri(const QString& text) const {
  const QString sip = normalize(text);
  if (!sip.isEmpty()) return sip.toLower();
  QString bare = text.trimmed();
  if (bare.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) bare = bare.mid(4);
  if (PhoneNumberParser::isValidPhoneNumber(bare))
    return PhoneNumberParser::normalizePhoneNumber(bare);
  return text.trimmed();
}

QString SipUriParser::displayNameFromUri(const QString& text) const {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return QString();
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> uri(new TP::Sip::UriPtr(trimmed));
  if (!uri->IsValid()) return trimmed;
  return displayNameFromUri(uri);
}

QString SipUriParser::displayNameFromUri(
    const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr>& uri) const {
  if (uri.isNull() || !uri->IsValid()) return QString();
  const QString name = QString::fromUtf8(uri->DisplayName().toByteArray()).trimmed();
  if (!name.isEmpty()) return name;
  return QString::fromUtf8(uri->Username().toByteArray());
}

}  // namespace Utils
}  // namespace RAZ

QString UTQS(const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr>& uri, bool withDisplayName) {
  return uri.isNull() ? QString() : uri->toString(withDisplayName);
}

TP::Bytes QSTB(const QString& text) { return TP::Bytes(text.toUtf8()); }

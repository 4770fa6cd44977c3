#include "RAZ/Utils/Validator.h"

#include <QRegularExpression>

namespace RAZ {
namespace Utils {

QString Validator::normalizeSipUserName(const QString& user) const {
  QString name = user.trimmed();
  if (name.startsWith(QLatin1String("sips:"), Qt::CaseInsensitive))
    name = name.mid(5).trimmed();
  else if (name.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive))
    name = name.mid(4).trimmed();
  static const QRegularExpression phone(QStringLiteral("\\A\\+?[0-9 ()./-]*[0-9][0-9 ()./-]*\\z"));
  if (phone.match(name).hasMatch()) {
    QString digits;
    for (int i = 0; i < name.size(); ++i) {
      const QChar c = name.at(i);
      if (c.isDigit() || (c == QLatin1Char('+') && i == 0)) digits += c;
    }
    return digits;
  }
  return name;
}

}  // namespace Utils
}  // namespace RAZ

#include "Utils/FileNames.h"

namespace Utils {

QString FileNames::safeBaseName(const QString& name) {
  QString base = name;
  // Senders on other systems separate folders with either slash.
  const int cut = qMax(base.lastIndexOf(QLatin1Char('/')), base.lastIndexOf(QLatin1Char('\\')));
  if (cut >= 0) base = base.mid(cut + 1);
  QString clean;
  clean.reserve(base.size());
  for (const QChar c : qAsConst(base))
    if (c.category() != QChar::Other_Control && c != QChar::Null) clean.append(c);
  clean = clean.trimmed();
  if (clean == QLatin1String(".") || clean == QLatin1String("..")) return QString();
  return clean;
}

}  // namespace Utils

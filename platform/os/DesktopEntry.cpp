#include "os/DesktopEntry.h"

namespace Os {
namespace DesktopEntry {

QString quotedArgument(const QString& arg) {
  QString quoted;
  quoted.reserve(arg.size() + 2);
  quoted += QLatin1Char('"');
  for (const QChar c : arg) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
        c == QLatin1Char('\\'))
      quoted += QLatin1Char('\\');
    quoted += c;
  }
  quoted += QLatin1Char('"');
  return quoted;
}

QString execArgument(const QString& arg) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  bool plain = !arg.isEmpty();
  for (const QChar c : arg)
    if (reserved.contains(c) || c.category() == QChar::Other_Control) plain = false;
  QString out = plain ? arg : quotedArgument(arg);
  out.replace(QLatin1Char('%'), QStringLiteral("%%"));
  return out;
}

QString escapedValue(const QString& value) {
  QString out = value;
  out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return out;
}

}  // namespace DesktopEntry
}  // namespace Os

#include "Utils/Branding.h"

#include <QFile>
#include <QTextStream>

namespace Utils {

Branding builtInBranding() {
  Branding b;
  b.applicationName = QStringLiteral("VOV Quorvel");
  b.organizationName = QStringLiteral("Zarozurav Quorvel Inc");
  b.organizationDomain = QStringLiteral("quorvel.example");
  b.fromFile = false;
  return b;
}

QString pathSafeName(const QString& name) {
  QString safe;
  safe.reserve(name.size());
  for (const QChar c : name) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
      safe += QLatin1Char('_');
    else if (c.category() != QChar::Other_Control)  // C0, DEL and C1 alike
      safe += c;
  }
  safe = safe.trimmed();
  // A name that is only dots would name the folder itself or its parent.
  bool onlyDots = true;
  for (const QChar c : qAsConst(safe))
    if (c != QLatin1Char('.')) onlyDots = false;
  return onlyDots ? QString() : safe;
}

Branding readBranding(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    qDebug("Error opening application_name.txt: Using macros instead");
    return builtInBranding();
  }
  QTextStream in(&file);
  in.setCodec("UTF-8");
  Branding b;
  // The application and organisation names become folder names of the
  // user's data (the system's per-application folders are built from them):
  // they must never reach outside it.
  b.applicationName = pathSafeName(in.readLine());
  b.organizationName = pathSafeName(in.readLine());
  b.organizationDomain = pathSafeName(in.readLine());
  file.close();
  if (b.applicationName.isEmpty()) {
    qDebug("application_name.txt names no application: Using macros instead");
    return builtInBranding();
  }
  b.fromFile = true;
  return b;
}

}  // namespace Utils

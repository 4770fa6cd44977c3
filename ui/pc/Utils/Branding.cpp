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

Branding readBranding(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    qDebug("Error opening application_name.txt: Using macros instead");
    return builtInBranding();
  }
  QTextStream in(&file);
  in.setCodec("UTF-8");
  Branding b;
  b.applicationName = in.readLine().trimmed();
  b.organizationName = in.readLine().trimmed();
  b.organizationDomain = in.readLine().trimmed();
  file.close();
  if (b.applicationName.isEmpty()) {
    qDebug("application_name.txt names no application: Using macros instead");
    return builtInBranding();
  }
  b.fromFile = true;
  return b;
}

}  // namespace Utils

#include "Utils/UserAgent.h"

#include <QRegularExpression>
#include <QSysInfo>

namespace Utils {

QString windowsVersionName(int windowsVersion) {
  switch (windowsVersion) {
    case 0x10:
      return QStringLiteral("Windows NT");
    case 0x20:
      return QStringLiteral("Windows 2000");
    case 0x30:
      return QStringLiteral("Windows XP");
    case 0x40:
      return QStringLiteral("Windows XP Professional x64 Edition");
    case 0x80:
      return QStringLiteral("Windows Vista");
    case 0x90:
      return QStringLiteral("Windows 7");
    default:
      return QStringLiteral("Windows");
  }
}

QString operatingSystemName() {
#ifdef Q_OS_WIN
  return windowsVersionName(int(QSysInfo::WindowsVersion));
#else
  const QString name = QSysInfo::prettyProductName();
  return name.isEmpty() ? QSysInfo::kernelType() : name;
#endif
}

QString buildUserAgent(const QString& templ, const QString& version, const QString& osName) {
  // QString::arg warns on a template without a placeholder; such a template
  // is used as it stands.
  static const QRegularExpression placeholder(QStringLiteral("%\\d"));
  QString result = templ;
  if (result.contains(placeholder)) result = result.arg(version);
  if (result.contains(placeholder)) result = result.arg(osName);
  return result;
}

}  // namespace Utils

#include "Utils/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppPaths {
namespace {
QString g_override;
QString g_nameOverride;
}  // namespace

QString executableDir() {
  if (!g_override.isEmpty()) return g_override;
  return QCoreApplication::applicationDirPath();
}

QString executablePath() {
  if (!g_override.isEmpty()) {
    QString name = g_nameOverride.isEmpty()
                       ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                       : g_nameOverride;
    if (name.isEmpty()) name = QStringLiteral("zent");
    return g_override + QLatin1Char('/') + name;
  }
  return QCoreApplication::applicationFilePath();
}

void setExecutableDirOverride(const QString& dir) {
  g_override = dir;
  while (g_override.size() > 1 && g_override.endsWith(QLatin1Char('/'))) g_override.chop(1);
}

void setExecutableNameOverride(const QString& name) { g_nameOverride = name; }

QString installSettingsDir() {
  const QString exe = executableDir();
  const QString here = exe + QStringLiteral("/settings/");
  if (QFileInfo(here).isDir()) return here;
  const QString up = exe + QStringLiteral("/../settings/");
  if (QFileInfo(up).isDir()) return up;
  return QString();
}

QString installSettingsFile() {
  return executableDir() + QStringLiteral("/settings/application_setting.ini");
}

QString translationsDir() {
  const QString here = executableDir() + QStringLiteral("/translations");
  if (QFileInfo::exists(here)) return here;
  return executableDir() + QStringLiteral("/../translations");
}

}  // namespace AppPaths

#include <RAZ/Utils/Path.h>

namespace AppPaths {

QString accountFolderPath(const QString& dataDir, const QString& name) {
  const bool plain = !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
                     !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
                     !name.contains(QChar(0));
  return dataDir + QLatin1Char('/') + (plain ? name : RAZ::Utils::Path::accountFolderName(name));
}

}  // namespace AppPaths

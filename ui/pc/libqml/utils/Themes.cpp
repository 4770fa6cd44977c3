#include "libqml/utils/Themes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>

#include "Utils/AppPaths.h"

namespace Utils {
namespace Themes {

QString defaultTheme() {
  RAZ::Settings installation(RAZ::Settings::Installation);
  const QString name = installation.value(QStringLiteral("defaults/theme")).toString();
  return name.isEmpty() ? QStringLiteral("default") : name;
}

QString activeTheme() {
  RAZ::Settings app(RAZ::Settings::Application);
  const QString name = app.value(QStringLiteral("settings/themes/active")).toString();
  return name.isEmpty() ? defaultTheme() : name;
}

void setActiveTheme(const QString& name) {
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(QStringLiteral("settings/themes/active"), name);
}

QString themeNameFromPath(const QString& path) {
  static const QRegularExpression patterns[] = {
      QRegularExpression(QStringLiteral("/themes/([^\\\\/]+)/resources.rcc$")),
      QRegularExpression(QStringLiteral("/themes/([^\\\\/]+)/description.xml$")),
  };
  for (const QRegularExpression& re : patterns) {
    const QRegularExpressionMatch m = re.match(path);
    if (m.hasMatch()) return m.captured(1);
  }
  return path;
}

QStringList themeRoots(const QString& name, bool includeUserData) {
  const QString suffix = name.isEmpty() ? QString() : QLatin1Char('/') + name;
  QStringList roots;
  const QString exe = AppPaths::executableDir();
  for (const QString& base : {exe + QStringLiteral("/themes"), exe + QStringLiteral("/../themes")}) {
    const QFileInfo info(base + suffix);
    if (info.exists()) roots << info.canonicalFilePath();
  }
  if (includeUserData) roots << RAZ::Utils::Path::writableDataPath() + QStringLiteral("/themes") + suffix;
  return roots;
}

QString themePath(const QString& name) {
  // A name is one folder: anything that would climb out of the roots is no
  // theme of ours.
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name == QLatin1String(".") || name == QLatin1String(".."))
    return QString();
  for (const QString& root : themeRoots(name, true)) {
    const QFileInfo file(root + QStringLiteral("/resources.rcc"));
    if (file.isFile()) return file.canonicalFilePath();
  }
  return QString();
}

}  // namespace Themes
}  // namespace Utils

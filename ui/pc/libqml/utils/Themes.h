#pragma once

#include <QString>
#include <QStringList>

// Finding the theme packages: a theme is a folder named after it holding
// "resources.rcc", looked for under the program's "themes", then
// "../themes", then the user's data folder's "themes".
namespace Utils {
namespace Themes {

QString activeTheme();
QString defaultTheme();
void setActiveTheme(const QString& name);
QString themeNameFromPath(const QString& path);
QStringList themeRoots(const QString& name, bool includeUserData);
QString themePath(const QString& name);

}  // namespace Themes
}  // namespace Utils

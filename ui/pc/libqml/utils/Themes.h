#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Theme look-up. A theme is a folder named after it holding the compiled
// resource package "resources.rcc" (and a "description.xml"); themes are
// looked for under the program's "themes", then "../themes", then the
// user's data folder.
namespace Utils {
namespace Themes {

// "settings/themes/active"; the default theme when unset.
QString activeTheme();
// "defaults/theme"; "default" when unset.
QString defaultTheme();
void setActiveTheme(const QString& name);

// The theme name when `path` is ".../themes/NAME/resources.rcc" or
// ".../themes/NAME/description.xml"; any other text unchanged.
QString themeNameFromPath(const QString& path);

// The search roots (with "/NAME" appended when `name` is not empty).
QStringList themeRoots(const QString& name, bool includeUserData);
// The canonical path of the first "resources.rcc" found; empty when none.
QString themePath(const QString& name);

// The same, for a given program folder and data folder.
QStringList themeRootsIn(const QString& programDir, const QString& dataDir, const QString& name,
                         bool includeUserData);
QString themePathIn(const QString& programDir, const QString& dataDir, const QString& name);

// Whether `package` is a resource package (as "rcc -binary" writes it) that
// Qt may register: every offset and size in it, of the folder tree, the
// names and the files, lies inside it, and the tree has no loops. Qt reads
// a registered package without any such check, so a damaged one would
// crash the program at its first icon. False with the reason in `why`.
bool isIntactPackage(const QByteArray& package, QString* why = nullptr);
// A package larger than this is no theme of ours.
constexpr qint64 kMaxPackageBytes = 256 * 1024 * 1024;

struct Registration {
  bool ok = false;
  QString askedName;       // the active setting reduced to a name
  QString defaultName;     // "defaults/theme"
  QString registeredName;  // the theme whose package was registered
  QString registeredPath;
};

// Registers the active theme's package; when it cannot be registered, the
// installation's default theme's, and then the "default" theme's that every
// installation ships. A package that is damaged (isIntactPackage) or that Qt
// refuses counts as missing. On
// success the asked name is kept as the active theme (when `storeName`),
// also when another theme had to be shown. On failure it logs "Default
// theme not found." and leaves showing the message to the caller
// (notFoundText()).
Registration registerActiveTheme(bool storeName = true);
Registration registerActiveThemeIn(const QString& programDir, const QString& dataDir,
                                   bool storeName = true);

// The message shown when no theme registers: the theme looked for and the
// folders it was looked for in.
QString notFoundText(const QString& programDir, const QString& dataDir, const QString& defaultName);

// What a theme's "description.xml" says. A missing or malformed file gives
// the folder's name and an empty description, with `error` telling why.
struct Description {
  QString name;
  QString description;
  QString error;
};
Description readDescription(const QString& themeFolder);

}  // namespace Themes
}  // namespace Utils

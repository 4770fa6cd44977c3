#pragma once

#include <QString>

namespace Os {

// Makes the desktop start the program for links of a URL scheme, so that a
// link arrives as one argument made of "--" and the link (for example
// "--zent:call=..."). Here that is a desktop entry
// "<scheme>-url-handler.desktop" in the user's applications folder
// ($XDG_DATA_HOME/applications) declaring x-scheme-handler/<scheme>, whose
// Exec line is the program and the link (<program> %u): the program takes a
// bare link ("zent:...") as well as the "--" form. The program is named by
// a path every launcher reads alike (urlSchemeLauncherPath). Writing or removing an entry also
// tells the desktop: update-desktop-database rebuilds the folder's cache where it is installed, and
// the entry is made (or no longer) the scheme's default in the user's mimeapps.list. Every file is
// written through the checked write: on failure the earlier one stays, nothing is rebuilt, and the
// failure is recorded for the user to hear of (FileWrites).
// Returns false when the entry could not be written or removed.
bool registerUrlScheme(const QString& scheme, const QString& displayName,
                       const QString& executablePath);
bool unregisterUrlScheme(const QString& scheme);

// Where the desktop entry of a scheme lives, and its file name.
QString urlSchemeEntryPath(const QString& scheme);
QString urlSchemeEntryName(const QString& scheme);
// The icon file the entries name (the program's icon as a PNG file in the
// user's icon folder), written when an entry is registered.
QString urlSchemeIconPath(const QString& executablePath);
// The desktop entry the desktop really opens a scheme's links with (as
// xdg-utils answer, else the user's mimeapps.list says), or empty.
QString desktopSchemeHandler(const QString& scheme);

// The user's mimeapps.list ($XDG_CONFIG_HOME/mimeapps.list).
QString mimeAppsListPath();
// The entry file name mimeapps.list makes the scheme's default, or empty.
QString defaultSchemeHandler(const QString& scheme);

// The desktop entry's text for a scheme, naming `executablePath` (quoted
// when it needs it).
QString urlSchemeEntry(const QString& scheme, const QString& displayName,
                       const QString& executablePath);
// The path the entries name for the program: the program's own when it
// needs no quoting, else a symbolic link to the program kept at
// $XDG_DATA_HOME/<program>/bin/<program> (xdg-utils' generic launcher, on
// a desktop it does not know, splits the Exec line at blanks and takes no
// quotes: only a bare path reaches the program there). The program's own,
// quoted, when even that path needs quoting.
QString urlSchemeLauncherPath(const QString& executablePath);
// True when the entries' path for the program starts the program.
bool urlSchemeLauncherReady(const QString& executablePath);

// The Windows shell's open command for a program: the program path in
// double quotes, a blank and --%l, with back-slashes throughout.
QString windowsOpenCommand(const QString& executablePath);

}  // namespace Os

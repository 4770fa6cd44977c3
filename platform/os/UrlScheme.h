#pragma once

#include <QString>

namespace Os {

// Makes the desktop start the program for links of a URL scheme, so that a
// link arrives as one argument made of "--" and the link (for example
// "--zent:call=..."). Here that is a desktop entry
// "<scheme>-url-handler.desktop" in the user's applications folder
// ($XDG_DATA_HOME/applications) declaring x-scheme-handler/<scheme>, whose
// Exec line is the quoted program and the link ("<program>" %u): the program
// takes a bare link ("zent:...") as well as the "--" form. Writing or
// removing an entry also tells the desktop: update-desktop-database rebuilds
// the folder's cache where it is installed, else the entry is made (or no
// longer) the scheme's default in the user's mimeapps.list.
// Returns false when the entry could not be written or removed.
bool registerUrlScheme(const QString& scheme, const QString& displayName,
                       const QString& executablePath);
bool unregisterUrlScheme(const QString& scheme);

// Where the desktop entry of a scheme lives.
QString urlSchemeEntryPath(const QString& scheme);

// The user's mimeapps.list ($XDG_CONFIG_HOME/mimeapps.list).
QString mimeAppsListPath();
// The entry file name mimeapps.list makes the scheme's default, or empty.
QString defaultSchemeHandler(const QString& scheme);

// The desktop entry's text for a scheme.
QString urlSchemeEntry(const QString& scheme, const QString& displayName,
                       const QString& executablePath);

// The Windows shell's open command for a program: the program path in
// double quotes, a blank and --%l, with back-slashes throughout.
QString windowsOpenCommand(const QString& executablePath);

}  // namespace Os

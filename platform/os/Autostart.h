#pragma once

#include <QString>

namespace Os {

// Starting the program with the user's desktop session. Here that is an XDG
// autostart entry "<name>.desktop" in $XDG_CONFIG_HOME/autostart; nothing
// else is touched.
namespace Autostart {

// Where the entry of `name` lives (the name reduced to a safe file stem).
QString entryPath(const QString& name);
// The entry's text for the program.
QString entryText(const QString& name, const QString& executablePath);
// The program the entry starts (its Exec line as written), or empty when
// there is no entry.
QString command(const QString& name);
bool isEnabled(const QString& name);
// Writes the entry (replacing an old one); false when it could not be written.
bool enable(const QString& name, const QString& executablePath);
// Removes the entry; true when none is left.
bool disable(const QString& name);

}  // namespace Autostart
}  // namespace Os

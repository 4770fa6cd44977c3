#pragma once

#include <QString>

namespace Os {

// The escaping rules of the freedesktop.org desktop entry format, shared by
// every entry we write (autostart, link handlers).
namespace DesktopEntry {

// One argument of an Exec key: in double quotes, with " ` $ and \ escaped
// by a back-slash, so a launcher hands it over whole.
QString quotedArgument(const QString& arg);
// One argument of an Exec key as plainly as it can be written: bare when it
// holds none of the characters the format reserves, else quoted as above;
// a percent sign is doubled either way (a lone one starts a field code).
// Some launchers (xdg-utils' generic one) take quotes into the program's
// name, so a path that needs none gets none.
QString execArgument(const QString& arg);
// A value as the entry format stores it: back-slashes doubled and line
// breaks written as \n, so the value stays on its one line.
QString escapedValue(const QString& value);

}  // namespace DesktopEntry
}  // namespace Os

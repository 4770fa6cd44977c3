#pragma once

#include <QString>
#include <QtGlobal>

namespace Os {

// A library of the program's own that it loads on first use rather than at
// start (the web engine, Qt Multimedia, the LDAP client): looked for beside
// the program, then in ZENT_DIST_DIR, where the build's programs that live
// elsewhere (tests, tools) find it; no folder of the build machine is written
// into the program. Returns the library's exported function `entry` from the
// first place that has it; the library then stays loaded for the process's
// life. Null when no place has it, with what went wrong in `error`: the load
// errors, or the places looked at. Callable on any thread (the directory
// search loads its library on its worker's): the program's folder is the one
// taken as the application object was made.
QFunctionPointer moduleEntry(const char* library, const char* entry, QString* error);

}  // namespace Os

// See CMakeLists.txt: rename() that kills its caller for one file.
#include <dlfcn.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>

extern "C" int rename(const char* from, const char* to) {
  using Rename = int (*)(const char*, const char*);
  static const Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  const char* ending = getenv("ZENT_KILL_AT_RENAME");
  if (ending && *ending && to) {
    const size_t length = strlen(to), tail = strlen(ending);
    if (length >= tail && strcmp(to + length - tail, ending) == 0) raise(SIGKILL);
  }
  return real(from, to);
}

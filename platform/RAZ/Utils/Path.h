#pragma once

#include <QString>

namespace RAZ {
namespace Utils {

class Path {
 public:
  // The per-user data folder: the system's writable application-data location
  // for the current organisation and application names (it follows
  // QStandardPaths' test mode). The folder is NOT created here: start-up
  // tells a first run from its absence and migrates an older folder then; it
  // creates the folder itself afterwards. Empty (and logged) when the system
  // offers no writable location.
  static QString writableDataPath();

  // A folder name for an account that cannot leave the data folder: letters,
  // digits, '.', '-', '_' and '@' are kept, everything else is percent-encoded,
  // and names made only of dots are encoded as well.
  static QString accountFolderName(const QString& account);
};

}  // namespace Utils
}  // namespace RAZ

#pragma once

#include <QString>
#include <QStringList>

namespace Utils {

// File-system helpers for moving an older per-user data folder into a new one.
class File {
 public:
  File() = delete;

  // The absolute path of the first immediate sub-folder of `root` that holds
  // a file named `fileName`, leaving out sub-folders named in `skip`;
  // empty when none does.
  static QString findDir(const QString& root, const QString& fileName, const QStringList& skip);

  // Copies the tree below `source` into `target`, leaving out every entry
  // whose name contains one of `exclude`. Existing target files are kept;
  // the copies and the folders made for them are the user's alone (0600,
  // 0700) from their first byte.
  // Symbolic links are never followed nor copied, so a link loop or a link
  // to a foreign tree cannot run away. False when a target folder cannot
  // be created.
  static bool cpDir(const QString& source, const QString& target, const QStringList& exclude);
};

}  // namespace Utils

#pragma once

#include <QString>
#include <QStringList>

namespace Utils {

// Folder look-up and tree copy used to carry an older data folder over on
// the first start.
class File {
 public:
  // The absolute path of the first immediate sub-folder of root (not named
  // in skip) that holds a file called fileName; empty when none does.
  static QString findDir(const QString& root, const QString& fileName, const QStringList& skip);
  // Copies the tree below source into target, leaving out entries whose name
  // contains a string of exclude; existing target files are kept. False when
  // a target folder cannot be created. Symbolic links are not followed.
  static bool cpDir(const QString& source, const QString& target, const QStringList& exclude);
};

}  // namespace Utils

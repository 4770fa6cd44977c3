#pragma once

#include <QString>

namespace Utils {

// Names of files that arrive from other parties.
class FileNames {
 public:
  FileNames() = delete;

  // The last part of a file name as a sender gave it, safe to suggest in a
  // save dialog: folders (either slash), control characters and the names
  // "." and ".." are dropped; empty when nothing usable is left.
  static QString safeBaseName(const QString& name);
};

}  // namespace Utils

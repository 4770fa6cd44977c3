#pragma once

#include <QString>

namespace Utils {

// What seedUserSettings did.
// NotSettings: the installation's file is no settings text (a NUL byte, or
// a section that does not parse) and was not copied.
enum class SeedResult { NoInstallationFile, Copied, CopyFailed, Merged, Unchanged, NotSettings };

// Seeds the user's application settings file from the installation's copy:
// a missing user file becomes a copy of the installation's (made writable
// for the user); an existing one is never overwritten: it only receives
// settings/simplifiedSslHandling=true when it has no such value and the
// installation's file says true. Nothing happens without an installation file.
SeedResult seedUserSettings(const QString& installationFile, const QString& userFile,
                            const QString& dataDir);

}  // namespace Utils

#include "Utils/SettingsSeed.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include "Utils/SettingsKeys.h"

#include <RAZ/Settings.h>

namespace Utils {

SeedResult seedUserSettings(const QString& installationFile, const QString& userFile,
                            const QString& dataDir) {
  if (!QFile::exists(installationFile)) return SeedResult::NoInstallationFile;
  if (!QFile::exists(userFile)) {
    QDir().mkpath(dataDir);
    // QFile::copy never replaces an existing file, so a file that appeared
    // in the meantime stays the user's.
    if (!QFile::copy(installationFile, userFile)) return SeedResult::CopyFailed;
    QFile::setPermissions(userFile,
                          QFile::permissions(userFile) | QFile::ReadOwner | QFile::WriteOwner);
    return SeedResult::Copied;
  }
  const QString key = Utils::SettingsKey::SimplifiedSslHandling;
  QSettings user(userFile, RAZ::Settings::safeIniFormat());
  QSettings installation(installationFile, QSettings::IniFormat);
  if (!user.contains(key) && installation.value(key, false).toBool()) {
    user.setValue(key, true);
    user.sync();
    return SeedResult::Merged;
  }
  return SeedResult::Unchanged;
}

}  // namespace Utils

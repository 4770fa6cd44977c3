#include "Utils/SettingsSeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include "Utils/SettingsKeys.h"

#include <RAZ/Settings.h>
#include <RAZ/Utils/FileWrites.h>

namespace Utils {

namespace {

// An installation file beyond the size any settings file has is not copied
// whole: the user's copy gets what is read of it, its whole lines up to the
// read limit (the program says so when it reads the file).
SeedResult seedFromBeginning(const QString& installationFile, const QString& userFile) {
  QFile source(installationFile);
  if (!source.open(QIODevice::ReadOnly)) return SeedResult::CopyFailed;
  QByteArray text = source.read(RAZ::Settings::kMaxFileBytes);
  const int lastLine = text.lastIndexOf('\n');
  text.truncate(lastLine < 0 ? 0 : lastLine + 1);
  if (QFileInfo::exists(userFile)) return SeedResult::Unchanged;
  QSaveFile target(userFile);
  if (!target.open(QIODevice::WriteOnly)) return SeedResult::CopyFailed;
  target.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  if (!RAZ::Utils::FileWrites::write(target, text) || !target.commit())
    return SeedResult::CopyFailed;
  RAZ::Settings::noteCapped(installationFile);
  return SeedResult::Copied;
}

}  // namespace

SeedResult seedUserSettings(const QString& installationFile, const QString& userFile,
                            const QString& dataDir) {
  if (!QFile::exists(installationFile)) return SeedResult::NoInstallationFile;
  if (!QFile::exists(userFile)) {
    QDir().mkpath(dataDir);
    if (QFileInfo(installationFile).size() > RAZ::Settings::kMaxFileBytes)
      return seedFromBeginning(installationFile, userFile);
    // QFile::copy never replaces an existing file, so a file that appeared
    // in the meantime stays the user's.
    if (!QFile::copy(installationFile, userFile)) return SeedResult::CopyFailed;
    // The user's copy will hold the user's own settings: the user's alone.
    QFile::setPermissions(userFile, QFile::ReadOwner | QFile::WriteOwner);
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

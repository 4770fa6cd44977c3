#include "Utils/SettingsSeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include "Utils/SettingsKeys.h"

#include <RAZ/IniText.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/FileWrites.h>

namespace Utils {

namespace {

// The user's copy is made from the installation's text, through the checked
// write: the user's alone from its first byte, whole or not there at all,
// and never over a file that appeared meanwhile. An installation file beyond
// the size any settings file has is not copied whole: the user's copy gets
// what is read of it, its whole lines up to the read limit (the program says
// so when it reads the file).
SeedResult copyInstallationFile(const QString& installationFile, const QString& userFile) {
  QFile source(installationFile);
  if (!source.open(QIODevice::ReadOnly)) return SeedResult::CopyFailed;
  QByteArray text = source.read(RAZ::Settings::kMaxFileBytes + 1);
  if (source.error() != QFileDevice::NoError) return SeedResult::CopyFailed;
  const bool capped = text.size() > RAZ::Settings::kMaxFileBytes;
  if (capped) {
    text.truncate(RAZ::Settings::kMaxFileBytes);
    const int lastLine = text.lastIndexOf('\n');
    text.truncate(lastLine < 0 ? 0 : lastLine + 1);
  }
  // A damaged installation (a binary in the file's place) must not become
  // the user's own settings: the user's file is then never made from it.
  QSettings::SettingsMap values;
  if (text.contains('\0') || !RAZ::IniText::parse(text, values)) return SeedResult::NotSettings;
  bool existed = false;
  if (!RAZ::Utils::FileWrites::create(userFile, text, 0600, &existed))
    return existed ? SeedResult::Unchanged : SeedResult::CopyFailed;
  if (capped) RAZ::Settings::noteCapped(installationFile);
  return SeedResult::Copied;
}

}  // namespace

SeedResult seedUserSettings(const QString& installationFile, const QString& userFile,
                            const QString& dataDir) {
  if (!QFile::exists(installationFile)) return SeedResult::NoInstallationFile;
  if (!QFile::exists(userFile)) {
    {
      const RAZ::Utils::PrivateCreation closed;
      QDir().mkpath(dataDir);
    }
    return copyInstallationFile(installationFile, userFile);
  }
  const QString key = Utils::SettingsKey::SimplifiedSslHandling;
  QSettings user(userFile, RAZ::Settings::safeIniFormat());
  QSettings installation(installationFile, QSettings::IniFormat);
  if (!user.contains(key) && installation.value(key, false).toBool()) {
    user.setValue(key, true);
    RAZ::Settings::syncPrivate(user);
    return SeedResult::Merged;
  }
  return SeedResult::Unchanged;
}

}  // namespace Utils

#pragma once

#include <QString>

// Where the program's own files lie: the executable's folder and what the
// start-up reads beside it.
namespace AppPaths {

// The executable's folder (QCoreApplication::applicationDirPath), unless an
// override is set.
QString executableDir();
// The executable's full path: the override folder with the program's file
// name, or QCoreApplication::applicationFilePath.
QString executablePath();
// Replaces the executable's folder for everything that reads beside it
// (tests); an empty path restores the real one.
void setExecutableDirOverride(const QString& dir);
// With the folder overridden, the program's file name in it (a test that
// stands for the program names the real one, which links start); empty:
// the running program's own name.
void setExecutableNameOverride(const QString& name);

// The installation's settings folder: "<exe>/settings/", else
// "<exe>/../settings/" when only that exists; empty when neither exists.
QString installSettingsDir();
// Always "<exe>/settings/application_setting.ini".
QString installSettingsFile();
// "<exe>/translations", else "<exe>/../translations" when the first is missing.
QString translationsDir();

}  // namespace AppPaths

namespace AppPaths {

// The folder of a signed-in account below the data folder. A name that is
// a plain folder name is used as it is; one that could leave the data folder
// (empty, ".", "..", or holding a slash or back-slash) is encoded first.
QString accountFolderPath(const QString& dataDir, const QString& name);

}  // namespace AppPaths

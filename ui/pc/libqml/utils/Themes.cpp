#include "libqml/utils/Themes.h"
#include "Utils/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QResource>
#include <QXmlStreamReader>

#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>
#include <TP/Core/Logging.h>
#include "Utils/SettingsKeys.h"
#include "Utils/SettingsWrite.h"

namespace Utils {
namespace Themes {

namespace {

const char* const kFallbackTheme = "default";
const char* const kPackage = "resources.rcc";

QString settingText(RAZ::Settings::SettingsType scope, const QString& key) {
  const QVariant v = RAZ::Settings(scope).value(key);
  if (!v.isValid()) return QString();
  if (!v.canConvert<QString>() || v.type() == QVariant::StringList) {
    TP_LOG("Utils::Themes::settingText", TP::Core::Logging::LevelWarning)
        << "setting " << key << " is not a text; ignoring it";
    return QString();
  }
  return v.toString().trimmed();
}

bool tryRegister(const QString& programDir, const QString& dataDir, const QString& name,
                 Registration& result) {
  const QString path = themePathIn(programDir, dataDir, name);
  if (path.isEmpty()) {
    TP_LOG("Utils::Themes::registerActiveTheme", TP::Core::Logging::LevelWarning)
        << "theme \"" << name << "\" not found";
    return false;
  }
  if (!QResource::registerResource(path)) {
    TP_LOG("Utils::Themes::registerActiveTheme", TP::Core::Logging::LevelError)
        << "theme package " << path << " could not be registered";
    return false;
  }
  result.ok = true;
  result.registeredName = name;
  result.registeredPath = path;
  TP_LOG("Utils::Themes::registerActiveTheme", TP::Core::Logging::LevelInformation)
      << "theme \"" << name << "\" registered from " << path;
  return true;
}

}  // namespace

QString defaultTheme() {
  const QString name = settingText(RAZ::Settings::Installation, Utils::SettingsKey::DefaultTheme);
  return name.isEmpty() ? QString::fromLatin1(kFallbackTheme) : name;
}

QString activeTheme() {
  const QString name = settingText(RAZ::Settings::Application, Utils::SettingsKey::ThemeActive);
  return name.isEmpty() ? defaultTheme() : name;
}

void setActiveTheme(const QString& name) {
  RAZ::Settings settings(RAZ::Settings::Application);
  Utils::storeIfChanged(settings, Utils::SettingsKey::ThemeActive, name);
}

QString themeNameFromPath(const QString& path) {
  static const QRegularExpression package(QStringLiteral("/themes/([^\\/]+)/resources.rcc$"));
  static const QRegularExpression description(QStringLiteral("/themes/([^\\/]+)/description.xml$"));
  for (const QRegularExpression* re : {&package, &description}) {
    const QRegularExpressionMatch m = re->match(path);
    if (m.hasMatch()) return m.captured(1);
  }
  return path;
}

QStringList themeRootsIn(const QString& programDir, const QString& dataDir, const QString& name,
                         bool includeUserData) {
  const QString suffix = name.isEmpty() ? QString() : QLatin1Char('/') + name;
  QStringList roots;
  for (const QString& base :
       {programDir + QStringLiteral("/themes"), programDir + QStringLiteral("/../themes")}) {
    const QFileInfo folder(base + suffix);
    if (folder.isDir()) roots << folder.canonicalFilePath();
  }
  if (includeUserData && !dataDir.isEmpty()) roots << dataDir + QStringLiteral("/themes") + suffix;
  return roots;
}

QStringList themeRoots(const QString& name, bool includeUserData) {
  return themeRootsIn(AppPaths::executableDir(), RAZ::Utils::Path::writableDataPath(), name,
                      includeUserData);
}

QString themePathIn(const QString& programDir, const QString& dataDir, const QString& name) {
  if (name.isEmpty()) return QString();
  // A name is one folder: anything that would climb out of the roots is no
  // theme of ours.
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name == QLatin1String(".") || name == QLatin1String("..")) {
    TP_LOG("Utils::Themes::themePath", TP::Core::Logging::LevelWarning)
        << "not a theme name: " << name;
    return QString();
  }
  const auto roots = themeRootsIn(programDir, dataDir, name, true);
  for (const QString& root : roots) {
    const QFileInfo package(root + QLatin1Char('/') + QString::fromLatin1(kPackage));
    if (package.isFile()) return package.canonicalFilePath();
  }
  return QString();
}

QString themePath(const QString& name) {
  return themePathIn(AppPaths::executableDir(), RAZ::Utils::Path::writableDataPath(), name);
}

Registration registerActiveThemeIn(const QString& programDir, const QString& dataDir,
                                   bool storeName) {
  Registration result;
  result.defaultName = defaultTheme();
  result.askedName = themeNameFromPath(activeTheme());
  // The asked theme, then the installation's default, then the theme every
  // installation ships: a wrong name in either setting must not stop the
  // program while a theme is there to show it with.
  QStringList tried;
  for (const QString& name :
       {result.askedName, result.defaultName, QString::fromLatin1(kFallbackTheme)}) {
    if (name.isEmpty() || tried.contains(name)) continue;
    tried << name;
    if (tryRegister(programDir, dataDir, name, result)) break;
  }
  if (!result.ok) {
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal) << "Default theme not found.";
    return result;
  }
  if (result.registeredName != result.askedName)
    TP_LOG("Utils::Themes::registerActiveTheme", TP::Core::Logging::LevelWarning)
        << "unknown theme \"" << result.askedName << "\": showing \"" << result.registeredName
        << "\" instead";
  if (storeName) setActiveTheme(result.askedName);
  return result;
}

Registration registerActiveTheme(bool storeName) {
  return registerActiveThemeIn(AppPaths::executableDir(), RAZ::Utils::Path::writableDataPath(),
                               storeName);
}

static const char* notFoundSource() {
  return QT_TRANSLATE_NOOP("Application",
                           "Default theme not found. Please reinstall the client.\nLooked for the "
                           "theme \"%1\" in the folders %2.");
}

QString notFoundText(const QString& programDir, const QString& dataDir,
                     const QString& defaultName) {
  QStringList folders;
  for (const QString& root :
       {programDir + QStringLiteral("/themes"), programDir + QStringLiteral("/../themes"),
        dataDir + QStringLiteral("/themes")})
    folders << QDir::toNativeSeparators(QDir::cleanPath(root));
  return QCoreApplication::translate("Application", notFoundSource())
      .arg(defaultName, folders.join(QStringLiteral(", ")));
}

Description readDescription(const QString& themeFolder) {
  Description d;
  d.name = QFileInfo(themeFolder).fileName();
  QFile file(themeFolder + QStringLiteral("/description.xml"));
  if (!file.open(QIODevice::ReadOnly)) {
    d.error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
    TP_LOG("Utils::Themes::readDescription", TP::Core::Logging::LevelWarning) << d.error;
    return d;
  }
  QXmlStreamReader xml(&file);
  QString name;
  QString text;
  bool sawTheme = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("theme")) {
      sawTheme = true;
      name = xml.attributes().value(QStringLiteral("name")).toString().trimmed();
    } else if (sawTheme && xml.name() == QLatin1String("description")) {
      text = xml.readElementText().trimmed();
    }
  }
  if (xml.hasError() || !sawTheme) {
    d.error = xml.hasError() ? QStringLiteral("malformed %1 (line %2): %3")
                                   .arg(file.fileName())
                                   .arg(xml.lineNumber())
                                   .arg(xml.errorString())
                             : QStringLiteral("%1 holds no theme element").arg(file.fileName());
    TP_LOG("Utils::Themes::readDescription", TP::Core::Logging::LevelWarning) << d.error;
    return d;
  }
  if (!name.isEmpty()) d.name = name;
  d.description = text;
  return d;
}

}  // namespace Themes
}  // namespace Utils

#include "libqml/utils/Themes.h"
#include "Utils/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QResource>
#include <QVector>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cstring>

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
  QString damage;
  {
    QFile package(path);
    if (!package.open(QIODevice::ReadOnly)) {
      damage = package.errorString();
    } else if (package.size() > kMaxPackageBytes) {
      damage = QStringLiteral("larger than any theme");
    } else {
      isIntactPackage(package.readAll(), &damage);
    }
  }
  if (!damage.isEmpty()) {
    TP_LOG("Utils::Themes::registerActiveTheme", TP::Core::Logging::LevelError)
        << "theme package " << path << " is damaged (" << damage << "); not registered";
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

bool isIntactPackage(const QByteArray& package, QString* why) {
  const auto fail = [why](const char* reason) {
    if (why) *why = QString::fromLatin1(reason);
    return false;
  };
  const auto* b = reinterpret_cast<const uchar*>(package.constData());
  const quint64 size = quint64(package.size());
  // Every read below is checked against the size first.
  const auto u16 = [b](quint64 at) { return quint64(qFromBigEndian<quint16>(b + at)); };
  const auto u32 = [b](quint64 at) { return quint64(qFromBigEndian<quint32>(b + at)); };
  if (size < 20 || std::memcmp(b, "qres", 4) != 0) return fail("not a resource package");
  const quint64 version = u32(4);
  if (version < 1 || version > 3) return fail("an unknown package version");
  if (version >= 3 && size < 24) return fail("cut short");
  const quint64 tree = u32(8), data = u32(12), names = u32(16);
  if (tree >= size || data >= size || names >= size) return fail("an offset beyond its end");
  const quint64 nodeSize = version >= 2 ? 22 : 14;
  const quint64 maxNodes = (size - tree) / nodeSize;
  const auto nodeAt = [&](quint64 index) -> qint64 {
    if (index >= maxNodes) return -1;
    return qint64(tree + index * nodeSize);
  };
  enum { Compressed = 0x01, Directory = 0x02, CompressedZstd = 0x04 };
  if (nodeAt(0) < 0 || !(u16(quint64(nodeAt(0)) + 4) & Directory)) return fail("no folder tree");
  // Children always follow their folder, so the walk ends; a node reached
  // more often than there are nodes means folders sharing their children
  // over and over, which no package holds.
  QVector<quint64> folders{0};
  quint64 visits = 0;
  while (!folders.isEmpty()) {
    const quint64 folder = folders.takeLast();
    const quint64 at = quint64(nodeAt(folder));
    const quint64 count = u32(at + 6), first = u32(at + 10);
    if (count == 0) continue;
    if (first <= folder || count > maxNodes || nodeAt(first + count - 1) < 0)
      return fail("a folder whose entries lie outside the tree");
    for (quint64 child = first; child < first + count; ++child) {
      if (++visits > maxNodes) return fail("a folder tree with loops");
      const quint64 node = quint64(nodeAt(child));
      const quint64 name = names + u32(node);
      if (name + 6 > size || name + 6 + 2 * u16(name) > size)
        return fail("a name outside the package");
      const quint64 flags = u16(node + 4);
      if (flags & Directory) {
        folders << child;
        continue;
      }
      const quint64 content = data + u32(node + 10);
      if (content + 4 > size || content + 4 + u32(content) > size)
        return fail("a file outside the package");
      if ((flags & Compressed) &&
          (u32(content) < 4 || u32(content + 4) > quint64(kMaxPackageBytes)))
        return fail("a compressed file of an impossible size");
    }
  }
  return true;
}

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

#include "os/UrlScheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

#include "RAZ/Utils/FileWrites.h"
#include "os/DesktopEntry.h"

namespace Os {
namespace {

const int kRefreshTimeoutMs = 5000;
const int kIconSize = 48;

using DesktopEntry::escapedValue;

QString sanitizeSchemeName(const QString& scheme) {
  QString out;
  for (const QChar c : scheme) {
    if (c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
        c == QLatin1Char('.'))
      out += c.toLower();
  }
  return out;
}

const char kDefaultsSection[] = "[Default Applications]";

// The mode a file has, for its replacement to keep it; `fallback` for a new one.
int modeOf(const QString& path, int fallback) {
  const QFileInfo info(path);
  if (!info.exists()) return fallback;
  int mode = 0;
  const QFileDevice::Permissions p = info.permissions();
  if (p & QFileDevice::ReadOwner) mode |= 0400;
  if (p & QFileDevice::WriteOwner) mode |= 0200;
  if (p & QFileDevice::ReadGroup) mode |= 0040;
  if (p & QFileDevice::WriteGroup) mode |= 0020;
  if (p & QFileDevice::ReadOther) mode |= 0004;
  if (p & QFileDevice::WriteOther) mode |= 0002;
  return mode & 0600 ? mode : fallback;
}

QString schemeMimeType(const QString& scheme) {
  return QStringLiteral("x-scheme-handler/") + sanitizeSchemeName(scheme);
}

QString entryFileName(const QString& scheme) {
  return sanitizeSchemeName(scheme) + QStringLiteral("-url-handler.desktop");
}

// Sets (or, with an empty handler, removes) the scheme's default in the
// user's mimeapps.list, keeping every other line as it was. A default that
// names another program's entry is not taken away on removal.
bool writeDefaultHandler(const QString& scheme, const QString& handler) {
  const QString path = mimeAppsListPath();
  QStringList lines;
  {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
      lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  }
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  const QString key = schemeMimeType(scheme) + QLatin1Char('=');
  const QString ours = key + entryFileName(scheme);
  bool inDefaults = false;
  int section = -1;
  int found = -1;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines.at(i).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inDefaults = line == QLatin1String(kDefaultsSection);
      if (inDefaults && section < 0) section = i;
      continue;
    }
    if (inDefaults && line.startsWith(key)) found = i;
  }
  const QStringList before = lines;
  if (!handler.isEmpty()) {
    const QString wanted = key + handler;
    if (found >= 0)
      lines[found] = wanted;
    else if (section >= 0)
      lines.insert(section + 1, wanted);
    else
      lines << QString::fromLatin1(kDefaultsSection) << wanted;
  } else if (found >= 0 && lines.at(found).trimmed().startsWith(ours)) {
    lines.removeAt(found);
  }
  if (lines == before) return true;
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return RAZ::Utils::FileWrites::replace(
      path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), modeOf(path, 0644));
}

// The desktop's link launchers (GLib's among them) look handlers up in the
// applications folder's cache, which only update-desktop-database rebuilds,
// and take the user's default in mimeapps.list before any other: a scheme
// we register is made ours there too, so that it is what the desktop does
// (another program's default would win over our entry). Only ever run once
// the entries are written whole: a cache rebuilt from an emptied entry
// would drop the scheme.
bool refreshDesktop(const QString& scheme, bool add) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
  if (!tool.isEmpty()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, {QFileInfo(urlSchemeEntryPath(scheme)).absolutePath()});
    if (!process.waitForFinished(kRefreshTimeoutMs)) {
      process.kill();
      process.waitForFinished(kRefreshTimeoutMs);
    }
  }
  return writeDefaultHandler(scheme, add ? entryFileName(scheme) : QString());
}

// The icon the entries name, made from the program's own (the theme's) as a
// PNG file: an entry's Icon key names an icon or an image file, never a
// program. Written only when missing or changed; a program without its
// theme's icon leaves what is there.
void keepIconFile(const QString& path) {
  QImageReader reader(QStringLiteral(":/app_icon.ico"));
  QImage best;
  do {
    const QImage image = reader.read();
    if (!image.isNull() &&
        (best.isNull() || qAbs(image.width() - kIconSize) < qAbs(best.width() - kIconSize)))
      best = image;
  } while (reader.jumpToNextImage());
  if (best.isNull()) return;
  if (best.width() != kIconSize)
    best = best.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !best.save(&buffer, "PNG")) return;
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == png) return;
  existing.close();
  if (QDir().mkpath(QFileInfo(path).absolutePath()))
    RAZ::Utils::FileWrites::replace(path, png, 0644);
}

// A path an Exec line can hold bare: no blank, quote or other character the
// format reserves, no percent sign.
bool isBarePath(const QString& path) {
  return !path.isEmpty() && DesktopEntry::execArgument(path) == path;
}

QString programName(const QString& executablePath) {
  const QString name = sanitizeSchemeName(QFileInfo(executablePath).completeBaseName());
  return name.isEmpty() ? QStringLiteral("zent") : name;
}

// Points the launcher link at the program, replacing whatever it pointed at
// in one step (a launcher never finds it missing).
bool keepLauncherLink(const QString& link, const QString& executablePath) {
  const QString target = QDir::cleanPath(QFileInfo(executablePath).absoluteFilePath());
  const QFileInfo info(link);
  if (info.isSymLink() && info.symLinkTarget() == target) return true;
  if (!QDir().mkpath(info.absolutePath())) return false;
  const QString temporary = link + QStringLiteral(".new");
  QFile::remove(temporary);
  if (!QFile::link(target, temporary)) return false;
  if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(link).constData()) !=
      0) {
    QFile::remove(temporary);
    return false;
  }
  return true;
}

}  // namespace

QString urlSchemeLauncherPath(const QString& executablePath) {
  if (isBarePath(executablePath)) return executablePath;
  const QString name = programName(executablePath);
  const QString link = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QLatin1Char('/') + name + QStringLiteral("/bin/") + name;
  return isBarePath(link) ? link : executablePath;
}

bool urlSchemeLauncherReady(const QString& executablePath) {
  const QString launcher = urlSchemeLauncherPath(executablePath);
  if (launcher == executablePath) return true;
  const QFileInfo info(launcher);
  return info.isSymLink() &&
         info.symLinkTarget() == QDir::cleanPath(QFileInfo(executablePath).absoluteFilePath());
}

QString urlSchemeEntryPath(const QString& scheme) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/applications/") + sanitizeSchemeName(scheme) +
         QStringLiteral("-url-handler.desktop");
}

QString urlSchemeEntry(const QString& scheme, const QString& displayName,
                       const QString& executablePath) {
  const QString s = sanitizeSchemeName(scheme);
  // The link is the program's only argument, as the desktop hands it over
  // (%u): no shell in between, so every launcher's own parser of the Exec
  // key reads the line alike.
  const QString exec = DesktopEntry::execArgument(executablePath) + QStringLiteral(" %u");
  QString text;
  text += QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Name=") +
          escapedValue(QStringLiteral("URL:") + displayName + QStringLiteral(" Protocol")) +
          QLatin1Char('\n');
  text += QStringLiteral("Exec=") + escapedValue(exec) + QLatin1Char('\n');
  text +=
      QStringLiteral("Icon=") + escapedValue(urlSchemeIconPath(executablePath)) + QLatin1Char('\n');
  text += QStringLiteral("NoDisplay=true\n");
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("MimeType=") + schemeMimeType(s) + QStringLiteral(";\n");
  return text;
}

bool registerUrlScheme(const QString& scheme, const QString& displayName,
                       const QString& executablePath) {
  if (sanitizeSchemeName(scheme).isEmpty()) return false;
  keepIconFile(urlSchemeIconPath(executablePath));
  // A link that cannot be kept leaves the program's own path, quoted: the
  // desktops' own launchers still read that.
  QString program = urlSchemeLauncherPath(executablePath);
  if (program != executablePath && !keepLauncherLink(program, executablePath))
    program = executablePath;
  const QString path = urlSchemeEntryPath(scheme);
  const QByteArray entry = urlSchemeEntry(scheme, displayName, program).toUtf8();
  {
    // Registered at every start: an entry that already says this is left
    // alone, so the desktop has nothing to re-read and nothing is written.
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == entry.size() &&
        existing.readAll() == entry && defaultSchemeHandler(scheme) == entryFileName(scheme))
      return true;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    RAZ::Utils::FileWrites::recordFailure(QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                                          QStringLiteral("the folder could not be created"));
    return false;
  }
  // A failed write leaves the earlier entry whole and the desktop as it was.
  if (!RAZ::Utils::FileWrites::replace(path, entry, 0644)) return false;
  return refreshDesktop(scheme, true);
}

bool unregisterUrlScheme(const QString& scheme) {
  const QString path = urlSchemeEntryPath(scheme);
  if (QFile::exists(path) && !QFile::remove(path)) return false;
  return refreshDesktop(scheme, false);
}

QString urlSchemeIconPath(const QString& executablePath) {
  QString name = sanitizeSchemeName(QFileInfo(executablePath).completeBaseName());
  if (name.isEmpty()) name = QStringLiteral("zent");
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/icons/hicolor/%1x%1/apps/").arg(kIconSize) + name +
         QStringLiteral(".png");
}

QString desktopSchemeHandler(const QString& scheme) {
  // xdg-utils asks the desktop that runs (or reads the files as the
  // freedesktop.org rules order them when none does).
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (!tool.isEmpty()) {
    QProcess process;
    process.start(tool,
                  {QStringLiteral("query"), QStringLiteral("default"), schemeMimeType(scheme)});
    if (process.waitForFinished(kRefreshTimeoutMs) && process.exitStatus() == QProcess::NormalExit)
      return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    process.kill();
    process.waitForFinished(kRefreshTimeoutMs);
  }
  return defaultSchemeHandler(scheme);
}

QString urlSchemeEntryName(const QString& scheme) { return entryFileName(scheme); }

QString mimeAppsListPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/mimeapps.list");
}

QString defaultSchemeHandler(const QString& scheme) {
  QFile file(mimeAppsListPath());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
  const QString key = schemeMimeType(scheme) + QLatin1Char('=');
  bool inDefaults = false;
  const auto lines = file.readAll().split('\n');
  for (const QByteArray& raw : lines) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inDefaults = line == QLatin1String(kDefaultsSection);
      continue;
    }
    if (inDefaults && line.startsWith(key))
      return line.mid(key.size()).section(QLatin1Char(';'), 0, 0).trimmed();
  }
  return QString();
}

QString windowsOpenCommand(const QString& executablePath) {
  QString command = QStringLiteral("\"%1\" --%l").arg(executablePath);
  command.replace(QLatin1Char('/'), QLatin1Char('\\'));
  return command;
}

}  // namespace Os

#include "os/UrlScheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "os/DesktopEntry.h"

namespace Os {
namespace {

const int kRefreshTimeoutMs = 5000;

using DesktopEntry::escapedValue;
using DesktopEntry::quotedArgument;

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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
  return file.commit();
}

// The desktop's link launchers (GLib's among them) look handlers up in the
// applications folder's cache, which only update-desktop-database rebuilds;
// where that tool is missing, the default in mimeapps.list is what they
// read instead.
bool refreshDesktop(const QString& scheme, bool add) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
  if (!tool.isEmpty()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, {QFileInfo(urlSchemeEntryPath(scheme)).absolutePath()});
    if (process.waitForFinished(kRefreshTimeoutMs) &&
        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
      return true;
    process.kill();
    process.waitForFinished(kRefreshTimeoutMs);
  }
  return writeDefaultHandler(scheme, add ? entryFileName(scheme) : QString());
}

// Whether the launchers find the entry: the cache names it, or the default does.
bool desktopKnowsEntry(const QString& scheme) {
  const QString cachePath =
      QFileInfo(urlSchemeEntryPath(scheme)).absolutePath() + QStringLiteral("/mimeinfo.cache");
  QFile cache(cachePath);
  if (cache.open(QIODevice::ReadOnly | QIODevice::Text)) {
    const QString key = schemeMimeType(scheme) + QLatin1Char('=');
    const auto lines = cache.readAll().split('\n');
    for (const QByteArray& raw : lines) {
      const QString line = QString::fromUtf8(raw).trimmed();
      if (line.startsWith(key) && line.mid(key.size())
                                      .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                      .contains(entryFileName(scheme)))
        return true;
    }
  }
  return defaultSchemeHandler(scheme) == entryFileName(scheme);
}

}  // namespace

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
  const QString exec = quotedArgument(executablePath) + QStringLiteral(" %u");
  QString text;
  text += QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Name=") +
          escapedValue(QStringLiteral("URL:") + displayName + QStringLiteral(" Protocol")) +
          QLatin1Char('\n');
  text += QStringLiteral("Exec=") + escapedValue(exec) + QLatin1Char('\n');
  text += QStringLiteral("Icon=") + escapedValue(executablePath) + QLatin1Char('\n');
  text += QStringLiteral("NoDisplay=true\n");
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("MimeType=") + schemeMimeType(s) + QStringLiteral(";\n");
  return text;
}

bool registerUrlScheme(const QString& scheme, const QString& displayName,
                       const QString& executablePath) {
  if (sanitizeSchemeName(scheme).isEmpty()) return false;
  const QString path = urlSchemeEntryPath(scheme);
  const QByteArray entry = urlSchemeEntry(scheme, displayName, executablePath).toUtf8();
  {
    // Registered at every start: an entry that already says this is left
    // alone, so the desktop has nothing to re-read and nothing is written.
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == entry.size() &&
        existing.readAll() == entry && desktopKnowsEntry(scheme))
      return true;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(entry);
  if (!file.commit()) return false;
  return refreshDesktop(scheme, true);
}

bool unregisterUrlScheme(const QString& scheme) {
  const QString path = urlSchemeEntryPath(scheme);
  if (QFile::exists(path) && !QFile::remove(path)) return false;
  return refreshDesktop(scheme, false);
}

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

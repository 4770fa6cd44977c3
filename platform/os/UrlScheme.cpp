#include "os/UrlScheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Os {
namespace {

// Quotes one argument of a desktop entry's Exec key: inside double quotes
// the characters " ` $ and \ are escaped with a back-slash; then the value
// as a whole gets the entry format's own escaping of back-slashes.
QString execArgument(const QString& arg) {
  QString quoted;
  quoted.reserve(arg.size() + 2);
  quoted += QLatin1Char('"');
  for (const QChar c : arg) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
        c == QLatin1Char('\\'))
      quoted += QLatin1Char('\\');
    quoted += c;
  }
  quoted += QLatin1Char('"');
  return quoted;
}

QString entryValueEscape(const QString& value) {
  QString out = value;
  out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return out;
}

QString sanitizeSchemeName(const QString& scheme) {
  QString out;
  for (const QChar c : scheme) {
    if (c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
        c == QLatin1Char('.'))
      out += c.toLower();
  }
  return out;
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
  // The desktop hands the link over as %u, a field code that must stand as
  // an argument of its own; a shell glues the two hyphens to it so the
  // program receives "--<link>" as its argument convention expects.
  const QString exec = QStringLiteral("/bin/sh -c ") +
                       execArgument(QStringLiteral("exec \"$0\" \"--$1\"")) + QLatin1Char(' ') +
                       execArgument(executablePath) + QStringLiteral(" %u");
  QString text;
  text += QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Name=") +
          entryValueEscape(QStringLiteral("URL:") + displayName + QStringLiteral(" Protocol")) +
          QLatin1Char('\n');
  text += QStringLiteral("Exec=") + entryValueEscape(exec) + QLatin1Char('\n');
  text += QStringLiteral("Icon=") + entryValueEscape(executablePath) + QLatin1Char('\n');
  text += QStringLiteral("NoDisplay=true\n");
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("MimeType=x-scheme-handler/") + s + QStringLiteral(";\n");
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
        existing.readAll() == entry)
      return true;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(entry);
  return file.commit();
}

bool unregisterUrlScheme(const QString& scheme) {
  const QString path = urlSchemeEntryPath(scheme);
  return !QFile::exists(path) || QFile::remove(path);
}

QString windowsOpenCommand(const QString& executablePath) {
  QString command = QStringLiteral("\"%1\" --%l").arg(executablePath);
  command.replace(QLatin1Char('/'), QLatin1Char('\\'));
  return command;
}

}  // namespace Os

#include "os/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "os/DesktopEntry.h"

namespace Os {
namespace Autostart {
namespace {

QString fileStem(const QString& name) {
  QString out;
  for (const QChar c : name) {
    if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
      out += c;
    else if (c.isSpace())
      out += QLatin1Char('-');
  }
  return out.isEmpty() ? QStringLiteral("program") : out;
}

QString oneLine(const QString& value) {
  QString out = value;
  out.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return out;
}

}  // namespace

QString entryPath(const QString& name) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart/") + fileStem(name) + QStringLiteral(".desktop");
}

QString entryText(const QString& name, const QString& executablePath) {
  QString text;
  text += QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Name=") + oneLine(name) + QLatin1Char('\n');
  text += QStringLiteral("Exec=") +
          DesktopEntry::escapedValue(DesktopEntry::execArgument(executablePath)) +
          QLatin1Char('\n');
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
  return text;
}

QString command(const QString& name) {
  QFile file(entryPath(name));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(QLatin1String("Exec="))) return line.mid(5);
  }
  return QString();
}

bool isEnabled(const QString& name) { return !command(name).isEmpty(); }

bool enable(const QString& name, const QString& executablePath) {
  if (executablePath.isEmpty()) return false;
  const QString path = entryPath(name);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(entryText(name, executablePath).toUtf8());
  return file.commit();
}

bool disable(const QString& name) {
  const QString path = entryPath(name);
  return !QFile::exists(path) || QFile::remove(path);
}

}  // namespace Autostart
}  // namespace Os

#include "os/Store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <RAZ/Settings.h>

namespace Os {
namespace Store {
namespace {

QString g_path;

// Registry paths use back-slashes; QSettings groups use slashes. Slashes
// inside a registry key name are not separators there, so they are escaped.
QString groupFor(const QString& key) {
  QString k = key;
  k.replace(QLatin1Char('%'), QStringLiteral("%25"));
  k.replace(QLatin1Char('/'), QStringLiteral("%2F"));
  k.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (k.endsWith(QLatin1Char('/'))) k.chop(1);
  return k;
}

QString nameFor(const QString& name) {
  QString n = name.isEmpty() ? QStringLiteral("Default") : name;
  n.replace(QLatin1Char('%'), QStringLiteral("%25"));
  n.replace(QLatin1Char('/'), QStringLiteral("%2F"));
  return n;
}

QSettings* open() {
  const QString path = filePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  // The user's own file: replaced whole, never left half written.
  return new QSettings(path, RAZ::Settings::safeIniFormat());
}

}  // namespace

QString filePath() {
  if (!g_path.isEmpty()) return g_path;
  const QString env = qEnvironmentVariable("ZENT_OS_STORE");
  if (!env.isEmpty()) return env;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/zent/os-store.ini");
}

void setFilePath(const QString& path) { g_path = path; }

QVariant value(const QString& key, const QString& name, const QVariant& defaultValue) {
  QScopedPointer<QSettings> s(open());
  return s->value(groupFor(key) + QLatin1Char('/') + nameFor(name), defaultValue);
}

void setValue(const QString& key, const QString& name, const QVariant& value) {
  QScopedPointer<QSettings> s(open());
  s->setValue(groupFor(key) + QLatin1Char('/') + nameFor(name), value);
  RAZ::Settings::syncPrivate(*s);
}

bool contains(const QString& key, const QString& name) {
  QScopedPointer<QSettings> s(open());
  return s->contains(groupFor(key) + QLatin1Char('/') + nameFor(name));
}

void removeKey(const QString& key) {
  QScopedPointer<QSettings> s(open());
  s->remove(groupFor(key));
  RAZ::Settings::syncPrivate(*s);
}

}  // namespace Store
}  // namespace Os

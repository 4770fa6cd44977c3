#include "os/Environment.h"

#include "os/Store.h"

namespace Os {
namespace {

QString keyFor(EnvironmentScope scope) {
  return scope == EnvironmentScope::User
             ? QStringLiteral("HKEY_CURRENT_USER\\Environment")
             : QStringLiteral(
                   "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Session "
                   "Manager\\Environment");
}

}  // namespace

QString environmentValue(EnvironmentScope scope, const QString& name) {
  return Store::value(keyFor(scope), name, QString()).toString();
}

void setEnvironmentValue(EnvironmentScope scope, const QString& name, const QString& value) {
  Store::setValue(keyFor(scope), name, value);
}

EnvironmentUpdate keepEnvironmentPath(const QString& name, const QString& path) {
  qputenv(name.toLocal8Bit().constData(), path.toLocal8Bit());
  const QString user = environmentValue(EnvironmentScope::User, name);
  const QString machine = environmentValue(EnvironmentScope::Machine, name);
  if (user == path) return EnvironmentUpdate::Unchanged;
  if (user.isEmpty() && !machine.isEmpty()) {
    if (machine == path) return EnvironmentUpdate::Unchanged;
    setEnvironmentValue(EnvironmentScope::Machine, name, path);
    return EnvironmentUpdate::WroteMachine;
  }
  setEnvironmentValue(EnvironmentScope::User, name, path);
  return EnvironmentUpdate::WroteUser;
}

}  // namespace Os

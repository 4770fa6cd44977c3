#pragma once

#include <QString>

namespace Os {

// Where a persistent environment variable is kept.
enum class EnvironmentScope { User, Machine };

// The stored value of a persistent environment variable ("" when unset).
QString environmentValue(EnvironmentScope scope, const QString& name);
void setEnvironmentValue(EnvironmentScope scope, const QString& name, const QString& value);

// What keepEnvironmentPath did.
enum class EnvironmentUpdate { Unchanged, WroteUser, WroteMachine };

// Keeps a persistent variable pointing at a path: nothing when the user's
// value already equals it, or when only the machine value is set and equals
// it; the machine value is rewritten when only it is set (to another path);
// otherwise the user's value is written. The running process's own
// environment always gets the path too, so programs it starts see it.
EnvironmentUpdate keepEnvironmentPath(const QString& name, const QString& path);

}  // namespace Os

#pragma once

#include <QString>
#include <QVariant>

namespace RAZ {
class Settings;
}

namespace Utils {

// Stores `value` under `key` unless the settings already hold that very
// value. Setting an equal value would still have the whole file written
// again, which start-up would otherwise do on every run. Returns true when
// the value was stored.
bool storeIfChanged(RAZ::Settings& settings, const QString& key, const QVariant& value);

}  // namespace Utils

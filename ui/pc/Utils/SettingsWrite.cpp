#include "Utils/SettingsWrite.h"

#include <RAZ/Settings.h>

namespace Utils {

bool storeIfChanged(RAZ::Settings& settings, const QString& key, const QVariant& value) {
  // A stored value of another type (text read back from the file) that only
  // converts to the same is not the same: compare type and value.
  if (settings.contains(key)) {
    const QVariant stored = settings.value(key);
    if (stored.userType() == value.userType() && stored == value) return false;
  }
  settings.setValue(key, value);
  return true;
}

}  // namespace Utils

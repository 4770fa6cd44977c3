#include "Utils/WebViews.h"

#include <QWebSettings>

namespace Utils {

void prepareWebViews() {
  QWebSettings::globalSettings()->setAttribute(QWebSettings::PluginsEnabled, true);
}

}  // namespace Utils

#include "Widgets/Preferences/PreferencesConfig.h"

#include <QCoreApplication>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"

namespace Preferences {

bool configBool(const RAZ::Sessions::SessionManagerBase* session, int id) {
  const RAZ::Configuration::Config* config = session ? session->configuration() : nullptr;
  if (!config) {
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
      config = app->getConfig();
  }
  return config && config->getBool(id);
}

}  // namespace Preferences

#include "RAZ/Controllers/Search/LdapClient.h"

#include <TP/Core/Logging.h>
#include <os/Module.h>

namespace RAZ {
namespace Controllers {
namespace Search {
namespace {

using Entry = LdapClient* (*)();

struct Loaded {
  LdapClient* client = nullptr;
  QString error;
};

}  // namespace

LdapClient* ldapClient(QString* whyNot) {
  static const Loaded loaded = [] {
    Loaded result;
    if (auto entry = reinterpret_cast<Entry>(
            Os::moduleEntry("libzent_ldap.so", ZENT_LDAP_ENTRY, &result.error))) {
      result.client = entry();
      if (!result.client) result.error = QStringLiteral("libzent_ldap.so made no client");
    }
    if (!result.client)
      TP_LOG("RAZ::Controllers::Search::ldapClient", TP::Core::Logging::LevelError)
          << "The LDAP client cannot be loaded, the corporate directory cannot be searched: "
          << result.error;
    return result;
  }();
  if (!loaded.client && whyNot) *whyNot = loaded.error;
  return loaded.client;
}

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

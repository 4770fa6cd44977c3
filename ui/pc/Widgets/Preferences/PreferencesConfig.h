#pragma once

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Preferences {

// A platform configuration value read as a switch: the session's
// configuration, else the application's; absent reads false.
bool configBool(const RAZ::Sessions::SessionManagerBase* session, int id);

}  // namespace Preferences

#include "RAZ/Actions/Enablers.h"

#include "RAZ/MediaEngine/IMediaHandlerVideo.h"
#include "RAZ/Sessions/SessionManagerBase.h"

namespace RAZ {
namespace Actions {

SessionEnabler::SessionEnabler(const RAZ::Configuration::Config* config, QObject* parent)
    : Enabler(parent), m_config(config) {}

bool SessionEnabler::isEnabled(Action::Id id) const {
  if (!Action::isCommunicationAction(id)) return true;
  if (m_reconnecting) return false;
  if (id == Action::Chat || id == Action::JoinRoom || id == Action::EndChats) return m_xmppUp;
  return m_sipUp;
}

void SessionEnabler::subSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                            const RAZ::Sessions::SubSession* subSession,
                                            RAZ::Sessions::Session::State state) {
  if (!subSession) return;
  const bool up = state == RAZ::Sessions::Session::Active;
  if (subSession->type() == RAZ::Sessions::SubSession::TypeSip) {
    if (up == m_sipUp) return;
    m_sipUp = up;
  } else if (subSession->type() == RAZ::Sessions::SubSession::TypeXmpp) {
    if (up == m_xmppUp) return;
    m_xmppUp = up;
  } else {
    return;
  }
  emit enable(this);
}

void SessionEnabler::reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                              bool reconnecting) {
  if (reconnecting == m_reconnecting) return;
  m_reconnecting = reconnecting;
  emit enable(this);
}

DeviceWatcher::DeviceWatcher(RAZ::MediaEngine::IMediaHandlerVideo* video, QObject* parent)
    : QObject(parent), m_video(video) {
  m_found = m_video && m_video->hasCameras();
}

bool DeviceWatcher::deviceFound() const { return m_found; }

void DeviceWatcher::check() {
  const bool found = m_video && m_video->hasCameras();
  if (found == m_found) return;
  m_found = found;
  emit deviceChanged(found);
}

void DeviceWatcherEnabler::cbDeviceChanged(bool found) {
  if (found == m_found) return;
  m_found = found;
  emit enable(this);
}

bool ContactModificationEnabler::isEnabled(Action::Id id) const {
  if (!m_readOnly) return true;
  return id != Action::SetFavourite && id != Action::RemoveFavourite && id != Action::EditProfile &&
         id != Action::AddContact && id != Action::Remove;
}

void ContactModificationEnabler::contactsReadOnlyChanged(bool readOnly) {
  if (readOnly == m_readOnly) return;
  m_readOnly = readOnly;
  emit enable(this);
}

}  // namespace Actions
}  // namespace RAZ

#include <TP/Core/Logging.h>

#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/MediaEngine/CallBasePtr.h"

namespace RAZ {
namespace Controllers {

CommunicationSession* CommsSessionController::getSession(int id) const {
  for (CommunicationSession* session : m_sessions)
    if (session && session->contactId() == id) return session;
  return nullptr;
}

void CommunicationSession::setCallTransferAssociatedSession(CommunicationSession* session,
                                                            bool target) {
  m_transferAssociated = session;
  m_transferTarget = target;
}

CommunicationSession* CommunicationSession::callTransferAssociatedSession() const {
  return qobject_cast<CommunicationSession*>(m_transferAssociated.data());
}

bool CommunicationSession::transferCall(const QString& address) {
  CommunicationSession* other = callTransferAssociatedSession();
  if (!callActive() || (address.isEmpty() && (!other || !other->callActive()))) {
    TP_LOG("RAZ::Controllers::CommunicationSession::transferCall", TP::Core::Logging::LevelWarning)
        << "Nothing to transfer the call to";
    return false;
  }
  const QString to = address.isEmpty() ? other->uri() : address;
  TP_LOG("RAZ::Controllers::CommunicationSession::transferCall", 2) << "Transferred";
  emit callTransferred(this, to);
  // The parties now talk to each other: the user's own legs end.
  QPointer<CommunicationSession> self(this);
  QPointer<CommunicationSession> peer(address.isEmpty() ? other : nullptr);
  if (peer) peer->close();
  if (self) self->close();
  return true;
}

}  // namespace Controllers
}  // namespace RAZ

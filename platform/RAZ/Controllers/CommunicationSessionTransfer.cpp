#include <TP/Core/Logging.h>

#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/PartySide.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Utils/Parsers.h"

#include <QPointer>
#include <QTimer>

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
  const QString target = address.trimmed();
  if (!m_call || !callActive() || (target.isEmpty() && (!other || !other->callActive()))) {
    TP_LOG("RAZ::Controllers::CommunicationSession::transferCall", TP::Core::Logging::LevelWarning)
        << "Nothing to transfer the call to";
    return false;
  }
  if (!target.isEmpty() && !RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(target) &&
      !RAZ::Utils::SipUriParser().isValid(target)) {
    RAZ::MediaEngine::Call call = m_call;
    QPointer<CommunicationSession> guard(this);
    QTimer::singleShot(0, this, [guard, call] {
      if (guard) emit guard->transferFailed(call, 404);
    });
    return false;
  }
  // A blind hand-over the party does not take fails; the user keeps the
  // call, as when the service answers a refer with an error.
  auto* controller = qobject_cast<CommsSessionController*>(parent());
  PartySide* side = controller ? controller->partySide() : nullptr;
  const int refusal = !target.isEmpty() && side ? side->transferRefusal(target) : 0;
  if (refusal > 0) {
    TP_LOG("RAZ::Controllers::CommunicationSession::transferCall", TP::Core::Logging::LevelWarning)
        << "The transfer target did not take the call: " << refusal;
    RAZ::MediaEngine::Call call = m_call;
    QPointer<CommunicationSession> guard(this);
    QTimer::singleShot(0, this, [guard, call, refusal] {
      if (guard) emit guard->transferFailed(call, refusal);
    });
    return false;
  }
  const QString to = target.isEmpty() ? other->uri() : target;
  TP_LOG("RAZ::Controllers::CommunicationSession::transferCall",
         TP::Core::Logging::LevelInformation)
      << "Transferred";
  emit callTransferred(this, to);
  // The parties now talk to each other: the user's own legs end.
  QPointer<CommunicationSession> self(this);
  QPointer<CommunicationSession> peer(target.isEmpty() ? other : nullptr);
  if (peer) peer->close();
  if (self) self->close();
  return true;
}

}  // namespace Controllers
}  // namespace RAZ

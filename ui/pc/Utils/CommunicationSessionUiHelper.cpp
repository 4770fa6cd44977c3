#include "Utils/CommunicationSessionUiHelper.h"

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/PartyName.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Sessions/Session.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>

namespace Utils {

using RAZ::Controllers::CommunicationSession;

namespace {
// Call kinds placed from the user's phone rather than this client.
bool isCallFromPhone(int kind) {
  return kind == RAZ::MediaEngine::CallBasePtr::KindClickToDial ||
         kind == RAZ::MediaEngine::CallBasePtr::KindDeskphone;
}
}  // namespace

CommunicationSessionUiHelper::CommunicationSessionUiHelper(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts, QObject* parent)
    : QObject(parent), m_contacts(contacts) {}

void CommunicationSessionUiHelper::setCallParkEnabler(QObject* enabler) {
  m_callParkEnabler = enabler;
}

QString CommunicationSessionUiHelper::callParkCode(const char* getter) const {
  QString code;
  if (m_callParkEnabler)
    QMetaObject::invokeMethod(m_callParkEnabler.data(), getter, Qt::DirectConnection,
                              Q_RETURN_ARG(QString, code));
  return code;
}

void CommunicationSessionUiHelper::setCallService(RAZ::Sessions::SubSession* calls) {
  if (m_callService) disconnect(m_callService.data(), nullptr, this, nullptr);
  m_callService = calls;
  if (calls) {
    connect(calls, SIGNAL(online()), this, SIGNAL(callsAvailableChanged()));
    connect(calls, SIGNAL(offline()), this, SIGNAL(callsAvailableChanged()));
  }
  emit callsAvailableChanged();
}

bool CommunicationSessionUiHelper::callsAvailable() const {
  return !m_callService || m_callService->isConnected();
}

QString CommunicationSessionUiHelper::getCallStateText(int state) {
  using Call = RAZ::MediaEngine::CallBasePtr;
  // A call the lost service no longer carries is not active, whatever it
  // last reported.
  if (!callsAvailable() && state != Call::StateIdle && state != Call::StateClosing &&
      state != Call::StateClosed)
    return tr("Calls unavailable");
  switch (state) {
    case Call::StateDialing:
    case Call::StateRinging:
      return tr("Calling");
    case Call::StateIncoming:
    case Call::StateAttention:
      return tr("Incoming Call");
    case Call::StateInCall:
    case Call::StateEarlyMedia:
      return tr("Call Active");
    case Call::StateHeld:
    case Call::StateRemoteHeld:
    case Call::StateHolding:
    case Call::StateTransferring:
      return tr("On Hold");
    default:
      return tr("Disconnected");
  }
}

QString CommunicationSessionUiHelper::getFormCommunicationTitle(QObject* object) {
  auto* session = qobject_cast<CommunicationSession*>(object);
  if (!m_contacts || !session || session->getState() == CommunicationSession::StateNothing)
    return QString();

  QString title;
  RAZ::Contacts::IContact* contact = session->getContact();
  RAZ::Controllers::ChatInterface* chat = session->getChatInterface();
  if (!session->isGroup()) {
    title = RAZ::Controllers::PartyName::of(session);
    if (!title.isEmpty() && session->getHasAssociatedFirstCall())
      title = tr("Transfer Call: %1").arg(title);
    if (!title.isEmpty() && m_callParkEnabler) {
      const QString retrieve = callParkCode("getRetrieveCallParkCode");
      const QString pull = callParkCode("getCallPullCode");
      if (!retrieve.isEmpty() && title == retrieve)
        title = tr("Retrieve Parked Call");
      else if (!pull.isEmpty() && title == pull)
        title = tr("Pull Call");
    }
  } else if (!session->isMyRoomSession()) {
    if (chat) title = chat->getRoomName();
    if (title.isEmpty()) title = tr("Group Communications");
    if (chat && chat->isRoomOwner()) title += QLatin1Char(' ') + tr("(Owner)");
  } else if (contact) {
    title = contact->getId() == 0 ? tr("My Room") : tr("%1's Room").arg(contact->getDisplayName());
  } else if (chat) {
    const QString owner =
        !chat->getOwnerName().isEmpty() ? chat->getOwnerName() : chat->getOwnerAddress();
    if (!owner.isEmpty()) title = tr("%1's Room").arg(owner);
  }
  return title;
}

QString CommunicationSessionUiHelper::getCommunicationStatusTip(QObject* object) {
  auto* session = qobject_cast<CommunicationSession*>(object);
  if (!session) return QString();
  const uint state = session->getState();
  QString tip;
  RAZ::Webcollab::WebcollabBase* collab = session->getWebCollab();
  if ((state & CommunicationSession::StateWebCollab) && collab &&
      collab->getState() != RAZ::Webcollab::WebcollabBase::StateIdle)
    tip = collab->isOwner() ? tr("Sharing Desktop") : tr("Viewing Share");
  if (tip.isEmpty() && (state & CommunicationSession::StateCall) && session->getCall())
    tip = !callsAvailable()                                    ? tr("Calls unavailable")
          : isCallFromPhone(session->getCall()->getCallKind()) ? tr("Call from phone")
                                                               : tr("Call");
  if (tip.isEmpty() && (state & CommunicationSession::StateChat) && session->getChatInterface()) {
    tip = session->getChatInterface()->getLastMessage().simplified();
    if (RAZ::Webcollab::WebcollabControllerBase::containsShareTags(tip)) tip.clear();
  }
  return tip;
}

}  // namespace Utils

// The part of the communication session that its window uses: activity
// bits, the party's contact, dropped files, invitations and the security
// classification.
#include <QRegularExpression>

#include <TP/Core/Logging.h>

#include "RAZ/Actions/Provider.h"
#include "RAZ/Actions/Source.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"

namespace RAZ {
namespace Controllers {

void CommunicationSession::forwardCallVideoState() {
  if (RAZ::MediaEngine::CallBasePtr* call = getCall())
    emit videoStateChanged(call, call->getCallState());
}

RAZ::Actions::Provider* CommunicationSession::actionsProvider() const {
  return qobject_cast<RAZ::Actions::Provider*>(m_actionsProvider.data());
}

void CommunicationSession::setContact(RAZ::Contacts::IContact* contact) {
  if (static_cast<QObject*>(contact) == m_contactObject) return;
  if (auto* before = qobject_cast<RAZ::Contacts::IContact*>(m_contactObject.data()))
    disconnect(before, &RAZ::Contacts::IContact::changed, this,
               &CommunicationSession::partyNameChanged);
  m_contactObject = contact;
  // A renamed contact renames the party wherever the session is shown.
  if (contact)
    connect(contact, &RAZ::Contacts::IContact::changed, this,
            &CommunicationSession::partyNameChanged);
  emit contactChanged();
}

void CommunicationSession::setHasAssociatedFirstCall(bool on) {
  if (on == m_associatedFirstCall) return;
  m_associatedFirstCall = on;
  emit hasAssociatedFirstCallChanged();
}

void CommunicationSession::setChatActive(bool on) {
  if (on)
    openChat();
  else
    closeChat();
}

void CommunicationSession::setActionsProvider(RAZ::Actions::Provider* provider) {
  m_actionsProvider = provider;
}

void CommunicationSession::fileDropped(const QUrl& file) {
  m_droppedFiles.append(file);
  emit fileOffered(file);
}

bool CommunicationSession::addParticipants(const QString& contactIds, const QString& address) {
  static const QRegularExpression ids(QStringLiteral("\\A-?\\d+(,-?\\d+)*\\z"));
  static const QRegularExpression addressPattern(
      QStringLiteral("\\A(sip:|tel:|xmpp:)?[A-Za-z0-9+._%@:;=*#-]{1,256}\\z"));
  const bool idsOk = contactIds.isEmpty() || ids.match(contactIds).hasMatch();
  const bool addressOk = address.isEmpty() || addressPattern.match(address).hasMatch();
  if ((contactIds.isEmpty() && address.isEmpty()) || !idsOk || !addressOk) {
    TP_LOG("RAZ::Controllers::CommunicationSession::addParticipants",
           TP::Core::Logging::LevelWarning)
        << "Refused participants that are neither contacts nor an address";
    return false;
  }
  m_invited << (contactIds.isEmpty() ? address : contactIds);
  emit participantsInvited(contactIds, address);
  return true;
}

void CommunicationSession::setSecurityClassificationsEnabled(bool chat, bool call) {
  m_chatClassified = chat;
  m_callClassified = call;
}

void CommunicationSession::setCurrentCallSecurityClassification(const QString& classification) {
  if (classification == m_callClassification) return;
  m_callClassification = classification;
  emit callSecurityClassificationChanged();
}

void CommunicationSession::close() {
  if (auto* controller = qobject_cast<CommsSessionController*>(parent())) {
    if (controller->commsList().contains(this)) {
      controller->closeSession(this);
      return;
    }
  }
  // A session of its own (no controller): ends the same way.
  if (RAZ::MediaEngine::CallBasePtr* call = getCall()) call->close(0);
  emit closed(this);
  deleteLater();
}

}  // namespace Controllers
}  // namespace RAZ

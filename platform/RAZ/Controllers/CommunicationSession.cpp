#include "RAZ/Controllers/CommunicationSession.h"

#include <QTimer>

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/PartyName.h"
#include "RAZ/Controllers/XmppChat.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Utils/Parsers.h"
#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Controllers {

namespace {

// Stores value in member; true when that changed it (and a signal is due).
template <typename T>
bool assign(T& member, const T& value) {
  if (value == member) return false;
  member = value;
  return true;
}

}  // namespace

CommunicationSession::CommunicationSession(int contactId, const QString& contactName,
                                           const QString& uri, Kind kind, bool incoming,
                                           QObject* parent)
    : RAZ::Actions::Source(parent),
      m_contactId(contactId),
      m_contactName(contactName),
      m_callerName(contactName),
      m_uri(uri),
      m_kind(kind),
      m_incoming(incoming),
      m_videoCall(kind == KindVideoCall) {
  m_state = getState();
  connect(this, &CommunicationSession::isConferenceChanged, this,
          &CommunicationSession::updateState);
  // What PartyName reads of the session itself.
  connect(this, &CommunicationSession::contactNameChanged, this,
          &CommunicationSession::partyNameChanged);
  connect(this, &CommunicationSession::callerNameChanged, this,
          &CommunicationSession::partyNameChanged);
  connect(this, &CommunicationSession::contactChanged, this,
          &CommunicationSession::partyNameChanged);
  connect(this, &CommunicationSession::isConferenceChanged, this,
          &CommunicationSession::partyNameChanged);
}

QString CommunicationSession::partyName() const { return PartyName::of(this); }

uint CommunicationSession::getState() const {
  uint state = StateNothing;
  if (chatActive()) state |= StateChat;
  if (callActive()) state |= StateCall;
  if (webCollabActive()) state |= StateWebCollab;
  if (isGroup()) state |= StateGroup;
  return state;
}

void CommunicationSession::updateState() {
  const uint now = getState();
  if (now == m_state) return;
  const uint before = m_state;
  m_state = now;
  emit sessionStateChanged(this, before, now, m_incoming && !m_userChange);
  emit actionsChanged();
}

void CommunicationSession::joinConference(const QStringList& parties) {
  m_conferenceParties = parties;
  if (!m_conferenceList) m_conferenceList = new RAZ::Models::ChatParticipants(this);
  for (const QString& party : parties) m_conferenceList->add(party, party);
  m_userChange = true;
  setContactName(parties.join(QStringLiteral(", ")));
  setCallerName(contactName());
  if (m_call) m_call->setConference(true);
  setConference(true);
  m_userChange = false;
  emit participantUpdated();
}

void CommunicationSession::refresh() {
  updateState();
  emit actionsChanged();
}

bool CommunicationSession::isOnlyAudioCall() const {
  return callActive() && !m_call->isVideoCall() && !chatActive() && !webCollabActive() &&
         !isGroup();
}

bool CommunicationSession::roomMayShow() const {
  if (!m_chat || !m_chat->isRoom()) return true;
  return m_roomJoined || m_roomConfiguring;
}

void CommunicationSession::reportRinging() {
  if (m_call) emit ringing(m_call);
}

void CommunicationSession::requestVideo() {
  if (!m_call) return;
  setUpdatingToVideo(true);
  emit addVideoRequest(m_call);
}

RAZ::Contacts::IContact* CommunicationSession::getContact() const {
  if (m_contactObject) return qobject_cast<RAZ::Contacts::IContact*>(m_contactObject.data());
  auto* controller = qobject_cast<CommsSessionController*>(parent());
  if (!controller || !controller->contacts() || m_contactId <= 0) return nullptr;
  return controller->contacts()->getContact(m_contactId).data();
}

QList<RAZ::Actions::ActionData> CommunicationSession::getActions() const {
  using RAZ::Actions::Action;
  using RAZ::Actions::ActionData;
  QList<ActionData> actions{ActionData(Action::Chat), ActionData(Action::Call),
                            ActionData(Action::VideoCall)};
  // The party's own entries (profile, or adding a party outside the list).
  if (RAZ::Contacts::IContact* contact = getContact())
    actions << ActionData(Action::ViewProfile)
            << ActionData(contact->isInStore() ? Action::EditProfile : Action::AddContact);
  if (callActive() || chatActive()) actions << ActionData(Action::DesktopShare);
  // Files go to one party at a time; a call in progress may be parked.
  if (chatActive() && !isGroup()) actions << ActionData(Action::FileTransfer);
  if (callActive()) actions << ActionData(Action::ParkCall);
  if (callActive()) actions << ActionData(Action::EndAllCalls);
  if (chatActive()) actions << ActionData(Action::EndChats);
  if (callActive()) actions << ActionData(Action::Conference) << ActionData(Action::Transfer);
  return actions;
}

bool CommunicationSession::needsConfirmation(int actionId) const {
  if (actionId != RAZ::Actions::Action::DesktopShare || webCollabActive()) return false;
  auto* controller = qobject_cast<CommsSessionController*>(parent());
  if (!controller) return false;
  const auto commsList = controller->commsList();
  for (CommunicationSession* other : commsList)
    if (other != this && other->webCollabActive()) return true;
  return false;
}

CommunicationSession::~CommunicationSession() {
  // The call may be held elsewhere as well; it ends with the session.
  if (m_call) m_call->close(0);
}

void CommunicationSession::setCall(RAZ::MediaEngine::CallBasePtr* call) {
  if (m_call == call) return;
  if (m_call) disconnect(m_call.Raw(), nullptr, this, nullptr);
  m_call = call;
  if (call) {
    connect(call, &RAZ::MediaEngine::CallBasePtr::opened, this, [this] { emit opened(); });
    connect(call, &RAZ::MediaEngine::CallBasePtr::closed, this, [this] { emit closed(); });
    connect(call, &RAZ::MediaEngine::CallBasePtr::callStateChanged, this,
            &CommunicationSession::callStateChanged);
    connect(call, &RAZ::MediaEngine::CallBasePtr::videoStateChanged, this,
            &CommunicationSession::forwardCallVideoState);
    connect(call, &RAZ::MediaEngine::CallBasePtr::recordingStateChanged, this,
            &CommunicationSession::callRecordingStateChanged);
    const bool video = call->getType() == RAZ::MediaEngine::CallBasePtr::TypeVideo;
    if (video != m_videoCall) {
      m_videoCall = video;
      emit isVideoCallChanged();
    }
  }
  emit callChanged();
  updateState();
}

void CommunicationSession::setAllowedToInvite(bool on) {
  if (on == m_allowedToInvite) return;
  m_allowedToInvite = on;
  emit allowedToInviteChanged();
}

void CommunicationSession::callRecordClicked() {
  if (!m_call) return;
  // Mode 3 pauses and resumes a recording that runs from the start.
  using Call = RAZ::MediaEngine::CallBasePtr;
  if (m_call->getRecordingState() == Call::Recording)
    m_call->setRecordingState(Call::RecordingPaused);
  else
    m_call->setRecordingState(Call::Recording);
}

void CommunicationSession::callRecordStopClicked() {
  if (m_call) m_call->setRecordingState(RAZ::MediaEngine::CallBasePtr::NotRecording);
}

void CommunicationSession::openChat() {
  if (m_chat) return;
  if (m_kind == KindGroupChat || m_kind == KindMyRoom)
    m_chat = new XmppChat(m_uri, this);
  else
    m_chat = new ChatInterface(m_uri, false, this);
  connect(m_chat, &ChatInterface::closeRequested, this, &CommunicationSession::closeChat);
  emit chatActiveChanged();
  updateState();
}

void CommunicationSession::closeChat() {
  if (!m_chat) return;
  const bool room = m_chat->isRoom();
  m_chat->deleteLater();
  m_chat = nullptr;
  emit chatActiveChanged();
  updateState();
  // A room left (or never entered: a refused password, a cancelled new
  // room) with nothing else running is over; its controller ends it, so no
  // empty session stays behind in the lists.
  if (!room || m_call || m_webcollab) return;
  QPointer<CommunicationSession> self(this);
  QTimer::singleShot(0, this, [self] {
    auto* controller = self ? qobject_cast<CommsSessionController*>(self->parent()) : nullptr;
    if (controller && !self->m_chat && !self->m_call && !self->m_webcollab &&
        controller->commsList().contains(self.data()))
      controller->closeSession(self);
  });
}

void CommunicationSession::setWebCollab(RAZ::Webcollab::WebcollabBase* collab) {
  if (collab == m_webcollab) return;
  if (m_webcollab) m_webcollab->deleteLater();
  m_webcollab = collab;
  if (collab) collab->setParent(this);
  emit shareAvailableChanged();
  updateState();
}

void CommunicationSession::closeWebcollab() { setWebCollab(nullptr); }

void CommunicationSession::setCallerName(const QString& value) {
  if (assign(m_callerName, value)) emit callerNameChanged();
}
void CommunicationSession::setContactName(const QString& value) {
  if (assign(m_contactName, value)) emit contactNameChanged();
}
void CommunicationSession::setUpdatingToVideo(bool value) {
  if (assign(m_updatingToVideo, value)) emit updatingToVideoChanged();
}
void CommunicationSession::setConference(bool on) {
  if (on == m_conference) return;
  m_conference = on;
  emit isConferenceChanged();
}
void CommunicationSession::setInviteReason(const QString& value) {
  if (assign(m_inviteReason, value)) emit inviteReasonChanged();
}
void CommunicationSession::setGroupChatSubject(const QString& value) {
  if (assign(m_groupChatSubject, value)) emit groupChatSubjectChanged();
}
void CommunicationSession::setFileName(const QString& value) {
  if (assign(m_fileName, value)) emit fileNameChanged();
}
void CommunicationSession::setRoomOwner(const QString& value) {
  if (assign(m_roomOwner, value)) emit roomOwnerChanged();
}
void CommunicationSession::setShareAvailable(bool value) {
  if (assign(m_shareAvailable, value)) emit shareAvailableChanged();
}
void CommunicationSession::setContactPicture(const QUrl& value) {
  if (assign(m_contactPicture, value)) emit contactPictureChanged();
}
void CommunicationSession::setPresenceIcon(const QUrl& value) {
  if (assign(m_presenceIcon, value)) emit presenceIconChanged();
}

}  // namespace Controllers
}  // namespace RAZ

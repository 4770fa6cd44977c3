#include "RAZ/Controllers/CommunicationSession.h"

#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Controllers {

#define ZENT_SETTER(name, Type, member, signal) \
  void CommunicationSession::name(Type value) { \
    if (value == member) return;                \
    member = value;                             \
    emit signal();                              \
  }

CommunicationSession::CommunicationSession(int contactId, const QString& contactName,
                                           const QString& uri, Kind kind, bool incoming,
                                           QObject* parent)
    : QObject(parent),
      m_contactId(contactId),
      m_contactName(contactName),
      m_callerName(contactName),
      m_uri(uri),
      m_kind(kind),
      m_incoming(incoming),
      m_videoCall(kind == KindVideoCall) {}

CommunicationSession::~CommunicationSession() {
  // The call may be held elsewhere as well; it ends with the session.
  if (m_call) m_call->close(0);
}

void CommunicationSession::setCall(RAZ::MediaEngine::CallBasePtr* call) {
  if (m_call == call) return;
  if (m_call) disconnect(m_call.Raw(), nullptr, this, nullptr);
  m_call = call;
  if (call) {
    connect(call, &RAZ::MediaEngine::CallBasePtr::callStateChanged, this,
            &CommunicationSession::callStateChanged);
    connect(call, &RAZ::MediaEngine::CallBasePtr::videoStateChanged, this,
            &CommunicationSession::forwardCallVideoState);
    const bool video = call->getType() == RAZ::MediaEngine::CallBasePtr::TypeVideo;
    if (video != m_videoCall) {
      m_videoCall = video;
      emit isVideoCallChanged();
    }
  }
  emit callChanged();
  reportStateChange();
}

void CommunicationSession::openChat() {
  if (m_chat) return;
  m_chat = new ChatInterface(m_uri, m_kind == KindGroupChat || m_kind == KindMyRoom, this);
  connect(m_chat, &ChatInterface::closeRequested, this, &CommunicationSession::closeChat);
  emit chatActiveChanged();
  reportStateChange();
}

void CommunicationSession::closeChat() {
  if (!m_chat) return;
  m_chat->deleteLater();
  m_chat = nullptr;
  emit chatActiveChanged();
  reportStateChange();
}

void CommunicationSession::setWebCollab(RAZ::Webcollab::WebcollabBase* collab) {
  if (collab == m_webcollab) return;
  if (m_webcollab) m_webcollab->deleteLater();
  m_webcollab = collab;
  if (collab) collab->setParent(this);
  emit shareAvailableChanged();
  reportStateChange();
}

void CommunicationSession::closeWebcollab() { setWebCollab(nullptr); }

ZENT_SETTER(setCallerName, const QString&, m_callerName, callerNameChanged)
ZENT_SETTER(setContactName, const QString&, m_contactName, contactNameChanged)
ZENT_SETTER(setUpdatingToVideo, bool, m_updatingToVideo, updatingToVideoChanged)
void CommunicationSession::setConference(bool on) {
  if (on == m_conference) return;
  m_conference = on;
  emit isConferenceChanged();
  reportStateChange();
}
ZENT_SETTER(setInviteReason, const QString&, m_inviteReason, inviteReasonChanged)
ZENT_SETTER(setSubject, const QString&, m_subject, subjectChanged)
ZENT_SETTER(setGroupChatSubject, const QString&, m_groupChatSubject, groupChatSubjectChanged)
ZENT_SETTER(setFileName, const QString&, m_fileName, fileNameChanged)
ZENT_SETTER(setRoomOwner, const QString&, m_roomOwner, roomOwnerChanged)
ZENT_SETTER(setShareAvailable, bool, m_shareAvailable, shareAvailableChanged)
ZENT_SETTER(setChatActionAvailable, bool, m_chatActionAvailable, chatActionAvailableChanged)
ZENT_SETTER(setContactPicture, const QUrl&, m_contactPicture, contactPictureChanged)
ZENT_SETTER(setPresenceIcon, const QUrl&, m_presenceIcon, presenceIconChanged)

#undef ZENT_SETTER

}  // namespace Controllers
}  // namespace RAZ

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <tp/core/SmartPtr.h>

#include "RAZ/Actions/Source.h"
#include "RAZ/MediaEngine/CallBasePtr.h"

namespace RAZ {
namespace Actions {
class Provider;
}
namespace Contacts {
class IContact;
}
namespace Models {
class ChatParticipants;
}
namespace Webcollab {
class WebcollabBase;
}
namespace Controllers {

class ChatInterface;

// One communication with a party or a group: call, chat and web
// collaboration together. The notification popups read its properties by
// name. Owned by the communication-session controller. It is an action
// source: what can be added to it or ended in it.
class CommunicationSession : public RAZ::Actions::Source {
  Q_OBJECT
  Q_PROPERTY(QString contactName READ contactName NOTIFY contactNameChanged)
  Q_PROPERTY(QString callerName READ callerName NOTIFY callerNameChanged)
  // What the program calls the party (RAZ::Controllers::PartyName): what
  // every view of the session shows.
  Q_PROPERTY(QString partyName READ partyName NOTIFY partyNameChanged)
  Q_PROPERTY(bool isVideoCall READ isVideoCall NOTIFY isVideoCallChanged)
  // A call made to talk to a party before handing them another call.
  Q_PROPERTY(bool hasAssociatedFirstCall READ getHasAssociatedFirstCall NOTIFY
                 hasAssociatedFirstCallChanged)
  Q_PROPERTY(bool updatingToVideo READ updatingToVideo NOTIFY updatingToVideoChanged)
  Q_PROPERTY(bool isConference READ isConference NOTIFY isConferenceChanged)
  Q_PROPERTY(bool isGroupChat READ isGroupChat NOTIFY isGroupChatChanged)
  Q_PROPERTY(bool isMyRoom READ isMyRoom NOTIFY isMyRoomChanged)
  Q_PROPERTY(QString inviteReason READ inviteReason NOTIFY inviteReasonChanged)
  Q_PROPERTY(QString subject READ subject NOTIFY subjectChanged)
  Q_PROPERTY(QString groupChatSubject READ groupChatSubject NOTIFY groupChatSubjectChanged)
  Q_PROPERTY(QString fileName READ fileName NOTIFY fileNameChanged)
  Q_PROPERTY(QString roomOwner READ roomOwner NOTIFY roomOwnerChanged)
  Q_PROPERTY(bool shareAvailable READ shareAvailable NOTIFY shareAvailableChanged)
  Q_PROPERTY(bool chatActionAvailable READ chatActionAvailable NOTIFY chatActionAvailableChanged)
  Q_PROPERTY(bool chatActive READ chatActive NOTIFY chatActiveChanged)
  Q_PROPERTY(QUrl contactPicture READ contactPicture NOTIFY contactPictureChanged)
  Q_PROPERTY(QUrl presenceIcon READ presenceIcon NOTIFY presenceIconChanged)
  // The dial-in number of the user's own My Room (its audio conference);
  // undefined (an invalid value) while the user has not provided one.
  Q_PROPERTY(QVariant myRoomConferenceNumber READ myRoomConferenceNumber NOTIFY
                 myRoomConferenceNumberChanged)

 public:
  // What a session starts with.
  enum Kind {
    KindCall = 0,
    KindVideoCall = 1,
    KindChat = 2,
    KindGroupChat = 3,
    KindMyRoom = 4,
    KindWebCollab = 5,
    KindFileTransfer = 6
  };
  Q_ENUM(Kind)

  // What runs in the session (getState): a set of these bits.
  enum StateBit {
    StateNothing = 0,
    StateChat = 1,
    StateCall = 2,
    StateWebCollab = 4,
    StateGroup = 8
  };

  CommunicationSession(int contactId, const QString& contactName, const QString& uri, Kind kind,
                       bool incoming, QObject* parent = nullptr);
  ~CommunicationSession() override;

  int contactId() const { return m_contactId; }
  QString uri() const { return m_uri; }
  Kind kind() const { return m_kind; }
  bool isIncoming() const { return m_incoming; }

  QString contactName() const { return m_contactName; }
  QString callerName() const { return m_callerName; }
  QString partyName() const;
  bool isVideoCall() const { return m_videoCall; }
  bool updatingToVideo() const { return m_updatingToVideo; }
  bool isConference() const { return m_conference; }
  bool isGroupChat() const { return m_kind == KindGroupChat; }
  bool isMyRoom() const { return m_kind == KindMyRoom; }
  QString inviteReason() const { return m_inviteReason; }
  QString subject() const { return m_subject; }
  QString groupChatSubject() const { return m_groupChatSubject; }
  QString fileName() const { return m_fileName; }
  QString roomOwner() const { return m_roomOwner; }
  bool shareAvailable() const { return m_shareAvailable; }
  bool chatActionAvailable() const { return m_chatActionAvailable; }
  bool chatActive() const { return m_chat != nullptr; }
  QUrl contactPicture() const { return m_contactPicture; }
  QUrl presenceIcon() const { return m_presenceIcon; }

  bool callActive() const { return !m_call.isNull(); }
  // A call with audio alone: no video, chat, share or further parties.
  bool isOnlyAudioCall() const;
  uint getState() const;
  // The party's contact of the list, or null (a number, a group).
  Q_INVOKABLE RAZ::Contacts::IContact* getContact() const;
  // Rooms (My Room too) and conferences have several parties.
  bool isGroup() const { return m_kind == KindGroupChat || m_kind == KindMyRoom || m_conference; }
  bool isMyRoomSession() const { return isMyRoom(); }
  bool isAllowedToInvite() const { return m_allowedToInvite && !isMyRoom(); }
  // My Room: whether the room is the user's own; any session: whether the
  // user started (owns) it.
  bool isOwnMyRoomSession() const { return isMyRoom() && m_ownMyRoom; }
  void setOwnMyRoomSession(bool on) { m_ownMyRoom = on; }
  bool isSessionOwner() const { return m_sessionOwner; }
  // Attended transfer: the session whose party receives this session's
  // call (`target` false) or whose call is handed to it (`target` true).
  void setCallTransferAssociatedSession(RAZ::Controllers::CommunicationSession* session,
                                        bool target);
  RAZ::Controllers::CommunicationSession* callTransferAssociatedSession() const;
  // Hands the call over to `address` (a SIP address or a number), or, when it
  // is empty, to the party of the associated session; the user's calls then
  // end. False when there is no call or nowhere to hand it to; an address
  // that is neither is also reported by transferFailed from the event loop.
  bool transferCall(const QString& address);
  // A consultation call of a transfer has the transferred call as its first.
  bool getHasAssociatedFirstCall() const { return m_associatedFirstCall; }
  // How calls may be recorded: below 3 not at all; 3 and 4 one toggling
  // entry; 5 start/pause and stop.
  int getCallRecordMode() const { return m_recordMode; }

  QList<RAZ::Actions::ActionData> getActions() const override;
  int getSourceType() const override { return SessionType; }
  // A second desktop share asks first.
  bool needsConfirmation(int actionId) const override;
  bool webCollabActive() const { return m_webcollab != nullptr; }

  // The session's call: a pointer to the held call object (the popups read
  // it as a QObject), or null without a call.
  Q_INVOKABLE RAZ::MediaEngine::CallBasePtr* getCall() const { return m_call.Raw(); }
  Q_INVOKABLE RAZ::Webcollab::WebcollabBase* getWebCollab() const { return m_webcollab; }
  Q_INVOKABLE bool getShareInvitationOrphan() const { return m_shareOrphan; }
  Q_INVOKABLE RAZ::Controllers::ChatInterface* getChatInterface() const { return m_chat; }

  // ---- What a communications window asks of its session ----
  RAZ::Controllers::ChatInterface* getChat() const { return m_chat; }
  // The party's contact, given by whoever built the session (else looked up
  // in the list, see getContact).
  void setContact(RAZ::Contacts::IContact* contact);
  void setAllowedToInvite(bool on);
  void setHasAssociatedFirstCall(bool on);
  // Opens or closes the chat of the session.
  void setChatActive(bool on);
  // The toolbar actions of the session's window (not owned).
  void setActionsProvider(RAZ::Actions::Provider* provider);
  RAZ::Actions::Provider* actionsProvider() const;
  // Files dropped on the window: offered to the party, in order.
  void fileDropped(const QUrl& file);
  QList<QUrl> droppedFiles() const { return m_droppedFiles; }
  // Invites parties: contact ids (comma separated) and an address. Text that
  // is neither is refused (false, logged): it may come from any program.
  bool addParticipants(const QString& contactIds, const QString& address);
  QStringList invitedParticipants() const { return m_invited; }
  // Security classification of chat and call.
  bool getChatSecurityClassificationsEnabled() const { return m_chatClassified; }
  bool getCallSecurityClassificationsEnabled() const { return m_callClassified; }
  void setSecurityClassificationsEnabled(bool chat, bool call);
  Q_INVOKABLE QString currentCallSecurityClassification() const { return m_callClassification; }
  void setCurrentCallSecurityClassification(const QString& classification);
  // What the call's far end reports, for the demo service and tests: the
  // remote party's phone rings, the party asks to add video.
  void reportRinging();
  void requestVideo();
  // A room chat may show its window when created here only once it is
  // joined or being configured; other rooms stay hidden (see ChatInterface).
  bool roomMayShow() const;
  // The two room states above: the user is in the room, or its
  // configuration form is being filled in.
  void setRoomJoined(bool on) { m_roomJoined = on; }
  void setRoomBeingConfigured(bool on) { m_roomConfiguring = on; }
  QVariant myRoomConferenceNumber() const {
    return m_conferenceNumber.isEmpty() ? QVariant() : QVariant(m_conferenceNumber);
  }
  void setMyRoomConferenceNumber(const QString& number) {
    if (number == m_conferenceNumber) return;
    m_conferenceNumber = number;
    emit myRoomConferenceNumberChanged();
  }
  // Asks the window to show itself (activated()).
  void activate() { emit activated(); }
  // Ends the session: through the controller when there is one.
  void close();
  // The call became a conference of these parties (the user joined them):
  // the session is named after all of them and counts as a group.
  void joinConference(const QStringList& parties);
  QStringList conferenceParties() const { return m_conferenceParties; }
  // The parties of a conference call as a list for the window (null before
  // the call became one); a room's parties are its chat's.
  RAZ::Models::ChatParticipants* getConferenceParticipants() const { return m_conferenceList; }
  // Reads what runs in the session again: a change is reported as ever
  // (sessionStateChanged), and the actions it offers are read anew.
  void refresh();

 public slots:
  // Recording of the call: start, pause or resume by the record mode; stop.
  void callRecordClicked();
  void callRecordStopClicked();

 public:
  // Building and changing the session (controller and demo service).
  void setCall(RAZ::MediaEngine::CallBasePtr* call);
  void openChat();
  void closeChat();
  void setWebCollab(RAZ::Webcollab::WebcollabBase* collab);
  void closeWebcollab();
  void setCallerName(const QString& name);
  void setContactName(const QString& name);
  void setUpdatingToVideo(bool on);
  void setConference(bool on);
  void setInviteReason(const QString& text);
  void setGroupChatSubject(const QString& text);
  void setFileName(const QString& name);
  void setRoomOwner(const QString& owner);
  void setShareAvailable(bool on);
  void setShareInvitationOrphan(bool on) { m_shareOrphan = on; }
  void setContactPicture(const QUrl& url);
  void setPresenceIcon(const QUrl& url);

 signals:
  void contactNameChanged();
  void callerNameChanged();
  // The party's name may read differently: the session's names, its
  // contact, the contact's name or whether the session is a group changed.
  void partyNameChanged();
  void isVideoCallChanged();
  void updatingToVideoChanged();
  void isConferenceChanged();
  void isGroupChatChanged();
  void isMyRoomChanged();
  void inviteReasonChanged();
  void subjectChanged();
  void groupChatSubjectChanged();
  void fileNameChanged();
  void roomOwnerChanged();
  void shareAvailableChanged();
  void chatActionAvailableChanged();
  void chatActiveChanged();
  void myRoomConferenceNumberChanged();
  void contactPictureChanged();
  void presenceIconChanged();
  void callStateChanged(RAZ::MediaEngine::CallBasePtr* call,
                        RAZ::MediaEngine::CallBasePtr::CallState state);
  void callChanged();
  void sessionStateChanged(RAZ::Controllers::CommunicationSession* session, uint oldState,
                           uint newState, bool incoming);
  // The session ended; the controller deletes it afterwards. Listeners tell
  // this closed from the call's closed below by signature.
  void closed(RAZ::Controllers::CommunicationSession* session);  // clazy:exclude=overloaded-signal
  // The session's call connected, and the session's call ended.
  void opened();
  void closed();  // clazy:exclude=overloaded-signal
  // The remote phone rings (outgoing call); early media arrived.
  void ringing(RAZ::MediaEngine::Call call);
  void earlymediaReceived();
  // The party asks to add video to the call.
  void addVideoRequest(RAZ::MediaEngine::Call call);
  void transferFailed(RAZ::MediaEngine::Call call, int code);

  // What a communications window follows.
  void contactChanged();
  void activated();
  void participantUpdated();
  void videoStateChanged(RAZ::MediaEngine::CallBasePtr* call,
                         RAZ::MediaEngine::CallBasePtr::CallState state);
  void hasAssociatedFirstCallChanged();
  // Conference or transfer (the action id) was asked for with no one other
  // call to go with: the session's window is where to pick the party.
  void partyPickRequested(int actionId);
  void participantsInvited(const QString& contactIds, const QString& address);
  void fileOffered(const QUrl& file);
  // The call went to another party (its address or the associated session's).
  void callTransferred(RAZ::Controllers::CommunicationSession* session, const QString& to);
  void callSecurityClassificationChanged();
  void allowedToInviteChanged();
  void callRecordingStateChanged();

 private:
  void updateState();

  int m_contactId;
  QString m_contactName;
  QString m_callerName;
  QString m_uri;
  Kind m_kind;
  bool m_incoming;
  bool m_videoCall;
  bool m_updatingToVideo = false;
  bool m_conference = false;
  QString m_inviteReason;
  QString m_subject;
  QString m_groupChatSubject;
  QString m_fileName;
  QString m_roomOwner;
  bool m_shareAvailable = false;
  bool m_chatActionAvailable = true;
  bool m_shareOrphan = false;
  QUrl m_contactPicture;
  QUrl m_presenceIcon;
  // Window side (see setContact and below).
  void forwardCallVideoState();
  // Held as QObjects: the types are only declared here.
  QPointer<QObject> m_contactObject;
  bool m_allowedToInvite = true;
  int m_recordMode = 0;
  bool m_ownMyRoom = true;
  bool m_sessionOwner = true;
  QPointer<QObject> m_transferAssociated;
  bool m_transferTarget = false;
  bool m_associatedFirstCall = false;
  QPointer<QObject> m_actionsProvider;
  QList<QUrl> m_droppedFiles;
  QStringList m_invited;
  bool m_chatClassified = false;
  bool m_callClassified = false;
  QString m_callClassification;
  TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> m_call;
  RAZ::Controllers::ChatInterface* m_chat = nullptr;
  RAZ::Webcollab::WebcollabBase* m_webcollab = nullptr;
  uint m_state = StateNothing;
  // A change the user made (not the party): reported as not incoming.
  bool m_userChange = false;
  QStringList m_conferenceParties;
  RAZ::Models::ChatParticipants* m_conferenceList = nullptr;
  bool m_roomJoined = false;
  bool m_roomConfiguring = false;
  QString m_conferenceNumber;
};

}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Controllers::CommunicationSession*)

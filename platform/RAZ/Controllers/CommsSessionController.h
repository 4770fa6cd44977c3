#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommunicationSession.h"

namespace RAZ {
namespace Actions {
class ActionData;
class Source;
class Enabler;
}  // namespace Actions
namespace MediaEngine {
class CallControllerBase;
}
namespace Controllers {

class PartySide;
class XmppChatController;

// Creates and keeps the communication sessions of a signed-in session:
// calls, chats, My Room and web-collaboration sessions, started by the user
// (the slots) or by a party (the service, receiveSession). Each new session
// is announced by sessionCreated and, once it can be shown, sessionReady (a
// session the user started, other than a plain audio call); both
// arrive from the event loop. A session that ends is reported by its
// closed() signal and deleted later by the controller. The service side
// hears of each new session at once (sessionStarted), and the parties'
// side of calls is the PartySide's (setPartySide).
class CommsSessionController : public QObject {
  Q_OBJECT

 public:
  CommsSessionController(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                         RAZ::MediaEngine::CallControllerBase* calls, QObject* parent = nullptr);
  ~CommsSessionController() override;

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts() const { return m_contacts; }
  // The sessions that run, oldest first.
  QList<RAZ::Controllers::CommunicationSession*> commsList() const;
  // The running session with the contact of this identifier (the number the
  // active-communications list drags), or null.
  RAZ::Controllers::CommunicationSession* getSession(int id) const;
  void setCallPark(RAZ::Actions::Enabler* enabler) { m_callPark = enabler; }

  // Whether the session's call can be joined with `other`'s call into a
  // conference (non-zero) or handed over to it. Both need two calls in
  // progress or held; `xmpp` and `text` are the caller's configuration and
  // contact wording, which this service does not use.
  int getConferencingOptions(RAZ::Controllers::CommunicationSession* other, bool xmpp,
                             const QString& text) const;
  bool canTransferWith(RAZ::Controllers::CommunicationSession* other, bool xmpp,
                       const QString& text) const;
  // The dynamic property names a custom menu entry carries: the address of
  // the session it was made for, and of the session it joins or transfers to.
  static QString getOriginatorKey() { return QStringLiteral("originatorUri"); }
  static QString getDestinationKey() { return QStringLiteral("destinationUri"); }

  // A session a party starts (the service): announced as incoming. A chat
  // from a party whose one-to-one chat with the user runs is that chat (one
  // party, one chat): it is returned, and nothing new is announced.
  // The service first applies the user's call settings to a call: with Do
  // Not Disturb on the caller hears busy, with Always Forward the call goes
  // to the forwarding number; either way no session starts (null) and
  // callTurnedAway reports it from the event loop.
  RAZ::Controllers::CommunicationSession* receiveSession(
      int contactId, RAZ::Controllers::CommunicationSession::Kind kind);
  // Who plays the parties: who answers the user's calls, and which calls
  // to the user are put through (not owned; it outlives the controller's
  // sessions). None: every call to the user rings and nobody answers.
  void setPartySide(RAZ::Controllers::PartySide* side) { m_partySide = side; }
  RAZ::Controllers::PartySide* partySide() const { return m_partySide; }
  // Reads the session afresh from the service (what runs in it, what can
  // be done with it) and reports it by sessionUpdated; a session this
  // controller does not keep is ignored.
  void updateSession(RAZ::Controllers::CommunicationSession* session);
  // The user answers a call that rings with a chat instead: the call is
  // turned away (recorded as answered, not missed) and the chat opens, in
  // the one-to-one chat already running with the party when there is one
  // (which comes forward: one party, one chat). The chat's session, or null
  // when `session` is no ringing call of this controller.
  RAZ::Controllers::CommunicationSession* answerWithChat(
      RAZ::Controllers::CommunicationSession* session);
  // Ends a session: closes its call and chat, emits closed(), deletes it later.
  void closeSession(RAZ::Controllers::CommunicationSession* session);
  // Ends every session that still runs as closeSession does, oldest first,
  // so that each is reported once (sessionEnded): the user's session is
  // ending (Sign Out, Exit, the service closing it) and would otherwise take
  // them along unreported.
  void closeAllSessions();
  // The session whose call this is, or null.
  RAZ::Controllers::CommunicationSession* getSession(RAZ::MediaEngine::CallBasePtr* call) const;
  RAZ::Controllers::CommunicationSession* getSession(const RAZ::MediaEngine::Call& call) const;

  // How parties take the user's calls: on their own (as the party side
  // plays them), or only as a script tells them (tests).
  void setPartiesAnswerCalls(bool on) { m_partiesAnswer = on; }
  // Who a call to an address the user dialled reaches: the service knows
  // the owners of its numbers, extensions and addresses (a contact of the
  // list, or a party of the service's own), and gives null for an address it
  // does not know, whose party is the address itself. Set by the service;
  // without it every dialled address is its own party.
  using PartyLookup = std::function<RAZ::Contacts::ContactPtr(const QString& address)>;
  void setPartyLookup(PartyLookup lookup) { m_partyLookup = std::move(lookup); }
  // Numbers this service does not connect (emergency services).
  static bool isEmergencyNumber(const QString& address);
  // The user is in the room of this session now (joined, or the new room
  // exists): its window may show (sessionReady, from the event loop).
  void roomEntered(RAZ::Controllers::CommunicationSession* session);
  // The chat service's rooms: a link to one of them joins it there.
  void setChatRooms(RAZ::Controllers::XmppChatController* rooms);

 public slots:
  void createCall(const QList<RAZ::Contacts::ContactPtr>& contacts,
                  RAZ::Contacts::Properties::Key key, RAZ::Actions::Action::Id action);
  void createChat(const QList<RAZ::Contacts::ContactPtr>& contacts);
  void createChat();
  // Joins a chat room: a group chat session with the room.
  void joinRoom(const QString& roomJid, const QString& roomName);
  void createMyRoomSession(RAZ::Contacts::Const::ContactPtr owner, const QString& reason);
  // Joins somebody's personal room named by a product link: its call
  // address, chat room and web collaboration (any may be empty, not all).
  void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);
  void createWebCollabSession(const QStringList& participants);
  void actionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void handleCommsCustomActions();

 signals:
  void preferenceActivated(int page);
  void preferencesChanged();
  void sessionCreated(RAZ::Controllers::CommunicationSession* session, bool incoming);
  // Service side: a session has just been made, with its call or chat, and
  // its announcement (sessionCreated) is on its way. Emitted inside the
  // call that made it, before that call returns, so that the service's side
  // of the session is in place before anybody uses it.
  void sessionStarted(RAZ::Controllers::CommunicationSession* session, bool incoming);
  void sessionReady(RAZ::Controllers::CommunicationSession* session);
  void failedToAddContacts(QStringList contacts);
  void projectRoomCreated();
  // A session ended: what the history records of it. It began at `start`
  // (a call's first ring); the duration counts from when the call
  // connected (or the chat began), 0 for a call never answered; `missed` is
  // a call from a party that the user never answered (it rang out, the
  // caller gave up, or the user declined); `room` where it took place when
  // not with one person (RAZ::Models::CallLog::Room): the address is then
  // the room's, the name the room's, its owner's or the people's, and
  // contactId 0.
  void sessionEnded(int contactId, const QString& address, const QString& name, int kind,
                    bool incoming, const QDateTime& start, int durationSec, bool missed,
                    int room = 0);
  void groupCommunicationError(int error, bool group);
  // A call to the user that the service did not put through (see
  // receiveSession), with what it did instead.
  void callTurnedAway(int contactId, const QString& address, const QString& name, int kind,
                      const QString& note);
  // The user tried to call an emergency number, which this service cannot.
  void emergencyCallNotification();
  // A conference (24) or transfer (25) entry was carried out.
  void customActionHandled(int action, const QString& originator, const QString& destination);
  // A new chat room is wanted ("Add Room": a chat without participants).
  void newRoomRequested();
  // A room is to be joined again (its entry in the history): the room
  // service joins it, or brings its window forward when the user is in it.
  void roomRequested(const QString& roomJid);
  // The user's own personal room is to be opened again (its entry in the
  // history): it opens as from the rooms list, with its conference.
  void myRoomRequested();
  void sessionUpdated(RAZ::Controllers::CommunicationSession* session);

 private:
  RAZ::Controllers::CommunicationSession* startSession(
      int contactId, const QString& name, const QString& uri,
      RAZ::Controllers::CommunicationSession::Kind kind, bool incoming);
  void announce(RAZ::Controllers::CommunicationSession* session, bool incoming);
  void onSessionDestroyed(QObject* session);
  QList<RAZ::Contacts::ContactPtr> contactsOf(RAZ::Actions::Source& source) const;
  void actOnSession(RAZ::Controllers::CommunicationSession* session, int actionId);
  // Takes the session's new call into the call controller and ends the
  // session's call part (or the session) when the call ends.
  void followCall(RAZ::Controllers::CommunicationSession* session,
                  RAZ::MediaEngine::CallBasePtr* call);
  RAZ::Controllers::CommunicationSession* sessionByUri(const QString& uri) const;
  // The newest one-to-one session with a running chat with the contact,
  // other than `other`; null for none (or no contact).
  RAZ::Controllers::CommunicationSession* runningChatWith(
      int contactId, const RAZ::Controllers::CommunicationSession* other = nullptr) const;
  // Joins the parties (contact ids, comma separated, and an address) to
  // the session's call: a party on a call of the user's of its own is
  // taken from that call (which ends), an idle party who is online is
  // called in by the service; the session becomes one conference.
  void joinParties(RAZ::Controllers::CommunicationSession* session, const QString& contactIds,
                   const QString& address);
  // Dials the service's code for taking back a parked call (here or on the
  // phone) or pulling a call from another device.
  void callFeatureCode(int actionId);
  // The session's call to a room's conference bridge.
  void joinConference(RAZ::Controllers::CommunicationSession* session, const QString& address);

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::MediaEngine::CallControllerBase> m_calls;
  QPointer<RAZ::Controllers::XmppChatController> m_rooms;
  QList<RAZ::Controllers::CommunicationSession*> m_sessions;
  RAZ::Actions::Enabler* m_callPark = nullptr;
  bool m_partiesAnswer = true;
  PartyLookup m_partyLookup;
  RAZ::Controllers::PartySide* m_partySide = nullptr;
};

}  // namespace Controllers
}  // namespace RAZ

#include "RAZ/Controllers/CommsSessionController.h"

#include <QTimer>

#include <functional>

#include <TP/Core/Logging.h>

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>
#include "RAZ/Actions/ActionData.h"
#include "RAZ/Actions/Enablers.h"
#include "RAZ/Actions/Source.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/PartyName.h"
#include "RAZ/Controllers/PartySide.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Data/ChatParticipant.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Models/Timeline.h"
#include "RAZ/Services/Xmpp/XmppJidValidator.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Webcollab/WebcollabBase.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Controllers {

namespace {
// How long the service takes to answer a call with its own parts (the
// conference bridge, a parked or pulled call).
const int kDialMs = 700;
// Dynamic properties of a session that the history reads when it ends.
const char* const kCallPlaced = "callPlaced";
const char* const kConnectedAt = "connectedAt";
const char* const kAnsweredWithChat = "answeredWithChat";
// A session in a chat room of the room service (not My Room, not a chat
// with several people).
const char* const kListedRoom = "listedRoom";
// A personal room's session that is the user's own room.
const char* const kOwnRoom = "ownRoom";
}  // namespace

CommsSessionController::CommsSessionController(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    RAZ::MediaEngine::CallControllerBase* calls, QObject* parent)
    : QObject(parent), m_contacts(contacts), m_calls(calls) {}

CommsSessionController::~CommsSessionController() = default;

QList<CommunicationSession*> CommsSessionController::commsList() const { return m_sessions; }

CommunicationSession* CommsSessionController::startSession(int contactId, const QString& name,
                                                           const QString& uri,
                                                           CommunicationSession::Kind kind,
                                                           bool incoming) {
  auto* session = new CommunicationSession(contactId, name, uri, kind, incoming, this);
  session->setProperty("startedAt", QDateTime::currentDateTime());
  m_sessions.append(session);
  // A party outside the list (the service's person for a number) is the
  // session's contact too: its windows show its picture and presence.
  if (RAZ::Contacts::ContactPtr party =
          m_contacts && contactId != 0 ? m_contacts->getContact(contactId) : nullptr)
    session->setContact(party.data());
  if (RAZ::Contacts::ContactPtr own = m_contacts ? m_contacts->ownContact() : nullptr) {
    // The user's audio conference number, as it is now and whenever the
    // user or the service changes it.
    QPointer<RAZ::Contacts::IContact> ownGuard(own.data());
    auto readNumber = [session, ownGuard] {
      if (ownGuard)
        session->setMyRoomConferenceNumber(
            ownGuard->getProperty(RAZ::Contacts::Properties::KeyMyRoomDialIn).toString());
    };
    readNumber();
    connect(own.data(), &RAZ::Contacts::IContact::changed, session, readNumber);
  }
  connect(session, &QObject::destroyed, this, &CommsSessionController::onSessionDestroyed);
  // Parties invited to a call join it (the service answers from the event
  // loop); a chat's invitations stay the chat service's.
  QPointer<CommunicationSession> invited(session);
  connect(session, &CommunicationSession::participantsInvited, this,
          [this, invited](const QString& ids, const QString& address) {
            QTimer::singleShot(0, this, [this, invited, ids, address] {
              if (invited && invited->getCall()) joinParties(invited, ids, address);
            });
          });

  if (kind == CommunicationSession::KindCall || kind == CommunicationSession::KindVideoCall) {
    auto* call = new RAZ::MediaEngine::CallBasePtr(uri,
                                                   kind == CommunicationSession::KindVideoCall
                                                       ? RAZ::MediaEngine::CallBasePtr::TypeVideo
                                                       : RAZ::MediaEngine::CallBasePtr::TypeAudio,
                                                   incoming);
    // Held by count: the session's reference, the controller's, and any the
    // windows take.
    session->setCall(call);
    followCall(session, call);
    if (!incoming) {
      // Another call runs: the user is asked first, and that call is held.
      if (m_calls && !m_calls->confirmNewCall(call)) {
        TP_LOG("RAZ::Controllers::CommsSessionController::startSession",
               TP::Core::Logging::LevelInformation)
            << "The user kept the running call; the new one is not placed";
        m_sessions.removeAll(session);
        call->close(0);
        session->deleteLater();
        return nullptr;
      }
      if (m_partiesAnswer && m_partySide) m_partySide->callPlaced(session, contactId);
    }
  } else if (kind == CommunicationSession::KindChat ||
             kind == CommunicationSession::KindGroupChat ||
             kind == CommunicationSession::KindMyRoom) {
    session->openChat();
    ChatInterface* chat = session->getChatInterface();
    // The peer writes under its address; its name is known to the chat.
    if (!chat->isRoom() && !name.isEmpty()) chat->getParticipants()->rename(chat->peer(), name);
  }
  if (kind == CommunicationSession::KindWebCollab && incoming) {
    // The party invites the user to see a screen: the share waits for an answer.
    auto* collab = new RAZ::Webcollab::WebcollabBase(QStringList{name});
    session->setWebCollab(collab);
    collab->setState(RAZ::Webcollab::WebcollabBase::StateInvited);
    // This client views the share with its own viewer: the user may accept.
    session->setShareAvailable(true);
  }
  announce(session, incoming);
  emit sessionStarted(session, incoming);
  return session;
}

void CommsSessionController::announce(CommunicationSession* session, bool incoming) {
  QPointer<CommunicationSession> guard(session);
  QTimer::singleShot(0, this, [this, guard, incoming] {
    if (!guard) return;
    emit sessionCreated(guard, incoming);
    // A session the user started is ready to be shown at once; one a party
    // starts waits for the user's answer, and a plain audio call is looked
    // after from the contact list unless the configuration says otherwise.
    // A room waits until the user is in it (or the new room exists).
    if (guard && !incoming && !guard->isOnlyAudioCall() && guard->roomMayShow())
      emit sessionReady(guard);
  });
}

void CommsSessionController::roomEntered(CommunicationSession* session) {
  if (!session) return;
  session->setRoomJoined(true);
  QPointer<CommunicationSession> guard(session);
  QTimer::singleShot(0, this, [this, guard] {
    if (guard) emit sessionReady(guard);
  });
}

CommunicationSession* CommsSessionController::receiveSession(int contactId,
                                                             CommunicationSession::Kind kind) {
  RAZ::Contacts::ContactPtr contact = m_contacts ? m_contacts->getContact(contactId) : nullptr;
  if (!contact) {
    TP_LOG("RAZ::Controllers::CommsSessionController::receiveSession",
           TP::Core::Logging::LevelWarning)
        << "No contact with id " << contactId;
    return nullptr;
  }
  const bool call =
      kind == CommunicationSession::KindCall || kind == CommunicationSession::KindVideoCall;
  // One party, one chat: a party whose chat with the user runs writes in it.
  if (kind == CommunicationSession::KindChat)
    if (CommunicationSession* open = runningChatWith(contactId)) {
      TP_LOG("RAZ::Controllers::CommsSessionController::receiveSession",
             TP::Core::Logging::LevelInformation)
          << "The party writes in the chat already running with it";
      return open;
    }
  // A caller known by a number alone calls from that number; a chat comes
  // from the party's chat address, the one the user's own chats with it
  // use.
  QString from = contact->getSipUri().isEmpty() ? contact->getIdentifier() : contact->getSipUri();
  if (kind == CommunicationSession::KindChat && !contact->getJid().isEmpty())
    from = contact->getJid();
  const QString note = call && m_partySide ? m_partySide->turnAwayNote() : QString();
  if (!note.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::receiveSession",
           TP::Core::Logging::LevelInformation)
        << "The call settings turn the call away";
    const int logKind = kind == CommunicationSession::KindVideoCall ? RAZ::Models::CallLog::Video
                                                                    : RAZ::Models::CallLog::Audio;
    const QString name = contact->getDisplayName();
    QTimer::singleShot(0, this, [this, contactId, from, name, logKind, note] {
      emit callTurnedAway(contactId, from, name, logKind, note);
    });
    return nullptr;
  }
  return startSession(contactId, contact->getDisplayName(), from, kind, true);
}

void CommsSessionController::updateSession(CommunicationSession* session) {
  if (!session || !m_sessions.contains(session)) return;
  session->refresh();
  emit sessionUpdated(session);
}

CommunicationSession* CommsSessionController::answerWithChat(CommunicationSession* session) {
  RAZ::MediaEngine::CallBasePtr* call =
      session && m_sessions.contains(session) ? session->getCall() : nullptr;
  if (!call || !session->isIncoming()) return nullptr;
  CommunicationSession* chat = runningChatWith(session->contactId(), session);
  session->setProperty(kAnsweredWithChat, true);
  if (!chat) {
    chat = session;
    session->openChat();
  }
  call->close(RAZ::MediaEngine::CallBasePtr::CloseDeclined);
  if (chat != session) {
    QPointer<CommunicationSession> guard(chat);
    QTimer::singleShot(0, this, [guard] {
      if (guard) emit guard->activated();
    });
  }
  return chat;
}

CommunicationSession* CommsSessionController::runningChatWith(
    int contactId, const CommunicationSession* other) const {
  if (contactId <= 0) return nullptr;
  CommunicationSession* chat = nullptr;
  for (CommunicationSession* s : qAsConst(m_sessions))
    if (s != other && s->contactId() == contactId && s->chatActive() && !s->isGroup()) chat = s;
  return chat;
}

void CommsSessionController::closeSession(CommunicationSession* session) {
  if (!session || !m_sessions.contains(session)) return;
  m_sessions.removeAll(session);
  const bool hadCall = session->property(kCallPlaced).toBool();
  const QDateTime begun = session->property("startedAt").toDateTime();
  const QDateTime connected = session->property(kConnectedAt).toDateTime();
  // A call's time counts from its answer; a chat's from its start.
  const QDateTime talking = hadCall ? connected : begun;
  const int seconds = talking.isValid() ? int(talking.secsTo(QDateTime::currentDateTime())) : 0;
  const bool chatOnly = !hadCall && session->chatActive();
  // A screen shared and nothing else is neither a call nor a chat: the
  // history, which lists those, keeps no entry for it.
  const bool shareOnly =
      session->kind() == CommunicationSession::KindWebCollab && !hadCall && !chatOnly;
  const int kind = chatOnly ? RAZ::Models::CallLog::Chat
                            : (session->isVideoCall() ? RAZ::Models::CallLog::Video
                                                      : RAZ::Models::CallLog::Audio);
  const bool missed = hadCall && session->isIncoming() && !connected.isValid() &&
                      !session->property(kAnsweredWithChat).toBool();
  // A room's communication is the room's (its address, its name), a chat
  // with several people theirs: none of them is the one first invited.
  using RAZ::Models::CallLog;
  int room = CallLog::NoRoom;
  QString name = PartyName::of(session);
  if (session->isMyRoom()) {
    room = session->property(kOwnRoom).toBool() ? CallLog::OwnPersonalRoom : CallLog::PersonalRoom;
    if (!session->roomOwner().isEmpty()) name = session->roomOwner();
    if (ChatInterface* chat = session->getChatInterface())
      if (!chat->getOwnerName().isEmpty()) name = chat->getOwnerName();
  } else if (chatOnly && session->property(kListedRoom).toBool()) {
    room = CallLog::ListedRoom;
  } else if (chatOnly && session->isGroupChat()) {
    room = CallLog::GroupChat;
    if (!session->groupChatSubject().isEmpty()) name = session->groupChatSubject();
  }
  if (!shareOnly)
    emit sessionEnded(room == CallLog::NoRoom ? session->contactId() : 0,
                      room == CallLog::GroupChat ? QString() : session->uri(), name, kind,
                      session->isIncoming(), begun.isValid() ? begun : QDateTime::currentDateTime(),
                      seconds, missed, room);
  if (RAZ::MediaEngine::CallBasePtr* call = session->getCall()) {
    call->close(0);
    if (m_calls) m_calls->removeCall(call);
  }
  emit session->closed(session);
  session->deleteLater();
}

void CommsSessionController::closeAllSessions() {
  // A session may end another as it goes (a call's end closes its session
  // at once): closeSession passes over what has ended already.
  const QList<CommunicationSession*> running = m_sessions;
  for (CommunicationSession* session : running) closeSession(session);
}

CommunicationSession* CommsSessionController::getSession(
    RAZ::MediaEngine::CallBasePtr* call) const {
  if (!call) return nullptr;
  for (CommunicationSession* s : m_sessions)
    if (s->getCall() == call) return s;
  return nullptr;
}

CommunicationSession* CommsSessionController::getSession(const RAZ::MediaEngine::Call& call) const {
  return getSession(call.Raw());
}

bool CommsSessionController::isEmergencyNumber(const QString& address) {
  QString number = address.trimmed();
  if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) number = number.mid(4);
  number = number.section(QLatin1Char('@'), 0, 0);
  if (number.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive)) number = number.mid(4);
  static const QStringList emergency{QStringLiteral("112"), QStringLiteral("911"),
                                     QStringLiteral("999"), QStringLiteral("110"),
                                     QStringLiteral("000")};
  return emergency.contains(number);
}

void CommsSessionController::followCall(CommunicationSession* session,
                                        RAZ::MediaEngine::CallBasePtr* call) {
  if (m_calls) m_calls->addCall(call);
  QPointer<CommunicationSession> guard(session);
  QPointer<RAZ::MediaEngine::CallBasePtr> callGuard(call);
  // What the history needs once the call has gone: that there was one, and
  // when it was answered.
  session->setProperty(kCallPlaced, true);
  connect(call, &RAZ::MediaEngine::CallBasePtr::opened, this, [guard] {
    if (guard && !guard->property(kConnectedAt).toDateTime().isValid())
      guard->setProperty(kConnectedAt, QDateTime::currentDateTime());
  });
  connect(call, &RAZ::MediaEngine::CallBasePtr::closed, this, [this, guard, callGuard] {
    if (!guard || !callGuard || guard->getCall() != callGuard.data()) return;
    // The call part ends; a session with nothing else running ends too.
    guard->setCall(nullptr);
    const uint state = guard->getState();
    if (state == CommunicationSession::StateNothing || state == CommunicationSession::StateGroup)
      closeSession(guard);
  });
}

void CommsSessionController::onSessionDestroyed(QObject* session) {
  // Sessions deleted with the controller (session end) need no report.
  for (int i = m_sessions.size() - 1; i >= 0; --i)
    if (static_cast<QObject*>(m_sessions.at(i)) == session) m_sessions.removeAt(i);
}

void CommsSessionController::createCall(const QList<RAZ::Contacts::ContactPtr>& contacts,
                                        RAZ::Contacts::Properties::Key key,
                                        RAZ::Actions::Action::Id action) {
  QList<RAZ::Contacts::ContactPtr> valid;
  for (const auto& c : contacts)
    if (c) valid.append(c);
  if (valid.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createCall", TP::Core::Logging::LevelWarning)
        << "No contact to call";
    return;
  }
  const auto kind = action == RAZ::Actions::Action::VideoCall ? CommunicationSession::KindVideoCall
                                                              : CommunicationSession::KindCall;
  const RAZ::Contacts::ContactPtr first = valid.first();
  QString address = first->getProperty(key).toString();
  if (address.isEmpty()) address = first->getSipUri();
  if (address.isEmpty() && !first->numberTypes().isEmpty())
    address = first->getProperty(first->numberTypes().first()).toString();
  if (isEmergencyNumber(address)) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createCall", TP::Core::Logging::LevelWarning)
        << "Emergency numbers are not called from this client";
    QTimer::singleShot(0, this, [this] { emit emergencyCallNotification(); });
    return;
  }
  // A number or address typed or linked is put through to whoever owns it:
  // the call is then a call to that party, named as the party is.
  RAZ::Contacts::ContactPtr party = first;
  if (m_partyLookup && !address.isEmpty() && (first->isTemporary() || !first->isInStore())) {
    if (RAZ::Contacts::ContactPtr owner = m_partyLookup(address)) party = owner;
  }
  const bool fromPhone = action == RAZ::Actions::Action::CallFromPhone;
  if (address.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createCall", TP::Core::Logging::LevelWarning)
        << "The party has no address to call";
    // The telephony service reports a call it cannot place from the phone.
    auto* account = qobject_cast<RAZ::Sessions::SessionManagerBase*>(parent());
    QPointer<RAZ::Xsi::XsiEngine> xsi(account ? account->xsiEngine() : nullptr);
    if (fromPhone && xsi)
      QTimer::singleShot(0, xsi, [xsi] {
        if (xsi) xsi->reportCallError(RAZ::Xsi::XsiCallback::ParticipantNotFound);
      });
    return;
  }
  CommunicationSession* session =
      startSession(party->getId(), party->getDisplayName(), address, kind, false);
  if (!session) return;
  if (party != first) session->setContact(party.data());
  session->setConference(valid.size() > 1);
  if (fromPhone && session->getCall())
    session->getCall()->setCallKind(RAZ::MediaEngine::CallBasePtr::KindClickToDial);
}

void CommsSessionController::createChat(const QList<RAZ::Contacts::ContactPtr>& contacts) {
  QList<RAZ::Contacts::ContactPtr> valid;
  QStringList failed;
  for (const auto& c : contacts) {
    if (!c) continue;
    if (c->getJid().isEmpty())
      failed << c->getDisplayName();
    else
      valid.append(c);
  }
  if (!failed.isEmpty()) {
    QTimer::singleShot(0, this, [this, failed] { emit failedToAddContacts(failed); });
  }
  if (valid.isEmpty()) return;
  const RAZ::Contacts::ContactPtr first = valid.first();
  const auto kind =
      valid.size() > 1 ? CommunicationSession::KindGroupChat : CommunicationSession::KindChat;
  CommunicationSession* session =
      startSession(first->getId(), first->getDisplayName(), first->getJid(), kind, false);
  if (valid.size() > 1) {
    QStringList names;
    for (const auto& c : valid) names << c->getDisplayName();
    session->setGroupChatSubject(names.join(QStringLiteral(", ")));
    // The user opens the chat with the people chosen: nothing to wait for
    // before its window shows.
    session->setRoomJoined(true);
  }
}

void CommsSessionController::createChat() {
  // A chat without participants is a new room; the room service builds it.
  emit newRoomRequested();
}

void CommsSessionController::joinRoom(const QString& roomJid, const QString& roomName) {
  if (roomJid.isEmpty()) return;
  CommunicationSession* session = startSession(-1, roomName.isEmpty() ? roomJid : roomName, roomJid,
                                               CommunicationSession::KindGroupChat, false);
  session->setGroupChatSubject(roomName);
  session->setProperty(kListedRoom, true);
  // The room is known by its name while it is being joined.
  if (ChatInterface* chat = session->getChatInterface()) chat->setRoomName(roomName);
}

void CommsSessionController::createMyRoomSession(RAZ::Contacts::Const::ContactPtr owner,
                                                 const QString& reason) {
  if (!owner) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createMyRoomSession",
           TP::Core::Logging::LevelWarning)
        << "No room owner";
    return;
  }
  CommunicationSession* session =
      startSession(owner->getId(), owner->getDisplayName(), owner->getJid(),
                   CommunicationSession::KindMyRoom, false);
  session->setInviteReason(reason);
  session->setRoomOwner(owner->getDisplayName());
  const RAZ::Contacts::ContactPtr own = m_contacts ? m_contacts->ownContact() : nullptr;
  session->setProperty(kOwnRoom, own && own.data() == owner.data());
  // A personal room is entered as it opens: no password, no members list.
  session->setRoomJoined(true);
}

void CommsSessionController::createMyRoomSession(const QString& call, const QString& chat,
                                                 const QString& webcollab) {
  if (call.isEmpty() && chat.isEmpty() && webcollab.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createMyRoomSession",
           TP::Core::Logging::LevelWarning)
        << "Empty room";
    return;
  }
  // A room of the chat service is the same room however it is reached: it
  // is joined as from the rooms list, and a room already open comes forward.
  if (m_rooms && !chat.isEmpty() && m_rooms->hasRoom(chat)) {
    m_rooms->createGroupChat(chat);
    return;
  }
  const QString address = chat.isEmpty() ? call : chat;
  if (CommunicationSession* open = sessionByUri(address)) {
    if (open->isMyRoom()) {
      QPointer<CommunicationSession> guard(open);
      QTimer::singleShot(0, this, [guard] {
        if (guard) guard->activate();
      });
      return;
    }
  }
  // The room's owner, by the room's address: a known contact's name, else
  // the owner's address.
  using RAZ::Services::Xmpp::XmppJidValidator;
  const QString ownerJid = XmppJidValidator::getRoomJidPart(chat, XmppJidValidator::RoomMyRoom);
  const RAZ::Contacts::ContactPtr own = m_contacts ? m_contacts->ownContact() : nullptr;
  const bool mine =
      own && !ownerJid.isEmpty() && own->getJid().compare(ownerJid, Qt::CaseInsensitive) == 0;
  const RAZ::Contacts::ContactPtr owner =
      mine ? own
           : (m_contacts && !ownerJid.isEmpty() ? m_contacts->getContactByJid(ownerJid) : nullptr);
  const QString ownerName = owner ? owner->getDisplayName() : QString();
  CommunicationSession* session = startSession(-1, ownerName.isEmpty() ? address : ownerName,
                                               address, CommunicationSession::KindMyRoom, false);
  // The user's own room is known as such (its title says so).
  if (mine) session->setContact(own.data());
  session->setProperty(kOwnRoom, mine);
  session->setConference(!call.isEmpty());
  session->setRoomJoined(true);
  if (ChatInterface* room = session->getChatInterface()) {
    room->setOwnerNames(ownerName, ownerJid.isEmpty() ? address : ownerJid);
    room->setIsRoomOwner(mine);
    room->setOwnAffiliation(mine ? RAZ::Data::ChatParticipant::Owner
                                 : RAZ::Data::ChatParticipant::Member);
  }
  if (!call.isEmpty()) joinConference(session, call);
}

void CommsSessionController::setChatRooms(XmppChatController* rooms) { m_rooms = rooms; }

void CommsSessionController::joinConference(CommunicationSession* session, const QString& address) {
  auto* call =
      new RAZ::MediaEngine::CallBasePtr(address, RAZ::MediaEngine::CallBasePtr::TypeAudio, false);
  session->setCall(call);
  followCall(session, call);
  // Another call runs and the user keeps it: the room stays open without
  // its call.
  if (m_calls && !m_calls->confirmNewCall(call)) {
    call->close(0);
    return;
  }
  call->setConference(true);
  // The conference bridge takes the call at once.
  QPointer<CommunicationSession> guard(session);
  QTimer::singleShot(kDialMs, this, [guard] {
    RAZ::MediaEngine::CallBasePtr* c = guard ? guard->getCall() : nullptr;
    if (c && c->getCallState() == RAZ::MediaEngine::CallBasePtr::StateDialing)
      c->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
  });
}

void CommsSessionController::createWebCollabSession(const QStringList& participants) {
  if (participants.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createWebCollabSession",
           TP::Core::Logging::LevelWarning)
        << "No participants";
    return;
  }
  CommunicationSession* session = startSession(-1, participants.first(), participants.first(),
                                               CommunicationSession::KindWebCollab, false);
  auto* collab = new RAZ::Webcollab::WebcollabBase(participants);
  session->setWebCollab(collab);
  collab->setState(RAZ::Webcollab::WebcollabBase::StateConnecting);
}

QList<RAZ::Contacts::ContactPtr> CommsSessionController::contactsOf(
    RAZ::Actions::Source& source) const {
  QList<RAZ::Contacts::ContactPtr> result;
  QList<QObject*> objects;
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(&source))
    objects = composite->sources();
  else
    objects << &source;
  for (QObject* o : qAsConst(objects)) {
    if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(o))
      result << RAZ::Contacts::ContactPtr(c);
    else if (auto* e = qobject_cast<RAZ::Models::TimelineEntry*>(o))
      result << RAZ::Contacts::ContactPtr(e->getContact());
    else if (auto* d = qobject_cast<RAZ::Actions::DialStringSource*>(o))
      if (m_contacts && !d->number().isEmpty())
        result << RAZ::Contacts::ContactPtr(m_contacts->createTemporaryContact(
            {{QString::number(RAZ::Contacts::Properties::KeyWork), d->number()}}));
  }
  return result;
}

namespace {

bool callInProgress(const CommunicationSession* session) {
  const RAZ::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
  if (!call) return false;
  const int state = call->getCallState();
  return state == RAZ::MediaEngine::CallBasePtr::StateInCall ||
         state == RAZ::MediaEngine::CallBasePtr::StateHeld;
}

}  // namespace

void CommsSessionController::actOnSession(CommunicationSession* session, int id) {
  switch (id) {
    case RAZ::Actions::Action::Chat:
      if (session->chatActive())
        session->closeChat();
      else
        session->openChat();
      break;
    case RAZ::Actions::Action::Call:
    case RAZ::Actions::Action::VideoCall:
      if (!session->callActive()) {
        auto* call = new RAZ::MediaEngine::CallBasePtr(
            session->uri(),
            id == RAZ::Actions::Action::VideoCall ? RAZ::MediaEngine::CallBasePtr::TypeVideo
                                                  : RAZ::MediaEngine::CallBasePtr::TypeAudio,
            false);
        session->setCall(call);
        followCall(session, call);
        if (m_calls && !m_calls->confirmNewCall(call)) {
          call->close(0);
          return;
        }
        call->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
        if (id == RAZ::Actions::Action::VideoCall) call->startVideo();
      }
      break;
    case RAZ::Actions::Action::DesktopShare:
      if (session->webCollabActive()) {
        session->closeWebcollab();
      } else {
        // The user presents: the share runs as soon as the service has it.
        auto* collab = new RAZ::Webcollab::WebcollabBase({session->uri()});
        collab->setOwner(true);
        session->setWebCollab(collab);
        collab->setState(RAZ::Webcollab::WebcollabBase::StateConnecting);
        QPointer<RAZ::Webcollab::WebcollabBase> guard(collab);
        QTimer::singleShot(0, this, [guard] {
          if (guard && guard->getState() == RAZ::Webcollab::WebcollabBase::StateConnecting)
            guard->setState(RAZ::Webcollab::WebcollabBase::Sharing);
        });
      }
      break;
    case RAZ::Actions::Action::EndAllCalls:
      // The call's end takes the call part (or the session) with it.
      if (session->callActive()) session->getCall()->close(0);
      return;
    case RAZ::Actions::Action::EndChats:
      session->closeChat();
      break;
    case RAZ::Actions::Action::Conference:
    case RAZ::Actions::Action::Transfer: {
      // From the list of running communications these go with the user's
      // one other call, as "Conference with" and "Transfer to" of the
      // call's window do; with none, or several to choose from, the window
      // is where to pick.
      CommunicationSession* other = nullptr;
      int others = 0;
      for (CommunicationSession* s : qAsConst(m_sessions))
        if (s != session && callInProgress(s)) {
          other = s;
          ++others;
        }
      if (others != 1 || !callInProgress(session) ||
          (id == RAZ::Actions::Action::Transfer && other->isGroup())) {
        TP_LOG("RAZ::Controllers::CommsSessionController::actOnSession",
               TP::Core::Logging::LevelInformation)
            << "Action " << id << " has no one other call to go with";
        if (callInProgress(session)) emit session->partyPickRequested(id);
        return;
      }
      if (id == RAZ::Actions::Action::Conference) {
        joinParties(session, QString::number(other->contactId()), other->uri());
      } else {
        other->setCallTransferAssociatedSession(session, true);
        session->setCallTransferAssociatedSession(other, false);
        session->transferCall(QString());
      }
      return;
    }
    default:
      TP_LOG("RAZ::Controllers::CommsSessionController::actOnSession",
             TP::Core::Logging::LevelInformation)
          << "Action " << id << " has no effect on this service";
      return;
  }
  // Nothing left running: the session ends.
  if (session->getState() == CommunicationSession::StateNothing ||
      session->getState() == CommunicationSession::StateGroup)
    closeSession(session);
}

void CommsSessionController::callFeatureCode(int actionId) {
  auto* park = qobject_cast<RAZ::Actions::CallParkEnabler*>(m_callPark);
  if (!park || !m_contacts) {
    TP_LOG("RAZ::Controllers::CommsSessionController::callFeatureCode",
           TP::Core::Logging::LevelWarning)
        << "No call-park service for action " << actionId;
    return;
  }
  const QString code = actionId == RAZ::Actions::Action::PullCall ? park->getCallPullCode()
                                                                  : park->getRetrieveCallParkCode();
  // The service's feature code is dialled like a number; the session's
  // party is the code itself, which the lists name by what it does.
  RAZ::Contacts::IContact* party = m_contacts->createTemporaryContact(
      {{QString::number(RAZ::Contacts::Properties::KeyWork), code},
       {QString::number(RAZ::Contacts::Properties::KeyDisplayName), code}});
  CommunicationSession* session =
      startSession(party->getId(), code, code, CommunicationSession::KindCall, false);
  if (!session) return;
  session->setContact(party);
  if (actionId == RAZ::Actions::Action::RetrieveParkedCallOnPhone && session->getCall())
    session->getCall()->setCallKind(RAZ::MediaEngine::CallBasePtr::KindClickToDial);
  // The service itself answers: the parked or pulled call is put through.
  QPointer<CommunicationSession> guard(session);
  QTimer::singleShot(kDialMs, this, [guard] {
    if (guard && guard->getCall() &&
        guard->getCall()->getCallState() == RAZ::MediaEngine::CallBasePtr::StateDialing)
      guard->getCall()->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
  });
}

void CommsSessionController::actionTriggered(RAZ::Actions::ActionData& data,
                                             RAZ::Actions::Source& source) {
  const auto id = RAZ::Actions::Action::Id(data.getId());
  if (id == RAZ::Actions::Action::RetrieveParkedCallHere ||
      id == RAZ::Actions::Action::RetrieveParkedCallOnPhone ||
      id == RAZ::Actions::Action::PullCall) {
    callFeatureCode(id);
    return;
  }
  if (!RAZ::Actions::Action::isCommunicationAction(id) && id != RAZ::Actions::Action::Email) return;
  TP_LOG("RAZ::Controllers::CommsSessionController::actionTriggered",
         TP::Core::Logging::LevelDetail)
      << "Action " << id;
  // Actions on running sessions (the active-communications list).
  QList<CommunicationSession*> sessions;
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(&source))
    sessions = composite->getCommunicationSessions();
  else if (auto* s = qobject_cast<CommunicationSession*>(&source))
    sessions << s;
  if (id == RAZ::Actions::Action::JoinRoom) {
    // A room of the history: the one entry selected.
    QList<QObject*> picked;
    if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(&source))
      picked = composite->sources();
    else
      picked << &source;
    auto* entry =
        picked.size() == 1 ? qobject_cast<RAZ::Models::TimelineEntry*>(picked.first()) : nullptr;
    if (entry && entry->room() == RAZ::Models::CallLog::ListedRoom) {
      emit roomRequested(entry->roomJid());
      return;
    }
    if (entry && entry->room() == RAZ::Models::CallLog::OwnPersonalRoom) {
      emit myRoomRequested();
      return;
    }
    if (entry && entry->room() == RAZ::Models::CallLog::PersonalRoom) {
      // Somebody's room is reached by its address, as a link to it is.
      using RAZ::Services::Xmpp::XmppJidValidator;
      const QString address = entry->record().address;
      const bool chat =
          !XmppJidValidator::getRoomJidPart(address, XmppJidValidator::RoomMyRoom).isEmpty();
      createMyRoomSession(chat ? QString() : address, chat ? address : QString(), QString());
      return;
    }
  }
  const QList<RAZ::Contacts::ContactPtr> contacts = contactsOf(source);
  if (!sessions.isEmpty() && contacts.isEmpty()) {
    const auto snapshot = QList<QPointer<CommunicationSession>>(sessions.begin(), sessions.end());
    for (const QPointer<CommunicationSession>& s : snapshot)
      if (s) actOnSession(s, id);
    return;
  }
  if (contacts.isEmpty()) return;
  switch (id) {
    case RAZ::Actions::Action::Chat:
      createChat(contacts);
      break;
    case RAZ::Actions::Action::Call:
    case RAZ::Actions::Action::CallFromPhone:
    case RAZ::Actions::Action::VideoCall: {
      const int type = data.getPropertyType();
      const auto key = type >= RAZ::Contacts::Properties::KeyWork
                           ? static_cast<RAZ::Contacts::Properties::Key>(type)
                           : RAZ::Contacts::Properties::KeyUri;
      createCall(contacts, key, id);
      break;
    }
    case RAZ::Actions::Action::Email: {
      const QString mail =
          contacts.first()->getProperty(RAZ::Contacts::Properties::KeyEmail).toString();
      if (!mail.isEmpty()) QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + mail));
      break;
    }
    default:
      TP_LOG("RAZ::Controllers::CommsSessionController::actionTriggered",
             TP::Core::Logging::LevelInformation)
          << "Action " << id << " needs a running communication";
      break;
  }
}

int CommsSessionController::getConferencingOptions(CommunicationSession* other, bool,
                                                   const QString&) const {
  return m_sessions.contains(other) && callInProgress(other) ? 1 : 0;
}

bool CommsSessionController::canTransferWith(CommunicationSession* other, bool,
                                             const QString&) const {
  return m_sessions.contains(other) && callInProgress(other) && !other->isGroup();
}

void CommsSessionController::joinParties(CommunicationSession* session, const QString& contactIds,
                                         const QString& address) {
  if (!session || !m_sessions.contains(session) || !callInProgress(session)) {
    TP_LOG("RAZ::Controllers::CommsSessionController::joinParties",
           TP::Core::Logging::LevelInformation)
        << "No call in progress to join parties to";
    return;
  }
  QStringList parties = session->conferenceParties();
  if (parties.isEmpty()) parties << PartyName::of(session);
  const int before = parties.size();
  QList<int> ids;
  const auto parts = contactIds.split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& id : parts) ids << id.toInt();
  if (ids.isEmpty() && !address.isEmpty() && m_contacts)
    if (RAZ::Contacts::IContact* c = m_contacts->findOrCreateContact(address)) ids << c->getId();
  for (int id : qAsConst(ids)) {
    if (id == session->contactId()) continue;
    RAZ::Contacts::ContactPtr contact = m_contacts ? m_contacts->getContact(id) : nullptr;
    CommunicationSession* other = nullptr;
    for (CommunicationSession* s : qAsConst(m_sessions))
      if (s != session && s->contactId() == id && s->getCall()) other = s;
    QString name = contact ? contact->getDisplayName() : QString();
    if (other) {
      if (name.isEmpty()) name = PartyName::of(other);
      // The party leaves the user's other call for the conference.
      other->getCall()->close(0);
    } else if (!contact || !contact->isOnline()) {
      TP_LOG("RAZ::Controllers::CommsSessionController::joinParties",
             TP::Core::Logging::LevelInformation)
          << "Party " << id << " does not answer the conference call";
      continue;
    }
    if (name.isEmpty()) name = address;
    if (!name.isEmpty() && !parties.contains(name)) parties << name;
  }
  if (parties.size() > before || !session->isConference()) {
    if (parties.size() > 1) {
      // The parties talk in the conference at once: a call merged from its
      // held side is taken back, not left on hold.
      RAZ::MediaEngine::CallBasePtr* call = session->getCall();
      if (call && call->getCallState() == RAZ::MediaEngine::CallBasePtr::StateHeld) {
        if (m_calls) m_calls->holdOthers(call);
        call->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
      }
      session->joinConference(parties);
    }
  }
}

CommunicationSession* CommsSessionController::sessionByUri(const QString& uri) const {
  for (CommunicationSession* s : m_sessions)
    if (s && s->uri() == uri) return s;
  return nullptr;
}

void CommsSessionController::handleCommsCustomActions() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (!entry) return;
  const int action = entry->data().toInt();
  const QString from = entry->property(getOriginatorKey().toLatin1().constData()).toString();
  const QString to = entry->property(getDestinationKey().toLatin1().constData()).toString();
  CommunicationSession* origin = sessionByUri(from);
  CommunicationSession* target = sessionByUri(to);
  if (!origin || !target || origin == target) {
    TP_LOG("RAZ::Controllers::CommsSessionController", TP::Core::Logging::LevelWarning)
        << "No sessions for the custom action " << action;
    return;
  }
  if (action == RAZ::Actions::Action::Conference) {
    // The other party joins this call: one conference, the other call ends.
    joinParties(origin, QString::number(target->contactId()), target->uri());
  } else if (action == RAZ::Actions::Action::Transfer) {
    // This party is handed over to the party of the other call: the two talk
    // to each other, so both of the user's calls end, the held one too.
    target->setCallTransferAssociatedSession(origin, true);
    origin->setCallTransferAssociatedSession(target, false);
    if (!origin->transferCall(QString())) return;
  } else {
    return;
  }
  emit customActionHandled(action, from, to);
}

}  // namespace Controllers
}  // namespace RAZ

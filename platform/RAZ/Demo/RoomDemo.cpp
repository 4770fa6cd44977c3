#include "RAZ/Demo/RoomDemo.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/MyRoomController.h"
#include "RAZ/Controllers/XmppChat.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Data/ChatParticipant.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Services/Xmpp/XmppJidValidator.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Demo {

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;
using RAZ::Data::ChatParticipant;

namespace {

const char kLog[] = "RAZ::Demo::RoomDemo";

// Somebody busy, on a call or in a meeting does not start sharing a screen.
bool busyOrInMeeting(int presence) {
  return RAZ::Presence::PresenceState::isBusyOrInMeeting(presence);
}

// The address the demo's conference bridge answers for a dial-in number:
// its digits only (the PINs are never part of an address that is logged).
QString bridgeAddress(const QString& dialIn) {
  QString digits;
  for (const QChar c : dialIn)
    if (c.isDigit() || (c == QLatin1Char('+') && digits.isEmpty())) digits += c;
  return digits.isEmpty() ? QString() : QStringLiteral("sip:%1@demo.zent").arg(digits);
}

}  // namespace

void RoomDemo::attach(RAZ::Sessions::SessionManagerBase* session) {
  if (!session || session->findChild<RoomDemo*>(QString(), Qt::FindDirectChildrenOnly)) return;
  new RoomDemo(session);
}

RoomDemo::RoomDemo(RAZ::Sessions::SessionManagerBase* session)
    : QObject(session), m_session(session), m_shareTimer(new QTimer(this)) {
  setObjectName(QStringLiteral("roomDemo"));
  RAZ::Controllers::CommsSessionController* comms = session->commsSessionController();
  RAZ::Controllers::XmppChatController* rooms = session->xmppChatController();
  if (comms) {
    comms->setChatRooms(rooms);
    connect(comms, &RAZ::Controllers::CommsSessionController::sessionCreated, this,
            [this](CommunicationSession* s, bool) {
              if (s && s->isMyRoom()) furnishPersonalRoom(s);
            });
  }
  if (rooms)
    connect(rooms, &RAZ::Controllers::XmppChatController::participantChanged, this,
            &RoomDemo::moderate);
  if (RAZ::Controllers::MyRoomController* myRoom = session->myroomController())
    connect(myRoom, &RAZ::Controllers::MyRoomController::startRequested, this,
            &RoomDemo::openOwnRoom);

  m_shareTimer->setInterval(kFirstShareMs);
  connect(m_shareTimer, &QTimer::timeout, this, [this] {
    m_shareTimer->setInterval(kShareIntervalMs);
    if (Service::instance().presenceChanges()) shareSomeScreen();
  });
  if (qEnvironmentVariable("ZENT_DEMO_INCOMING_CALLS") != QLatin1String("0") &&
      qEnvironmentVariable("ZENT_DEMO_PRESENCE_CHANGES") != QLatin1String("0"))
    m_shareTimer->start();
}

void RoomDemo::openOwnRoom() {
  RAZ::Controllers::CommsSessionController* comms =
      m_session ? m_session->commsSessionController() : nullptr;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager() : nullptr;
  RAZ::Contacts::ContactPtr own = contacts ? contacts->ownContact() : nullptr;
  if (!comms || !own) return;
  using RAZ::Contacts::Properties::Key;
  QString chat = own->getProperty(Key::KeyMyRoomChat).toString();
  if (chat.isEmpty() && m_session->myroomController())
    chat = m_session->myroomController()->roomJid();
  // The room's chat with its conference, as the user's invitation names them.
  comms->createMyRoomSession(bridgeAddress(own->getProperty(Key::KeyMyRoomDialIn).toString()), chat,
                             own->getProperty(Key::KeyMyRoomWebcollab).toString());
}

void RoomDemo::furnishPersonalRoom(CommunicationSession* session) {
  ChatInterface* chat = session->getChatInterface();
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager() : nullptr;
  if (!chat || !chat->getParticipants() || !contacts) return;
  using RAZ::Services::Xmpp::XmppJidValidator;
  const QString ownerJid =
      XmppJidValidator::getRoomJidPart(chat->roomJid(), XmppJidValidator::RoomMyRoom);
  RAZ::Contacts::ContactPtr own = contacts->ownContact();
  if (ownerJid.isEmpty() || !own) return;
  const bool mine = own->getJid().compare(ownerJid, Qt::CaseInsensitive) == 0;
  RAZ::Contacts::ContactPtr owner = mine ? own : contacts->getContactByJid(ownerJid);

  // The owner is in the room, and the user with it.
  RAZ::Models::ChatParticipants* people = chat->getParticipants();
  auto enter = [people](const QString& jid, RAZ::Contacts::IContact* contact, int rank) {
    const QString name = contact && !contact->getDisplayName().isEmpty()
                             ? contact->getDisplayName()
                             : jid.section(QLatin1Char('@'), 0, 0);
    if (people->participants().contains(jid)) return;
    people->addParticipant(name, rank, contact);
    people->add(jid, name);
    people->rename(jid, name);
  };
  enter(ownerJid, owner.data(), ChatParticipant::Owner);
  if (!mine) enter(own->getJid(), own.data(), ChatParticipant::Member);

  // An owner who is online answers what the user says there.
  if (mine || !owner) return;
  QPointer<ChatInterface> guard(chat);
  QPointer<RAZ::Contacts::IContact> party(owner.data());
  connect(chat, &ChatInterface::messageSent, this, [guard, party, ownerJid](const QString&) {
    QTimer::singleShot(kOwnerAnswerDelayMs, guard.data(), [guard, party, ownerJid] {
      if (guard && party && party->isOnline())
        emit guard->messageReceived(ownerJid, Service::tr("Noted, thanks."));
    });
  });
}

void RoomDemo::moderate(const QString& roomJid, const QString& nick, const QString& change) {
  RAZ::Controllers::XmppChatController* rooms =
      m_session ? m_session->xmppChatController() : nullptr;
  QPointer<RAZ::Controllers::XmppChat> chat = rooms ? rooms->roomChat(roomJid) : nullptr;
  if (!chat) return;
  // The room's service carries the moderator's word out, then reports it.
  QTimer::singleShot(0, this, [chat, nick, change] {
    RAZ::Models::ChatParticipants* people = chat ? chat->getParticipants() : nullptr;
    if (!people) return;
    if (change == QLatin1String("kicked")) {
      const QMap<QString, QString> present = people->participants();
      for (auto it = present.cbegin(); it != present.cend(); ++it)
        if (it.value() == nick) {
          people->remove(it.key());
          break;
        }
      return;
    }
    ChatParticipant* party = people->getParticipant(nick);
    if (!party) return;
    if (change == QLatin1String("promoted"))
      party->setAffiliation(ChatParticipant::Moderator);
    else if (change == QLatin1String("demoted"))
      party->setAffiliation(ChatParticipant::Member);
  });
}

int RoomDemo::shareSomeScreen() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager() : nullptr;
  if (!contacts) return 0;
  QList<int> free;
  const auto ids = contacts->contactIds();
  for (int id : ids) {
    RAZ::Contacts::ContactPtr c = contacts->getContact(id);
    if (c && c->isOnline() && !busyOrInMeeting(c->getPresenceState())) free << id;
  }
  if (free.isEmpty()) return 0;
  // An offer the user has not answered yet still stands: nobody offers
  // another on top of it, so unanswered offers never pile up.
  if (RAZ::Controllers::CommsSessionController* comms = m_session->commsSessionController()) {
    const auto sessions = comms->commsList();
    for (const RAZ::Controllers::CommunicationSession* s : sessions)
      if (s && s->getWebCollab() &&
          s->getWebCollab()->getState() == RAZ::Webcollab::WebcollabBase::StateInvited)
        return 0;
  }
  const int id = free.at(m_nextSharer++ % free.size());
  TP_LOG(kLog, TP::Core::Logging::LevelDetail) << "A demo contact shares a screen";
  return Service::instance().incomingSession(id,
                                             RAZ::Controllers::CommunicationSession::KindWebCollab)
             ? id
             : 0;
}

}  // namespace Demo
}  // namespace RAZ

#include "RAZ/Demo/CommsDemo.h"

#include <QList>
#include <QTimer>

#include <functional>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/XmppChat.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Demo/ChatDemo.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Xsi/CallSettingsStore.h"
#include "RAZ/Xsi/SupplementaryServices.h"

namespace RAZ {
namespace Demo {

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;
using RAZ::Controllers::XmppChat;
using RAZ::MediaEngine::CallBasePtr;

namespace {
bool g_calledPartiesHeld = false;
// What called parties were to do while held, in the order it came due.
QList<std::function<void()>>& heldSteps() {
  static QList<std::function<void()>> steps;
  return steps;
}
}  // namespace

void Service::holdCalledParties(bool hold) {
  g_calledPartiesHeld = hold;
  if (hold) return;
  QList<std::function<void()>> due;
  due.swap(heldSteps());
  for (const std::function<void()>& step : qAsConst(due)) step();
}

void CommsDemo::attach(RAZ::Sessions::SessionManagerBase* session, const QString& address) {
  RAZ::Controllers::CommsSessionController* comms =
      session ? session->commsSessionController() : nullptr;
  if (!comms || session->findChild<CommsDemo*>(QString(), Qt::FindDirectChildrenOnly)) return;
  new CommsDemo(comms, address, session);
}

CommsDemo::CommsDemo(RAZ::Controllers::CommsSessionController* comms, const QString& address,
                     QObject* parent)
    : QObject(parent),
      m_comms(comms),
      m_session(qobject_cast<RAZ::Sessions::SessionManagerBase*>(parent)),
      m_address(address) {
  setObjectName(QStringLiteral("commsDemo"));
  comms->setPartySide(this);
  connect(comms, &RAZ::Controllers::CommsSessionController::sessionStarted, this,
          &CommsDemo::onSessionStarted);
}

CommsDemo* CommsDemo::of(const RAZ::Sessions::SessionManagerBase* session) {
  return session ? session->findChild<CommsDemo*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

CommsDemo::~CommsDemo() {
  if (m_comms) m_comms->setPartySide(nullptr);
}

namespace {

// A call the parties talk on, or one held by either side.
bool connected(const CallBasePtr* call) {
  if (!call) return false;
  switch (call->getCallState()) {
    case CallBasePtr::StateInCall:
    case CallBasePtr::StateHeld:
    case CallBasePtr::StateRemoteHeld:
    case CallBasePtr::StateHolding:
    case CallBasePtr::StateTransferring:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool CommsDemo::partyPresence(int contactId, int state, const QString& note) {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  RAZ::Contacts::ContactPtr contact =
      contacts && contactId != 0 ? contacts->getContact(contactId) : nullptr;
  if (!contact || !contact->presenceData()) return false;
  if (m_beforeCall.contains(contactId)) {
    m_beforeCall.insert(contactId, {state, note});
    return true;
  }
  contact->presenceData()->setReceived(state, note);
  return true;
}

void CommsDemo::followCalls() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  if (!contacts) return;
  QList<int> talking;
  bool onThePhone = false;
  const auto sessions = m_comms->commsList();
  for (const CommunicationSession* s : sessions) {
    if (!s || !connected(s->getCall())) continue;
    onThePhone = true;
    if (s->contactId() != 0 && !s->isGroup()) talking << s->contactId();
  }
  using RAZ::Presence::PresenceState;
  for (int id : qAsConst(talking)) {
    if (m_beforeCall.contains(id)) continue;
    RAZ::Contacts::ContactPtr contact = contacts->getContact(id);
    RAZ::Presence::PresenceData* presence = contact ? contact->presenceData() : nullptr;
    // Only somebody with an address on the service has a presence there:
    // not its own lines (echo test, mailbox), nor a bare number.
    if (!presence || (contact->getSipUri().isEmpty() && contact->getJid().isEmpty())) continue;
    m_beforeCall.insert(id, {presence->state(), presence->statusText()});
    presence->setReceived(PresenceState::OnCall,
                          Service::presenceNotes(PresenceState::OnCall).value(0));
  }
  const QList<int> before = m_beforeCall.keys();
  for (int id : before) {
    if (talking.contains(id)) continue;
    const QPair<int, QString> own = m_beforeCall.take(id);
    RAZ::Contacts::ContactPtr contact = contacts->getContact(id);
    if (contact && contact->presenceData())
      contact->presenceData()->setReceived(own.first, own.second);
  }
  // The user too, unless hidden as offline; a presence the user chose
  // during the call stays after it.
  RAZ::Presence::PresenceData* own = contacts->ownPresence();
  if (!own) return;
  if (onThePhone && m_ownBeforeCall < 0 && own->online() &&
      !PresenceState::isOnCall(own->state())) {
    m_ownBeforeCall = own->state();
    own->setReceived(PresenceState::OnCall, own->statusText());
  } else if (!onThePhone && m_ownBeforeCall >= 0) {
    if (own->state() == PresenceState::OnCall) own->setReceived(m_ownBeforeCall, own->statusText());
    m_ownBeforeCall = -1;
  }
}

void CommsDemo::onSessionStarted(CommunicationSession* session, bool incoming) {
  if (!session) return;
  ChatDemo::followChatsOf(session, m_address);
  connect(session, &CommunicationSession::callStateChanged, this, &CommsDemo::followCalls);
  connect(session, &CommunicationSession::callChanged, this, &CommsDemo::followCalls);
  // Gone with its call: the others say who is still on the phone.
  connect(session, &QObject::destroyed, this,
          [this] { QTimer::singleShot(0, this, &CommsDemo::followCalls); });
  ChatInterface* chat = session->getChatInterface();
  if (!chat) return;
  QPointer<ChatInterface> guard(chat);
  // The peer writes under its address; only somebody online answers. The
  // party is the one the list knows now and later (its presence may change
  // while the session runs).
  const QString party = chat->peer();
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  QPointer<RAZ::Contacts::IContact> partyContact(
      contacts ? contacts->getContact(session->contactId()).data() : nullptr);
  auto answer = [guard, party] {
    QTimer::singleShot(kAnswerDelayMs, guard.data(), [guard, party] {
      if (guard) emit guard->messageReceived(party, Service::tr("Sounds good."));
    });
  };
  // Messages to somebody offline wait for the person, who reads them and
  // answers once back online.
  const char* const waiting = "zentMessagesWaiting";
  connect(chat, &ChatInterface::messageSent, this,
          [guard, partyContact, answer, waiting](const QString&) {
            if (!partyContact || !guard) return;
            if (partyContact->isOnline())
              answer();
            else
              guard->setProperty(waiting, true);
          });
  if (partyContact && partyContact->presenceData() && !chat->isRoom())
    connect(partyContact->presenceData(), &RAZ::Presence::PresenceData::presenceChanged, chat,
            [guard, partyContact, answer, waiting] {
              if (!guard || !partyContact || !partyContact->isOnline() ||
                  !guard->property(waiting).toBool())
                return;
              guard->setProperty(waiting, false);
              answer();
            });
  if (auto* room = qobject_cast<XmppChat*>(chat)) {
    connect(room, &XmppChat::stateChanged, this, [this, room] { membersAnswer(room); });
    membersAnswer(room);
  }
  // A party that starts a chat says something (after the session is known).
  if (incoming && !chat->isRoom()) partyStartsWriting(chat);
}

void CommsDemo::partyStartsWriting(ChatInterface* chat) {
  if (!chat || chat->isRoom()) return;
  QPointer<ChatInterface> guard(chat);
  const QString party = chat->peer();
  QTimer::singleShot(0, chat, [guard, party] {
    if (guard) emit guard->messageReceived(party, Service::tr("Hi, have you got a minute?"));
  });
}

void CommsDemo::membersAnswer(XmppChat* chat) {
  RAZ::Controllers::XmppChatController* rooms =
      m_session ? m_session->xmppChatController() : nullptr;
  if (!chat || !rooms || chat->state() != XmppChat::StateJoined) return;
  // The user alone hears nothing back.
  QStringList others = rooms->roomMembers(chat->roomJid());
  others.removeAll(m_address);
  if (others.isEmpty() || chat->property("zentMemberAnswers").toBool()) return;
  chat->setProperty("zentMemberAnswers", true);
  QPointer<XmppChat> guard(chat);
  QPointer<RAZ::Controllers::CommsSessionController> comms(m_comms);
  connect(chat, &ChatInterface::messageSent, this, [guard, others, comms](const QString&) {
    QTimer::singleShot(kAnswerDelayMs, guard.data(), [guard, others, comms] {
      if (!guard) return;
      // The first member who is online when the message arrives answers;
      // somebody shown offline says nothing, as in a chat of two.
      RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
          comms ? comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
      for (const QString& member : others) {
        RAZ::Contacts::ContactPtr contact = contacts ? contacts->getContactByJid(member) : nullptr;
        if (contact && !contact->isOnline()) continue;
        emit guard->messageReceived(member, Service::tr("Noted, thanks."));
        return;
      }
    });
  });
}

QString CommsDemo::turnAwayNote() const {
  if (m_address.isEmpty()) return QString();
  using RAZ::Controllers::SupplementaryService;
  const RAZ::Xsi::StoredCallSettings& settings =
      RAZ::Xsi::CallSettingsStore::instance().account(m_address);
  auto active = [&settings](int id) {
    return settings.services.contains(id) &&
           settings.services.value(id).state == RAZ::Controllers::XsiServiceObject::StateOn;
  };
  // Do Not Disturb wins: the service rejects before it forwards.
  if (active(SupplementaryService::DoNotDisturb)) return Service::tr("Rejected: Do Not Disturb");
  if (active(SupplementaryService::CallForwardingAlways)) {
    const QString number = settings.services.value(SupplementaryService::CallForwardingAlways)
                               .attributes.value(QStringLiteral("forwardToPhoneNumber"));
    if (!number.isEmpty()) return Service::tr("Forwarded to %1").arg(number);
  }
  return QString();
}

int CommsDemo::transferRefusal(const QString& address) const {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  RAZ::Contacts::IContact* contact = contacts ? contacts->findContactByAddress(address) : nullptr;
  // A number or address nobody in the list owns: the service puts it through.
  if (!contact) return 0;
  const int presence = contact->getPresenceState();
  if (RAZ::Presence::PresenceState::isOnCall(presence)) return 486;
  if (!RAZ::Presence::PresenceState::isOnline(presence)) return 480;
  if (RAZ::Presence::PresenceState::isBusyOrInMeeting(presence)) return 603;
  return 0;
}

void CommsDemo::callPlaced(CommunicationSession* session, int contactId) {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  RAZ::Contacts::ContactPtr contact = contacts ? contacts->getContact(contactId) : nullptr;
  const int presence =
      contact ? contact->getPresenceState() : int(RAZ::Presence::PresenceState::Unknown);
  // A person the service found for a number, outside the list: its
  // signalling names the person, so the call is named so from the start.
  if (contact && contact->isTemporary() && session && session->getCall() &&
      !contact->getSipUri().isEmpty() &&
      !contact->getProperty(RAZ::Contacts::Properties::KeyDisplayName).toString().isEmpty())
    session->getCall()->setFromAddress(
        QStringLiteral("\"%1\" <%2>").arg(contact->getDisplayName(), contact->getSipUri()),
        QString());
  QPointer<CommunicationSession> guard(session);
  auto later = [this, guard](int ms, std::function<void(CommunicationSession*)> step) {
    QTimer::singleShot(ms, this, [guard, step] {
      const auto run = [guard, step] {
        if (guard && guard->getCall()) step(guard.data());
      };
      if (g_calledPartiesHeld)
        heldSteps().append(run);
      else
        run();
    });
  };
  // On another call: busy at once.
  if (RAZ::Presence::PresenceState::isOnCall(presence)) {
    later(kDialMs, [](CommunicationSession* s) { s->getCall()->close(CallBasePtr::CloseBusy); });
    return;
  }
  later(kDialMs, [](CommunicationSession* s) {
    if (s->getCall()->getCallState() == CallBasePtr::StateDialing) s->reportRinging();
  });
  const bool offline = !RAZ::Presence::PresenceState::isOnline(presence);
  const bool inMeeting = RAZ::Presence::PresenceState::isBusyOrInMeeting(presence) &&
                         !RAZ::Presence::PresenceState::isOnCall(presence);
  // Only a call still ringing goes unanswered or is declined.
  auto ringing = [](CommunicationSession* s) {
    return s->getCall()->getCallState() == CallBasePtr::StateDialing;
  };
  if (offline) {
    later(kDialMs + 3 * kRingMs, [ringing](CommunicationSession* s) {
      if (ringing(s)) s->getCall()->close(CallBasePtr::CloseNoAnswer);
    });
  } else if (inMeeting) {
    later(kDialMs + kRingMs, [ringing](CommunicationSession* s) {
      if (ringing(s)) s->getCall()->close(CallBasePtr::CloseDeclined);
    });
  } else {
    // One ring or two, always the same for a party.
    const int rings = 1 + (contactId > 0 ? contactId % 2 : 0);
    later(kDialMs + rings * kRingMs, [](CommunicationSession* s) {
      if (s->getCall()->getCallState() != CallBasePtr::StateDialing) return;
      s->getCall()->setCallState(CallBasePtr::StateInCall);
      // A party called with video takes it: the pictures start at once.
      if (s->getCall()->isVideoCall()) s->getCall()->startVideo();
    });
  }
}

}  // namespace Demo
}  // namespace RAZ

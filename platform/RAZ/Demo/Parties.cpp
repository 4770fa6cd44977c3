// What the demo's people do with calls: who a dialled number reaches, the
// echo test behind the test-call numbers, how long a caller lets the phone
// ring, and which of them call or offer files as their presence allows.
#include <QPointer>
#include <QTimer>

#include <utility>

#include <TP/Core/Logging.h>

#include "RAZ/Client.h"
#include "RAZ/Configuration/Config.h"
#include "RAZ/Configuration/ConfigIds.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Demo/ChatDemo.h"
#include "RAZ/Demo/DemoSession.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Utils/Parsers.h"

namespace RAZ {
namespace Demo {

namespace {

const char kLog[] = "RAZ::Demo::Parties";
// The echo test picks up as soon as the call reaches it.
const int kEchoAnswerMs = 300;
// How long a party calling the user lets the phone ring.
const int kDefaultRingTimeMs = 30000;
int g_ringTime = kDefaultRingTimeMs;

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;

// The number an address dials: "tel:" and "sip:" forms of a number, and a
// SIP address whose user is a number (an extension), give the number;
// anything else is no number (empty).
QString dialledNumber(const QString& address) {
  QString bare = address.trimmed();
  if (bare.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) bare = bare.mid(4);
  if (bare.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive)) bare = bare.mid(4);
  bare = bare.section(QLatin1Char('@'), 0, 0).section(QLatin1Char(';'), 0, 0);
  if (!RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(bare)) return QString();
  return RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(bare);
}

// Whether a party calling the user is on a call with the user already.
bool onACallWith(const RAZ::Controllers::CommsSessionController* comms, int contactId) {
  if (!comms) return false;
  const auto sessions = comms->commsList();
  for (const CommunicationSession* s : sessions)
    if (s && s->contactId() == contactId && s->getCall() && !s->isGroup()) return true;
  return false;
}

}  // namespace

bool DemoSession::isTestCallNumber(const QString& address) const {
  const QString number = dialledNumber(address);
  if (number.isEmpty() || !configuration()) return false;
  const auto pairs = configuration()->value(RAZ::Configuration::ConfigId::TestCallNumbers).toList();
  for (const QVariant& pair : pairs) {
    const QString test = pair.toStringList().value(1);
    if (!test.isEmpty() && RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(test) == number)
      return true;
  }
  return false;
}

bool DemoSession::isVoiceMailNumber(const QString& address) const {
  const QString number = dialledNumber(address);
  const QString mailbox =
      configuration() ? configuration()->getString(RAZ::Configuration::ConfigId::VoiceMailNumber)
                      : QString();
  return !number.isEmpty() && !mailbox.isEmpty() &&
         RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(mailbox) == number;
}

RAZ::Contacts::ContactPtr DemoSession::partyOf(const QString& address) {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = contactsManager();
  if (!contacts || address.trimmed().isEmpty()) return RAZ::Contacts::ContactPtr();
  // The service's own lines, the echo test and the voice mailbox, go by
  // their names wherever the call shows.
  const bool echoTest = isTestCallNumber(address);
  if (echoTest || isVoiceMailNumber(address)) {
    const QString number = dialledNumber(address);
    QPointer<RAZ::Contacts::IContact>& line = m_echoParties[number];
    if (!line) {
      using RAZ::Contacts::Properties::Key;
      line = contacts->createTemporaryContact(
          {{QString::number(Key::KeyWork), number},
           {QString::number(Key::KeyDisplayName),
            echoTest ? Service::tr("Echo Test") : Service::tr("Voice Mail")}});
      // The service's own line: always there to answer.
      line->presenceData()->setReceived(RAZ::Presence::PresenceState::Available, QString());
    }
    return RAZ::Contacts::ContactPtr(line.data());
  }
  // The list's people, by any of their numbers and addresses; a SIP address
  // whose user is a number ("sip:102@demo.zent") reaches that number's owner.
  const QString number = dialledNumber(address);
  for (const QString& wanted : {address, number}) {
    if (wanted.isEmpty()) continue;
    RAZ::Contacts::IContact* owner = contacts->findContactByAddress(wanted);
    if (owner && owner->isInStore()) return RAZ::Contacts::ContactPtr(owner);
  }
  return personOutsideTheList(address, number);
}

// The service routes to everybody it knows, not only to the people of the
// user's list: the directory's people and the demo's own (a contact the user
// took off the list keeps its numbers). Each is one party for the session,
// so two calls to it name the same person; its presence is what the
// service knows of it (the directory's people are at their desks).
RAZ::Contacts::ContactPtr DemoSession::personOutsideTheList(const QString& address,
                                                            const QString& number) {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = contactsManager();
  if (!contacts) return RAZ::Contacts::ContactPtr();
  const RAZ::Utils::SipUriParser parser;
  QStringList wanted;
  for (const QString& w : {address, number})
    if (!w.isEmpty() && !parser.matchableUri(w).isEmpty()) wanted << parser.matchableUri(w);
  if (wanted.isEmpty()) return RAZ::Contacts::ContactPtr();
  auto owns = [&parser, &wanted](const QVariantMap& entry) {
    for (const char* field : {"sip", "jid", "email", "work", "mobile", "extension"}) {
      const QString value = entry.value(QLatin1String(field)).toString();
      if (!value.isEmpty() && wanted.contains(parser.matchableUri(value))) return true;
    }
    return false;
  };
  Service& service = Service::instance();
  QVariantMap found;
  QString name;
  int presence = RAZ::Presence::PresenceState::Available;
  QString note;
  const auto people = service.contacts();
  for (const QVariantMap& c : people) {
    if (!owns(c)) continue;
    found = c;
    name = (c.value(QStringLiteral("first")).toString() + QLatin1Char(' ') +
            c.value(QStringLiteral("last")).toString())
               .trimmed();
    presence = c.value(QStringLiteral("presence")).toInt();
    note = c.value(QStringLiteral("status")).toString();
    break;
  }
  if (found.isEmpty()) {
    const auto directory = service.directory();
    for (const QVariantMap& d : directory) {
      if (!owns(d)) continue;
      found = d;
      name = d.value(QStringLiteral("name")).toString();
      break;
    }
  }
  if (found.isEmpty() || name.isEmpty()) return RAZ::Contacts::ContactPtr();
  QPointer<RAZ::Contacts::IContact>& party = m_outsideParties[name];
  if (!party) {
    // The party the program made for the number dialled is that person
    // now: it takes the person's name and numbers, so every view that
    // finds the party by the number names the person.
    for (const QString& w : {address, number}) {
      RAZ::Contacts::IContact* dialled = w.isEmpty() ? nullptr : contacts->findContactByAddress(w);
      if (dialled && dialled->isTemporary() && !dialled->isInStore()) {
        party = dialled;
        break;
      }
    }
    if (!party) party = contacts->createTemporaryContact(QVariantMap());
    using RAZ::Contacts::Properties::Key;
    party->setProperty(Key::KeyDisplayName, name);
    const std::pair<const char*, int> fields[] = {
        {"first", Key::KeyFirstName}, {"last", Key::KeyLastName},      {"jid", Key::KeyJid},
        {"sip", Key::KeySipUri},      {"email", Key::KeyEmail},        {"work", Key::KeyWork},
        {"mobile", Key::KeyMobile},   {"extension", Key::KeyExtension}};
    for (const auto& field : fields) {
      const QString value = found.value(QLatin1String(field.first)).toString();
      if (!value.isEmpty()) party->setProperty(field.second, value);
    }
    const QString jid = found.value(QStringLiteral("jid")).toString();
    if (found.value(QStringLiteral("sip")).toString().isEmpty() && !jid.isEmpty())
      party->setProperty(Key::KeySipUri, QStringLiteral("sip:") + jid);
    party->presenceData()->setReceived(presence, note);
  }
  return RAZ::Contacts::ContactPtr(party.data());
}

void DemoSession::onSessionCreated(CommunicationSession* session, bool incoming) {
  CallBasePtr* call = session ? session->getCall() : nullptr;
  if (!call) return;
  QPointer<CommunicationSession> guard(session);
  QPointer<CallBasePtr> callGuard(call);
  if (incoming) {
    // Nobody lets a phone ring for ever: unanswered, the caller hangs up
    // and the call is one the user missed.
    QTimer::singleShot(g_ringTime, this, [guard, callGuard] {
      if (!guard || !callGuard || guard->getCall() != callGuard.data()) return;
      const int state = callGuard->getCallState();
      if (state == CallBasePtr::StateIncoming || state == CallBasePtr::StateRinging)
        callGuard->close(CallBasePtr::CloseCallerGaveUp);
    });
    return;
  }
  if (!isTestCallNumber(session->uri())) return;
  // The echo test picks up at once, without a ring.
  QTimer::singleShot(kEchoAnswerMs, this, [guard, callGuard] {
    if (!guard || !callGuard || guard->getCall() != callGuard.data()) return;
    if (callGuard->getCallState() == CallBasePtr::StateDialing) {
      TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "The echo test answers";
      callGuard->setCallState(CallBasePtr::StateInCall);
    }
  });
}

int DemoSession::ringSomeoneIn() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = contactsManager();
  RAZ::Controllers::CommsSessionController* comms = commsSessionController();
  if (!contacts || !comms) return 0;
  QList<int> free;
  const auto ids = contacts->contactIds();
  for (int id : ids) {
    RAZ::Contacts::ContactPtr c = contacts->getContact(id);
    // Only somebody available calls: not while on a call or in a meeting,
    // and not again while already on a call with the user.
    if (c && c->isOnline() && !c->getSipUri().isEmpty() &&
        !Service::isBusyOrInMeeting(c->getPresenceState()) && !onACallWith(comms, id))
      free << id;
  }
  if (free.isEmpty()) return 0;
  const int id = free.at(m_nextCaller++ % free.size());
  return comms->receiveSession(id, CommunicationSession::KindCall) ? id : 0;
}

// --- The service's side ---

bool Service::isBusyOrInMeeting(int presence) {
  return RAZ::Presence::PresenceState::isBusyOrInMeeting(presence);
}

void Service::setRingTime(int ms) { g_ringTime = ms > 0 ? ms : kDefaultRingTimeMs; }

bool Service::isOnACallWithUser(int contactId) const {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  return session && onACallWith(session->commsSessionController(), contactId);
}

int Service::someoneCalls() {
  auto* session = qobject_cast<DemoSession*>(openSession());
  if (!session) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No session for a caller";
    return 0;
  }
  return session->ringSomeoneIn();
}

bool Service::incomingSessionFrom(const QString& address, CommunicationSession::Kind kind) {
  auto* session = qobject_cast<DemoSession*>(openSession());
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      session ? session->contactsManager() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  if (!contacts) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No session for a caller";
    return false;
  }
  if (session->isServiceLine(address)) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "The service's own lines call nobody";
    return false;
  }
  RAZ::Contacts::ContactPtr party = session->partyOf(address);
  const bool call =
      kind == CommunicationSession::KindCall || kind == CommunicationSession::KindVideoCall;
  // Anybody may ring from a number the service does not know: the call
  // shows that number.
  if (!party && call && !dialledNumber(address).isEmpty())
    party = RAZ::Contacts::ContactPtr(contacts->findOrCreateContact(dialledNumber(address)));
  if (!party) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Nobody the service knows at that address";
    return false;
  }
  return incomingSession(party->getId(), kind);
}

bool Service::offerFile(int contactId) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  RAZ::Controllers::CommsSessionController* comms =
      session ? session->commsSessionController() : nullptr;
  RAZ::Contacts::ContactPtr contact = session && session->contactsManager()
                                          ? session->contactsManager()->getContact(contactId)
                                          : RAZ::Contacts::ContactPtr();
  if (!comms || !contact) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No contact " << contactId << " to offer";
    return false;
  }
  if (!contact->isOnline()) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation)
        << "Contact " << contactId << " is offline and offers nothing";
    return false;
  }
  const auto sessions = comms->commsList();
  for (CommunicationSession* s : sessions) {
    RAZ::Controllers::ChatInterface* chat = s ? s->getChatInterface() : nullptr;
    if (!chat || chat->isRoom() || s->contactId() != contactId) continue;
    QPointer<RAZ::Controllers::ChatInterface> guard(chat);
    QTimer::singleShot(0, chat, [guard] {
      if (guard) ChatDemo::offerSomethingIn(guard);
    });
    return true;
  }
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "No chat with " << contactId;
  return false;
}

bool Service::peerIsOnline(const RAZ::Controllers::ChatInterface* chat) const {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!chat || !session || !session->contactsManager()) return false;
  RAZ::Contacts::ContactPtr peer = session->contactsManager()->getContactByJid(chat->peer());
  if (!peer)
    peer =
        RAZ::Contacts::ContactPtr(session->contactsManager()->findContactByAddress(chat->peer()));
  return peer && peer->isOnline();
}

}  // namespace Demo
}  // namespace RAZ

#include "RAZ/Demo/DemoSession.h"

#include "RAZ/Controllers/SecurityClassificationController.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QHash>
#include <QMetaMethod>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Configuration/Config.h"
#include "RAZ/Configuration/ConfigIds.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/FtController.h"
#include "RAZ/Controllers/IChatController.h"
#include "RAZ/Controllers/MyRoomController.h"
#include "RAZ/Controllers/Search/ContactSearch.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Demo/CommsDemo.h"
#include "RAZ/Demo/RoomDemo.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/MediaEngine/IMediaHandlerAudio.h"
#include "RAZ/MediaEngine/IMediaHandlerVideo.h"
#include "RAZ/Models/Timeline.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Services/Xmpp/XmppService.h"
#include "RAZ/Utils/Location.h"
#include "RAZ/Xsi/GranitewayAnywhere.h"
#include "RAZ/Xsi/SimultaneousRing.h"
#include "RAZ/Xsi/SupplementaryServices.h"
#include "RAZ/Xsi/XsiCallHistory.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Demo {

namespace {

// The service's reports of where the user is: the location it finds from
// the user's address (XSI) and the one the user published last (XMPP
// publish-subscribe, empty before the first). They arrive once the program
// listens, in the order the service sends them. ZENT_DEMO_LOCATION=0 keeps
// them back (tests that sign in do not want the location question);
// ZENT_DEMO_LOCATION=nowhere reports the address without a place, as a
// service does that cannot place it.
class DemoLocationSource : public RAZ::Utils::Location::Source {
 public:
  DemoLocationSource(const QString& account, QObject* parent)
      : RAZ::Utils::Location::Source(parent), m_account(account.toLower()) {}

 protected:
  void connectNotify(const QMetaMethod& signal) override {
    if (m_sent || qEnvironmentVariable("ZENT_DEMO_LOCATION") == QLatin1String("0") ||
        signal != QMetaMethod::fromSignal(&RAZ::Utils::Location::Source::xsiLocationReceived))
      return;
    m_sent = true;
    const bool placed = qEnvironmentVariable("ZENT_DEMO_LOCATION") != QLatin1String("nowhere");
    QTimer::singleShot(0, this, [this, placed] {
      emit pubsubLocationReceived(Service::instance().publishedLocation(m_account));
      RAZ::Utils::Location::Info found;
      found.ipAddress = QStringLiteral("198.51.100.23");
      if (!placed) {
        emit xsiLocationReceived(found);
        return;
      }
      found.timeZone = QStringLiteral("+01:00");
      // Place names in the user's language, as the service's directory of
      // places gives them (countries in capitals).
      found.city = Service::say(QStringLiteral("Berlin"));
      found.country = Service::say(QStringLiteral("GERMANY"));
      found.state = found.city;
      emit xsiLocationReceived(found);
    });
  }

 private:
  QString m_account;
  bool m_sent = false;
};

// The user's voice mailbox as the service reports it: the count of waiting
// messages, once the program listens (when there are any) and at each
// change. The count is the service's, kept between sessions.
class DemoMailbox : public RAZ::Sessions::MessagesSource {
 public:
  DemoMailbox(const QString& address, QObject* parent)
      : RAZ::Sessions::MessagesSource(parent), m_address(address) {}

  void report() {
    QTimer::singleShot(
        0, this, [this] { emit messages(Service::instance().voiceMails(m_address), QVariant()); });
  }

 protected:
  void connectNotify(const QMetaMethod& signal) override {
    if (m_listened || signal != QMetaMethod::fromSignal(&RAZ::Sessions::MessagesSource::messages))
      return;
    m_listened = true;
    if (Service::instance().voiceMails(m_address) > 0) report();
  }

 private:
  QString m_address;
  bool m_listened = false;
};

}  // namespace

namespace {

using RAZ::Contacts::Properties::Key;

QString k(int key) { return QString::number(key); }

}  // namespace

RAZ::Contacts::IContact* DemoSession::makeContact(const QVariantMap& entry) {
  QVariantMap p;
  // Only what the entry holds: a missing field is no property.
  auto put = [&](const char* field, int key) {
    const QVariant value = entry.value(QLatin1String(field));
    if (value.isValid() && !value.toString().isEmpty()) p.insert(k(key), value);
  };
  put("first", Key::KeyFirstName);
  put("last", Key::KeyLastName);
  put("jid", Key::KeyJid);
  put("sip", Key::KeySipUri);
  put("email", Key::KeyEmail);
  put("work", Key::KeyWork);
  put("mobile", Key::KeyMobile);
  put("extension", Key::KeyExtension);
  if (entry.contains(QStringLiteral("groups")))
    p.insert(k(Key::KeyGroupIds), entry.value(QStringLiteral("groups")).toList());
  auto* contact = new RAZ::Contacts::IContact(entry.value(QStringLiteral("id")).toInt(), p);
  contact->presenceData()->setReceived(entry.value(QStringLiteral("presence")).toInt(),
                                       entry.value(QStringLiteral("status")).toString());
  contact->setFavourite(entry.value(QStringLiteral("favourite")).toBool());
  return contact;
}

namespace {

// Presence states the demo contacts move between.
using PresenceState = RAZ::Presence::PresenceState;
const int kStates[] = {PresenceState::Available, PresenceState::Available, PresenceState::Away,
                       PresenceState::Busy,      PresenceState::Meeting,   PresenceState::OnCall,
                       PresenceState::Offline};
// How long the demo's directories take to answer a search.
constexpr int kDirectoryAnswerMs = 250;
// A demo contact calls the user a while after sign-in, then now and then,
// as colleagues do over a working day (not while the user finds their way
// round the first minutes); an unanswered caller hangs up after a while.
const int kFirstIncomingCallMs = 4 * 60000;
const int kIncomingCallIntervalMs = 15 * 60000;
// Somebody leaves a voice-mail message a while after sign-in, then now and
// then; the mailbox answers a call after one ring.
const int kFirstVoiceMailMs = 9 * 60000;
const int kVoiceMailIntervalMs = 40 * 60000;
const int kMailboxAnswersMs = 2500;

}  // namespace

namespace {

const QString kHistoryKey = QStringLiteral("history");
const QString kRoomsKey = QStringLiteral("rooms");
const QString kRoomsAsSaidKey = QStringLiteral("roomsAsSaid");

// A record of the demo data's history file.
RAZ::Models::CallLog::Record seedRecord(const QVariantMap& h) {
  RAZ::Models::CallLog::Record r;
  r.contactId = h.value(QStringLiteral("contactId")).toInt();
  r.address = h.value(QStringLiteral("address")).toString();
  r.name = h.value(QStringLiteral("name")).toString();
  const QString direction = h.value(QStringLiteral("direction")).toString();
  r.direction = direction == QLatin1String("outgoing")
                    ? RAZ::Models::CallLog::Outgoing
                    : (direction == QLatin1String("missed") ? RAZ::Models::CallLog::Missed
                                                            : RAZ::Models::CallLog::Incoming);
  const QString type = h.value(QStringLiteral("type")).toString();
  r.kind = type == QLatin1String("video")
               ? RAZ::Models::CallLog::Video
               : (type == QLatin1String("chat") ? RAZ::Models::CallLog::Chat
                                                : RAZ::Models::CallLog::Audio);
  r.start = QDateTime::fromString(h.value(QStringLiteral("start")).toString(), Qt::ISODate);
  r.durationSec = h.value(QStringLiteral("durationSec")).toInt();
  r.isNew = r.direction == RAZ::Models::CallLog::Missed;
  return r;
}

QVariant historyToVariant(const QList<RAZ::Models::CallLog::Record>& records) {
  QVariantList out;
  for (const RAZ::Models::CallLog::Record& r : records) {
    QVariantMap m;
    m.insert(QStringLiteral("contactId"), r.contactId);
    m.insert(QStringLiteral("address"), r.address);
    m.insert(QStringLiteral("name"), r.name);
    m.insert(QStringLiteral("direction"), r.direction);
    m.insert(QStringLiteral("kind"), r.kind);
    m.insert(QStringLiteral("start"), r.start);
    m.insert(QStringLiteral("durationSec"), r.durationSec);
    m.insert(QStringLiteral("isNew"), r.isNew);
    m.insert(QStringLiteral("note"), r.note);
    if (r.room != RAZ::Models::CallLog::NoRoom) m.insert(QStringLiteral("room"), r.room);
    out << m;
  }
  return out;
}

QList<RAZ::Models::CallLog::Record> historyFromVariant(const QVariant& v) {
  QList<RAZ::Models::CallLog::Record> out;
  const auto list = v.toList();
  for (const QVariant& item : list) {
    const QVariantMap m = item.toMap();
    RAZ::Models::CallLog::Record r;
    r.contactId = m.value(QStringLiteral("contactId")).toInt();
    r.address = m.value(QStringLiteral("address")).toString();
    r.name = m.value(QStringLiteral("name")).toString();
    r.direction = m.value(QStringLiteral("direction")).toInt();
    r.kind = m.value(QStringLiteral("kind")).toInt();
    r.start = m.value(QStringLiteral("start")).toDateTime();
    r.durationSec = m.value(QStringLiteral("durationSec")).toInt();
    r.isNew = m.value(QStringLiteral("isNew")).toBool();
    r.note = m.value(QStringLiteral("note")).toString();
    // Kept as a mark before places were told apart: a listed room.
    const QVariant room = m.value(QStringLiteral("room"));
    r.room = room.type() == QVariant::Bool
                 ? (room.toBool() ? RAZ::Models::CallLog::ListedRoom : RAZ::Models::CallLog::NoRoom)
                 : room.toInt();
    out << r;
  }
  return out;
}

}  // namespace

DemoSession::DemoSession(const RAZ::Configuration::Config* config, QObject* parent)
    : SessionManagerBase(config, parent) {}

DemoSession::~DemoSession() {
  // The service keeps the account's list for its next session.
  // The service keeps the account's history too, with what the user has
  // seen of it: a missed call seen once is not new again at the next
  // sign-in.
  if (m_built && contactsManager()) {
    QVariantMap state = contactsManager()->snapshot();
    if (callLog())
      state.insert(kHistoryKey,
                   historyToVariant(RAZ::Models::CallLog::newestKept(callLog()->records())));
    // And its rooms as the user left them: created, renamed, reconfigured
    // or deleted, a room is so at the next sign-in.
    if (RAZ::Controllers::XmppChatController* rooms = xmppChatController()) {
      state.insert(kRoomsKey, rooms->roomsSnapshot());
      QStringList asSaid;
      for (auto it = m_saidRooms.cbegin(); it != m_saidRooms.cend(); ++it)
        if (rooms->hasRoom(it.key()) && rooms->roomName(it.key()) == it.value().first)
          asSaid << it.key();
      state.insert(kRoomsAsSaidKey, asSaid);
    }
    Service::instance().setAccountState(userName(), state);
  }
}

void DemoSession::buildContacts(RAZ::Contacts::Contacts* contacts, const QString& username,
                                const QString& address) {
  Service& service = Service::instance();
  QVariantMap own;
  own.insert(QStringLiteral("id"), 0);
  own.insert(QStringLiteral("first"), username.section(QLatin1Char('@'), 0, 0));
  own.insert(QStringLiteral("jid"), address);
  own.insert(QStringLiteral("sip"), QStringLiteral("sip:") + address);
  own.insert(QStringLiteral("presence"), int(PresenceState::Available));
  RAZ::Contacts::IContact* ownContact = makeContact(own);
  // The account's personal conference room.
  const QString room = QStringLiteral("myroom.") + username.section(QLatin1Char('@'), 0, 0);
  ownContact->setProperty(Key::KeyMyRoomDialIn, QStringLiteral("+1 555 0100"));
  ownContact->setProperty(Key::KeyMyRoomConferenceId, QStringLiteral("4477120"));
  ownContact->setProperty(Key::KeyMyRoomSecurityPin, QStringLiteral("2468"));
  ownContact->setProperty(Key::KeyMyRoomModeratorPin, QStringLiteral("1357"));
  ownContact->setProperty(Key::KeyMyRoomWebcollab,
                          QStringLiteral("https://collab.demo.zent/room/") + room);
  ownContact->setProperty(Key::KeyMyRoomChat, room + QStringLiteral("@conference.demo.zent"));
  contacts->setOwnContact(ownContact);
  const auto presenceRequests = service.presenceRequests();
  if (service.presenceRequestsAtSignIn()) {
    for (const QVariantMap& r : presenceRequests) {
      const int id = r.value(QStringLiteral("id")).toInt();
      if (service.presenceRequestAnswered(username, id)) continue;
      RAZ::Contacts::IContact* request = makeContact(r);
      // Answered once, a request is not asked again at the next sign-in.
      auto answered = [username, id] {
        Service::instance().notePresenceRequestAnswered(username, id);
      };
      connect(request, &RAZ::Contacts::IContact::ignoredChanged, request, answered);
      connect(request, &RAZ::Contacts::IContact::authorized, request, answered);
      contacts->addPresenceRequest(request);
    }
  }

  const QVariantMap kept = service.accountState(username);
  if (kept.isEmpty()) {
    const auto groups = service.groups();
    for (const QVariantMap& g : groups)
      contacts->addGroup(g.value(QStringLiteral("id")).toInt(),
                         g.value(QStringLiteral("name")).toString());
    QList<RAZ::Contacts::IContact*> book;
    const auto demoContacts = service.contacts();
    for (const QVariantMap& c : demoContacts) book.append(makeContact(c));
    contacts->addContacts(book);
    return;
  }
  // The list as the account left it; presence comes from the service anew.
  QHash<int, QVariantMap> demo;
  const auto demoContacts = service.contacts();
  for (const QVariantMap& c : demoContacts) demo.insert(c.value(QStringLiteral("id")).toInt(), c);
  const auto keptGroups = kept.value(QStringLiteral("groups")).toList();
  for (const QVariant& g : keptGroups) {
    const QVariantMap group = g.toMap();
    contacts->addGroup(group.value(QStringLiteral("id")).toInt(),
                       group.value(QStringLiteral("name")).toString());
  }
  QList<RAZ::Contacts::IContact*> book;
  const auto keptContacts = kept.value(QStringLiteral("contacts")).toList();
  for (const QVariant& v : keptContacts) {
    const QVariantMap entry = v.toMap();
    const int id = entry.value(QStringLiteral("id")).toInt();
    auto* contact =
        new RAZ::Contacts::IContact(id, entry.value(QStringLiteral("properties")).toMap());
    const QVariantMap d = demo.value(id);
    contact->presenceData()->setReceived(
        d.value(QStringLiteral("presence"), int(PresenceState::Offline)).toInt(),
        d.value(QStringLiteral("status")).toString());
    contact->setFavourite(entry.value(QStringLiteral("favourite")).toBool());
    book.append(contact);
  }
  contacts->addContacts(book);
}

namespace {
// What the history keeps of any communication with a party.
RAZ::Models::CallLog::Record historyRecord(int contactId, const QString& address,
                                           const QString& name, int kind) {
  RAZ::Models::CallLog::Record r;
  r.contactId = contactId > 0 ? contactId : 0;
  r.address = address;
  r.name = name;
  r.kind = kind;
  return r;
}
}  // namespace

void DemoSession::recordEnded(int contactId, const QString& address, const QString& name, int kind,
                              bool incoming, const QDateTime& start, int durationSec, bool missed,
                              int room) {
  if (!callLog()) return;
  RAZ::Models::CallLog::Record r = historyRecord(contactId, address, name, kind);
  r.room = room;
  r.direction = missed
                    ? RAZ::Models::CallLog::Missed
                    : (incoming ? RAZ::Models::CallLog::Incoming : RAZ::Models::CallLog::Outgoing);
  r.start = start;
  r.durationSec = durationSec;
  // A missed call waits for the user to see it (the badge counts it).
  r.isNew = missed;
  callLog()->add(r);
}

void DemoSession::recordTurnedAway(int contactId, const QString& address, const QString& name,
                                   int kind, const QString& note) {
  if (!callLog()) return;
  RAZ::Models::CallLog::Record r = historyRecord(contactId, address, name, kind);
  r.direction = RAZ::Models::CallLog::Missed;
  r.start = QDateTime::currentDateTime();
  r.note = note;
  r.isNew = true;
  callLog()->add(r);
}

bool DemoSession::eventFilter(QObject* watched, QEvent* event) {
  // One pass for the events a switch of language sends.
  if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange &&
      m_built && !m_sayAgainPending) {
    m_sayAgainPending = true;
    QTimer::singleShot(0, this, [this] {
      m_sayAgainPending = false;
      sayNamesAgain();
    });
  }
  return RAZ::Sessions::SessionManagerBase::eventFilter(watched, event);
}

void DemoSession::sayNamesAgain() {
  Service& service = Service::instance();
  RAZ::Contacts::Contacts* contacts = contactsManager().data();
  const auto groups = service.groups();
  for (const QVariantMap& g : groups) {
    const int id = g.value(QStringLiteral("id")).toInt();
    const QString name = g.value(QStringLiteral("name")).toString();
    RAZ::Contacts::IGroup* group = contacts ? contacts->getGroup(id) : nullptr;
    if (group && m_saidGroups.contains(id) && group->getName() == m_saidGroups.value(id))
      group->setName(name);
    m_saidGroups.insert(id, name);
  }
  RAZ::Controllers::XmppChatController* rooms = xmppChatController();
  const auto chatRooms = service.chatRooms();
  for (const QVariantMap& room : chatRooms) {
    const QString jid = room.value(QStringLiteral("jid")).toString();
    const QPair<QString, QString> said(room.value(QStringLiteral("name")).toString(),
                                       room.value(QStringLiteral("subject")).toString());
    if (rooms && rooms->hasRoom(jid) && m_saidRooms.contains(jid) &&
        rooms->roomName(jid) == m_saidRooms.value(jid).first)
      rooms->changeRoom(jid, said.first, said.second);
    m_saidRooms.insert(jid, said);
  }
  const QPair<QString, QString> place(Service::say(QStringLiteral("Berlin")),
                                      Service::say(QStringLiteral("GERMANY")));
  RAZ::Presence::PresenceData* own = contacts ? contacts->ownPresence() : nullptr;
  if (own) {
    RAZ::Utils::Location::Info info = own->getLocationInfo();
    if (!m_saidPlace.first.isEmpty() && info.city == m_saidPlace.first &&
        info.country == m_saidPlace.second) {
      info.city = place.first;
      info.country = place.second;
      if (info.state == m_saidPlace.first) info.state = place.first;
      own->setLocation(info);
    }
  }
  m_saidPlace = place;
}

void DemoSession::open(const QString& username, const QString& password) {
  if (m_built) return;
  m_built = true;
  setUserName(username);
  Service& service = Service::instance();
  Parts parts;
  parts.kind = KindAnnouncesContacts;

  QString address = username;
  if (!address.contains(QLatin1Char('@'))) address += QStringLiteral("@demo.zent");
  parts.ownAddress = new TP::Sip::UriPtr(QStringLiteral("sip:") + address);

  auto* contacts = new RAZ::Contacts::Contacts(this);
  buildContacts(contacts, username, address);
  parts.contacts = contacts;
  // Read by now: a store that could not be read started the account afresh.
  setKeptDataSetAside(service.takeStoreSetAside());
  connect(&service, &Service::storeNotSaved, this, &SessionManagerBase::keptDataNotSaved);

  auto* log = new RAZ::Models::CallLog(this);
  const QVariantMap kept = service.accountState(username);
  if (kept.contains(kHistoryKey)) {
    const auto history = historyFromVariant(kept.value(kHistoryKey));
    for (const RAZ::Models::CallLog::Record& r : history) log->add(r);
  } else {
    const auto callHistory = service.callHistory();
    for (const QVariantMap& h : callHistory) log->add(seedRecord(h));
  }
  parts.callLog = log;
  parts.callHistory = new RAZ::Controllers::XsiCallHistory(log, this);

  parts.search = new RAZ::Controllers::Search::ContactSearch(service.directory(), this);
  parts.search->setAnswerDelay(kDirectoryAnswerMs);
  parts.fullSearch = new RAZ::Controllers::Search::XsiContactFullSearch(service.directory(), this);
  parts.fullSearch->setAnswerDelay(kDirectoryAnswerMs);
  parts.outlookSearch = new RAZ::Controllers::Search::OutlookContactSearch(this);
  // The demo configuration names no LDAP server: the source stays unavailable.
  parts.ldapSearch =
      new RAZ::Controllers::Search::LdapContactSearch(configuration(), credentialsManager(), this);
  parts.sipChat = new RAZ::Controllers::IChatController(this);
  auto* xmpp = new RAZ::Controllers::XmppChatController(this);
  xmpp->setOwnJid(address);
  const auto chatRooms = service.chatRooms();
  const bool roomsKept = kept.contains(kRoomsKey);
  if (roomsKept) {
    xmpp->restoreRooms(kept.value(kRoomsKey).toList());
    // A room still named as the demo named it is named in today's language.
    const QStringList asSaid = kept.value(kRoomsAsSaidKey).toStringList();
    for (const QVariantMap& room : chatRooms) {
      const QString jid = room.value(QStringLiteral("jid")).toString();
      if (asSaid.contains(jid) && xmpp->hasRoom(jid))
        xmpp->changeRoom(jid, room.value(QStringLiteral("name")).toString(),
                         room.value(QStringLiteral("subject")).toString());
    }
  }
  for (const QVariantMap& room : roomsKept ? QList<QVariantMap>() : chatRooms) {
    const QString jid = room.value(QStringLiteral("jid")).toString();
    xmpp->addRoom(jid, room.value(QStringLiteral("name")).toString(),
                  room.value(QStringLiteral("subject")).toString(),
                  room.value(QStringLiteral("participants")).toInt());
    // The user's own rooms, protected and private ones, as the data say.
    xmpp->setRoomAccess(jid, room.value(QStringLiteral("password")).toString(),
                        room.value(QStringLiteral("membersOnly")).toBool(),
                        room.value(QStringLiteral("owned")).toBool(),
                        room.value(QStringLiteral("members")).toStringList(),
                        room.value(QStringLiteral("banned")).toBool());
  }
  parts.xmppChat = xmpp;
  parts.myRoom = new RAZ::Controllers::MyRoomController(
      QStringLiteral("myroom.") + username.section(QLatin1Char('@'), 0, 0) +
          QStringLiteral("@conference.demo.zent"),
      this);
  parts.xsiEngine = new RAZ::Xsi::XsiEngine(address, this);
  auto* xmppService = new RAZ::Services::Xmpp::XmppService(this);
  parts.xmppService = xmppService;
  // The user and every demo party own a personal room, named in the vCards
  // of the owner and of the room itself (invitations name the room where
  // they name its owner), so that a link that names only the owner can be
  // followed. The cards are made when asked for: two cards for each of a
  // large book's contacts would weigh on every sign-in.
  xmppService->contactData()->setCardSource([address](const QString& holder) {
    RAZ::Services::Xmpp::VCardIq card(holder);
    QStringList owners{address};
    const auto demoContacts = Service::instance().contacts();
    for (const QVariantMap& c : demoContacts) owners << c.value(QStringLiteral("jid")).toString();
    for (const QString& jid : qAsConst(owners)) {
      if (jid.isEmpty()) continue;
      const QString room = QStringLiteral("myroom.") + jid.section(QLatin1Char('@'), 0, 0) +
                           QStringLiteral("@conference.demo.zent");
      if (holder == jid || holder == room) {
        card.setConfChat(room.toUtf8().toBase64());
        break;
      }
    }
    return card;
  });
  // The call settings the demo service keeps per account across sign-ins.
  parts.supplementaryServices =
      new RAZ::Controllers::XsiSupplementaryServicesController2(address, this);
  parts.anywhere = new RAZ::Controllers::GranitewayAnywhereController(address, this);
  parts.simultaneousRing = new RAZ::Controllers::SimultaneousRingController(address, this);
  // The service's list of the account's services follows the sign-in.
  parts.supplementaryServices->fetchServicesList();

  m_audio = new RAZ::MediaEngine::MediaHandlerAudio(this);
  auto* video = new RAZ::MediaEngine::MediaHandlerVideo(this);
  video->addSystemCamerasWhenNeeded(
      [](RAZ::MediaEngine::MediaHandlerVideo& none) { addDemoCameras(&none); });
  parts.calls = new RAZ::MediaEngine::CallControllerBase(m_audio, video, this);

  auto* xsiCredentials = new RAZ::Xsi::XsiCredentialsControl(this);
  xsiCredentials->setCurrentPassword(password);
  parts.xsiCredentials = xsiCredentials;
  parts.ft = new RAZ::Controllers::FtController(this);
  parts.securityClassification = new RAZ::Controllers::SecurityClassificationController(
      {Service::tr("Unclassified"), Service::tr("Restricted"), Service::tr("Confidential")}, this);
  parts.comms = new RAZ::Controllers::CommsSessionController(
      RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(contacts), parts.calls, this);
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::sessionEnded, this,
          &DemoSession::recordEnded);
  // The service puts a dialled number through to its owner, and its
  // people's side of every call follows the demo (Parties.cpp).
  parts.comms->setPartyLookup([this](const QString& dialled) { return partyOf(dialled); });
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::sessionCreated, this,
          &DemoSession::onSessionCreated);
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::callTurnedAway, this,
          &DemoSession::recordTurnedAway);
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::sessionCreated, this,
          &DemoSession::answerVoiceMail);
  xmpp->setCommsSessions(parts.comms);
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::newRoomRequested, xmpp,
          &RAZ::Controllers::XmppChatController::createRoom);
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::roomRequested, xmpp,
          &RAZ::Controllers::XmppChatController::createGroupChat);
  RAZ::Controllers::MyRoomController* ownRoom = parts.myRoom;
  connect(parts.comms, &RAZ::Controllers::CommsSessionController::myRoomRequested, ownRoom,
          [ownRoom] { ownRoom->startMyRoom(QString()); });
  parts.publisher = new RAZ::Utils::Location::Publisher(this);
  parts.locationSources << new DemoLocationSource(address, this);
  // What the user publishes is what the service reports on the next sign-in.
  if (RAZ::Presence::PresenceData* own = contacts->ownPresence())
    connect(own, &RAZ::Presence::PresenceData::locationChanged, this, [own, address] {
      Service::instance().setPublishedLocation(address, own->getLocationInfo());
    });
  parts.closer = new RAZ::Sessions::SessionCloser(this);
  m_address = address;
  m_mailbox = new DemoMailbox(address, this);
  parts.messages = m_mailbox;
  for (int type : {RAZ::Sessions::SubSession::TypeSip, RAZ::Sessions::SubSession::TypeXmpp,
                   RAZ::Sessions::SubSession::TypeXsi}) {
    auto* sub = new RAZ::Sessions::SubSession(type, this);
    parts.subSessions << sub;
  }
  setParts(parts);
  // What is said now; a switch of language says it again (sayNamesAgain).
  const QList<QVariantMap> groups = service.groups();
  for (const QVariantMap& g : groups)
    m_saidGroups.insert(g.value(QStringLiteral("id")).toInt(),
                        g.value(QStringLiteral("name")).toString());
  for (const QVariantMap& room : chatRooms)
    m_saidRooms.insert(room.value(QStringLiteral("jid")).toString(),
                       {room.value(QStringLiteral("name")).toString(),
                        room.value(QStringLiteral("subject")).toString()});
  m_saidPlace = {Service::say(QStringLiteral("Berlin")), Service::say(QStringLiteral("GERMANY"))};
  QCoreApplication::instance()->installEventFilter(this);
  for (auto* sub : qAsConst(parts.subSessions)) sub->setState(RAZ::Sessions::Session::Active);
  xmppService->setConnected(true);
  // The personal-room service answers once the session is up: anybody's My
  // Room (the user's own included) can be joined from then on.
  QPointer<RAZ::MyRoom::Controller> myRoom(parts.myRoom);
  QTimer::singleShot(0, this, [myRoom] {
    if (myRoom) myRoom->setReady();
  });

  RoomDemo::attach(this);
  // Its people's side of calls and chats; incoming calls follow the call
  // settings the user keeps with the service.
  CommsDemo::attach(this, address);

  m_presenceTimer = new QTimer(this);
  connect(m_presenceTimer, &QTimer::timeout, this, &DemoSession::changeSomePresence);
  setPresenceChanges(service.presenceChanges(), service.presenceInterval());

  if (qEnvironmentVariable("ZENT_DEMO_INCOMING_CALLS") != QLatin1String("0") &&
      qEnvironmentVariable("ZENT_DEMO_PRESENCE_CHANGES") != QLatin1String("0")) {
    m_incomingCallTimer = new QTimer(this);
    m_incomingCallTimer->setInterval(kFirstIncomingCallMs);
    connect(m_incomingCallTimer, &QTimer::timeout, this, [this] {
      m_incomingCallTimer->setInterval(kIncomingCallIntervalMs);
      ringSomeoneIn();
    });
    m_incomingCallTimer->start();
    m_voiceMailTimer = new QTimer(this);
    m_voiceMailTimer->setInterval(kFirstVoiceMailMs);
    connect(m_voiceMailTimer, &QTimer::timeout, this, [this] {
      m_voiceMailTimer->setInterval(kVoiceMailIntervalMs);
      leaveVoiceMail();
    });
    m_voiceMailTimer->start();
  }
}

void DemoSession::addDemoCameras(RAZ::MediaEngine::MediaHandlerVideo* video) {
  using RAZ::MediaEngine::SimpleCamera;
  static const char* const kContext = "RAZ::Demo::Service";
  auto* camera =
      new SimpleCamera("demo-camera", RAZ::MediaEngine::ProfileLevel20,
                       QString::fromLatin1(QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Demo Camera")));
  camera->setTranslationContext(kContext);
  video->addCamera(camera);
  camera = new SimpleCamera(
      "demo-document-camera", RAZ::MediaEngine::ProfileLevel12,
      QString::fromLatin1(QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Demo Document Camera")),
      {RAZ::MediaEngine::ProfileLevel12, RAZ::MediaEngine::ProfileLevel20});
  camera->setTranslationContext(kContext);
  video->addCamera(camera);
}

void DemoSession::leaveVoiceMail() {
  if (!m_mailbox) return;
  Service& service = Service::instance();
  service.setVoiceMails(m_address, service.voiceMails(m_address) + 1);
  static_cast<DemoMailbox*>(m_mailbox)->report();
}

namespace {
// A dialled number as the service compares it: no scheme, no domain.
QString bareNumber(QString number) {
  number = number.trimmed();
  for (const char* scheme : {"sip:", "tel:"})
    if (number.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) number = number.mid(4);
  return number.section(QLatin1Char('@'), 0, 0);
}
}  // namespace

void DemoSession::answerVoiceMail(RAZ::Controllers::CommunicationSession* session, bool incoming) {
  const QString number =
      configuration() ? configuration()->getString(RAZ::Configuration::ConfigId::VoiceMailNumber)
                      : QString();
  RAZ::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
  if (incoming || !call || number.isEmpty() ||
      bareNumber(call->remoteAddress()) != bareNumber(number))
    return;
  // The mailbox answers and plays what waits: the messages are heard.
  QPointer<RAZ::Controllers::CommunicationSession> guard(session);
  QTimer::singleShot(kMailboxAnswersMs, this, [this, guard] {
    RAZ::MediaEngine::CallBasePtr* c = guard ? guard->getCall() : nullptr;
    if (!c || c->getCallState() != RAZ::MediaEngine::CallBasePtr::StateDialing) return;
    c->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
    Service::instance().setVoiceMails(m_address, 0);
    if (m_mailbox) static_cast<DemoMailbox*>(m_mailbox)->report();
  });
}

void DemoSession::setPresenceChanges(bool on, int intervalMs) {
  if (!m_presenceTimer) return;
  m_presenceTimer->setInterval(intervalMs);
  if (on)
    m_presenceTimer->start();
  else
    m_presenceTimer->stop();
}

void DemoSession::changeSomePresence() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = contactsManager();
  if (!contacts) return;
  const QList<int> ids = contacts->contactIds();
  if (ids.isEmpty()) return;
  // A fixed sequence: every session of every run sees the same changes.
  QRandomGenerator generator(m_seed);
  const int id = ids.at(static_cast<int>(generator.bounded(static_cast<quint32>(ids.size()))));
  const int state = kStates[generator.bounded(static_cast<quint32>(sizeof(kStates) / sizeof(int)))];
  // The note goes with the new state: a contact that turns busy no longer
  // says it is available.
  const QStringList notes = Service::presenceNotes(state);
  const QString text = notes.isEmpty()
                           ? QString()
                           : notes.at(static_cast<int>(generator.bounded(quint32(notes.size()))));
  m_seed = generator.generate();
  // Somebody calling or talking with the user stays by the phone until the
  // call ends.
  const CommsDemo* parties = CommsDemo::of(this);
  if ((parties && parties->isOnThePhone(id)) || Service::instance().isOnACallWithUser(id)) return;
  contacts->setContactPresence(id, state, text);
}

}  // namespace Demo
}  // namespace RAZ

#include "RAZ/Demo/DemoSession.h"

#include <QRandomGenerator>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/FtController.h"
#include "RAZ/Controllers/IChatController.h"
#include "RAZ/Controllers/MyRoomController.h"
#include "RAZ/Controllers/Search/ContactSearch.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/MediaEngine/IMediaHandlerAudio.h"
#include "RAZ/MediaEngine/IMediaHandlerVideo.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Services/Xmpp/XmppService.h"
#include "RAZ/Utils/Location.h"
#include "RAZ/Xsi/GranitewayAnywhere.h"
#include "RAZ/Xsi/SimultaneousRing.h"
#include "RAZ/Xsi/SupplementaryServices.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Demo {

namespace {

using RAZ::Contacts::Properties::Key;

QString k(int key) { return QString::number(key); }

RAZ::Contacts::IContact* makeContact(const QVariantMap& entry) {
  QVariantMap p;
  p.insert(k(Key::KeyFirstName), entry.value(QStringLiteral("first")));
  p.insert(k(Key::KeyLastName), entry.value(QStringLiteral("last")));
  p.insert(k(Key::KeyJid), entry.value(QStringLiteral("jid")));
  p.insert(k(Key::KeySipUri), entry.value(QStringLiteral("sip")));
  p.insert(k(Key::KeyEmail), entry.value(QStringLiteral("email")));
  if (entry.contains(QStringLiteral("work")))
    p.insert(k(Key::KeyWork), entry.value(QStringLiteral("work")));
  if (entry.contains(QStringLiteral("mobile")))
    p.insert(k(Key::KeyMobile), entry.value(QStringLiteral("mobile")));
  if (entry.contains(QStringLiteral("extension")))
    p.insert(k(Key::KeyExtension), entry.value(QStringLiteral("extension")));
  p.insert(k(Key::KeyGroupIds), entry.value(QStringLiteral("groups")).toList());
  p.insert(k(Key::KeyDirectory), entry.value(QStringLiteral("email")));
  auto* contact = new RAZ::Contacts::IContact(entry.value(QStringLiteral("id")).toInt(), p);
  contact->presenceData()->setReceived(entry.value(QStringLiteral("presence")).toInt(),
                                       entry.value(QStringLiteral("status")).toString());
  contact->setFavourite(entry.value(QStringLiteral("favourite")).toBool());
  return contact;
}

// Presence states the demo contacts move between.
const int kStates[] = {10, 10, 5, 17, 12, 14, 2};

}  // namespace

DemoSession::DemoSession(const RAZ::Configuration::Config* config, QObject* parent)
    : SessionManagerBase(config, parent) {}

DemoSession::~DemoSession() = default;

void DemoSession::open(const QString& username, const QString& password) {
  if (m_built) return;
  m_built = true;
  setUserName(username);
  Service& service = Service::instance();
  Parts parts;
  parts.kind = 1;

  QString address = username;
  if (!address.contains(QLatin1Char('@'))) address += QStringLiteral("@demo.zent");
  parts.ownAddress = new TP::Sip::UriPtr(QStringLiteral("sip:") + address);

  auto* contacts = new RAZ::Contacts::Contacts(this);
  for (const QVariantMap& g : service.groups())
    contacts->addGroup(g.value(QStringLiteral("id")).toInt(),
                       g.value(QStringLiteral("name")).toString());
  QVariantMap own;
  own.insert(QStringLiteral("id"), 0);
  own.insert(QStringLiteral("first"), username.section(QLatin1Char('@'), 0, 0));
  own.insert(QStringLiteral("jid"), address);
  own.insert(QStringLiteral("sip"), QStringLiteral("sip:") + address);
  own.insert(QStringLiteral("presence"), 10);
  contacts->setOwnContact(makeContact(own));
  for (const QVariantMap& c : service.contacts()) contacts->addContact(makeContact(c));
  for (const QVariantMap& r : service.presenceRequests())
    contacts->addPresenceRequest(makeContact(r));
  parts.contacts = contacts;

  parts.search = new RAZ::Controllers::Search::ContactSearch(service.directory(), this);
  parts.sipChat = new RAZ::Controllers::IChatController(this);
  auto* xmpp = new RAZ::Controllers::XmppChatController(this);
  for (const QVariantMap& room : service.chatRooms())
    xmpp->addRoom(room.value(QStringLiteral("jid")).toString(),
                  room.value(QStringLiteral("name")).toString(),
                  room.value(QStringLiteral("subject")).toString(),
                  room.value(QStringLiteral("participants")).toInt());
  parts.xmppChat = xmpp;
  parts.myRoom = new RAZ::Controllers::MyRoomController(
      QStringLiteral("myroom.") + username.section(QLatin1Char('@'), 0, 0) +
          QStringLiteral("@conference.demo.zent"),
      this);
  parts.xsiEngine = new RAZ::Xsi::XsiEngine(address, this);
  auto* xmppService = new RAZ::Services::Xmpp::XmppService(this);
  parts.xmppService = xmppService;
  // The call settings the demo service keeps per account across sign-ins.
  parts.supplementaryServices =
      new RAZ::Controllers::XsiSupplementaryServicesController2(address, this);
  parts.anywhere = new RAZ::Controllers::GranitewayAnywhereController(address, this);
  parts.simultaneousRing = new RAZ::Controllers::SimultaneousRingController(address, this);
  // The service's list of the account's services follows the sign-in.
  parts.supplementaryServices->fetchServicesList();

  m_audio.reset(new RAZ::MediaEngine::MediaHandlerAudio());
  auto* video = new RAZ::MediaEngine::MediaHandlerVideo(this);
  video->addSystemOrDemoCameras();
  parts.calls = new RAZ::MediaEngine::CallControllerBase(m_audio.get(), video, this);

  auto* xsiCredentials = new RAZ::Xsi::XsiCredentialsControl(this);
  xsiCredentials->setCurrentPassword(password);
  parts.xsiCredentials = xsiCredentials;
  parts.ft = new RAZ::Controllers::FtController(this);
  parts.comms = new RAZ::Controllers::CommsSessionController(
      RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(contacts), parts.calls, this);
  parts.publisher = new RAZ::Utils::Location::Publisher(this);
  parts.locationSources << new RAZ::Utils::Location::Source(this);
  parts.closer = new RAZ::Sessions::SessionCloser(this);
  parts.messages = new RAZ::Sessions::MessagesSource(this);
  for (int type : {RAZ::Sessions::SubSession::TypeSip, RAZ::Sessions::SubSession::TypeXmpp,
                   RAZ::Sessions::SubSession::TypeXsi}) {
    auto* sub = new RAZ::Sessions::SubSession(type, this);
    parts.subSessions << sub;
  }
  setParts(parts);
  for (auto* sub : parts.subSessions) sub->setState(RAZ::Sessions::Session::Active);
  xmppService->setConnected(true);

  m_presenceTimer = new QTimer(this);
  connect(m_presenceTimer, &QTimer::timeout, this, &DemoSession::changeSomePresence);
  setPresenceChanges(service.presenceChanges(), service.presenceInterval());
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
  contacts->setContactPresence(id, state, text);
}

}  // namespace Demo
}  // namespace RAZ

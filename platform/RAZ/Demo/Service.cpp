#include "RAZ/Demo/Service.h"

#include "RAZ/Configuration/Config.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

#include <TP/Core/Logging.h>

#include <algorithm>

#include "RAZ/ApiProvider/Controller.h"
#include "RAZ/Client.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Demo/CommsDemo.h"
#include "RAZ/Demo/DemoSession.h"
#include "RAZ/Demo/StoreFile.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/MediaEngine/IMediaHandlerAudio.h"
#include "RAZ/MediaEngine/IMediaHandlerVideo.h"
#include "RAZ/MediaEngine/VideoTestPicture.h"
#include "RAZ/Models/Timeline.h"
#include "RAZ/Presence/PresenceState.h"
#include "RAZ/Utils/FileWrites.h"
#include "RAZ/Utils/Path.h"
#include "RAZ/Xsi/CallSettingsStore.h"
#include "RAZ/Xsi/XsiCallHistory.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Demo {

namespace {

const int kDefaultStepDelayMs = 150;
const int kDefaultPresenceIntervalMs = 60000;

int defaultStepDelay() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("ZENT_DEMO_STEP_DELAY_MS", &ok);
  return ok && ms >= 0 ? ms : kDefaultStepDelayMs;
}

// How often a demo contact changes presence: ZENT_DEMO_PRESENCE_INTERVAL_MS
// (10 or more), else once a minute.
int defaultPresenceInterval() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("ZENT_DEMO_PRESENCE_INTERVAL_MS", &ok);
  return ok && ms > 0 ? qMax(10, ms) : kDefaultPresenceIntervalMs;
}

bool defaultPresenceChanges() {
  return qEnvironmentVariable("ZENT_DEMO_PRESENCE_CHANGES") != QLatin1String("0");
}

QJsonObject readJson(const QString& name) {
  QFile file(QStringLiteral(":/raz/demo/") + name);
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("RAZ::Demo::Service::loadData", TP::Core::Logging::LevelError)
        << "Demo data missing: " << name;
    return QJsonObject();
  }
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (!doc.isObject()) {
    TP_LOG("RAZ::Demo::Service::loadData", TP::Core::Logging::LevelError)
        << "Demo data unreadable: " << name << ": " << error.errorString();
    return QJsonObject();
  }
  return doc.object();
}

QList<QVariantMap> maps(const QJsonValue& value) {
  QList<QVariantMap> result;
  const auto array = value.toArray();
  for (const QJsonValue& v : array)
    if (v.isObject()) result.append(v.toObject().toVariantMap());
  return result;
}

const char kTextContext[] = "RAZ::Demo::Service";

// The notes that go with a presence state, as the catalogues hold them.
QList<const char*> englishNotes(int state) {
  switch (state) {
    case RAZ::Presence::PresenceState::AvailableIdle:
    case RAZ::Presence::PresenceState::Available:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Available for the demo call"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "At my desk"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Home office")};
    case RAZ::Presence::PresenceState::AwayIdle:
    case RAZ::Presence::PresenceState::Away:
    case RAZ::Presence::PresenceState::AwayBeRightBack:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Lunch"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Out for a run"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Back in ten minutes")};
    case RAZ::Presence::PresenceState::Deskphone:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "At the desk phone")};
    case RAZ::Presence::PresenceState::Mobile:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "On the road, mobile only")};
    case RAZ::Presence::PresenceState::BusyOnline:
    case RAZ::Presence::PresenceState::BusyPresenting:
    case RAZ::Presence::PresenceState::Busy:
    case RAZ::Presence::PresenceState::BusyOutOfOffice:
    case RAZ::Presence::PresenceState::DoNotDisturb:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "In a workshop until 3 pm"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Focus time, please do not disturb")};
    case RAZ::Presence::PresenceState::Meeting:
    case RAZ::Presence::PresenceState::MeetingBusy:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Planning meeting"),
              QT_TRANSLATE_NOOP("RAZ::Demo::Service", "In a meeting")};
    case RAZ::Presence::PresenceState::OnCall:
    case RAZ::Presence::PresenceState::OnCallBusy:
      return {QT_TRANSLATE_NOOP("RAZ::Demo::Service", "On a call")};
    default:
      return {};
  }
}

// Generated address books: names from these lists, presence states in this
// order (each with a note that fits it).
const char* const kFirstNames[] = {"Ada",  "Ben",   "Carla", "David", "Elena", "Farid", "Greta",
                                   "Hugo", "Ines",  "Jonas", "Kira",  "Liam",  "Mona",  "Nils",
                                   "Olga", "Paul",  "Rosa",  "Sven",  "Tara",  "Umar",  "Vera",
                                   "Wim",  "Xenia", "Yusuf", "Zoe"};
const char* const kLastNames[] = {"Adler",  "Berg",   "Costa",  "Dahl",   "Eriksen", "Fischer",
                                  "Garcia", "Hansen", "Ito",    "Jensen", "Kovac",   "Larsen",
                                  "Meyer",  "Novak",  "Okafor", "Petrov", "Quinn",   "Rossi",
                                  "Silva",  "Tanaka", "Ueda",   "Varga",  "Weber",   "Young"};
const int kGeneratedStates[] = {10, 10, 2, 5, 17, 12, 14, 10, 2, 11};

template <typename T, int N>
constexpr int countOf(const T (&)[N]) {
  return N;
}

QList<QVariantMap> generatedContacts(int count, const QList<QVariantMap>& groups) {
  QList<QVariantMap> result;
  result.reserve(count);
  // The notes of each state made once: the contacts of a state share their
  // texts, so a large book holds a handful of notes, not one per contact.
  QHash<int, QStringList> notesOf;
  for (int i = 0; i < count; ++i) {
    const QString first = QString::fromLatin1(kFirstNames[i % countOf(kFirstNames)]);
    const QString last =
        QString::fromLatin1(kLastNames[(i / countOf(kFirstNames)) % countOf(kLastNames)]) +
        (i < countOf(kFirstNames) * countOf(kLastNames)
             ? QString()
             : QString::number(i / (countOf(kFirstNames) * countOf(kLastNames))));
    const QString user = first.toLower() + QLatin1Char('.') + last.toLower() + QLatin1Char('.') +
                         QString::number(i + 1);
    const QString address = user + QStringLiteral("@demo.zent");
    const int state = kGeneratedStates[i % countOf(kGeneratedStates)];
    if (!notesOf.contains(state)) {
      QStringList texts;
      const auto english = englishNotes(state);
      for (const char* text : english) texts << QString::fromUtf8(text);
      notesOf.insert(state, texts);
    }
    const QStringList notes = notesOf.value(state);
    QVariantMap c;
    c.insert(QStringLiteral("id"), 100000 + i);
    c.insert(QStringLiteral("first"), first);
    c.insert(QStringLiteral("last"), last);
    c.insert(QStringLiteral("jid"), address);
    c.insert(QStringLiteral("sip"), QStringLiteral("sip:") + address);
    c.insert(QStringLiteral("email"), address);
    c.insert(QStringLiteral("work"),
             QStringLiteral("+4930%1").arg(200000 + i, 7, 10, QLatin1Char('0')));
    if (i % 3 == 0)
      c.insert(QStringLiteral("mobile"),
               QStringLiteral("+49170%1").arg(300000 + i, 7, 10, QLatin1Char('0')));
    c.insert(QStringLiteral("extension"), QString::number(10000 + i));
    if (!groups.isEmpty())
      c.insert(QStringLiteral("groups"),
               QVariantList{groups.at(i % groups.size()).value(QStringLiteral("id"))});
    c.insert(QStringLiteral("presence"), state);
    c.insert(QStringLiteral("status"), notes.isEmpty() ? QString() : notes.at(i % notes.size()));
    c.insert(QStringLiteral("favourite"), i < 10);
    result.append(c);
  }
  return result;
}

// The texts of data/*.json, which the catalogue tools cannot read there.
const char* const kDataTexts[] = {
    // contacts.json: groups and notes
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Team"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Customers"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Family"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Reviewing the release notes"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "In a workshop until 3 pm"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Lunch"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Planning meeting"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Available for the demo call"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "On a call"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Back on Monday"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Out for a run"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Home office"),
    // rooms.json: names and subjects
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Release planning"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Next release: scope and dates"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Support desk"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Open tickets"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Coffee corner"),
    // directory.json: titles, and the one entry that is no person
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Sales"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Support"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Engineering"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Finance"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Front desk"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Reception"),
    // callsettings.json: the Anywhere location's description
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Mobile"),
    // the place the service finds for a new account
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "Berlin"),
    QT_TRANSLATE_NOOP("RAZ::Demo::Service", "GERMANY"),
};

// `entry` with the texts of `fields` said in the interface language. An
// entry whose texts read the same stays shared with the data, so a large
// book is not copied whole on every sign-in. `heard` keeps the texts said
// so far: a large book repeats a few notes thousands of times.
QVariantMap said(QVariantMap entry, std::initializer_list<const char*> fields,
                 QHash<QString, QString>* heard = nullptr) {
  QHash<QString, QString> own;
  if (!heard) heard = &own;
  for (const char* field : fields) {
    const QString name = QLatin1String(field);
    const auto found = entry.constFind(name);
    if (found == entry.constEnd()) continue;
    const QString english = found->toString();
    QString said = heard->value(english);
    if (!heard->contains(english)) said = *heard->insert(english, Service::say(english));
    if (said != english) entry.insert(name, said);
  }
  return entry;
}

QList<QVariantMap> said(const QList<QVariantMap>& entries,
                        std::initializer_list<const char*> fields) {
  QList<QVariantMap> result;
  result.reserve(entries.size());
  QHash<QString, QString> heard;
  for (const QVariantMap& entry : entries) result.append(said(entry, fields, &heard));
  return result;
}

}  // namespace

QString Service::say(const QString& english) {
  if (english.isEmpty()) return english;
  return QCoreApplication::translate(kTextContext, english.toUtf8().constData());
}

QStringList Service::dataTexts() {
  QStringList texts;
  for (const char* text : kDataTexts) texts << QString::fromUtf8(text);
  return texts;
}

QStringList Service::presenceNotes(int state) {
  QStringList notes;
  const auto english = englishNotes(state);
  for (const char* note : english) notes << say(QString::fromUtf8(note));
  return notes;
}

Service& Service::instance() {
  static Service service;
  return service;
}

Service::Service()
    : m_stepDelay(defaultStepDelay()),
      m_presenceChanges(defaultPresenceChanges()),
      m_presenceInterval(defaultPresenceInterval()),
      m_proxyReceiver(new ProxyCredentialsReceiver(this)) {
  connect(m_proxyReceiver, &ProxyCredentialsReceiver::received, this,
          &Service::proxyCredentialsReceived);
  // The call settings' server answers from the demo data, as fast as the
  // sign-in steps (tests that set them to 0 get one event-loop turn).
  RAZ::Xsi::CallSettingsStore& settings = RAZ::Xsi::CallSettingsStore::instance();
  settings.setSeed([this] { return callSettings(); });
  settings.setLatency([this] { return m_stepDelay; });
  // It is reached over the session's XSI connection: without it, nothing
  // the call settings ask or save gets through.
  settings.setReachable([this] {
    RAZ::Sessions::SessionManagerBase* session = openSession();
    const RAZ::Sessions::SubSession* xsi =
        session ? session->subSession(RAZ::Sessions::SubSession::TypeXsi) : nullptr;
    return !xsi || xsi->state() == RAZ::Sessions::Session::Active;
  });
  settings.setStorage([this] { ensureStore(); }, [this] { writeStore(); });
  // The media engine's test picture stands for the demo's video and the
  // user's own camera.
  RAZ::MediaEngine::VideoTestPicture::setCaption([](RAZ::MediaEngine::VideoTestPicture::Role role) {
    return role == RAZ::MediaEngine::VideoTestPicture::Remote ? Service::tr("Demo video")
                                                              : Service::tr("You");
  });
}

Service::~Service() = default;

const RAZ::Configuration::Config* Service::sessionConfiguration(
    const RAZ::Configuration::Config* chosen) {
  if (!chosen || m_configurationValues.isEmpty()) return chosen;
  QByteArray source = chosen->source();
  // The values go first: a configuration keeps the first value of an id.
  const int open = source.indexOf("<config");
  const int end = open < 0 ? -1 : source.indexOf('>', open);
  if (end < 0) return chosen;
  source.insert(end + 1, m_configurationValues);
  m_configurations << std::make_shared<RAZ::Configuration::Config>(source, chosen->getPath());
  return m_configurations.last().get();
}

void Service::reset() {
  m_nextError = RAZ::Sessions::ErrorNone;
  m_signinAttempts = 0;
  m_stepDelay = defaultStepDelay();
  m_presenceInterval = defaultPresenceInterval();
  setPresenceChanges(defaultPresenceChanges());
  setRingTime(0);
  holdCalledParties(false);
  m_requestsAtSignIn = true;
  m_answeredRequests.clear();
  // The data is read again on its next use (ZENT_DEMO_CONTACTS may have
  // changed); a session open now keeps what it was built from.
  m_loaded = false;
  RAZ::Xsi::CallSettingsStore::instance().reset();
  m_accounts.clear();
  m_locations.clear();
  m_voiceMails.clear();
  m_chatArchives.clear();
  // A service started afresh: nothing kept from before.
  m_storeRead = true;
  m_storeSetAside.clear();
  m_storePending = false;
  if (m_storeRetry) m_storeRetry->stop();
  if (!storePath().isEmpty()) QFile::remove(storePath());
}

namespace {

QVariantMap locationToVariant(const RAZ::Utils::Location::Info& l) {
  return {{QStringLiteral("latitude"), l.latitude},     {QStringLiteral("longitude"), l.longitude},
          {QStringLiteral("ipAddress"), l.ipAddress},   {QStringLiteral("timeZone"), l.timeZone},
          {QStringLiteral("manual"), l.manualLocation}, {QStringLiteral("city"), l.city},
          {QStringLiteral("country"), l.country},       {QStringLiteral("state"), l.state},
          {QStringLiteral("locality"), l.locality}};
}

RAZ::Utils::Location::Info locationFromVariant(const QVariantMap& m) {
  RAZ::Utils::Location::Info l;
  l.latitude = m.value(QStringLiteral("latitude")).toDouble();
  l.longitude = m.value(QStringLiteral("longitude")).toDouble();
  l.ipAddress = m.value(QStringLiteral("ipAddress")).toString();
  l.timeZone = m.value(QStringLiteral("timeZone")).toString();
  l.manualLocation = m.value(QStringLiteral("manual")).toString();
  l.city = m.value(QStringLiteral("city")).toString();
  l.country = m.value(QStringLiteral("country")).toString();
  l.state = m.value(QStringLiteral("state")).toString();
  l.locality = m.value(QStringLiteral("locality")).toString();
  return l;
}

}  // namespace

QString Service::storePath() const {
  if (m_storePath.isEmpty()) {
    const QString folder = RAZ::Utils::Path::writableDataPath();
    if (!folder.isEmpty()) m_storePath = folder + QStringLiteral("/demo-service.dat");
  }
  return m_storePath;
}

void Service::reloadStore() {
  m_accounts.clear();
  m_locations.clear();
  m_voiceMails.clear();
  m_answeredRequests.clear();
  m_chatArchives.clear();
  RAZ::Xsi::CallSettingsStore::instance().fromVariant(QVariantMap());
  m_storeRead = false;
  ensureStore();
}

void Service::ensureStore() const {
  if (m_storeRead) return;
  m_storeRead = true;
  const QString path = storePath();
  if (path.isEmpty()) return;
  // A copy half-written when the program was killed is of no use now.
  RAZ::Utils::FileWrites::removeLeftovers(path);
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return;
  QFile file(path);
  QVariantMap data;
  QString problem;
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    problem = info.isFile() ? file.errorString() : QStringLiteral("not a file");
  } else {
    const QByteArray bytes = file.read(StoreFile::kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
      problem = file.errorString();
    else if (!StoreFile::read(bytes, data))
      problem = QStringLiteral("not a store");
    file.close();
  }
  if (!problem.isEmpty()) {
    keepUnreadStore(problem);
    return;
  }
  const QVariantMap accounts = data.value(QStringLiteral("accounts")).toMap();
  for (auto it = accounts.constBegin(); it != accounts.constEnd(); ++it)
    m_accounts.insert(it.key(), it.value().toMap());
  const QVariantMap locations = data.value(QStringLiteral("locations")).toMap();
  for (auto it = locations.constBegin(); it != locations.constEnd(); ++it)
    m_locations.insert(it.key(), locationFromVariant(it.value().toMap()));
  const QVariantMap mails = data.value(QStringLiteral("voiceMails")).toMap();
  for (auto it = mails.constBegin(); it != mails.constEnd(); ++it)
    m_voiceMails.insert(it.key(), qMax(0, it.value().toInt()));
  const QVariantMap answered = data.value(QStringLiteral("answeredRequests")).toMap();
  for (auto it = answered.constBegin(); it != answered.constEnd(); ++it) {
    const auto ids = it.value().toList();
    for (const QVariant& id : ids) m_answeredRequests[it.key()].insert(id.toInt());
  }
  RAZ::Xsi::CallSettingsStore::instance().fromVariant(
      data.value(QStringLiteral("callSettings")).toMap());
  const QVariantMap archives = data.value(QStringLiteral("chatArchives")).toMap();
  for (auto owner = archives.constBegin(); owner != archives.constEnd(); ++owner) {
    const QVariantMap peers = owner.value().toMap();
    for (auto peer = peers.constBegin(); peer != peers.constEnd(); ++peer) {
      // Chats a party started were once kept under its SIP address, apart
      // from the user's own chats with it: one conversation again, in the
      // order it was written.
      QList<QVariantMap>& kept = m_chatArchives[owner.key()][archivePeer(peer.key())];
      const bool joined = !kept.isEmpty();
      const QVariantList entries = peer.value().toList();
      for (const QVariant& entry : entries) kept << entry.toMap();
      if (!joined) continue;
      std::stable_sort(kept.begin(), kept.end(), [](const QVariantMap& a, const QVariantMap& b) {
        return a.value(QStringLiteral("time")).toDateTime() <
               b.value(QStringLiteral("time")).toDateTime();
      });
      while (kept.size() > kChatArchiveSize) kept.removeFirst();
    }
  }
}

void Service::writeStore() {
  ensureStore();
  const QString path = storePath();
  if (path.isEmpty()) return;
  QVariantMap accounts, locations, mails, answered, archives;
  for (auto it = m_accounts.constBegin(); it != m_accounts.constEnd(); ++it)
    accounts.insert(it.key(), it.value());
  for (auto it = m_locations.constBegin(); it != m_locations.constEnd(); ++it)
    locations.insert(it.key(), locationToVariant(it.value()));
  for (auto it = m_voiceMails.constBegin(); it != m_voiceMails.constEnd(); ++it)
    mails.insert(it.key(), it.value());
  for (auto it = m_answeredRequests.constBegin(); it != m_answeredRequests.constEnd(); ++it) {
    QVariantList ids;
    for (int id : it.value()) ids << id;
    answered.insert(it.key(), ids);
  }
  for (auto owner = m_chatArchives.constBegin(); owner != m_chatArchives.constEnd(); ++owner) {
    QVariantMap peers;
    for (auto peer = owner.value().constBegin(); peer != owner.value().constEnd(); ++peer) {
      QVariantList entries;
      for (const QVariantMap& entry : peer.value()) entries << entry;
      peers.insert(peer.key(), entries);
    }
    archives.insert(owner.key(), peers);
  }
  const QVariantMap data{
      {QStringLiteral("accounts"), accounts},
      {QStringLiteral("locations"), locations},
      {QStringLiteral("voiceMails"), mails},
      {QStringLiteral("answeredRequests"), answered},
      {QStringLiteral("chatArchives"), archives},
      {QStringLiteral("callSettings"), RAZ::Xsi::CallSettingsStore::instance().toVariant()}};
  const QByteArray bytes = StoreFile::write(data);
  QString error;
  const RAZ::Utils::FailureWatch watch;
  bool written = false;
  {
    RAZ::Utils::PrivateCreation privately;
    written = QDir().mkpath(QFileInfo(path).absolutePath()) &&
              RAZ::Utils::FileWrites::replace(path, bytes, 0600, &error);
  }
  if (written) {
    m_storePending = false;
    if (m_storeRetry) m_storeRetry->stop();
    return;
  }
  // Kept in memory and written whole at the next change, on a timer and as
  // the program ends: nothing told to the service is dropped.
  TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
      << "The service's store was not written, it is kept to be written again: " << error;
  m_storePending = true;
  if (!m_storeRetry) {
    m_storeRetry = new QTimer(this);
    m_storeRetry->setObjectName(QStringLiteral("storeRetry"));
    m_storeRetry->setSingleShot(true);
    m_storeRetry->setInterval(kStoreRetryMs);
    connect(m_storeRetry, &QTimer::timeout, this, [this] {
      if (m_storePending) writeStore();
    });
    if (QCoreApplication* app = QCoreApplication::instance())
      connect(app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_storePending) writeStore();
      });
  }
  m_storeRetry->start();
  emit storeNotSaved(watch.failed() ? watch.failureShown()
                                    : QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                          RAZ::Utils::FileWrites::shownReason(error));
}

void Service::keepUnreadStore(const QString& problem) const {
  const QString path = storePath();
  QString aside = path + QStringLiteral(".unreadable");
  // An earlier unreadable store may hold what this one lost: never replace it.
  if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
    aside += QLatin1Char('.') +
             QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
  const bool moved =
      std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
  TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
      << "The service's store is unreadable (" << problem
      << "): " << (moved ? "kept aside as " + aside : QStringLiteral("it could not be moved aside"))
      << ", the service starts afresh";
  m_storeSetAside = moved ? aside : path;
}

QString Service::takeStoreSetAside() {
  ensureStore();
  const QString aside = m_storeSetAside;
  m_storeSetAside.clear();
  return aside;
}

QVariantMap Service::accountState(const QString& username) const {
  ensureStore();
  return m_accounts.value(username.trimmed().toLower());
}

void Service::setAccountState(const QString& username, const QVariantMap& state) {
  ensureStore();
  m_accounts.insert(username.trimmed().toLower(), state);
  writeStore();
}

RAZ::Utils::Location::Info Service::publishedLocation(const QString& address) const {
  ensureStore();
  return m_locations.value(address.trimmed().toLower());
}

void Service::setPublishedLocation(const QString& address, const RAZ::Utils::Location::Info& info) {
  ensureStore();
  const QString key = address.trimmed().toLower();
  if (m_locations.contains(key) && m_locations.value(key) == info) return;
  m_locations.insert(key, info);
  writeStore();
}

int Service::voiceMails(const QString& address) const {
  ensureStore();
  return m_voiceMails.value(address.trimmed().toLower());
}

void Service::setVoiceMails(const QString& address, int count) {
  ensureStore();
  m_voiceMails.insert(address.trimmed().toLower(), qMax(0, count));
  writeStore();
}

QList<QVariantMap> Service::chatArchive(const QString& address, const QString& peer) const {
  ensureStore();
  return m_chatArchives.value(address.trimmed().toLower()).value(archivePeer(peer));
}

void Service::archiveChatMessage(const QString& address, const QString& peer,
                                 const QVariantMap& entry) {
  ensureStore();
  QList<QVariantMap>& kept = m_chatArchives[address.trimmed().toLower()][archivePeer(peer)];
  kept << entry;
  while (kept.size() > kChatArchiveSize) kept.removeFirst();
  writeStore();
}

void Service::forgetChatArchive(const QString& address, const QString& peer) {
  ensureStore();
  auto owner = m_chatArchives.find(address.trimmed().toLower());
  if (owner == m_chatArchives.end() || !owner->remove(archivePeer(peer))) return;
  writeStore();
}

QString Service::archivePeer(const QString& peer) {
  QString key = peer.trimmed().toLower();
  for (const QLatin1String scheme : {QLatin1String("sip:"), QLatin1String("xmpp:")})
    if (key.startsWith(scheme)) return key.mid(scheme.size());
  return key;
}

void Service::notePresenceRequestAnswered(const QString& username, int id) {
  ensureStore();
  m_answeredRequests[username.trimmed().toLower()].insert(id);
  writeStore();
}

bool Service::presenceRequestAnswered(const QString& username, int id) const {
  ensureStore();
  return m_answeredRequests.value(username.trimmed().toLower()).contains(id);
}

void Service::failNextSignin(RAZ::Sessions::Error error) { m_nextError = error; }

RAZ::Sessions::Error Service::signinOutcome(const QString& username, const QString& password) {
  ++m_signinAttempts;
  if (m_nextError != RAZ::Sessions::ErrorNone) {
    const RAZ::Sessions::Error error = m_nextError;
    m_nextError = RAZ::Sessions::ErrorNone;
    return error;
  }
  if (username.trimmed().isEmpty() || password != demoPassword())
    return RAZ::Sessions::ErrorAuthentication;
  return RAZ::Sessions::ErrorNone;
}

void Service::setClient(RAZ::Client* client) {
  m_client = client;
  if (!client) return;
  startControlChannel();
  // The service starts with the program: what a write of its store ended
  // by a kill left beside it goes now, before anything is read or written.
  if (!storePath().isEmpty()) RAZ::Utils::FileWrites::removeLeftovers(storePath());
}

RAZ::Client* Service::client() const { return m_client; }

RAZ::Sessions::SessionManagerBase* Service::openSession() const {
  return m_client ? m_client->openSession() : nullptr;
}

namespace {
bool noSession(const char* what) {
  TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
      << "No open session: " << what << " dropped";
  return false;
}
bool noClient(const char* what) {
  TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
      << "No client: " << what << " dropped";
  return false;
}
}  // namespace

bool Service::dropConnection() {
  if (!openSession()) return noSession("connection drop");
  m_client->closeSession(false, RAZ::Sessions::ErrorConnectionLost);
  return true;
}

namespace {
RAZ::MediaEngine::CallControllerBase* callsOf(RAZ::Sessions::SessionManagerBase* session) {
  return session ? session->callController() : nullptr;
}
RAZ::MediaEngine::MediaHandlerAudio* audioOf(RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::CallControllerBase* calls = callsOf(session);
  return calls ? qobject_cast<RAZ::MediaEngine::MediaHandlerAudio*>(calls->GetMediaHandlerAudio())
               : nullptr;
}
RAZ::MediaEngine::MediaHandlerVideo* videoOf(RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::CallControllerBase* calls = callsOf(session);
  return calls ? qobject_cast<RAZ::MediaEngine::MediaHandlerVideo*>(calls->GetMediaHandlerVideo())
               : nullptr;
}
}  // namespace

bool Service::setAudioDevices(const QList<RAZ::MediaEngine::AudioDevice>& playback,
                              const QList<RAZ::MediaEngine::AudioDevice>& recording,
                              RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::MediaHandlerAudio* audio = audioOf(session ? session : openSession());
  if (!audio) return noSession("audio device change");
  audio->setDevices(playback, recording);
  return true;
}

bool Service::setMicrophoneLevel(long level, RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::MediaHandlerAudio* audio = audioOf(session ? session : openSession());
  if (!audio) return noSession("microphone level");
  audio->setScriptedLevel(level);
  return true;
}

bool Service::plugCamera(const QByteArray& id, const QString& name, const QList<int>& levels,
                         RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::MediaHandlerVideo* video = videoOf(session ? session : openSession());
  if (!video) return noSession("camera plugged");
  video->plugCamera(new RAZ::MediaEngine::SimpleCamera(id, -1, name, levels));
  return true;
}

bool Service::unplugCamera(const QByteArray& id, RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::MediaHandlerVideo* video = videoOf(session ? session : openSession());
  if (!video) return noSession("camera unplugged");
  return video->removeCamera(id);
}

bool Service::setCallCount(int count, RAZ::Sessions::SessionManagerBase* session) {
  RAZ::MediaEngine::CallControllerBase* calls = callsOf(session ? session : openSession());
  if (!calls) return noSession("call count");
  QPointer<RAZ::MediaEngine::CallControllerBase> guard(calls);
  QTimer::singleShot(0, calls, [guard, count] {
    if (guard) guard->setCallCount(count);
  });
  return true;
}

bool Service::closeSessionFromServer() {
  if (!openSession()) return noSession("server close");
  m_client->closeSession(false, RAZ::Sessions::ErrorNone);
  return true;
}

bool Service::forceLogout() {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session) return noSession("forced log-out");
  QPointer<RAZ::Sessions::SessionManagerBase> guard(session);
  QPointer<RAZ::Client> client(m_client);
  QTimer::singleShot(0, m_client, [guard, client] {
    if (!guard || !client || client->openSession() != guard) return;
    emit guard->forceLogout();
    // The service ends the session right after telling the user.
    if (client && guard && client->openSession() == guard)
      client->closeSession(true, RAZ::Sessions::ErrorNone);
  });
  return true;
}

bool Service::reportCredentialsDaysLeft(int days) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->xsiCredentialsControl()) return noSession("password expiry");
  session->xsiCredentialsControl()->setDaysLeft(days);
  session->xsiCredentialsControl()->updateCredentialsStatus();
  return true;
}

bool Service::changePresence(int contactId, int state, const QString& statusText) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session) return noSession("presence change");
  if (!RAZ::Presence::PresenceState::isValid(state)) {
    TP_LOG("RAZ::Demo::Service::changePresence", TP::Core::Logging::LevelWarning)
        << "Presence state out of range: " << state;
    return false;
  }
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  // Somebody on the phone with the user shows the call until it ends.
  QPointer<CommsDemo> parties(CommsDemo::of(session));
  QTimer::singleShot(0, session, [contacts, parties, contactId, state, statusText] {
    if (parties && parties->partyPresence(contactId, state, statusText)) return;
    if (contacts) contacts->setContactPresence(contactId, state, statusText);
  });
  return true;
}

bool Service::incomingSession(int contactId, RAZ::Controllers::CommunicationSession::Kind kind) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->commsSessionController()) return noSession("incoming session");
  // Only people the service knows call: an id nobody has (or the user's
  // own) is refused now, not dropped later in silence.
  RAZ::Contacts::ContactPtr party = session->contactsManager() && contactId != 0
                                        ? session->contactsManager()->getContact(contactId)
                                        : RAZ::Contacts::ContactPtr();
  if (!party) {
    TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
        << "No contact with id " << contactId << " to start a session";
    return false;
  }
  const bool call = kind == RAZ::Controllers::CommunicationSession::KindCall ||
                    kind == RAZ::Controllers::CommunicationSession::KindVideoCall;
  // A caller known only by a number calls from a phone: it has no presence
  // here, and neither writes nor shares a screen.
  const bool onTheService = !party->getSipUri().isEmpty() || !party->getJid().isEmpty();
  if (!onTheService && !call) {
    TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelInformation)
        << "Contact " << contactId << " has no address to write or share from";
    return false;
  }
  // Nobody calls, writes or shares a screen from a client that is offline.
  if (onTheService && !party->isOnline()) {
    TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelInformation)
        << "Contact " << contactId << " is offline and starts nothing";
    return false;
  }
  // Somebody already on a call with the user does not call again (a chat
  // or a share beside the call is fine).
  if (call && isOnACallWithUser(contactId)) {
    TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelInformation)
        << "Contact " << contactId << " is on a call with the user already";
    return false;
  }
  QPointer<RAZ::Controllers::CommsSessionController> comms(session->commsSessionController());
  QTimer::singleShot(0, comms, [comms, contactId, kind] {
    if (!comms) return;
    const QList<RAZ::Controllers::CommunicationSession*> running = comms->commsList();
    RAZ::Controllers::CommunicationSession* started = comms->receiveSession(contactId, kind);
    // The party's chat with the user was open already: it writes there.
    if (started && running.contains(started))
      CommsDemo::partyStartsWriting(started->getChatInterface());
  });
  return true;
}

namespace {
bool addMissed(RAZ::Sessions::SessionManagerBase* session, int contactId, const QString& address,
               int kind) {
  if (!session || !session->callLog()) return noSession("missed communication");
  QPointer<RAZ::Models::CallLog> log(session->callLog());
  RAZ::Models::CallLog::Record r;
  r.contactId = contactId;
  r.address = address;
  r.kind = kind;
  r.direction = RAZ::Models::CallLog::Missed;
  r.start = QDateTime::currentDateTime();
  r.isNew = true;
  RAZ::Contacts::ContactPtr c;
  if (contactId != 0 && session->contactsManager()) {
    c = session->contactsManager()->getContact(contactId);
    if (!c) {
      TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
          << "No contact with id " << contactId;
      return false;
    }
  } else if (auto* demo = qobject_cast<DemoSession*>(session)) {
    // The service names the number's owner, as its history does.
    if (address.trimmed().isEmpty() || demo->isServiceLine(address)) {
      TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
          << "No caller for a missed call";
      return false;
    }
    c = demo->partyOf(address);
    if (c && c->getSipUri().isEmpty() && c->getJid().isEmpty()) c = RAZ::Contacts::ContactPtr();
  }
  if (c) {
    // Nobody offline, nor anybody talking with the user now, just called.
    const bool talking = Service::instance().isOnACallWithUser(c->getId());
    if (!c->isOnline() || talking) {
      TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelInformation)
          << "Contact " << c->getId() << (talking ? " is on a call with the user" : " is offline")
          << ": no missed call";
      return false;
    }
    // A person outside the list is kept by name and address: the party the
    // session made for it goes with the session.
    r.contactId = c->isTemporary() ? 0 : c->getId();
    r.address = c->getSipUri();
    r.name = c->getDisplayName();
  }
  QTimer::singleShot(0, log, [log, r] {
    if (log) log->add(r);
  });
  return true;
}
}  // namespace

bool Service::announceAddin(const QString& name, const QString& vendor, const QString& description,
                            const QString& version) {
  RAZ::ApiProvider::Controller* current = RAZ::ApiProvider::Controller::current();
  if (!current) return noClient("add-in");
  QPointer<RAZ::ApiProvider::Controller> api(current);
  QTimer::singleShot(0, current, [api, name, vendor, description, version] {
    if (api) api->addConnector(name, vendor, description, version);
  });
  return true;
}

bool Service::missedCall(int contactId, const QString& address) {
  return addMissed(openSession(), contactId, address, RAZ::Models::CallLog::Audio);
}

bool Service::leaveVoiceMail() {
  auto* session = qobject_cast<DemoSession*>(openSession());
  if (!session) return noSession("voice mail");
  QPointer<DemoSession> guard(session);
  QTimer::singleShot(0, session, [guard] {
    if (guard) guard->leaveVoiceMail();
  });
  return true;
}

bool Service::presenceRequest(const QVariantMap& entry) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->contactsManager()) return noSession("presence request");
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  QTimer::singleShot(0, session, [contacts, entry] {
    if (contacts) contacts->addPresenceRequest(DemoSession::makeContact(entry));
  });
  return true;
}

bool Service::setOwnConferenceNumber(const QString& number) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->contactsManager()) return noSession("conference number");
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  QTimer::singleShot(0, session, [contacts, number] {
    RAZ::Contacts::ContactPtr own = contacts ? contacts->ownContact() : nullptr;
    if (own) own->setProperty(RAZ::Contacts::Properties::KeyMyRoomDialIn, number);
  });
  return true;
}

bool Service::setContactsReadOnly(bool on) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->contactsManager()) return noSession("read-only change");
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  QTimer::singleShot(0, session, [contacts, on] {
    if (contacts) contacts->setReadOnly(on);
  });
  return true;
}

bool Service::failCallLogRetrieval(bool on) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->xsiCallHistoryController()) return noSession("call-log failure");
  // Takes effect for the next fetch: a fetch under way ends as it began.
  session->xsiCallHistoryController()->setFailure(on ? RAZ::Xsi::XsiComponent::NetworkError
                                                     : RAZ::Xsi::XsiComponent::NoError);
  return true;
}

bool Service::reportLdapCredentialsError(bool on) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->ldapContactSearchController())
    return noSession("directory credentials report");
  QPointer<RAZ::Controllers::Search::LdapContactSearch> ldap(
      session->ldapContactSearchController());
  QTimer::singleShot(0, session, [ldap, on] {
    if (!ldap) return;
    if (on)
      emit ldap->requestLdapCredentials();
    else
      emit ldap->hideLdapCredentialsError();
  });
  return true;
}

bool Service::setReconnecting(bool on) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session) return noSession("reconnection");
  QPointer<RAZ::Sessions::SessionManagerBase> guard(session);
  QTimer::singleShot(0, session, [guard, on] {
    if (guard) guard->setReconnecting(on);
  });
  return true;
}

bool Service::setSubSessionState(int type, int state) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->subSession(type)) return noSession("connection state");
  QPointer<RAZ::Sessions::SubSession> sub(session->subSession(type));
  QTimer::singleShot(0, session, [sub, state] {
    if (sub) sub->setState(static_cast<RAZ::Sessions::Session::State>(state));
  });
  return true;
}

bool Service::loseService() {
  if (!openSession()) return noSession("service loss");
  setReconnecting(true);
  setSubSessionState(RAZ::Sessions::SubSession::TypeSip, RAZ::Sessions::Session::Closed);
  setSubSessionState(RAZ::Sessions::SubSession::TypeXmpp, RAZ::Sessions::Session::Closed);
  return true;
}

bool Service::restoreService() {
  if (!openSession()) return noSession("service return");
  setSubSessionState(RAZ::Sessions::SubSession::TypeSip, RAZ::Sessions::Session::Active);
  setSubSessionState(RAZ::Sessions::SubSession::TypeXmpp, RAZ::Sessions::Session::Active);
  setReconnecting(false);
  return true;
}

bool Service::setSpeaker(int volume, bool mute) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->callController() || !session->callController()->GetMediaHandlerAudio())
    return noSession("speaker change");
  QPointer<RAZ::MediaEngine::IMediaHandlerAudio> audio(
      session->callController()->GetMediaHandlerAudio());
  QTimer::singleShot(0, session, [audio, volume, mute] {
    if (!audio) return;
    audio->setOutputVolume(volume);
    audio->setOutputMute(mute);
  });
  return true;
}

bool Service::announceNewVersion(bool mandatory, const QUrl& url) {
  if (!m_client) return noClient("new version");
  return m_client->reportNewVersion(mandatory, url);
}

bool Service::requestProxyCredentials(bool noPrompt, const QString& user, bool secure) {
  if (!m_client) return noClient("proxy credentials");
  QPointer<RAZ::Client> client(m_client);
  QPointer<ProxyCredentialsReceiver> receiver(m_proxyReceiver);
  QTimer::singleShot(0, m_client, [client, receiver, noPrompt, user, secure] {
    if (client && receiver)
      emit client->requestProxyCredentials(
          noPrompt, user, QString(), secure, receiver,
          QString::fromLatin1(ProxyCredentialsReceiver::replySlot()));
  });
  return true;
}

bool Service::showDisclaimer() {
  if (!m_client) return noClient("disclaimer");
  QPointer<RAZ::Client> client(m_client);
  QTimer::singleShot(0, m_client, [client] {
    if (client) emit client->showDisclaimerDialog();
  });
  return true;
}

QObject* Service::proxyCredentialsReceiver() const { return m_proxyReceiver; }
int Service::proxyAnswers() const { return m_proxyReceiver->answers(); }
QString Service::lastProxyUser() const { return m_proxyReceiver->lastUser(); }
bool Service::lastProxyPasswordGiven() const { return m_proxyReceiver->lastPasswordGiven(); }

void Service::setPresenceChanges(bool on) {
  const bool changed = on != m_presenceChanges;
  m_presenceChanges = on;
  if (auto* session = qobject_cast<DemoSession*>(openSession()))
    session->setPresenceChanges(on, m_presenceInterval);
  if (changed) emit presenceChangesChanged(on);
}

void Service::setPresenceInterval(int ms) {
  m_presenceInterval = ms < 10 ? 10 : ms;
  if (auto* session = qobject_cast<DemoSession*>(openSession()))
    session->setPresenceChanges(m_presenceChanges, m_presenceInterval);
}

void Service::loadData() const {
  if (m_loaded) return;
  m_loaded = true;
  const QJsonObject contacts = readJson(QStringLiteral("contacts.json"));
  m_contacts = maps(contacts.value(QStringLiteral("contacts")));
  m_groups = maps(contacts.value(QStringLiteral("groups")));
  const int generated = qEnvironmentVariableIntValue("ZENT_DEMO_CONTACTS");
  if (generated > 0) m_contacts = generatedContacts(generated, m_groups);
  m_requests = maps(contacts.value(QStringLiteral("presenceRequests")));
  m_history = maps(readJson(QStringLiteral("history.json")).value(QStringLiteral("calls")));
  m_directory = maps(readJson(QStringLiteral("directory.json")).value(QStringLiteral("entries")));
  m_rooms = maps(readJson(QStringLiteral("rooms.json")).value(QStringLiteral("rooms")));
  m_callSettings = readJson(QStringLiteral("callsettings.json")).toVariantMap();
}

QList<QVariantMap> Service::contacts() const {
  loadData();
  return said(m_contacts, {"status"});
}
QList<QVariantMap> Service::groups() const {
  loadData();
  return said(m_groups, {"name"});
}
QList<QVariantMap> Service::presenceRequests() const {
  loadData();
  return m_requests;
}
QList<QVariantMap> Service::callHistory() const {
  loadData();
  return m_history;
}
QList<QVariantMap> Service::directory() const {
  loadData();
  return said(m_directory, {"name", "title"});
}
QList<QVariantMap> Service::chatRooms() const {
  loadData();
  return said(m_rooms, {"name", "subject"});
}
QVariantMap Service::callSettings() const {
  loadData();
  QVariantMap settings = m_callSettings;
  const QString key = QStringLiteral("anywhereLocations");
  QVariantList locations = settings.value(key).toList();
  for (QVariant& location : locations) location = said(location.toMap(), {"description"});
  if (settings.contains(key)) settings.insert(key, locations);
  return settings;
}

void ProxyCredentialsReceiver::proxyCredentialsProvided(const QString& user,
                                                        const QString& password) {
  ++m_answers;
  m_user = user;
  m_passwordGiven = !password.isEmpty();
  TP_LOG("RAZ::Demo::ProxyCredentialsReceiver", TP::Core::Logging::LevelInformation)
      << "Proxy credentials " << (user.isEmpty() ? "not given" : "given");
  emit received(user);
}

}  // namespace Demo
}  // namespace RAZ

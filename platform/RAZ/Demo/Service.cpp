#include "RAZ/Demo/Service.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Client.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Demo/DemoSession.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Demo {

namespace {

const int kDefaultStepDelayMs = 150;
const int kDefaultPresenceIntervalMs = 15000;

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
  for (const QJsonValue& v : value.toArray())
    if (v.isObject()) result.append(v.toObject().toVariantMap());
  return result;
}

}  // namespace

Service& Service::instance() {
  static Service service;
  return service;
}

Service::Service()
    : m_stepDelay(kDefaultStepDelayMs),
      m_presenceChanges(defaultPresenceChanges()),
      m_presenceInterval(kDefaultPresenceIntervalMs),
      m_proxyReceiver(new ProxyCredentialsReceiver(this)) {
  connect(m_proxyReceiver, &ProxyCredentialsReceiver::received, this,
          &Service::proxyCredentialsReceived);
}

Service::~Service() = default;

void Service::reset() {
  m_nextError = RAZ::Sessions::ErrorNone;
  m_signinAttempts = 0;
  m_stepDelay = kDefaultStepDelayMs;
  m_presenceInterval = kDefaultPresenceIntervalMs;
  setPresenceChanges(defaultPresenceChanges());
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

void Service::setClient(RAZ::Client* client) { m_client = client; }

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
  if (state < 0 || state > 19) {
    TP_LOG("RAZ::Demo::Service::changePresence", TP::Core::Logging::LevelWarning)
        << "Presence state out of range: " << state;
    return false;
  }
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  QTimer::singleShot(0, session, [contacts, contactId, state, statusText] {
    if (contacts) contacts->setContactPresence(contactId, state, statusText);
  });
  return true;
}

bool Service::incomingSession(int contactId, RAZ::Controllers::CommunicationSession::Kind kind) {
  RAZ::Sessions::SessionManagerBase* session = openSession();
  if (!session || !session->commsSessionController()) return noSession("incoming session");
  QPointer<RAZ::Controllers::CommsSessionController> comms(session->commsSessionController());
  QTimer::singleShot(0, comms, [comms, contactId, kind] {
    if (comms) comms->receiveSession(contactId, kind);
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
  m_requests = maps(contacts.value(QStringLiteral("presenceRequests")));
  m_history = maps(readJson(QStringLiteral("history.json")).value(QStringLiteral("calls")));
  m_directory = maps(readJson(QStringLiteral("directory.json")).value(QStringLiteral("entries")));
  m_rooms = maps(readJson(QStringLiteral("rooms.json")).value(QStringLiteral("rooms")));
  m_callSettings = readJson(QStringLiteral("callsettings.json")).toVariantMap();
}

QList<QVariantMap> Service::contacts() const {
  loadData();
  return m_contacts;
}
QList<QVariantMap> Service::groups() const {
  loadData();
  return m_groups;
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
  return m_directory;
}
QList<QVariantMap> Service::chatRooms() const {
  loadData();
  return m_rooms;
}
QVariantMap Service::callSettings() const {
  loadData();
  return m_callSettings;
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

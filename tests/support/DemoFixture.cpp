#include "DemoFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QStandardPaths>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Path.h>
#include <TP/Bytes.h>

#include "TestSupport.h"

namespace ZentTest {

namespace {

QString valueElement(const ConfigValue& v) {
  QString type = QStringLiteral("string");
  QString text = v.value.toString();
  if (v.value.type() == QVariant::Bool) {
    type = QStringLiteral("bool");
    text = v.value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  } else if (v.value.type() == QVariant::Int) {
    type = QStringLiteral("int");
  }
  return QStringLiteral("<value id=\"%1\" type=\"%2\">%3</value>")
      .arg(QString::number(v.id), type, text.toHtmlEscaped());
}

}  // namespace

QByteArray configText(const ConfigValues& values, const QString& name) {
  QString xml = QStringLiteral("<config name=\"%1\">").arg(name.toHtmlEscaped());
  for (const ConfigValue& v : values) xml += valueElement(v);
  return (xml + QStringLiteral("</config>")).toUtf8();
}

TP::Crypto::Blowfish programCipher() {
  TP::Crypto::Blowfish cipher;
  if (!cipher.Initialize(TP::Bytes(RAZ::programKey()), RAZ::programCipherMode()))
    qFatal("cannot key the program cipher");
  return cipher;
}

DemoFixture::DemoFixture() = default;

DemoFixture::~DemoFixture() { stopClient(); }

QString DemoFixture::start(const char* applicationName) {
  installStrictMessageHandler();
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("ZentTestOrg"));
  QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
  m_dataDir = RAZ::Utils::Path::writableDataPath();
  if (m_dataDir.isEmpty()) return QStringLiteral("no data folder");
  return QString();
}

QString DemoFixture::startDemo(const ConfigValues& demoConfigValues) {
  QDir(m_dataDir).removeRecursively();
  demo().reset();
  demo().setStepDelay(0);
  demo().setPresenceChanges(false);
  m_executableDir = std::make_unique<QTemporaryDir>();
  if (!m_executableDir->isValid()) return QStringLiteral("no executable folder");
  if (!demoConfigValues.isEmpty() && !writeDemoConfig(demoConfigValues))
    return QStringLiteral("the demo configuration could not be written");
  return QString();
}

QString DemoFixture::startClient(const ConfigValues& demoConfigValues, const QStringList& sounds) {
  const QString problem = startDemo(demoConfigValues);
  if (!problem.isEmpty()) return problem;
  m_container = std::make_unique<RAZ::ConfigContainer>();
  m_client = std::make_unique<RAZ::Client>(&m_signOut, &m_exit, m_executableDir->path());
  if (!m_client->Initialize(m_container.get(), m_dataDir + QStringLiteral("/credentials.dat"),
                            &m_cipher, nullptr, sounds))
    return QStringLiteral("the client did not initialise");
  return QString();
}

void DemoFixture::stopClient() {
  m_client.reset();
  m_container.reset();
  m_ownConfigs.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!m_dataDir.isEmpty()) QDir(m_dataDir).removeRecursively();
}

bool DemoFixture::writeDemoConfig(const ConfigValues& values) {
  if (!m_executableDir) return false;
  QFile file(m_executableDir->filePath(QStringLiteral("config_demo.xml")));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray enciphered = m_cipher.Encrypt(configText(values, QStringLiteral("Demo")));
  return file.write(enciphered) == enciphered.size();
}

const RAZ::Configuration::Config* DemoFixture::demoConfig() const {
  return m_container ? m_container->config(QStringLiteral("Demo")) : nullptr;
}

const RAZ::Configuration::Config* DemoFixture::ownConfig(const ConfigValues& values) {
  m_ownConfigs.push_back(
      std::make_unique<RAZ::Configuration::Config>(configText(values), QStringLiteral("test.xml")));
  return m_ownConfigs.back().get();
}

RAZ::Sessions::SessionManagerBase* DemoFixture::signIn(const QString& user,
                                                       const RAZ::Configuration::Config* config) {
  if (!m_client) return nullptr;
  int opened = 0;
  const QMetaObject::Connection c =
      QObject::connect(m_client.get(), &RAZ::Client::sessionOpened,
                       [&opened](RAZ::Sessions::SessionManagerBase&) { ++opened; });
  const bool ok = m_client->signin(demoAccount(user), config, QString(), true) &&
                  QTest::qWaitFor([&opened] { return opened > 0; }, kWaitMs);
  QObject::disconnect(c);
  return ok ? m_client->openSession() : nullptr;
}

bool DemoFixture::signOut() {
  if (!m_client) return false;
  int closed = 0;
  const QMetaObject::Connection c =
      QObject::connect(m_client.get(), &RAZ::Client::sessionClosed,
                       [&closed](RAZ::Sessions::SessionManagerBase&) { ++closed; });
  m_client->signOut();
  const bool ok = QTest::qWaitFor([&closed] { return closed > 0; }, kWaitMs);
  QObject::disconnect(c);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return ok;
}

RAZ::Demo::Service& DemoFixture::demo() { return RAZ::Demo::Service::instance(); }

RAZ::Controllers::CommunicationSession* DemoFixture::incoming(
    int contactId, RAZ::Controllers::CommunicationSession::Kind kind) {
  RAZ::Controllers::CommsSessionController* sessions = comms();
  if (!sessions) return nullptr;
  const int before = sessions->commsList().size();
  if (!demo().incomingSession(contactId, kind)) return nullptr;
  if (!QTest::qWaitFor([&] { return sessions->commsList().size() > before; }, kWaitMs))
    return nullptr;
  return sessions->commsList().last();
}

RAZ::Controllers::CommunicationSession* DemoFixture::incomingCall(int contactId) {
  return incoming(contactId, RAZ::Controllers::CommunicationSession::KindCall);
}

RAZ::Controllers::CommunicationSession* DemoFixture::incomingChat(int contactId) {
  return incoming(contactId, RAZ::Controllers::CommunicationSession::KindChat);
}

bool DemoFixture::missedCall(int contactId) { return demo().missedCall(contactId); }

bool DemoFixture::loseService() { return demo().loseService(); }

bool DemoFixture::restoreService() { return demo().restoreService(); }

QString DemoFixture::executableDir() const {
  return m_executableDir ? m_executableDir->path() : QString();
}

RAZ::Sessions::SessionManagerBase* DemoFixture::session() const {
  return m_client ? m_client->openSession() : nullptr;
}

RAZ::Controllers::CommsSessionController* DemoFixture::comms() const {
  RAZ::Sessions::SessionManagerBase* s = session();
  return s ? s->commsSessionController() : nullptr;
}

}  // namespace ZentTest

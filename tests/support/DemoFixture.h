#pragma once

#include <QAction>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <RAZ/Controllers/CommunicationSession.h>
#include <TP/Crypto/Blowfish.h>

#include <memory>
#include <vector>

#include "Utils/ConfigIds.h"

namespace RAZ {
class Client;
class ConfigContainer;
namespace Configuration {
class Config;
}
namespace Controllers {
class CommsSessionController;
}  // namespace Controllers
namespace Demo {
class Service;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

// Tests name configuration values as the product does.
namespace ConfigId = Utils::ConfigId;

namespace ZentTest {

// One value of a configuration, by its id (a ConfigId name): a bool, an int
// or a text, written with the type the value has.
struct ConfigValue {
  int id;
  QVariant value;
};
using ConfigValues = QList<ConfigValue>;

// The text of a configuration file called `name` that holds `values`, for a
// test that builds a RAZ::Configuration::Config of its own.
QByteArray configText(const ConfigValues& values, const QString& name = QStringLiteral("Test"));

// A cipher keyed with the program's key, as the program's files are
// enciphered (aborts the test program when it cannot be keyed).
TP::Crypto::Blowfish programCipher();

// The stand-in client on the demo service, set up as the program's start-up
// does it, for tests that work with a session below the windows (tests that
// go through the windows use Scenario). The calls follow a test's life:
//
//   initTestCase:  REQUIRE(m_demo.start("ZentCommsMenusTest"));
//   init:          REQUIRE(m_demo.startClient({{ConfigId::CallTransfer, true}}));
//                  QVERIFY(m_demo.signIn(QStringLiteral("tester"), m_demo.demoConfig()));
//   cleanup:       (objects built on the session go first) m_demo.stopClient();
//
// start() gives the test the strict message handler and test-mode folders
// under the organisation "ZentTestOrg"; cipher() is keyed with the
// program's key. (A test that runs the application object takes a
// temporary home with useTemporaryHome() instead.)
//
// startClient() forgets what the previous test left: the data folder is
// emptied and the demo service reset, answering at once (no step delay)
// with contacts that keep their presence. The client reads its
// configuration files from an executable folder of its own;
// writeDemoConfig() puts the enciphered "config_demo.xml" there.
class DemoFixture {
 public:
  DemoFixture();
  ~DemoFixture();
  DemoFixture(const DemoFixture&) = delete;
  DemoFixture& operator=(const DemoFixture&) = delete;

  QString start(const char* applicationName);

  // The demo service reset, the data folder emptied and a fresh executable
  // folder, holding the demo configuration made of `demoConfig` unless it is
  // empty: what a test needs that builds clients of its own.
  QString startDemo(const ConfigValues& demoConfig = {});
  // startDemo(), then the container and the initialised client (`sounds`:
  // the call-progress sounds it is given).
  QString startClient(const ConfigValues& demoConfig = {}, const QStringList& sounds = {});
  // The client goes (its session with it), then the container, the
  // configurations of ownConfig(), deferred deletions and the data folder.
  void stopClient();

  // Writes "config_demo.xml" (named "Demo") into the executable folder; the
  // client reads it when it is initialised.
  bool writeDemoConfig(const ConfigValues& values);
  // The container's "Demo" configuration (null without one).
  const RAZ::Configuration::Config* demoConfig() const;
  // A configuration of the test's own (kept until stopClient), for a sign-in
  // that brings it along.
  const RAZ::Configuration::Config* ownConfig(const ConfigValues& values);

  // Signs in with the demo password and waits for the open session; null
  // when it does not open.
  RAZ::Sessions::SessionManagerBase* signIn(const QString& user = QStringLiteral("tester"),
                                            const RAZ::Configuration::Config* config = nullptr);
  // Signs out and waits until the session is closed; deferred deletions run.
  bool signOut();

  // The demo service's control, acting on the open session. The incoming
  // ones wait for the session to appear and return it (null when it does
  // not).
  static RAZ::Demo::Service& demo();
  RAZ::Controllers::CommunicationSession* incoming(int contactId,
                                                   RAZ::Controllers::CommunicationSession::Kind);
  RAZ::Controllers::CommunicationSession* incomingCall(int contactId);
  RAZ::Controllers::CommunicationSession* incomingChat(int contactId);
  bool missedCall(int contactId);
  bool loseService();
  bool restoreService();

  // The program's Sign Out and Exit actions, as the client is given them.
  QAction& signOutAction() { return m_signOut; }
  QAction& exitAction() { return m_exit; }
  TP::Crypto::Blowfish& cipher() { return m_cipher; }
  QString dataDir() const { return m_dataDir; }
  QString executableDir() const;
  RAZ::ConfigContainer* container() const { return m_container.get(); }
  RAZ::Client* client() const { return m_client.get(); }
  RAZ::Sessions::SessionManagerBase* session() const;
  RAZ::Controllers::CommsSessionController* comms() const;

 private:
  TP::Crypto::Blowfish m_cipher = programCipher();
  QString m_dataDir;
  QAction m_signOut;
  QAction m_exit;
  std::unique_ptr<QTemporaryDir> m_executableDir;
  std::unique_ptr<RAZ::ConfigContainer> m_container;
  std::unique_ptr<RAZ::Client> m_client;
  std::vector<std::unique_ptr<RAZ::Configuration::Config>> m_ownConfigs;
};

}  // namespace ZentTest

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "SceneDriver.h"

class Application;
class QMenu;
namespace QML {
class CommunicationNotification;
class CommunicationsWindow;
class MainWindow;
}  // namespace QML
namespace RAZ {
namespace Demo {
class Service;
}
}  // namespace RAZ

namespace ZentTest {

// The whole program on the demo service, for tests that go through its
// windows as a user does. A scenario program runs the real application
// object (ZENT_TEST_MAIN(Test, Application)) and, before it exists, calls
// Scenario::prepare from a namespace-scope initialiser:
//
//   const bool g_environment = ZentTest::Scenario::prepare("zent-scenario-calls-");
//
// The demo service answers at once (no step delay), its contacts keep their
// presence and do not call, and no presence request waits at sign-in, so
// that every event a test waits for is one the test asked for.
class Scenario {
 public:
  // A temporary home, an instance id of its own, and a system whose
  // language is `language` ("en" or "es"), which a first start takes.
  static bool prepare(const QByteArray& instancePrefix, const QByteArray& language = "en");

  // From initTestCase: the application initialised as `main` does, with the
  // strict message handler and the demo's test defaults.
  static QString start();
  // From cleanupTestCase.
  static void finish();

  static Application* app();
  static RAZ::Demo::Service& demo();

  // Signs in by typing `user` and the demo password into the sign-in window
  // and pressing Enter; waits for the main window.
  static QString signIn(const QString& user = QStringLiteral("carol"));
  // Signs out through the main window's menu; waits for the sign-in window.
  // Does nothing when nobody is signed in.
  static QString signOut();
  // The sign-in window shows, waiting for input (no sign-in under way).
  static bool signInWindowIsBack();
  // Closes what a test may have left open: menus, message windows, calls
  // and chats (ended without questions).
  static void tidy();

  // The main window's contacts shown, the contact's row right-clicked; waits
  // for its menu.
  static QString openContactMenu(const QString& name, QMenu** menu);
  // Opens the main window's frame menu and triggers the entry at that path.
  static QString chooseFromWindowMenu(const QStringList& path);
  // Sends one command line to the demo's control socket (ZENT_DEMO_CONTROL,
  // set before prepare) as a tester's shell would; its answer ("ok",
  // "refused"), or what went wrong in brackets.
  static QString control(const QByteArray& command);
  // Chooses the interface language whose name starts so in Preferences, as
  // a user does: the language list by keyboard, then OK.
  static QString chooseLanguage(const QString& startOfName);
  // Waits for a communications window whose title holds `title`.
  static QString waitForCommsWindow(const QString& title, QML::CommunicationsWindow** out);
  // Waits for the popup of an incoming call.
  static QString waitForCallPopup(QML::CommunicationNotification** out);

  static SceneDriver loginScene();
  static SceneDriver mainScene();
  static QML::MainWindow* mainWindow();
};

// The test object of a scenario program, which hands over what prepare
// answered (ScenarioCallsTest() : ScenarioTestObject(g_environment) {}).
// Around the run the application starts and finishes; after each test what
// it left open is closed and no communications window may stay. A test
// object that needs more declares the slot again and may call these.
class ScenarioTestObject : public QObject {
  Q_OBJECT

 public:
  explicit ScenarioTestObject(bool prepared) : m_prepared(prepared) {}

 protected slots:
  void initTestCase();
  void cleanupTestCase();
  void cleanup();

 private:
  bool m_prepared;
};

}  // namespace ZentTest

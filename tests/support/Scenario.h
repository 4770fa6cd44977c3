#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include "SceneDriver.h"

class Application;
class QMenu;
namespace QML {
class CommunicationNotification;
class CommunicationsWindow;
class MainWindow;
class PresenceRequestDialog;
}  // namespace QML
namespace RAZ {
namespace Controllers {
class ChatInterface;
}
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
  // prepare(), and the demo service takes commands on a control socket of
  // this process's own (ZENT_DEMO_CONTROL), as a tester's shell sends them.
  static bool prepareWithControl(const QByteArray& instancePrefix,
                                 const QByteArray& language = "en");

  // From initTestCase: the application initialised as `main` does, with the
  // strict message handler and the demo's test defaults.
  static QString start();
  // From cleanupTestCase.
  static void finish();

  static Application* app();
  static RAZ::Demo::Service& demo();
  // The service as a new start of the program finds it: it knows only what
  // its store kept, with the test defaults of start().
  static void freshService();

  // Signs in by typing `user` and the demo password into the sign-in window
  // and pressing Enter; waits for the main window.
  static QString signIn(const QString& user = QStringLiteral("carol"));
  // Signs out through the main window's menu; waits for the sign-in window.
  // Does nothing when nobody is signed in.
  static QString signOut();
  // Ends the session through the program's Sign Out action, as its menus
  // and the tray trigger it, and waits for the sign-in window; nothing to
  // end without a session.
  static QString signOutByAction();
  // The sign-in window shows, waiting for input (no sign-in under way).
  static bool signInWindowIsBack();
  // Signs in again with the demo's presence requests waiting, and waits for
  // their dialog to show Mara Santos's request.
  static QString signInToPresenceRequests(QML::PresenceRequestDialog** dialog);
  // Closes what a test may have left open: menus, message windows, calls
  // and chats (ended without questions).
  static void tidy();

  // The main window's contacts shown, the contact's row right-clicked; waits
  // for its menu.
  static QString openContactMenu(const QString& name, QMenu** menu);
  // Opens the main window's frame menu and triggers the entry at that path.
  static QString chooseFromWindowMenu(const QStringList& path);
  // Sends one command line to the demo's control socket (see
  // prepareWithControl) as a tester's shell would; its answer ("ok",
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

// The popups, toasts and communications windows that show while it lives,
// caught as their managers make them: one that is gone again before a test
// could look (a caller who gives up at once, a party who declines at once, a
// toast on a slow machine) is seen all the same. Make it before the step
// that brings them, in a signed-in session (the windows' manager is the
// session's).
class Sightings : public QObject {
  Q_OBJECT

 public:
  Sightings();
  // Waits for an incoming call's popup; `out` is it while it still shows.
  QString callPopup(QML::CommunicationNotification** out = nullptr);
  // Waits for a communications window whose title held `title` once;
  // `out` is it while it still exists.
  QString commsWindow(const QString& title, QML::CommunicationsWindow** out = nullptr);
  // Waits for a toast that said `text`.
  QString toast(const QString& text);
  // Whether a toast said `text` (no waiting).
  bool sawToast(const QString& text) const;

 private:
  struct Seen {
    QPointer<QWidget> widget;
    bool callPopup = false;
    bool commsWindow = false;
    QStringList texts;  // a window's titles, a toast's text
  };
  QString waitFor(std::function<bool(const Seen&)> matches, QWidget** out, const QString& what);
  QList<Seen> m_seen;
};

// --- Steps through the windows that several scenarios take ---

// No popup of an incoming call shows.
bool noCallPopup();
// The history's rows as the main window shows them, top to bottom, each as
// its texts (the direction's arrow aside) joined by " / ".
QStringList historyRows();
// The same for every row of the history, those scrolled out of view too,
// top to bottom; the list is left scrolled to its top.
QStringList allHistoryRows();
// Types `text` over whatever the main window's search field holds (the
// contacts shown); an empty text clears it.
QString searchContacts(const QString& text);
// Finds the contact by typing its name into the search field (the list may
// be longer than the window) and right-clicks its row; waits for its menu.
QString searchContactMenu(const QString& name, QMenu** menu);
// Right-click the contact ▸ Call ▸ `number`; the call window shows and the
// party answers. With another call running the program first asks to put
// that one on hold ("Confirm Call"), and `holdOther` says yes.
QString callAndWaitForAnswer(const QString& name, const QString& number,
                             QML::CommunicationsWindow** window, bool holdOther = false);
// The scene of the window that shows an item of that name (the call, the
// footer, the participants are scenes of their own), else the window's.
SceneDriver sceneWith(QWidget* window, const QString& name);
// Waits for a pane of the window to show an item of that name.
QString sceneWith(QWidget* window, const QString& name, SceneDriver* out);
// The main window's scene, active and laid out as it is drawn: a running
// communication that came or went moves the rows and buttons below it only
// when the scene is next laid out, and a click must land where they are.
SceneDriver activeMainScene();
// The chat of the window's session (null when it has none).
RAZ::Controllers::ChatInterface* chatOf(QML::CommunicationsWindow* window);
// Types the message into the chat's field and sends it with Enter.
QString send(SceneDriver chat, const QString& text);
// Shows the main window's view that holds `name` by its left-pane buttons.
QString showViewWith(const QString& name);

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

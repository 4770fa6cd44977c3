// Signing in and out through the real windows and the demo service: the
// sign-in form reaches the platform, a refused password explains itself, an
// opened session shows the main window with the contacts, and every way a
// session ends (Sign Out from the scene, the server closing it, a dropped
// connection, a forced log-out) removes each per-session object exactly once
// and brings the sign-in window back. Then the prompts of a session.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/Sounds/ContactNotification.h"
#include "Utils/ZentUrlHandler.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-session-", true);

Application* app() { return static_cast<Application*>(qApp); }
RAZ::Demo::Service& demo() { return RAZ::Demo::Service::instance(); }

Dialogs::MessageWindow* visibleMessage(const QString& title) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* m = qobject_cast<Dialogs::MessageWindow*>(w);
    if (m && m->isVisible() && m->windowTitle() == title) return m;
  }
  return nullptr;
}

struct Seen {
  QString title;
  QString text;
  bool mainWindowGone = false;
  QList<QDialogButtonBox::StandardButton> buttons;
};

// Answers the next blocking message window that shows, whenever it shows,
// remembering what it said and whether the main window was already gone.
void answerNext(Seen* seen, QDialogButtonBox::StandardButton button) {
  ZentTest::answerNextMessage(button, [seen](Dialogs::MessageWindow* m) {
    seen->title = m->windowTitle();
    seen->text = m->messageLabel()->text();
    seen->mainWindowGone = app()->mainWindow() == nullptr;
    for (QAbstractButton* b : m->buttonBox()->buttons())
      seen->buttons << m->buttonBox()->standardButton(b);
  });
}

// Watches one object and counts its destruction.
struct Watched {
  QPointer<QObject> object;
  QSharedPointer<QSignalSpy> destroyed;
  explicit Watched(QObject* o = nullptr) : object(o) {
    if (o) destroyed.reset(new QSignalSpy(o, SIGNAL(destroyed(QObject*))));
  }
  int count() const { return destroyed ? destroyed->count() : -1; }
};

}  // namespace

class TestSessionLifecycle : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void openUrl(const QUrl& url) { opened << url; }

 private:
  TP::Core::Logging::MemorySink m_log;
  QML::Style* m_style = nullptr;

  void closeMessages() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::MessageWindow*>(w) && w->isVisible()) w->close();
  }

  void signIn(const QString& user = QStringLiteral("alice")) {
    QML::LoginWindow* login = app()->loginWindow();
    QVERIFY(login);
    QVERIFY(!app()->sessionManager());
    login->setUsername(user);
    login->setPassword(RAZ::Demo::Service::demoPassword());
    login->onSigninClicked();
    QTRY_VERIFY(app()->mainWindow() && app()->mainWindow()->isVisible());
    QVERIFY(app()->sessionManager());
  }

  // The objects a session owns, to count their end.
  QList<Watched> sessionObjects() {
    return {Watched(app()->mainWindow()), Watched(app()->factory()),
            Watched(app()->commsWindowManager()), Watched(app()->presenceRequestDialog()),
            Watched(app()->contactOnlinePlayer())};
  }

  void verifySignedOut(const QList<Watched>& objects) {
    QTRY_VERIFY(app()->loginWindow() && app()->loginWindow()->isVisible());
    QTRY_VERIFY(!app()->sessionManager());
    QVERIFY(!app()->factory());
    QVERIFY(!app()->commsWindowManager());
    QVERIFY(!app()->contactOnlinePlayer());
    QVERIFY(!app()->presenceRequestDialog());
    QVERIFY(!app()->mainWindow());
    for (const Watched& w : objects) {
      if (!w.destroyed) continue;
      QTRY_VERIFY(!w.object);
      QCOMPARE(w.count(), 1);
    }
    // The next turns of the event loop touch nothing that is gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    TP::Core::Logging::addLogger(&m_log);
    m_style = new QML::Style(nullptr);
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    QVERIFY(ok);
    // The texts are checked in the source language.
    for (const QSharedPointer<QTranslator>& t : app()->translators())
      if (t) QCoreApplication::removeTranslator(t.data());
    demo().reset();
    demo().setStepDelay(0);
    demo().setPresenceChanges(false);
    QDesktopServices::setUrlHandler("http", this, "openUrl");
    QDesktopServices::setUrlHandler("https", this, "openUrl");
  }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    TP::Core::Logging::removeLogger(&m_log);
    AppPaths::setExecutableDirOverride(QString());
    delete m_style;
  }

  void cleanup() { closeMessages(); }

  void wrongPasswordExplainsAndKeepsTheForm() {
    QML::LoginWindow* login = app()->loginWindow();
    QVERIFY(login && login->isVisible());
    login->setUsername("alice");
    login->setPassword("not the password");
    login->onSigninClicked();
    QTRY_VERIFY(visibleMessage("Invalid User"));
    QCOMPARE(visibleMessage("Invalid User")->messageLabel()->text(),
             QString("Authentication failed"));
    QCOMPARE(app()->loginWindow(), login);
    QTRY_COMPARE(login->getLoginState(), QML::LoginWindow::None);
    QVERIFY(!app()->mainWindow());
    QVERIFY(!app()->factory());
    QVERIFY(m_log.containsMessage("Session error in state: "));
  }

  void connectFailureIsAWarningOfItsOwn() {
    demo().failNextSignin(RAZ::Sessions::ErrorConnectFailure);
    app()->loginWindow()->setPassword("demo");
    app()->loginWindow()->onSigninClicked();
    QTRY_VERIFY(visibleMessage("Connection Error"));
    QVERIFY(visibleMessage("Connection Error")
                ->messageLabel()
                ->text()
                .startsWith("Client is unable to connect"));
    QVERIFY(!app()->mainWindow());
  }

  void errorsOfAnotherSessionShowNothing() {
    signIn();
    RAZ::Sessions::SessionManagerBase other(nullptr);
    app()->cbSessionError(&other, RAZ::Sessions::StateSignedIn, RAZ::Sessions::ErrorAuthentication);
    QVERIFY(!visibleMessage("Invalid User"));
    app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->trigger();
    QTRY_VERIFY(!app()->sessionManager());
  }

  void signInShowsTheMainWindowWithContacts() {
    QPointer<QML::LoginWindow> login = app()->loginWindow();
    signIn("bob@example.org");
    QTRY_VERIFY(!login);  // the sign-in window is gone with the session's start
    QVERIFY(!app()->loginWindow());
    QVERIFY(app()->factory());
    QVERIFY(app()->commsWindowManager());
    QVERIFY(app()->commsWindowManager()->isInitialized());
    QVERIFY(app()->presenceRequestDialog());
    QML::MainWindow* main = app()->mainWindow();
    QCOMPARE(main->windowTitle(), QCoreApplication::applicationName());
    QCOMPARE(main->activeView(), QString("contactsView"));
    QVERIFY(main->contactModel()->rowCount() > 0);
    QQuickItem* root = main->view()->rootObject();
    QVERIFY(root);
    auto* list = root->findChild<QQuickItem*>("contactList");
    QVERIFY(list);
    QTRY_COMPARE(list->property("count").toInt(), main->contactModel()->rowCount());
    QVERIFY(!root->findChild<QQuickItem*>("userNameText")->property("text").toString().isEmpty());
    // A picture of the scene for a person to look at, when asked for.
    if (qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR"))
      main->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/main-window.png");
    // Searching narrows the list; a name nobody has empties it.
    const int all = main->contactModel()->rowCount();
    const QString first = main->contactModel()->index(0, 0).data().toString();
    main->setSearchText(first);
    QVERIFY(main->contactModel()->rowCount() >= 1);
    QVERIFY(main->contactModel()->rowCount() <= all);
    main->setSearchText("no such contact at all");
    QCOMPARE(main->contactModel()->rowCount(), 0);
    main->setSearchText(QString());
    QCOMPARE(main->contactModel()->rowCount(), all);
    // The sign-in is remembered under the completed name.
    RAZ::Settings settings(RAZ::Settings::Application);
    QCOMPARE(settings.value("login/username").toString(), QString("bob@example.org"));
    QCOMPARE(settings.value("login/config").toString(), QString("Demo"));
    // Closing the main window by its frame keeps it.
    main->close();
    QVERIFY(app()->mainWindow());
    QVERIFY(!main->isVisible());
    app()->onMessageReceived("ACTIVATE!");
    QVERIFY(main->isVisible());
  }

  void signOutFromTheSceneEndsEverySessionObjectOnce() {
    QVERIFY(app()->mainWindow());
    const QList<Watched> objects = sessionObjects();
    // The scene's own Sign Out: the window is deleted from its own handler.
    QQuickItem* button =
        app()->mainWindow()->view()->rootObject()->findChild<QQuickItem*>("signOutButton");
    QVERIFY(button);
    QVERIFY(QMetaObject::invokeMethod(button, "clicked"));
    QVERIFY(!app()->mainWindow());
    verifySignedOut(objects);
  }

  void serverClosingTheSessionLeavesNothingBehind() {
    signIn();
    const QList<Watched> objects = sessionObjects();
    QVERIFY(demo().closeSessionFromServer());
    verifySignedOut(objects);
    QVERIFY(m_log.containsMessage("Session closed"));
    // And the next session is a whole one again.
    signIn();
    QVERIFY(app()->factory());
    app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->trigger();
    verifySignedOut({});
  }

  void droppedConnectionExplainsAndSignsOut() {
    signIn();
    const QList<Watched> objects = sessionObjects();
    QVERIFY(demo().dropConnection());
    QTRY_VERIFY(visibleMessage("Connection Error"));
    QVERIFY(visibleMessage("Connection Error")
                ->messageLabel()
                ->text()
                .startsWith("Connection to server failed"));
    verifySignedOut(objects);
  }

  void forcedLogoutRemovesTheMainWindowBeforeItsMessage() {
    signIn();
    const QList<Watched> objects = sessionObjects();
    Seen seen;
    answerNext(&seen, QDialogButtonBox::Ok);
    QVERIFY(demo().forceLogout());
    QTRY_COMPARE(seen.title, QString("Forced Logout"));
    QVERIFY(seen.mainWindowGone);
    QVERIFY(seen.text.contains("is not allowed to run simultaneously on multiple locations"));
    verifySignedOut(objects);
  }

  // A configuration that asks for the call settings alone: only that window
  // opens, and closing it signs out; a session the server ends takes the
  // window with it without a second sign-out.
  void callSettingsOnlySessionLivesInItsWindow() {
    const RAZ::Configuration::Config* demoConfig =
        app()->client()->getConfigContainer()->currentConfig();
    QVERIFY(demoConfig);
    QByteArray source = demoConfig->source();
    const QByteArray off = "<value id=\"0\" type=\"bool\">false</value>";
    QVERIFY(source.contains(off));
    source.replace(off, "<value id=\"0\" type=\"bool\">true</value>");
    const RAZ::Configuration::Config settingsOnly(source, demoConfig->getPath());
    QVERIFY(settingsOnly.getBool(0));

    for (const bool byServer : {false, true}) {
      QPointer<QML::LoginWindow> login = app()->loginWindow();
      QVERIFY(login);
      app()->signin(QStringLiteral("alice"), RAZ::Demo::Service::demoPassword(), &settingsOnly,
                    QString());
      QTRY_VERIFY(app()->callSettingsWindow() && app()->callSettingsWindow()->isVisible());
      QPointer<QML::CallSettings> window = app()->callSettingsWindow();
      QCOMPARE(window->windowTitle(), QString("Call Settings"));
      QTRY_VERIFY(!login);
      QVERIFY(!app()->mainWindow());
      QVERIFY(!app()->factory());
      QVERIFY(!app()->commsWindowManager());
      QSignalSpy destroyed(window.data(), SIGNAL(destroyed(QObject*)));
      m_log.clear();
      if (byServer)
        QVERIFY(demo().closeSessionFromServer());
      else
        window->close();
      QTRY_COMPARE(destroyed.count(), 1);
      // This kind of session never becomes the application's session, so
      // only the platform tells when it has ended.
      QTRY_VERIFY(!app()->client()->hasSession());
      verifySignedOut({});
      QVERIFY(!app()->callSettingsWindow());
      int closedRecords = 0;
      for (const TP::Core::Logging::Record& r : m_log.records())
        if (r.message == QLatin1String("Session closed") &&
            r.tag == QLatin1String("Application::cbSessionClosed"))
          ++closedRecords;
      QCOMPARE(closedRecords, 1);
    }
  }

  void passwordExpiryPrompt_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("state");  // -1: nothing shown
    QTest::addColumn<QString>("text");
    QTest::newRow("3") << 3 << int(Dialogs::PasswordChangeNotification::ExpiryWarning)
                       << "Xsi account password expires in 3 days. Please consider changing it.";
    QTest::newRow("4") << 4 << -1 << QString();
    QTest::newRow("0") << 0 << int(Dialogs::PasswordChangeNotification::ExpiryWarning)
                       << "Xsi account password expires today. Please consider changing it.";
    QTest::newRow("-1")
        << -1 << int(Dialogs::PasswordChangeNotification::Expired)
        << "Xsi account password has expired. Please change it to enable Xsi functionality.";
    QTest::newRow("-10001") << -10001 << -1 << QString();
  }
  void passwordExpiryPrompt() {
    QFETCH(int, days);
    QFETCH(int, state);
    QFETCH(QString, text);
    if (!app()->sessionManager()) signIn();
    app()->xsiCredentialsDaysLeft(days);
    Dialogs::PasswordChangeNotification* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* p = qobject_cast<Dialogs::PasswordChangeNotification*>(w);
      if (p && p->isVisible()) shown = p;
    }
    if (state < 0) {
      QVERIFY(!shown);
      return;
    }
    QVERIFY(shown);
    QCOMPARE(shown->state(), state);
    QCOMPARE(shown->messageLabel()->text(), text);
    shown->close();
  }

  void passwordChangeThroughTheService() {
    if (!app()->sessionManager()) signIn();
    app()->xsiCredentialsDaysLeft(1);
    Dialogs::PasswordChangeNotification* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<Dialogs::PasswordChangeNotification*>(w); p && p->isVisible())
        dialog = p;
    QVERIFY(dialog);
    // The notice first asks whether to change; then the form takes the input.
    dialog->changeButton()->click();
    QCOMPARE(dialog->state(), int(Dialogs::PasswordChangeNotification::Expired));
    dialog->oldPasswordField()->setText("demo");
    dialog->newPasswordField()->setText("demo-2");
    dialog->confirmPasswordField()->setText("demo-2");
    QVERIFY(dialog->changeButton()->isEnabled());
    dialog->changeButton()->click();
    QTRY_COMPARE(dialog->state(), int(Dialogs::PasswordChangeNotification::Changed));
    QCOMPARE(dialog->messageLabel()->text(), QString("The password has been changed successfully"));
    dialog->close();
    for (const auto& r : m_log.records())
      QVERIFY2(!r.message.contains("demo-2"), qPrintable(r.message));
  }

  void secondInstanceMessages() {
    if (!app()->sessionManager()) signIn();
    m_log.clear();
    app()->onMessageReceived("--unknown-command please");
    QVERIFY(m_log.containsMessage("A second start sent nothing this program acts on"));
    app()->onMessageReceived("--zent:   ");
    QVERIFY(m_log.containsMessage("An empty product link was ignored"));
    app()->onMessageReceived(QString(QChar(0)) + "--\x01--zent");
    QVERIFY(app()->mainWindow());
  }

  void aboutOpensOnce() {
    app()->cbActionAbout();
    QPointer<QML::Window> about = app()->aboutWindow();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), "About " + QCoreApplication::applicationName());
    app()->cbActionAbout();
    QCOMPARE(app()->aboutWindow(), about.data());
    about->close();
    QTRY_VERIFY(!about);
  }

  void preferencesOpenOnTheAskedPageOnce() {
    app()->openPreferences(3);
    auto* prefs = qobject_cast<Dialogs::PreferencesWindow*>(app()->preferencesWindow());
    QVERIFY(prefs && prefs->isVisible());
    QCOMPARE(prefs->currentPage(), 3);
    app()->menuActionProvider()->action(Providers::MenuActionProvider::Preferences)->trigger();
    QCOMPARE(app()->preferencesWindow(), prefs);
    QCOMPARE(prefs->currentPage(), 3);
    prefs->close();
    QTRY_VERIFY(!app()->preferencesWindow());
    app()->menuActionProvider()->action(Providers::MenuActionProvider::Preferences)->trigger();
    prefs = qobject_cast<Dialogs::PreferencesWindow*>(app()->preferencesWindow());
    QCOMPARE(prefs->currentPage(), 0);
    prefs->close();
  }

  void proxyCredentialsPrompt() {
    Seen unused;
    Q_UNUSED(unused)
    QSignalSpy answered(&demo(), SIGNAL(proxyCredentialsReceived(QString)));
    QVERIFY(demo().requestProxyCredentials(false, "proxyuser", true));
    QTRY_VERIFY(visibleMessage("HTTPS Connectivity") || [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "HTTPS Connectivity") return true;
      return false;
    }());
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->windowTitle() == "HTTPS Connectivity") w->close();
    QTRY_COMPARE(answered.count(), 1);
    QVERIFY(!demo().lastProxyPasswordGiven());
    // Without a prompt the answer comes back empty, from the event loop.
    QVERIFY(demo().requestProxyCredentials(true, "proxyuser", false));
    QTRY_COMPARE(answered.count(), 2);
    QCOMPARE(demo().lastProxyUser(), QString());
  }

  void disclaimerDisabledModeOffersOkOnly() {
    QSignalSpy accepted(app(), SIGNAL(disclaimerAccepted()));
    Seen seen;
    answerNext(&seen, QDialogButtonBox::Ok);
    app()->onShowDisclaimerDialog();
    QCOMPARE(seen.title, QString("E911 Disclosure"));
    QCOMPARE(seen.buttons, QList<QDialogButtonBox::StandardButton>() << QDialogButtonBox::Ok);
    QCOMPARE(accepted.count(), 1);
  }

  void optionalNewVersionRefused() {
    Seen seen;
    answerNext(&seen, QDialogButtonBox::No);
    app()->newVersionFound(false, QUrl("https://downloads.example.org/zent"));
    QCOMPARE(seen.title, QString("New Version Available"));
    QVERIFY(opened.isEmpty());
  }

  // Last: refusing a mandatory version ends the program's event loop.
  void mandatoryNewVersionRefusedQuitsWithoutOpening() {
    Seen seen;
    answerNext(&seen, QDialogButtonBox::Close);
    m_log.clear();
    app()->newVersionFound(true, QUrl("https://downloads.example.org/zent"));
    QCOMPARE(seen.title, QString("New Mandatory Version Available"));
    QVERIFY(opened.isEmpty());
    QVERIFY(m_log.containsMessage("Mandatory update refused; quitting"));
  }
};

ZENT_TEST_MAIN(TestSessionLifecycle, Application)
#include "tst_session_lifecycle.moc"

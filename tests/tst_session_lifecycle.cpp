// Signing in and out through the real windows and the demo service: the
// sign-in form reaches the platform, a refused password explains itself, an
// opened session shows the main window with the contacts, and every way a
// session ends (Sign Out from the scene, the server closing it, a dropped
// connection, a forced log-out) removes each per-session object exactly once
// and brings the sign-in window back. Then the prompts of a session.
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Contacts/GroupRoles.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QSortFilterProxyModel>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Bytes.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include "Application.h"
#include "DemoFixture.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "SessionScope.h"
#include "TestSupport.h"
#include "Utils/BadgeHandler.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/MenuHandler.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
#include "Utils/Sounds/ContactNotification.h"
#include "Utils/Tray.h"
#include "Utils/ZentUrlHandler.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

#include <RAZ/Xsi/SupplementaryServices.h>
#include <QQuickItem>

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-session-", true);

Application* app() { return ZentTest::Scenario::app(); }
RAZ::Demo::Service& demo() { return ZentTest::Scenario::demo(); }

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
  QByteArray className;
  QSharedPointer<QSignalSpy> destroyed;
  explicit Watched(QObject* o = nullptr) : object(o) {
    if (!o) return;
    className = o->metaObject()->className();
    destroyed.reset(new QSignalSpy(o, SIGNAL(destroyed(QObject*))));
  }
  int count() const { return destroyed ? destroyed->count() : -1; }
};

// What the store on disk holds for one account, read by a manager of its own
// so that nothing the running program keeps in memory can hide a write.
struct Stored {
  bool found = false;
  QStringList passwords;  // every non-empty password of the account, any type
};

Stored storedAccount(const QString& user) {
  Stored out;
  RAZ::Utils::Credentials::CredentialsManager* live = app()->client()->getCredentialsManager();
  TP::Crypto::Blowfish cipher = ZentTest::programCipher();
  RAZ::Utils::Credentials::CredentialsManager store(live->path(), &cipher);
  if (!store.load()) return out;
  RAZ::Utils::Credentials::UserCredentials account;
  out.found = store.getCredentials(live->loginType(), user, account);
  for (int type : account.types())
    if (!account.getCredentials(type).getPassword().isEmpty())
      out.passwords << account.getCredentials(type).getPassword();
  return out;
}

}  // namespace

class TestSessionLifecycle : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void openUrl(const QUrl& url) { opened << url; }

 private:
  TP::Core::Logging::MemorySink m_log;
  // The last menu the main window was handed (its popup menus).
  QPointer<QMenu> m_lastMenu;
  QML::Style* m_style = nullptr;

  void closeMessages() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::MessageWindow*>(w) && w->isVisible()) w->close();
  }

  QString signIn(const QString& user = QStringLiteral("alice"), bool remember = false) {
    QML::LoginWindow* login = app()->loginWindow();
    if (!login) return QStringLiteral("no sign-in window");
    if (app()->sessionManager()) return QStringLiteral("signed in already");
    login->setUsername(user);
    login->setPassword(RAZ::Demo::Service::demoPassword());
    login->setRememberPasswordChecked(remember);
    login->onSigninClicked();
    if (!QTest::qWaitFor([] { return app()->mainWindow() && app()->mainWindow()->isVisible(); },
                         ZentTest::kWaitMs))
      return QStringLiteral("the main window did not show");
    if (!app()->sessionManager()) return QStringLiteral("no session");
    return QString();
  }

  // Every object the session scope holds, to count their end.
  QList<Watched> sessionObjects() {
    QList<Watched> out;
    if (const SessionScope* scope = app()->sessionScope())
      for (QObject* o : scope->objects()) out << Watched(o);
    return out;
  }

  QString verifySignedOut(const QList<Watched>& objects) {
    if (!QTest::qWaitFor(ZentTest::Scenario::signInWindowIsBack, ZentTest::kWaitMs))
      return QStringLiteral("no sign-in window");
    if (!QTest::qWaitFor([] { return !app()->sessionScope(); }, ZentTest::kWaitMs))
      return QStringLiteral("the session's objects are still in place");
    if (app()->sessionManager() || app()->factory() || app()->commsWindowManager() ||
        app()->contactOnlinePlayer() || app()->presenceRequestDialog() || app()->mainWindow() ||
        app()->mediaEngineConfigurator() || app()->serviceVerification() ||
        app()->callSettingsWindow())
      return QStringLiteral("a per-session object is still reachable");
    // The next turns of the event loop touch nothing that is gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    for (const Watched& w : objects) {
      if (!w.destroyed) continue;
      if (w.object) return QStringLiteral("%1 is still alive").arg(QString(w.className));
      if (w.count() != 1)
        return QStringLiteral("%1 ended %2 times").arg(QString(w.className)).arg(w.count());
    }
    return QString();
  }

  // One turn of the event loop, deferred deletions included (a test
  // function runs outside any event loop, where they would wait).
  static void oneTurn() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    TP::Core::Logging::addLogger(&m_log);
    m_style = new QML::Style(nullptr);
    REQUIRE(ZentTest::Scenario::start());
    // The texts are checked in the source language.
    for (const QSharedPointer<QTranslator>& t : app()->translators())
      if (t) QCoreApplication::removeTranslator(t.data());
    QDesktopServices::setUrlHandler("http", this, "openUrl");
    QDesktopServices::setUrlHandler("https", this, "openUrl");
  }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    TP::Core::Logging::removeLogger(&m_log);
    ZentTest::Scenario::finish();
    delete m_style;
  }

  // Every test function starts signed out, whatever ran before it.
  void init() { REQUIRE(ZentTest::Scenario::signOutByAction()); }

  void cleanup() { closeMessages(); }

  void wrongPasswordExplainsAndKeepsTheForm() {
    QML::LoginWindow* login = app()->loginWindow();
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
    QVERIFY(!app()->sessionScope());
    QVERIFY(m_log.containsMessage("Session error in state: "));
  }

  // A second failure replaces the message of the first: they do not pile up.
  void connectFailureIsAWarningOfItsOwn() {
    QML::LoginWindow* login = app()->loginWindow();
    login->setUsername("alice");
    login->setPassword("not the password");
    login->onSigninClicked();
    QTRY_VERIFY(visibleMessage("Invalid User"));
    QPointer<Dialogs::MessageWindow> first = visibleMessage("Invalid User");
    QTRY_COMPARE(login->getLoginState(), QML::LoginWindow::None);
    demo().failNextSignin(RAZ::Sessions::ErrorConnectFailure);
    login->setPassword(RAZ::Demo::Service::demoPassword());
    login->onSigninClicked();
    QTRY_VERIFY(visibleMessage("Connection Error"));
    QVERIFY(visibleMessage("Connection Error")
                ->messageLabel()
                ->text()
                .startsWith("Client is unable to connect"));
    QVERIFY(!visibleMessage("Invalid User"));
    QVERIFY(!first || !first->isVisible());
    QCOMPARE(app()->sessionErrorMessage(), visibleMessage("Connection Error"));
    QVERIFY(!app()->mainWindow());
  }

  void errorsOfAnotherSessionShowNothing() {
    REQUIRE(signIn());
    RAZ::Sessions::SessionManagerBase other(nullptr);
    app()->cbSessionError(&other, RAZ::Sessions::StateSignedIn, RAZ::Sessions::ErrorAuthentication);
    QVERIFY(!visibleMessage("Invalid User"));
    QVERIFY(!app()->sessionErrorMessage());
  }

  void signInShowsTheMainWindowWithContacts() {
    QPointer<QML::LoginWindow> login = app()->loginWindow();
    REQUIRE(signIn("bob@example.org"));
    QTRY_VERIFY(!login);  // the sign-in window is gone with the session's start
    QVERIFY(!app()->loginWindow());
    QVERIFY(app()->factory());
    QVERIFY(app()->commsWindowManager());
    QVERIFY(app()->commsWindowManager()->isInitialized());
    QVERIFY(app()->presenceRequestDialog());
    // The scope holds what the application hands out.
    const QList<QObject*> held = app()->sessionScope()->objects();
    for (QObject* o : std::initializer_list<QObject*>{app()->mainWindow(), app()->factory(),
                                                      app()->commsWindowManager(),
                                                      app()->presenceRequestDialog()})
      QVERIFY(held.contains(o));
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
    // The list shows contacts by group: the first row is a group's header.
    QVERIFY(
        main->contactModel()->index(0, 0).data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool());
    const QString first =
        main->contactModel()->index(1, 0).data(RAZ::Contacts::Contacts::DisplayNameRole).toString();
    main->setSearchText(first);
    QVERIFY(main->contactModel()->rowCount() >= 1);
    QVERIFY(main->contactModel()->rowCount() <= all);
    main->setSearchText("no such contact at all");
    QCOMPARE(main->contactModel()->rowCount(), 0);
    main->setSearchText(QString());
    QCOMPARE(main->contactModel()->rowCount(), all);
    // The sign-in is remembered under the completed name.
    RAZ::Settings settings(RAZ::Settings::Application);
    QCOMPARE(settings.value(Utils::SettingsKey::LoginUsername).toString(),
             QString("bob@example.org"));
    QCOMPARE(settings.value(Utils::SettingsKey::LoginConfig).toString(), QString("Demo"));
    // Closing the main window by its frame keeps it: hidden behind the
    // tray, or minimised where there is no tray to bring it back.
    main->close();
    QVERIFY(app()->mainWindow());
    if (QSystemTrayIcon::isSystemTrayAvailable())
      QVERIFY(!main->isVisible());
    else
      QVERIFY(main->windowState() & Qt::WindowMinimized);
    app()->onMessageReceived("ACTIVATE!");
    QVERIFY(main->isVisible());
  }

  // The main window as a user meets it: the frame icon's menu, a contact's
  // menu acting on the demo service, favourites, own presence from the window
  // and the tray, and the history with its missed count.
  void mainWindowAsAUser() {
    REQUIRE(signIn("bob@example.org"));
    QML::MainWindow* main = app()->mainWindow();
    QVERIFY(main);
    const QString grabDir = qEnvironmentVariable("ZENT_TEST_GRAB_DIR");
    QPointer<QMenu>& menu = m_lastMenu;
    connect(main->menuHandler(), &Utils::MenuHandler::openMenu, this,
            [this](QMenu* m) { m_lastMenu = m; });
    auto texts = [&menu] {
      QStringList out;
      if (menu)
        for (QAction* a : menu->actions())
          if (!a->isSeparator()) out << a->text().remove('&');
      return out;
    };
    QQuickItem* root = main->view()->rootObject();
    QVERIFY(QMetaObject::invokeMethod(root->findChild<QQuickItem*>("windowFrameIcon"), "clicked"));
    for (const char* entry :
         {"About", "Preferences...", "Call Settings...", "Help", "Sign Out", "Exit"})
      QVERIFY2(texts().contains(entry), entry);
    if (!grabDir.isEmpty()) menu->grab().save(grabDir + "/application-menu.png");
    menu->hide();

    // Right-click a contact: its menu acts on the demo service.
    RAZ::Contacts::Contacts* contacts = app()->sessionManager()->contactsManager().data();
    const int chloeRow = 1;  // the first contact of the first group
    QCOMPARE(main->contactModel()
                 ->index(chloeRow, 0)
                 .data(RAZ::Contacts::Contacts::DisplayNameRole)
                 .toString(),
             QString("Chloe Duval"));
    main->selectContactRow(chloeRow);
    main->showCurrentContactMenu();
    QVERIFY(texts().contains("Set as Favorite"));
    if (!grabDir.isEmpty()) menu->grab().save(grabDir + "/contact-menu.png");
    for (QAction* a : menu->actions())
      if (a->text() == "Set as Favorite") a->trigger();
    QVERIFY(contacts->getContact(103)->isFavourite());
    // ... and is found among the favourites.
    main->showFavoritesGroupTriggered(true);
    QCOMPARE(main->contactModel()->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupIdRole).toInt(),
             int(RAZ::Contacts::IGroup::FavouritesId));
    bool listed = false;
    for (int row = 1; row < main->contactModel()->rowCount(); ++row) {
      if (main->contactModel()->index(row, 0).data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool())
        break;
      if (main->contactModel()->index(row, 0).data(RAZ::Contacts::Contacts::IdRole).toInt() == 103)
        listed = true;
    }
    QVERIFY(listed);
    // Call from the menu: one session on the demo service.
    main->selectContactRow(main->contactModel()->rowCount() - 1);
    main->showCurrentContactMenu();
    for (QAction* a : menu->actions())
      if (a->text() == "Chat") a->trigger();
    QTRY_COMPARE(app()->sessionManager()->commsSessionController()->commsList().size(), 1);

    // Own presence from the window's presence menu and from the tray.
    Utils::PresenceHelper* presence = app()->factory()->presenceHelper();
    QVERIFY(presence);
    RAZ::Presence::PresenceData* own = contacts->ownPresence();
    for (QAction* a : presence->getMenu()->actions())
      if (a->data().toInt() == 5) a->trigger();
    QCOMPARE(own->state(), 5);
    QVERIFY(app()->tray());
    QMenu* availability = nullptr;
    for (QAction* a : app()->tray()->menu()->actions())
      if (a->menu() == presence->getMenu()) availability = a->menu();
    QVERIFY(availability);
    for (QAction* a : availability->actions())
      if (a->data().toInt() == 17) a->trigger();
    QCOMPARE(own->state(), 17);

    // History with the demo's calls and the missed count on its button.
    QCOMPARE(main->badgeHandler()->badgeCount(), 3);
    root->findChild<QQuickItem*>("activeView")->setProperty("state", "historyView");
    QCOMPARE(main->activeView(), QString("historyView"));
    auto* history = root->findChild<QQuickItem*>("historyList");
    QVERIFY(history);
    QTRY_VERIFY(history->property("count").toInt() >= 7);
    if (!grabDir.isEmpty()) {
      // The scene draws on its next frame: let the queued updates through.
      for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
      main->view()->grab().save(grabDir + "/history.png");
    }
    main->setTimelineFilter(1);
    QTRY_COMPARE(history->property("count").toInt(), 3);
    // Leaving the history with "Missed" chosen marks the missed calls seen.
    root->findChild<QQuickItem*>("activeView")->setProperty("state", "contactsView");
    QCOMPARE(main->badgeHandler()->badgeCount(), 1);  // the missed chat stays new
    main->setTimelineFilter(0);
  }

  void signOutFromTheSceneEndsEverySessionObjectOnce() {
    REQUIRE(signIn());
    const QList<Watched> objects = sessionObjects();
    QVERIFY(objects.size() >= 4);
    // Sign Out from the menu behind the window's frame icon: the window is
    // deleted from its own handler.
    QQuickItem* frameIcon =
        app()->mainWindow()->view()->rootObject()->findChild<QQuickItem*>("windowFrameIcon");
    QVERIFY(frameIcon);
    QPointer<QMenu>& menu = m_lastMenu;
    connect(app()->mainWindow()->menuHandler(), &Utils::MenuHandler::openMenu, this,
            [this](QMenu* m) { m_lastMenu = m; });
    QVERIFY(QMetaObject::invokeMethod(frameIcon, "clicked"));
    QVERIFY(menu);
    QAction* signOut = nullptr;
    for (QAction* a : menu->actions())
      if (a->text().remove(QLatin1Char(38)) == QString("Sign Out")) signOut = a;
    QVERIFY(signOut);
    signOut->trigger();
    QVERIFY(!app()->mainWindow());
    REQUIRE(verifySignedOut(objects));
  }

  void serverClosingTheSessionLeavesNothingBehind() {
    REQUIRE(signIn());
    const QList<Watched> objects = sessionObjects();
    // The objects end in the reverse of the order the scope declares them:
    // the main window before the hub it uses, the hub before the managers.
    const QList<QObject*> declared = app()->sessionScope()->objects();
    QML::MainWindow* main = app()->mainWindow();
    QList<QObject*> expected;
    for (QObject* o : declared) expected.prepend(o);
    QList<QObject*> ended;
    for (QObject* o : declared)
      connect(o, &QObject::destroyed, this, [&ended](QObject* gone) { ended << gone; });
    QVERIFY(demo().closeSessionFromServer());
    REQUIRE(verifySignedOut(objects));
    QCOMPARE(ended, expected);
    QVERIFY(ended.size() >= 4);
    QCOMPARE(ended.first(), static_cast<QObject*>(main));
    QVERIFY(m_log.containsMessage("Session closed"));
    // And the next session is a whole one again.
    REQUIRE(signIn());
    QVERIFY(app()->factory());
    const QList<Watched> second = sessionObjects();
    app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->trigger();
    REQUIRE(verifySignedOut(second));
  }

  // The warning explains why the session ended, so the session's end must
  // not take it along. Followed one event-loop turn at a time: from the turn
  // the error arrives on, the warning shows at every turn, through the
  // session's close and after the sign-in window has come back.
  void droppedConnectionExplainsAndSignsOut() {
    REQUIRE(signIn());
    const QList<Watched> objects = sessionObjects();
    // The warning as the error's delivery leaves it (this receiver comes
    // after the application's).
    QPointer<Dialogs::MessageWindow> warning;
    int errors = 0;
    QMetaObject::Connection onError =
        connect(app()->client(), &RAZ::Client::sessionError, this, [&warning, &errors] {
          ++errors;
          warning = visibleMessage("Connection Error");
        });
    QSignalSpy closed(app()->client(), SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)));
    QVERIFY(demo().dropConnection());
    int turnsWithSignInWindow = 0;
    // Turns that find nothing to do block until the next event arrives; the
    // heartbeat only bounds that wait, so a loaded machine cannot run out of
    // turns before the session's close has been delivered.
    QTimer heartbeat;
    heartbeat.start(20);
    QDeadlineTimer deadline(30000);
    for (int turn = 0; !deadline.hasExpired() && turnsWithSignInWindow < 5; ++turn) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (errors == 0) continue;
      QVERIFY2(warning && warning->isVisible(),
               qPrintable(QString("no warning after turn %1; the session closed: %2")
                              .arg(turn)
                              .arg(closed.count())));
      if (ZentTest::Scenario::signInWindowIsBack()) ++turnsWithSignInWindow;
    }
    disconnect(onError);
    QCOMPARE(errors, 1);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(turnsWithSignInWindow, 5);
    QVERIFY(warning->messageLabel()->text().startsWith("Connection to server failed"));
    REQUIRE(verifySignedOut(objects));
    QVERIFY(warning && warning->isVisible());
    if (qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR")) {
      const QString dir = qEnvironmentVariable("ZENT_TEST_GRAB_DIR");
      warning->grab().save(dir + "/connection-lost-warning.png");
      app()->loginWindow()->grab().save(dir + "/connection-lost-sign-in.png");
    }
    // It stays until the user closes it.
    warning->close();
    QTRY_VERIFY(!warning);
  }

  void forcedLogoutRemovesTheMainWindowBeforeItsMessage() {
    REQUIRE(signIn());
    const QList<Watched> objects = sessionObjects();
    Seen seen;
    answerNext(&seen, QDialogButtonBox::Ok);
    QVERIFY(demo().forceLogout());
    QTRY_COMPARE(seen.title, QString("Forced Logout"));
    QVERIFY(seen.mainWindowGone);
    QVERIFY(seen.text.contains("is not allowed to run simultaneously on multiple locations"));
    REQUIRE(verifySignedOut(objects));
  }

  // The password reaches the store only when the user asked to remember it,
  // and never for the length of a sign-in that may fail.
  void passwordIsStoredOnlyWhenAskedFor_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("rememberedBefore");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("refused, not remembered")
        << "erin" << false << false << "a wrong secret" << false << QStringList();
    QTest::newRow("accepted, not remembered")
        << "frank" << false << false << "demo" << true << QStringList();
    QTest::newRow("accepted, remembered")
        << "grace" << false << true << "demo" << true << QStringList{"demo"};
    QTest::newRow("refused, remembered before")
        << "heidi" << true << false << "a wrong secret" << false << QStringList();
  }
  void passwordIsStoredOnlyWhenAskedFor() {
    QFETCH(QString, user);
    QFETCH(bool, rememberedBefore);
    QFETCH(bool, remember);
    QFETCH(QString, password);
    QFETCH(bool, opens);
    QFETCH(QStringList, stored);
    if (rememberedBefore) {
      RAZ::Utils::Credentials::CredentialsManager* live = app()->client()->getCredentialsManager();
      RAZ::Utils::Credentials::CredentialsData data;
      data.setUsername(user);
      data.setPassword("remembered earlier");
      RAZ::Utils::Credentials::UserCredentials account;
      account.setCredentials(live->loginType(), data);
      live->addCredentials(account);
      QCOMPARE(storedAccount(user).passwords, QStringList{"remembered earlier"});
    }
    QML::LoginWindow* login = app()->loginWindow();
    login->setUsername(user);
    login->setPassword(password);
    login->setRememberPasswordChecked(remember);
    login->onSigninClicked();
    // The account is stored as the sign-in starts.
    Stored during = storedAccount(user);
    QVERIFY(during.found);
    QCOMPARE(during.passwords, stored);
    if (opens) {
      QTRY_VERIFY(app()->mainWindow());
    } else {
      QTRY_VERIFY(visibleMessage("Invalid User"));
      QTRY_COMPARE(login->getLoginState(), QML::LoginWindow::None);
    }
    Stored after = storedAccount(user);
    QVERIFY(after.found);
    QCOMPARE(after.passwords, stored);
  }

  // A configuration that asks for the call settings alone: only that window
  // opens, and closing it signs out; a session the server ends takes the
  // window with it without a second sign-out.
  // As a user would: Call Settings from the application menu shows the
  // demo's services; forwarding switched on to a number is still on after
  // signing out and in again.
  void callSettingsFromTheMenuKeepWhatWasSaved() {
    REQUIRE(signIn("carol"));
    QAction* entry =
        app()->menuActionProvider()->action(Providers::MenuActionProvider::CallSettings);
    QVERIFY(entry);
    QTRY_VERIFY(entry->isEnabled());
    entry->trigger();
    QPointer<QML::CallSettings> window = app()->mainWindow()->callSettingsWindow();
    QVERIFY(window && window->isVisible());
    QTRY_COMPARE(window->tabs()->rowCount(), 6);
    window->showPage(Utils::ForwardingPage);
    QQuickItem* always = window->view()->rootObject()->findChild<QQuickItem*>("forwardAlways");
    QVERIFY(always);
    QTRY_COMPARE(always->property("serviceState").toInt(), 0);
    QMetaObject::invokeMethod(always, "startEditing");
    always->setProperty("editEnabled", true);
    always->setProperty("editNumber", "+49 30 999");
    QVariant pushed;
    QMetaObject::invokeMethod(always, "save", Q_RETURN_ARG(QVariant, pushed));
    QVERIFY(pushed.toBool());
    QTRY_COMPARE(always->property("editing").toBool(), false);
    QCOMPARE(always->property("serviceState").toInt(), 1);

    REQUIRE(ZentTest::Scenario::signOutByAction());
    QTRY_VERIFY(!window);  // the window ends with its session
    REQUIRE(signIn("carol"));
    auto* xsi = app()->sessionManager()->xsiSupplementaryServicesController();
    QVERIFY(xsi);
    QTRY_VERIFY(xsi->isReady());
    RAZ::Controllers::XsiServiceObject* service =
        xsi->getService(RAZ::Controllers::SupplementaryService::CallForwardingAlways);
    QSignalSpy ready(service, SIGNAL(ready()));
    service->fetch();
    QVERIFY(ready.wait(ZentTest::kWaitMs));
    QCOMPARE(service->state(), 1);
    QCOMPARE(service->attribute("forwardToPhoneNumber"), QString("+49 30 999"));
    REQUIRE(ZentTest::Scenario::signOutByAction());
  }

  // A location with a time zone chosen in "My Location" is published and
  // shown in the own-presence panel.
  void publishedLocationShowsInTheOwnPresencePanel() {
    REQUIRE(signIn("dora"));
    Utils::PresenceHelper* helper = app()->factory()->presenceHelper();
    QVERIFY(helper && helper->locationDialog());
    helper->showLocationPublishDialog();
    Dialogs::LocationPublish* dialog = helper->locationDialog();
    dialog->regionEdit()->setText("Harbour office");
    const int zone = dialog->timeComboBox()->findText("(UTC+09:00) Tokyo, Seoul");
    QVERIFY(zone > 0);
    dialog->timeComboBox()->setCurrentIndex(zone);
    dialog->setLocationButton()->click();
    QVERIFY(app()->mainWindow()->ownLocation().startsWith("Harbour office  "));
    QQuickItem* location =
        app()->mainWindow()->view()->rootObject()->findChild<QQuickItem*>("ownLocationText");
    QVERIFY(location);
    QTRY_VERIFY(location->property("text").toString().contains("Harbour office"));
    QVERIFY(location->isVisible());
    // The line also reopens the dialog to change the location.
    dialog->hide();
    QVERIFY(QMetaObject::invokeMethod(app()->mainWindow(), "showLocationPublishDialog"));
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->regionEdit()->text(), QString("Harbour office"));
    dialog->hide();
    REQUIRE(ZentTest::Scenario::signOutByAction());
  }

  void callSettingsOnlySessionLivesInItsWindow() {
    const RAZ::Configuration::Config* demoConfig =
        app()->client()->getConfigContainer()->currentConfig();
    QVERIFY(demoConfig);
    QByteArray source = demoConfig->source();
    const QByteArray off = "<value id=\"0\" type=\"bool\">false</value>";
    QVERIFY(source.contains(off));
    source.replace(off, "<value id=\"0\" type=\"bool\">true</value>");
    const RAZ::Configuration::Config settingsOnly(source, demoConfig->getPath());
    QVERIFY(settingsOnly.getBool(Utils::ConfigId::CallSettingsOnly));

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
      REQUIRE(verifySignedOut({}));
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
    REQUIRE(signIn());
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

  // A changed password is stored only when the user asked to remember it;
  // the sign-in's password is not written along with it either.
  void passwordChangeThroughTheService_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("not remembered") << "ivan" << false << QStringList();
    QTest::newRow("remembered") << "judy" << true << QStringList{"demo", "demo-2"};
  }
  void passwordChangeThroughTheService() {
    QFETCH(QString, user);
    QFETCH(bool, remember);
    QFETCH(QStringList, stored);
    REQUIRE(signIn(user, remember));
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
    const Stored account = storedAccount(user);
    QVERIFY(account.found);
    QStringList passwords = account.passwords;
    passwords.sort();
    QCOMPARE(passwords, stored);
  }

  void secondInstanceMessages() {
    REQUIRE(signIn());
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
    app()->openPreferences(Dialogs::PreferencesWindow::Proxy);
    auto* prefs = qobject_cast<Dialogs::PreferencesWindow*>(app()->preferencesWindow());
    QVERIFY(prefs && prefs->isVisible());
    QCOMPARE(prefs->currentPageName(), QStringLiteral("proxyTab"));
    app()->menuActionProvider()->action(Providers::MenuActionProvider::Preferences)->trigger();
    QCOMPARE(app()->preferencesWindow(), prefs);
    QCOMPARE(prefs->currentPageName(), QStringLiteral("proxyTab"));
    prefs->close();
    QTRY_VERIFY(!app()->preferencesWindow());
    app()->menuActionProvider()->action(Providers::MenuActionProvider::Preferences)->trigger();
    prefs = qobject_cast<Dialogs::PreferencesWindow*>(app()->preferencesWindow());
    QCOMPARE(prefs->currentPageName(),
             app()->sessionManager() ? QStringLiteral("generalTab") : QStringLiteral("proxyTab"));
    prefs->close();
  }

  void proxyCredentialsPrompt() {
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

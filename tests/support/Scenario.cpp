#include "Scenario.h"

#include <QApplication>
#include <QComboBox>
#include <QLocalSocket>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

namespace ZentTest {

bool Scenario::prepare(const QByteArray& instancePrefix, const QByteArray& language) {
  const bool ok = useTemporaryHome(instancePrefix, false);
  // The interface follows the system's language at a first start.
  const QByteArray locale = language == "es" ? "es_ES.UTF-8" : "en_US.UTF-8";
  qputenv("LANG", locale);
  qputenv("LC_ALL", locale);
  qputenv("LANGUAGE", language);
  return ok;
}

QString Scenario::start() {
  AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
  demo().reset();
  demo().setStepDelay(0);
  demo().setPresenceChanges(false);
  const bool ok = app()->initialize();
  installStrictMessageHandler();
  if (!ok) return QStringLiteral("the application did not initialise");
  // The reset above runs before the service reads its environment: repeat
  // what a test relies on.
  demo().setStepDelay(0);
  demo().setPresenceChanges(false);
  demo().setPresenceRequestsAtSignIn(false);
  if (!QTest::qWaitFor([] { return app()->loginWindow() && app()->loginWindow()->isVisible(); },
                       kWaitMs))
    return QStringLiteral("no sign-in window; visible: %1").arg(describeWindows());
  return QString();
}

void Scenario::finish() {
  tidy();
  AppPaths::setExecutableDirOverride(QString());
}

bool Scenario::signInWindowIsBack() {
  QML::LoginWindow* login = app()->loginWindow();
  return login && login->isVisible() && login->getLoginState() == QML::LoginWindow::None;
}

Application* Scenario::app() { return static_cast<Application*>(qApp); }

RAZ::Demo::Service& Scenario::demo() { return RAZ::Demo::Service::instance(); }

QString Scenario::signIn(const QString& user) {
  if (app()->client()->hasSession() && mainWindow() && mainWindow()->isVisible()) return QString();
  SceneDriver login = loginScene();
  if (!login.isValid()) return QStringLiteral("no sign-in window");
  QString problem = login.waitVisible(QStringLiteral("usernameCombo"));
  if (!problem.isEmpty()) return problem;
  problem = login.focus(QStringLiteral("usernameCombo"));
  if (!problem.isEmpty()) return problem;
  // Whatever a previous sign-in left in the field goes first.
  login.press(Qt::Key_A, Qt::ControlModifier);
  login.press(Qt::Key_Backspace);
  login.type(user);
  login.press(Qt::Key_Tab);
  login.type(RAZ::Demo::Service::demoPassword());
  login.press(Qt::Key_Return);
  if (!QTest::qWaitFor([] { return mainWindow() && mainWindow()->isVisible(); }, kWaitMs))
    return QStringLiteral("the main window did not show; sign-in status \"%1\"; visible: %2")
        .arg(login.text(QStringLiteral("statusLabel")), describeWindows());
  return QString();
}

QString Scenario::signOut() {
  tidy();
  if (!app()->client()->hasSession()) return QString();
  SceneDriver main = mainScene();
  QString problem = main.click(QStringLiteral("windowFrameIcon"));
  if (!problem.isEmpty()) return problem;
  QMenu* menu = nullptr;
  problem = waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  problem = triggerMenuEntry(menu, {QStringLiteral("Sign Out")});
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([] { return !app()->client()->hasSession() && !app()->sessionScope(); },
                       kWaitMs))
    return QStringLiteral("the session did not end");
  if (!QTest::qWaitFor(signInWindowIsBack, kWaitMs)) return QStringLiteral("no sign-in window");
  return QString();
}

void Scenario::tidy() {
  closeMenus();
  // Calls and chats a test left behind end without questions.
  if (app()->client()->hasSession()) {
    RAZ::Controllers::CommsSessionController* comms =
        app()->sessionManager()->commsSessionController();
    const QList<RAZ::Controllers::CommunicationSession*> open = comms->commsList();
    for (RAZ::Controllers::CommunicationSession* s : open) comms->closeSession(s);
    (void)QTest::qWaitFor([comms] { return comms->commsList().isEmpty(); }, kWaitMs);
  }
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<Dialogs::MessageWindow*>(w) && w->isVisible()) w->close();
}

SceneDriver Scenario::loginScene() {
  return SceneDriver(app()->loginWindow() ? app()->loginWindow()->view() : nullptr);
}

SceneDriver Scenario::mainScene() {
  return SceneDriver(mainWindow() ? mainWindow()->view() : nullptr);
}

QML::MainWindow* Scenario::mainWindow() { return app()->mainWindow(); }

QString Scenario::openContactMenu(const QString& name, QMenu** menu) {
  SceneDriver main = mainScene();
  QString problem = main.click(QStringLiteral("leftPaneButton0"));  // the contacts
  if (problem.isEmpty()) problem = main.waitVisible(QStringLiteral("contactRow"));
  if (!problem.isEmpty()) return problem;
  QQuickItem* row = main.row(QStringLiteral("contactRow"), name, &problem);
  if (!row) return problem;
  problem = main.rightClick(row);
  return problem.isEmpty() ? waitForMenu(menu) : problem;
}

QString Scenario::control(const QByteArray& command) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromLocal8Bit(qgetenv("ZENT_DEMO_CONTROL")));
  if (!socket.waitForConnected(kWaitMs)) return QStringLiteral("(no control channel)");
  socket.write(command + '\n');
  socket.flush();
  // The service answers from this process's own event loop.
  if (!QTest::qWaitFor([&socket] { return socket.canReadLine(); }, kWaitMs))
    return QStringLiteral("(no answer)");
  return QString::fromUtf8(socket.readLine()).trimmed();
}

QString Scenario::chooseLanguage(const QString& startOfName) {
  QString problem = Scenario::mainScene().click(QStringLiteral("windowFrameIcon"));
  if (!problem.isEmpty()) return problem;
  QMenu* menu = nullptr;
  problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  QString entry;
  for (const QString& text : ZentTest::menuTexts(menu))
    if (text.startsWith(QLatin1String("Pref"))) entry = text;
  problem = ZentTest::triggerMenuEntry(menu, {entry});
  if (!problem.isEmpty()) return problem;
  Dialogs::PreferencesWindow* prefs = nullptr;
  problem = ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs);
  if (!problem.isEmpty()) return problem;
  auto* languages = prefs->findChild<QComboBox*>(QStringLiteral("languageSelect"));
  if (!languages) return QStringLiteral("no language list");
  int index = -1;
  for (int i = 0; i < languages->count(); ++i)
    if (languages->itemText(i).startsWith(startOfName)) index = i;
  if (index < 0) return QStringLiteral("no language \"%1\"").arg(startOfName);
  languages->setFocus();
  while (languages->currentIndex() != index) {
    const int before = languages->currentIndex();
    QTest::keyClick(languages, languages->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    if (languages->currentIndex() == before)
      return QStringLiteral("the language list does not move");
  }
  problem = ZentTest::clickButton(prefs, QStringLiteral("okButton"));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([prefs = QPointer<Dialogs::PreferencesWindow>(
                            prefs)] { return !prefs || !prefs->isVisible(); },
                       ZentTest::kWaitMs))
    return QStringLiteral("Preferences stayed open");
  return QString();
}

QString Scenario::chooseFromWindowMenu(const QStringList& path) {
  QString problem = mainScene().click(QStringLiteral("windowFrameIcon"));
  QMenu* menu = nullptr;
  if (problem.isEmpty()) problem = waitForMenu(&menu);
  return problem.isEmpty() ? triggerMenuEntry(menu, path) : problem;
}

QString Scenario::waitForCommsWindow(const QString& title, QML::CommunicationsWindow** out) {
  return waitForWindow<QML::CommunicationsWindow>(
      out, [&title](QML::CommunicationsWindow* w) { return w->windowTitle().contains(title); });
}

QString Scenario::waitForCallPopup(QML::CommunicationNotification** out) {
  return waitForWindow<QML::CommunicationNotification>(out, [](QML::CommunicationNotification* n) {
    return n->type() == QML::CommunicationNotification::CallNotification;
  });
}

void ScenarioTestObject::initTestCase() {
  QVERIFY(m_prepared);
  REQUIRE(Scenario::start());
}

void ScenarioTestObject::cleanupTestCase() { Scenario::finish(); }

void ScenarioTestObject::cleanup() {
  Scenario::tidy();
  QTRY_VERIFY_WITH_TIMEOUT(!findWindow<QML::CommunicationsWindow>(), kWaitMs);
}

}  // namespace ZentTest

#include "Scenario.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocalSocket>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "Providers/MenuActionProvider.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/NotificationManager.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"
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

bool Scenario::prepareWithControl(const QByteArray& instancePrefix, const QByteArray& language) {
  qputenv("ZENT_DEMO_CONTROL",
          instancePrefix + "control-" + QByteArray::number(QCoreApplication::applicationPid()));
  return prepare(instancePrefix, language);
}

void Scenario::freshService() {
  demo().reset();
  demo().setStepDelay(0);
  demo().setPresenceChanges(false);
}

QString Scenario::start() {
  AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
  freshService();
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

QString Scenario::signInToPresenceRequests(QML::PresenceRequestDialog** dialog) {
  QString problem = signOut();
  if (!problem.isEmpty()) return problem;
  demo().setPresenceRequestsAtSignIn(true);
  problem = signIn();
  demo().setPresenceRequestsAtSignIn(false);
  if (!problem.isEmpty()) return problem;
  QML::PresenceRequestDialog* shown = app()->presenceRequestDialog();
  *dialog = shown;
  if (!shown) return QStringLiteral("no presence request dialog");
  if (!QTest::qWaitFor([shown] { return shown->isVisible(); }, kWaitMs))
    return QStringLiteral("the presence requests do not show");
  SceneDriver requests = SceneDriver::of(shown);
  if (!QTest::qWaitFor(
          [&requests, &problem] {
            return requests.row(QStringLiteral("requestRow"), QStringLiteral("Mara Santos"),
                                &problem) != nullptr;
          },
          kWaitMs))
    return problem;
  return QString();
}

QString Scenario::signOutByAction() {
  if (app()->client()->hasSession())
    app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->trigger();
  if (!QTest::qWaitFor([] { return !app()->client()->hasSession() && !app()->sessionScope(); },
                       kWaitMs))
    return QStringLiteral("the session did not end");
  if (!QTest::qWaitFor(signInWindowIsBack, kWaitMs)) return QStringLiteral("no sign-in window");
  return QString();
}

void Scenario::tidy() {
  closeMenus();
  demo().holdCalledParties(false);
  // Calls and chats a test left behind end without questions.
  // A test that ends mid-sign-in leaves a session without its manager yet.
  RAZ::Sessions::SessionManagerBase* manager =
      app()->client()->hasSession() ? app()->sessionManager() : nullptr;
  if (manager && manager->commsSessionController()) {
    RAZ::Controllers::CommsSessionController* comms = manager->commsSessionController();
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

Sightings::Sightings() {
  if (NotificationManager* popups = Scenario::app()->notificationManager())
    connect(popups, &NotificationManager::notificationAdded, this, [this](QWidget* popup) {
      Seen seen;
      seen.widget = popup;
      auto* call = qobject_cast<QML::CommunicationNotification*>(popup);
      seen.callPopup = call && call->type() == QML::CommunicationNotification::CallNotification;
      if (auto* text = popup->findChild<QLabel*>(QStringLiteral("notificationText")))
        seen.texts << text->text();
      m_seen << seen;
    });
  if (Utils::CommunicationsWindowManager* windows = Scenario::app()->commsWindowManager())
    connect(windows, &Utils::CommunicationsWindowManager::windowVisible, this,
            [this](bool visible, const QML::CommunicationsWindow* shown) {
              auto* window = const_cast<QML::CommunicationsWindow*>(shown);
              if (!visible || !window) return;
              Seen seen;
              seen.widget = window;
              seen.commsWindow = true;
              seen.texts << window->windowTitle();
              const int index = m_seen.size();
              m_seen << seen;
              // A title that follows (the party named once known) counts too.
              connect(window, &QWidget::windowTitleChanged, this, [this, index](const QString& t) {
                if (index < m_seen.size()) m_seen[index].texts << t;
              });
            });
}

QString Sightings::waitFor(std::function<bool(const Seen&)> matches, QWidget** out,
                           const QString& what) {
  const Seen* found = nullptr;
  (void)QTest::qWaitFor(
      [&] {
        for (const Seen& seen : qAsConst(m_seen))
          if (matches(seen)) {
            found = &seen;
            return true;
          }
        return false;
      },
      kWaitMs);
  if (out) *out = found ? found->widget.data() : nullptr;
  if (found) return QString();
  return QStringLiteral("no %1 showed; visible: %2").arg(what, describeWindows());
}

QString Sightings::callPopup(QML::CommunicationNotification** out) {
  QWidget* popup = nullptr;
  const QString problem = waitFor([](const Seen& seen) { return seen.callPopup; }, &popup,
                                  QStringLiteral("call popup"));
  if (out) *out = qobject_cast<QML::CommunicationNotification*>(popup);
  return problem;
}

QString Sightings::commsWindow(const QString& title, QML::CommunicationsWindow** out) {
  QWidget* window = nullptr;
  const QString problem = waitFor(
      [&title](const Seen& seen) {
        return seen.commsWindow &&
               std::any_of(seen.texts.begin(), seen.texts.end(),
                           [&title](const QString& t) { return t.contains(title); });
      },
      &window, QStringLiteral("communications window titled '%1'").arg(title));
  if (out) *out = qobject_cast<QML::CommunicationsWindow*>(window);
  return problem;
}

QString Sightings::toast(const QString& text) {
  return waitFor(
      [&text](const Seen& seen) { return seen.texts.contains(text) && !seen.commsWindow; }, nullptr,
      QStringLiteral("toast saying '%1'").arg(text));
}

bool Sightings::sawToast(const QString& text) const {
  return std::any_of(m_seen.begin(), m_seen.end(), [&text](const Seen& seen) {
    return !seen.commsWindow && seen.texts.contains(text);
  });
}

bool noCallPopup() {
  return !findWindow<QML::CommunicationNotification>([](QML::CommunicationNotification* n) {
    return n->type() == QML::CommunicationNotification::CallNotification;
  });
}

namespace {
QString historyRowText(QQuickItem* row) {
  QStringList texts;
  for (QQuickItem* child : row->findChildren<QQuickItem*>()) {
    const QVariant t = child->property("text");
    if (child->isVisible() && t.type() == QVariant::String && t.toString().size() > 1)
      texts << t.toString();
  }
  return texts.join(QStringLiteral(" / "));
}
}  // namespace

QStringList historyRows() {
  SceneDriver main = Scenario::mainScene();
  QList<QQuickItem*> shown = main.items(QStringLiteral("historyRow"));
  std::sort(shown.begin(), shown.end(), [](QQuickItem* a, QQuickItem* b) {
    return a->mapToScene(QPointF(0, 0)).y() < b->mapToScene(QPointF(0, 0)).y();
  });
  QStringList rows;
  for (QQuickItem* row : qAsConst(shown)) rows << historyRowText(row);
  return rows;
}

QStringList allHistoryRows() {
  SceneDriver main = Scenario::mainScene();
  const QList<QQuickItem*> shown = main.items(QStringLiteral("historyRow"));
  QQuickItem* list = shown.isEmpty() ? nullptr : shown.first()->parentItem();
  while (list && !list->inherits("QQuickListView")) list = list->parentItem();
  if (!list) return historyRows();
  QStringList rows;
  const int count = list->property("count").toInt();
  for (int i = 0; i < count; ++i) {
    // Scrolled to, as the user would, so that the row exists to be read.
    QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, i), Q_ARG(int, 4));
    QQuickItem* row = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, i));
    rows << (row ? historyRowText(row) : QString());
  }
  QMetaObject::invokeMethod(list, "positionViewAtBeginning");
  return rows;
}

QString searchContacts(const QString& text) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.click(QStringLiteral("leftPaneButton0"));  // the contacts
  if (problem.isEmpty()) problem = main.focus(QStringLiteral("searchField"));
  if (!problem.isEmpty()) return problem;
  main.press(Qt::Key_A, Qt::ControlModifier);
  main.press(Qt::Key_Delete);
  return text.isEmpty() ? QString() : main.type(text);
}

QString searchContactMenu(const QString& name, QMenu** menu) {
  QString problem = searchContacts(name);
  if (!problem.isEmpty()) return problem;
  SceneDriver main = Scenario::mainScene();
  QQuickItem* row = nullptr;
  if (!QTest::qWaitFor(
          [&] {
            row = main.row(QStringLiteral("contactRow"), name);
            QPoint centre;
            return row && main.centreOf(row, &centre).isEmpty();
          },
          kWaitMs))
    return QStringLiteral("no row of %1 to click").arg(name);
  problem = main.rightClick(row);
  return problem.isEmpty() ? waitForMenu(menu) : problem;
}

QString callAndWaitForAnswer(const QString& name, const QString& number,
                             QML::CommunicationsWindow** window, bool holdOther) {
  QMenu* menu = nullptr;
  QString problem = searchContactMenu(name, &menu);
  if (!problem.isEmpty()) return problem;
  if (holdOther) {
    answerNextMessage(QDialogButtonBox::Yes, [](Dialogs::MessageWindow* question) {
      QCOMPARE(question->windowTitle(), QString("Confirm Call"));
    });
  }
  problem = triggerMenuEntry(menu, {QStringLiteral("Call"), number});
  if (!problem.isEmpty()) return problem;
  problem = Scenario::waitForCommsWindow(name, window);
  if (!problem.isEmpty()) return problem;
  return SceneDriver::of(*window).waitText(QStringLiteral("callState"),
                                           QStringLiteral("Call Active"));
}

SceneDriver sceneWith(QWidget* window, const QString& name) {
  for (QQuickWidget* view : window->findChildren<QQuickWidget*>())
    if (view->isVisible() && SceneDriver(view).item(name)) return SceneDriver(view);
  return SceneDriver::of(window);
}

QString sceneWith(QWidget* window, const QString& name, SceneDriver* out) {
  const bool found = QTest::qWaitFor(
      [&] {
        for (QQuickWidget* view : window->findChildren<QQuickWidget*>()) {
          SceneDriver scene(view);
          if (view->isVisible() && scene.item(name)) {
            *out = scene;
            return true;
          }
        }
        return false;
      },
      kWaitMs);
  return found ? QString() : QStringLiteral("no pane of the window shows '%1'").arg(name);
}

SceneDriver activeMainScene() {
  SceneDriver main = Scenario::mainScene();
  QWidget* window = main.view() ? main.view()->window() : nullptr;
  if (!window || !window->isVisible()) return main;
  if (!window->isActiveWindow()) {
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, kWaitMs)) return main;
  }
  main.view()->grabFramebuffer();
  return main;
}

RAZ::Controllers::ChatInterface* chatOf(QML::CommunicationsWindow* window) {
  RAZ::Controllers::CommunicationSession* session = window ? window->getSession() : nullptr;
  return session ? session->getChatInterface() : nullptr;
}

QString send(SceneDriver chat, const QString& text) {
  QString problem = chat.focus(QStringLiteral("messageInput"));
  if (problem.isEmpty()) problem = chat.type(text);
  if (problem.isEmpty()) problem = chat.press(Qt::Key_Return);
  return problem;
}

QString showViewWith(const QString& name) {
  SceneDriver main = Scenario::mainScene();
  for (int i = 0; i < 8 && !main.item(name); ++i) {
    const QString button = QStringLiteral("leftPaneButton%1").arg(i);
    if (!main.item(button)) continue;
    QString problem = main.click(button);
    if (!problem.isEmpty()) return problem;
    // A short look: the view that holds it shows at once, or another does.
    (void)QTest::qWaitFor([&] { return main.item(name) != nullptr; }, 500);
  }
  return main.waitVisible(name);
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

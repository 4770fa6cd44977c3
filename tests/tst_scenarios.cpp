// The user's main road through the whole program on the demo service, each
// journey through the windows only: typed, clicked and read back as the user
// does, with the demo service told what its parties do.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QQuickItem>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

using RAZ::Controllers::CommunicationSession;
using ZentTest::Scenario;
using ZentTest::SceneDriver;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-scenarios-");

QML::CommunicationsWindow* commsWindowWith(const QString& party) {
  return ZentTest::findWindow<QML::CommunicationsWindow>(
      [&party](QML::CommunicationsWindow* w) { return w->windowTitle().contains(party); });
}

// Ends a call through its window's End button (no question follows).
QString endCallFrom(QML::CommunicationsWindow* window) {
  QPointer<QML::CommunicationsWindow> guard(window);
  SceneDriver scene = SceneDriver::of(window);
  QString problem = scene.click(QStringLiteral("endButton"));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([&guard] { return !guard || !guard->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("the call window stayed after End");
  return QString();
}

// How many pixel columns of a box's text area (left of its arrow) hold
// anything but the box's own background: a text or placeholder drawn there
// makes dozens, an empty box its cursor at most.
int inkedColumns(const SceneDriver& scene, QQuickItem* box) {
  const QImage shot = scene.view()->grabFramebuffer();
  const qreal ratio = shot.devicePixelRatio();
  const QRect area =
      box->mapRectToScene(QRectF(4, 4, box->width() - box->height() - 8, box->height() - 8))
          .toAlignedRect();
  const QColor background = shot.pixelColor(QPoint(area.left(), area.top()) * ratio);
  int columns = 0;
  for (int x = area.left(); x <= area.right(); ++x) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      const QColor c = shot.pixelColor(QPoint(x, y) * ratio);
      if (qAbs(c.lightness() - background.lightness()) > 40) {
        ++columns;
        break;
      }
    }
  }
  return columns;
}

}  // namespace

class ScenarioTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioTest() : ScenarioTestObject(g_environment) {}

 private slots:
  // Typed into the sign-in window and Enter: the main window lists the
  // demo's contacts by group with their names; signing out through the
  // main window's menu brings the sign-in window back.
  void signInListsContactsAndSignOutReturns() {
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("contactRow")));
    QString problem;
    QVERIFY2(main.row(QStringLiteral("contactRow"), QString::fromLatin1(kAliceName), &problem),
             qPrintable(problem));
    QVERIFY2(main.row(QStringLiteral("contactRow"), QStringLiteral("Bruno Keller"), &problem),
             qPrintable(problem));
    QVERIFY(main.items(QStringLiteral("contactRow")).size() > 2);
    QCOMPARE(main.text(QStringLiteral("userNameText")).isEmpty(), false);
    REQUIRE(Scenario::signOut());
    QVERIFY(!Scenario::app()->client()->hasSession());
    QVERIFY(Scenario::loginScene().isVisible(QStringLiteral("signinButton")));
    // The name stays for the next sign-in and the keyboard waits at the
    // password; the name typed again after Shift+Tab takes the kept one's
    // place rather than being added to it.
    SceneDriver login = Scenario::loginScene();
    QCOMPARE(login.text(QStringLiteral("usernameCombo")), QStringLiteral("carol"));
    QQuickItem* password = login.item(QStringLiteral("passwordField"));
    QVERIFY(password);
    QTRY_VERIFY(password->hasActiveFocus());
    REQUIRE(login.press(Qt::Key_Backtab));
    REQUIRE(login.type(QStringLiteral("carol")));
    QCOMPARE(login.text(QStringLiteral("usernameCombo")), QStringLiteral("carol"));
    // Emptied, the box still says what it wants while it has the keyboard.
    QQuickItem* user = login.item(QStringLiteral("usernameCombo"));
    QVERIFY(user && user->hasActiveFocus());
    const int named = inkedColumns(login, user);
    for (int i = 0; i < 5; ++i) REQUIRE(login.press(Qt::Key_Backspace));
    QCOMPARE(login.text(QStringLiteral("usernameCombo")), QString());
    QTRY_VERIFY2(inkedColumns(login, user) > named,
                 qPrintable(QStringLiteral("%1 columns").arg(inkedColumns(login, user))));
    REQUIRE(login.type(QStringLiteral("carol")));
    REQUIRE(login.press(Qt::Key_Tab));
    REQUIRE(login.type(RAZ::Demo::Service::demoPassword()));
    REQUIRE(login.press(Qt::Key_Return));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::mainWindow() && Scenario::mainWindow()->isVisible(),
                             ZentTest::kWaitMs);
    QCOMPARE(Scenario::mainScene().text(QStringLiteral("userNameText")), QStringLiteral("carol"));
  }

  // A wrong password is refused and said so in the sign-in window.
  void wrongPasswordIsRefusedInTheWindow() {
    REQUIRE(Scenario::signOut());
    SceneDriver login = Scenario::loginScene();
    REQUIRE(login.focus(QStringLiteral("usernameCombo")));
    REQUIRE(login.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(login.type(QStringLiteral("carol")));
    REQUIRE(login.press(Qt::Key_Tab));
    REQUIRE(login.type(QStringLiteral("not-the-password")));
    REQUIRE(login.press(Qt::Key_Return));
    Dialogs::MessageWindow* refusal = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(
        &refusal, [](Dialogs::MessageWindow* m) { return m->windowTitle() == "Invalid User"; }));
    QVERIFY(!Scenario::app()->client()->hasSession());
    QVERIFY(!Scenario::mainWindow());
    // The message belongs to the sign-in window: a click on the window
    // cannot bury it.
    QCOMPARE(refusal->parentWidget(), static_cast<QWidget*>(Scenario::app()->loginWindow()));
    REQUIRE(ZentTest::liesOver(refusal, Scenario::app()->loginWindow()));
    // Enter on it: the sign-in window takes the next attempt, at the
    // password, with no click.
    QTRY_VERIFY(refusal->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<Dialogs::MessageWindow>(), ZentTest::kWaitMs);
    QCOMPARE(login.text(QStringLiteral("usernameCombo")), QStringLiteral("carol"));
    QTRY_VERIFY(Scenario::app()->loginWindow()->isActiveWindow());
    QTRY_VERIFY(login.item(QStringLiteral("passwordField"))->hasActiveFocus());
    QTest::keyClicks(login.view(), RAZ::Demo::Service::demoPassword());
    QTest::keyClick(login.view(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::mainWindow() && Scenario::mainWindow()->isVisible(),
                             ZentTest::kWaitMs);
  }

  // Sign In, Cancel and Sign In again before the event loop turns: the
  // cancelled attempt is out of the way and the second press opens the main
  // window. (The password stays in the form across the cancel only when it
  // is remembered; the choice is undone by the last sign-in.)
  void signInRightAfterCancelIsCarriedOut() {
    REQUIRE(Scenario::signOut());
    SceneDriver login = Scenario::loginScene();
    REQUIRE(login.focus(QStringLiteral("usernameCombo")));
    REQUIRE(login.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(login.type(QStringLiteral("ivan")));
    REQUIRE(login.press(Qt::Key_Tab));
    REQUIRE(login.type(RAZ::Demo::Service::demoPassword()));
    REQUIRE(login.click(QStringLiteral("rememberBox")));
    QQuickItem* form = login.view()->rootObject();
    REQUIRE(login.press(Qt::Key_Return));
    QCOMPARE(form->property("state").toString(), QStringLiteral("signingin"));
    REQUIRE(login.press(Qt::Key_Return));
    QCOMPARE(form->property("state").toString(), QStringLiteral("signin"));
    REQUIRE(login.press(Qt::Key_Return));
    QCOMPARE(form->property("state").toString(), QStringLiteral("signingin"));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::mainWindow() && Scenario::mainWindow()->isVisible(),
                             ZentTest::kWaitMs);
    REQUIRE(Scenario::signOut());
    login = Scenario::loginScene();
    REQUIRE(login.click(QStringLiteral("rememberBox")));
    REQUIRE(login.press(Qt::Key_Return));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::mainWindow() && Scenario::mainWindow()->isVisible(),
                             ZentTest::kWaitMs);
  }

  // Right-click a contact, Call ▸ Work: the call window shows the contact,
  // the demo party answers; Hold and Resume; End asks, then the window goes.
  void callAContactHoldResumeAndEnd() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    QString problem;
    const QStringList entries = ZentTest::menuTexts(menu);
    QVERIFY2(entries.contains(QStringLiteral("Call")), qPrintable(entries.join(", ")));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Call"), QStringLiteral("Work: +4930100101")}));

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    REQUIRE(ZentTest::liesOnScreen(window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("party"), kAliceName));
    // Alice answers after a ring or two.
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    REQUIRE(call.click(QStringLiteral("holdButton")));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    REQUIRE(call.click(QStringLiteral("holdButton")));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    // The main window lists the call while it lasts.
    QVERIFY2(main.row(QStringLiteral("activeCommRow"), kAliceName, &problem), qPrintable(problem));
    REQUIRE(endCallFrom(window));
    REQUIRE(main.waitHidden(QStringLiteral("activeCommRow")));
  }

  // A contact calls: the popup names the caller; a click on its answer
  // button opens the call, which is then ended. A second call is declined
  // from its popup: no call window, the popup goes.
  void incomingCallsAnsweredAndDeclinedFromThePopup() {
    REQUIRE(Scenario::signIn());
    QVERIFY(RAZ::Demo::CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    SceneDriver ring(popup);
    REQUIRE(ring.waitText(QStringLiteral("title"), kAliceName));
    REQUIRE(ring.click(QStringLiteral("audioButton")));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationNotification>(),
                             ZentTest::kWaitMs);
    REQUIRE(endCallFrom(window));

    QVERIFY(RAZ::Demo::CommsScript::ringIn(kAlice, false));
    popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationNotification>(),
                             ZentTest::kWaitMs);
    QVERIFY(!commsWindowWith(kAliceName));
    QTRY_VERIFY_WITH_TIMEOUT(
        Scenario::app()->sessionManager()->commsSessionController()->commsList().isEmpty(),
        ZentTest::kWaitMs);
  }

  // Chat from a contact's menu: the message typed and sent with Enter shows
  // in the transcript as typed, and the contact's answer follows.
  void chatSentAndAnswered() {
    REQUIRE(Scenario::signIn());
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    REQUIRE(chat.waitVisible(QStringLiteral("messageInput")));
    REQUIRE(chat.focus(QStringLiteral("messageInput")));
    const QString typed = QStringLiteral("Lunch at <b>noon</b>?");
    REQUIRE(chat.type(typed));
    REQUIRE(chat.press(Qt::Key_Return));
    REQUIRE(chat.waitPageText(QStringLiteral("transcriptView"), typed));
    QCOMPARE(chat.text(QStringLiteral("messageInput")), QString());
    // The demo contact answers in a moment.
    REQUIRE(chat.waitPageText(QStringLiteral("transcriptView"), QStringLiteral("Sounds good")));
  }
};

ZENT_TEST_MAIN(ScenarioTest, Application)
#include "tst_scenarios.moc"

// What a user does with a running call, through the windows only: hand it
// on with the picker, merge two calls into one conference, work a call from
// its row in the main window, see the calls that were missed, have the call
// settings turn calls away, and answer or decline the ringing popup without
// the mouse. The demo service plays the other parties.
#include <QApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLocalSocket>
#include <QMenu>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

#include <RAZ/Client.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Presence/PresenceState.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Xsi/CallSettingsStore.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/CommunicationsWindowLayout.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using ZentTest::callAndWaitForAnswer;
using ZentTest::historyRows;
using ZentTest::noCallPopup;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::sceneWith;
using ZentTest::searchContactMenu;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-callfeatures-");

RAZ::Controllers::CommsSessionController* comms() {
  return Scenario::app()->sessionManager()->commsSessionController();
}

// Right-clicks the main window's row of the running communication with
// `party` and waits for its menu.
QString openActiveRowMenu(const QString& party, QMenu** menu) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.waitVisible(QStringLiteral("activeCommRow"));
  if (!problem.isEmpty()) return problem;
  QQuickItem* row = main.row(QStringLiteral("activeCommRow"), party, &problem);
  if (!row) return problem;
  problem = main.rightClick(row);
  return problem.isEmpty() ? ZentTest::waitForMenu(menu) : problem;
}

// Opens the call window's options menu.
QString openOptions(QWidget* window, QMenu** menu) {
  QString problem = sceneWith(window, QStringLiteral("optionsMenuButton"))
                        .click(QStringLiteral("optionsMenuButton"));
  return problem.isEmpty() ? ZentTest::waitForMenu(menu) : problem;
}

QString textsOf(QMenu* menu) { return ZentTest::menuTexts(menu).join(QStringLiteral(" | ")); }

// Within one service of the call settings: its edit button, its "Enable
// service" box switched over, the number typed over (when given), Enter.
QString editService(SceneDriver page, QQuickItem* service, const QString& number) {
  auto inService = [&page, service](const char* name) -> QQuickItem* {
    for (QQuickItem* i : page.items(QString::fromLatin1(name)))
      if (service->isAncestorOf(i)) return i;
    return nullptr;
  };
  QQuickItem* edit = inService("editButton");
  if (!edit || !QTest::qWaitFor([edit] { return edit->isEnabled(); }, ZentTest::kWaitMs))
    return QStringLiteral("%1 cannot be edited").arg(service->objectName());
  QString problem = page.click(edit);
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([service] { return service->property("editing").toBool(); },
                       ZentTest::kWaitMs))
    return QStringLiteral("%1 is not being edited").arg(service->objectName());
  QQuickItem* box = nullptr;
  QQuickItem* field = nullptr;
  if (!QTest::qWaitFor(
          [&] {
            return (box = inService("enableServiceBox")) &&
                   (field = inService("serviceNumberField"));
          },
          ZentTest::kWaitMs))
    return QStringLiteral("no form in %1").arg(service->objectName());
  problem = page.click(box);
  if (problem.isEmpty()) problem = page.click(field);
  if (!problem.isEmpty()) return problem;
  if (!number.isEmpty()) {
    page.press(Qt::Key_A, Qt::ControlModifier);
    page.type(number);
  }
  return page.press(Qt::Key_Return);
}

// Whether the name of the history's row `index` (top to bottom) is set in
// bold: a communication the user has not seen yet.
bool historyNameIsBold(int index) {
  QList<QQuickItem*> shown = Scenario::mainScene().items(QStringLiteral("historyRow"));
  std::sort(shown.begin(), shown.end(), [](QQuickItem* a, QQuickItem* b) {
    return a->mapToScene(QPointF(0, 0)).y() < b->mapToScene(QPointF(0, 0)).y();
  });
  if (index >= shown.size()) return false;
  bool bold = false;
  for (QQuickItem* child : shown.at(index)->findChildren<QQuickItem*>())
    if (child->objectName().isEmpty() && child->property("font").isValid() &&
        child->property("text").toString().size() > 1 &&
        child->property("font").value<QFont>().bold())
      bold = true;
  return bold;
}

QString historyBadge() {
  SceneDriver main = Scenario::mainScene();
  QQuickItem* button = main.item(QStringLiteral("leftPaneButton2"));
  if (!button) return QStringLiteral("no history button");
  for (QQuickItem* child : button->findChildren<QQuickItem*>())
    if (child->objectName() == QLatin1String("badge"))
      return child->isVisible()
                 ? child->findChildren<QQuickItem*>().value(0)->property("text").toString()
                 : QStringLiteral("0");
  return QStringLiteral("no badge");
}

}  // namespace

class ScenarioCallFeatures : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioCallFeatures() : ScenarioTestObject(g_environment) {}

 private slots:
  void init() { REQUIRE(Scenario::signIn()); }

  void cleanup() {
    Scenario::tidy();
    for (QWidget* w : ZentTest::visibleWindows())
      if (qobject_cast<QML::CallSettings*>(w)) w->close();
    // What a failed test left switched on in the service (calls turned
    // away) must not reach the next: signed out, the service forgets it.
    if (QTest::currentTestFailed()) {
      REQUIRE(Scenario::signOut());
      RAZ::Xsi::CallSettingsStore::instance().reset();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
  }

  // Transfer opens a picker over the call window: a name typed into its
  // search field narrows the contacts, Enter hands the call to the first,
  // and the user's part of the call ends. A number typed is offered as
  // itself.
  void transferThroughThePicker() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    QPointer<QML::CommunicationsWindow> guard(window);
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.click(QStringLiteral("transferButton")));

    auto* overlay = qobject_cast<QQuickWidget*>(window->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    REQUIRE(ZentTest::liesOver(overlay->window(), window));
    const QRect over(overlay->mapToGlobal(QPoint(0, 0)), overlay->size());
    QVERIFY2(window->frameGeometry().contains(over.center()), "the picker is not over its call");
    // The search field has the keyboard at once: typing needs no click.
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("5550"));
    REQUIRE(picker.waitText(QStringLiteral("pickerTyped"), QString()));
    QVERIFY(picker.isVisible(QStringLiteral("pickerTyped")));
    for (int i = 0; i < 4; ++i) QTest::keyClick(overlay, Qt::Key_Backspace);
    REQUIRE(picker.waitHidden(QStringLiteral("pickerTyped")));

    // Ines is available: she takes the call.
    QTest::keyClicks(overlay, QStringLiteral("ines"));
    QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                             ZentTest::kWaitMs);
    QString problem;
    QVERIFY2(picker.row(QStringLiteral("pickerRow"), kInesName, &problem), qPrintable(problem));

    QSignalSpy handedOn(window->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    QTest::keyClick(overlay, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(handedOn.at(0).at(1).toString(), QString("sip:ines.haddad@client.example"));
    // The parties talk to each other now: the user's call and window end.
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(Scenario::mainScene().waitHidden(QStringLiteral("activeCommRow")));
  }

  // Esc closes the picker and the call goes on; a click on a row picks too.
  void pickerClosesAndPicksByMouse() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.click(QStringLiteral("transferButton")));
    auto* overlay = qobject_cast<QQuickWidget*>(window->overlayObject());
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClick(overlay, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!overlay->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(call.text(QStringLiteral("callState")).startsWith(QStringLiteral("Call Active")),
             true);

    REQUIRE(call.click(QStringLiteral("transferButton")));
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QTest::keyClicks(overlay, QStringLiteral("felix"));
    QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                             ZentTest::kWaitMs);
    QString problem;
    QQuickItem* felix = picker.row(QStringLiteral("pickerRow"), kFelixName, &problem);
    QVERIFY2(felix, qPrintable(problem));
    QSignalSpy handedOn(window->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    REQUIRE(picker.click(felix));
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(handedOn.at(0).at(1).toString(), QString("sip:felix.brandt@client.example"));
  }

  // "Talk First" beside a party holds the call and calls her, with no
  // question; that call's window says it is for a transfer, and its
  // "Complete Transfer" puts the held party through: both calls end.
  void talkFirstThenCompleteTheTransfer() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QPointer<QML::CommunicationsWindow> aliceGuard(alice);
    REQUIRE(SceneDriver::of(alice).click(QStringLiteral("transferButton")));
    auto* overlay = qobject_cast<QQuickWidget*>(alice->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("ines"));
    QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                             ZentTest::kWaitMs);
    QString problem;
    QQuickItem* ines = picker.row(QStringLiteral("pickerRow"), kInesName, &problem);
    QVERIFY2(ines, qPrintable(problem));
    // The service allows both kinds: both are offered beside her.
    auto inRow = [ines](const char* name) -> QQuickItem* {
      for (QQuickItem* i : ines->findChildren<QQuickItem*>())
        if (i->objectName() == QLatin1String(name)) return i;
      return nullptr;
    };
    QQuickItem* talkFirst = inRow("pickerTalkFirst");
    QVERIFY(talkFirst && talkFirst->isVisible() && inRow("pickerTransfer") &&
            inRow("pickerTransfer")->isVisible());
    QSignalSpy handedOn(alice->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    REQUIRE(picker.click(talkFirst));
    QML::CommunicationsWindow* consult = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Transfer Call: Ines Haddad"), &consult));
    QPointer<QML::CommunicationsWindow> consultGuard(consult);
    REQUIRE(
        SceneDriver::of(alice).waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    SceneDriver second = SceneDriver::of(consult);
    REQUIRE(second.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    QCOMPARE(handedOn.count(), 0);  // nothing is handed on while they talk
    for (QWidget* w : ZentTest::visibleWindows())
      QVERIFY2(!qobject_cast<Dialogs::MessageWindow*>(w), qPrintable(w->windowTitle()));
    REQUIRE(second.waitText(QStringLiteral("transferButton"), QStringLiteral("Complete Transfer")));
    const QString inesUri = consult->getSession()->uri();
    REQUIRE(second.click(QStringLiteral("transferButton")));
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(handedOn.at(0).at(1).toString(), inesUri);
    QTRY_VERIFY_WITH_TIMEOUT(!consultGuard || !consultGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!aliceGuard || !aliceGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);

    // Talk First with somebody whose own call to the user rings: that call
    // is answered to talk on (she is not on a call with the user yet), and
    // it is an answered call in History, not a missed one.
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix));
    QPointer<QML::CommunicationsWindow> felixGuard(felix);
    QCOMPARE(Scenario::control("incoming-call 101"), QStringLiteral("ok"));
    QML::CommunicationNotification* ringing = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&ringing));
    QPointer<QML::CommunicationNotification> ringingGuard(ringing);
    REQUIRE(SceneDriver::of(felix).click(QStringLiteral("transferButton")));
    overlay = qobject_cast<QQuickWidget*>(felix->overlayObject());
    QVERIFY(overlay);
    SceneDriver toAlice(overlay);
    REQUIRE(toAlice.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("alice"));
    QTRY_VERIFY_WITH_TIMEOUT(toAlice.items(QStringLiteral("pickerTalkFirst")).size() == 1,
                             ZentTest::kWaitMs);
    QSignalSpy felixHandedOn(
        felix->getSession(),
        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    REQUIRE(toAlice.click(toAlice.items(QStringLiteral("pickerTalkFirst")).first()));
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Transfer Call: Alice Moreno"), &consult));
    consultGuard = consult;
    second = SceneDriver::of(consult);
    REQUIRE(second.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    REQUIRE(
        SceneDriver::of(felix).waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    QVERIFY(consult->getSession()->isIncoming());
    QTRY_VERIFY_WITH_TIMEOUT(!ringingGuard || !ringingGuard->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(felixHandedOn.count(), 0);
    QCOMPARE(comms()->commsList().size(), 2);
    REQUIRE(second.waitText(QStringLiteral("transferButton"), QStringLiteral("Complete Transfer")));
    REQUIRE(second.click(QStringLiteral("transferButton")));
    QTRY_COMPARE_WITH_TIMEOUT(felixHandedOn.count(), 1, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!felixGuard || !felixGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    QTRY_VERIFY2_WITH_TIMEOUT(historyRows().value(0).startsWith(kAliceName) ||
                                  historyRows().value(1).startsWith(kAliceName),
                              qPrintable(historyRows().join('\n')), ZentTest::kWaitMs);
    for (const QString& row : historyRows().mid(0, 2))
      QVERIFY2(!row.contains(QStringLiteral("Missed")), qPrintable(historyRows().join('\n')));
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
  }

  // Two calls, then Options ▸ "Conference with" ▸ the other party in one of
  // them: one call with both parties, named so in its window, listing them
  // in the contact list's order, and one row in the main window.
  void twoCallsMergeIntoAConference() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QPointer<QML::CommunicationsWindow> aliceGuard(alice);
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    REQUIRE(
        SceneDriver::of(alice).waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    SceneDriver main = Scenario::mainScene();
    QTRY_COMPARE_WITH_TIMEOUT(main.items(QStringLiteral("activeCommRow")).size(), 2,
                              ZentTest::kWaitMs);

    SceneDriver call = SceneDriver::of(felix);
    QMenu* options = nullptr;
    REQUIRE(openOptions(felix, &options));
    REQUIRE(ZentTest::triggerMenuEntry(options, {QStringLiteral("Conference with"), kAliceName}));

    // Alice's own call ends: she is in Felix's now.
    QTRY_VERIFY_WITH_TIMEOUT(!aliceGuard || !aliceGuard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(call.waitVisible(QStringLiteral("conferenceCaption")));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    QTRY_COMPARE_WITH_TIMEOUT(main.items(QStringLiteral("activeCommRow")).size(), 1,
                              ZentTest::kWaitMs);
    REQUIRE(main.waitText(QStringLiteral("activeCommDetails"), kAliceName));
    QVERIFY2(main.text(QStringLiteral("activeCommDetails")).contains(kFelixName),
             qPrintable(main.text(QStringLiteral("activeCommDetails"))));
    QCOMPARE(comms()->commsList().size(), 1);

    // The parties, by last name as the contact list sorts by default.
    QTRY_VERIFY_WITH_TIMEOUT(sceneWith(felix, QStringLiteral("participantRow"))
                                     .items(QStringLiteral("participantRow"))
                                     .size() == 2,
                             ZentTest::kWaitMs);
    SceneDriver parties = sceneWith(felix, QStringLiteral("participantRow"));
    auto order = [&parties] {
      QStringList names;
      for (QQuickItem* row : parties.items(QStringLiteral("participantRow")))
        names << row->property("text").toString();
      return names;
    };
    QCOMPARE(order().value(0), QString(kFelixName));  // Brandt before Moreno
    // Sorted by first name from the main window's menu, the list follows.
    REQUIRE(main.click(QStringLiteral("windowFrameIcon")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Sort Contacts"), QStringLiteral("Sort by First Name")}));
    QTRY_COMPARE_WITH_TIMEOUT(order().value(0), QString(kAliceName), ZentTest::kWaitMs);
    REQUIRE(main.click(QStringLiteral("windowFrameIcon")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Sort Contacts"), QStringLiteral("Sort by Last Name")}));
    QTRY_COMPARE_WITH_TIMEOUT(order().value(0), QString(kFelixName), ZentTest::kWaitMs);
  }

  // A contact dropped from the list onto the row of a running call: asked
  // whether to start a conference, "Conference" calls the contact in.
  void droppedContactJoinsTheCall() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    SceneDriver main = Scenario::mainScene();
    QString problem;
    QQuickItem* row = main.row(QStringLiteral("activeCommRow"), kAliceName, &problem);
    QVERIFY2(row, qPrintable(problem));
    QPoint at;
    REQUIRE(main.centreOf(row, &at));
    // What the window system hands over when a contact row is dropped there.
    QMimeData data;
    data.setData(QStringLiteral("application/zent.contact"), QByteArray::number(kFelix));
    data.setText(QString::number(kFelix));
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main.view(), &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main.view(), &move);
    QVERIFY2(move.isAccepted(), "the call's row refuses the contact");
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main.view(), &drop);

    Dialogs::MessageWindow* question = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&question));
    QCOMPARE(question->windowTitle(), QString("Conference"));
    REQUIRE(ZentTest::clickButton(question, QStringLiteral("Conference")));
    SceneDriver call = SceneDriver::of(alice);
    REQUIRE(call.waitVisible(QStringLiteral("conferenceCaption")));
    REQUIRE(main.waitText(QStringLiteral("activeCommDetails"), kFelixName));
    QCOMPARE(main.items(QStringLiteral("activeCommRow")).size(), 1);
  }

  // The right-click menu of a running call's row: End, Hold, Mute first,
  // "Show Window" last; each does what it says to the call and its window.
  void activeCallRowMenu() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    QPointer<QML::CommunicationsWindow> guard(window);
    SceneDriver call = SceneDriver::of(window);

    QMenu* menu = nullptr;
    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    const QStringList entries = ZentTest::menuTexts(menu);
    QVERIFY2(entries.mid(0, 3) == QStringList({"End Call", "Hold Call", "Mute Microphone"}),
             qPrintable(textsOf(menu)));
    QVERIFY2(entries.last() == QStringLiteral("Show Window"), qPrintable(textsOf(menu)));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Hold Call")}));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));

    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    QVERIFY2(ZentTest::menuTexts(menu).contains(QStringLiteral("Unhold Call")),
             qPrintable(textsOf(menu)));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Unhold Call")}));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));

    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Mute Microphone")}));
    REQUIRE(call.waitText(QStringLiteral("muteButton"), QStringLiteral("Unmute")));
    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Unmute Microphone")}));
    REQUIRE(call.waitText(QStringLiteral("muteButton"), QStringLiteral("Mute")));

    // Hidden from its own options menu, the window comes back to the front.
    REQUIRE(openOptions(window, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Hide Window")}));
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), ZentTest::kWaitMs);
    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Show Window")}));
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible() && window->isActiveWindow(), ZentTest::kWaitMs);

    // End asks nothing more: the user chose it from the menu.
    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("End Call")}));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(Scenario::mainScene().waitHidden(QStringLiteral("activeCommRow")));
  }

  // A call that rings out and one the user declines both raise the missed
  // badge and show in the history as missed, newest first, without a
  // duration; what was seen is not new again at the next sign-in.
  void missedCallsRaiseTheBadgeAndKeepTheirOrder() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
    const int before = historyBadge().toInt();

    QSignalSpy rang(comms(), SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    QVERIFY(CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    auto* session = qobject_cast<CommunicationSession*>(popup->session());
    QVERIFY(session);
    // Nobody answers: the caller gives up.
    QVERIFY(CommsScript::giveUp(session));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(historyBadge().toInt(), before + 1, ZentTest::kWaitMs);

    QVERIFY(CommsScript::ringIn(kFelix, false));
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(historyBadge().toInt(), before + 2, ZentTest::kWaitMs);
    QCOMPARE(rang.count(), 2);

    REQUIRE(main.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    QTRY_VERIFY_WITH_TIMEOUT(
        main.text(QStringLiteral("historyFilterLabel")).isEmpty() ||
            main.row(QStringLiteral("historyFilter"), QStringLiteral("Missed %1").arg(before + 2)),
        ZentTest::kWaitMs);
    QString problem;
    QVERIFY2(main.row(QStringLiteral("historyFilter"), QStringLiteral("Missed %1").arg(before + 2),
                      &problem),
             qPrintable(problem));
    // Every row, not those on screen: the calls of earlier tests come first
    // and push the older history out of view.
    const QStringList rows = ZentTest::allHistoryRows();
    QVERIFY2(rows.size() >= 4, qPrintable(rows.join('\n')));
    // Newest first: Felix, then Alice, then the older history in time order.
    QVERIFY2(rows.at(0).startsWith(kFelixName) && rows.at(0).contains(QStringLiteral("Missed")),
             qPrintable(rows.join('\n')));
    QVERIFY2(rows.at(1).startsWith(kAliceName) && rows.at(1).contains(QStringLiteral("Missed")),
             qPrintable(rows.join('\n')));
    QVERIFY(historyNameIsBold(0) && historyNameIsBold(1));  // not seen yet
    for (int i : {0, 1})                                    // never answered: no talking time
      QVERIFY2(!rows.at(i).contains(QRegularExpression(QStringLiteral("\\x{B7}\\s+\\d+:\\d\\d"))),
               qPrintable(rows.at(i)));
    // The history the account had before, after everything of today and in
    // its own time order.
    QStringList names;
    for (const QString& row : rows) names << row.section(QStringLiteral(" / "), 0, 0);
    const QStringList earlier = {"Ines Haddad", "Greta Lindqvist", "Katja Weber", "+4989555010",
                                 "Chloe Duval", "Felix Brandt",    "Alice Moreno"};
    // Read from the end: a call of an earlier test with one of these people
    // is of today, before them.
    const int first = names.size() - earlier.size();
    QVERIFY2(first >= 2 && names.mid(first) == earlier, qPrintable(rows.join('\n')));

    // Seen, the missed calls are no longer new (a missed chat waits for its
    // chat), now or after signing in again.
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
    QTRY_VERIFY_WITH_TIMEOUT(historyBadge().toInt() <= before, ZentTest::kWaitMs);
    const QString seen = historyBadge();
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    SceneDriver again = Scenario::mainScene();
    REQUIRE(again.waitVisible(QStringLiteral("leftPaneButton2")));
    QCOMPARE(historyBadge(), seen);
    REQUIRE(again.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(again.waitVisible(QStringLiteral("historyRow")));
    QVERIFY2(historyRows().value(0).startsWith(kFelixName), qPrintable(historyRows().join('\n')));
    QVERIFY(!historyNameIsBold(0));
    QVERIFY(!historyNameIsBold(1));
    REQUIRE(again.click(QStringLiteral("leftPaneButton0")));
  }

  // Do Not Disturb, switched on in the Call Settings window, turns a call
  // away without a popup; so does Always Forward with its number. The
  // history says what became of each call.
  void callSettingsTurnCallsAway() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("optionsButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Call Settings...")}));
    QML::CallSettings* settings = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&settings));
    SceneDriver page = SceneDriver::of(settings);
    // The pages wait under a shade until the service's settings are read.
    REQUIRE(page.waitHidden(QStringLiteral("shade")));

    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Do Not Disturb"))));
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    REQUIRE(page.waitVisible(QStringLiteral("dndPage")));
    REQUIRE(page.waitVisible(QStringLiteral("serviceCheck")));
    QTRY_VERIFY_WITH_TIMEOUT(page.isEnabled(QStringLiteral("serviceCheck")), ZentTest::kWaitMs);
    QQuickItem* dnd = page.item(QStringLiteral("serviceCheck"));
    QVERIFY(!dnd->property("checked").toBool());
    REQUIRE(page.click(dnd));
    QTRY_VERIFY_WITH_TIMEOUT(dnd->property("checked").toBool() && dnd->isEnabled(),
                             ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        main.item(QStringLiteral("doNotDisturbButton"))->property("active").toBool(),
        ZentTest::kWaitMs);

    QSignalSpy rang(comms(), SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    QSignalSpy turnedAway(comms(), SIGNAL(callTurnedAway(int, QString, QString, int, QString)));
    QVERIFY(CommsScript::ringIn(kAlice, false));
    QVERIFY(turnedAway.wait(ZentTest::kWaitMs));
    QCOMPARE(rang.count(), 0);
    QVERIFY(noCallPopup());
    REQUIRE(main.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    QTRY_VERIFY2_WITH_TIMEOUT(historyRows().value(0).contains(QStringLiteral("Do Not Disturb")),
                              qPrintable(historyRows().join('\n')), ZentTest::kWaitMs);

    // Do Not Disturb off again; Always Forward on, to a number.
    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Do Not Disturb"))));
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    REQUIRE(page.click(dnd));
    QTRY_VERIFY_WITH_TIMEOUT(!dnd->property("checked").toBool() && dnd->isEnabled(),
                             ZentTest::kWaitMs);
    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Forward Calls"))));
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    // The page it replaces has faded out: nothing lies over this one.
    REQUIRE(page.waitHidden(QStringLiteral("dndPage")));
    REQUIRE(page.waitVisible(QStringLiteral("forwardAlways")));
    QQuickItem* always = page.item(QStringLiteral("forwardAlways"));
    // The page has read every service (each shows once it is known).
    QTRY_VERIFY_WITH_TIMEOUT(
        page.items(QStringLiteral("summary")).size() == 4 &&
            !page.row(QStringLiteral("forwardingPage"), QStringLiteral("Fetching")),
        ZentTest::kWaitMs);
    REQUIRE(editService(page, always, QStringLiteral("+4930999000")));
    REQUIRE(page.waitText(QStringLiteral("summary"), QStringLiteral("+4930999000")));

    QVERIFY(CommsScript::ringIn(kAlice, false));
    QVERIFY(turnedAway.wait(ZentTest::kWaitMs));
    QCOMPARE(rang.count(), 0);
    QVERIFY(noCallPopup());
    QTRY_VERIFY_WITH_TIMEOUT(historyRows().value(0).contains(QStringLiteral("+4930999000")),
                             ZentTest::kWaitMs);

    // Forwarding off: calls ring again.
    REQUIRE(editService(page, always, QString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        page.text(QStringLiteral("summary")).contains(QStringLiteral("Disabled")),
        ZentTest::kWaitMs);
    settings->close();
    QVERIFY(CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
  }

  // Without the telephony service's web interface a change of the call
  // settings cannot reach the service: the form says so and keeps what was
  // typed, the summary shows what the service still holds. Back, the same
  // Enter saves it.
  void callSettingsChangeFailsWithoutTheService() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* settings = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&settings));
    SceneDriver page = SceneDriver::of(settings);
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Forward Calls"))));
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    REQUIRE(page.waitVisible(QStringLiteral("forwardAlways")));
    QQuickItem* always = page.item(QStringLiteral("forwardAlways"));
    QTRY_VERIFY_WITH_TIMEOUT(
        page.items(QStringLiteral("summary")).size() == 4 &&
            !page.row(QStringLiteral("forwardingPage"), QStringLiteral("Fetching")),
        ZentTest::kWaitMs);
    auto inAlways = [&page, always](const char* name) -> QQuickItem* {
      for (QQuickItem* i : page.items(QString::fromLatin1(name)))
        if (always->isAncestorOf(i)) return i;
      return nullptr;
    };
    auto summary = [&inAlways] {
      QQuickItem* line = inAlways("summary");
      return line ? line->property("text").toString() : QString();
    };
    QVERIFY2(summary().contains(QStringLiteral("Disabled")), qPrintable(summary()));

    QAction* entry =
        Scenario::app()->menuActionProvider()->action(Providers::MenuActionProvider::CallSettings);
    QCOMPARE(Scenario::control("lose-xsi"), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(!entry->isEnabled(), ZentTest::kWaitMs);
    REQUIRE(editService(page, always, QStringLiteral("+4930999000")));
    QTRY_VERIFY_WITH_TIMEOUT(
        inAlways("itemMessage") && inAlways("itemMessage")
                                       ->property("text")
                                       .toString()
                                       .contains(QStringLiteral("Network error")),
        ZentTest::kWaitMs);
    QVERIFY(always->property("editing").toBool());
    QVERIFY2(summary().contains(QStringLiteral("Disabled")), qPrintable(summary()));

    QCOMPARE(Scenario::control("restore-xsi"), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(entry->isEnabled(), ZentTest::kWaitMs);
    QQuickItem* field = inAlways("serviceNumberField");
    QVERIFY(field);
    QCOMPARE(field->property("text").toString(), QStringLiteral("+4930999000"));
    REQUIRE(page.click(field));
    REQUIRE(page.press(Qt::Key_Return));
    // Saved, the form closes over what the service now holds.
    QTRY_VERIFY_WITH_TIMEOUT(!always->property("editing").toBool(), ZentTest::kWaitMs);
    QVERIFY2(summary().contains(QStringLiteral("+4930999000")), qPrintable(summary()));
    QVERIFY(!inAlways("itemMessage") || !inAlways("itemMessage")->isVisible());
    // Off again, as the tests after this one expect it.
    REQUIRE(editService(page, always, QString()));
    QTRY_VERIFY2_WITH_TIMEOUT(summary().contains(QStringLiteral("Disabled")), qPrintable(summary()),
                              ZentTest::kWaitMs);
    settings->close();
  }

  // A call window's Options share the desktop in the call, and stop it.
  void callWindowSharesTheDesktop() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    QMenu* menu = nullptr;
    REQUIRE(openOptions(window, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Share Desktop")}));
    SceneDriver share(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::SharePane)));
    REQUIRE(share.waitText(QStringLiteral("shareStatus"),
                           QStringLiteral("You are sharing your desktop")));
    REQUIRE(openOptions(window, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Stop Share Desktop")}));
    QTRY_VERIFY_WITH_TIMEOUT(!window->getSession()->webCollabActive(), ZentTest::kWaitMs);
    QVERIFY(window->getSession()->callActive());
    REQUIRE(openOptions(window, &menu));
    QVERIFY2(ZentTest::menuTexts(menu).contains(QStringLiteral("Share Desktop")),
             qPrintable(textsOf(menu)));
    ZentTest::closeMenus();
  }

  // Call Settings by keyboard alone: Tab on the tabs shows the next
  // service; Enter goes into its page; in an open form Tab goes between its
  // fields and buttons, and the form is saved with the keys.
  void callSettingsFilledByKeyboard() {
    REQUIRE(Scenario::mainScene().click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* settings = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&settings));
    SceneDriver page = SceneDriver::of(settings);
    REQUIRE(page.waitHidden(QStringLiteral("shade")));
    QQuickWindow* scene = page.view()->quickWindow();
    QQuickItem* tabs = page.item(QStringLiteral("tabMenu"));
    QVERIFY(tabs);
    QTRY_VERIFY(tabs->hasActiveFocus());
    // The tabs in turn, as many as it takes, to the forwarding page.
    const auto shownTab = [&page] { return page.root()->property("currentTabType").toInt(); };
    for (int i = 0; i < 6 && shownTab() != QML::CallSettingsTabDetail::CallForwardingTab; ++i) {
      const int before = shownTab();
      REQUIRE(page.press(Qt::Key_Tab));
      QVERIFY(shownTab() != before);
      QVERIFY(tabs->hasActiveFocus());
    }
    REQUIRE(page.waitVisible(QStringLiteral("forwardAlways")));
    QQuickItem* always = page.item(QStringLiteral("forwardAlways"));
    QTRY_VERIFY_WITH_TIMEOUT(
        page.items(QStringLiteral("summary")).size() == 4 &&
            !page.row(QStringLiteral("forwardingPage"), QStringLiteral("Fetching")),
        ZentTest::kWaitMs);
    auto focusedIn = [scene](QQuickItem* within, const char* name) {
      QQuickItem* f = scene->activeFocusItem();
      for (QQuickItem* i = f; i; i = i->parentItem())
        if (i->objectName() == QLatin1String(name) && within->isAncestorOf(i)) return true;
      return false;
    };
    REQUIRE(page.press(Qt::Key_Return));
    QTRY_VERIFY(focusedIn(always, "editButton"));
    REQUIRE(page.press(Qt::Key_Space));
    QTRY_VERIFY(always->property("editing").toBool());
    QTRY_VERIFY(focusedIn(always, "serviceNumberField"));
    // Between the form's fields: back to its box, which Space checks.
    REQUIRE(page.press(Qt::Key_Backtab));
    QVERIFY(focusedIn(always, "enableServiceBox"));
    QQuickItem* box = scene->activeFocusItem();
    if (!box->property("checked").toBool()) REQUIRE(page.press(Qt::Key_Space));
    QVERIFY(box->property("checked").toBool());
    REQUIRE(page.press(Qt::Key_Tab));
    QVERIFY(focusedIn(always, "serviceNumberField"));
    REQUIRE(page.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(page.type(QStringLiteral("+4930777000")));
    // Tab goes on to Save: the form stays open, the page stays.
    REQUIRE(page.press(Qt::Key_Tab));
    QVERIFY(always->property("editing").toBool());
    QVERIFY(page.isVisible(QStringLiteral("forwardingPage")));
    QCOMPARE(scene->activeFocusItem()->property("text").toString(), QStringLiteral("Save"));
    REQUIRE(page.press(Qt::Key_Space));
    QTRY_VERIFY_WITH_TIMEOUT(!always->property("editing").toBool(), ZentTest::kWaitMs);
    REQUIRE(page.waitText(QStringLiteral("summary"), QStringLiteral("+4930777000")));
    // The keyboard is back on the button that opened the form.
    QVERIFY(focusedIn(always, "editButton"));
    // A tab clicked from there takes the keyboard: Down moves on from it.
    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Do Not Disturb"))));
    QTRY_VERIFY(tabs->hasActiveFocus());
    const int clicked = shownTab();
    REQUIRE(page.press(Qt::Key_Down));
    QVERIFY(shownTab() != clicked);
    REQUIRE(page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Forward Calls"))));
    REQUIRE(page.waitVisible(QStringLiteral("forwardAlways")));
    // Off again, for the tests that follow.
    REQUIRE(editService(page, always, QString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        page.text(QStringLiteral("summary")).contains(QStringLiteral("Disabled")),
        ZentTest::kWaitMs);
    settings->close();
  }

  // What the service was told it keeps as a real one does, past signing
  // out and the program starting anew: Do Not Disturb switched on is on
  // again when Call Settings opens after both; the store is the user's alone.
  void callSettingsOutliveARestart() {
    auto openDnd = [](QML::CallSettings** window) -> QString {
      SceneDriver main = Scenario::mainScene();
      QMenu* menu = nullptr;
      QString problem = main.click(QStringLiteral("optionsButton"));
      if (problem.isEmpty()) problem = ZentTest::waitForMenu(&menu);
      if (problem.isEmpty())
        problem = ZentTest::triggerMenuEntry(menu, {QStringLiteral("Call Settings...")});
      if (problem.isEmpty()) problem = ZentTest::waitForWindow<QML::CallSettings>(window);
      if (!problem.isEmpty()) return problem;
      SceneDriver page = SceneDriver::of(*window);
      problem = page.waitHidden(QStringLiteral("shade"));
      if (problem.isEmpty())
        problem = page.click(page.row(QStringLiteral("tabRow"), QStringLiteral("Do Not Disturb")));
      if (problem.isEmpty()) problem = page.waitHidden(QStringLiteral("shade"));
      if (problem.isEmpty()) problem = page.waitVisible(QStringLiteral("serviceCheck"));
      return problem;
    };
    QML::CallSettings* settings = nullptr;
    REQUIRE(openDnd(&settings));
    SceneDriver page = SceneDriver::of(settings);
    QQuickItem* dnd = page.item(QStringLiteral("serviceCheck"));
    QTRY_VERIFY_WITH_TIMEOUT(dnd->isEnabled(), ZentTest::kWaitMs);
    QVERIFY(!dnd->property("checked").toBool());
    REQUIRE(page.click(dnd));
    QTRY_VERIFY_WITH_TIMEOUT(dnd->property("checked").toBool() && dnd->isEnabled(),
                             ZentTest::kWaitMs);
    settings->close();
    REQUIRE(Scenario::signOut());
    const QFileInfo store(Scenario::demo().storePath());
    QVERIFY(store.exists());
    QCOMPARE(store.permissions() & 0x0077, QFileDevice::Permissions());
    Scenario::demo().reloadStore();
    REQUIRE(Scenario::signIn());
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::mainScene()
                                 .item(QStringLiteral("doNotDisturbButton"))
                                 ->property("active")
                                 .toBool(),
                             ZentTest::kWaitMs);
    REQUIRE(openDnd(&settings));
    dnd = SceneDriver::of(settings).item(QStringLiteral("serviceCheck"));
    QTRY_VERIFY_WITH_TIMEOUT(dnd->isEnabled() && dnd->property("checked").toBool(),
                             ZentTest::kWaitMs);
    // Off again, for the tests that follow.
    REQUIRE(SceneDriver::of(settings).click(dnd));
    QTRY_VERIFY_WITH_TIMEOUT(!dnd->property("checked").toBool() && dnd->isEnabled(),
                             ZentTest::kWaitMs);
  }

  // The ringing popup never takes the keyboard by itself; Ctrl+Shift+A in
  // the main window gives it, then Enter answers. Another call: Esc
  // declines it.
  void ringingPopupByKeyboard() {
    QML::MainWindow* mainWindow = Scenario::mainWindow();
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
    QVERIFY(CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    // Who calls, as the contact list draws them without a picture (shown
    // where the answers leave room beside them).
    QQuickItem* initials = SceneDriver(popup).anyItem(QStringLiteral("partyInitials"));
    QVERIFY(initials);
    QCOMPARE(initials->property("text").toString(), QStringLiteral("AM"));
    // The user works on in the main window, the keyboard there.
    REQUIRE(main.focus(QStringLiteral("searchField")));
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow->isActiveWindow(), ZentTest::kWaitMs);
    QVERIFY(!popup->isActiveWindow());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(popup->isActiveWindow(), ZentTest::kWaitMs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    REQUIRE(SceneDriver::of(window).waitText(QStringLiteral("callState"),
                                             QStringLiteral("Call Active")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);

    QVERIFY(CommsScript::ringIn(kFelix, false));
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(main.focus(QStringLiteral("searchField")));
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow->isActiveWindow(), ZentTest::kWaitMs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(popup->isActiveWindow(), ZentTest::kWaitMs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
  }

  // Pull Call from the main window's menu dials the service's code, and the
  // call is named for what it does; a call being placed reads "Calling"
  // until it is answered.
  void pullCallIsNamedAndPlacedCallsReadCalling() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Pull Call")}));
    REQUIRE(main.waitVisible(QStringLiteral("activeCommRow")));
    QString problem;
    QVERIFY2(main.row(QStringLiteral("activeCommRow"), QStringLiteral("Pull Call"), &problem),
             qPrintable(problem));
    Scenario::tidy();
    REQUIRE(main.waitHidden(QStringLiteral("activeCommRow")));

    QMenu* contact = nullptr;
    REQUIRE(searchContactMenu(kAliceName, &contact));
    // She answers only once the test has seen the call being placed.
    QCOMPARE(Scenario::control("hold-called-parties"), QString("ok"));
    REQUIRE(ZentTest::triggerMenuEntry(contact, {QStringLiteral("Call"), kAliceWork}));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Calling")));
    QCOMPARE(Scenario::control("release-called-parties"), QString("ok"));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
  }

  // The demo's control channel, which a person trying the program uses,
  // refuses a caller nobody has in the list instead of saying "ok".
  void unknownCallerIsRefused() {
    QSignalSpy rang(comms(), SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    const QString refused = Scenario::control("incoming-call 999");
    QVERIFY2(refused != QStringLiteral("ok") && !refused.startsWith('('), qPrintable(refused));
    QCOMPARE(Scenario::control("incoming-call 101"), QString("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    QCOMPARE(rang.count(), 1);
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
  }

  // The caller has one name in every view: the ringing popup, the call
  // window's title and call pane, the main window's running
  // communications and, once the call ended, the history. A name the
  // contact list learns meanwhile shows in all of them at once.
  void theCallerHasOneNameEverywhere() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
    QVERIFY(CommsScript::ringIn(kFelix, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    SceneDriver ring(popup);
    REQUIRE(
        ring.waitText(QStringLiteral("title"), QStringLiteral("%1 is calling").arg(kFelixName)));
    auto* session = qobject_cast<CommunicationSession*>(popup->session());
    QVERIFY(session && session->getContact());
    QPointer<RAZ::Contacts::IContact> felix(session->getContact());
    const QString renamed = QStringLiteral("Felix Ortega");
    felix->setProperty(RAZ::Contacts::Properties::KeyDisplayName, renamed);
    REQUIRE(ring.waitText(QStringLiteral("title"), QStringLiteral("%1 is calling").arg(renamed)));

    REQUIRE(ring.click(QStringLiteral("audioButton")));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(renamed, &window));
    QPointer<QML::CommunicationsWindow> guard(window);
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    REQUIRE(call.waitText(QStringLiteral("party"), renamed));
    REQUIRE(main.waitVisible(QStringLiteral("activeCommRow")));
    QString problem;
    QVERIFY2(main.row(QStringLiteral("activeCommRow"), renamed, &problem), qPrintable(problem));

    // The list gives the contact its name back: every view follows.
    felix->setProperty(RAZ::Contacts::Properties::KeyDisplayName, QString::fromLatin1(kFelixName));
    QTRY_VERIFY2_WITH_TIMEOUT(window->windowTitle().startsWith(kFelixName),
                              qPrintable(window->windowTitle()), ZentTest::kWaitMs);
    REQUIRE(call.waitText(QStringLiteral("party"), kFelixName));
    QTRY_VERIFY_WITH_TIMEOUT(main.row(QStringLiteral("activeCommRow"), kFelixName),
                             ZentTest::kWaitMs);
    QVERIFY(!main.row(QStringLiteral("activeCommRow"), renamed));

    // Renamed once more before the call ends: the history keeps the name
    // the call had at its end.
    felix->setProperty(RAZ::Contacts::Properties::KeyDisplayName, renamed);
    REQUIRE(call.waitText(QStringLiteral("party"), renamed));
    REQUIRE(call.click(QStringLiteral("endButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(main.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    QTRY_VERIFY2_WITH_TIMEOUT(historyRows().value(0).startsWith(renamed),
                              qPrintable(historyRows().join('\n')), ZentTest::kWaitMs);
    if (felix)
      felix->setProperty(RAZ::Contacts::Properties::KeyDisplayName,
                         QString::fromLatin1(kFelixName));
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
  }

  // A party who is busy, on a call, in a meeting or offline does not take
  // the call: the user is told each time, and the call goes on with the user.
  void transferToSomeoneWhoCannotTakeItFails() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    QPointer<QML::CommunicationsWindow> guard(window);
    SceneDriver call = SceneDriver::of(window);
    auto* overlay = qobject_cast<QQuickWidget*>(window->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    QSignalSpy handedOn(window->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    using RAZ::Presence::PresenceState;
    for (int presence : {int(PresenceState::Busy), int(PresenceState::OnCall),
                         int(PresenceState::Meeting), int(PresenceState::Offline)}) {
      QVERIFY(RAZ::Demo::Service::instance().changePresence(kInes, presence, QString()));
      REQUIRE(call.click(QStringLiteral("transferButton")));
      REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
      QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
      QTest::keyClicks(overlay, QStringLiteral("ines"));
      QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                               ZentTest::kWaitMs);
      QTest::keyClick(overlay, Qt::Key_Return);

      Dialogs::MessageWindow* message = nullptr;
      REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&message));
      QCOMPARE(message->windowTitle(), QString("Error Transferring Call"));
      QCOMPARE(message->messageLabel()->text(),
               QString("The person you are transferring to cannot take the call now. Your call "
                       "goes on."));
      QCOMPARE(handedOn.count(), 0);
      QVERIFY(guard && guard->isVisible());
      QVERIFY(call.text(QStringLiteral("callState")).startsWith(QStringLiteral("Call Active")));
      QPointer<Dialogs::MessageWindow> shown(message);
      REQUIRE(ZentTest::clickButton(message, QStringLiteral("OK")));
      QTRY_VERIFY_WITH_TIMEOUT(!shown || !shown->isVisible(), ZentTest::kWaitMs);
    }
    QVERIFY(
        RAZ::Demo::Service::instance().changePresence(kInes, PresenceState::Available, QString()));
  }

  // Two calls, then Options ▸ "Transfer to" ▸ the party of the other call:
  // the two parties talk to each other, so both of the user's calls end, the
  // held one with its window too, and the main window lists neither.
  void twoCallsJoinedByATransfer() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QPointer<QML::CommunicationsWindow> aliceGuard(alice);
    const QString aliceUri = alice->getSession()->uri();
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    QPointer<QML::CommunicationsWindow> felixGuard(felix);
    REQUIRE(
        SceneDriver::of(alice).waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));

    QSignalSpy handedOn(felix->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    QMenu* options = nullptr;
    REQUIRE(openOptions(felix, &options));
    REQUIRE(ZentTest::triggerMenuEntry(options, {QStringLiteral("Transfer to"), kAliceName}));
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(handedOn.at(0).at(1).toString(), aliceUri);
    QTRY_VERIFY_WITH_TIMEOUT(!felixGuard || !felixGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!aliceGuard || !aliceGuard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(Scenario::mainScene().waitHidden(QStringLiteral("activeCommRow")));
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
  }

  // The picker offers the party of the user's held call as anybody else:
  // picked, the call is put through to her over that call, not refused as
  // busy with it.
  void pickerPutsTheCallThroughToTheHeldParty() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QPointer<QML::CommunicationsWindow> aliceGuard(alice);
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    REQUIRE(SceneDriver::of(felix).click(QStringLiteral("transferButton")));
    auto* overlay = qobject_cast<QQuickWidget*>(felix->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("alice"));
    QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                             ZentTest::kWaitMs);
    QSignalSpy handedOn(felix->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    QTest::keyClick(overlay, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!aliceGuard || !aliceGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
    for (QWidget* w : ZentTest::visibleWindows())
      QVERIFY2(!qobject_cast<Dialogs::MessageWindow*>(w), qPrintable(w->windowTitle()));

    // "Talk First" with her: the user already talks to her on that call,
    // so the call is put through at once, not dialled to her a second time.
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    aliceGuard = alice;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    REQUIRE(SceneDriver::of(felix).click(QStringLiteral("transferButton")));
    overlay = qobject_cast<QQuickWidget*>(felix->overlayObject());
    QVERIFY(overlay);
    SceneDriver again(overlay);
    REQUIRE(again.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("alice"));
    QTRY_VERIFY_WITH_TIMEOUT(again.items(QStringLiteral("pickerTalkFirst")).size() == 1,
                             ZentTest::kWaitMs);
    QSignalSpy putThrough(
        felix->getSession(),
        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    REQUIRE(again.click(again.items(QStringLiteral("pickerTalkFirst")).first()));
    QTRY_COMPARE_WITH_TIMEOUT(putThrough.count(), 1, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!aliceGuard || !aliceGuard->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
  }

  // With no other call to go with, the row's "Transfer" brings the call's
  // window forward on its picker.
  void activeRowTransferOfTheOnlyCallOpensThePicker() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QMenu* menu = nullptr;
    REQUIRE(openActiveRowMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Transfer")}));
    auto* overlay = qobject_cast<QQuickWidget*>(alice->overlayObject());
    QVERIFY(overlay);
    REQUIRE(SceneDriver(overlay).waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(alice->isActiveWindow(), ZentTest::kWaitMs);
    QVERIFY(alice->getSession()->callActive());
  }

  // The same from the main window: the running call's row ▸ "Transfer" hands
  // it to the party of the user's other call; "Conference" there merges the
  // two calls into one.
  void activeRowJoinsTheOtherCall() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    SceneDriver call = SceneDriver::of(felix);
    QMenu* menu = nullptr;
    REQUIRE(openActiveRowMenu(kFelixName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Conference")}));
    QTRY_COMPARE_WITH_TIMEOUT(comms()->commsList().size(), 1, ZentTest::kWaitMs);
    REQUIRE(call.waitVisible(QStringLiteral("conferenceCaption")));
    Scenario::tidy();

    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    QSignalSpy handedOn(felix->getSession(),
                        SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)));
    REQUIRE(openActiveRowMenu(kFelixName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Transfer")}));
    QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, ZentTest::kWaitMs);
    REQUIRE(Scenario::mainScene().waitHidden(QStringLiteral("activeCommRow")));
    QTRY_VERIFY_WITH_TIMEOUT(comms()->commsList().isEmpty(), ZentTest::kWaitMs);
  }
};

ZENT_TEST_MAIN(ScenarioCallFeatures, Application)
#include "tst_scenario_callfeatures.moc"

// What the demo's people do with numbers and calls, through the windows
// and the demo's control channel only: a typed or linked number reaches the
// person who owns it, Test Call reaches the echo test, an unanswered caller
// gives up, people call, write and offer files only as their presence
// allows, a call shows both sides on the phone while it lasts, people
// outside the list call by their numbers as themselves, a merged
// conference is live, a transfer says where the call went, "Chat" on
// a call's popup uses the chat already open, and the room's conference
// warning follows the dial-in number typed into Preferences.
#include <QLineEdit>
#include <QLocalSocket>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Presence/PresenceState.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"

using RAZ::Controllers::CommunicationSession;
using ZentTest::callAndWaitForAnswer;
using ZentTest::historyRows;
using ZentTest::noCallPopup;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::sceneWith;
using ZentTest::searchContacts;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-numbers-");

// Right-click the contact (found by typing its name) ▸ `path`.
QString fromContactMenu(const QString& name, const QStringList& path) {
  QMenu* menu = nullptr;
  const QString problem = ZentTest::searchContactMenu(name, &menu);
  return problem.isEmpty() ? ZentTest::triggerMenuEntry(menu, path) : problem;
}

// Waits until the history's newest row starts with `name`; gives that row
// (empty when it never does). The contacts are shown again afterwards.
QString newestHistoryRow(const QString& name) {
  SceneDriver main = Scenario::mainScene();
  if (!main.click(QStringLiteral("leftPaneButton2")).isEmpty()) return QString();
  QString newest;
  const bool found = QTest::qWaitFor(
      [&] {
        newest = historyRows().value(0);
        return newest.startsWith(name);
      },
      ZentTest::kWaitMs);
  main.click(QStringLiteral("leftPaneButton0"));
  return found ? newest : QStringLiteral("(newest: %1)").arg(newest);
}

int commsWindowsNamed(const QString& name) {
  int n = 0;
  for (QWidget* w : ZentTest::visibleWindows())
    if (qobject_cast<QML::CommunicationsWindow*>(w) && w->windowTitle().contains(name)) ++n;
  return n;
}

}  // namespace

class ScenarioNumbers : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioNumbers() : ScenarioTestObject(g_environment) {}

 private slots:
  void init() { REQUIRE(Scenario::signIn()); }

  void cleanup() {
    Scenario::demo().setRingTime(0);
    Scenario::tidy();
    searchContacts(QString());
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    // What a failed test changed (presence, numbers) goes with its session.
    if (QTest::currentTestFailed()) REQUIRE(Scenario::signOut());
  }

  // An extension typed into the search field is offered as a call, and it
  // reaches its owner, who acts as her presence says (Bruno is in a
  // meeting: he declines); a written-out work number reaches Alice, who
  // answers as herself in every view and in the history.
  void numbersReachTheirOwners() {
    REQUIRE(searchContacts(QStringLiteral("102")));
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitText(QStringLiteral("dialRowText"), QStringLiteral("Call 102")));
    // His window and the word of his answer may be gone before a look.
    ZentTest::Sightings seen;
    REQUIRE(main.click(QStringLiteral("dialRow")));
    REQUIRE(seen.commsWindow(kBrunoName));
    REQUIRE(seen.toast(QStringLiteral("Bruno Keller declined the call")));
    QVERIFY(!seen.sawToast(QStringLiteral("102 did not answer")));
    const QString brunoRow = newestHistoryRow(kBrunoName);
    QVERIFY2(brunoRow.startsWith(kBrunoName), qPrintable(brunoRow));

    // Her work number as it is written, spaces and all.
    REQUIRE(searchContacts(QStringLiteral("+49 30 100101")));
    REQUIRE(main.waitText(QStringLiteral("dialRowText"), QStringLiteral("Call +4930100101")));
    REQUIRE(main.click(QStringLiteral("dialRow")));
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &alice));
    QPointer<QML::CommunicationsWindow> guard(alice);
    SceneDriver call = SceneDriver::of(alice);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    REQUIRE(call.waitText(QStringLiteral("party"), kAliceName));
    REQUIRE(main.waitVisible(QStringLiteral("activeCommRow")));
    QString problem;
    QVERIFY2(main.row(QStringLiteral("activeCommRow"), kAliceName, &problem), qPrintable(problem));
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    REQUIRE(call.click(QStringLiteral("endButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    const QString aliceRow = newestHistoryRow(kAliceName);
    QVERIFY2(aliceRow.startsWith(kAliceName), qPrintable(aliceRow));

    // Text that is no number offers no call.
    REQUIRE(searchContacts(QStringLiteral("alice")));
    REQUIRE(main.waitHidden(QStringLiteral("dialRow")));
  }

  // The service routes to everybody its directory knows, not only to the
  // list's people: Nora's extension reaches Nora, who answers as herself,
  // and a second call to her names the same person.
  void aDirectoryPersonsNumberReachesHer() {
    SceneDriver main = Scenario::mainScene();
    for (int round = 0; round < 2; ++round) {
      REQUIRE(searchContacts(QStringLiteral("201")));
      REQUIRE(main.waitText(QStringLiteral("dialRowText"), QStringLiteral("Call 201")));
      REQUIRE(main.click(QStringLiteral("dialRow")));
      QML::CommunicationsWindow* nora = nullptr;
      REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Nora Albrecht"), &nora));
      QPointer<QML::CommunicationsWindow> guard(nora);
      SceneDriver call = SceneDriver::of(nora);
      REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
      REQUIRE(call.waitText(QStringLiteral("party"), QStringLiteral("Nora Albrecht")));
      ZentTest::answerNextMessage(QDialogButtonBox::Yes);
      REQUIRE(call.click(QStringLiteral("endButton")));
      QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    }
    const QString row = newestHistoryRow(QStringLiteral("Nora Albrecht"));
    QVERIFY2(row.startsWith(QStringLiteral("Nora Albrecht")), qPrintable(row));
  }

  // A number as it is written finds who owns it, among the own contacts and
  // in the directory view; a number nobody owns is offered as a call, with
  // no claim that nothing matches, and Enter calls it.
  void aTypedNumberShowsItsOwner() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(searchContacts(QStringLiteral("+49 30 100-102")));
    QTRY_VERIFY(main.row(QStringLiteral("contactRow"), QStringLiteral("Own Contacts")));
    QVERIFY(main.row(QStringLiteral("contactRow"), kBrunoName));
    REQUIRE(main.click(QStringLiteral("leftPaneButton4")));  // directory
    REQUIRE(main.focus(QStringLiteral("searchField")));
    REQUIRE(main.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(main.type(QStringLiteral("201")));
    REQUIRE(main.waitText(QStringLiteral("dialRowText"), QStringLiteral("Call 201")));
    QTRY_VERIFY(main.row(QStringLiteral("contactRow"), QStringLiteral("Nora Albrecht")));
    QVERIFY(!main.row(QStringLiteral("contactRow"), QStringLiteral("Oskar Berg")));

    REQUIRE(searchContacts(QStringLiteral("zzz")));
    REQUIRE(main.waitText(QStringLiteral("contactListEmptyText"),
                          QStringLiteral("No matching contacts")));
    REQUIRE(searchContacts(QStringLiteral("+1 555 0100")));
    REQUIRE(main.waitText(QStringLiteral("dialRowText"), QStringLiteral("Call +15550100")));
    QTRY_VERIFY(main.items(QStringLiteral("contactRow")).isEmpty());
    QVERIFY(!main.isVisible(QStringLiteral("contactListEmptyText")));
    REQUIRE(main.press(Qt::Key_Return));
    QML::CommunicationsWindow* call = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("+15550100"), &call));
    REQUIRE(main.waitHidden(QStringLiteral("dialRow")));
  }

  // Test Call reaches the service's echo test, which answers at once.
  void testCallIsAnswered() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("optionsButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Test Call")}));
    QML::CommunicationsWindow* echo = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Echo Test"), &echo));
    REQUIRE(
        SceneDriver::of(echo).waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    // A line of the service's own has no presence to show.
    QCOMPARE(echo->windowTitle(), QString("Echo Test"));
  }

  // A call the control channel rings in gives up like the demo's own ones
  // and is a missed call in the history.
  void unansweredCallerGivesUp() {
    Scenario::demo().setRingTime(300);
    // It rings for less than a busy machine may take to look.
    ZentTest::Sightings seen;
    QCOMPARE(Scenario::control("incoming-call 201"), QString("ok"));
    REQUIRE(seen.callPopup());
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    const QString row = newestHistoryRow(kFelixName);
    QVERIFY2(row.contains(QStringLiteral("Missed")), qPrintable(row));
  }

  // Somebody on a call with the user does not call again, nor does the
  // demo's caller pick them; an offline contact offers no files.
  void peopleActAsTheirPresenceSays() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QCOMPARE(Scenario::control("incoming-call 101"), QString("refused"));
    // Everybody else is away from the phone: nobody may call now.
    RAZ::Demo::Service& demo = Scenario::demo();
    for (int id : {102, 103, 104, 105, 201, 202, 203, 204, 301, 302, 303})
      QVERIFY(demo.changePresence(id, 2, QString()));
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> book =
        Scenario::app()->sessionManager()->contactsManager();
    QTRY_VERIFY_WITH_TIMEOUT(!book->getContact(303)->isOnline(), ZentTest::kWaitMs);
    QCOMPARE(Scenario::control("someone-calls"), QString("refused"));
    // Nobody offline calls, writes, shares or misses a call; nor does the
    // user, nor Alice, who is on the phone with the user.
    for (const char* command :
         {"incoming-call 102", "incoming-chat 102", "incoming-share 102", "missed-call 102",
          "incoming-call 0", "missed-call 0", "missed-call 101"})
      QVERIFY2(Scenario::control(command) == QLatin1String("refused"), command);
    QVERIFY(noCallPopup());
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    // Off the call, Alice is the one who calls.
    QCOMPARE(Scenario::control("someone-calls"), QString("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    SceneDriver ring(popup);
    REQUIRE(
        ring.waitText(QStringLiteral("title"), QStringLiteral("%1 is calling").arg(kAliceName)));
    REQUIRE(ring.click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);

    // In a chat, a file comes only from someone online.
    REQUIRE(fromContactMenu(kAliceName, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &chat));
    SceneDriver talk = SceneDriver::of(chat);
    const QString transcript = QStringLiteral("transcriptView");
    auto send = [&talk](const QString& text) {
      QString problem = talk.focus(QStringLiteral("messageInput"));
      if (problem.isEmpty()) problem = talk.type(text);
      return problem.isEmpty() ? talk.press(Qt::Key_Return) : problem;
    };
    QVERIFY(demo.changePresence(kAlice, 2, QString()));
    QTRY_COMPARE_WITH_TIMEOUT(Scenario::control("offer-file 101"), QString("refused"),
                              ZentTest::kWaitMs);
    // Offline, she does not answer either.
    REQUIRE(send(QStringLiteral("Still there?")));
    REQUIRE(talk.waitPageText(transcript, QStringLiteral("Still there?")));
    // Back online, she reads what waited and answers it, once.
    QVERIFY(demo.changePresence(kAlice, 10, QString()));
    REQUIRE(talk.waitPageText(transcript, QStringLiteral("Sounds good.")));
    QTRY_COMPARE_WITH_TIMEOUT(Scenario::control("offer-file 101"), QString("ok"),
                              ZentTest::kWaitMs);
    REQUIRE(talk.waitPageText(transcript, QStringLiteral("notes-1.txt")));
    REQUIRE(send(QStringLiteral("Back again?")));
    QTRY_COMPARE_WITH_TIMEOUT(talk.pageText(transcript).count(QStringLiteral("Sounds good.")), 2,
                              ZentTest::kWaitMs);
    REQUIRE(Scenario::signOut());
  }

  // While a call lasts the service shows both sides on the phone: the
  // contact's row and call window, and the user's own presence. What her
  // client reports meanwhile, and what the user had, show after the call.
  void aCallShowsBothSidesOnThePhone() {
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitText(QStringLiteral("ownPresenceText"), QStringLiteral("Available")));
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QPointer<QML::CommunicationsWindow> guard(alice);
    const QString onThePhone = QStringLiteral("%1, Call").arg(kAliceName);
    QTRY_VERIFY_WITH_TIMEOUT(main.row(QStringLiteral("contactRow"), onThePhone), ZentTest::kWaitMs);
    REQUIRE(main.waitText(QStringLiteral("ownPresenceText"), QStringLiteral("Call")));
    QTRY_COMPARE_WITH_TIMEOUT(alice->windowTitle(), QStringLiteral("%1 (Call)").arg(kAliceName),
                              ZentTest::kWaitMs);
    // Reports arrive in order: once Bruno's shows, Alice's has come too.
    RAZ::Demo::Service& demo = Scenario::demo();
    using RAZ::Presence::PresenceState;
    QVERIFY(demo.changePresence(kAlice, PresenceState::Away, QStringLiteral("Lunch")));
    QVERIFY(demo.changePresence(kBruno, PresenceState::Available, QString()));
    const QString brunoRow = QStringLiteral("%1, Available").arg(kBrunoName);
    QTRY_VERIFY_WITH_TIMEOUT(main.row(QStringLiteral("contactRow"), brunoRow), ZentTest::kWaitMs);
    QVERIFY(main.row(QStringLiteral("contactRow"), onThePhone));
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    REQUIRE(SceneDriver::of(alice).click(QStringLiteral("endButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    const QString away = QStringLiteral("%1, Away").arg(kAliceName);
    QTRY_VERIFY_WITH_TIMEOUT(main.row(QStringLiteral("contactRow"), away), ZentTest::kWaitMs);
    REQUIRE(main.waitText(QStringLiteral("ownPresenceText"), QStringLiteral("Available")));
    QVERIFY(demo.changePresence(kAlice, PresenceState::Available, QString()));
    QVERIFY(demo.changePresence(kBruno, PresenceState::Busy,
                                QStringLiteral("In a workshop until 3 pm")));
  }

  // People outside the list call from their numbers as themselves: a
  // directory person rings by her work number, is on the phone in her
  // call's window, and is named in the history, as a colleague's missed
  // call is; a number nobody owns rings as that number, but writes nothing.
  void directoryPeopleCallAsThemselves() {
    QCOMPARE(Scenario::control("incoming-call +4930100201"), QString("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    SceneDriver ring(popup);
    REQUIRE(ring.waitText(QStringLiteral("title"), QStringLiteral("Nora Albrecht is calling")));
    REQUIRE(ring.click(QStringLiteral("audioButton")));
    QML::CommunicationsWindow* nora = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Nora Albrecht"), &nora));
    QPointer<QML::CommunicationsWindow> guard(nora);
    QTRY_COMPARE_WITH_TIMEOUT(nora->windowTitle(), QStringLiteral("Nora Albrecht (Call)"),
                              ZentTest::kWaitMs);
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    REQUIRE(SceneDriver::of(nora).click(QStringLiteral("endButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    QString row = newestHistoryRow(QStringLiteral("Nora Albrecht"));
    QVERIFY2(!row.contains(QStringLiteral("Missed")), qPrintable(row));
    QCOMPARE(Scenario::control("missed-call sip:oskar.berg@demo.zent"), QString("ok"));
    row = newestHistoryRow(QStringLiteral("Oskar Berg"));
    QVERIFY2(row.contains(QStringLiteral("Missed")), qPrintable(row));
    QCOMPARE(Scenario::control("incoming-chat +4989555010"), QString("refused"));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    QCOMPARE(Scenario::control("incoming-call +4989555010"), QString("ok"));
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(SceneDriver(popup).waitText(QStringLiteral("title"),
                                        QStringLiteral("+4989555010 is calling")));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
  }

  // Merged from the held call's window, the conference is live at once.
  void conferenceMergedFromTheHeldCallIsActive() {
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &alice));
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(callAndWaitForAnswer(kFelixName, kFelixWork, &felix, true));
    SceneDriver held = SceneDriver::of(alice);
    REQUIRE(held.waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    QPointer<QML::CommunicationsWindow> felixGuard(felix);
    REQUIRE(sceneWith(alice, QStringLiteral("optionsMenuButton"))
                .click(QStringLiteral("optionsMenuButton")));
    QMenu* options = nullptr;
    REQUIRE(ZentTest::waitForMenu(&options));
    REQUIRE(ZentTest::triggerMenuEntry(options, {QStringLiteral("Conference with"), kFelixName}));
    QTRY_VERIFY_WITH_TIMEOUT(!felixGuard || !felixGuard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(held.waitVisible(QStringLiteral("conferenceCaption")));
    REQUIRE(held.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
  }

  // The transfer picker leaves out the party being transferred; once the
  // call is handed on (to somebody available: a busy one refuses), a word
  // says to whom.
  void transferSaysWhereTheCallWent() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAndWaitForAnswer(kAliceName, kAliceWork, &window));
    REQUIRE(SceneDriver::of(window).click(QStringLiteral("transferButton")));
    auto* overlay = qobject_cast<QQuickWidget*>(window->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(picker.row(QStringLiteral("pickerRow"), QStringLiteral("Ines Haddad")),
                             ZentTest::kWaitMs);
    QVERIFY(!picker.row(QStringLiteral("pickerRow"), kAliceName));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->hasFocus(), ZentTest::kWaitMs);
    QTest::keyClicks(overlay, QStringLiteral("ines"));
    QTRY_COMPARE_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size(), 1,
                              ZentTest::kWaitMs);
    ZentTest::Sightings seen;
    QTest::keyClick(overlay, Qt::Key_Return);
    REQUIRE(seen.toast(QStringLiteral("Alice Moreno was transferred to Ines Haddad")));
  }

  // "Chat" on the popup of a call from a contact whose chat is open brings
  // that chat forward: one window, one running row, and the call is no
  // missed one.
  void chatFromTheCallPopupUsesTheOpenChat() {
    REQUIRE(fromContactMenu(kAliceName, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &chat));
    QPointer<QML::CommunicationsWindow> chatGuard(chat);
    QCOMPARE(Scenario::control("incoming-call 101"), QString("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("chatButton")));
    QTRY_VERIFY_WITH_TIMEOUT(noCallPopup(), ZentTest::kWaitMs);
    SceneDriver main = Scenario::mainScene();
    QTRY_COMPARE_WITH_TIMEOUT(main.items(QStringLiteral("activeCommRow")).size(), 1,
                              ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(chatGuard && chatGuard->isActiveWindow(), ZentTest::kWaitMs);
    QCOMPARE(commsWindowsNamed(kAliceName), 1);
    const QString row = newestHistoryRow(kAliceName);
    QVERIFY2(row.startsWith(kAliceName) && !row.contains(QStringLiteral("Missed")),
             qPrintable(row));
  }

  // The user's own room without an audio conference number warns; the
  // number typed into Preferences takes the warning away.
  void dialInNumberFromPreferencesClearsTheWarning() {
    QVERIFY(Scenario::demo().setOwnConferenceNumber(QString()));
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton1")));
    REQUIRE(main.waitVisible(QStringLiteral("roomRow")));
    QString problem;
    QQuickItem* row = main.row(QStringLiteral("roomRow"), kReleasePlanning, &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(main.doubleClick(row));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver scene = SceneDriver::of(room);
    REQUIRE(scene.waitVisible(QStringLiteral("conferenceWarning")));

    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    QPointer<Dialogs::PreferencesWindow> guard(prefs);
    auto* tabs = prefs->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
    auto* field = prefs->findChild<QLineEdit*>(QStringLiteral("textDialInNumber"));
    QVERIFY(tabs && field);
    int page = -1;
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->widget(i)->isAncestorOf(field)) page = i;
    QVERIFY(page >= 0);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      tabs->tabBar()->tabRect(page).center());
    QTRY_VERIFY(field->isVisible());
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("+1 555 0199"));
    REQUIRE(ZentTest::clickButton(prefs, QStringLiteral("OK")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    REQUIRE(scene.waitHidden(QStringLiteral("conferenceWarning")));
    REQUIRE(Scenario::signOut());
  }
};

ZENT_TEST_MAIN(ScenarioNumbers, Application)
#include "tst_scenario_numbers.moc"

// Rooms, My Room, shares and presence requests as a user meets them on the
// demo service, through the windows and the demo's control channel only:
// the user's own room opens with its chat and conference and its settings
// page shows its numbers; a room reached by a link is the room of the list;
// the owner of a room moderates it; presenting and somebody's share both
// show; a request waiting at sign-in shows.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QtTest>

#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/RoomDemo.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceState.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/ZentUrlHandler.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/PreferencesWindow.h"
#include "dialogs/XmppPasswordDialog.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/CommunicationsWindowLayout.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"

using ZentTest::activeMainScene;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::sceneWith;
using ZentTest::send;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-rooms-");

const char kAliceRoom[] = "myroom.alice.moreno@conference.demo.zent";
const char kTranscript[] = "transcriptView";

// The rooms list of the main window, shown.
QString showRooms() {
  QString problem = activeMainScene().click(QStringLiteral("leftPaneButton1"));
  if (problem.isEmpty()) problem = activeMainScene().waitVisible(QStringLiteral("myRoomRow"));
  activeMainScene();
  return problem;
}

// The menu of a room's row in the rooms list.
QString roomMenu(const QString& room, QMenu** menu) {
  QString problem = showRooms();
  if (!problem.isEmpty()) return problem;
  SceneDriver main = activeMainScene();
  QQuickItem* row = main.row(QStringLiteral("roomRow"), room, &problem);
  if (!row) return problem;
  problem = main.rightClick(row);
  return problem.isEmpty() ? ZentTest::waitForMenu(menu) : problem;
}

QList<QML::CommunicationsWindow*> commsWindows() {
  QList<QML::CommunicationsWindow*> found;
  for (QWidget* w : ZentTest::visibleWindows())
    if (auto* c = qobject_cast<QML::CommunicationsWindow*>(w)) found << c;
  return found;
}

void followLink(const QString& call, const QString& chat) {
  emit Scenario::app()->messageReceived(QStringLiteral("--zent:") +
                                        Utils::ZentUrlHandler::encodePayload(call, chat, {}, {}));
}

// The party's row in the room window's participants, once it shows.
QString partyRow(QML::CommunicationsWindow* room, const QString& name, SceneDriver* parties,
                 QQuickItem** row) {
  QString problem = sceneWith(room, QStringLiteral("participantRow"), parties);
  if (!problem.isEmpty()) return problem;
  const bool shown = QTest::qWaitFor(
      [&] { return (*row = parties->row(QStringLiteral("participantRow"), name)) != nullptr; },
      ZentTest::kWaitMs);
  return shown ? QString() : QStringLiteral("no participant %1").arg(name);
}

QString partyMenu(QML::CommunicationsWindow* room, const QString& name, QMenu** menu) {
  SceneDriver parties;
  QQuickItem* row = nullptr;
  QString problem = partyRow(room, name, &parties, &row);
  if (problem.isEmpty()) problem = parties.rightClick(row);
  return problem.isEmpty() ? ZentTest::waitForMenu(menu) : problem;
}

}  // namespace

class ScenarioRoomsTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioRoomsTest() : ScenarioTestObject(g_environment) {}

 private slots:
  void init() {
    REQUIRE(Scenario::signIn());
    // The owner of the windows the test looks at lies away from the corner.
    Scenario::mainWindow()->move(160, 120);
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::PreferencesWindow*>(w) && w->isVisible()) w->close();
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);
  }

  // The My Room row opens the user's own room, with its chat and its
  // conference; opened again it comes forward. Configure My Room shows the
  // numbers and PINs the invitation sends.
  void myRoomOpensTheUsersRoom() {
    REQUIRE(showRooms());
    REQUIRE(activeMainScene().click(QStringLiteral("myRoomRow")));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("My Room"), &room));
    SceneDriver chat;
    REQUIRE(sceneWith(room, QStringLiteral("messageInput"), &chat));
    // The conference: its call, answered by the bridge, is run from the
    // window's footer.
    SceneDriver footer(qobject_cast<QQuickWidget*>(room->footerView()));
    REQUIRE(footer.waitVisible(QStringLiteral("holdButton")));
    QTRY_VERIFY_WITH_TIMEOUT(
        room->getSession()->getCall() && room->getSession()->getCall()->getCallState() ==
                                             RAZ::MediaEngine::CallBasePtr::StateInCall,
        ZentTest::kWaitMs);
    SceneDriver parties;
    QQuickItem* me = nullptr;
    REQUIRE(partyRow(room, QStringLiteral("carol"), &parties, &me));

    // Again from the room's menu: the same window, brought forward.
    room->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(room->isMinimized(), ZentTest::kWaitMs);
    REQUIRE(showRooms());
    REQUIRE(activeMainScene().rightClick(QStringLiteral("myRoomRow")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join My Room")}));
    QTRY_VERIFY_WITH_TIMEOUT(!room->isMinimized() && room->isActiveWindow(), ZentTest::kWaitMs);
    QCOMPARE(commsWindows().size(), 1);

    REQUIRE(showRooms());
    REQUIRE(activeMainScene().rightClick(QStringLiteral("myRoomRow")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Configure My Room")}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    const QList<QPair<const char*, const char*>> fields = {{"textDialInNumber", "+1 555 0100"},
                                                           {"textPin1", "4477120"},
                                                           {"textPin2", "2468"},
                                                           {"textHostPin", "1357"}};
    for (const auto& f : fields) {
      auto* edit = prefs->findChild<QLineEdit*>(QString::fromLatin1(f.first));
      QVERIFY2(edit, f.first);
      QTRY_VERIFY_WITH_TIMEOUT(edit->isVisible(), ZentTest::kWaitMs);
      QCOMPARE(edit->text(), QString::fromLatin1(f.second));
    }
  }

  // A link to a room of the list opens that room: its name, its members,
  // their answers; a second link brings the window forward. A link to a
  // contact's personal room opens it with its owner, who answers.
  void linkedRoomIsTheRoomOfTheList() {
    followLink({}, kReleaseJid);
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    QVERIFY2(!room->windowTitle().contains(QStringLiteral("@")), qPrintable(room->windowTitle()));
    SceneDriver parties;
    QQuickItem* alice = nullptr;
    REQUIRE(partyRow(room, kAliceName, &parties, &alice));
    SceneDriver chat;
    REQUIRE(sceneWith(room, QStringLiteral("messageInput"), &chat));
    REQUIRE(send(chat, QStringLiteral("Joined by link")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Noted, thanks.")));

    // Put away; the user works in the main window, then follows the link again.
    room->hide();
    activeMainScene();
    followLink({}, kReleaseJid);
    QTRY_VERIFY2_WITH_TIMEOUT(room->isVisible() && room->isActiveWindow(),
                              qPrintable(ZentTest::describeWindows()), ZentTest::kWaitMs);
    QCOMPARE(commsWindows().size(), 1);
    // From the list as well: the same window.
    QMenu* menu = nullptr;
    REQUIRE(roomMenu(kReleasePlanning, &menu));
    QVERIFY2(ZentTest::describe(menu).contains(QStringLiteral("*Join Room")),
             qPrintable(ZentTest::describe(menu).join(", ")));
    ZentTest::closeMenus();

    followLink(QStringLiteral("sip:4477120@demo.zent"), kAliceRoom);
    QML::CommunicationsWindow* personal = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Alice Moreno's Room"), &personal));
    REQUIRE(partyRow(personal, kAliceName, &parties, &alice));
    REQUIRE(sceneWith(personal, QStringLiteral("messageInput"), &chat));
    REQUIRE(send(chat, QStringLiteral("Hello Alice")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Noted, thanks.")));
    personal->hide();
    activeMainScene();
    followLink(QStringLiteral("sip:4477120@demo.zent"), kAliceRoom);
    QTRY_VERIFY_WITH_TIMEOUT(personal->isVisible() && personal->isActiveWindow(),
                             ZentTest::kWaitMs);
    QCOMPARE(commsWindows().size(), 2);
  }

  // A room's chat in the history is the room's: its menu offers joining it
  // again, never a call or a new contact, and a double click or Enter
  // joins it too; the entries of people keep their calls and chats. A
  // restart keeps it a room.
  void aRoomInTheHistoryIsJoinedAgain() {
    followLink({}, kReleaseJid);
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver chat;
    REQUIRE(sceneWith(room, QStringLiteral("messageInput"), &chat));
    REQUIRE(send(chat, QStringLiteral("Minutes follow")));
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);

    auto roomRow = [](QQuickItem** row) {
      SceneDriver main = activeMainScene();
      QString problem = main.click(
          QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton));
      if (problem.isEmpty()) problem = main.waitVisible(QStringLiteral("historyRow"));
      if (!problem.isEmpty()) return problem;
      (void)QTest::qWaitFor(
          [&] { return (*row = main.row(QStringLiteral("historyRow"), kReleasePlanning)); },
          ZentTest::kWaitMs);
      return *row ? QString() : QStringLiteral("no history row of the room");
    };
    auto menuOf = [](const QString& name, QMenu** menu) {
      SceneDriver main = activeMainScene();
      QString problem;
      QQuickItem* row = main.row(QStringLiteral("historyRow"), name, &problem);
      if (row) problem = main.rightClick(row);
      return problem.isEmpty() ? ZentTest::waitForMenu(menu) : problem;
    };
    QQuickItem* row = nullptr;
    REQUIRE(roomRow(&row));
    QMenu* menu = nullptr;
    REQUIRE(menuOf(kReleasePlanning, &menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList{QStringLiteral("Join Room")});
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    QVERIFY(ZentTest::chatOf(room) && ZentTest::chatOf(room)->isRoom());
    // In the room: its entry brings the window forward, no second one.
    room->hide();
    REQUIRE(roomRow(&row));
    REQUIRE(activeMainScene().doubleClick(row));
    QTRY_VERIFY_WITH_TIMEOUT(room->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(commsWindows().size(), 1);
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);

    // People's entries keep what they offer; the list may reach below the
    // window, so they are reached by keyboard, the menu by its key.
    for (const QString& name : {QStringLiteral("Ines Haddad"), QStringLiteral("Greta Lindqvist")}) {
      REQUIRE(roomRow(&row));
      SceneDriver main = activeMainScene();
      REQUIRE(main.click(main.items(QStringLiteral("historyRow")).first()));
      const QStringList rows = ZentTest::historyRows();
      const int at = rows.indexOf(QRegularExpression(QRegularExpression::escape(name) + " / .*"));
      QVERIFY2(at >= 0, qPrintable(rows.join(" | ")));
      QQuickItem* list = main.item(QStringLiteral("historyList"));
      QVERIFY(list);
      for (int i = list->property("currentIndex").toInt(); i != at; i += i < at ? 1 : -1)
        REQUIRE(main.press(i < at ? Qt::Key_Down : Qt::Key_Up));
      QCOMPARE(list->property("currentIndex").toInt(), at);
      REQUIRE(main.press(Qt::Key_Menu));
      REQUIRE(ZentTest::waitForMenu(&menu));
      const QStringList person = ZentTest::menuTexts(menu);
      QVERIFY2(person.contains(QStringLiteral("Call")) && person.contains(QStringLiteral("Chat")),
               qPrintable(name + ": " + person.join(", ")));
      ZentTest::closeMenus();
    }

    // Started again, the entry is still the room's; Enter joins it.
    REQUIRE(Scenario::signOut());
    Scenario::freshService();
    REQUIRE(Scenario::signIn());
    REQUIRE(roomRow(&row));
    REQUIRE(menuOf(kReleasePlanning, &menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList{QStringLiteral("Join Room")});
    ZentTest::closeMenus();
    REQUIRE(activeMainScene().click(row));
    REQUIRE(activeMainScene().press(Qt::Key_Return));
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
  }

  // Personal rooms read as the rooms they were, not as a chat with their
  // owner: the user's own is "My Room" and opens again with its
  // conference, somebody's is that person's room; a chat with several
  // people names them all and offers no call to the first of them.
  void roomsAndGroupsInTheHistoryReadAsWhatTheyWere() {
    REQUIRE(showRooms());
    REQUIRE(activeMainScene().click(QStringLiteral("myRoomRow")));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("My Room"), &room));
    followLink(QStringLiteral("sip:4477120@demo.zent"), kAliceRoom);
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Alice Moreno's Room"), &room));
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    ZentTest::closeMenus();
    SceneDriver main = activeMainScene();
    QString problem;
    QQuickItem* bruno =
        main.row(QStringLiteral("contactRow"), QStringLiteral("Bruno Keller"), &problem);
    QVERIFY2(bruno, qPrintable(problem));
    REQUIRE(main.click(bruno, Qt::LeftButton, Qt::ControlModifier));
    REQUIRE(main.rightClick(bruno));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* group = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationsWindow>(
        &group, [](QML::CommunicationsWindow* w) {
          return w->getSession() && w->getSession()->isGroupChat();
        }));
    // One contact chosen again, as the next user of the list expects.
    main = activeMainScene();
    bruno = main.row(QStringLiteral("contactRow"), QStringLiteral("Bruno Keller"), &problem);
    QVERIFY2(bruno, qPrintable(problem));
    REQUIRE(main.click(bruno));
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);

    main = activeMainScene();
    REQUIRE(main.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    const QString people = QString::fromLatin1(kAliceName) + QStringLiteral(", Bruno Keller");
    for (const QString& name :
         {QStringLiteral("My Room"), QStringLiteral("Alice Moreno's Room"), people})
      QTRY_VERIFY2_WITH_TIMEOUT(main.row(QStringLiteral("historyRow"), name),
                                qPrintable(ZentTest::historyRows().join(" | ")), ZentTest::kWaitMs);
    // None of them is a chat with the owner or the first one invited.
    for (const QString& row : ZentTest::historyRows())
      QVERIFY2(!row.startsWith(QStringLiteral("carol /")), qPrintable(row));
    // The list may reach below the window: a row is reached by keyboard,
    // its menu by its key.
    auto menuOf = [](const QString& name, QMenu** out) {
      SceneDriver scene = activeMainScene();
      QQuickItem* list = scene.item(QStringLiteral("historyList"));
      if (!list) return QStringLiteral("no history list");
      QString trouble = scene.click(scene.items(QStringLiteral("historyRow")).first());
      const int count = list->property("count").toInt();
      while (trouble.isEmpty() && list->property("currentIndex").toInt() > 0)
        trouble = scene.press(Qt::Key_Up);
      // The row read out is the one named (its first words are its name).
      auto onIt = [&] {
        auto* row = list->property("currentItem").value<QQuickItem*>();
        QAccessibleInterface* read = row ? QAccessible::queryAccessibleInterface(row) : nullptr;
        return read && read->text(QAccessible::Name).startsWith(name + QStringLiteral(", "));
      };
      for (int i = 0; trouble.isEmpty() && !onIt() && i < count; ++i)
        trouble = scene.press(Qt::Key_Down);
      if (trouble.isEmpty() && !onIt())
        trouble = QStringLiteral("no row of %1: %2").arg(name, ZentTest::historyRows().join(" | "));
      if (trouble.isEmpty()) trouble = scene.press(Qt::Key_Menu);
      return trouble.isEmpty() ? ZentTest::waitForMenu(out) : trouble;
    };
    // The chat with several people is nobody's to call or chat with.
    RAZ::Models::Timeline* history = Scenario::mainWindow()->timeline();
    int groups = 0;
    for (int i = 0; i < history->rowCount(); ++i) {
      RAZ::Models::TimelineEntry* entry = history->entryAt(i);
      if (entry->room() != RAZ::Models::CallLog::GroupChat) continue;
      ++groups;
      QCOMPARE(history->index(i).data(RAZ::Models::Timeline::NameRole).toString(), people);
      QVERIFY(!entry->getContact());
      QVERIFY(entry->getActions().isEmpty());
    }
    QCOMPARE(groups, 1);

    REQUIRE(menuOf(QStringLiteral("Alice Moreno's Room"), &menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList{QStringLiteral("Join Room")});
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Alice Moreno's Room"), &room));
    QVERIFY(room->getSession()->isMyRoom());
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);

    REQUIRE(menuOf(QStringLiteral("My Room"), &menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList{QStringLiteral("Join Room")});
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("My Room"), &room));
    // The user's own room, as from the rooms list: its conference runs.
    QTRY_VERIFY_WITH_TIMEOUT(
        room->getSession()->getCall() && room->getSession()->getCall()->getCallState() ==
                                             RAZ::MediaEngine::CallBasePtr::StateInCall,
        ZentTest::kWaitMs);
  }

  // In a room only a member who is online answers: with the first of its
  // members gone offline, the next one does.
  void onlyOnlineMembersAnswerInARoom() {
    followLink({}, kReleaseJid);
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    RAZ::Controllers::ChatInterface* chat = ZentTest::chatOf(room);
    QVERIFY(chat);
    using RAZ::Presence::PresenceState;
    QVERIFY(Scenario::demo().changePresence(kAlice, PresenceState::Offline, QString()));
    QSignalSpy answers(chat, &RAZ::Controllers::ChatInterface::messageReceived);
    SceneDriver input;
    REQUIRE(sceneWith(room, QStringLiteral("messageInput"), &input));
    REQUIRE(send(input, QStringLiteral("Who is here?")));
    REQUIRE(input.waitPageText(kTranscript, QStringLiteral("Noted, thanks.")));
    QVERIFY(Scenario::demo().changePresence(kAlice, PresenceState::Available, QString()));
    QCOMPARE(answers.count(), 1);
    QCOMPARE(answers.at(0).at(0).toString(), QStringLiteral("bruno.keller@demo.zent"));
  }

  // The owner of a room dismisses and promotes its members; the list's
  // menus offer only what the user may do with each room.
  void ownerModeratesTheRoom() {
    QMenu* menu = nullptr;
    REQUIRE(roomMenu(kReleasePlanning, &menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList({"Join Room", "Edit Room", "Delete Room"}));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));

    REQUIRE(partyMenu(room, kAliceName, &menu));
    QStringList texts = ZentTest::menuTexts(menu);
    QVERIFY2(texts.contains(QStringLiteral("Dismiss from Chat")), qPrintable(texts.join(", ")));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Promote to Moderator")}));
    // Promoted, the party now has the way back.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          QMenu* again = nullptr;
          if (!partyMenu(room, kAliceName, &again).isEmpty()) return false;
          const bool demote =
              ZentTest::menuTexts(again).contains(QStringLiteral("Demote from Moderator"));
          ZentTest::closeMenus();
          return demote;
        }(),
        ZentTest::kWaitMs);
    // From the keyboard too: Tab from the message field reaches the list,
    // the arrows the party, and the menu key opens its menu at its row.
    SceneDriver keys;
    QQuickItem* bruno = nullptr;
    REQUIRE(partyRow(room, QStringLiteral("Bruno Keller"), &keys, &bruno));
    SceneDriver chat;
    REQUIRE(sceneWith(room, QStringLiteral("messageInput"), &chat));
    REQUIRE(chat.focus(QStringLiteral("messageInput")));
    QStringList passed;
    for (int i = 0; i < 20 && QApplication::focusWidget() != keys.view(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      passed << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                             : QStringLiteral("<none>"));
    }
    QVERIFY2(QApplication::focusWidget() == keys.view(), qPrintable(passed.join(", ")));
    QQuickWindow* pane = keys.view()->quickWindow();
    QVERIFY(pane->activeFocusItem() &&
            pane->activeFocusItem()->objectName() == QLatin1String("participantRow"));
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down})
      for (int i = 0; i < 8 && pane->activeFocusItem() != bruno; ++i) REQUIRE(keys.press(key));
    QVERIFY2(pane->activeFocusItem() == bruno,
             qPrintable(pane->activeFocusItem() ? pane->activeFocusItem()->objectName()
                                                : QStringLiteral("nothing")));
    REQUIRE(keys.press(Qt::Key_Menu));
    REQUIRE(ZentTest::waitForMenu(&menu));
    const QRect row(keys.view()->mapToGlobal(bruno->mapToScene(QPointF(0, 0)).toPoint()),
                    QSize(qRound(bruno->width()), qRound(bruno->height())));
    QVERIFY2(qAbs(menu->geometry().top() - row.bottom()) <= 2 ||
                 qAbs(menu->geometry().bottom() - row.top()) <= 2,
             qPrintable(QStringLiteral("menu at %1, row at %2")
                            .arg(QVariant(menu->geometry()).toString(), QVariant(row).toString())));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Dismiss from Chat")}));
    SceneDriver parties;
    REQUIRE(sceneWith(room, QStringLiteral("participantRow"), &parties));
    QTRY_VERIFY_WITH_TIMEOUT(
        !parties.row(QStringLiteral("participantRow"), QStringLiteral("Bruno Keller")),
        ZentTest::kWaitMs);
    QVERIFY(parties.row(QStringLiteral("participantRow"), kAliceName));

    // Joined: no second Join. Not the owner: the entries are there, greyed.
    REQUIRE(roomMenu(kReleasePlanning, &menu));
    QCOMPARE(ZentTest::describe(menu),
             QStringList({"*Join Room", "Edit Room", "-", "Delete Room"}));
    ZentTest::closeMenus();
    REQUIRE(roomMenu(QStringLiteral("Support desk"), &menu));
    QCOMPARE(ZentTest::describe(menu),
             QStringList({"Join Room", "*Edit Room", "-", "*Delete Room"}));
    ZentTest::closeMenus();
    // Somebody else's room, joined: still its menu, every entry greyed.
    REQUIRE(roomMenu(QStringLiteral("Support desk"), &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    Widgets::Conference::XmppPasswordDialog* prompt = nullptr;
    REQUIRE(ZentTest::waitForWindow<Widgets::Conference::XmppPasswordDialog>(&prompt));
    auto* password = prompt->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
    QVERIFY(password);
    QTest::keyClicks(password, QStringLiteral("demo-room"));
    QTest::keyClick(password, Qt::Key_Return);
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Support desk"), &room));
    REQUIRE(roomMenu(QStringLiteral("Support desk"), &menu));
    QCOMPARE(ZentTest::describe(menu),
             QStringList({"*Join Room", "*Edit Room", "-", "*Delete Room"}));
    ZentTest::closeMenus();
  }

  // Share Desktop says that the user presents, and stops; a share somebody
  // offers (the control channel's command) shows the shared screen.
  void sharesShowInTheWindow() {
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    // From the running communication's menu in the main window.
    auto runningMenu = [](QMenu** out) {
      SceneDriver main = activeMainScene();
      QString problem;
      QQuickItem* row = main.row(QStringLiteral("activeCommRow"), kAliceName, &problem);
      if (!row) return problem;
      problem = main.rightClick(row);
      return problem.isEmpty() ? ZentTest::waitForMenu(out) : problem;
    };
    REQUIRE(runningMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Share Desktop")}));
    SceneDriver share(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::SharePane)));
    REQUIRE(share.waitText(QStringLiteral("shareStatus"),
                           QStringLiteral("You are sharing your desktop")));
    REQUIRE(share.waitVisible(QStringLiteral("stopShareButton")));
    REQUIRE(share.click(QStringLiteral("stopShareButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!share.isVisible(QStringLiteral("stopShareButton")),
                             ZentTest::kWaitMs);
    REQUIRE(runningMenu(&menu));
    QVERIFY2(ZentTest::menuTexts(menu).contains(QStringLiteral("Share Desktop")),
             qPrintable(ZentTest::menuTexts(menu).join(", ")));
    ZentTest::closeMenus();
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);

    // A share viewed is no call: the history keeps nothing of it.
    REQUIRE(activeMainScene().click(QStringLiteral("leftPaneButton2")));
    const QStringList historyBefore = ZentTest::allHistoryRows();
    QCOMPARE(Scenario::control("incoming-share 101"), QStringLiteral("ok"));
    QCOMPARE(Scenario::control("incoming-share 999999"), QStringLiteral("refused"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    SceneDriver offer = SceneDriver::of(popup);
    REQUIRE(offer.click(QStringLiteral("yesButton")));
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver viewer(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::SharePane)));
    REQUIRE(viewer.waitVisible(QStringLiteral("shareFrames")));
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(commsWindows().isEmpty(), ZentTest::kWaitMs);
    QCOMPARE(ZentTest::allHistoryRows(), historyBefore);
    REQUIRE(activeMainScene().click(QStringLiteral("leftPaneButton0")));

    // What the demo does now and then: somebody online offers a share.
    auto* demo = Scenario::app()->sessionManager()->findChild<RAZ::Demo::RoomDemo*>();
    QVERIFY(demo);
    QVERIFY(demo->shareSomeScreen() > 0);
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    REQUIRE(SceneDriver::of(popup).waitVisible(QStringLiteral("yesButton")));
    // While that offer waits for an answer, nobody makes another.
    QCOMPARE(demo->shareSomeScreen(), 0);
    // Declined, it leaves no window behind to hold the activation.
    QPointer<QML::CommunicationNotification> offered(popup);
    REQUIRE(SceneDriver::of(popup).click(QStringLiteral("noButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!offered || !offered->isVisible(), ZentTest::kWaitMs);
  }

  // A presence request that waits when the user signs in shows at once,
  // and goes when answered.
  // With the location question at sign-in and text twice as large: the
  // request comes forward once the question is answered, and its row shows
  // whole.
  void waitingPresenceRequestShows() {
    REQUIRE(Scenario::signOut());
    Scenario::demo().setPresenceRequestsAtSignIn(true);
    qputenv("ZENT_DEMO_LOCATION", "1");
    // Back to the desktop's size however the test ends.
    struct FontBack {
      QFont font = QApplication::font();
      ~FontBack() { QApplication::setFont(font); }
    } back;
    QFont large = back.font;
    if (large.pixelSize() > 0)
      large.setPixelSize(large.pixelSize() * 2);
    else
      large.setPointSizeF(large.pointSizeF() * 2);
    QApplication::setFont(large);
    const QString signedIn = Scenario::signIn();
    Scenario::demo().setPresenceRequestsAtSignIn(false);
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(signedIn);
    QML::PresenceRequestDialog* dialog = Scenario::app()->presenceRequestDialog();
    QVERIFY(dialog);
    Dialogs::LocationPublish* location = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&location));
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(), ZentTest::kWaitMs);
    location->clearLocationButton()->click();
    QTRY_VERIFY2_WITH_TIMEOUT(dialog->isActiveWindow(), qPrintable(ZentTest::describeWindows()),
                              ZentTest::kWaitMs);
    SceneDriver requests = SceneDriver::of(dialog);
    QString problem;
    QQuickItem* request = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (request = requests.row(QStringLiteral("requestRow"), QStringLiteral("Mara Santos"),
                                &problem)) != nullptr,
        ZentTest::kWaitMs);
    QVERIFY(dialog->height() >= 80);
    // The answers and the address show whole in the list that clips them.
    QQuickItem* list = request->parentItem();
    while (list && !list->clip()) list = list->parentItem();
    QVERIFY(list);
    auto inScene = [](QQuickItem* i) {
      return i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
    };
    QTRY_VERIFY_WITH_TIMEOUT(
        inScene(list).adjusted(-0.5, -0.5, 0.5, 0.5).contains(inScene(request)), ZentTest::kWaitMs);
    for (QQuickItem* part : request->findChildren<QQuickItem*>())
      if (part->isVisible() && part->width() > 0)
        QVERIFY2(inScene(request).adjusted(-0.5, -0.5, 0.5, 0.5).contains(inScene(part)),
                 qPrintable(part->property("text").toString() + QStringLiteral(" is cut off")));
    REQUIRE(requests.click(QStringLiteral("ignoreButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), ZentTest::kWaitMs);

    // Answered, it is not asked again.
    REQUIRE(Scenario::signOut());
    Scenario::demo().setPresenceRequestsAtSignIn(true);
    const QString again = Scenario::signIn();
    Scenario::demo().setPresenceRequestsAtSignIn(false);
    REQUIRE(again);
    QVERIFY(Scenario::app()->presenceRequestDialog());
    QCOMPARE(Scenario::app()->presenceRequestDialog()->model()->rowCount(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!Scenario::app()->presenceRequestDialog()->isVisible());
  }

  // Shown again after it lost room while hidden (a chat's row took the
  // foot of a short window), the rooms list still starts at My Room.
  void myRoomHeadsTheListShownAgain() {
    REQUIRE(showRooms());
    const QSize fullSize = Scenario::mainWindow()->size();
    Scenario::mainWindow()->resize(fullSize.width(), 400);
    REQUIRE(activeMainScene().click(QStringLiteral("leftPaneButton0")));
    QCOMPARE(Scenario::control("incoming-chat " + QByteArray::number(kAlice)),
             QStringLiteral("ok"));
    REQUIRE(activeMainScene().waitVisible(QStringLiteral("activeCommRow")));
    REQUIRE(showRooms());
    QQuickItem* rooms = activeMainScene().item(QStringLiteral("roomList"));
    QQuickItem* head = activeMainScene().item(QStringLiteral("myRoomRow"));
    QVERIFY(rooms && head);
    const bool headShows = QTest::qWaitFor(
        [&] { return head->mapToItem(rooms, QPointF(0, 0)).y() >= 0; }, ZentTest::kWaitMs);
    Scenario::mainWindow()->resize(fullSize);
    QVERIFY(headShows);
  }
};

ZENT_TEST_MAIN(ScenarioRoomsTest, Application)
#include "tst_scenario_rooms.moc"

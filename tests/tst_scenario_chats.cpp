// Chats and rooms as a user meets them on the demo service, through the
// windows only: a long chat that keeps its newest message in view, rooms
// joined with a wrong password, created, renamed and deleted, product links
// clicked before signing in, chats a contact starts, the parties of a room,
// and every text a remote party controls shown as text, never as markup.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

#include <algorithm>

#include <RAZ/Client.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/ZentUrlHandler.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "dialogs/ConfigureRoom.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/XmppPasswordDialog.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/WebView.h"
#include "libqml/window/View.h"

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::ChatDemo;
using Widgets::Conference::XmppPasswordDialog;
using ZentTest::activeMainScene;
using ZentTest::chatOf;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::sceneWith;
using ZentTest::send;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-chats-");

const char kTranscript[] = "transcriptView";
const char kSupportDesk[] = "Support desk";
const char kSupportJid[] = "support@conference.demo.zent";

RAZ::Sessions::SessionManagerBase* sessionManager() { return Scenario::app()->sessionManager(); }

RAZ::Controllers::CommsSessionController* comms() {
  return sessionManager() ? sessionManager()->commsSessionController() : nullptr;
}

QList<CommunicationSession*> openSessions() {
  return comms() ? comms()->commsList() : QList<CommunicationSession*>();
}

// A chat with the contact from the contact's menu, its transcript loaded.
QString openChatWith(const QString& name, QML::CommunicationsWindow** out) {
  QMenu* menu = nullptr;
  QString problem = Scenario::openContactMenu(name, &menu);
  if (!problem.isEmpty()) return problem;
  problem = ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")});
  if (!problem.isEmpty()) return problem;
  problem = Scenario::waitForCommsWindow(name, out);
  if (!problem.isEmpty()) return problem;
  return SceneDriver::of(*out).waitVisible(QStringLiteral("messageInput"));
}

QDeclarativeWebView2* transcriptOf(SceneDriver chat) {
  return qobject_cast<QDeclarativeWebView2*>(chat.anyItem(QString::fromLatin1(kTranscript)));
}

// What the page runs: answers of the page's own script.
QVariant evaluate(SceneDriver chat, const QString& script) {
  QDeclarativeWebView2* web = transcriptOf(chat);
  if (!web || !web->page()) return QVariant();
  return web->page()->mainFrame()->evaluateJavaScript(script);
}

// The transcript shows the end of its page: scrolled as far as it goes.
QString showsTheEnd(SceneDriver chat) {
  QQuickItem* scene = chat.anyItem(QStringLiteral("chatWidget"));
  QQuickItem* web = chat.anyItem(QString::fromLatin1(kTranscript));
  if (!scene || !web) return QStringLiteral("no transcript");
  const bool ok = QTest::qWaitFor(
      [&] {
        const double max = scene->property("maxContentY").toDouble();
        return max > 0 && web->property("contentY").toDouble() >= max - 2;
      },
      ZentTest::kWaitMs);
  if (ok) return QString();
  return QStringLiteral("the transcript shows %1 of %2 (page %3, view %4)")
      .arg(web->property("contentY").toDouble())
      .arg(scene->property("maxContentY").toDouble())
      .arg(scene->property("contentHeight").toDouble())
      .arg(web->height());
}

// What the window shows of the transcript is the page as it is now at its
// scroll position: nothing half drawn, nothing left from before a scroll.
QString paintedAsThePage(SceneDriver chat) {
  QDeclarativeWebView2* web = transcriptOf(chat);
  if (!web || !web->page() || !chat.view()) return QStringLiteral("no transcript");
  const QRect area = web->mapRectToScene(QRectF(0, 0, web->width(), web->height())).toRect();
  QString last;
  const bool same = QTest::qWaitFor(
      [&] {
        const QImage shown =
            chat.view()->grabFramebuffer().copy(area).convertToFormat(QImage::Format_RGB32);
        QImage page(area.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        {
          QPainter painter(&page);
          web->page()->mainFrame()->render(&painter, QWebFrame::AllLayers,
                                           QRegion(QRect(QPoint(), area.size())));
        }
        int differing = 0;
        for (int y = 0; y < page.height(); ++y) {
          const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
          const auto* b = reinterpret_cast<const QRgb*>(page.constScanLine(y));
          for (int x = 0; x < page.width(); ++x)
            if (qAbs(qGray(a[x]) - qGray(b[x])) > 48) ++differing;
        }
        last = QStringLiteral("%1 of %2 pixels differ")
                   .arg(differing)
                   .arg(page.width() * page.height());
        return differing * 500 <= page.width() * page.height();
      },
      ZentTest::kWaitMs);
  return same ? QString() : QStringLiteral("the transcript is not drawn as its page: ") + last;
}

// Opens the rooms list of the main window.
QString showRooms(SceneDriver main) {
  QString problem = activeMainScene().click(QStringLiteral("leftPaneButton1"));
  if (problem.isEmpty()) problem = main.waitVisible(QStringLiteral("roomRow"));
  activeMainScene();
  return problem;
}

// Double-clicks the room's row in the rooms list.
QString joinFromList(const QString& room) {
  SceneDriver main = activeMainScene();
  QString problem = showRooms(main);
  if (!problem.isEmpty()) return problem;
  QQuickItem* row = main.row(QStringLiteral("roomRow"), room, &problem);
  if (!row) return problem;
  return main.doubleClick(row);
}

XmppPasswordDialog* visiblePrompt() {
  return ZentTest::findWindow<XmppPasswordDialog>(
      [](XmppPasswordDialog* d) { return !d->hasAnswered(); });
}

QString waitForPrompt(XmppPasswordDialog** out) {
  return ZentTest::waitForWindow<XmppPasswordDialog>(
      out, [](XmppPasswordDialog* d) { return !d->hasAnswered(); });
}

// Nothing of a room the user did not enter is left: no session, no window,
// no row among the running communications.
QString nothingOfTheRoomLeft() {
  const bool gone = QTest::qWaitFor(
      [] {
        return openSessions().isEmpty() && !ZentTest::findWindow<QML::CommunicationsWindow>() &&
               !Scenario::mainScene().item(QStringLiteral("activeCommRow"));
      },
      ZentTest::kWaitMs);
  if (gone) return QString();
  return QStringLiteral("%1 sessions open; visible: %2")
      .arg(openSessions().size())
      .arg(ZentTest::describeWindows());
}

QString activeRowTexts() {
  QStringList texts;
  for (QQuickItem* row : Scenario::mainScene().items(QStringLiteral("activeCommRow")))
    texts << row->property("title").toString();
  return texts.join(QStringLiteral(" | "));
}

// The running communications list a row with `text` (and none with `not`).
QString waitForActiveRow(const QString& text, const QString& without = QString()) {
  const bool ok = QTest::qWaitFor(
      [&] {
        const QString rows = activeRowTexts();
        return rows.contains(text) && (without.isEmpty() || !rows.contains(without));
      },
      ZentTest::kWaitMs);
  return ok ? QString()
            : QStringLiteral("running communications: \"%1\", wanted \"%2\"")
                  .arg(activeRowTexts(), text);
}

ZentTest::MenuEntry entryOf(QMenu* menu, const QString& text) {
  for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
    if (e.text == text) return e;
  return ZentTest::MenuEntry();
}

// The messages logged since the last call that contain `text`.
QStringList loggedWith(const QString& text) {
  QStringList found;
  for (const QString& m : ZentTest::takeMessages())
    if (m.contains(text)) found << m;
  return found;
}

}  // namespace

class ScenarioChatsTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioChatsTest() : ScenarioTestObject(g_environment) {}

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    REQUIRE(Scenario::start());
    REQUIRE(Scenario::signIn());
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if ((qobject_cast<XmppPasswordDialog*>(w) || qobject_cast<Dialogs::ConfigureRoom*>(w) ||
           qobject_cast<Dialogs::DeleteRoomDialog*>(w) || qobject_cast<QFileDialog*>(w)) &&
          w->isVisible())
        w->close();
    ScenarioTestObject::cleanup();
  }

  // A chat taller than its window keeps showing its newest message: each
  // message sent or received and a file offered is drawn at the end of the
  // page, in view, with a scroll bar beside it.
  void longChatKeepsTheNewestMessageInView() {
    REQUIRE(Scenario::signIn());
    ZentTest::takeMessages();
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChatWith(kAliceName, &window));
    // The window as it first comes up: the page soon outgrows it.
    SceneDriver chat = SceneDriver::of(window);
    ChatInterface* alice = chatOf(window);
    QVERIFY(alice);
    QVERIFY(!chat.isVisible(QStringLiteral("transcriptScrollBar")));
    // The history choices stand centred above the transcript.
    REQUIRE(chat.waitVisible(QStringLiteral("historyChoice0")));
    QQuickItem* first = chat.item(QStringLiteral("historyChoice0"));
    QQuickItem* lastChoice = chat.item(QStringLiteral("historyChoice3"));
    QVERIFY(first && lastChoice);
    QCOMPARE(lastChoice->property("text").toString(), QString("All History"));
    QQuickItem* pane = chat.anyItem(QStringLiteral("chatWidget"));
    const double left = first->mapToItem(pane, QPointF(0, 0)).x();
    const double right = lastChoice->mapToItem(pane, QPointF(lastChoice->width(), 0)).x();
    QVERIFY2(
        qAbs((left + right) / 2 - pane->width() / 2) <= 2,
        qPrintable(
            QStringLiteral("choices span %1..%2 in %3").arg(left).arg(right).arg(pane->width())));
    for (int i = 1; i <= 12; ++i) {
      const QString said = QStringLiteral("Line %1 from the user").arg(i);
      REQUIRE(send(chat, said));
      REQUIRE(chat.waitPageText(kTranscript, said));
      const QString answer = QStringLiteral("Answer %1 from Alice").arg(i);
      ChatDemo::receiveMessage(alice, QString(), answer);
      REQUIRE(chat.waitPageText(kTranscript, answer));
    }
    REQUIRE(chat.waitVisible(QStringLiteral("transcriptScrollBar")));
    REQUIRE(showsTheEnd(chat));
    // The newest message lies inside what the view shows.
    const QString last = QStringLiteral("The very last line");
    REQUIRE(send(chat, last));
    REQUIRE(chat.waitPageText(kTranscript, last));
    REQUIRE(showsTheEnd(chat));
    QTRY_COMPARE_WITH_TIMEOUT(chat.anyItem(kTranscript)->opacity(), 1.0, ZentTest::kWaitMs);
    REQUIRE(paintedAsThePage(chat));
    QQuickItem* web = chat.anyItem(kTranscript);
    const double bottom =
        evaluate(chat,
                 QStringLiteral("(function(){var n=document.body.lastElementChild;"
                                "return n.getBoundingClientRect().bottom+window.scrollY;})()"))
            .toDouble();
    QVERIFY2(bottom <= web->property("contentY").toDouble() + web->height() + 2,
             qPrintable(QStringLiteral("last entry ends at %1, view shows %2..%3")
                            .arg(bottom)
                            .arg(web->property("contentY").toDouble())
                            .arg(web->property("contentY").toDouble() + web->height())));
    // A file offered by the party comes into view too.
    QVERIFY(ChatDemo::offerFile(alice, QStringLiteral("minutes.txt"), 4096));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("minutes.txt")));
    REQUIRE(showsTheEnd(chat));
    REQUIRE(paintedAsThePage(chat));
    // The scroll bar's handle sits at its end.
    QQuickItem* bar = chat.item(QStringLiteral("transcriptScrollBar"));
    QQuickItem* handle = chat.item(QStringLiteral("transcriptScrollHandle"));
    QVERIFY(bar && handle);
    QTRY_VERIFY_WITH_TIMEOUT(handle->y() + handle->height() >= bar->height() - 2,
                             ZentTest::kWaitMs);
    // The scroll bar came up beside a page it narrows: no binding loop.
    QCOMPARE(ZentTest::takeSceneWarnings(), QStringList());
  }

  // A wrong room password is said so in a new prompt titled with the room's
  // name; Esc, or closing the prompt, leaves nothing of the room behind; the
  // right password lets the user in.
  void wrongRoomPasswordExplainsItself() {
    REQUIRE(Scenario::signIn());
    // The main window at the screen's right edge, away from its middle.
    QWidget* main = Scenario::mainWindow();
    const QPoint mainAt = main->pos();
    const QRect area = main->screen()->availableGeometry();
    main->move(area.right() - main->frameGeometry().width(), area.top() + 10);
    REQUIRE(joinFromList(kSupportDesk));
    XmppPasswordDialog* prompt = nullptr;
    REQUIRE(waitForPrompt(&prompt));
    QCOMPARE(prompt->windowTitle(), QString(kSupportDesk));
    QTRY_VERIFY_WITH_TIMEOUT(prompt->isActiveWindow(), ZentTest::kWaitMs);
    auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
    QVERIFY(edit);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget*>(edit),
                              ZentTest::kWaitMs);
    REQUIRE(ZentTest::liesOver(prompt, Scenario::mainWindow()));
    // No empty room window while the password is asked for.
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    QTest::keyClicks(edit, QStringLiteral("wrong"));
    QTest::keyClick(edit, Qt::Key_Return);
    QPointer<XmppPasswordDialog> first(prompt);
    QTRY_VERIFY_WITH_TIMEOUT(!first || !first->isVisible(), ZentTest::kWaitMs);
    XmppPasswordDialog* again = nullptr;
    REQUIRE(waitForPrompt(&again));
    QCOMPARE(again->windowTitle(), QString(kSupportDesk));
    auto* reason = again->findChild<QLabel*>(QStringLiteral("errorLabel"));
    QVERIFY(reason);
    QCOMPARE(reason->text(), QString("Incorrect password"));
    QVERIFY(reason->isVisible());
    // Over the window the first came up over, though that one has gone.
    QVERIFY2(main->frameGeometry().contains(again->frameGeometry().center()),
             qPrintable(ZentTest::describeWindows()));
    main->move(mainAt);
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());

    // Esc: the user gives up; the room is left.
    QTRY_VERIFY_WITH_TIMEOUT(again->isActiveWindow(), ZentTest::kWaitMs);
    QTest::keyClick(again->findChild<QLineEdit*>(QStringLiteral("passwordEdit")), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!visiblePrompt(), ZentTest::kWaitMs);
    REQUIRE(nothingOfTheRoomLeft());

    // The prompt closed from its frame (the close shortcut): the same.
    REQUIRE(joinFromList(kSupportDesk));
    REQUIRE(waitForPrompt(&prompt));
    QTRY_VERIFY_WITH_TIMEOUT(prompt->isActiveWindow(), ZentTest::kWaitMs);
    QTest::keySequence(prompt, QKeySequence::Close);
    QTRY_VERIFY_WITH_TIMEOUT(!visiblePrompt(), ZentTest::kWaitMs);
    REQUIRE(nothingOfTheRoomLeft());

    // Cancel: the same. Asking to join once more while the password is asked
    // for shows no window of the room the user is not in yet.
    REQUIRE(joinFromList(kSupportDesk));
    REQUIRE(waitForPrompt(&prompt));
    REQUIRE(joinFromList(kSupportDesk));
    QCoreApplication::processEvents();  // the service's answer to the second request
    QCoreApplication::processEvents();
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    QCOMPARE(visiblePrompt(), prompt);
    REQUIRE(ZentTest::clickButton(prompt, QStringLiteral("cancelButton")));
    REQUIRE(nothingOfTheRoomLeft());

    // The right password: the room's window, named for the room.
    REQUIRE(joinFromList(kSupportDesk));
    REQUIRE(waitForPrompt(&prompt));
    REQUIRE(ZentTest::typeInto(prompt->findChild<QLineEdit*>(QStringLiteral("passwordEdit")),
                               QStringLiteral("demo-room")));
    REQUIRE(ZentTest::clickButton(prompt, QStringLiteral("okButton")));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kSupportDesk, &room));
    REQUIRE(waitForActiveRow(kSupportDesk));
  }

  // Add Room: only the Create Room dialog, over the main window, its name
  // field focused; Enter creates the room, whose window and rows carry its
  // name. Edit Room from the room window's options renames it everywhere;
  // a double click on its running row brings the window back; a deleted
  // room's row goes.
  void roomsKeepTheirNames() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = activeMainScene();
    REQUIRE(main.click(QStringLiteral("addButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Room")}));
    Dialogs::ConfigureRoom* create = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::ConfigureRoom>(&create));
    QCOMPARE(create->windowTitle(), QString("Create Room"));
    // Nothing of the room before it exists.
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    REQUIRE(ZentTest::liesOver(create, Scenario::mainWindow()));
    QTRY_VERIFY_WITH_TIMEOUT(create->isActiveWindow(), ZentTest::kWaitMs);
    QLineEdit* name = create->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget*>(name),
                              ZentTest::kWaitMs);
    QTest::keyClicks(name, QStringLiteral("Design review"));
    QTest::keyClick(name, Qt::Key_Return);
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Design review"), &room));
    REQUIRE(
        waitForActiveRow(QStringLiteral("Design review"), QStringLiteral("Group Communications")));
    REQUIRE(showRooms(main));
    QString problem;
    QVERIFY2(main.row(QStringLiteral("roomRow"), QStringLiteral("Design review"), &problem),
             qPrintable(problem));

    // Edit Room from the room window's options: over that window, focused.
    SceneDriver footer;
    REQUIRE(sceneWith(room, QStringLiteral("optionsMenuButton"), &footer));
    REQUIRE(footer.click(QStringLiteral("optionsMenuButton")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    QVERIFY2(entryOf(menu, QStringLiteral("Edit Room")).enabled,
             qPrintable(ZentTest::menuTexts(menu).join(", ")));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Edit Room")}));
    Dialogs::ConfigureRoom* edit = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::ConfigureRoom>(
        &edit, [](Dialogs::ConfigureRoom* d) { return !d->isCreationMode(); }));
    QCOMPARE(edit->windowTitle(), QString("Edit Room"));
    REQUIRE(ZentTest::liesOver(edit, room));
    QTRY_VERIFY_WITH_TIMEOUT(edit->isActiveWindow(), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        QApplication::focusWidget(),
        static_cast<QWidget*>(edit->findChild<QLineEdit*>(QStringLiteral("nameEdit"))),
        ZentTest::kWaitMs);
    edit->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->selectAll();
    QTest::keyClicks(edit->findChild<QLineEdit*>(QStringLiteral("nameEdit")),
                     QStringLiteral("Design board"));
    REQUIRE(ZentTest::clickButton(edit, QStringLiteral("editButton")));
    REQUIRE(waitForActiveRow(QStringLiteral("Design board"), QStringLiteral("Design review")));
    // Opened again, it leaves on Esc, as on Ctrl+W, with nothing changed.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
      REQUIRE(footer.click(QStringLiteral("optionsMenuButton")));
      REQUIRE(ZentTest::waitForMenu(&menu));
      REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Edit Room")}));
      Dialogs::ConfigureRoom* again = nullptr;
      REQUIRE(ZentTest::waitForWindow<Dialogs::ConfigureRoom>(
          &again, [](Dialogs::ConfigureRoom* d) { return !d->isCreationMode(); }));
      QTRY_VERIFY_WITH_TIMEOUT(again->isActiveWindow(), ZentTest::kWaitMs);
      QPointer<Dialogs::ConfigureRoom> open(again);
      QTest::keySequence(QApplication::focusWidget(), keys);
      QTRY_VERIFY2_WITH_TIMEOUT(!open || !open->isVisible(), qPrintable(keys.toString()),
                                ZentTest::kWaitMs);
    }
    QTRY_VERIFY_WITH_TIMEOUT(room->windowTitle().contains(QStringLiteral("Design board")),
                             ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        main.row(QStringLiteral("roomRow"), QStringLiteral("Design board")) &&
            !main.row(QStringLiteral("roomRow"), QStringLiteral("Design review")),
        ZentTest::kWaitMs);

    // Put away, then brought back by a double click on its running row.
    room->hide();
    activeMainScene();
    QQuickItem* running = main.row(QStringLiteral("activeCommRow"), QStringLiteral("Design board"));
    QVERIFY(running);
    REQUIRE(main.doubleClick(running));
    QTRY_VERIFY_WITH_TIMEOUT(room->isVisible() && room->isActiveWindow(), ZentTest::kWaitMs);

    // Deleted from the rooms list: the question names the room; its rows go.
    const QString jid = chatOf(room)->roomJid();
    main = activeMainScene();
    QQuickItem* row = main.row(QStringLiteral("roomRow"), QStringLiteral("Design board"), &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(main.rightClick(row));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Delete Room")}));
    Dialogs::DeleteRoomDialog* confirm = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::DeleteRoomDialog>(&confirm));
    REQUIRE(ZentTest::liesOver(confirm, Scenario::mainWindow()));
    QTRY_VERIFY_WITH_TIMEOUT(confirm->isActiveWindow(), ZentTest::kWaitMs);
    // The keyboard starts on Cancel, the default drawn; Esc leaves as it does.
    auto* keep = confirm->findChild<QPushButton*>(QStringLiteral("noButton"));
    QVERIFY(keep && keep->isDefault());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(keep));
    QVERIFY(!confirm->findChild<QPushButton*>(QStringLiteral("yesButton"))->isDefault());
    QPointer<Dialogs::DeleteRoomDialog> asked(confirm);
    QTest::keyClick(keep, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!asked || !asked->isVisible(), ZentTest::kWaitMs);
    QVERIFY(sessionManager()->xmppChatController()->hasRoom(jid));
    REQUIRE(main.rightClick(row));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Delete Room")}));
    REQUIRE(ZentTest::waitForWindow<Dialogs::DeleteRoomDialog>(&confirm));
    QTRY_VERIFY_WITH_TIMEOUT(confirm->isActiveWindow(), ZentTest::kWaitMs);
    REQUIRE(ZentTest::clickButton(confirm, QStringLiteral("yesButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!main.row(QStringLiteral("roomRow"), QStringLiteral("Design board")),
                             ZentTest::kWaitMs);
    QVERIFY(!sessionManager()->xmppChatController()->hasRoom(jid));
    // The window the user still has open says so, and takes no more text.
    SceneDriver roomChat = SceneDriver::of(room);
    REQUIRE(roomChat.waitText(QStringLiteral("roomGoneWarning"),
                              QStringLiteral("Chat room no longer exists")));
    QQuickItem* input = roomChat.item(QStringLiteral("messageInput"));
    QVERIFY(input && input->property("readOnly").toBool());

    // Left, the room is in the history; joining it from there says that
    // it is gone, and opens nothing.
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    main = activeMainScene();
    REQUIRE(main.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    QQuickItem* entry = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (entry = main.row(QStringLiteral("historyRow"), QStringLiteral("Design"))) != nullptr,
        qPrintable(ZentTest::historyRows().join(" | ")), ZentTest::kWaitMs);
    REQUIRE(main.rightClick(entry));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Join Room")}));
    Dialogs::MessageWindow* gone = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&gone));
    QCOMPARE(gone->windowTitle(), QString("Error joining room"));
    QCOMPARE(gone->messageLabel()->text(), QString("Chat room no longer exists"));
    QPointer<Dialogs::MessageWindow> shown(gone);
    REQUIRE(ZentTest::clickButton(gone, QStringLiteral("OK")));
    QTRY_VERIFY_WITH_TIMEOUT(!shown || !shown->isVisible(), ZentTest::kWaitMs);
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    REQUIRE(activeMainScene().click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::ContactsButton)));
  }

  // The service keeps its rooms as the user left them: a room created
  // and configured is listed after signing out and in again, its Edit Room
  // shows its name, and once deleted it does not come back.
  void roomsOutliveTheSession() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = activeMainScene();
    REQUIRE(main.click(QStringLiteral("addButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Room")}));
    Dialogs::ConfigureRoom* create = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::ConfigureRoom>(&create));
    QLineEdit* name = create->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget*>(name),
                              ZentTest::kWaitMs);
    QTest::keyClicks(name, QStringLiteral("Night shift"));
    QTest::keyClick(name, Qt::Key_Return);
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Night shift"), &room));
    Scenario::tidy();

    auto roomMenu = [&main, &menu](const QString& rowName) {
      main = activeMainScene();
      QString problem = showRooms(main);
      QQuickItem* row =
          problem.isEmpty() ? main.row(QStringLiteral("roomRow"), rowName, &problem) : nullptr;
      if (row) problem = main.rightClick(row);
      return problem.isEmpty() ? ZentTest::waitForMenu(&menu) : problem;
    };
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    REQUIRE(roomMenu(QStringLiteral("Night shift")));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Edit Room")}));
    Dialogs::ConfigureRoom* edit = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::ConfigureRoom>(
        &edit, [](Dialogs::ConfigureRoom* d) { return !d->isCreationMode(); }));
    QTRY_COMPARE_WITH_TIMEOUT(edit->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(),
                              QStringLiteral("Night shift"), ZentTest::kWaitMs);
    REQUIRE(ZentTest::clickButton(edit, QStringLiteral("cancelButton")));

    REQUIRE(roomMenu(QStringLiteral("Night shift")));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Delete Room")}));
    Dialogs::DeleteRoomDialog* confirm = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::DeleteRoomDialog>(&confirm));
    REQUIRE(ZentTest::clickButton(confirm, QStringLiteral("yesButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!main.row(QStringLiteral("roomRow"), QStringLiteral("Night shift")),
                             ZentTest::kWaitMs);
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    main = activeMainScene();
    REQUIRE(showRooms(main));
    QVERIFY(main.row(QStringLiteral("roomRow"), kReleasePlanning));
    QVERIFY(!main.row(QStringLiteral("roomRow"), QStringLiteral("Night shift")));
  }

  // A product link that arrives while nobody is signed in (as a second
  // start delivers it) is carried out once the user signs in.
  void linkBeforeSignInIsCarriedOutAfter() {
    REQUIRE(Scenario::signOut());
    const QString payload =
        Utils::ZentUrlHandler::encodePayload(QString(), kReleaseJid, QString(), QString());
    emit Scenario::app()->messageReceived(
        Application::secondInstanceMessage({QStringLiteral("zent"), "--zent:" + payload}));
    QVERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* room = nullptr;
    // The room of the list, by its name.
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    QVERIFY(!ZentTest::findWindow<Dialogs::MessageWindow>(
        [](Dialogs::MessageWindow* m) { return m->windowTitle() == "Failed to Join Room"; }));
  }

  // Every kind of My Room link works on the demo service: the user's own
  // copied invitation carries the chat room and its owner; a chat link, an
  // owner's link and a link with a call each open the room, titled; a link
  // with a call only does nothing.
  void everyMyRoomLinkKindWorks() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = activeMainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton1")));
    REQUIRE(main.waitVisible(QStringLiteral("myRoomRow")));
    main = activeMainScene();
    QApplication::clipboard()->clear();
    REQUIRE(main.rightClick(QStringLiteral("myRoomRow")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Copy My Room Invitation")}));
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().contains("zent:"),
                             ZentTest::kWaitMs);
    const QString invitation = QApplication::clipboard()->text();
    const int at = invitation.indexOf(QStringLiteral("zent:"));
    QString own = invitation.mid(at + 5).section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
    const QString attributes = QString::fromLatin1(QByteArray::fromBase64(own.toLatin1()));
    QVERIFY2(attributes.contains(QStringLiteral("chat=\"myroom.carol@")), qPrintable(attributes));
    QVERIFY2(attributes.contains(QStringLiteral("jid=\"")), qPrintable(attributes));
    QVERIFY2(attributes.contains(QStringLiteral("call=\"")), qPrintable(attributes));

    struct Link {
      QString what, call, chat, webcollab, jid, title;
    };
    const QList<Link> links = {
        {"chat room", "", kReleaseJid, "", "", kReleasePlanning},
        {"chat room and share", "", "myroom.alice.moreno@conference.demo.zent", "share-alice", "",
         kAliceName},
        {"owner", "", "", "", "alice.moreno@demo.zent", kAliceName},
        {"call and chat", "sip:4477120@demo.zent", "myroom.alice.moreno@conference.demo.zent", "",
         "", kAliceName},
    };
    for (const Link& l : links) {
      const QString payload =
          Utils::ZentUrlHandler::encodePayload(l.call, l.chat, l.webcollab, l.jid);
      emit Scenario::app()->messageReceived(QStringLiteral("--zent:") + payload);
      QML::CommunicationsWindow* room = nullptr;
      QString problem = Scenario::waitForCommsWindow(l.title, &room);
      QVERIFY2(problem.isEmpty(), qPrintable(l.what + ": " + problem));
      QVERIFY2(!ZentTest::findWindow<Dialogs::MessageWindow>(), qPrintable(l.what));
      Scenario::tidy();
      QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(),
                               ZentTest::kWaitMs);
    }
    // The user's own invitation opens the user's own room; its call, the
    // room's own conference, is asked about first.
    ZentTest::answerNextMessage(QDialogButtonBox::No);
    emit Scenario::app()->messageReceived(QStringLiteral("--zent:") + own);
    QTRY_VERIFY2_WITH_TIMEOUT(!openSessions().isEmpty(), qPrintable(attributes), ZentTest::kWaitMs);
    QML::CommunicationsWindow* mine = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationsWindow>(&mine));
    QVERIFY2(!mine->windowTitle().isEmpty(), qPrintable(ZentTest::describeWindows()));
    QVERIFY2(mine->windowTitle().contains(QStringLiteral("My Room")),
             qPrintable(ZentTest::describeWindows()));
    Scenario::tidy();
    // A call alone names no room: nothing opens, nothing is said.
    emit Scenario::app()->messageReceived(
        QStringLiteral("--zent:") +
        Utils::ZentUrlHandler::encodePayload("sip:4477120@demo.zent", "", "", ""));
    QCoreApplication::processEvents();
    QVERIFY(openSessions().isEmpty());
    QVERIFY(!ZentTest::findWindow<Dialogs::MessageWindow>());
  }

  // A contact who is online starts a chat: the popup, then the window shows
  // the first message, no offline notice, and the party's typing notice by
  // name; reading the chat logs no error.
  void incomingChatFromAnOnlineContact() {
    REQUIRE(Scenario::signIn());
    ZentTest::takeMessages();
    QVERIFY(Scenario::demo().incomingSession(kInes, CommunicationSession::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    SceneDriver note(popup);
    REQUIRE(note.waitText(QStringLiteral("title"), kInesName));
    QML::CommunicationsWindow* window = nullptr;
    // A click on the popup accepts the chat.
    REQUIRE(note.click(QStringLiteral("line")));
    REQUIRE(Scenario::waitForCommsWindow(kInesName, &window));
    SceneDriver chat = SceneDriver::of(window);
    ChatInterface* ines = chatOf(window);
    QVERIFY(ines);
    QTRY_VERIFY_WITH_TIMEOUT(!chat.pageText(kTranscript).trimmed().isEmpty(), ZentTest::kWaitMs);
    QVERIFY2(chat.pageText(kTranscript).contains(ines->getLastMessage()),
             qPrintable(chat.pageText(kTranscript)));
    QVERIFY(!chat.isVisible(QStringLiteral("offlineWarning")));
    QVERIFY2(!chat.pageText(kTranscript).contains(QStringLiteral("is not connected")),
             qPrintable(chat.pageText(kTranscript)));
    ChatDemo::setTypers(ines, {ines->peer()});
    REQUIRE(chat.waitText(QStringLiteral("statusText"), QStringLiteral("Ines Haddad is typing")));
    QVERIFY2(!chat.text(QStringLiteral("statusText")).contains(QStringLiteral("sip:")),
             qPrintable(chat.text(QStringLiteral("statusText"))));
    ChatDemo::setTypers(ines, {});
    ChatDemo::receiveMessage(ines, QString(), QStringLiteral("Are you there?"));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Are you there?")));
    QVERIFY2(!chat.pageText(kTranscript).contains(QStringLiteral("sip:ines")),
             qPrintable(chat.pageText(kTranscript)));
    // A file offer names the party as its messages do.
    QVERIFY(ChatDemo::offerFile(ines, QStringLiteral("agenda.pdf"), 2048));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("agenda.pdf")));
    QVERIFY2(!chat.pageText(kTranscript).contains(QStringLiteral("ines.haddad@")),
             qPrintable(chat.pageText(kTranscript)));
    // Seen messages are marked read without an error.
    const QStringList noMethod = loggedWith(QStringLiteral("No such method"));
    QVERIFY2(noMethod.isEmpty(), qPrintable(noMethod.join('\n')));
  }

  // A chat a party starts shows its popup before any window is built for
  // it (the first of a session would otherwise wait for the window's
  // scenes and web engine); the window follows by itself, and showing it
  // from the running communications' row puts the popup away.
  void incomingChatPopupComesBeforeItsWindow() {
    REQUIRE(Scenario::signIn());
    // Built ones, shown or not.
    const auto windows = [] {
      int count = 0;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QML::CommunicationsWindow*>(w)) ++count;
      return count;
    };
    const int before = windows();
    QVERIFY(Scenario::demo().incomingSession(kInes, CommunicationSession::KindChat));
    QPointer<QML::CommunicationNotification> popup;
    for (int turn = 0; turn < 100 && !popup; ++turn) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* note = qobject_cast<QML::CommunicationNotification*>(w)) popup = note;
      QCOMPARE(windows(), before);
    }
    QVERIFY(popup);
    QCOMPARE(popup->type(), QML::CommunicationNotification::ChatNotification);
    REQUIRE(SceneDriver(popup).waitText(QStringLiteral("title"), kInesName));
    QTRY_COMPARE_WITH_TIMEOUT(windows(), before + 1, ZentTest::kWaitMs);
    QVERIFY(popup && popup->isVisible());
    // The chat is told that its window exists but has not been shown.
    QVERIFY(!openSessions().isEmpty() && openSessions().last()->getChatInterface());
    QVERIFY(!openSessions().last()->getChatInterface()->windowShown());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("activeCommRow")));
    QString problem;
    QQuickItem* row = main.row(QStringLiteral("activeCommRow"), kInesName, &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(main.doubleClick(row));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kInesName, &window));
    QTRY_VERIFY_WITH_TIMEOUT(!popup || !popup->isVisible(), ZentTest::kWaitMs);
    Scenario::tidy();
  }

  // The room's parties have a menu and, resting on one, a card; the user's
  // own owned room without a conference number warns about it.
  void roomPartiesHaveMenuAndCard() {
    REQUIRE(Scenario::signIn());
    ZentTest::takeMessages();
    REQUIRE(joinFromList(kReleasePlanning));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver scene = SceneDriver::of(room);
    SceneDriver parties;
    REQUIRE(sceneWith(room, QStringLiteral("participantRow"), &parties));
    QString problem;
    QQuickItem* alice = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (alice = parties.row(QStringLiteral("participantRow"), kAliceName, &problem)),
        ZentTest::kWaitMs);
    // Resting the pointer on a party of the window the user works in shows
    // its card.
    room->activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(room->isActiveWindow(), ZentTest::kWaitMs);
    REQUIRE(parties.hover(alice));
    // The card is a tool window of its own, which the window keeps.
    QTRY_VERIFY_WITH_TIMEOUT(
        room->participantMouseOver() && room->participantMouseOver()->isVisible(),
        ZentTest::kWaitMs);
    QVERIFY2(room->participantMouseOver()->isVisible(), "no card");
    // A right click opens the party's menu, and puts the card away.
    REQUIRE(parties.rightClick(alice));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    QVERIFY2(!ZentTest::menuTexts(menu).isEmpty(), "the party's menu is empty");
    QVERIFY(!room->participantMouseOver() || !room->participantMouseOver()->isVisible());
    ZentTest::closeMenus();
    // A reply comes from a member, never from the user.
    REQUIRE(send(scene, QStringLiteral("Anyone here?")));
    REQUIRE(scene.waitPageText(kTranscript, QStringLiteral("Noted, thanks.")));
    QVERIFY(loggedWith(QStringLiteral("No such method")).isEmpty());
  }

  // A contact selected before the rooms were looked at keeps its menu when
  // the contacts come back.
  void selectedContactKeepsItsMenuAfterTheRooms() {
    REQUIRE(Scenario::signIn());
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    ZentTest::closeMenus();
    REQUIRE(showRooms(activeMainScene()));
    REQUIRE(Scenario::openContactMenu(kAliceName, &menu));
    QVERIFY2(ZentTest::menuTexts(menu).contains(QStringLiteral("Chat")),
             qPrintable(ZentTest::menuTexts(menu).join(", ")));
  }

  // The user's own room, without a conference number of the user's: the
  // window says where to give one.
  void ownRoomWithoutConferenceNumberWarns() {
    REQUIRE(Scenario::signIn());
    QVERIFY(Scenario::demo().setOwnConferenceNumber(QString()));
    REQUIRE(joinFromList(kReleasePlanning));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver scene = SceneDriver::of(room);
    REQUIRE(scene.waitText(QStringLiteral("conferenceWarning"),
                           QStringLiteral("Audio conference information has not been provided")));
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    QVERIFY(Scenario::demo().setOwnConferenceNumber(QStringLiteral("+1 555 0100")));
    REQUIRE(joinFromList(kReleasePlanning));
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    scene = SceneDriver::of(room);
    REQUIRE(scene.waitVisible(QStringLiteral("messageInput")));
    QVERIFY(!scene.isVisible(QStringLiteral("conferenceWarning")));
  }

  // Send File opens in the user's documents, not in the program's data.
  void sendFileOpensInDocuments() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChatWith(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    REQUIRE(chat.waitVisible(QStringLiteral("sendFileButton")));
    // A home without a documents folder: the home folder itself.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(!documents.isEmpty());
    QDir(documents).removeRecursively();
    REQUIRE(chat.click(QStringLiteral("sendFileButton")));
    QFileDialog* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<QFileDialog>(&dialog));
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir::home().canonicalPath());
    dialog->reject();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QFileDialog>(), ZentTest::kWaitMs);
    QVERIFY(QDir().mkpath(documents));
    REQUIRE(chat.click(QStringLiteral("sendFileButton")));
    REQUIRE(ZentTest::waitForWindow<QFileDialog>(&dialog));
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(documents).canonicalPath());
    dialog->reject();
  }

  // A file the user sends stays the user's entry: the page renames a party's
  // headers by the party's id, and the header of one's own file must not
  // carry the partner's, or it reads as sent by the partner after a page
  // load (a history choice).
  void sentFileStaysTheUsers() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChatWith(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("minutes-for-alice.txt"));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("minutes\n");
    }
    REQUIRE(chat.click(QStringLiteral("sendFileButton")));
    QFileDialog* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<QFileDialog>(&dialog));
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(fileName);
    REQUIRE(ZentTest::typeInto(fileName, path));
    QTest::keyClick(fileName, Qt::Key_Return);
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("minutes-for-alice.txt")));
    const QString partner =
        chatOf(window)->peer().remove(QRegExp(QStringLiteral("[^a-zA-Z0-9_\\-]")));
    // Each of the user's own headers as its classes and its name.
    const QString ownHeaders = QStringLiteral(
        "(function(){var s=document.querySelectorAll('.local_sender .sender'),o=[];"
        "for(var i=0;i<s.length;++i)o.push(s[i].className+'='+s[i].textContent);"
        "return o.join('|');})()");
    const auto problem = [&]() -> QString {
      const QString headers = evaluate(chat, ownHeaders).toString();
      if (headers.isEmpty()) return QStringLiteral("no header of the user's");
      for (const QString& header : headers.split(QLatin1Char('|')))
        if (header.section(QLatin1Char('='), 0, 0).split(QLatin1Char(' ')).contains(partner) ||
            header.section(QLatin1Char('='), 1) == QLatin1String(kAliceName))
          return QStringLiteral("the partner's header on the user's file: ") + headers;
      return QString();
    };
    QVERIFY2(problem().isEmpty(), qPrintable(problem()));
    REQUIRE(chat.click(QStringLiteral("historyChoice3")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("minutes-for-alice.txt")));
    QVERIFY2(problem().isEmpty(), qPrintable(problem()));
  }

  // What was written in a chat is there again, under a history choice, once
  // its window closed, and after the service started anew.
  void chatHistoryOutlivesItsWindow() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChatWith(kAliceName, &window));
    const QString words =
        QStringLiteral("words to find again %1").arg(QDateTime::currentMSecsSinceEpoch());
    REQUIRE(send(SceneDriver::of(window), words));
    REQUIRE(SceneDriver::of(window).waitPageText(kTranscript, words));
    window->close();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    Scenario::tidy();
    // Opened again, the chat goes on from the recent conversation, before
    // and after the service starts anew.
    REQUIRE(openChatWith(kAliceName, &window));
    REQUIRE(SceneDriver::of(window).waitPageText(kTranscript, words));
    Scenario::tidy();
    Scenario::demo().reloadStore();
    REQUIRE(openChatWith(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    REQUIRE(chat.waitPageText(kTranscript, words));
    REQUIRE(chat.click(QStringLiteral("historyChoice0")));
    REQUIRE(chat.waitPageText(kTranscript, words));

    // Deleted from the window's options, it is gone from the service too.
    SceneDriver footer;
    REQUIRE(sceneWith(window, QStringLiteral("optionsMenuButton"), &footer));
    REQUIRE(footer.click(QStringLiteral("optionsMenuButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Delete Chat History")}));
    QTRY_VERIFY_WITH_TIMEOUT(!chat.pageText(kTranscript).contains(words), ZentTest::kWaitMs);
    Scenario::tidy();
    Scenario::demo().reloadStore();
    REQUIRE(openChatWith(kAliceName, &window));
    const QString later = QStringLiteral("written after the deletion");
    REQUIRE(send(SceneDriver::of(window), later));
    REQUIRE(SceneDriver::of(window).waitPageText(kTranscript, later));
    Scenario::tidy();
    REQUIRE(openChatWith(kAliceName, &window));
    SceneDriver again = SceneDriver::of(window);
    REQUIRE(again.click(QStringLiteral("historyChoice3")));
    REQUIRE(again.waitPageText(kTranscript, later));
    QVERIFY2(!again.pageText(kTranscript).contains(words), qPrintable(again.pageText(kTranscript)));

    // The chat's row in the history opens the chat again: no call.
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    SceneDriver main = activeMainScene();
    REQUIRE(main.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(main.waitVisible(QStringLiteral("historyRow")));
    QList<QQuickItem*> rows = main.items(QStringLiteral("historyRow"));
    std::sort(rows.begin(), rows.end(), [](QQuickItem* a, QQuickItem* b) {
      return a->mapToScene(QPointF(0, 0)).y() < b->mapToScene(QPointF(0, 0)).y();
    });
    QVERIFY2(ZentTest::historyRows().value(0).contains(kAliceName),
             qPrintable(ZentTest::historyRows().join('\n')));
    REQUIRE(main.doubleClick(rows.first()));
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    REQUIRE(SceneDriver::of(window).waitVisible(QStringLiteral("messageInput")));
    QVERIFY(window->getSession() && !window->getSession()->callActive());
    QVERIFY(!window->getSession()->getCall());
    REQUIRE(main.click(QStringLiteral("leftPaneButton0")));
  }

  // A chat Ines starts and the chats the user starts with her are one
  // conversation: while her chat's window is open, what she writes shows
  // there, in no second window; the emoticon picker takes Esc before the
  // window; and after the program and the service start anew, her chat
  // shows its recent messages and All History holds every one she wrote.
  void aPartysChatsAreOneConversation() {
    REQUIRE(Scenario::signIn());
    QCOMPARE(Scenario::control("incoming-chat 204"), QStringLiteral("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("line")));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kInesName, &window));
    SceneDriver chat = SceneDriver::of(window);
    const QString greeting = QStringLiteral("Hi, have you got a minute?");
    REQUIRE(chat.waitPageText(kTranscript, greeting));
    const QString reply =
        QStringLiteral("a reply to Ines %1").arg(QDateTime::currentMSecsSinceEpoch());
    REQUIRE(send(chat, reply));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Sounds good.")));
    // What she wrote in earlier chats today shows too.
    const int greetings = chat.pageText(kTranscript).count(greeting) + 1;

    QCOMPARE(Scenario::control("incoming-chat 204"), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(chat.pageText(kTranscript).count(greeting), greetings,
                              ZentTest::kWaitMs);
    QCOMPARE(openSessions().size(), 1);
    int built = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QML::CommunicationsWindow*>(w)) ++built;
    QCOMPARE(built, 1);
    QVERIFY(!ZentTest::findWindow<QML::CommunicationNotification>());

    QPointer<QML::CommunicationsWindow> open(window);
    REQUIRE(chat.click(QStringLiteral("smileyButton")));
    REQUIRE(chat.waitVisible(QStringLiteral("smileyGrid")));
    REQUIRE(chat.press(Qt::Key_Escape));
    REQUIRE(chat.waitHidden(QStringLiteral("smileySelector")));
    QVERIFY(open && open->isVisible());
    QVERIFY(!ZentTest::findWindow<Dialogs::MessageWindow>());
    QCOMPARE(openSessions().size(), 1);

    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    REQUIRE(Scenario::signOut());
    Scenario::demo().reloadStore();
    REQUIRE(Scenario::signIn());
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::searchContactMenu(kInesName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    REQUIRE(Scenario::waitForCommsWindow(kInesName, &window));
    REQUIRE(ZentTest::searchContacts(QString()));
    SceneDriver again = SceneDriver::of(window);
    REQUIRE(again.waitPageText(kTranscript, reply));
    QCOMPARE(again.pageText(kTranscript).count(greeting), greetings);
    REQUIRE(again.click(QStringLiteral("historyChoice3")));
    REQUIRE(again.waitPageText(kTranscript, reply));
    QCOMPARE(again.pageText(kTranscript).count(greeting), greetings);
  }

  // Markup and script from another party are shown as the text they are,
  // wherever that party's text appears: a message, a party's name, a room's
  // name and subject, a file's name, a typing notice.
  void remoteTextsShowAsText() {
    const QStringList corpus = {
        QStringLiteral("<b>x</b>"),
        QStringLiteral("<script>document.title='owned'</script>"),
        QStringLiteral("<img src=x onerror=\"document.body.setAttribute('data-owned','1')\">"),
        QStringLiteral("<a href=\"javascript:document.title='owned'\">click</a>"),
        QStringLiteral("\"'><i>q</i>"),
        QStringLiteral("&amp;&lt;b&gt;&#60;"),
        QStringLiteral("\u202Egpj.exe\u202C <u>u</u>"),
    };
    REQUIRE(Scenario::signIn());
    // Messages, file offers and typing notices in a one-to-one chat.
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChatWith(kAliceName, &window));
    SceneDriver chat = SceneDriver::of(window);
    ChatInterface* alice = chatOf(window);
    QVERIFY(alice);
    for (const QString& text : corpus) {
      ChatDemo::receiveMessage(alice, QString(), QStringLiteral("message ") + text);
      REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("message ") + text));
      QVERIFY(ChatDemo::offerFile(alice, text + QStringLiteral(".txt"), 100));
      REQUIRE(chat.waitPageText(kTranscript, text + QStringLiteral(".txt")));
      // A typing notice with the party's own name for itself.
      // (A party is known by its address, which letter case does not change.)
      ChatDemo::setTypers(alice, {text});
      REQUIRE(chat.waitText(QStringLiteral("statusText"), text.toLower()));
      ChatDemo::setTypers(alice, {});
    }
    expectNothingInterpreted(chat);
    Scenario::tidy();

    // A room: a party's name, its messages and typing, the room's name and
    // subject.
    REQUIRE(joinFromList(kReleasePlanning));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kReleasePlanning, &room));
    SceneDriver scene = SceneDriver::of(room);
    ChatInterface* roomChat = chatOf(room);
    QVERIFY(roomChat);
    SceneDriver parties;
    REQUIRE(sceneWith(room, QStringLiteral("participantRow"), &parties));
    for (int i = 0; i < corpus.size(); ++i) {
      const QString text = corpus.at(i);
      const QString jid = QStringLiteral("stranger%1@demo.zent").arg(i);
      QVERIFY(ChatDemo::enterRoom(roomChat, jid, QStringLiteral("name ") + text));
      REQUIRE(scene.waitPageText(kTranscript, QStringLiteral("name ") + text));
      ChatDemo::receiveMessage(roomChat, jid, QStringLiteral("said ") + text);
      REQUIRE(scene.waitPageText(kTranscript, QStringLiteral("said ") + text));
      QString problem;
      QTRY_VERIFY2_WITH_TIMEOUT(
          parties.row(QStringLiteral("participantRow"), QStringLiteral("name ") + text, &problem),
          qPrintable(problem), ZentTest::kWaitMs);
      ChatDemo::setTypers(roomChat, {jid});
      REQUIRE(scene.waitText(QStringLiteral("statusText"), QStringLiteral("name ") + text));
      ChatDemo::setTypers(roomChat, {});
      QVERIFY(ChatDemo::changeRoom(roomChat, QStringLiteral("room ") + text,
                                   QStringLiteral("subject ") + text));
      QTRY_VERIFY_WITH_TIMEOUT(room->windowTitle().contains(QStringLiteral("room ") + text),
                               ZentTest::kWaitMs);
      REQUIRE(waitForActiveRow(QStringLiteral("room ") + text));
      SceneDriver main = activeMainScene();
      REQUIRE(showRooms(main));
      QTRY_VERIFY2_WITH_TIMEOUT(
          main.row(QStringLiteral("roomRow"), QStringLiteral("subject ") + text, &problem),
          qPrintable(problem), ZentTest::kWaitMs);
    }
    expectNothingInterpreted(scene);
  }

 private:
  // The page holds no element that a remote text could have made, and no
  // script of one ran.
  void expectNothingInterpreted(SceneDriver chat) {
    const QString probe = QStringLiteral(
        "(function(){var b=document.body;"
        "return [b.querySelectorAll('b,i,u,script:not([src]),img[src=x],a[href^=javascript]')"
        ".length, b.getAttribute('data-owned')||'', document.title].join('|');})()");
    const QString found = evaluate(chat, probe).toString();
    QVERIFY2(found.startsWith(QStringLiteral("0||")) && !found.contains(QStringLiteral("owned")),
             qPrintable(found));
  }
};

ZENT_TEST_MAIN(ScenarioChatsTest, Application)
#include "tst_scenario_chats.moc"

// What the windows say, through the windows only: every transcript entry
// names who it is from, also after the page is rebuilt; a message reads as
// it was typed; End ends a call without a question; the popups show the
// party; the banner, the own avatar and the dial field answer as a user
// expects. (A live switch of language: tst_scenario_language_es.)
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Data/FTAdapter.h>
#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/WebView.h"

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;
using RAZ::Data::FTAdapter;
using RAZ::Demo::ChatDemo;
using ZentTest::chatOf;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::send;
using ZentTest::showViewWith;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-texts-");

const char kTranscript[] = "transcriptView";

// Alice's menu ▸ `entry` (▸ her work number for a call); waits for her window.
QString openWithAlice(const QString& entry, QML::CommunicationsWindow** out) {
  QMenu* menu = nullptr;
  QString problem = Scenario::openContactMenu(kAliceName, &menu);
  if (!problem.isEmpty()) return problem;
  QStringList path{entry};
  for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
    if (e.text == entry && e.hasSubmenu) path << QString::fromLatin1(kAliceWork);
  problem = ZentTest::triggerMenuEntry(menu, path);
  if (!problem.isEmpty()) return problem;
  return Scenario::waitForCommsWindow(kAliceName, out);
}

QString openChat(QML::CommunicationsWindow** out) {
  QString problem = openWithAlice(QStringLiteral("Chat"), out);
  if (!problem.isEmpty()) return problem;
  return SceneDriver::of(*out).waitVisible(QStringLiteral("messageInput"));
}

QVariant evaluate(SceneDriver chat, const QString& script) {
  auto* web = qobject_cast<QDeclarativeWebView2*>(chat.anyItem(QString::fromLatin1(kTranscript)));
  if (!web || !web->page()) return QVariant();
  return web->page()->mainFrame()->evaluateJavaScript(script);
}

// Each entry of the page (a message or a file) with the sender named by the
// header that stands before it: "sender: text" per entry.
QStringList entriesBySender(SceneDriver chat) {
  return evaluate(chat,
                  QStringLiteral("(function(){var out=[],who='';"
                                 "var "
                                 "all=document.body.querySelectorAll('.sender,.local_content,."
                                 "remote_content,.filetransfer');"
                                 "for(var i=0;i<all.length;++i){var n=all[i];"
                                 "if(n.classList.contains('sender')){who=n.textContent;continue;}"
                                 "if(n.classList.contains('filetransfer')&&n.parentNode.closest&&"
                                 "n.parentNode.closest('.filetransfer'))continue;"
                                 "out.push(who+': '+n.textContent.trim().split('\\n')[0]);}"
                                 "return out;})()"))
      .toStringList();
}

// The entry that holds `text` is said to be from `sender`.
QString entryFrom(SceneDriver chat, const QString& text, const QString& sender) {
  QStringList seen;
  const bool ok = QTest::qWaitFor(
      [&] {
        seen = entriesBySender(chat);
        for (const QString& e : qAsConst(seen))
          if (e.contains(text)) return e.startsWith(sender + QStringLiteral(": "));
        return false;
      },
      ZentTest::kWaitMs);
  return ok ? QString()
            : QStringLiteral("\"%1\" is not shown as from %2: %3")
                  .arg(text, sender, seen.join(" | "));
}

// Drags `mime` over the scene's item and drops it there; whether the item
// took the drag.
bool dropOn(SceneDriver scene, QQuickItem* item, QMimeData* mime) {
  QPoint at;
  if (!scene.centreOf(item, &at).isEmpty()) return false;
  QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(scene.view(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(scene.view(), &move);
  if (!move.isAccepted()) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(scene.view(), &leave);
    return false;
  }
  QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(scene.view(), &drop);
  return drop.isAccepted();
}

}  // namespace

class ScenarioTextsTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioTextsTest() : ScenarioTestObject(g_environment) {}

 private slots:
  // Files and messages each stand under the name of who sent them: the
  // user's file after the party's message, the party's offer after the
  // user's file, also once the page is built anew (All History).
  void everyEntrySaysWhoItIsFrom() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChat(&window));
    SceneDriver chat = SceneDriver::of(window);
    ChatInterface* alice = chatOf(window);
    QVERIFY(alice);
    ChatDemo::setAutoTransfer(false);
    auto autoTransfer = qScopeGuard([] { ChatDemo::setAutoTransfer(true); });
    REQUIRE(send(chat, QStringLiteral("Here is the plan")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Here is the plan")));
    ChatDemo::receiveMessage(alice, QString(), QStringLiteral("Send me the file"));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Send me the file")));
    QVERIFY(ChatDemo::offerFile(alice, QStringLiteral("mine.txt"), 100, FTAdapter::Sending));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("mine.txt")));
    QVERIFY(ChatDemo::offerFile(alice, QStringLiteral("theirs.txt"), 100, FTAdapter::Receiving));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("theirs.txt")));
    REQUIRE(send(chat, QStringLiteral("Got it")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("Got it")));

    const QString me = entriesBySender(chat).value(0).section(QStringLiteral(": "), 0, 0);
    QVERIFY2(!me.isEmpty() && me != QLatin1String(kAliceName),
             qPrintable(entriesBySender(chat).join(" | ")));
    for (int pass = 0; pass < 2; ++pass) {
      REQUIRE(entryFrom(chat, QStringLiteral("Here is the plan"), me));
      REQUIRE(entryFrom(chat, QStringLiteral("Send me the file"), kAliceName));
      REQUIRE(entryFrom(chat, QStringLiteral("mine.txt"), me));
      REQUIRE(entryFrom(chat, QStringLiteral("theirs.txt"), kAliceName));
      REQUIRE(entryFrom(chat, QStringLiteral("Got it"), me));
      // The page built anew from the history.
      REQUIRE(chat.click(QStringLiteral("historyChoice3")));
      REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("theirs.txt")));
    }
  }

  // A message reads as it was typed: one that holds the words of a share
  // invitation, private-use characters, a smiley's code. Only the whole
  // invitation the service writes is no chat text.
  void messagesReadAsTyped() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openChat(&window));
    SceneDriver chat = SceneDriver::of(window);
    ChatInterface* alice = chatOf(window);
    QVERIFY(alice);
    const QString tagWords = QStringLiteral("see <zent-share id='x'/> in the docs");
    ChatDemo::receiveMessage(alice, QString(), tagWords);
    REQUIRE(chat.waitPageText(kTranscript, tagWords));
    const QString privateUse = QStringLiteral("mark ") + QChar(0xE000) + QChar(0xF8FF) + "end";
    ChatDemo::receiveMessage(alice, QString(), privateUse);
    REQUIRE(chat.waitPageText(kTranscript, privateUse));
    REQUIRE(send(chat, QStringLiteral("fine <zent-share  :)")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("fine <zent-share")));
    // The invitation's words alone are text too, from the party and typed.
    const QString bareTag = QStringLiteral("<zent-share id='x'/>");
    ChatDemo::receiveMessage(alice, QString(), bareTag);
    ChatDemo::receiveMessage(alice, QString(), QStringLiteral("after the bare tag"));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("after the bare tag")));
    QCOMPARE(chat.pageText(kTranscript).count(bareTag), 2);
    REQUIRE(send(chat, QStringLiteral("<zent-share id='y'/>")));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("<zent-share id='y'/>")));
    QCOMPARE(evaluate(chat, QStringLiteral("document.querySelector('img.smiley').alt")).toString(),
             QStringLiteral(":)"));
    // The invitation as the service writes it is not shown as a message.
    ChatDemo::receiveMessage(alice, QString(),
                             RAZ::Webcollab::WebcollabControllerBase::shareInvitationTag("s1"));
    ChatDemo::receiveMessage(alice, QString(), QStringLiteral("after the invitation"));
    REQUIRE(chat.waitPageText(kTranscript, QStringLiteral("after the invitation")));
    QVERIFY2(!chat.pageText(kTranscript).contains(QStringLiteral("id='s1'")),
             qPrintable(chat.pageText(kTranscript)));
  }

  // End hangs up at once; closing the window during a call still asks.
  void endEndsTheCallWithoutAQuestion() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(openWithAlice(QStringLiteral("Call"), &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    // Closing asks, and No keeps the call.
    ZentTest::answerNextMessage(QDialogButtonBox::No, [](Dialogs::MessageWindow* m) {
      QCOMPARE(m->windowTitle().contains(QStringLiteral("End Call")), true);
    });
    window->close();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<Dialogs::MessageWindow>(), ZentTest::kWaitMs);
    QVERIFY(window->isVisible() && window->getSession() && window->getSession()->getCall());
    QPointer<QML::CommunicationsWindow> guard(window);
    REQUIRE(call.click(QStringLiteral("endButton")));
    QTRY_VERIFY_WITH_TIMEOUT(
        !guard || !guard->isVisible() || ZentTest::findWindow<Dialogs::MessageWindow>(),
        ZentTest::kWaitMs);
    QVERIFY2(!ZentTest::findWindow<Dialogs::MessageWindow>(),
             qPrintable(ZentTest::describeWindows()));
    QVERIFY(!guard || !guard->isVisible());
  }

  // A chat a contact starts pops up with the contact's presence icon and,
  // without a picture, the initials the contact list shows. The popup
  // leaves the keys with the window the user types in.
  void chatPopupShowsTheParty() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.focus(QStringLiteral("searchField")));
    QVERIFY(Scenario::demo().incomingSession(kInes, CommunicationSession::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    SceneDriver note(popup);
    REQUIRE(note.waitVisible(QStringLiteral("partyPresenceIcon")));
    REQUIRE(note.waitText(QStringLiteral("partyInitials"), QStringLiteral("IH")));
    auto* session = qobject_cast<CommunicationSession*>(popup->session());
    QVERIFY(session);
    QVERIFY2(session->presenceIcon().toString().startsWith(QStringLiteral("qrc:/presence/")),
             qPrintable(session->presenceIcon().toString()));
    QTRY_VERIFY(Scenario::mainWindow()->isActiveWindow() && !popup->isActiveWindow());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fe"));
    // The search is emptied again before any check: the next test needs it.
    (void)QTest::qWaitFor([&main] { return main.text(QStringLiteral("searchField")) == "fe"; },
                          ZentTest::kWaitMs);
    const QString typed = main.text(QStringLiteral("searchField"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(typed, QStringLiteral("fe"));
  }

  // The banner's right click offers Refresh alone; the transcript's menu
  // speaks the interface language (checked with the switch below).
  void bannerMenuOffersRefresh() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("bannerView")));
    REQUIRE(main.rightClick(QStringLiteral("bannerView")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    QCOMPARE(ZentTest::menuTexts(menu), QStringList{QStringLiteral("Refresh")});
    ZentTest::closeMenus();
  }

  // A picture dropped on the own avatar becomes it; another file is refused.
  void avatarTakesADroppedPicture() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString text = folder.filePath("notes.txt");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
    file.close();
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString png = folder.filePath("me.png");
    QVERIFY(picture.save(png));

    QQuickItem* avatar = main.anyItem(QStringLiteral("ownAvatarDropArea"));
    QVERIFY(avatar);
    QMimeData notes;
    notes.setUrls({QUrl::fromLocalFile(text)});
    QVERIFY(!dropOn(main, avatar, &notes));
    QMimeData mine;
    mine.setUrls({QUrl::fromLocalFile(png)});
    QVERIFY(dropOn(main, avatar, &mine));
    QQuickItem* shown = main.anyItem(QStringLiteral("ownAvatarPicture"));
    QVERIFY(shown);
    QTRY_VERIFY_WITH_TIMEOUT(shown->width() > 0, ZentTest::kWaitMs);
    RAZ::Contacts::IContact* own =
        qobject_cast<RAZ::Contacts::IContact*>(Scenario::mainWindow()->ownContact());
    QVERIFY(own);
    QCOMPARE(own->getAvatarUrl(), png);
    QML::MainWindow::setOwnAvatar(own, QString());
  }

  // Alice dragged from the list onto the chat button opens her chat; a drag
  // that does not carry the selection (a stale text) is refused there.
  void contactDroppedOnChatButtonOpensTheChat() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* window = Scenario::mainWindow();
    const QPoint away = window->screen()->availableGeometry().topLeft() + QPoint(150, 120);
    window->move(away);
    QTRY_COMPARE(window->frameGeometry().topLeft(), away);
    REQUIRE(showViewWith(QStringLiteral("contactList")));
    SceneDriver main = Scenario::mainScene();
    QString problem;
    QQuickItem* alice = main.row(QStringLiteral("contactRow"), kAliceName, &problem);
    QVERIFY2(alice, qPrintable(problem));
    // The press that starts a drag selects the row.
    REQUIRE(main.click(alice));
    QQuickItem* chat = main.item(QStringLiteral("chatButton"));
    QVERIFY(chat);
    QTRY_VERIFY_WITH_TIMEOUT(chat->isEnabled(), ZentTest::kWaitMs);
    QMimeData stale;
    stale.setData(QStringLiteral("application/zent.contact"), QByteArray::number(kInes));
    stale.setText(QString::number(kInes));
    QVERIFY(!dropOn(main, chat, &stale));
    QMimeData dragged;
    dragged.setData(QStringLiteral("application/zent.contact"), QByteArray::number(kAlice));
    dragged.setText(QString::number(kAlice));
    QVERIFY(dropOn(main, chat, &dragged));
    QML::CommunicationsWindow* opened = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &opened));
    REQUIRE(SceneDriver::of(opened).waitVisible(QStringLiteral("messageInput")));
  }

  // The dial field pastes the number as it is dialled.
  void dialFieldPastesTheNumber() {
    REQUIRE(Scenario::signIn());
    REQUIRE(showViewWith(QStringLiteral("dialField")));
    SceneDriver main = Scenario::mainScene();
    QApplication::clipboard()->setText(QStringLiteral("+1 (2) 3 ext. 4"));
    REQUIRE(main.focus(QStringLiteral("dialField")));
    REQUIRE(main.press(Qt::Key_V, Qt::ControlModifier));
    REQUIRE(main.waitText(QStringLiteral("dialField"), QStringLiteral("+1234")));
    QCOMPARE(main.text(QStringLiteral("dialField")), QStringLiteral("+1234"));
    main.item(QStringLiteral("dialField"))->setProperty("text", QString());
  }
};

ZENT_TEST_MAIN(ScenarioTextsTest, Application)
#include "tst_scenario_texts.moc"

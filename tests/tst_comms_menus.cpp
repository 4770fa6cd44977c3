// The communications window's options menu and the chat-room participant
// menu against sessions of the demo service in each state: which entries
// show, their texts and enabled states as the session changes, what they
// do to the session, the history question, and the conference and transfer
// targets between two calls.
#include "DemoFixture.h"
#include "SceneDriver.h"
#include "TestSupport.h"

#include <RAZ/Actions/Provider.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/SecurityClassificationController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Data/ChatParticipant.h>
#include <RAZ/Data/FTAdapter.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/Models/FTModel.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <TP/Crypto/Blowfish.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QQmlContext>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include "Providers/Factory.h"
#include "Providers/QmlProviders.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ParticipantMenuActions.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "libqml/components/CommunicationsWindow.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using RAZ::Demo::Service;
using RAZ::MediaEngine::CallBasePtr;
using RAZ::Sessions::SessionManagerBase;
using Menu = Utils::Actions::CommunicationsWindowMenuActions;

using ZentTest::describe;

namespace {

QAction* entry(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions()) {
    if (a->text() == text) return a;
    if (a->menu())
      if (QAction* inner = entry(a->menu(), text)) return inner;
  }
  return nullptr;
}

}  // namespace

class TestCommsMenus : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  QTemporaryDir m_settingsDir;
  SessionManagerBase* m_session = nullptr;
  std::unique_ptr<Providers::Factory> m_factory;
  QList<QPointer<QML::CommunicationsWindow>> m_windows;
  std::unique_ptr<QObject> m_ownSessions;

  RAZ::Controllers::CommsSessionController* comms() { return m_session->commsSessionController(); }

  CommunicationSession* incoming(int contactId, CommunicationSession::Kind kind) {
    return m_demo.incoming(contactId, kind);
  }

  static bool waitForCallState(CommunicationSession* s, int state) {
    return QTest::qWaitFor(
        [&] { return s && s->getCall() && s->getCall()->getCallState() == state; },
        ZentTest::kWaitMs);
  }

  CommunicationSession* answered(int contactId, CommunicationSession::Kind kind) {
    CommunicationSession* s = incoming(contactId, kind);
    if (!s || !CommsScript::answer(s) || !waitForCallState(s, CallBasePtr::StateInCall))
      return nullptr;
    return s;
  }

  QML::CommunicationsWindow* window(CommunicationSession* s) {
    auto* w = new QML::CommunicationsWindow(m_session, s, m_factory.get(), false);
    m_windows << w;
    return w;
  }

  // The session of a state named by the data rows.
  CommunicationSession* sessionIn(const QString& state) {
    if (state == "chat") return incoming(101, CommunicationSession::KindChat);
    if (state == "ringing") return incoming(101, CommunicationSession::KindCall);
    if (state == "call") return answered(101, CommunicationSession::KindCall);
    if (state == "held") {
      CommunicationSession* s = answered(101, CommunicationSession::KindCall);
      if (s) s->getCall()->toggleHold();
      return s;
    }
    if (state == "video") {
      CommunicationSession* s = answered(102, CommunicationSession::KindVideoCall);
      if (!s || !CommsScript::startVideo(s) ||
          !QTest::qWaitFor(
              [s] { return s->getCall()->getVideoState() == CallBasePtr::VideoActive; },
              ZentTest::kWaitMs))
        return nullptr;
      return s;
    }
    if (state == "conference") {
      CommunicationSession* s = answered(103, CommunicationSession::KindCall);
      if (s) s->setConference(true);
      return s;
    }
    if (state == "share")
      return CommsScript::makeSession(CommunicationSession::KindWebCollab, true, "Cy Moreau",
                                      m_ownSessions.get());
    if (state == "group") {
      auto* s = CommsScript::makeSession(CommunicationSession::KindGroupChat, true, "Project room",
                                         m_ownSessions.get());
      return s;
    }
    return nullptr;
  }

 private slots:
  void initTestCase() {
    REQUIRE(m_demo.start("ZentCommsMenusTest"));
    ZentTest::initScenes();
    QVERIFY(m_settingsDir.isValid());
    RAZ::Settings::setPath(RAZ::Settings::User, m_settingsDir.path());
    RAZ::Settings::setPath(RAZ::Settings::Application, m_settingsDir.path());
  }

  void init() {
    // The switches the menus read: calls, video, other devices, conference
    // additions, transfer, recording, history, chat over XMPP.
    REQUIRE(m_demo.startClient({{ConfigId::CallTransfer, true},
                                {ConfigId::CallRecording, true},
                                {ConfigId::CallsOnThisClient, true},
                                {ConfigId::VideoCalls, true},
                                {ConfigId::ConferenceAdd, QStringLiteral("*")},
                                {ConfigId::CommsHistory, true},
                                {ConfigId::XmppPresenceAndChat, true},
                                {ConfigId::OtherDevicesTakeCalls, true}}));
    QVERIFY(m_demo.demoConfig());
    m_session = m_demo.signIn(QStringLiteral("tester"), m_demo.demoConfig());
    QVERIFY(m_session);
    m_factory = std::make_unique<Providers::Factory>(m_session, m_session->contactsManager(),
                                                     nullptr, m_session->ftController(),
                                                     m_session->sipChatController());
    m_ownSessions = std::make_unique<QObject>();
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmHistoryRecord, true);
  }

  void cleanup() {
    for (const auto& w : m_windows) delete w.data();
    m_windows.clear();
    m_ownSessions.reset();
    m_factory.reset();
    m_demo.stopClient();
  }

  void optionsMenuByState_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("endText");
    QTest::addColumn<bool>("endEnabled");
    QTest::addColumn<QStringList>("expected");
    // A new window shows the own video, so its entry offers to hide it.
    // Parking is offered for calls; a chat has no call to park. Share Desktop
    // comes with a call in progress or a chat, not while a call rings.
    const QStringList tail{"-", "Hide Window", "Always on Top"};
    const QStringList profile{"-", "View Profile", "Edit Profile"};
    QTest::newRow("chat") << "chat"
                          << "End Chat" << true
                          << QStringList{"*Hold Call", "Share Desktop", "-", "*Hide My Video",
                                         "Delete Chat History"} +
                                 profile + tail;
    QTest::newRow("ringing") << "ringing"
                             << "End Call" << false
                             << QStringList{"*Hold Call", "*Park Call", "-", "*Hide My Video",
                                            "*Delete Chat History"} +
                                    profile + tail;
    QTest::newRow("call") << "call"
                          << "End Call" << true
                          << QStringList{"Hold Call",      "Conference with[1]",  "Transfer to[1]",
                                         "Park Call",      "Share Desktop",       "-",
                                         "*Hide My Video", "*Delete Chat History"} +
                                 profile + tail;
    QTest::newRow("held") << "held"
                          << "End Call" << true
                          << QStringList{"Unhold Call",    "Conference with[1]",  "Transfer to[1]",
                                         "Park Call",      "Share Desktop",       "-",
                                         "*Hide My Video", "*Delete Chat History"} +
                                 profile + tail;
    QTest::newRow("video") << "video"
                           << "End Call" << true
                           << QStringList{"Hold Call",     "Conference with[1]",  "Transfer to[1]",
                                          "Park Call",     "Share Desktop",       "-",
                                          "Hide My Video", "*Delete Chat History"} +
                                  profile + tail;
    // A conference is a group: no contact entries apply to it.
    QTest::newRow("conference")
        << "conference"
        << "End Call" << true
        << QStringList{"Hold Call",      "Conference with[1]",   "Transfer to[1]",
                       "Park Call",      "Share Desktop",        "-",
                       "*Hide My Video", "*Delete Chat History", "-",
                       "*View Profile",  "*Edit Profile"} +
               tail;
    QTest::newRow("share") << "share"
                           << "End communications" << true
                           << QStringList{"*Hold Call", "-", "*Hide My Video",
                                          "*Delete Chat History"} +
                                  tail;
    QTest::newRow("group") << "group"
                           << "End Chat" << true
                           << QStringList{"*Hold Call", "Share Desktop", "-", "*Hide My Video",
                                          "Delete Chat History"} +
                                  tail;
  }
  void optionsMenuByState() {
    QFETCH(QString, state);
    QFETCH(QString, endText);
    QFETCH(bool, endEnabled);
    QFETCH(QStringList, expected);
    CommunicationSession* s = sessionIn(state);
    QVERIFY(s);
    QML::CommunicationsWindow* w = window(s);
    if (s->getCall()) w->ActivateCall();
    Menu* actions = w->getMenuActions();
    QVERIFY(actions);
    QCOMPARE(actions->action(Menu::End)->text(), endText);
    QCOMPARE(actions->action(Menu::End)->isEnabled(), endEnabled);
    std::unique_ptr<QMenu> menu(actions->createOptionsMenu());
    QVERIFY2(describe(menu.get()) == expected, qPrintable(describe(menu.get()).join('|')));
    // Built again, the menu is the same: nothing is added twice.
    std::unique_ptr<QMenu> again(actions->createOptionsMenu());
    QCOMPARE(describe(again.get()), expected);
  }

  void entriesFollowTheCall() {
    CommunicationSession* s = incoming(101, CommunicationSession::KindCall);
    QVERIFY(s);
    QML::CommunicationsWindow* w = window(s);
    w->ActivateCall();
    Menu* actions = w->getMenuActions();
    QVERIFY(!actions->action(Menu::Hold)->isEnabled());
    QVERIFY(CommsScript::answer(s));
    QTRY_VERIFY_WITH_TIMEOUT(actions->action(Menu::Hold)->isEnabled(), ZentTest::kWaitMs);
    QCOMPARE(actions->action(Menu::Mute)->text(), QString("Mute Microphone"));
    actions->action(Menu::Mute)->trigger();
    QVERIFY(s->getCall()->microphoneMuted());
    QCOMPARE(actions->action(Menu::Mute)->text(), QString("Unmute Microphone"));
    actions->action(Menu::Hold)->trigger();
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateHeld);
    QCOMPARE(actions->action(Menu::Hold)->text(), QString("Unhold Call"));
    QVERIFY(actions->action(Menu::Hold)->isEnabled());
    actions->action(Menu::Hold)->trigger();
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
    // Ending: the call closes, the entry goes grey.
    actions->action(Menu::End)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!actions->action(Menu::Hold)->isEnabled() || !s, ZentTest::kWaitMs);
  }

  void endEndsEveryPart() {
    CommunicationSession* s = answered(101, CommunicationSession::KindCall);
    QVERIFY(s);
    s->openChat();
    QML::CommunicationsWindow* w = window(s);
    Menu* actions = w->getMenuActions();
    QCOMPARE(actions->action(Menu::End)->text(), QString("End communications"));
    QPointer<CommunicationSession> guard(s);
    actions->action(Menu::End)->trigger();
    QVERIFY(!guard || !guard->chatActive());
    QVERIFY(!guard || !guard->getCall() ||
            guard->getCall()->getCallState() == CallBasePtr::StateClosed);
  }

  void recordingTexts_data() {
    QTest::addColumn<bool>("call");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("no call") << false << 1 << 3 << "Start Recording";
    QTest::newRow("mode 3, not recording") << true << 0 << 3 << "Pause Recording";
    QTest::newRow("mode 5, not recording") << true << 0 << 5 << "Start Recording";
    QTest::newRow("mode 5, unknown") << true << -1 << 5 << "Start Recording";
    QTest::newRow("recording") << true << 1 << 5 << "Pause Recording";
    QTest::newRow("paused") << true << 2 << 5 << "Resume Recording";
    QTest::newRow("out of range") << true << 7 << 3 << "Start Recording";
  }
  void recordingTexts() {
    QFETCH(bool, call);
    QFETCH(int, state);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(Menu::recordingText(call, state, mode), text);
  }

  void deleteHistoryAsksFirst_data() {
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("emitted");
    QTest::newRow("asked, yes") << true << int(QDialogButtonBox::Yes) << 1;
    QTest::newRow("asked, no") << true << int(QDialogButtonBox::No) << 0;
    QTest::newRow("not asked") << false << 0 << 1;
  }
  void deleteHistoryAsksFirst() {
    QFETCH(bool, ask);
    QFETCH(int, answer);
    QFETCH(int, emitted);
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmHistoryRecord, ask);
    CommunicationSession* s = incoming(101, CommunicationSession::KindChat);
    QVERIFY(s);
    QML::CommunicationsWindow* w = window(s);
    QSignalSpy spy(w->getMenuActions(), SIGNAL(deleteChatHistory()));
    int asked = 0;
    if (ask)
      ZentTest::answerNextMessage(QDialogButtonBox::StandardButton(answer),
                                  [&asked](Dialogs::MessageWindow*) { ++asked; });
    w->getMenuActions()->action(Menu::DeleteHistory)->trigger();
    QCOMPARE(asked, ask ? 1 : 0);
    QCOMPARE(spy.count(), emitted);
  }

  // The mark follows the window both ways, and a menu built later shows
  // the window as it is.
  void alwaysOnTopKeepsItsMark() {
    CommunicationSession* s = incoming(101, CommunicationSession::KindChat);
    QML::CommunicationsWindow* w = window(s);
    QAction* top = w->getMenuActions()->action(Menu::AlwaysOnTop);
    QVERIFY(top->isCheckable());
    QVERIFY(!top->isChecked());
    top->trigger();
    QVERIFY(top->isChecked());
    QVERIFY(w->isAlwaysOnTop());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    top->trigger();
    QVERIFY(!top->isChecked());
    QVERIFY(!w->isAlwaysOnTop());
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    top->setChecked(true);  // a stale mark
    std::unique_ptr<QMenu> menu(w->getMenuActions()->createOptionsMenu());
    QVERIFY(!top->isChecked());
  }

  void editRoomForTheRoomOwner() {
    auto* s = CommsScript::makeSession(CommunicationSession::KindGroupChat, true, "Project room",
                                       m_ownSessions.get());
    QML::CommunicationsWindow* w = window(s);
    Menu* actions = w->getMenuActions();
    QVERIFY(!actions->action(Menu::EditRoom)->isVisible());
    QSignalSpy asked(s->getChatInterface(), SIGNAL(roomConfigurationRequested()));
    s->getChatInterface()->setIsRoomOwner(true);
    QVERIFY(actions->action(Menu::EditRoom)->isVisible());
    QVERIFY(actions->action(Menu::EditRoom)->isEnabled());
    std::unique_ptr<QMenu> menu(actions->createOptionsMenu());
    QVERIFY(describe(menu.get()).contains("Edit Room"));
    actions->action(Menu::EditRoom)->trigger();
    QCOMPARE(asked.count(), 1);
  }

  void conferenceAndTransferTargets() {
    CommunicationSession* first = answered(101, CommunicationSession::KindCall);
    CommunicationSession* second = answered(102, CommunicationSession::KindCall);
    QVERIFY(first && second);
    QML::CommunicationsWindow* w = window(first);
    w->ActivateCall();
    std::unique_ptr<QMenu> menu(w->getMenuActions()->createOptionsMenu());
    const QStringList shown = describe(menu.get());
    QVERIFY2(shown.contains("Conference with[2]"), qPrintable(shown.join('|')));
    QVERIFY2(shown.contains("Transfer to[2]"), qPrintable(shown.join('|')));
    const QString party = second->getContact()->getDisplayName();
    QAction* transfer = w->getMenuActions()->action(Menu::TransferTo);
    QCOMPARE(transfer->menu()->actions().first()->text(), party);
    QCOMPARE(transfer->menu()->actions().last()->text(), QString("New"));
    QSignalSpy done(comms(), SIGNAL(customActionHandled(int, QString, QString)));
    transfer->menu()->actions().first()->trigger();
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().at(0).toInt(), 25);
    QCOMPARE(done.first().at(1).toString(), first->uri());
    QCOMPARE(done.first().at(2).toString(), second->uri());
  }

  void optionsMenuOpensFromTheWindow() {
    CommunicationSession* s = incoming(101, CommunicationSession::KindChat);
    QML::CommunicationsWindow* w = window(s);
    QVERIFY(!w->optionsMenuVisible());
    w->showOptionsMenu();
    QVERIFY(w->optionsMenuVisible());
    QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (open) open->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w->optionsMenuVisible(), ZentTest::kWaitMs);
  }

  void participantMenu_data() {
    QTest::addColumn<int>("own");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("myRoom");
    QTest::addColumn<bool>("share");
    QTest::addColumn<QStringList>("expected");
    const QStringList contact{"-", "View Profile", "Edit Profile"};
    QTest::newRow("owner on member")
        << 4 << 2 << false << false
        << QStringList{"Dismiss from Chat", "Promote to Moderator"} + contact;
    QTest::newRow("owner on moderator")
        << 4 << 3 << false << false
        << QStringList{"Dismiss from Chat", "Demote from Moderator"} + contact;
    QTest::newRow("owner on none")
        << 4 << 0 << false << false
        << QStringList{"Dismiss from Chat", "*Promote to Moderator"} + contact;
    // Without a moderation entry the menu starts with the profile.
    const QStringList profileOnly{"View Profile", "Edit Profile"};
    QTest::newRow("moderator on moderator") << 3 << 3 << false << false << profileOnly;
    QTest::newRow("moderator on member")
        << 3 << 2 << false << false << QStringList{"Dismiss from Chat"} + contact;
    QTest::newRow("owner in My Room")
        << 4 << 2 << true << false << QStringList{"Dismiss from Chat"} + contact;
    QTest::newRow("with a share") << 4 << 3 << false << true
                                  << QStringList{"Dismiss from Chat and Share",
                                                 "Demote from Moderator"} +
                                         contact;
    QTest::newRow("outcast") << 4 << 1 << false << false << profileOnly;
    QTest::newRow("member on member") << 2 << 2 << false << false << profileOnly;
  }
  void participantMenu() {
    QFETCH(int, own);
    QFETCH(int, target);
    QFETCH(bool, myRoom);
    QFETCH(bool, share);
    QFETCH(QStringList, expected);
    auto* s = CommsScript::makeSession(
        myRoom ? CommunicationSession::KindMyRoom : CommunicationSession::KindGroupChat, true,
        "Project room", m_ownSessions.get());
    if (share) s->setWebCollab(new RAZ::Webcollab::WebcollabBase(QStringList{"bruno"}));
    RAZ::Controllers::ChatInterface* chat = s->getChatInterface();
    chat->setOwnAffiliation(own);
    m_session->xmppChatController()->addRoom(chat->roomJid(), "Project room", QString(), 2);
    RAZ::Data::ChatParticipant* bruno = chat->getParticipants()->addParticipant(
        "bruno", target, m_session->contactsManager()->getContact(102).data());
    QML::CommunicationsWindow* w = window(s);
    std::unique_ptr<QMenu> menu(w->participantMenuActions()->createMenu(s, bruno));
    QCOMPARE(describe(menu.get()), expected);
    for (QAction* a : menu->actions()) {
      if (a->isSeparator() || a->text().contains("Profile")) continue;
      QCOMPARE(a->property("roomJid").toString(), chat->roomJid());
      QCOMPARE(a->property("nick").toString(), QString("bruno"));
    }
    QSignalSpy changes(m_session->xmppChatController(),
                       SIGNAL(participantChanged(QString, QString, QString)));
    if (QAction* dismiss = menu->actions().isEmpty() ? nullptr : menu->actions().first()) {
      if (dismiss->text().startsWith("Dismiss")) {
        dismiss->trigger();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(2).toString(), QString("kicked"));
        if (share) QVERIFY(!s->getWebCollab()->participants().contains("bruno"));
      }
    }
    if (QAction* rank = entry(menu.get(), "Promote to Moderator")) {
      if (rank->isEnabled()) {
        rank->trigger();
        QCOMPARE(changes.last().at(2).toString(), QString("promoted"));
      }
    }
    // No session, or a session without chat: no menu.
    QVERIFY(!w->participantMenuActions()->createMenu(nullptr, bruno));
  }

  void participantCardFollowsTheRoom() {
    auto* s = CommsScript::makeSession(CommunicationSession::KindGroupChat, true, "Project room",
                                       m_ownSessions.get());
    RAZ::Controllers::ChatInterface* chat = s->getChatInterface();
    RAZ::Contacts::IContact* contact = m_session->contactsManager()->getContact(102).data();
    QVERIFY(contact);
    RAZ::Data::ChatParticipant* bruno =
        chat->getParticipants()->addParticipant("bruno", 2, contact);
    RAZ::Data::ChatParticipant* guest =
        chat->getParticipants()->addParticipant("guest", 2, nullptr);
    QML::CommunicationsWindow* w = window(s);
    QCOMPARE(w->participant("bruno"), static_cast<QObject*>(bruno));
    QVERIFY(!w->participant("nobody"));
    const QVariant party = QVariant::fromValue<QObject*>(bruno);

    // Not the active window: no card.
    w->showParticipantMouseOver(party);
    QVERIFY(!w->participantMouseOver());

    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w, ZentTest::kWaitMs));
    w->showParticipantMouseOver(party);
    QPointer<QML::ContactMouseOver> card = w->participantMouseOver();
    QVERIFY(card);
    QVERIFY(card->isVisible());
    QCOMPARE(card->contact(), static_cast<QObject*>(contact));
    QCOMPARE(card->affiliation(), 2);
    QVERIFY(card->hideTimer()->isActive());
    // The rank shown follows the room.
    bruno->setAffiliation(3);
    QCOMPARE(card->affiliation(), 3);
    // The keyboard stays with the window.
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));

    // Showing again replaces the card; leaving removes it.
    w->showParticipantMouseOver(party);
    QTRY_VERIFY_WITH_TIMEOUT(!card, ZentTest::kWaitMs);
    card = w->participantMouseOver();
    QVERIFY(card);
    w->hideParticipantMouseOver();
    QVERIFY(!w->participantMouseOver());
    QTRY_VERIFY_WITH_TIMEOUT(!card, ZentTest::kWaitMs);

    // A party without a known contact, or anything but a party: no card.
    w->showParticipantMouseOver(QVariant::fromValue<QObject*>(guest));
    QVERIFY(!w->participantMouseOver());
    w->showParticipantMouseOver(QVariant::fromValue<QObject*>(contact));
    QVERIFY(!w->participantMouseOver());
    w->showParticipantMouseOver(QVariant());
    QVERIFY(!w->participantMouseOver());

    // Turning to another window removes it.
    w->showParticipantMouseOver(party);
    card = w->participantMouseOver();
    QVERIFY(card);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other, ZentTest::kWaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!card, ZentTest::kWaitMs);
    QVERIFY(!w->participantMouseOver());

    // It goes with its window at the latest.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w, ZentTest::kWaitMs));
    w->showParticipantMouseOver(party);
    card = w->participantMouseOver();
    QVERIFY(card);
    delete w;
    QVERIFY(!card);
  }

  void hubHelpersReachTheScenes() {
    CommunicationSession* s = incoming(101, CommunicationSession::KindCall);
    QML::CommunicationsWindow* w = window(s);
    // The toolbar acts on the session, through the hub.
    QCOMPARE(w->actionsProvider()->getActionSource(), static_cast<RAZ::Actions::Source*>(s));
    QCOMPARE(w->configXml(), static_cast<QObject*>(m_factory->configXml()));
    auto context = [w](QML::CommsLayout::Pane pane, const char* name) {
      auto* view = qobject_cast<QML::View*>(w->pane(pane));
      return view ? view->rootContext()->contextProperty(name).value<QObject*>() : nullptr;
    };
    QVERIFY(m_factory->profilePictureHelper());
    QCOMPARE(context(QML::CommsLayout::CallPane, "profilePictureHelper"),
             static_cast<QObject*>(m_factory->profilePictureHelper()));
    QCOMPARE(context(QML::CommsLayout::ParticipantsPane, "profilePictureHelper"),
             static_cast<QObject*>(m_factory->profilePictureHelper()));
    QCOMPARE(context(QML::CommsLayout::SecurityBarPane, "callClassificationsModel"),
             static_cast<QObject*>(
                 m_session->securityClassificationController()->getCallClassificationsModel()));
    auto* footer = qobject_cast<QML::View*>(w->footerView());
    QCOMPARE(footer->rootContext()->contextProperty("mediaVolumeHelper").value<QObject*>(),
             static_cast<QObject*>(m_factory->mediaVolumeHelper()));
  }

  void callClassifications() {
    CommunicationSession* s = answered(101, CommunicationSession::KindCall);
    QVERIFY(s);
    QML::CommunicationsWindow* w = window(s);
    std::unique_ptr<QMenu> menu(w->callClassificationsMenu());
    QCOMPARE(describe(menu.get()), (QStringList{"Unclassified", "Restricted", "Confidential"}));
    entry(menu.get(), "Confidential")->trigger();
    QCOMPARE(s->currentCallSecurityClassification(), QString("Confidential"));
    std::unique_ptr<QMenu> again(w->callClassificationsMenu());
    QVERIFY(entry(again.get(), "Confidential")->isChecked());
    QVERIFY(!entry(again.get(), "Restricted")->isChecked());
  }

  void delayedAddParticipantSurvivesTheSession() {
    Utils::DelayedAddParticipant later;
    auto* s = CommsScript::makeSession(CommunicationSession::KindCall, false, "Ada Park");
    later.setSession(s);
    later.setParticipants(QStringList{"101", "102"});
    QCOMPARE(later.participants(), QString("101,102"));
    QSignalSpy added(&later, SIGNAL(participantsAdded()));
    later.addParticipants();
    QCOMPARE(s->invitedParticipants(), QStringList{"101,102"});
    later.addParticipants();  // a second answer invites nobody again
    QCOMPARE(s->invitedParticipants(), QStringList{"101,102"});
    delete s;
    QVERIFY(!later.session());
    later.setParticipants(QString("103"));
    later.addParticipants();  // nobody to add to, no crash
    QCOMPARE(added.count(), 3);
    QSignalSpy aborted(&later, SIGNAL(aborted()));
    later.abort();
    QCOMPARE(aborted.count(), 1);
    QVERIFY(later.participants().isEmpty());
  }

  void receivedFileAsksWhereToSave() {
    CommunicationSession* s = incoming(101, CommunicationSession::KindChat);
    QVERIFY(s && s->getContact());
    QML::CommunicationsWindow* w = window(s);
    w->activateChat();
    w->activateChat();  // wired twice, asked once
    RAZ::Models::FTModel* model = s->getChatInterface()->getFtModel();
    QVERIFY(model);
    auto* ft = new RAZ::Data::FTAdapter("ft1", "alice", RAZ::Data::FTAdapter::Receiving,
                                        "../../.config/autostart", 10);
    model->addTransfer(ft);
    QSignalSpy started(model, SIGNAL(acceptRequested(RAZ::Data::FTAdapter*)));
    model->acceptFtClicked("ft1");
    QCOMPARE(started.count(), 0);
    QFileDialog* dialog = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          const auto dialogs = w->findChildren<QFileDialog*>();
          if (dialogs.size() != 1) return false;
          dialog = dialogs.first();
          return true;
        }(),
        ZentTest::kWaitMs);
    // Only the base name of what the sender called it is offered, in the
    // user's folder.
    const QString offered = dialog->selectedFiles().value(0);
    QCOMPARE(QFileInfo(offered).fileName(), QString("autostart"));
    QCOMPARE(QFileInfo(offered).absolutePath(), QDir::homePath());
    const QString chosen = QDir::tempPath() + "/zent-chosen-file.txt";
    emit dialog->fileSelected(chosen);
    dialog->close();
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(ft->getFilePath(), chosen);
    // Detached, the window asks no more: the transfer starts at once.
    w->deactivateFileTransfer();
    auto* second =
        new RAZ::Data::FTAdapter("ft2", "alice", RAZ::Data::FTAdapter::Receiving, "b.txt", 10);
    model->addTransfer(second);
    model->acceptFtClicked("ft2");
    QCOMPARE(started.count(), 2);
  }
};

ZENT_TEST_MAIN(TestCommsMenus, QApplication)
#include "tst_comms_menus.moc"

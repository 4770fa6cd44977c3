// The communications window manager and its call half on a signed-in demo
// account: one window per session through its whole life, the questions
// before a second call, the incoming call's popup and ringer, how demo
// parties take calls, the remote party's name and the call failure reports.
// Demo parties are scripted (they never answer on their own here).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <RAZ/Actions/Action.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Path.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Crypto/Blowfish.h>

#include <memory>

#include "DemoFixture.h"
#include "TestSupport.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/NotificationManager.h"
#include "Utils/WindowManagerCallHelper.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"

using QML::CommunicationNotification;
using QML::CommunicationsWindow;
using RAZ::Actions::Action;
using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using RAZ::MediaEngine::CallBasePtr;

namespace {

QList<Dialogs::MessageWindow*> openMessages() {
  QList<Dialogs::MessageWindow*> out;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w))
      if (m->isVisible()) out << m;
  return out;
}

Dialogs::MessageWindow* openMessage(const QString& title) {
  for (Dialogs::MessageWindow* m : openMessages())
    if (m->windowTitle() == title) return m;
  return nullptr;
}

}  // namespace

class CommsManagerTest : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  std::unique_ptr<NotificationManager> m_notifications;
  std::unique_ptr<Utils::CommunicationsWindowManager> m_manager;

  RAZ::Sessions::SessionManagerBase* session() const { return m_demo.session(); }
  RAZ::Controllers::CommsSessionController* comms() const {
    return session()->commsSessionController();
  }
  Utils::WindowManagerCallHelper* calls() const { return m_manager->callHelper(); }

  // Signs in with a configuration of our own: every window shows at once
  // when `atOnce`, else only sessions that are not plain audio calls.
  bool signIn(bool atOnce = true) {
    const bool ok =
        nullptr != m_demo.signIn(QStringLiteral("tester"),
                                 m_demo.ownConfig({{ConfigId::ShowCommsWindowAtOnce, atOnce},
                                                   {ConfigId::XmppPresenceAndChat, true}}));
    if (!ok) return false;
    comms()->setPartiesAnswerCalls(false);
    m_notifications = std::make_unique<NotificationManager>();
    m_manager = std::make_unique<Utils::CommunicationsWindowManager>(
        m_notifications.get(), session()->contactsManager(), nullptr);
    return m_manager->initialize(session(), nullptr);
  }

  // Calls a demo contact as the user does from the contact's menu.
  CommunicationSession* callContact(int id) {
    const int before = comms()->commsList().size();
    RAZ::Contacts::ContactPtr contact = session()->contactsManager()->getContact(id);
    if (!contact) return nullptr;
    comms()->createCall({contact}, RAZ::Contacts::Properties::KeyWork, Action::Call);
    if (comms()->commsList().size() == before) return nullptr;
    return comms()->commsList().last();
  }

  CommunicationSession* ringIn(int contactId) {
    QSignalSpy created(comms(),
                       SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    if (!CommsScript::ringIn(contactId, false) || !created.wait(ZentTest::kWaitMs)) return nullptr;
    return qvariant_cast<CommunicationSession*>(created.last().at(0));
  }

  CommunicationNotification* callPopup(CommunicationSession* s) const {
    return m_notifications->findCommunicationNotification(
        s, CommunicationNotification::CallNotification);
  }

 private slots:
  void initTestCase() {
    REQUIRE(m_demo.start("ZentCommsManagerTest"));
    ZentTest::initScenes();
  }

  void init() { REQUIRE(m_demo.startClient()); }

  void cleanup() {
    for (Dialogs::MessageWindow* m : openMessages()) m->close();
    m_manager.reset();
    m_notifications.reset();
    m_demo.stopClient();
  }

  // A call from start to end keeps one window, which goes with the session.
  void oneWindowThroughACallsLife() {
    QVERIFY(signIn());
    QSignalSpy toneOn(calls()->playCallingAction(), SIGNAL(triggered(bool)));
    QSignalSpy toneOff(calls()->stopCallingAction(), SIGNAL(triggered(bool)));
    QPointer<CommunicationSession> s = callContact(101);
    QVERIFY(s);
    QTRY_COMPARE_WITH_TIMEOUT(m_manager->windows().size(), 1, ZentTest::kWaitMs);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QVERIFY(window);
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateDialing);

    // The party's phone rings (the call moves on from dialling to ringing):
    // the calling tone plays until the answer.
    QVERIFY(CommsScript::ringOut(s));
    QTRY_COMPARE_WITH_TIMEOUT(s->getCall()->getCallState(), CallBasePtr::StateRinging,
                              ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(toneOn.count(), 1, ZentTest::kWaitMs);
    QVERIFY(CommsScript::answer(s));
    QTRY_COMPARE_WITH_TIMEOUT(s->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QVERIFY(toneOff.count() >= 1);
    QCOMPARE(s->getCall()->getRemoteDisplayName(), QString("Alice Moreno"));

    // Held and taken back in the same window.
    s->getCall()->toggleHold();
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateHeld);
    s->getCall()->toggleHold();
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
    QCOMPARE(m_manager->windows().size(), 1);
    QCOMPARE(m_manager->findCommsWindow(s), window.data());

    // A second announcement of the same session makes no second window.
    m_manager->sessionCreated(s, false);
    QCOMPARE(m_manager->windows().size(), 1);
    // The main window's menus reach the session through its window.
    QVERIFY(window->getMenuActions());
    QCOMPARE(m_manager->getMenuActionsForSession(s), window->getMenuActions());
    QCOMPARE(m_manager->getMenuActionsForSession(nullptr),
             static_cast<Utils::Actions::CommunicationsWindowMenuActions*>(nullptr));

    // Ending from the window asks first, then the session and window go.
    QString asked;
    ZentTest::answerNextMessage(QDialogButtonBox::Yes,
                                [&asked](Dialogs::MessageWindow* m) { asked = m->windowTitle(); });
    window->close();
    QTRY_VERIFY_WITH_TIMEOUT(s.isNull(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
    QCOMPARE(asked, QString("Warning - End Call?"));
    QVERIFY(m_manager->windows().isEmpty());
    QCOMPARE(session()->callController()->callCount(), 0);
  }

  // The party hanging up takes the session and its window with it.
  void partyEndsTheCall() {
    QVERIFY(signIn());
    QPointer<CommunicationSession> s = callContact(101);
    QVERIFY(s);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s), ZentTest::kWaitMs);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QVERIFY(CommsScript::answer(s));
    QTRY_COMPARE_WITH_TIMEOUT(s->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QVERIFY(CommsScript::fail(s));
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
    QVERIFY(s.isNull() || !s->getCall());
    QVERIFY(m_manager->windows().isEmpty());
  }

  void demoPartiesDeclineOrAreBusy_data() {
    QTest::addColumn<bool>("busy");
    QTest::newRow("declines") << false;
    QTest::newRow("busy") << true;
  }
  void demoPartiesDeclineOrAreBusy() {
    QFETCH(bool, busy);
    QVERIFY(signIn());
    QPointer<CommunicationSession> s = callContact(102);
    QVERIFY(s);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s), ZentTest::kWaitMs);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QSignalSpy toneOff(calls()->stopCallingAction(), SIGNAL(triggered(bool)));
    // The user is told why, as plain text, in a toast that a slow machine
    // may see time out: read as it is made.
    QStringList told;
    QObject listening;
    connect(m_notifications.get(), &NotificationManager::notificationAdded, &listening,
            [&told](QWidget* popup) {
              auto* text = popup->findChild<QLabel*>("notificationText");
              told << (text ? text->text() : QString("(no text)"));
            });
    QVERIFY(busy ? CommsScript::busy(s) : CommsScript::decline(s));
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
    QVERIFY(toneOff.count() >= 1);
    QTRY_COMPARE_WITH_TIMEOUT(told,
                              QStringList(busy ? QString("Bruno Keller is busy")
                                               : QString("Bruno Keller declined the call")),
                              ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(session()->callController()->callCount(), 0, ZentTest::kWaitMs);
  }

  // A plain audio call with "show at once" off is looked after elsewhere: its
  // window exists but stays hidden; one the party starts is never shown by
  // its announcement.
  void audioCallWindowStaysHiddenWithoutShowAtOnce() {
    QVERIFY(signIn(false));
    QPointer<CommunicationSession> s = callContact(101);
    QVERIFY(s);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s), ZentTest::kWaitMs);
    QCoreApplication::processEvents();
    QVERIFY(!m_manager->findCommsWindow(s)->isVisible());
    CommunicationSession* in = ringIn(201);
    QVERIFY(in);
    QVERIFY(m_manager->findCommsWindow(in));
    QVERIFY(!m_manager->findCommsWindow(in)->isVisible());
    QVERIFY(callPopup(in));
  }

  void newCallWhileAnotherRunsAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  void newCallWhileAnotherRunsAsksFirst() {
    QFETCH(bool, yes);
    QVERIFY(signIn());
    QPointer<CommunicationSession> first = callContact(101);
    QVERIFY(first);
    QVERIFY(CommsScript::answer(first));
    QTRY_COMPARE_WITH_TIMEOUT(first->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);

    QString title, text;
    ZentTest::answerNextMessage(yes ? QDialogButtonBox::Yes : QDialogButtonBox::No,
                                [&](Dialogs::MessageWindow* m) {
                                  title = m->windowTitle();
                                  text = m->messageLabel()->text();
                                });
    CommunicationSession* second = callContact(104);
    QCOMPARE(title, QString("Confirm Call"));
    QCOMPARE(text, QString("Starting a call will put ongoing call on hold. Continue?"));
    if (yes) {
      QVERIFY(second);
      QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateHeld);
      QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(second), ZentTest::kWaitMs);
      QCOMPARE(m_manager->windows().size(), 2);
    } else {
      QVERIFY(!second);
      QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateInCall);
      QCoreApplication::processEvents();
      QCOMPARE(m_manager->windows().size(), 1);
      QCOMPARE(session()->callController()->getCalls().size(), 1);
    }
  }

  // The popup of an incoming call rings while it lives and goes with the call.
  void incomingPopupLivesWhileTheCallRings() {
    QVERIFY(signIn());
    QSignalSpy ringerOn(calls()->playIncomingAction(), SIGNAL(triggered(bool)));
    QSignalSpy ringerOff(calls()->stopIncomingAction(), SIGNAL(triggered(bool)));
    QPointer<CommunicationSession> s = ringIn(201);
    QVERIFY(s);
    QPointer<CommunicationNotification> popup = callPopup(s);
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(ringerOn.count(), 1);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    // Still there a few turns later: nothing closes it but the call.
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QVERIFY(popup);
    QCOMPARE(ringerOff.count(), 0);
    // A second announcement raises no second popup.
    m_manager->sessionCreated(s, true);
    QCOMPARE(m_notifications->notificationWidgets().size(), 1);

    QVERIFY(CommsScript::fail(s));  // the caller hangs up
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
    QVERIFY(ringerOff.count() >= 1);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
  }

  void answeredFromThePopup() {
    QVERIFY(signIn());
    QSignalSpy ringerOff(calls()->stopIncomingAction(), SIGNAL(triggered(bool)));
    QPointer<CommunicationSession> s = ringIn(201);
    QVERIFY(s);
    QPointer<CommunicationNotification> popup = callPopup(s);
    QVERIFY(popup);
    popup->answerWith(QStringLiteral("audio"));
    QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
    QVERIFY(ringerOff.count() >= 1);
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s)->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(m_manager->windows().size(), 1);
  }

  void declinedFromThePopup() {
    QVERIFY(signIn());
    QPointer<CommunicationSession> s = ringIn(201);
    QVERIFY(s);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QPointer<CommunicationNotification> popup = callPopup(s);
    QVERIFY(popup);
    emit popup->callNotificationIgnored();
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
  }

  void answeringWhileAnotherRunsAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  void answeringWhileAnotherRunsAsksFirst() {
    QFETCH(bool, yes);
    QVERIFY(signIn());
    QPointer<CommunicationSession> first = callContact(101);
    QVERIFY(CommsScript::answer(first));
    QTRY_COMPARE_WITH_TIMEOUT(first->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QPointer<CommunicationSession> in = ringIn(201);
    QVERIFY(in);
    QPointer<CommunicationNotification> popup = callPopup(in);
    QVERIFY(popup);
    popup->answerWith(QStringLiteral("audio"));
    // The call waits for the answer to the question; the popup has gone.
    QCOMPARE(in->getCall()->getCallState(), CallBasePtr::StateIncoming);
    QPointer<Dialogs::MessageWindow> question = calls()->confirmWindow();
    QVERIFY(question);
    QCOMPARE(question->windowTitle(), QString("Confirm Call"));
    QCOMPARE(question->messageLabel()->text(),
             QString("Answering a call will put ongoing call on hold. Continue?"));
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(in);
    question->buttonBox()->button(yes ? QDialogButtonBox::Yes : QDialogButtonBox::No)->click();
    if (yes) {
      QCOMPARE(in->getCall()->getCallState(), CallBasePtr::StateInCall);
      QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateHeld);
      QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), ZentTest::kWaitMs);
    } else {
      QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
      QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateInCall);
    }
    QTRY_VERIFY_WITH_TIMEOUT(question.isNull() || !question->isVisible(), ZentTest::kWaitMs);
  }

  // A second answer question while one is open ends the open one as not
  // accepted: neither call is answered by it.
  void secondAnswerQuestionDismissesTheFirst() {
    QVERIFY(signIn());
    QPointer<CommunicationSession> first = callContact(101);
    QVERIFY(CommsScript::answer(first));
    QTRY_COMPARE_WITH_TIMEOUT(first->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QPointer<CommunicationSession> a = ringIn(201);
    QPointer<CommunicationSession> b = ringIn(204);
    QVERIFY(a && b);
    a->getCall()->answer();
    QPointer<Dialogs::MessageWindow> question = calls()->confirmWindow();
    QVERIFY(question);
    b->getCall()->answer();
    QVERIFY(!calls()->confirmWindow());
    QTRY_VERIFY_WITH_TIMEOUT(question.isNull() || !question->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(a->getCall()->getCallState(), CallBasePtr::StateIncoming);
    QCOMPARE(b->getCall()->getCallState(), CallBasePtr::StateIncoming);
    QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateInCall);
    QCOMPARE(openMessages().size(), 0);
  }

  // The caller giving up while the question is open closes the question.
  void callerHangingUpClosesTheQuestion() {
    QVERIFY(signIn());
    QPointer<CommunicationSession> first = callContact(101);
    QVERIFY(CommsScript::answer(first));
    QTRY_COMPARE_WITH_TIMEOUT(first->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QPointer<CommunicationSession> in = ringIn(201);
    in->getCall()->answer();
    QPointer<Dialogs::MessageWindow> question = calls()->confirmWindow();
    QVERIFY(question);
    QVERIFY(CommsScript::fail(in));
    QTRY_VERIFY_WITH_TIMEOUT(question.isNull() || !question->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(first->getCall()->getCallState(), CallBasePtr::StateInCall);
  }

  void remotePartyNames_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("transferredFrom");
    QTest::addColumn<QString>("expected");
    QTest::newRow("display name") << "\"Nora Quist\" <sip:nora@elsewhere.example>"
                                  << ""
                                  << "Nora Quist";
    QTest::newRow("anonymous") << "\"anonymous\" <sip:anon@elsewhere.example>"
                               << ""
                               << "Unknown";
    QTest::newRow("Anonymous is a name") << "\"Anonymous\" <sip:anon@elsewhere.example>"
                                         << ""
                                         << "Anonymous";
    QTest::newRow("transfer in any case") << "\"tRaNsFeR\" <sip:+4930999111@elsewhere.example>"
                                          << ""
                                          << "+4930999111";
    QTest::newRow("no display name") << "sip:+4930555@elsewhere.example"
                                     << ""
                                     << "+4930555";
    QTest::newRow("handed over") << "\"Transfer\" <sip:desk@elsewhere.example>"
                                 << "\"Olga Berg\" <sip:olga@elsewhere.example>"
                                 << "Olga Berg";
    QTest::newRow("known party") << "sip:alice.moreno@demo.zent"
                                 << ""
                                 << "Alice Moreno";
    QTest::newRow("nothing") << ""
                             << ""
                             << "Unknown";
  }
  void remotePartyNames() {
    QFETCH(QString, from);
    QFETCH(QString, transferredFrom);
    QFETCH(QString, expected);
    QVERIFY(signIn());
    RAZ::MediaEngine::Call call(new CallBasePtr(QString(), CallBasePtr::TypeAudio, true));
    call->setFromAddress(from, transferredFrom);
    QCOMPARE(calls()->getDisplayName(call.Raw()), expected);
  }

  // A party outside the list takes the caller's name, but a name is never
  // replaced by a number.
  void namesAreNotOverwrittenByNumbers() {
    QVERIFY(signIn());
    RAZ::Contacts::Contacts* book = session()->contactsManager().data();
    RAZ::Contacts::IContact* named = book->createTemporaryContact(
        {{QString::number(RAZ::Contacts::Properties::KeyDisplayName), "Front Desk"},
         {QString::number(RAZ::Contacts::Properties::KeyWork), "+4930777"}});
    RAZ::Contacts::IContact* number = book->createTemporaryContact(
        {{QString::number(RAZ::Contacts::Properties::KeyWork), "+4930888"}});
    QObject owner;
    CommunicationSession* a =
        CommsScript::makeSession(CommunicationSession::KindCall, true, "a", &owner);
    a->setContact(named);
    a->getCall()->setFromAddress("sip:+4930777@elsewhere.example", QString());
    calls()->updateRemoteName(a);
    QCOMPARE(named->getDisplayName(), QString("Front Desk"));
    CommunicationSession* b =
        CommsScript::makeSession(CommunicationSession::KindCall, true, "b", &owner);
    b->setContact(number);
    b->getCall()->setFromAddress("\"Paula Ring\" <sip:paula@elsewhere.example>", QString());
    calls()->updateRemoteName(b);
    QCOMPARE(b->getCall()->getRemoteDisplayName(), QString("Paula Ring"));
    QCOMPARE(number->getDisplayName(), QString("Paula Ring"));
  }

  void failuresAreReported() {
    QVERIFY(signIn());
    // Emergency numbers are refused with a message, and no call starts.
    RAZ::Contacts::IContact* emergency = session()->contactsManager()->createTemporaryContact(
        {{QString::number(RAZ::Contacts::Properties::KeyWork), "112"}});
    comms()->createCall({RAZ::Contacts::ContactPtr(emergency)}, RAZ::Contacts::Properties::KeyWork,
                        Action::Call);
    QTRY_VERIFY_WITH_TIMEOUT(openMessage("Call Failed"), ZentTest::kWaitMs);
    QCOMPARE(openMessage("Call Failed")->messageLabel()->text(),
             QString("Emergency calls are not supported. Please use another phone."));
    QVERIFY(comms()->commsList().isEmpty());
    openMessage("Call Failed")->close();

    // A failed call from the phone: shown when the error has a text.
    session()->xsiEngine()->reportCallError(RAZ::Xsi::XsiCallback::NoError);
    QCOMPARE(openMessages().size(), 0);
    session()->xsiEngine()->reportCallError(RAZ::Xsi::XsiCallback::ParticipantNotFound);
    QVERIFY(openMessage("Call to Phone failed!"));
    openMessage("Call to Phone failed!")->close();

    // "Call from Phone" to a party without any address: the service says so.
    RAZ::Contacts::IContact* nobody = session()->contactsManager()->createTemporaryContact({});
    comms()->createCall({RAZ::Contacts::ContactPtr(nobody)}, RAZ::Contacts::Properties::KeyWork,
                        Action::CallFromPhone);
    QTRY_VERIFY_WITH_TIMEOUT(openMessage("Call to Phone failed!"), ZentTest::kWaitMs);
    QCOMPARE(openMessage("Call to Phone failed!")->messageLabel()->text(),
             QString("Client encountered an error when trying locate participant. "
                     "Call/Participant not found."));
    openMessage("Call to Phone failed!")->close();

    // The camera: reported from the event loop.
    session()->callController()->reportVideoStartFailure();
    QTRY_VERIFY_WITH_TIMEOUT(openMessage("Video Call Failed"), ZentTest::kWaitMs);
    openMessage("Video Call Failed")->close();

    // A refused transfer is reported; the message goes with the call.
    QPointer<CommunicationSession> s = callContact(101);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s), ZentTest::kWaitMs);
    QVERIFY(CommsScript::answer(s));
    QTRY_COMPARE_WITH_TIMEOUT(s->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QVERIFY(!s->transferCall("not a number"));
    QTRY_VERIFY_WITH_TIMEOUT(openMessage("Error Transferring Call"), ZentTest::kWaitMs);
    QPointer<Dialogs::MessageWindow> transfer = openMessage("Error Transferring Call");
    QVERIFY(CommsScript::fail(s));
    QTRY_VERIFY_WITH_TIMEOUT(transfer.isNull() || !transfer->isVisible(), ZentTest::kWaitMs);
  }

  // One ringer serves every call: a call that is answered must not silence
  // another one that still waits.
  void ringerKeepsGoingWhileASecondCallWaits() {
    QVERIFY(signIn());
    QSignalSpy ringerOff(calls()->stopIncomingAction(), SIGNAL(triggered(bool)));
    QPointer<CommunicationSession> a = ringIn(201);
    QPointer<CommunicationSession> b = ringIn(204);
    QVERIFY(a && b);
    QVERIFY(CommsScript::answer(a));
    QTRY_COMPARE_WITH_TIMEOUT(a->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QCOMPARE(ringerOff.count(), 0);
    QVERIFY(callPopup(b));
    QVERIFY(CommsScript::fail(b));
    QTRY_VERIFY_WITH_TIMEOUT(ringerOff.count() >= 1, ZentTest::kWaitMs);
  }

  void shareInvitationPopsUp_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("turned down") << false;
  }
  void shareInvitationPopsUp() {
    QFETCH(bool, accept);
    QVERIFY(signIn());
    QSignalSpy created(comms(),
                       SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    QVERIFY(
        RAZ::Demo::Service::instance().incomingSession(201, CommunicationSession::KindWebCollab));
    QVERIFY(created.wait(ZentTest::kWaitMs));
    QPointer<CommunicationSession> s = qvariant_cast<CommunicationSession*>(created.last().at(0));
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QPointer<CommunicationNotification> popup = m_notifications->findCommunicationNotification(
        s, CommunicationNotification::WebcollabNotification);
    QVERIFY(popup);
    if (accept) {
      emit popup->webcollabNotificationAccepted();
      QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), ZentTest::kWaitMs);
      QCOMPARE(s->getWebCollab()->getState(), int(RAZ::Webcollab::WebcollabBase::ViewingShare));
    } else {
      emit popup->webcollabNotificationIgnored();
      QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), ZentTest::kWaitMs);
    }
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
  }

  // The party asks to add video: the ringer sounds and the window comes up.
  void addVideoRequestRings() {
    QVERIFY(signIn());
    QPointer<CommunicationSession> s = callContact(101);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->findCommsWindow(s), ZentTest::kWaitMs);
    QVERIFY(CommsScript::answer(s));
    QTRY_COMPARE_WITH_TIMEOUT(s->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QPointer<CommunicationsWindow> window = m_manager->findCommsWindow(s);
    window->hide();
    QSignalSpy ringerOn(calls()->playIncomingAction(), SIGNAL(triggered(bool)));
    QVERIFY(CommsScript::requestVideo(s));
    QTRY_VERIFY_WITH_TIMEOUT(ringerOn.count() >= 1, ZentTest::kWaitMs);
    QVERIFY(s->updatingToVideo());
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(m_manager->windows().size(), 1);
  }

  // Left to themselves, demo parties answer after a ring or two, decline
  // from a meeting and are busy while on a call (the demo's own timing).
  void demoPartiesTakeCallsOnTheirOwn() {
    QVERIFY(signIn());
    comms()->setPartiesAnswerCalls(true);
    QSignalSpy toneOn(calls()->playCallingAction(), SIGNAL(triggered(bool)));
    QPointer<CommunicationSession> alice = callContact(101);
    QVERIFY(alice);
    QTRY_VERIFY_WITH_TIMEOUT(toneOn.count() >= 1, ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(alice->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    alice->getCall()->close(0);
    QTRY_VERIFY_WITH_TIMEOUT(alice.isNull(), ZentTest::kWaitMs);

    QPointer<CommunicationSession> greta = callContact(202);  // on a call
    QPointer<CommunicationSession> bruno;
    QVERIFY(greta);
    QTRY_VERIFY_WITH_TIMEOUT(greta.isNull(), ZentTest::kWaitMs);
    bruno = callContact(102);  // in a workshop
    QVERIFY(bruno);
    QTRY_VERIFY_WITH_TIMEOUT(bruno.isNull(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(m_manager->windows().isEmpty(), ZentTest::kWaitMs);
  }

  void deletingTheManagerDeletesEveryWindow() {
    QVERIFY(signIn());
    QList<QPointer<CommunicationsWindow>> windows;
    for (int id : {101, 201, 204}) {
      QPointer<CommunicationSession> s = ringIn(id);
      QVERIFY(s);
      windows << m_manager->findCommsWindow(s);
    }
    QCOMPARE(m_manager->windows().size(), 3);
    m_manager.reset();
    for (const auto& w : windows) QVERIFY(w.isNull());
  }

  // Signing out in the middle of things: a call runs, another rings with its
  // popup and the answer question is open. The session's objects go first,
  // then the manager, as the application does; nothing is answered on the way.
  void signingOutWithCallsGoingOn_data() {
    QTest::addColumn<bool>("managerFirst");
    QTest::newRow("session first") << false;
    QTest::newRow("manager first") << true;
  }
  void signingOutWithCallsGoingOn() {
    QFETCH(bool, managerFirst);
    QVERIFY(signIn());
    QPointer<CommunicationSession> first = callContact(101);
    QVERIFY(CommsScript::answer(first));
    QTRY_COMPARE_WITH_TIMEOUT(first->getCall()->getCallState(), CallBasePtr::StateInCall,
                              ZentTest::kWaitMs);
    QPointer<CommunicationSession> in = ringIn(201);
    QPointer<CommunicationSession> other = ringIn(204);
    QVERIFY(in && other);
    QPointer<CommunicationNotification> popup = callPopup(other);
    QVERIFY(popup);
    in->getCall()->answer();
    QPointer<Dialogs::MessageWindow> question = calls()->confirmWindow();
    QVERIFY(question);
    QList<QPointer<CommunicationsWindow>> windows;
    for (CommunicationsWindow* w : m_manager->windows()) windows << w;
    QCOMPARE(windows.size(), 3);
    QSignalSpy closed(m_demo.client(), SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)));
    if (managerFirst) m_manager.reset();
    m_demo.client()->signOut();
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, ZentTest::kWaitMs);
    m_manager.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY_WITH_TIMEOUT(question.isNull() || !question->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), ZentTest::kWaitMs);
    for (const auto& w : windows) QTRY_VERIFY_WITH_TIMEOUT(w.isNull(), ZentTest::kWaitMs);
    QVERIFY(openMessages().isEmpty());
  }

  void voiceMailCallsTheConfiguredAddress() {
    QVERIFY(signIn());
    // No address in this configuration: nothing is called, nothing breaks.
    QVERIFY(!m_manager->voiceMailContact());
    m_manager->checkVoiceMails();
    QCOMPARE(comms()->commsList().size(), 0);
  }
};

ZENT_TEST_MAIN(CommsManagerTest, QApplication)
#include "tst_comms_manager.moc"

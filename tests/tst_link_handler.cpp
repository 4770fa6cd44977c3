// Product links: decoding good, truncated and malformed payloads, and the
// handler's wait for the session's connections before it joins the room.
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Services/Xmpp/XmppService.h>

#include "TestSupport.h"
#include "Utils/ZentUrlHandler.h"
#include "dialogs/MessageWindow.h"

using Utils::ZentUrlHandler;

namespace {

const char kOwnerJid[] = "owner@demo.zent";
const char kOwnerRoom[] = "myroom.owner@conference.demo.zent";
const char kOwnerDialIn[] = "+49 30 555-0199";

QString b64(const QByteArray& latin1) { return QString::fromLatin1(latin1.toBase64()); }

struct Session {
  RAZ::Demo::DemoSession manager{nullptr};
  Session() {
    manager.open(QStringLiteral("tester"), QStringLiteral("demo"));
    QVariantMap owner;
    owner.insert(QString::number(RAZ::Contacts::Properties::KeyDisplayName), "Olga <Owner>");
    owner.insert(QString::number(RAZ::Contacts::Properties::KeyJid), kOwnerJid);
    owner.insert("47", kOwnerRoom);
    owner.insert("39", kOwnerDialIn);  // the conference number
    contacts()->addContact(new RAZ::Contacts::IContact(9001, owner));
  }
  RAZ::Contacts::Contacts* contacts() {
    return const_cast<RAZ::Contacts::Contacts*>(manager.contactsManager().data());
  }
  RAZ::Sessions::SubSession* sub(int type) { return manager.subSession(type); }
  RAZ::Controllers::CommsSessionController* comms() { return manager.commsSessionController(); }
};

}  // namespace

class TstLinkHandler : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    // The demo service keeps its people in the data folder: a private one,
    // so no earlier run's store stands in for the ones made here.
    QVERIFY(ZentTest::useTemporaryHome("zent-link-handler-", false));
  }

  void decoding_data() {
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("chat");
    QTest::addColumn<QString>("webcollab");
    QTest::addColumn<QString>("jid");
    QTest::newRow("all four") << b64("call=\"sip:r@x\";chat=\"c@x\";webcollab=\"w1\";jid=\"o@x\"")
                              << "sip:r@x"
                              << "c@x"
                              << "w1"
                              << "o@x";
    QTest::newRow("order free") << b64("jid=\"o@x\";call=\"1\"") << "1"
                                << ""
                                << ""
                                << "o@x";
    QTest::newRow("latin-1") << b64("chat=\"caf\xe9@x\"") << "" << QString::fromUtf8("café@x") << ""
                             << "";
    QTest::newRow("upper-case key") << b64("CALL=\"1\";Chat=\"2\"") << ""
                                    << ""
                                    << ""
                                    << "";
    QTest::newRow("no closing quote") << b64("call=\"1;chat=\"2") << "1;chat="
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("value cut") << b64("chat=\"abc") << ""
                               << ""
                               << ""
                               << "";
    QTest::newRow("first occurrence") << b64("call=\"1\";call=\"2\"") << "1"
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("percent-encoded") << QString(QUrl::toPercentEncoding(b64("chat=\"c@x\""))) << ""
                                     << "c@x"
                                     << ""
                                     << "";
    QTest::newRow("authority form") << "//" + b64("chat=\"c@x\"") << ""
                                    << "c@x"
                                    << ""
                                    << "";
    QTest::newRow("not base64") << "!!!not*base64!!!"
                                << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("plain text") << "call=\"1\""
                                << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("no attributes") << b64("hello world") << ""
                                   << ""
                                   << ""
                                   << "";
    const QString full = b64("call=\"sip:room@x\";chat=\"c@x\"");
    QTest::newRow("truncated") << full.left(full.size() - 6) << "sip:room@x"
                               << ""
                               << ""
                               << "";
  }
  void decoding() {
    QFETCH(QString, payload);
    QFETCH(QString, call);
    QFETCH(QString, chat);
    QFETCH(QString, webcollab);
    QFETCH(QString, jid);
    const QString text = ZentUrlHandler::decodePayload(payload);
    QCOMPARE(ZentUrlHandler::attribute(text, "call"), call);
    QCOMPARE(ZentUrlHandler::attribute(text, "chat"), chat);
    QCOMPARE(ZentUrlHandler::attribute(text, "webcollab"), webcollab);
    QCOMPARE(ZentUrlHandler::attribute(text, "jid"), jid);
  }

  void roundTrip() {
    const QString payload = ZentUrlHandler::encodePayload("sip:1@x", "", "w", "o@x");
    const QString text = ZentUrlHandler::decodePayload(payload);
    QCOMPARE(text, QString("call=\"sip:1@x\";webcollab=\"w\";jid=\"o@x\""));
  }

  void nobodySignedIn() {
    Session s;
    ZentUrlHandler handler(b64("chat=\"room@conference.demo.zent\""));
    QSignalSpy emitted(&handler, SIGNAL(createMyRoomSession(QString, QString, QString)));
    // Nobody signed in: nothing happens, and the link stays pending.
    handler.initialize(nullptr);
    QVERIFY(!handler.isWaiting());
    QVERIFY(!handler.hasEmitted());
    QVERIFY(handler.chat().isEmpty());
    // The session that opens later carries it out.
    handler.initialize(&s.manager);
    QCOMPARE(handler.chat(), QString("room@conference.demo.zent"));
    QTRY_COMPARE(emitted.count(), 1);
    QCOMPARE(emitted.at(0).at(1).toString(), QString("room@conference.demo.zent"));
    // Once carried out, a further session does not act on it again.
    handler.initialize(&s.manager);
    QCOMPARE(emitted.count(), 1);
  }

  void callOnlyNeverJoins() {
    Session s;
    ZentUrlHandler handler(b64("call=\"sip:bridge@demo.zent\""));
    handler.initialize(&s.manager);
    QCOMPARE(handler.call(), QString("sip:bridge@demo.zent"));
    QVERIFY(!handler.isWaiting());
    QVERIFY(!handler.hasEmitted());
  }

  void waitsForXmpp() {
    Session s;
    s.sub(RAZ::Sessions::SubSession::TypeXmpp)->setState(RAZ::Sessions::Session::Connecting);
    ZentUrlHandler handler(b64("chat=\"team@conference.demo.zent\";webcollab=\"w7\""));
    QSignalSpy emitted(&handler, SIGNAL(createMyRoomSession(QString, QString, QString)));
    QSignalSpy created(s.comms(),
                       SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    handler.initialize(&s.manager);
    QVERIFY(handler.isWaiting());
    QCOMPARE(emitted.count(), 0);
    // The SIP connection is not waited for: the link names no call.
    s.sub(RAZ::Sessions::SubSession::TypeSip)->setState(RAZ::Sessions::Session::Connecting);
    QCOMPARE(emitted.count(), 0);
    s.sub(RAZ::Sessions::SubSession::TypeXmpp)->setState(RAZ::Sessions::Session::Active);
    QCOMPARE(emitted.count(), 1);
    QCOMPARE(emitted.first(), QVariantList({"", "team@conference.demo.zent", "w7"}));
    QVERIFY(!handler.isWaiting());
    // Later changes are no longer followed.
    s.sub(RAZ::Sessions::SubSession::TypeXmpp)->setState(RAZ::Sessions::Session::Reconnecting);
    s.sub(RAZ::Sessions::SubSession::TypeXmpp)->setState(RAZ::Sessions::Session::Active);
    QCOMPARE(emitted.count(), 1);
    // The controller opened the room's session.
    QVERIFY(created.wait(ZentTest::kWaitMs));
    auto* session = created.first().at(0).value<RAZ::Controllers::CommunicationSession*>();
    QVERIFY(session && session->isMyRoom());
  }

  void disabledConnectionIsNotWaitedFor() {
    Session s;
    s.sub(RAZ::Sessions::SubSession::TypeSip)->setEnabled(false);
    s.sub(RAZ::Sessions::SubSession::TypeSip)->setState(RAZ::Sessions::Session::Failed);
    ZentUrlHandler handler(b64("call=\"sip:b@x\";chat=\"team@conference.demo.zent\""));
    handler.initialize(&s.manager);
    QVERIFY(handler.hasEmitted());
  }

  void ownerContactAndMyRoom() {
    Session s;
    ZentUrlHandler handler(
        ZentUrlHandler::encodePayload("sip:+49305550199;4711#", "ignored@x", "", kOwnerJid));
    QSignalSpy emitted(&handler, SIGNAL(createMyRoomSession(QString, QString, QString)));
    handler.initialize(&s.manager);
    // The jid wins over the chat attribute: the room comes from the owner.
    QCOMPARE(handler.chat(), QString(kOwnerRoom));
    QCOMPARE(handler.contactJid(), QString(kOwnerJid));
    QVERIFY(handler.isWaiting());  // the personal room is not ready yet
    // The call is the owner's conference: dialled once the user says Yes
    // to its number.
    QString asked;
    ZentTest::answerNextMessage(QDialogButtonBox::Yes, [&asked](Dialogs::MessageWindow* m) {
      asked = m->messageLabel()->text();
    });
    s.manager.myroomController()->setReady();
    QVERIFY(emitted.wait(ZentTest::kWaitMs));
    QVERIFY2(asked.contains("+49305550199"), qPrintable(asked));
    QCOMPARE(emitted.first(), QVariantList({"sip:+49305550199;4711#", kOwnerRoom, ""}));
  }

  // A link's call is the room's own dial-in or nothing: any other number,
  // or the owner's number at a host of the link's choosing, joins the room
  // without a call and asks nothing; the owner's number is dialled only
  // after Yes, and No joins without it.
  void aLinksCallIsTheRoomsOwnOnly_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("dialled");
    const int none = QDialogButtonBox::NoButton, yes = QDialogButtonBox::Yes,
              no = QDialogButtonBox::No;
    QTest::newRow("the owner's, yes")
        << "sip:+49305550199;4711#;2468#" << yes << "sip:+49305550199;4711#;2468#";
    QTest::newRow("the owner's as typed") << "tel:+49-30-555-0199" << yes << "sip:+49305550199";
    QTest::newRow("the owner's, no") << "sip:+49305550199;4711#" << no << "";
    QTest::newRow("somebody's number") << "sip:+4930100102" << none << "";
    QTest::newRow("bare number") << "+4930100102" << none << "";
    QTest::newRow("another host") << "sip:+49305550199@elsewhere.example" << none << "";
    QTest::newRow("not a PIN") << "sip:+49305550199;transport=tcp" << none << "";
    QTest::newRow("an address") << "sip:owner@demo.zent" << none << "";
  }
  void aLinksCallIsTheRoomsOwnOnly() {
    QFETCH(QString, call);
    QFETCH(int, answer);
    QFETCH(QString, dialled);
    Session s;
    s.manager.myroomController()->setReady();
    ZentUrlHandler handler(b64("call=\"" + call.toLatin1() + "\";chat=\"" + kOwnerRoom + "\""));
    QSignalSpy emitted(&handler, SIGNAL(createMyRoomSession(QString, QString, QString)));
    handler.initialize(&s.manager);
    QVERIFY(handler.hasEmitted());
    if (answer == QDialogButtonBox::NoButton) {
      QVERIFY(!handler.callQuestion());
    } else {
      QVERIFY(handler.callQuestion());
      QCOMPARE(emitted.count(), 0);
      handler.callQuestion()
          ->buttonBox()
          ->button(QDialogButtonBox::StandardButton(answer))
          ->click();
    }
    QTRY_COMPARE(emitted.count(), 1);
    QCOMPARE(emitted.first(), QVariantList({dialled, kOwnerRoom, ""}));
  }

  // The question goes with its link: a newer link or the session's end
  // leaves nothing to dial.
  void theQuestionGoesWithItsLink() {
    Session s;
    s.manager.myroomController()->setReady();
    auto* handler = new ZentUrlHandler(
        b64("call=\"sip:+49305550199\";chat=\"" + QByteArray(kOwnerRoom) + "\""));
    handler->initialize(&s.manager);
    QPointer<Dialogs::MessageWindow> question = handler->callQuestion();
    QVERIFY(question);
    delete handler;
    QTRY_VERIFY(!question);
  }

  void roomFromTheOwnersVCard() {
    Session s;
    RAZ::Services::Xmpp::XmppService* xmpp = s.manager.xmppService();
    xmpp->setConnected(false);
    RAZ::Services::Xmpp::VCardIq card("stranger@demo.zent");
    card.setConfChat(QByteArray("team@conference.demo.zent").toBase64());
    xmpp->contactData()->setVCard("stranger@demo.zent", card);
    ZentUrlHandler handler(b64("jid=\"stranger@demo.zent\""));
    QSignalSpy emitted(&handler, SIGNAL(createMyRoomSession(QString, QString, QString)));
    handler.initialize(&s.manager);
    QVERIFY(handler.chat().isEmpty());
    QCOMPARE(xmpp->contactData()->requestCount(), 0);
    // The request goes out once XMPP connects; the answer arrives later.
    xmpp->setConnected(true);
    QCOMPARE(xmpp->contactData()->requestCount(), 1);
    QVERIFY(emitted.wait(ZentTest::kWaitMs));
    QCOMPARE(handler.chat(), QString("team@conference.demo.zent"));
    // A reconnect asks for nothing more and joins nothing more.
    xmpp->setConnected(false);
    xmpp->setConnected(true);
    QCOMPARE(xmpp->contactData()->requestCount(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(emitted.count(), 1);
  }

  void timeoutTellsTheUser() {
    Session s;
    s.sub(RAZ::Sessions::SubSession::TypeSip)->setState(RAZ::Sessions::Session::Connecting);
    QPointer<ZentUrlHandler> handler =
        new ZentUrlHandler(b64("call=\"sip:b@x\";chat=\"" + QByteArray(kOwnerRoom) + "\""));
    handler->initialize(&s.manager);
    QVERIFY(handler->isWaiting());
    QString title, text;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&](Dialogs::MessageWindow* m) {
      title = m->windowTitle();
      text = m->messageLabel()->text();
    });
    QMetaObject::invokeMethod(handler, "onTimeout");
    QTRY_VERIFY(!text.isEmpty());
    QCOMPARE(title, QString("Failed to Join Room"));
    QCOMPARE(text, QString("Failed to join Olga <Owner>'s room due to network connection issues. "
                           "Please try again after the connection is restored"));
    QVERIFY(!handler->isWaiting());
    // Nothing is joined when the connection comes back afterwards.
    QSignalSpy emitted(handler.data(), SIGNAL(createMyRoomSession(QString, QString, QString)));
    s.sub(RAZ::Sessions::SubSession::TypeSip)->setState(RAZ::Sessions::Session::Active);
    QCOMPARE(emitted.count(), 0);
    delete handler.data();
  }
};

ZENT_TEST_MAIN(TstLinkHandler, QApplication)
#include "tst_link_handler.moc"

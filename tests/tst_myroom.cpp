// My Room invitations: the product link, the tooltip, the clipboard texts
// and the e-mail address, over ordinary and hostile room data and names.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUrl>
#include <QUrlQuery>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>

#include "Utils/MyRoomHelper.h"
#include "Utils/ZentUrlHandler.h"

using Utils::MyRoomHelper;
namespace P = RAZ::Contacts::Properties;

namespace {

QByteArray configText(bool calls, bool chat, const QString& chatKind, bool collab) {
  return ZentTest::configText({{ConfigId::CallsOnThisClient, calls},
                               {ConfigId::CommsHistory, chat},
                               {ConfigId::ChatProtocols, chatKind},
                               {ConfigId::WebCollabCredentialsEditable, collab},
                               {ConfigId::SeveralDesktopShares, collab}});
}

struct Room {
  QString name = QStringLiteral("Ann Lee");
  QString dialIn = QStringLiteral("+1 555 0100");
  QString id = QStringLiteral("4477");
  QString pin = QStringLiteral("2468");
  QString moderator = QStringLiteral("1357");
  QString collab = QStringLiteral("https://collab.example/room/ann");
  QString chat = QStringLiteral("room.ann@conference.example");
};

RAZ::Contacts::IContact* makeOwn(const Room& r) {
  QVariantMap p;
  auto put = [&p](int key, const QString& v) {
    if (!v.isEmpty()) p.insert(QString::number(key), v);
  };
  put(P::KeyFirstName, r.name);
  put(P::KeyMyRoomDialIn, r.dialIn);
  put(P::KeyMyRoomConferenceId, r.id);
  put(P::KeyMyRoomSecurityPin, r.pin);
  put(P::KeyMyRoomModeratorPin, r.moderator);
  put(P::KeyMyRoomWebcollab, r.collab);
  put(P::KeyMyRoomChat, r.chat);
  return new RAZ::Contacts::IContact(0, p);
}

// The attribute text inside a product link.
QString payloadOf(const QString& link) {
  return Utils::ZentUrlHandler::decodePayload(link.mid(QStringLiteral("zent:").size()));
}

}  // namespace

class TestMyRoom : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    QCoreApplication::setApplicationName("Zent");
  }

  void productLinkLeavesOutEmptyAttributes() {
    const QString onlyJid = MyRoomHelper::productLink({}, {}, {}, "r@x");
    QCOMPARE(payloadOf(onlyJid), QString("jid=\"r@x\""));
    const QString all = MyRoomHelper::productLink("sip:1", "c@x", "https://w", "c@x");
    QCOMPARE(payloadOf(all),
             QString("call=\"sip:1\";chat=\"c@x\";webcollab=\"https://w\";jid=\"c@x\""));
    QCOMPARE(MyRoomHelper::productLink({}, {}, {}, {}), QString("zent:"));
  }

  void productLinkValuesCannotForgeAttributes() {
    // A quote would end the value early and let the rest pose as another
    // attribute; the link handler must read back exactly one call address.
    const QString link = MyRoomHelper::productLink("sip:1\";webcollab=\"http://evil", {}, {}, {});
    const QString text = payloadOf(link);
    QCOMPARE(Utils::ZentUrlHandler::attribute(text, "webcollab"), QString());
    QCOMPARE(Utils::ZentUrlHandler::attribute(text, "call"),
             QString("sip:1;webcollab=http://evil"));
  }

  void tooltip() {
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(Room()));
    QCOMPARE(MyRoomHelper::invitationText(own.data(), true),
             QString("My Room\nDial-in Number: +1 555 0100\nConference ID: 4477\n"
                     "Security PIN: 2468\nModerator PIN: 1357"));
    Room none;
    none.dialIn.clear();
    QScopedPointer<RAZ::Contacts::IContact> roomless(makeOwn(none));
    QCOMPARE(MyRoomHelper::invitationText(roomless.data(), true), QString());
    QCOMPARE(MyRoomHelper::invitationText(roomless.data(), false), QString("My Room\n"));
    QCOMPARE(MyRoomHelper::invitationText(RAZ::Contacts::ContactPtr(), false), QString());
  }

  void plainInvitation_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("dialSection");
    QTest::addColumn<QString>("call");
    QTest::newRow("closing keys added") << "4477"
                                        << "2468"
                                        << "Dial-In Number: +1 555 0100, Conference ID: 4477#, "
                                           "Security PIN: 2468#"
                                        << "sip:+15550100;4477#2468#";
    QTest::newRow("closing keys kept") << "4477*"
                                       << "2468#"
                                       << "Dial-In Number: +1 555 0100, Conference ID: 4477*, "
                                          "Security PIN: 2468#"
                                       << "sip:+15550100;4477*#2468##";
    QTest::newRow("PIN alone") << ""
                               << "2468"
                               << "Dial-In Number: +1 555 0100, Security PIN: 2468#"
                               << "sip:+15550100;2468#";
    QTest::newRow("neither") << ""
                             << ""
                             << "Dial-In Number: +1 555 0100"
                             << "sip:+15550100";
  }
  void plainInvitation() {
    QFETCH(QString, id);
    QFETCH(QString, pin);
    QFETCH(QString, dialSection);
    QFETCH(QString, call);
    Room r;
    r.id = id;
    r.pin = pin;
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(r));
    RAZ::Configuration::Config config(configText(true, false, "xmpp", false), QString());
    const QString text = MyRoomHelper::buildInvitation(own.data(), true, false, &config);
    const QStringList lines = text.split("\r\n");
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QString("Zent Users:"));
    QVERIFY(lines.at(1).startsWith("Ann Lee's Session: zent:"));
    QCOMPARE(lines.at(2), dialSection);
    const QString link = lines.at(1).mid(QString("Ann Lee's Session: ").size());
    QCOMPARE(Utils::ZentUrlHandler::attribute(payloadOf(link), "call"), call);
  }

  void sectionsFollowTheSwitches() {
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(Room()));
    // Chat only where the chat kind is an IM one; the share needs both switches.
    RAZ::Configuration::Config sip(configText(false, true, "sip", false), QString());
    QVERIFY(!MyRoomHelper::buildInvitation(own.data(), true, false, &sip).contains("Users:"));
    RAZ::Configuration::Config im(configText(false, true, "xmpp", true), QString());
    const QString text = MyRoomHelper::buildInvitation(own.data(), true, false, &im);
    QVERIFY(text.contains("Users:"));
    QVERIFY(text.contains("Others:\r\nCollaboration Session: https://collab.example/room/ann"));
    const QString link = text.section("Ann Lee's Session: ", 1).section("\r\n", 0, 0);
    const QString payload = payloadOf(link);
    QCOMPARE(Utils::ZentUrlHandler::attribute(payload, "jid"), Room().chat);
    QCOMPARE(Utils::ZentUrlHandler::attribute(payload, "call"), QString());
    Room bare;
    bare.dialIn.clear();
    QScopedPointer<RAZ::Contacts::IContact> roomless(makeOwn(bare));
    RAZ::Configuration::Config off(configText(true, false, "", false), QString());
    QCOMPARE(MyRoomHelper::buildInvitation(roomless.data(), true, false, &off), QString());
  }

  void htmlEscapesEveryText() {
    Room r;
    r.name = "<script>alert(1)</script> & \"x\"";
    r.collab = "https://collab.example/?a=1&b=\"><img src=x onerror=alert(2)>";
    r.dialIn = "+1 555 0100";
    r.pin = "<b>1</b>";
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(r));
    RAZ::Configuration::Config config(configText(true, false, "", true), QString());
    const QString html = MyRoomHelper::buildInvitation(own.data(), true, true, &config);
    QVERIFY2(!html.contains("<script"), qPrintable(html));
    QVERIFY2(!html.contains("<img"), qPrintable(html));
    QVERIFY2(!html.contains("<b>1"), qPrintable(html));
    QVERIFY(html.contains("&lt;script&gt;"));
    // "&" is escaped before blanks: no entity is escaped twice.
    QVERIFY(!html.contains("&amp;nbsp;"));
    QVERIFY(html.contains("&nbsp;&amp;&nbsp;"));
    // The address stays inside its attribute.
    QVERIFY(html.contains("href=\"https://collab.example/?a=1&amp;b=&quot;&gt;&lt;img"));
    QVERIFY(html.contains("<b>Users:</b>"));
  }

  void htmlLinksOnlyWebAddresses() {
    Room r;
    r.collab = "javascript:alert(1)";
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(r));
    RAZ::Configuration::Config config(configText(false, false, "", true), QString());
    const QString html = MyRoomHelper::buildInvitation(own.data(), true, true, &config);
    QVERIFY(!html.contains("href=\"javascript"));
    QVERIFY(html.contains("href=\"zent:"));
  }

  void mailBodyIsWholeAfterHashAndAmpersand() {
    Room r;
    r.name = "Tom & Jerry";
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(r));
    RAZ::Configuration::Config config(configText(true, false, "", false), QString());
    const QString url = MyRoomHelper::mailUrl(own.data(), &config);
    QVERIFY(url.startsWith("mailto:?body="));
    const QUrl parsed(url, QUrl::StrictMode);
    QVERIFY(parsed.isValid());
    // Nothing of the body is taken for a fragment or another field.
    QVERIFY(!parsed.hasFragment());
    QUrlQuery query(parsed);
    QCOMPARE(query.queryItems().size(), 1);
    const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
    QCOMPARE(body, MyRoomHelper::buildInvitation(own.data(), false, false, &config));
    QVERIFY(body.contains("Tom & Jerry's Session"));
    QVERIFY(body.endsWith("Security PIN: 2468#"));
    QCOMPARE(MyRoomHelper::mailUrl(RAZ::Contacts::ContactPtr(), &config), QString());
  }

  void copyPutsBothFormsOnTheClipboard() {
    QScopedPointer<RAZ::Contacts::IContact> own(makeOwn(Room()));
    RAZ::Configuration::Config config(configText(true, false, "", false), QString());
    QApplication::clipboard()->clear();
    MyRoomHelper::copyInvitation(own.data(), &config);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->text(), MyRoomHelper::buildInvitation(own.data(), true, false, &config));
    QCOMPARE(mime->html(), MyRoomHelper::buildInvitation(own.data(), true, true, &config));
    QVERIFY(mime->html().contains("<a href=\"zent:"));
    // Without a contact nothing changes.
    MyRoomHelper::copyInvitation(RAZ::Contacts::ContactPtr(), &config);
    QCOMPARE(QApplication::clipboard()->mimeData()->text(), mime->text());
  }
};

ZENT_TEST_MAIN(TestMyRoom, QApplication)
#include "tst_myroom.moc"

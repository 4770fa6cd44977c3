// The chat transcript: message text to HTML, the page and its script bridge
// (in a headless web page), history rebuilds and file-transfer entries.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <memory>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/Models/ChatModel.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/Models/FTModel.h>
#include <RAZ/Models/Smileys.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>

#include "DemoFixture.h"
#include "Models/Chat/MessageModel.h"
#include "Models/Chat/TranscriptBridge.h"
#include "Models/Chat/TranscriptPage.h"
#include "TestSupport.h"
#include "libqml/utils/Style.h"

using Models::Chat::MessageModel;
using Models::Chat::TranscriptPage;
using RAZ::Data::FTAdapter;
using RAZ::Data::Message::Data;
using RAZ::Demo::ChatDemo;

namespace {

// The picture of a smile typed as `code`: its text is the code.
QString smile(const QString& code) {
  return QStringLiteral(
             "<img class='smiley' src='qrc:/smileys/smile.png' width='16' height='16' alt='%1' />")
      .arg(code);
}

// A chat with its transcript shown in a headless page.
struct Transcript {
  RAZ::Controllers::ChatInterface chat{QStringLiteral("alice@demo.zent"), false};
  MessageModel model;
  QWebPage page;
  TranscriptPage* host = nullptr;
  // Made before the page gets its document: a load may finish at once.
  std::unique_ptr<QSignalSpy> loads;

  explicit Transcript(const RAZ::Configuration::Config* config = nullptr) {
    model.setConfiguration(config);
    model.setParticipants(chat.getParticipants());
    model.setSmileys(new RAZ::Models::SmileysPtr());
    model.setSourceModel(chat.getChatModel());
    model.setOwnDisplayName(QStringLiteral("Me & Co"));
    model.setFtModel(chat.getFtModel());
    loads.reset(new QSignalSpy(&page, SIGNAL(loadFinished(bool))));
    host = new TranscriptPage(&model, &page, &model);
    host->setChat(&chat);
  }
  QVariant js(const QString& script) { return page.mainFrame()->evaluateJavaScript(script); }
  int entries() { return js("document.getElementById('messagelist').children.length").toInt(); }
  QString listHtml() { return js("document.getElementById('messagelist').innerHTML").toString(); }
  QString listText() { return js("document.getElementById('messagelist').textContent").toString(); }
};

Data message(int direction, const QString& sender, const QString& text,
             const QDateTime& time = QDateTime::currentDateTime()) {
  return Data(0, direction, sender, text, time);
}

}  // namespace

// Runs `action` and waits for the page to finish a load it started (a load
// may also finish inside the action).
#define WAIT_LOAD(spy, action)                                            \
  do {                                                                    \
    const int before_ = (spy).count();                                    \
    action;                                                               \
    QTRY_VERIFY_WITH_TIMEOUT((spy).count() > before_, ZentTest::kWaitMs); \
  } while (false)

class TstChatTranscript : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    ChatDemo::setAutoTransfer(false);
    m_style = new QML::Style(this);
  }

  void textToHtml_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("plain") << "hello world"
                           << "hello world";
    QTest::newRow("markup") << "<script>alert(1)</script>"
                            << "&lt;script&gt;alert(1)&lt;/script&gt;";
    QTest::newRow("less than") << "a < b"
                               << "a &lt; b";
    QTest::newRow("quotes") << "\"double\" 'single'"
                            << "&quot;double&quot; 'single'";
    QTest::newRow("placeholders") << "%1 and %2 %%1"
                                  << "%1 and %2 %%1";
    QTest::newRow("line feed") << "one\ntwo"
                               << "one<br/>two";
    QTest::newRow("crlf") << "one\r\ntwo"
                          << "one<br/><br/>two";
    QTest::newRow("mail") << "mail x.y+z@example.com now"
                          << "mail <a href=\"mailto:x.y+z@example.com\">x.y+z@example.com</a> now";
    QTest::newRow("mail capitals") << "X@Y.COM"
                                   << "<a href=\"mailto:X@Y.COM\">X@Y.COM</a>";
    QTest::newRow("web then comma") << "see http://a.b/c, ok"
                                    << "see <a href=\"http://a.b/c\">http://a.b/c</a>, ok";
    QTest::newRow("www") << "www2.x.org"
                         << "<a href=\"http://www2.x.org\">www2.x.org</a>";
    QTest::newRow("bare host") << "example.com"
                               << "example.com";
    QTest::newRow("bare host path is text") << "example.com/path"
                                            << "example.com/path";
    QTest::newRow("capital url") << "HTTP://A.B/C"
                                 << "HTTP://A.B/C";
    QTest::newRow("guillemets") << QString::fromUtf8("«http://a.b/c»")
                                << QString::fromUtf8("«<a href=\"http://a.b/c\">http://a.b/c</a>»");
    QTest::newRow("ampersand") << "http://a.b/?x=1&y=2"
                               << "<a href=\"http://a.b/?x=1&amp;y=2\">http://a.b/?x=1&amp;y=2</a>";
    QTest::newRow("quote in address") << "http://a.b/\"onmouseover=\"x"
                                      << "<a "
                                         "href=\"http://a.b/&quot;onmouseover=&quot;x\">http://a.b/"
                                         "&quot;onmouseover=&quot;x</a>";
    QTest::newRow("script scheme") << "javascript://alert(1)"
                                   << "javascript://alert(1)";
    QTest::newRow("product scheme") << "zent://x/y"
                                    << "zent://x/y";
    QTest::newRow("script before address")
        << "javascript:alert(1)//http://a.b/c"
        << "javascript:alert(1)//<a href=\"http://a.b/c\">http://a.b/c</a>";
    QTest::newRow("address at line end") << "go http://a.b/c\nnext"
                                         << "go <a href=\"http://a.b/c\">http://a.b/c</a><br/>next";
    // What follows an address is shown as typed, with nothing put between.
    QTest::newRow("markup right after an address")
        << "http://a.b/<x>"
        << "<a href=\"http://a.b/\">http://a.b/</a>&lt;x&gt;";
    QTest::newRow("mail then markup") << "a@b.cc<x> y@z.org,"
                                      << "<a href=\"mailto:a@b.cc\">a@b.cc</a>&lt;x&gt; "
                                         "<a href=\"mailto:y@z.org\">y@z.org</a>,";
    QTest::newRow("smiley") << "hi :-)"
                            << "hi " + smile(":-)");
    QTest::newRow("short smiley") << ":)x" << smile(":)") + "x";
    QTest::newRow("smiley ending a mail address")
        << "w@ww2.e2.e:) x"
        << "<a href=\"mailto:w@ww2.e2.e\">w@ww2.e2.e" + smile(":)") + "</a> x";
    // Typed private-use characters read as typed, never as a picture.
    QTest::newRow("forged token") << QString("x") + QChar(0xE000) + "y"
                                  << "x&#xe000;y";
    QTest::newRow("the set's own mark") << QString("x") + QChar(0xF8FF) + QChar(0xE000) + ":)"
                                        << "x&#xf8ff;&#xe000;" + smile(":)");
    QTest::newRow("private use ending a mail address")
        << QString("a@b.cc") + QChar(0xE001) + " x"
        << QString("<a href=\"mailto:a@b.cc\">a@b.cc&#xe001;</a> x");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only spaces") << "  "
                                 << "  ";
  }
  void textToHtml() {
    QFETCH(QString, text);
    QFETCH(QString, html);
    RAZ::Models::SmileysPtr smileys;
    QCOMPARE(MessageModel::textToHtml(text, &smileys), html);
  }

  void fillIsOnePass() {
    QCOMPARE(MessageModel::fill("<b>%1</b><i>%2</i>", {"%2", "x"}), QString("<b>%2</b><i>x</i>"));
    QCOMPARE(MessageModel::fill("%1%3", {"a"}), QString("a%3"));
  }

  void ids_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("clean");
    QTest::newRow("jid") << "a.b@c.d/res"
                         << "abcdres";
    QTest::newRow("markup") << "x'><script>"
                            << "xscript";
    QTest::newRow("plain") << "ab_C-9"
                           << "ab_C-9";
  }
  void ids() {
    QFETCH(QString, id);
    QFETCH(QString, clean);
    QCOMPARE(MessageModel::cleanId(id), clean);
    const QString page = MessageModel::pageId(id);
    QCOMPARE(MessageModel::transferIdFromPage(page), id);
    QVERIFY(QRegExp("[A-Za-z0-9_.~-]+").exactMatch(page));
  }

  void fileSizes_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << qint64(-5) << "-5 B";
    QTest::newRow("1023") << qint64(1023) << "1023 B";
    QTest::newRow("1024") << qint64(1024) << "1.0 KB";
    QTest::newRow("1536") << qint64(1536) << "1.5 KB";
    QTest::newRow("1048575") << qint64(1048575) << "1024.0 KB";
    QTest::newRow("1048576") << qint64(1048576) << "1.0 MB";
    QTest::newRow("2097152") << qint64(2097152) << "2.0 MB";
    QTest::newRow("1073741824") << qint64(1073741824) << "1.0 GB";
  }
  void fileSizes() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(MessageModel::formatFileSize(bytes), text);
  }

  void progressOffsets() {
    QCOMPARE(MessageModel::progressBarOffset(0), -51);
    QCOMPARE(MessageModel::progressBarOffset(50), -25);
    QCOMPARE(MessageModel::progressBarOffset(100), 0);
  }

  void jsStringsCannotEscape() {
    const QString s = TranscriptPage::jsString("a\"b'c\\d</script>\n\xe2\x80\xa8");
    QVERIFY(!s.mid(1, s.size() - 2).contains('"'));
    QVERIFY(!s.contains('\'') && !s.contains('<') && !s.contains('\n'));
    QWebPage page;
    QCOMPARE(page.mainFrame()->evaluateJavaScript(s).toString(),
             QString("a\"b'c\\d</script>\n\xe2\x80\xa8"));
  }

  // The page bridge follows the model and chat it is given until they are
  // destroyed, and says so each time.
  void bridgeLetsGoOfWhatIsDestroyed() {
    Models::Chat::TranscriptBridge bridge;
    QSignalSpy models(&bridge, SIGNAL(modelChanged()));
    QSignalSpy chats(&bridge, SIGNAL(chatChanged()));
    QSignalSpy messages(&bridge, SIGNAL(lastMessageChanged()));
    auto model = std::make_unique<MessageModel>();
    auto chat = std::make_unique<RAZ::Controllers::ChatInterface>("bob@demo.zent", false);
    for (int twice = 0; twice < 2; ++twice) {
      QVERIFY(bridge.setProperty("model", QVariant::fromValue<QObject*>(model.get())));
      QVERIFY(bridge.setProperty("chat", QVariant::fromValue<QObject*>(chat.get())));
      QVERIFY(bridge.setProperty("lastMessage", "<p>a</p>"));
    }
    QCOMPARE(models.count(), 1);
    QCOMPARE(chats.count(), 1);
    QCOMPARE(messages.count(), 1);
    model.reset();
    QCOMPARE(models.count(), 2);
    QCOMPARE(bridge.property("model").value<QObject*>(), nullptr);
    chat.reset();
    QCOMPARE(chats.count(), 2);
    QCOMPARE(bridge.property("chat").value<QObject*>(), nullptr);
    // Clicks from the page after that reach nothing.
    bridge.acceptClicked("1");
    bridge.performHtmlCommand("delete", 1);
    // Anything but a message model is no model.
    QVERIFY(bridge.setProperty("model", QVariant::fromValue<QObject*>(&bridge)));
    QCOMPARE(models.count(), 2);
  }

  void skeletonAndStyle() {
    MessageModel model;
    QVERIFY(model.htmlContent().startsWith("<html><head><style type='text/css'><!--"));
    QVERIFY(model.htmlContent().endsWith("<body><div id='messagelist'></div></body>"));
    QVERIFY(model.htmlContent().contains("qrc:/windows/CommunicationsWindow/Chat/chat.js"));
    // The theme's colours are in, no marker is left.
    QVERIFY(!model.css().isEmpty());
    QVERIFY(!model.css().contains("%%"));
    QVERIFY(model.css().contains(m_style->colors().value("whiteBackground").toString()));
    QCOMPARE(model.maxMessageLength(), 0);
  }

  void styleChangeRebuilds() {
    MessageModel model;
    QSignalSpy html(&model, SIGNAL(htmlChanged()));
    m_style->setColor("whiteBackground", "#123456");
    QVERIFY(html.count() >= 1);
    QVERIFY(model.htmlContent().contains("#123456"));
    m_style->setDefaults();
  }

  void pendingUntilLoaded() {
    RAZ::Controllers::ChatInterface chat("bob@demo.zent", false);
    MessageModel model;
    model.setSourceModel(chat.getChatModel());
    QSignalSpy added(&model, SIGNAL(messageAdded(QVariant, QVariant)));
    QSignalSpy incoming(&model, SIGNAL(incomingMessage()));
    chat.getChatModel()->appendMessage(message(1, "bob@demo.zent", "first"));
    chat.getChatModel()->appendMessage(message(1, "bob@demo.zent", "second"));
    chat.getChatModel()->requestAddUsersInfo();
    QCOMPARE(added.count(), 0);
    QCOMPARE(incoming.count(), 2);
    QCOMPARE(model.pendingHtml().size(), 3);
    model.pageLoadFinished();
    QCOMPARE(added.count(), 3);
    // The hint was put first; the messages follow in arrival order.
    QVERIFY(added.at(0).at(0).toString().contains("addusersinfo"));
    QVERIFY(added.at(1).at(0).toString().contains("first"));
    QVERIFY(added.at(2).at(0).toString().contains("second"));
    QVERIFY(model.pendingHtml().isEmpty());
  }

  void messagesReachThePage() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    QVERIFY(t.model.pageLoaded());
    QCOMPARE(t.entries(), 0);
    QVERIFY(t.js("typeof window.qml.getLatestMessage").toString() == "function");

    const QDateTime now = QDateTime::currentDateTime();
    t.chat.getParticipants()->rename("alice@demo.zent", "<b>Alice</b>");
    QSignalSpy received(&t.model, SIGNAL(lastMessageReceivedChanged()));
    t.chat.getChatModel()->appendMessage(
        message(1, "alice@demo.zent", "<img src=x onerror='window.qml.acceptClicked(1)'>", now));
    t.chat.getChatModel()->appendMessage(message(1, "alice@demo.zent", "second :-)", now));
    QCOMPARE(received.count(), 2);
    QCOMPARE(t.model.lastMessageReceived(), now);
    // One date, one header, two contents.
    QCOMPARE(t.js("document.querySelectorAll('#messagelist .date').length").toInt(), 1);
    QCOMPARE(t.js("document.querySelectorAll('#messagelist .remote_sender').length").toInt(), 1);
    QCOMPARE(t.js("document.querySelectorAll('#messagelist .remote_content').length").toInt(), 2);
    // Remote markup stays text; only the smiley is an image.
    QCOMPARE(t.js("document.querySelectorAll('#messagelist img').length").toInt(), 1);
    QCOMPARE(t.js("document.querySelectorAll('#messagelist b').length").toInt(), 0);
    QVERIFY(t.listText().contains("<b>Alice</b>"));
    QVERIFY(t.listText().contains("<img src=x onerror="));
    QCOMPARE(t.js("document.getElementsByClassName('sender alicedemozent').length").toInt(), 1);

    // An own message: local header with the escaped own name; no receive time.
    t.chat.sendMessage("mine");
    QCOMPARE(received.count(), 2);
    QCOMPARE(t.js("document.querySelectorAll('#messagelist .local_content').length").toInt(), 1);
    QVERIFY(t.listText().contains("Me & Co"));

    // A rename reaches every header of that party, as text.
    t.chat.getParticipants()->rename("alice@demo.zent", "Alice <i>M</i>");
    QCOMPARE(
        t.js("document.getElementsByClassName('sender alicedemozent')[0].textContent").toString(),
        QString("Alice <i>M</i>"));

    // Notes carry names as text.
    QMetaObject::invokeMethod(&t.model, "participantAdded", Q_ARG(QString, "x"),
                              Q_ARG(QString, "<u>Eve</u> %2"));
    QVERIFY(t.listText().contains("<u>Eve</u> %2 has joined chat"));
    QCOMPARE(t.js("document.querySelectorAll('#messagelist u').length").toInt(), 0);
    QMetaObject::invokeMethod(&t.model, "onRoomIsClosing", Q_ARG(uint, 119u));
    QVERIFY(t.listText().contains("Your share will close in 1 minute(s)"));
  }

  void removeUpdateAndReset() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    RAZ::Models::ChatModel* chat = t.chat.getChatModel();
    const int first = chat->appendMessage(message(1, "alice@demo.zent", "one"));
    chat->appendMessage(message(0, QString(), "two"));
    chat->appendMessage(message(1, "alice@demo.zent", "three"));
    QCOMPARE(t.js("document.querySelectorAll('#messagelist div[class$=_content]').length").toInt(),
             3);

    // An update changes nothing until the next rebuild.
    const QString before = t.listHtml();
    QVERIFY(chat->updateMessageStatus(first, Data::StatusTimedOut, false));
    QCOMPARE(t.listHtml(), before);

    // Removing rebuilds the document, which the page loads again.
    WAIT_LOAD(loaded, QVERIFY(chat->removeMessage(first)));
    QCOMPARE(t.js("document.querySelectorAll('#messagelist div[class$=_content]').length").toInt(),
             2);
    QVERIFY(!t.listText().contains("one"));

    // A message added while the rebuilt page loads is shown after the load.
    WAIT_LOAD(loaded, {
      chat->removeMessage(chat->getMessages().first().getId());
      chat->appendMessage(message(1, "alice@demo.zent", "four"));
    });
    QVERIFY(t.listText().contains("three"));
    QVERIFY(t.listText().contains("four"));

    // History: the older messages come in through a reset.
    chat->addHistory(
        message(1, "alice@demo.zent", "old one", QDateTime::currentDateTime().addDays(-3)));
    WAIT_LOAD(loaded, {
      t.model.updateMessagesFrom(MessageModel::LastWeek);
      QVERIFY(!t.model.pageLoaded());
    });
    QVERIFY(t.model.pageLoaded());
    QVERIFY(t.listText().indexOf("old one") < t.listText().indexOf("three"));
    QCOMPARE(t.js("document.querySelectorAll('#messagelist .date').length").toInt(), 2);
    // Share invitations never show.
    chat->appendMessage(message(1, "alice@demo.zent",
                                RAZ::Webcollab::WebcollabControllerBase::shareInvitationTag("s1")));
    QVERIFY(!t.listHtml().contains("zent-share"));
  }

  void timedOutAndSms() {
    MessageModel model;
    Data d = message(0, QString(), "x");
    d.setStatus(Data::StatusTimedOut);
    const QString html = model.createHtml(d);
    QVERIFY(html.endsWith("</div>\nRequest timed out, message wasn&#x27;t sent.") ||
            html.endsWith("</div>\nRequest timed out, message wasn't sent."));
    Data sms = message(0, QString(), "y");
    sms.setType(Data::Sms);
    sms.setId(42);
    sms.setSent(false);
    const QString smsHtml = model.createHtml(sms);
    QVERIFY(smsHtml.contains("id='msgicon-42'"));
    QVERIFY(smsHtml.contains("performHtmlCommand(\"delete\", 42)"));
    QVERIFY(smsHtml.contains("Me Sending SMS..."));
  }

  void deleteCommandFromPage() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    const int id = t.chat.getChatModel()->appendMessage(message(0, QString(), "to delete"));
    t.js(QString("performHtmlCommand('other', %1)").arg(id));
    QCOMPARE(t.chat.getChatModel()->messageCount(), 1);
    t.js(QString("performHtmlCommand('delete', %1)").arg(id));
    QCOMPARE(t.chat.getChatModel()->messageCount(), 0);
  }

  void typing() {
    RAZ::Controllers::ChatInterface chat("bob@demo.zent", false);
    MessageModel model;
    model.setParticipants(chat.getParticipants());
    connect(&chat, SIGNAL(typersChanged(QStringList)), &model, SLOT(typersChanged(QStringList)));
    QSignalSpy changed(&model, SIGNAL(typingNotificationChanged()));
    chat.getParticipants()->rename("bob", "Bob");
    chat.getParticipants()->rename("eve", "Eve <3");
    ChatDemo::setTypers(&chat, {"bob", "eve"});
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    // Shown as plain text: the name stays as written, never read as markup.
    QCOMPARE(model.typingNotification(), QString("Bob, Eve <3 are typing..."));
    ChatDemo::setTypers(&chat, {"Carol"});
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    QCOMPARE(model.typingNotification(), QString("carol is typing..."));
    ChatDemo::setTypers(&chat, {});
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    QVERIFY(model.typingNotification().isEmpty());
  }

  void transferStates_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("expected");
    QTest::newRow("offer") << 0 << int(FTAdapter::StateOffered) << true << "Accept";
    QTest::newRow("invalid offer")
        << 0 << int(FTAdapter::StateOffered) << false << "Transfer failed";
    QTest::newRow("waiting") << 1 << int(FTAdapter::StateRequested) << true << "Waiting...";
    QTest::newRow("receiving") << 0 << int(FTAdapter::StateTransferring) << true
                               << "Receiving file";
    QTest::newRow("sending") << 1 << int(FTAdapter::StateTransferring) << true << "Sending file";
    QTest::newRow("sent") << 1 << int(FTAdapter::StateSent) << true << "File sent";
    QTest::newRow("cancelled") << 0 << int(FTAdapter::StateCancelled) << true
                               << "Transfer cancelled";
    QTest::newRow("failed") << 0 << int(FTAdapter::StateFailed) << true << "Transfer failed";
    QTest::newRow("timed out") << 0 << int(FTAdapter::StateTimedOut) << true
                               << "Transfer timed out";
    QTest::newRow("encryption") << 0 << int(FTAdapter::StateEncryptionMismatch) << true
                                << "Incompatible encryption level.";
    QTest::newRow("received, missing")
        << 0 << int(FTAdapter::StateReceived) << true << "The file does not exist";
    QTest::newRow("other") << 0 << int(FTAdapter::StatePreparing) << true << "";
  }
  void transferStates() {
    QFETCH(int, direction);
    QFETCH(int, state);
    QFETCH(bool, valid);
    QFETCH(QString, expected);
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    FTAdapter* ft =
        ChatDemo::offerFile(&t.chat, "<b>report</b> %2.pdf", 2097152, direction, "x'y\"z");
    QVERIFY(ft);
    // Rebuilt with the transfer in the state under test.
    ft->setValid(valid);
    ft->setState(FTAdapter::State(state));
    WAIT_LOAD(loaded, t.model.updateMessagesFrom(0));
    const QString text = t.listText();
    if (expected.isEmpty()) {
      QCOMPARE(t.js("document.querySelectorAll('.filetransfer').length").toInt(), 0);
      return;
    }
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY(text.contains("<b>report</b> %2.pdf"));
    QCOMPARE(t.js("document.querySelectorAll('#messagelist b').length").toInt(), 0);
    QCOMPARE(t.js("document.querySelectorAll('.filetransfer').length").toInt(), 1);
  }

  void transferLifecycle() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    QSignalSpy incoming(&t.model, SIGNAL(incomingMessage()));
    FTAdapter* ft = ChatDemo::offerFile(&t.chat, "notes.txt", 2097152, 0, "id with spaces'");
    QCOMPARE(incoming.count(), 1);
    QVERIFY(t.listText().contains("File Size 2.0 MB"));
    QVERIFY(t.model.lastActivityIsFileOffer());
    QCOMPARE(t.js("document.querySelectorAll('.ft_button').length").toInt(), 2);

    // Accept through the page's own link reaches the transfer model.
    QSignalSpy accept(t.chat.getFtModel(), SIGNAL(acceptRequested(RAZ::Data::FTAdapter*)));
    t.js("document.querySelector('.ft_button').onclick()");
    QCOMPARE(accept.count(), 1);
    QCOMPARE(accept.first().at(0).value<RAZ::Data::FTAdapter*>(), ft);

    // Transferring: a bar at -51 px, then the progress.
    const QString pid = MessageModel::pageId(ft->getId());
    ChatDemo::setTransferState(ft, FTAdapter::StateTransferring);
    QVERIFY(t.listText().contains("Receiving file"));
    QCOMPARE(
        t.js(QString("document.getElementById('progressbar-%1').style.backgroundPosition").arg(pid))
            .toString(),
        QString("-51px 0px"));
    ChatDemo::setTransferProgress(ft, 50);
    QCOMPARE(
        t.js(QString("document.getElementById('progressbar-%1').style.backgroundPosition").arg(pid))
            .toString(),
        QString("-25px 0px"));
    QCOMPARE(
        t.js(QString("document.getElementById('ft_loaded-%1').textContent").arg(pid)).toString(),
        QString("1.0 MB"));

    // Received: the file exists, open and show links.
    QTemporaryDir dir;
    QFile file(dir.filePath("notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ft->setFilePath(file.fileName());
    ChatDemo::setTransferState(ft, FTAdapter::StateReceived);
    QVERIFY(t.listText().contains("File received, click to open"));
    // The file goes away: the link says so instead of opening nothing.
    QVERIFY(QFile::remove(file.fileName()));
    QSignalSpy state(&t.model, SIGNAL(stateChanged(QVariant, QVariant)));
    t.js(QString("window.qml.openFileClicked(%1)").arg(TranscriptPage::jsString(pid)));
    QCOMPARE(state.count(), 1);
    QVERIFY(t.listText().contains("The file does not exist"));
    // A transfer that arrives in a state not followed gets no live updates.
    auto* quiet = new FTAdapter("q1", "alice@demo.zent", 0, "quiet.txt", 5);
    quiet->setState(FTAdapter::StatePreparing);
    t.chat.getFtModel()->addTransfer(quiet);
    ChatDemo::setTransferState(quiet, FTAdapter::StateTransferring);
    QCOMPARE(state.count(), 1);
    QVERIFY(!t.listText().contains("quiet.txt"));
    // Unknown ids do nothing.
    t.js("window.qml.openFileClicked('nope'); window.qml.showInFolderClicked('nope')");
    QCOMPARE(state.count(), 1);
  }

  void declineCancels() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QCOMPARE(loaded.count(), 1);
    FTAdapter* ft = ChatDemo::offerFile(&t.chat, "a.bin", 10, 0);
    t.js("document.querySelectorAll('.ft_button')[1].onclick()");
    QSignalSpy changed(ft, SIGNAL(stateChanged(RAZ::Data::FTAdapter::State)));
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    QCOMPARE(ft->getState(), FTAdapter::StateCancelled);
    QVERIFY(t.listText().contains("Transfer cancelled"));
  }

  void sendingAFile() {
    Transcript t;
    QSignalSpy& loaded = *t.loads;
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
    QTemporaryDir dir;
    QFile file(dir.filePath("slides.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, 'x'));
    file.close();
    // Through the session's file-transfer controller, as the window sends.
    RAZ::Controllers::FtController controller;
    QSignalSpy started(&controller, SIGNAL(transferStarted(QString)));
    controller.startFileTransfer(&t.chat, file.fileName());
    QCOMPARE(started.count(), 1);
    RAZ::Data::FTAdapter* ft = t.chat.getFtModel()->getLastFt();
    QVERIFY(ft);
    QCOMPARE(ft->getDirection(), int(FTAdapter::Sending));
    QCOMPARE(ft->getFileSize(), qint64(3000));
    QVERIFY(t.listText().contains("Waiting..."));
    QVERIFY(t.listText().contains("Me & Co"));
    // The script moves it on: sending, then sent.
    ChatDemo::setTransferState(ft, FTAdapter::StateTransferring);
    QVERIFY(t.listText().contains("Sending file"));
    ChatDemo::setTransferState(ft, FTAdapter::StateSent);
    QVERIFY(t.listText().contains("File sent"));
  }

  void sizeLimits() {
    const RAZ::Configuration::Config limits(
        ZentTest::configText(
            {{ConfigId::OutgoingFileSizeLimit, 1000}, {ConfigId::IncomingFileSizeLimit, 1000}}),
        QString());
    {
      Transcript t(&limits);
      FTAdapter* small = ChatDemo::offerFile(&t.chat, "s", 1000, 1);
      FTAdapter* big = ChatDemo::offerFile(&t.chat, "b", 1001, 1);
      QCOMPARE(small->cancelCount(), 0);
      QCOMPARE(big->cancelCount(), 1);
      QSignalSpy& loaded = *t.loads;
      QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, ZentTest::kWaitMs);
      QCOMPARE(loaded.count(), 1);
      QTRY_COMPARE_WITH_TIMEOUT(big->getState(), FTAdapter::StateCancelled, ZentTest::kWaitMs);
      QVERIFY(t.listText().contains("The outgoing file is too large"));
      FTAdapter* in = ChatDemo::offerFile(&t.chat, "in", 5000, 0);
      ChatDemo::setTransferState(in, FTAdapter::StateCancelled);
      QVERIFY(t.listText().contains("File Size 4.9 KB. The incoming file is too large"));
    }
    const RAZ::Configuration::Config none(
        ZentTest::configText({{ConfigId::OutgoingFileSizeLimit, 0}}), QString());
    Transcript t(&none);
    FTAdapter* big = ChatDemo::offerFile(&t.chat, "b", 1 << 30, 1);
    QCOMPARE(big->cancelCount(), 0);
  }

  void sameSenderGrouping() {
    MessageModel model;
    RAZ::Controllers::ChatInterface chat("p", false);
    model.setFtModel(chat.getFtModel());
    QSignalSpy added(&model, SIGNAL(messageAdded(QVariant, QVariant)));
    model.pageLoadFinished();
    ChatDemo::offerFile(&chat, "1", 1, 0);
    ChatDemo::offerFile(&chat, "2", 1, 0);
    QCOMPARE(added.count(), 2);
    QVERIFY(added.at(0).at(0).toString().contains("remote_sender"));
    QVERIFY(!added.at(1).at(0).toString().contains("remote_sender"));
  }

  void rebuildOrder() {
    RAZ::Controllers::ChatInterface chat("p", false);
    MessageModel model;
    model.setSourceModel(chat.getChatModel());
    const QDateTime t0 = QDateTime::currentDateTime();
    chat.getChatModel()->appendMessage(message(1, "p", "MSG", t0));
    FTAdapter* ft = ChatDemo::offerFile(&chat, "FILE", 1, 0);
    ft->setTime(t0);
    model.setFtModel(chat.getFtModel());
    const QString html = model.htmlContent();
    QVERIFY(html.indexOf("MSG") >= 0);
    QVERIFY(html.indexOf("MSG") < html.indexOf("FILE"));
    // A transfer strictly earlier goes first.
    ft->setTime(t0.addSecs(-1));
    model.updateMessagesFrom(0);
    QSignalSpy html2(&model, SIGNAL(htmlChanged()));
    QVERIFY(html2.wait(ZentTest::kWaitMs));
    QVERIFY(model.htmlContent().indexOf("FILE") < model.htmlContent().indexOf("MSG"));
    // Detached: no more transfer entries.
    model.detachFtModel();
    ChatDemo::offerFile(&chat, "LATER", 1, 0);
    QVERIFY(!model.pendingHtml().join("").contains("LATER"));
  }

  // Who joined and left stays where it happened when the page is rebuilt
  // (another language, style or history period); deleting the history
  // takes it too.
  void notesKeepTheirPlaceInARebuild() {
    RAZ::Controllers::ChatInterface chat("room@conference.demo.zent", true);
    MessageModel model;
    model.setParticipants(chat.getParticipants());
    model.setSourceModel(chat.getChatModel());
    const QDateTime now = QDateTime::currentDateTime();
    chat.getChatModel()->appendMessage(message(1, "p", "EARLY", now.addSecs(-60)));
    chat.getParticipants()->add("eve@demo.zent", "Eve");
    chat.getChatModel()->appendMessage(message(1, "p", "LATE", now.addSecs(60)));
    QSignalSpy rebuilt(&model, SIGNAL(htmlChanged()));
    model.updateMessagesFrom(0);
    QVERIFY(rebuilt.wait(ZentTest::kWaitMs));
    const QString html = model.htmlContent();
    const int joined = html.indexOf("Eve has joined chat");
    QVERIFY2(joined > html.indexOf("EARLY") && joined < html.indexOf("LATE"), qPrintable(html));
    model.deleteHistory();
    QTRY_VERIFY_WITH_TIMEOUT(!model.htmlContent().contains("LATE"), ZentTest::kWaitMs);
    QVERIFY(!model.htmlContent().contains("Eve has joined chat"));
  }

  void renamesReachNewPages() {
    RAZ::Controllers::ChatInterface chat("p", true);
    MessageModel model;
    model.setParticipants(chat.getParticipants());
    QSignalSpy names(&model, SIGNAL(contactNameChanged(QVariant, QVariant)));
    chat.getParticipants()->rename("a.b@c", "A <x>");
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toString(), QString("abc"));
    QCOMPARE(names.at(0).at(1).toString(), QString("A &lt;x&gt;"));
    model.pageLoadFinished();
    QCOMPARE(names.count(), 2);
    QCOMPARE(names.at(1).at(0).toString(), QString("abc"));
  }

 private:
  QML::Style* m_style = nullptr;
};

ZENT_TEST_MAIN(TstChatTranscript, QApplication)
#include "tst_chat_transcript.moc"

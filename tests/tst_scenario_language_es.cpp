// A user of a Spanish system switches the interface to English while a chat
// is open, through Preferences: the names the service gave (groups, rooms),
// the transcript's times and dates, the page's own menu and the banner
// follow at once, the way English writes them, the chat keeps every
// message and a room every line of who joined it.
#include <QComboBox>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/Demo/Service.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::ChatDemo;
using ZentTest::Scenario;
using ZentTest::SceneDriver;
using ZentTest::showViewWith;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-language-es-", "es");

const char kTranscript[] = "transcriptView";

// The page's menu (a right click on the transcript) holds `entry`. The menu
// runs until it is closed: its entries are read, and it is closed, from the
// event loop it runs.
QString pageMenuHolds(SceneDriver chat, const QString& entry) {
  QStringList texts;
  QTimer reader;
  reader.setInterval(10);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    QMenu* menu = ZentTest::openMenu();
    if (!menu) return;
    texts = ZentTest::menuTexts(menu);
    reader.stop();
    menu->close();
  });
  reader.start();
  const QString problem = chat.rightClick(QString::fromLatin1(kTranscript));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([&] { return !texts.isEmpty(); }, ZentTest::kWaitMs))
    return QStringLiteral("no menu opened");
  if (texts.contains(entry)) return QString();
  return QStringLiteral("the page's menu holds %1, not \"%2\"").arg(texts.join('|'), entry);
}

}  // namespace

class ScenarioLanguageSpanish : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioLanguageSpanish() : ScenarioTestObject(g_environment) {}

 private slots:
  void cleanup() { Scenario::tidy(); }

  void aLiveSwitchReachesEveryText() {
    // A new account is asked where it is: the place the service found is
    // published as it reads in Spanish.
    qputenv("ZENT_DEMO_LOCATION", "1");
    const QString signedIn = Scenario::signIn(QStringLiteral("lucia"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(signedIn);
    Dialogs::LocationPublish* where = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&where));
    REQUIRE(ZentTest::clickButton(where, QStringLiteral("setLocationButton")));
    REQUIRE(Scenario::mainScene().waitText(QStringLiteral("ownLocationText"),
                                           QStringLiteral("Berlín, ALEMANIA")));
    QVERIFY(Scenario::demo().incomingSession(kInes, CommunicationSession::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    REQUIRE(SceneDriver(popup).click(QStringLiteral("line")));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kInesName, &window));
    SceneDriver chat = SceneDriver::of(window);
    REQUIRE(chat.waitVisible(QStringLiteral("messageInput")));
    ChatInterface* ines = window->getSession() ? window->getSession()->getChatInterface() : nullptr;
    QVERIFY(ines);
    const QStringList said = {QStringLiteral("first line"), QStringLiteral("second line"),
                              QStringLiteral("third line")};
    for (int i = 0; i < said.size(); ++i) {
      if (i == 1) {
        ChatDemo::receiveMessage(ines, QString(), said.at(i));
      } else {
        REQUIRE(chat.focus(QStringLiteral("messageInput")));
        REQUIRE(chat.type(said.at(i)));
        REQUIRE(chat.press(Qt::Key_Return));
      }
      REQUIRE(chat.waitPageText(kTranscript, said.at(i)));
    }
    REQUIRE(pageMenuHolds(chat, QStringLiteral("Seleccionar todo")));
    SceneDriver main = Scenario::mainScene();
    // The user's own room, where someone comes in: its transcript says so.
    REQUIRE(showViewWith(QStringLiteral("myRoomRow")));
    REQUIRE(main.click(QStringLiteral("myRoomRow")));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Mi sala"), &room));
    SceneDriver roomChat;
    REQUIRE(ZentTest::sceneWith(room, QString::fromLatin1(kTranscript), &roomChat));
    QVERIFY(ChatDemo::enterRoom(room->getSession()->getChatInterface(),
                                QStringLiteral("guest@demo.zent"), QStringLiteral("Guest")));
    REQUIRE(roomChat.waitPageText(kTranscript, QStringLiteral("Guest se ha unido al chat")));
    REQUIRE(showViewWith(QStringLiteral("groupHeaderName")));
    QVERIFY(main.row(QStringLiteral("groupHeaderName"), QStringLiteral("Equipo")));
    REQUIRE(main.waitPageText(QStringLiteral("bannerView"),
                              QStringLiteral("Servicio de demostración de Zent")));

    REQUIRE(Scenario::chooseLanguage(QStringLiteral("English")));
    // The room keeps its line, said in English.
    REQUIRE(roomChat.waitPageText(kTranscript, QStringLiteral("Guest has joined chat")));
    // The service's names, said again in English.
    QTRY_VERIFY2_WITH_TIMEOUT(main.row(QStringLiteral("groupHeaderName"), QStringLiteral("Team")),
                              qPrintable(main.text(QStringLiteral("groupHeaderName"))),
                              ZentTest::kWaitMs);
    QVERIFY(!main.row(QStringLiteral("groupHeaderName"), QStringLiteral("Equipo")));
    REQUIRE(main.waitText(QStringLiteral("ownLocationText"), QStringLiteral("Berlin, GERMANY")));
    REQUIRE(main.waitPageText(QStringLiteral("bannerView"), QStringLiteral("Zent demo service")));
    // Every message stays, its time said the English way, its date too.
    const QRegularExpression englishTime(QStringLiteral("\\b\\d{1,2}:\\d\\d (AM|PM)\\b"));
    QTRY_VERIFY2_WITH_TIMEOUT(englishTime.match(chat.pageText(kTranscript)).hasMatch(),
                              qPrintable(chat.pageText(kTranscript)), ZentTest::kWaitMs);
    for (const QString& s : said) REQUIRE(chat.waitPageText(kTranscript, s));
    const QString page = chat.pageText(kTranscript);
    QVERIFY2(!page.contains(QStringLiteral("A. M.")) && !page.contains(QStringLiteral("P. M.")) &&
                 !page.contains(QStringLiteral("a. m.")) && !page.contains(QStringLiteral("p. m.")),
             qPrintable(page));
    const QDate today = QDate::currentDate();
    const QString date = QLocale(QLocale::English, QLocale::UnitedStates)
                             .toString(today, QStringLiteral("MMMM d, yyyy"));
    QVERIFY2(page.contains(date), qPrintable(date + " not in: " + page));
    REQUIRE(pageMenuHolds(chat, QStringLiteral("Select All")));
    // The rooms list names the service's rooms in English.
    REQUIRE(showViewWith(QStringLiteral("roomRow")));
    QTRY_VERIFY2_WITH_TIMEOUT(main.row(QStringLiteral("roomRow"), QStringLiteral("Support desk")),
                              qPrintable(main.visibleNames().join(' ')), ZentTest::kWaitMs);
    QVERIFY(!main.row(QStringLiteral("roomRow"), QStringLiteral("Mesa de soporte")));
  }
};

ZENT_TEST_MAIN(ScenarioLanguageSpanish, Application)
#include "tst_scenario_language_es.moc"

// The main window as a user meets it on the demo service, through its
// scene and its menus: the call-settings toolbar with the services' state,
// "Call Settings..." following the service, the edit menus of the search
// and dial fields, the active call's "more" button, My Room in the rooms
// list, the banners of the history and the directory, the rooms button
// after the service returns, the left pane's tooltips, the directory view,
// profile photos, the availability menu's pictures, the Add Group dialog
// while the service is away, and a day's history, seen marks and location
// after a restart (a history that cannot be read is kept aside and said).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>

#include "Application.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "SceneDriver.h"
#include "SessionScope.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "dialogs/InputWidget.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/window/View.h"

using ZentTest::SceneDriver;

namespace {

const bool g_environment = ZentTest::Scenario::prepareWithControl("zent-test-scenario-mainwin-");

RAZ::Demo::Service& demo() { return RAZ::Demo::Service::instance(); }

const int kBruno = 102;  // a demo contact

// The texts of the menu that opens next, closed again.
QString menuOf(QStringList* texts, QList<ZentTest::MenuEntry>* entries = nullptr) {
  QMenu* menu = nullptr;
  const QString problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  *texts = ZentTest::menuTexts(menu);
  if (entries) *entries = ZentTest::menuEntries(menu);
  ZentTest::closeMenus();
  return QString();
}

bool entryEnabled(const QList<ZentTest::MenuEntry>& entries, const QString& text) {
  for (const ZentTest::MenuEntry& e : entries)
    if (e.text == text) return e.enabled;
  return false;
}

// Waits for a row of the error banner that says `title`.
QString waitForBannerRow(const SceneDriver& scene, const QString& title) {
  if (QTest::qWaitFor([&] { return scene.row(QStringLiteral("errorRow"), title) != nullptr; }))
    return QString();
  return QStringLiteral("no banner row \"%1\"").arg(title);
}

}  // namespace

class TestScenarioMainWindow : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  TestScenarioMainWindow() : ScenarioTestObject(g_environment) {}

 private:
  using Scenario = ZentTest::Scenario;

  SceneDriver scene() { return Scenario::mainScene(); }
  QML::MainWindow* mainWindow() { return app()->mainWindow(); }
  static Application* app() { return static_cast<Application*>(qApp); }

  // Opens the options menu of the main window's bottom bar.
  QString optionsMenu(QList<ZentTest::MenuEntry>* entries) {
    SceneDriver s = scene();
    const QString clicked = s.click(QStringLiteral("optionsButton"));
    if (!clicked.isEmpty()) return clicked;
    QStringList texts;
    return menuOf(&texts, entries);
  }

 private slots:
  void init() { REQUIRE(Scenario::signIn()); }
  void cleanup() {
    Scenario::tidy();
    demo().failCallLogRetrieval(false);
    REQUIRE(Scenario::signOut());
  }

  // The toolbar shows every service the configuration offers, lit while the
  // service is on, each with its picture; Do Not Disturb switches in a click.
  void toolbarShowsTheServices() {
    SceneDriver s = scene();
    REQUIRE(s.waitVisible(QStringLiteral("callSettingsToolbar")));
    for (const char* name : {"callSettingsButton", "anywhereButton", "remoteOfficeButton",
                             "forwardingButton", "doNotDisturbButton"})
      REQUIRE(s.waitVisible(QString::fromLatin1(name)));
    // The demo account forwards when busy and rings its mobile anywhere.
    QTRY_VERIFY(s.item(QStringLiteral("forwardingButton"))->property("active").toBool());
    QTRY_VERIFY(s.item(QStringLiteral("anywhereButton"))->property("active").toBool());
    QQuickItem* dnd = s.item(QStringLiteral("doNotDisturbButton"));
    QVERIFY(!dnd->property("active").toBool());
    REQUIRE(s.click(dnd));
    QTRY_VERIFY(dnd->property("active").toBool());
    REQUIRE(s.click(dnd));
    QTRY_VERIFY(!dnd->property("active").toBool());
    // Each button shows the theme's picture, none the fallback sign.
    for (QQuickItem* picture : s.items(QStringLiteral("toolbarPicture")))
      QCOMPARE(picture->property("status").toInt(), 1 /* Image.Ready */);
    QVERIFY(s.items(QStringLiteral("toolbarPicture")).size() >= 5);
    // The forwarding menu lists the configured options, the busy one on.
    REQUIRE(s.click(QStringLiteral("forwardingButton")));
    QStringList texts;
    QList<ZentTest::MenuEntry> entries;
    REQUIRE(menuOf(&texts, &entries));
    QCOMPARE(texts,
             QStringList({"Call Forward Always", "Call Forward Busy", "Call Forward No Answer",
                          "Call Forward Not Reachable", "Configure..."}));
    QVERIFY(entries.at(1).checked);
  }

  // "Call Settings..." is there while the service is, and opens one window.
  void callSettingsFollowTheService() {
    QList<ZentTest::MenuEntry> entries;
    REQUIRE(optionsMenu(&entries));
    QVERIFY(entryEnabled(entries, QStringLiteral("Call Settings...")));
    QVERIFY(demo().loseService());
    QTRY_VERIFY(!scene().isEnabled(QStringLiteral("callSettingsButton")));
    REQUIRE(optionsMenu(&entries));
    QVERIFY(!entryEnabled(entries, QStringLiteral("Call Settings...")));
    QVERIFY(demo().restoreService());
    QTRY_VERIFY(scene().isEnabled(QStringLiteral("callSettingsButton")));
    REQUIRE(optionsMenu(&entries));
    QVERIFY(entryEnabled(entries, QStringLiteral("Call Settings...")));
    // The call settings live on the XSI connection alone: without it the
    // entry goes grey while calls and chat stay; it comes back with it.
    QCOMPARE(Scenario::control("lose-xsi"), QStringLiteral("ok"));
    QAction* callSettings =
        app()->menuActionProvider()->action(Providers::MenuActionProvider::CallSettings);
    QTRY_VERIFY(!callSettings->isEnabled());
    REQUIRE(optionsMenu(&entries));
    QVERIFY(!entryEnabled(entries, QStringLiteral("Call Settings...")));
    QCOMPARE(Scenario::control("restore-xsi"), QStringLiteral("ok"));
    QTRY_VERIFY(callSettings->isEnabled());
    REQUIRE(optionsMenu(&entries));
    QVERIFY(entryEnabled(entries, QStringLiteral("Call Settings...")));
    REQUIRE(scene().click(QStringLiteral("optionsButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Call Settings...")}));
    QML::CallSettings* window = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&window));
    int windows = 0;
    for (QWidget* w : ZentTest::visibleWindows())
      if (qobject_cast<QML::CallSettings*>(w)) ++windows;
    QCOMPARE(windows, 1);
    window->close();
  }

  // The search field's menu offers the edit entries with nothing selected;
  // the dial field's menu edits the dial field.
  void textFieldsHaveEditMenus() {
    SceneDriver s = scene();
    QApplication::clipboard()->setText(QStringLiteral("555"));
    REQUIRE(s.rightClick(QStringLiteral("searchField")));
    QStringList texts;
    REQUIRE(menuOf(&texts));
    QVERIFY2(texts.contains(QStringLiteral("Paste")), qPrintable(texts.join('|')));
    QVERIFY(texts.contains(QStringLiteral("Select All")));

    REQUIRE(s.click(QStringLiteral("leftPaneButton3")));  // the dial pad
    REQUIRE(s.waitVisible(QStringLiteral("dialField")));
    REQUIRE(s.focus(QStringLiteral("dialField")));
    REQUIRE(s.type(QStringLiteral("1234")));
    REQUIRE(s.waitText(QStringLiteral("dialField"), QStringLiteral("1234")));
    REQUIRE(s.rightClick(QStringLiteral("dialField")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    QVERIFY(!ZentTest::menuTexts(menu).contains(QStringLiteral("Cut")));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Select All")}));
    REQUIRE(s.rightClick(QStringLiteral("dialField")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Cut")}));
    QTRY_COMPARE(QApplication::clipboard()->text(), QString("1234"));
    QTRY_COMPARE(s.text(QStringLiteral("dialField")), QString());
    REQUIRE(s.rightClick(QStringLiteral("dialField")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Paste")}));
    REQUIRE(s.waitText(QStringLiteral("dialField"), QStringLiteral("1234")));
  }

  // An active call has a "more" button with its own commands; the rooms
  // list starts with My Room and its menu.
  void activeCallAndMyRoomRows() {
    SceneDriver s = scene();
    // A chat with a contact, started from the contact's menu.
    REQUIRE(s.click(QStringLiteral("leftPaneButton0")));
    QQuickItem* alice = nullptr;
    QTRY_VERIFY((alice = s.row(QStringLiteral("contactRow"), QStringLiteral("Alice Moreno"))));
    REQUIRE(s.click(alice, Qt::RightButton));
    QMenu* contactMenu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&contactMenu));
    REQUIRE(ZentTest::triggerMenuEntry(contactMenu, {QStringLiteral("Chat")}));
    REQUIRE(s.waitVisible(QStringLiteral("activeCommMoreButton")));
    REQUIRE(s.click(QStringLiteral("activeCommMoreButton")));
    QStringList texts;
    REQUIRE(menuOf(&texts));
    // Its own commands come first: ending the chat.
    QVERIFY2(texts.value(0) == QStringLiteral("End Chat"), qPrintable(texts.join('|')));

    REQUIRE(s.click(QStringLiteral("leftPaneButton1")));  // rooms
    REQUIRE(s.waitVisible(QStringLiteral("myRoomRow")));
    REQUIRE(s.rightClick(QStringLiteral("myRoomRow")));
    REQUIRE(menuOf(&texts));
    QCOMPARE(texts.mid(0, 2), QStringList({"Join My Room", "Copy My Room Invitation"}));
  }

  // The history and the corporate directory report their failures in the
  // banner, and take them back when they recover.
  void historyAndDirectoryBanners() {
    SceneDriver s = scene();
    QVERIFY(demo().failCallLogRetrieval(true));
    REQUIRE(s.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    REQUIRE(waitForBannerRow(s, QStringLiteral("Error retrieving history")));
    QVERIFY(demo().failCallLogRetrieval(false));
    REQUIRE(s.click(QStringLiteral("leftPaneButton0")));
    REQUIRE(s.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(s.waitHidden(QStringLiteral("errorBanner")));

    QVERIFY(demo().reportLdapCredentialsError(true));
    REQUIRE(waitForBannerRow(s, QStringLiteral("Corporate Directory (LDAP) Error")));
    REQUIRE(s.click(QStringLiteral("errorMoreLink")));
    Dialogs::MessageWindow* more = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&more));
    QCOMPARE(more->windowTitle(), QString("Corporate Directory (LDAP) Error"));
    more->close();
    QVERIFY(demo().reportLdapCredentialsError(false));
    REQUIRE(s.waitHidden(QStringLiteral("errorBanner")));
  }

  // A lost chat service names what is missing; in offline mode chat is no
  // loss and only the calls are reported.
  void chatBannerNamesWhatIsMissing() {
    SceneDriver s = scene();
    QVERIFY(demo().loseService());
    REQUIRE(waitForBannerRow(s, QStringLiteral("Chat unavailable")));
    QQuickItem* chatRow = s.row(QStringLiteral("errorRow"), QStringLiteral("Chat unavailable"));
    QVERIFY(chatRow);
    QQuickItem* link = nullptr;
    for (QQuickItem* l : s.items(QStringLiteral("errorMoreLink")))
      if (chatRow->isAncestorOf(l)) link = l;
    QVERIFY(link);
    REQUIRE(s.click(link));
    // Another banner's explanation may still be open: wait for this one's.
    Dialogs::MessageWindow* more = nullptr;
    const auto explanation = [&more] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* m = qobject_cast<Dialogs::MessageWindow*>(w);
        if (m && m->isVisible() &&
            m->messageLabel()->text().contains(QStringLiteral("Chat and Presence unavailable")))
          more = m;
      }
      return more != nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(explanation(), ZentTest::kWaitMs);
    more->close();
    QVERIFY(demo().restoreService());
    REQUIRE(s.waitHidden(QStringLiteral("errorBanner")));

    // Offline by choice, then the service goes.
    REQUIRE(s.click(QStringLiteral("ownPresenceText")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    for (QAction* a : menu->actions()) QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Offline")}));
    REQUIRE(s.waitText(QStringLiteral("ownPresenceText"), QStringLiteral("Offline")));
    QVERIFY(demo().loseService());
    REQUIRE(waitForBannerRow(s, QStringLiteral("Calls unavailable")));
    QVERIFY(!s.row(QStringLiteral("errorRow"), QStringLiteral("Chat unavailable")));
    QVERIFY(demo().restoreService());
  }

  // The rooms button comes back with the service; the left pane's buttons
  // say what they are on hover.
  void leftPaneAfterServiceReturns() {
    SceneDriver s = scene();
    QVERIFY(s.isEnabled(QStringLiteral("leftPaneButton1")));
    QVERIFY(demo().loseService());
    QTRY_VERIFY(!s.isEnabled(QStringLiteral("leftPaneButton1")));
    QVERIFY(demo().restoreService());
    QTRY_VERIFY(s.isEnabled(QStringLiteral("leftPaneButton1")));

    REQUIRE(s.hover(s.item(QStringLiteral("leftPaneButton2"))));
    QML::ToolTipView* tip = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::ToolTipView>(&tip));
    QCOMPARE(tip->text(), QString("Communication History"));
  }

  // The directory view lists the enterprise directory in groups of its own,
  // sorted as the contact list is; a search of the own contacts is headed
  // "Own Contacts".
  void directoryViewListsTheDirectory() {
    SceneDriver s = scene();
    REQUIRE(s.click(QStringLiteral("leftPaneButton0")));
    REQUIRE(s.focus(QStringLiteral("searchField")));
    REQUIRE(s.type(QStringLiteral("a")));
    QTRY_VERIFY(s.row(QStringLiteral("contactRow"), QStringLiteral("Own Contacts")));
    QVERIFY(!s.row(QStringLiteral("contactRow"), QStringLiteral("Directory")));
    REQUIRE(s.press(Qt::Key_Escape));

    REQUIRE(s.click(QStringLiteral("leftPaneButton4")));  // directory
    QTRY_VERIFY(s.row(QStringLiteral("contactRow"), QStringLiteral("Directory")));
    QVERIFY(!s.row(QStringLiteral("contactRow"), QStringLiteral("Own Contacts")));
    // The directory's group carries the service's mark; the own contacts'
    // does not.
    QStringList marked;
    for (RAZ::Contacts::IGroup* group : mainWindow()->findChildren<RAZ::Contacts::IGroup*>())
      if (group->getBoolOption()) marked << group->getName();
    QCOMPARE(marked, QStringList{QStringLiteral("Directory")});
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("mainWindow/leftpane").toString(),
             QString("directory"));
  }

  // The next session opens on the directory view with the directory listed,
  // and a history filter this version does not know stays stored.
  void nextSessionKeepsViewAndFilter() {
    REQUIRE(scene().click(QStringLiteral("leftPaneButton4")));
    RAZ::Settings(RAZ::Settings::User).setValue("timeline/filterFlag", 7);
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    SceneDriver s = scene();
    QCOMPARE(mainWindow()->activeView(), QString("directoryView"));
    QTRY_VERIFY(s.row(QStringLiteral("contactRow"), QStringLiteral("Directory")));
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("timeline/filterFlag").toInt(), 7);
    QCOMPARE(mainWindow()->getTimelineFilterFlag(), 0);
  }

  // Show Profile Photos shows and hides the contacts' pictures.
  void profilePhotosFollowTheMenu() {
    SceneDriver s = scene();
    REQUIRE(s.waitVisible(QStringLiteral("contactAvatar")));
    REQUIRE(s.click(QStringLiteral("windowFrameIcon")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Sort Contacts"), QStringLiteral("Show Profile Photos")}));
    REQUIRE(s.waitHidden(QStringLiteral("contactAvatar")));
    REQUIRE(s.click(QStringLiteral("windowFrameIcon")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Sort Contacts"), QStringLiteral("Show Profile Photos")}));
    REQUIRE(s.waitVisible(QStringLiteral("contactAvatar")));
  }

  // The rooms list opens with no row highlighted; a row lights up once the
  // user picks it.
  void roomsListStartsWithNothingSelected() {
    SceneDriver s = scene();
    REQUIRE(s.click(QStringLiteral("leftPaneButton1")));  // rooms
    REQUIRE(s.waitVisible(QStringLiteral("roomRow")));
    QTRY_VERIFY(s.items(QStringLiteral("roomRow")).size() >= 2);
    QQuickItem* list = s.item(QStringLiteral("roomList"));
    QVERIFY(list);
    QCOMPARE(list->property("currentIndex").toInt(), -1);
    const QList<QQuickItem*> rows = s.items(QStringLiteral("roomRow"));
    QList<QColor> before;
    for (QQuickItem* row : rows) before << row->property("color").value<QColor>();
    REQUIRE(s.click(rows.at(1)));
    QTRY_COMPARE(list->property("currentIndex").toInt(), 1);
    const QColor chosen = rows.at(1)->property("color").value<QColor>();
    for (int i = 0; i < before.size(); ++i)
      QVERIFY2(before.at(i) != chosen, qPrintable(QStringLiteral("row %1 was highlighted").arg(i)));
  }

  // The history opens with no row chosen, and stays so when a new entry
  // comes in at the top; a row is chosen once the user picks it.
  void historyStartsWithNothingSelected() {
    SceneDriver s = scene();
    REQUIRE(s.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    QQuickItem* list = s.item(QStringLiteral("historyList"));
    QVERIFY(list);
    QTRY_VERIFY(list->property("count").toInt() >= 2);
    QCOMPARE(list->property("currentIndex").toInt(), -1);
    const int before = list->property("count").toInt();
    QVERIFY(demo().missedCall(kBruno));
    QTRY_COMPARE(list->property("count").toInt(), before + 1);
    QCOMPARE(list->property("currentIndex").toInt(), -1);
    REQUIRE(s.waitVisible(QStringLiteral("historyRow")));
    QQuickItem* picked = s.items(QStringLiteral("historyRow")).at(1);
    REQUIRE(s.click(picked));
    QTRY_COMPARE(list->property("currentItem").value<QQuickItem*>(), picked);
    REQUIRE(s.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::ContactsButton)));
  }

  // The history's badge counts what the user has not seen: a missed call
  // adds to it, going between other views leaves it alone, and only
  // leaving the history, where the call was seen, takes it away.
  void historyBadgeCountsWhatIsUnseen() {
    using Buttons = Models::LeftPaneButtonsModel;
    SceneDriver s = scene();
    auto button = [](int type) { return QStringLiteral("leftPaneButton%1").arg(type); };
    auto badge = [&] {
      QQuickItem* history = s.item(button(Buttons::HistoryButton));
      return history ? history->property("badge").toInt() : -1;
    };
    REQUIRE(s.click(button(Buttons::ContactsButton)));
    const int before = badge();
    QVERIFY(demo().missedCall(kBruno));
    QTRY_COMPARE(badge(), before + 1);
    for (int i = 0; i < 2; ++i) {
      REQUIRE(s.click(button(Buttons::RoomsButton)));
      REQUIRE(s.waitVisible(QStringLiteral("myRoomRow")));
      REQUIRE(s.click(button(Buttons::ContactsButton)));
      REQUIRE(s.waitVisible(QStringLiteral("contactRow")));
      QCOMPARE(badge(), before + 1);
    }
    REQUIRE(s.click(button(Buttons::HistoryButton)));
    REQUIRE(s.waitVisible(QStringLiteral("historyRow")));
    QCOMPARE(badge(), before + 1);
    REQUIRE(s.click(button(Buttons::ContactsButton)));
    QTRY_VERIFY(badge() <= before);
  }

  // A day outlives a restart: a call, a chat, a missed call, what was seen
  // of the history, the chats and the call still running at sign-out or
  // Exit (each once) and the location chosen are all there when the program
  // starts again (the service then knows nothing of the last run), and My
  // Location is reachable from the own picture's menu whatever is published.
  void aDayOutlivesARestart() {
    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "1");
    Scenario::freshService();
    REQUIRE(Scenario::signIn(QStringLiteral("dora")));
    Dialogs::LocationPublish* location = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&location));
    location->manualLocation()->click();
    location->regionEdit()->setText(QStringLiteral("Harbour office"));
    location->setLocationButton()->click();
    SceneDriver s = scene();
    REQUIRE(s.waitText(QStringLiteral("ownLocationText"), QStringLiteral("Harbour office")));

    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(QStringLiteral("Alice Moreno"), &menu));
    QStringList call{QStringLiteral("Call")};
    for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
      if (e.text == call.first() && e.hasSubmenu) call << QStringLiteral("Work: +4930100101");
    REQUIRE(ZentTest::triggerMenuEntry(menu, call));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Alice Moreno"), &window));
    Scenario::tidy();
    REQUIRE(Scenario::openContactMenu(QStringLiteral("Alice Moreno"), &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Alice Moreno"), &window));
    SceneDriver chat = SceneDriver::of(window);
    REQUIRE(chat.waitVisible(QStringLiteral("messageInput")));
    REQUIRE(chat.focus(QStringLiteral("messageInput")));
    REQUIRE(chat.type(QStringLiteral("See you at the harbour")));
    REQUIRE(chat.press(Qt::Key_Return));
    Scenario::tidy();
    QVERIFY(demo().missedCall(kBruno));

    // The missed call is seen; the service's own missed ones stay new.
    REQUIRE(s.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    QTRY_VERIFY(s.row(QStringLiteral("historyRow"), QStringLiteral("Bruno Keller")));
    REQUIRE(s.rightClick(s.row(QStringLiteral("historyRow"), QStringLiteral("Bruno Keller"))));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Mark as Seen")}));
    // The history as a user reads it: who, which way, what, seen or not.
    auto history = [this] {
      QStringList rows;
      RAZ::Models::Timeline* timeline = mainWindow()->timeline();
      for (int row = 0; row < timeline->rowCount(); ++row) {
        const QModelIndex i = timeline->index(row);
        rows << QStringLiteral("%1 %2 %3 %4")
                    .arg(i.data(RAZ::Models::Timeline::NameRole).toString())
                    .arg(i.data(RAZ::Models::Timeline::DirectionRole).toInt())
                    .arg(i.data(RAZ::Models::Timeline::KindRole).toInt())
                    .arg(i.data(RAZ::Models::Timeline::IsNewRole).toBool() ? "new" : "seen");
      }
      return rows;
    };
    QTRY_VERIFY(history().contains(QStringLiteral("Bruno Keller 2 0 seen")));
    const QStringList day = history();
    QVERIFY2(day.contains(QStringLiteral("Alice Moreno 1 0 seen")), qPrintable(day.join('|')));
    QVERIFY2(day.contains(QStringLiteral("Alice Moreno 1 2 seen")), qPrintable(day.join('|')));
    QVERIFY2(day.filter(QStringLiteral(" new")).size() > 0, qPrintable(day.join('|')));
    const int newCount = mainWindow()->timeline()->newCommsCount();

    // Quit, and start again.
    REQUIRE(Scenario::signOut());
    Scenario::freshService();
    REQUIRE(Scenario::signIn(QStringLiteral("dora")));
    s = scene();
    QCOMPARE(history(), day);
    QCOMPARE(mainWindow()->timeline()->newCommsCount(), newCount);
    REQUIRE(s.waitText(QStringLiteral("ownLocationText"), QStringLiteral("Harbour office")));
    QVERIFY(!ZentTest::findWindow<Dialogs::LocationPublish>());
    REQUIRE(s.click(QStringLiteral("ownAvatar")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("My Location...")}));
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&location));
    location->close();
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(s.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::ContactsButton)));
    const QStringList before = history();

    // What still runs when the user leaves ends then, each in the history
    // once: a chat left open at sign-out...
    auto chatWith = [&](const QString& name) {
      QString problem = ZentTest::searchContactMenu(name, &menu);
      if (problem.isEmpty()) problem = ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")});
      if (problem.isEmpty()) problem = Scenario::waitForCommsWindow(name, &window);
      return problem.isEmpty() ? ZentTest::send(SceneDriver::of(window), QStringLiteral("Bye"))
                               : problem;
    };
    REQUIRE(chatWith(QStringLiteral("Bruno Keller")));
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Sign Out")}));
    QTRY_VERIFY(!app()->sessionScope());
    QTRY_VERIFY(Scenario::signInWindowIsBack());
    Scenario::freshService();
    REQUIRE(Scenario::signIn(QStringLiteral("dora")));
    QStringList left = QStringList{QStringLiteral("Bruno Keller 1 2 seen")} + before;
    QCOMPARE(history(), left);
    // ... and a chat and an answered call still running at Exit (Ctrl+Q).
    REQUIRE(chatWith(QStringLiteral("Felix Brandt")));
    REQUIRE(ZentTest::callAndWaitForAnswer(QStringLiteral("Alice Moreno"),
                                           QStringLiteral("Work: +4930100101"), &window));
    REQUIRE(ZentTest::activeMainScene().press(Qt::Key_Q, Qt::ControlModifier));
    QTRY_VERIFY(!app()->sessionScope());
    QTRY_VERIFY(Scenario::signInWindowIsBack());
    left = QStringList{QStringLiteral("Alice Moreno 1 0 seen"),
                       QStringLiteral("Felix Brandt 1 2 seen")} +
           left;
    Scenario::freshService();
    REQUIRE(Scenario::signIn(QStringLiteral("dora")));
    QCOMPARE(history(), left);
  }

  // "No Location" is an answer: the same place is not asked about again,
  // neither at the next sign-in nor after a restart, and nothing is
  // published; My Location still offers the question.
  void noLocationIsRemembered() {
    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "1");
    Scenario::freshService();
    REQUIRE(Scenario::signIn(QStringLiteral("noor")));
    Dialogs::LocationPublish* location = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&location));
    REQUIRE(ZentTest::clickButton(location, QStringLiteral("clearLocationButton")));
    QTRY_VERIFY(!location->isVisible());
    // The place handled at a sign-in: the question filled, shown or not.
    auto handled = [](QPointer<Dialogs::LocationPublish> before) {
      Dialogs::LocationPublish* found = nullptr;
      if (!QTest::qWaitFor([&] { return before.isNull(); }, ZentTest::kWaitMs)) return found;
      (void)QTest::qWaitFor(
          [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
              if (auto* d = qobject_cast<Dialogs::LocationPublish*>(w))
                if (d->autoLocation()->text().contains(QStringLiteral("Berlin"))) found = d;
            return found != nullptr;
          },
          ZentTest::kWaitMs);
      return found;
    };
    for (bool restart : {false, true}) {
      QPointer<Dialogs::LocationPublish> before = location;
      REQUIRE(Scenario::signOut());
      if (restart) Scenario::freshService();
      REQUIRE(Scenario::signIn(QStringLiteral("noor")));
      location = handled(before);
      QVERIFY2(location, restart ? "after a restart" : "after signing in again");
      QCoreApplication::processEvents();
      QVERIFY2(!location->isVisible(), restart ? "after a restart" : "after signing in again");
      QCOMPARE(scene().text(QStringLiteral("ownLocationText")), QString());
    }
    SceneDriver s = scene();
    QMenu* menu = nullptr;
    REQUIRE(s.click(QStringLiteral("ownAvatar")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("My Location...")}));
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&location));
    location->close();
    qputenv("ZENT_DEMO_LOCATION", "0");
  }

  // A history that cannot be read is kept aside as it was, and the user is
  // told where, before a new history starts.
  void unreadableHistoryIsKeptAsideAndSaid() {
    REQUIRE(Scenario::signOut());
    const QString folder =
        AppPaths::accountFolderPath(RAZ::Utils::Path::writableDataPath(), QStringLiteral("erin"));
    QVERIFY(QDir().mkpath(folder));
    QFile damaged(folder + QStringLiteral("/comms.db"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"version\":1,\"histo");
    damaged.close();
    REQUIRE(Scenario::signIn(QStringLiteral("erin")));
    Dialogs::MessageWindow* said = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(
        &said, [](Dialogs::MessageWindow* w) { return w->windowTitle().contains("History"); }));
    QVERIFY2(said->messageLabel()->text().contains(QStringLiteral("comms.db.unreadable")),
             qPrintable(said->messageLabel()->text()));
    said->close();
    QFile aside(folder + QStringLiteral("/comms.db.unreadable"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("{\"version\":1,\"histo"));
    QTRY_VERIFY(QFileInfo(folder + QStringLiteral("/comms.db")).size() > 0);
    QTRY_VERIFY(mainWindow()->timeline()->rowCount() > 0);
  }

  // On a full disk (a small disk of its own under the account's folder) the
  // history of the session is kept: the user is told once why it cannot be
  // saved, and it is saved with the next change once there is room again.
  void aHistoryThatCannotBeSavedIsSaidOnceAndSavedLater() {
    REQUIRE(Scenario::signOut());
    const QString folder =
        AppPaths::accountFolderPath(RAZ::Utils::Path::writableDataPath(), QStringLiteral("gina"));
    ZentTest::SmallDisk disk(folder, 128);
    if (!disk.mounted()) QSKIP(qPrintable(disk.skipReason()));
    REQUIRE(Scenario::signIn(QStringLiteral("gina")));
    RAZ::Databases::Comms* db = Scenario::app()->commsDb();
    RAZ::Models::CallLog* log = Scenario::app()->sessionManager()->callLog();
    const QString file = folder + QStringLiteral("/comms.db");
    // The records the file holds for the user (its only one).
    const auto stored = [&file] {
      const QJsonObject histories =
          QJsonDocument::fromJson(ZentTest::readFile(file)).object().value("histories").toObject();
      return histories.isEmpty() ? -1 : histories.begin().value().toArray().size();
    };
    QTRY_VERIFY(stored() == log->records().size() && !db->hasPendingChanges());
    QSignalSpy failed(db, SIGNAL(saveFailed(QString)));
    QVERIFY(disk.fill());
    QCOMPARE(Scenario::control("missed-call 102"), QStringLiteral("ok"));
    Dialogs::MessageWindow* said = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&said, [](Dialogs::MessageWindow* w) {
      return w->windowTitle().contains("History Not Saved");
    }));
    const QString text = said->messageLabel()->text();
    QVERIFY2(text.contains(QDir::toNativeSeparators(file)) &&
                 text.contains(QStringLiteral("No space left on device")),
             qPrintable(text));
    said->close();
    // A second change cannot be saved either, and is not said again.
    QCOMPARE(Scenario::control("missed-call 101"), QStringLiteral("ok"));
    QVERIFY(failed.count() >= 2 || failed.wait(ZentTest::kWaitMs));
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w))
        QVERIFY2(!m->isVisible() || !m->windowTitle().contains("History Not Saved"),
                 qPrintable(m->messageLabel()->text()));
    QVERIFY(db->hasPendingChanges());
    QVERIFY(stored() < log->records().size());
    // Room again: the next change saves all of it.
    disk.free();
    QCOMPARE(Scenario::control("missed-call 102"), QStringLiteral("ok"));
    QTRY_VERIFY(!db->hasPendingChanges());
    QCOMPARE(stored(), log->records().size());
    Scenario::tidy();
    REQUIRE(Scenario::signOut());
  }

  // What the service kept for an account that cannot be read safely (a
  // store nested far too deep for the stream reading it) is set aside, and
  // the user is told at the sign-in that it starts afresh.
  void keptDataThatCannotBeReadIsSetAsideAndSaid() {
    REQUIRE(Scenario::signOut());
    QByteArray deep;
    {
      QDataStream out(&deep, QIODevice::WriteOnly);
      out.setVersion(QDataStream::Qt_5_15);
      out << QByteArray("zent-demo-service") << qint32(1) << quint32(1) << QString("accounts");
      for (int i = 0; i < 200000; ++i)
        out << quint32(QMetaType::QVariantMap) << qint8(0) << quint32(1) << QString("a");
      out << quint32(QMetaType::QVariantMap) << qint8(0) << quint32(0);
    }
    QVERIFY(ZentTest::writeFile(demo().storePath(), deep));
    // As the next start of the program finds it.
    demo().reloadStore();
    REQUIRE(Scenario::signIn(QStringLiteral("hana")));
    Dialogs::MessageWindow* said = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(
        &said, [](Dialogs::MessageWindow* w) { return w->windowTitle().contains("Kept Data"); }));
    const QString text = said->messageLabel()->text();
    QVERIFY2(text.contains(QStringLiteral("demo-service.dat.unreadable")) &&
                 text.contains(QStringLiteral("starts afresh")),
             qPrintable(text));
    said->close();
    // The service starts the account afresh, and keeps it from now on.
    QVERIFY(ZentTest::readFile(demo().storePath()) != deep);
  }

  // Add Group cannot be confirmed while the service is away.
  void addGroupWaitsForTheService() {
    SceneDriver s = scene();
    REQUIRE(s.click(QStringLiteral("addButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Group")}));
    Widgets::InputWidget* input = nullptr;
    REQUIRE(ZentTest::waitForWindow<Widgets::InputWidget>(&input));
    REQUIRE(ZentTest::typeInto(input->findChild<QLineEdit*>(), QStringLiteral("Team")));
    QVERIFY(input->okButton()->isEnabled());
    QVERIFY(demo().loseService());
    QTRY_VERIFY(!input->okButton()->isEnabled());
    QVERIFY(demo().restoreService());
    QTRY_VERIFY(input->okButton()->isEnabled());
    // Esc leaves it, as Cancel does; so does Ctrl+W.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
      if (!input) {
        REQUIRE(s.click(QStringLiteral("addButton")));
        REQUIRE(ZentTest::waitForMenu(&menu));
        REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Group")}));
        REQUIRE(ZentTest::waitForWindow<Widgets::InputWidget>(&input));
      }
      QPointer<Widgets::InputWidget> shown(input);
      input->activateWindow();
      QTRY_VERIFY(input->isActiveWindow());
      QTest::keySequence(QApplication::focusWidget(), keys);
      QTRY_VERIFY2(!shown || !shown->isVisible(), qPrintable(keys.toString()));
      input = nullptr;
    }
  }

  // While the service is lost, what cannot work says so: the availability
  // menu opens greyed and closes on Esc like every other, and the next
  // click opens it again.
  void lostServiceSaysWhatCannotWork() {
    SceneDriver s = scene();
    // My Room's conference runs: the service lost, it is no longer active.
    REQUIRE(s.click(QStringLiteral("leftPaneButton1")));
    REQUIRE(s.waitVisible(QStringLiteral("myRoomRow")));
    REQUIRE(s.doubleClick(QStringLiteral("myRoomRow")));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("My Room"), &room));
    SceneDriver footer;
    REQUIRE(ZentTest::sceneWith(room, QStringLiteral("footerText"), &footer));
    REQUIRE(footer.waitText(QStringLiteral("footerText"), QStringLiteral("Call")));
    REQUIRE(s.waitText(QStringLiteral("activeCommDetails"), QStringLiteral("Call Active")));
    QCOMPARE(Scenario::control("lose-service"), QStringLiteral("ok"));
    REQUIRE(waitForBannerRow(s, QStringLiteral("Chat unavailable")));
    REQUIRE(footer.waitText(QStringLiteral("footerText"), QStringLiteral("Calls unavailable")));
    REQUIRE(s.waitText(QStringLiteral("activeCommDetails"), QStringLiteral("Calls unavailable")));
    Scenario::tidy();
    QTRY_VERIFY(!ZentTest::findWindow<QML::CommunicationsWindow>());
    for (int round = 0; round < 2; ++round) {
      REQUIRE(s.click(QStringLiteral("ownPresenceText")));
      QMenu* menu = nullptr;
      REQUIRE(ZentTest::waitForMenu(&menu));
      const QStringList entries = ZentTest::describe(menu);
      QVERIFY2(!entries.isEmpty() && entries.filter(QRegularExpression("^[^*-]")).isEmpty(),
               qPrintable(entries.join(", ")));
      QPointer<QMenu> open(menu);
      QTest::keyClick(menu, Qt::Key_Escape);
      QTRY_VERIFY(!open || !open->isVisible());
    }
    // The rows no longer show a presence the service cannot vouch for.
    REQUIRE(s.click(QStringLiteral("leftPaneButton0")));
    QQuickItem* alice = nullptr;
    QTRY_VERIFY((alice = s.row(QStringLiteral("contactRow"), QStringLiteral("Alice Moreno"))));
    QTRY_VERIFY(s.row(QStringLiteral("contactRow"), QStringLiteral("Presence unavailable")));
    QVERIFY(!s.row(QStringLiteral("contactRow"), QStringLiteral("Available")));
    // A double click that can place no call says why, as the banner does.
    Dialogs::MessageWindow* why = nullptr;
    REQUIRE(s.doubleClick(alice));
    REQUIRE(ZentTest::waitForWindow<Dialogs::MessageWindow>(&why));
    QVERIFY2(why->messageLabel()->text().contains(QStringLiteral("unavailable")),
             qPrintable(why->messageLabel()->text()));
    why->close();
    QCOMPARE(Scenario::control("restore-service"), QStringLiteral("ok"));
    REQUIRE(s.waitHidden(QStringLiteral("errorBanner")));

    QTRY_VERIFY(s.row(QStringLiteral("contactRow"), QStringLiteral("Available")));
    QVERIFY(!s.row(QStringLiteral("contactRow"), QStringLiteral("Presence unavailable")));
  }
};

ZENT_TEST_MAIN(TestScenarioMainWindow, Application)
#include "tst_scenario_mainwin.moc"

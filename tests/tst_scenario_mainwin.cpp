// The main window as a user meets it on the demo service, through its
// scene and its menus: the call-settings toolbar with the services' state,
// "Call Settings..." following the service, the edit menus of the search
// and dial fields, the active call's "more" button, My Room in the rooms
// list, the banners of the history and the directory, the rooms button
// after the service returns, the left pane's tooltips, the directory view,
// profile photos, the availability menu's pictures and the Add Group dialog
// while the service is away.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Settings.h>

#include "Application.h"
#include "Providers/MenuActionProvider.h"
#include "SessionScope.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "dialogs/InputWidget.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

// --- Until the shared scene driver is on main: the little of it used here.
namespace ZentTest {

const int kWaitMs = 20000;

struct MenuEntry {
  QString text;
  bool enabled;
  bool checked;
  bool hasSubmenu;
};

QString visibleText(QQuickItem* item) {
  const QVariant t = item->property("text");
  return t.isValid() ? t.toString() : QString();
}

// Whether `item` or a visible descendant shows `text`.
bool showsText(QQuickItem* item, const QString& text) {
  if (!item->isVisible()) return false;
  if (visibleText(item).contains(text)) return true;
  for (QQuickItem* child : item->childItems())
    if (showsText(child, text)) return true;
  return false;
}

bool reallyVisible(QQuickItem* item) {
  for (QQuickItem* i = item; i; i = i->parentItem())
    if (!i->isVisible() || i->opacity() <= 0) return false;
  return true;
}

void collect(QQuickItem* item, const QString& name, QList<QQuickItem*>* out, bool visibleOnly) {
  if (!item) return;
  if (item->objectName() == name && (!visibleOnly || reallyVisible(item))) *out << item;
  for (QQuickItem* child : item->childItems()) collect(child, name, out, visibleOnly);
}

class SceneDriver {
 public:
  explicit SceneDriver(QQuickWidget* view) : m_view(view) {}
  QQuickItem* root() const { return m_view ? m_view->rootObject() : nullptr; }
  QList<QQuickItem*> items(const QString& name) const {
    QList<QQuickItem*> found;
    collect(root(), name, &found, true);
    return found;
  }
  QQuickItem* item(const QString& name) const { return items(name).value(0); }
  QQuickItem* row(const QString& name, const QString& text) const {
    for (QQuickItem* i : items(name))
      if (showsText(i, text)) return i;
    return nullptr;
  }
  bool isVisible(const QString& name) const { return item(name) != nullptr; }
  bool isEnabled(const QString& name) const {
    QQuickItem* i = item(name);
    return i && i->isEnabled();
  }
  QString text(const QString& name) const {
    QQuickItem* i = item(name);
    return i ? visibleText(i) : QString();
  }
  QString click(const QString& name) { return click(item(name), Qt::LeftButton); }
  QString rightClick(const QString& name) { return click(item(name), Qt::RightButton); }
  QString click(QQuickItem* i, Qt::MouseButton button = Qt::LeftButton) {
    if (!i) return QStringLiteral("nothing to click");
    m_view->activateWindow();
    const QPoint p = i->mapToScene(QPointF(i->width() / 2, i->height() / 2)).toPoint();
    QTest::mouseMove(m_view, p);
    QTest::mouseClick(m_view, button, Qt::NoModifier, p);
    return QString();
  }
  QString hover(QQuickItem* i) {
    if (!i) return QStringLiteral("nothing to hover");
    QTest::mouseMove(m_view, i->mapToScene(QPointF(i->width() / 2, i->height() / 2)).toPoint());
    return QString();
  }
  QString focus(const QString& name) {
    QQuickItem* i = item(name);
    if (!i) return QStringLiteral("no %1 to focus").arg(name);
    m_view->activateWindow();
    m_view->setFocus();
    i->forceActiveFocus();
    return i->hasActiveFocus() ? QString() : QStringLiteral("%1 took no focus").arg(name);
  }
  QString type(const QString& text) {
    QTest::keyClicks(m_view, text);
    return QString();
  }
  QString press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(m_view, key, mods);
    return QString();
  }
  QString waitVisible(const QString& name, int ms = kWaitMs) {
    return QTest::qWaitFor([&] { return isVisible(name); }, ms)
               ? QString()
               : QStringLiteral("%1 did not show").arg(name);
  }
  QString waitHidden(const QString& name, int ms = kWaitMs) {
    return QTest::qWaitFor([&] { return !isVisible(name); }, ms)
               ? QString()
               : QStringLiteral("%1 did not go").arg(name);
  }
  QString waitText(const QString& name, const QString& text, int ms = kWaitMs) {
    return QTest::qWaitFor([&] { return this->text(name).contains(text); }, ms)
               ? QString()
               : QStringLiteral("%1 says \"%2\", not \"%3\"").arg(name, this->text(name), text);
  }

 private:
  QQuickWidget* m_view;
};

QMenu* openMenu() {
  QMenu* last = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<QMenu*>(w))
      if (m->isVisible()) last = m;
  return last;
}

QString waitForMenu(QMenu** menu, int ms = kWaitMs) {
  if (QTest::qWaitFor([&] { return (*menu = openMenu()) != nullptr; }, ms)) return QString();
  return QStringLiteral("no menu opened");
}

QList<MenuEntry> menuEntries(QMenu* menu) {
  QList<MenuEntry> entries;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isVisible())
      entries << MenuEntry{a->text().remove(QLatin1Char('&')), a->isEnabled(), a->isChecked(),
                           a->menu() != nullptr};
  return entries;
}

QStringList menuTexts(QMenu* menu) {
  QStringList texts;
  for (const MenuEntry& e : menuEntries(menu)) texts << e.text;
  return texts;
}

void closeMenus() {
  while (QMenu* m = openMenu()) m->close();
}

QString triggerMenuEntry(QMenu* menu, const QStringList& path) {
  for (QAction* a : menu->actions())
    if (a->text().remove(QLatin1Char('&')) == path.value(0)) {
      if (!a->isEnabled()) return QStringLiteral("\"%1\" is disabled").arg(path.value(0));
      if (path.size() > 1 && a->menu()) return triggerMenuEntry(a->menu(), path.mid(1));
      closeMenus();
      a->trigger();
      return QString();
    }
  return QStringLiteral("no entry \"%1\" in %2").arg(path.value(0), menuTexts(menu).join('|'));
}

QList<QWidget*> visibleWindows() {
  QList<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) windows << w;
  return windows;
}

template <class T>
QString waitForWindow(T** out, int ms = kWaitMs) {
  const bool found = QTest::qWaitFor(
      [&] {
        for (QWidget* w : visibleWindows())
          if ((*out = qobject_cast<T*>(w))) return true;
        return false;
      },
      ms);
  return found ? QString() : QStringLiteral("no window of the kind showed");
}

QString typeInto(QWidget* field, const QString& text) {
  if (!field) return QStringLiteral("no field");
  QTest::keyClicks(field, text);
  return QString();
}

}  // namespace ZentTest

namespace ZentTest {

// The whole application on the demo service: sign in with the sign-in
// window's form, the main window's scene, sign out through the menu.
class Scenario {
 public:
  static Application* app() { return static_cast<Application*>(qApp); }
  QString start() {
    m_style.reset(new QML::Style(nullptr));
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    const bool ok = app()->initialize();
    installStrictMessageHandler();
    if (!ok) return QStringLiteral("the application did not start");
    for (const QSharedPointer<QTranslator>& t : app()->translators())
      if (t) QCoreApplication::removeTranslator(t.data());
    RAZ::Demo::Service::instance().reset();
    RAZ::Demo::Service::instance().setStepDelay(0);
    RAZ::Demo::Service::instance().setPresenceChanges(false);
    return QString();
  }
  QString signIn() {
    QML::LoginWindow* login = app()->loginWindow();
    if (!login) return QStringLiteral("no sign-in window");
    login->setUsername(QStringLiteral("carol"));
    login->setPassword(RAZ::Demo::Service::demoPassword());
    login->onSigninClicked();
    if (!QTest::qWaitFor([] { return app()->mainWindow() && app()->mainWindow()->isVisible(); },
                         kWaitMs))
      return QStringLiteral("the main window did not show");
    return QString();
  }
  QString signOut() {
    if (app()->client()->hasSession())
      app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->trigger();
    if (!QTest::qWaitFor([] { return !app()->client()->hasSession() && !app()->sessionScope(); },
                         kWaitMs))
      return QStringLiteral("the session did not end");
    return QString();
  }
  SceneDriver mainScene() const { return SceneDriver(app()->mainWindow()->view()); }

 private:
  std::unique_ptr<QML::Style> m_style;
};

}  // namespace ZentTest

using ZentTest::SceneDriver;

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-scenario-mainwin-", true);

RAZ::Demo::Service& demo() { return RAZ::Demo::Service::instance(); }

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

class TestScenarioMainWindow : public QObject {
  Q_OBJECT

  ZentTest::Scenario m_scenario;

  SceneDriver scene() { return m_scenario.mainScene(); }
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
  void initTestCase() {
    QVERIFY(g_environment);
    REQUIRE(m_scenario.start());
  }
  void init() { REQUIRE(m_scenario.signIn()); }
  void cleanup() {
    ZentTest::closeMenus();
    demo().failCallLogRetrieval(false);
    REQUIRE(m_scenario.signOut());
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
    REQUIRE(s.click(QStringLiteral("leftPaneButton2")));  // history
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
    // Known fault: since the chat connection's configuration (id 118) names
    // the protocol, the chat row's explanation names the call settings
    // instead; the banner rules have to learn that value.
    QEXPECT_FAIL("", "the chat row's explanation follows the wrong configuration value", Abort);
    QTRY_VERIFY_WITH_TIMEOUT(explanation(), 20000);
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
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("mainWindow/leftpane").toString(),
             QString("directory"));
  }

  // The next session opens on the directory view with the directory listed,
  // and a history filter this version does not know stays stored.
  void nextSessionKeepsViewAndFilter() {
    REQUIRE(scene().click(QStringLiteral("leftPaneButton4")));
    RAZ::Settings(RAZ::Settings::User).setValue("timeline/filterFlag", 7);
    REQUIRE(m_scenario.signOut());
    REQUIRE(m_scenario.signIn());
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
    input->close();
  }
};

ZENT_TEST_MAIN(TestScenarioMainWindow, Application)
#include "tst_scenario_mainwin.moc"

// Where menus and dialogs open, and what they look like: every menu a scene
// opens drops from what opened it, with the window moved away from the
// screen's corner, one menu at a time; dialogs open whole over their owner;
// a call that comes in moves nothing under the pointer; Esc closes an open
// list before its window; the theme reaches every scene and later popups.
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QtTest>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/GroupNameInput.h"
#include "dialogs/LocationPublish.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-placement-");

const int kBruno = 102;  // a demo contact

// The window moved to `where` on its screen's free area, kept whole on it:
// nothing can then pass for placed by chance at 0,0. A fraction of the free
// room: (0, 0) its top-left, (1, 1) its bottom-right corner.
void moveTo(QWidget* window, qreal fx, qreal fy) {
  const QRect area = window->screen()->availableGeometry();
  const QSize frame = window->frameGeometry().size();
  const QPoint target(area.left() + int(fx * qMax(0, area.width() - frame.width())),
                      area.top() + int(fy * qMax(0, area.height() - frame.height())));
  window->move(target);
  QTRY_COMPARE(window->frameGeometry().topLeft(), target);
}

// Where a point of an item of the scene lies on the screen.
QPoint onScreen(SceneDriver scene, QQuickItem* item, const QPointF& point) {
  return scene.view()->mapToGlobal(item->mapToScene(point).toPoint());
}

// The menu drops from `anchor` (its top-left corner there, give or take a
// pixel) and lies whole on the anchor's screen.
QString dropsFrom(QMenu* menu, const QPoint& anchor) {
  if (!menu) return QStringLiteral("no menu");
  const QRect frame = menu->geometry();
  if ((frame.topLeft() - anchor).manhattanLength() > 2)
    return QStringLiteral("the menu opens at %1,%2, its anchor is at %3,%4")
        .arg(frame.x())
        .arg(frame.y())
        .arg(anchor.x())
        .arg(anchor.y());
  QScreen* screen = QGuiApplication::screenAt(anchor);
  if (!screen || !screen->availableGeometry().contains(frame))
    return QStringLiteral("the menu leaves the screen");
  return QString();
}

QList<QMenu*> openMenus() {
  QList<QMenu*> menus;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(w))
      if (menu->isVisible()) menus << menu;
  return menus;
}

// The item shows whole: inside the window and inside every ancestor that
// clips what it draws.
QString shownWhole(SceneDriver scene, QQuickItem* item) {
  if (!item) return QStringLiteral("no item");
  const QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
  for (QQuickItem* a = item->parentItem(); a; a = a->parentItem()) {
    if (!a->clip()) continue;
    const QRectF clip = a->mapRectToScene(QRectF(0, 0, a->width(), a->height()));
    if (!clip.adjusted(-0.5, -0.5, 0.5, 0.5).contains(rect))
      return QStringLiteral("'%1' reaches to %2, '%3' cuts at %4")
          .arg(item->objectName())
          .arg(rect.bottom())
          .arg(a->objectName())
          .arg(clip.bottom());
  }
  if (!QRectF(scene.view()->rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(rect))
    return QStringLiteral("'%1' reaches outside the window").arg(item->objectName());
  return QString();
}

// The colour the scene draws at that point of the item.
QColor drawnAt(SceneDriver scene, QQuickItem* item, const QPointF& point) {
  const QImage image = scene.view()->grabFramebuffer();
  const QPoint p = item->mapToScene(point).toPoint();
  return image.pixelColor(p);
}

QColor inverted(const QString& colour) {
  const QColor c(colour);
  return QColor::fromRgb(c.rgb() ^ 0x00FFFFFFu);
}

}  // namespace

class TestScenarioPlacement : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  TestScenarioPlacement() : ScenarioTestObject(g_environment) {}

 private:
  std::unique_ptr<QML::Style> m_style;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    m_style.reset(new QML::Style(nullptr));
    REQUIRE(Scenario::start());
  }

  void cleanup() { Scenario::tidy(); }

  // --- Menus ---

  // With the window moved away from the corner, the presence menu drops
  // from "Available ▾" with the current presence checked, and the window
  // menu from its ☰ button (which it leaves in view); opening the options
  // menu closes the window menu: one menu at a time.
  void menusDropFromWhatOpenedThem() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    moveTo(main, 0.3, 1);
    SceneDriver scene = Scenario::mainScene();

    QQuickItem* presence = scene.item(QStringLiteral("ownPresenceText"));
    QVERIFY(presence);
    REQUIRE(scene.click(presence));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(dropsFrom(menu, onScreen(scene, presence, QPointF(0, presence->height()))));
    QStringList checked;
    for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
      if (e.checked) checked << e.text;
    QCOMPARE(checked, QStringList{QStringLiteral("Available")});
    ZentTest::closeMenus();

    QQuickItem* frameIcon = scene.item(QStringLiteral("windowFrameIcon"));
    QVERIFY(frameIcon);
    REQUIRE(scene.click(frameIcon));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(dropsFrom(menu, onScreen(scene, frameIcon, QPointF(0, frameIcon->height()))));
    QPointer<QMenu> windowMenu(menu);

    REQUIRE(scene.click(QStringLiteral("optionsButton")));
    QTRY_VERIFY(!windowMenu || !windowMenu->isVisible());
    QCOMPARE(openMenus().size(), 1);
    QVERIFY(ZentTest::menuTexts(openMenus().first()).contains(QStringLiteral("Preferences...")));
  }

  // The sign-in window's list of user names drops from its box, the window
  // moved away from the corner.
  void signInListDropsFromItsBox() {
    REQUIRE(Scenario::signIn(QStringLiteral("carol")));
    REQUIRE(Scenario::signOut());
    moveTo(Scenario::app()->loginWindow(), 0.8, 0.6);
    SceneDriver login = Scenario::loginScene();
    QQuickItem* box = login.item(QStringLiteral("usernameCombo"));
    QVERIFY(box);
    QTRY_VERIFY(box->property("count").toInt() > 0);
    // The arrow at the box's right end opens the list.
    const QPointF arrow(box->width() - box->height() / 2, box->height() / 2);
    QTest::mouseClick(login.view(), Qt::LeftButton, Qt::NoModifier,
                      box->mapToScene(arrow).toPoint());
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    // Its current entry (if any) lies at the box's lower edge.
    const QPoint anchor = onScreen(login, box, QPointF(0, box->height()));
    const QRect frame = menu->geometry();
    QVERIFY2(qAbs(frame.left() - anchor.x()) <= 2 && frame.top() <= anchor.y() + 2 &&
                 frame.bottom() >= anchor.y() - 2,
             qPrintable(QStringLiteral("the list opens at %1,%2, the box ends at %3,%4")
                            .arg(frame.x())
                            .arg(frame.y())
                            .arg(anchor.x())
                            .arg(anchor.y())));
    REQUIRE(ZentTest::liesOnScreen(menu));
    ZentTest::closeMenus();
  }

  // The sign-in window opens where the user left the last one (it goes
  // when the session opens, as when the program quits); a place no screen
  // shows any longer gives a window whole on the screen.
  void signInWindowOpensWhereItWasLeft() {
    REQUIRE(Scenario::signOut());
    QTRY_VERIFY(Scenario::signInWindowIsBack());
    moveTo(Scenario::app()->loginWindow(), 0.7, 0.3);
    const QPoint left = Scenario::app()->loginWindow()->pos();
    QVERIFY(left.manhattanLength() > 100);
    REQUIRE(Scenario::signIn(QStringLiteral("carol")));
    QVERIFY(!Scenario::app()->loginWindow());
    REQUIRE(Scenario::signOut());
    QTRY_VERIFY(Scenario::signInWindowIsBack());
    QCOMPARE(Scenario::app()->loginWindow()->pos(), left);

    // Left beyond the screen's far corner (a screen since taken away).
    QML::LoginWindow* login = Scenario::app()->loginWindow();
    const QRect area = login->screen()->availableGeometry();
    login->move(area.bottomRight() + QPoint(400, 300));
    QTRY_VERIFY(login->x() > area.right());
    REQUIRE(Scenario::signIn(QStringLiteral("carol")));
    REQUIRE(Scenario::signOut());
    QTRY_VERIFY(Scenario::signInWindowIsBack());
    REQUIRE(ZentTest::liesOnScreen(Scenario::app()->loginWindow()));
  }

  // --- Dialogs ---

  // "Add Group" opens over the main window, wherever that is; so does
  // "Add Conference Contact", a card for a new conference contact.
  void addGroupOpensOverTheMainWindow() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    moveTo(main, 1, 1);
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.click(QStringLiteral("addButton")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Group")}));
    Widgets::GroupNameInput* input = nullptr;
    REQUIRE(ZentTest::waitForWindow<Widgets::GroupNameInput>(&input));
    REQUIRE(ZentTest::liesOver(input, main));
    REQUIRE(ZentTest::liesOnScreen(input));
    input->close();

    REQUIRE(scene.click(QStringLiteral("addButton")));
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Add Conference Contact")}));
    QML::ContactCard* card = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::ContactCard>(&card));
    QCOMPARE(card->windowTitle(), QStringLiteral("Add Conference Contact"));
    QVERIFY(card->getContact());
    QVERIFY(card->getContact()->getProperty(RAZ::Contacts::Properties::KeyConferenceMark).toBool());
    REQUIRE(ZentTest::liesOver(card, main));
    REQUIRE(ZentTest::liesOnScreen(card));
    card->close();
  }

  // The call debug window (Shift+D in a call) opens over its call window,
  // wherever that is.
  void callDebugOpensOverItsCall() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* call = nullptr;
    REQUIRE(ZentTest::callAndWaitForAnswer(ZentTest::DemoPeople::kAliceName,
                                           ZentTest::DemoPeople::kAliceWork, &call));
    moveTo(call, 1, 1);
    QTest::keyClick(call, Qt::Key_D, Qt::ShiftModifier);
    QML::CallDebugWindow* debug = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallDebugWindow>(&debug));
    REQUIRE(ZentTest::liesOver(debug, call));
    REQUIRE(ZentTest::liesOnScreen(debug));
    debug->close();
  }

  // The call-settings toolbar's buttons are as high as the bar, inside it.
  void toolbarButtonsFillTheBar() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("anywhereButton")));
    QQuickItem* bar = scene.item(QStringLiteral("callSettingsToolbar"));
    QVERIFY(bar);
    const QRectF barRect = bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height()));
    int buttons = 0;
    for (const char* name : {"callSettingsButton", "anywhereButton", "remoteOfficeButton",
                             "forwardingButton", "doNotDisturbButton"}) {
      QQuickItem* button = scene.item(QString::fromLatin1(name));
      if (!button) continue;
      ++buttons;
      const QRectF rect = button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
      QVERIFY2(barRect.contains(rect) && qFuzzyCompare(rect.height(), barRect.height()),
               qPrintable(QStringLiteral("%1: %2 px high from %3, the bar %4 px from %5")
                              .arg(QLatin1String(name))
                              .arg(rect.height())
                              .arg(rect.y())
                              .arg(barRect.height())
                              .arg(barRect.y())));
    }
    QVERIFY(buttons >= 2);
  }

  // With three Anywhere locations the form of the last opens with its
  // buttons in view, no scrolling needed.
  void anywhereFormShowsWholeWithThreeLocations() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* window = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallSettings>(&window));
    QPointer<QML::CallSettings> guard(window);
    SceneDriver settings = SceneDriver::of(window);
    REQUIRE(settings.waitHidden(QStringLiteral("shade")));
    QString problem;
    QQuickItem* tab = settings.row(QStringLiteral("tabRow"), QStringLiteral("Anywhere"), &problem);
    QVERIFY2(tab, qPrintable(problem));
    REQUIRE(settings.click(tab));
    REQUIRE(settings.waitVisible(QStringLiteral("locationConfigure")));
    for (const char* number : {"+491709876501", "+491709876502"}) {
      const int before = settings.items(QStringLiteral("locationConfigure")).size();
      REQUIRE(settings.click(QStringLiteral("addLocationButton")));
      REQUIRE(settings.waitVisible(QStringLiteral("newLocationField")));
      REQUIRE(settings.type(QString::fromLatin1(number)));
      REQUIRE(settings.press(Qt::Key_Return));
      QTRY_COMPARE(settings.items(QStringLiteral("locationConfigure")).size(), before + 1);
    }
    QVERIFY(settings.items(QStringLiteral("locationConfigure")).size() >= 3);
    REQUIRE(settings.click(settings.items(QStringLiteral("locationConfigure")).last()));
    REQUIRE(settings.waitVisible(QStringLiteral("locationForm")));
    for (const char* name : {"locationSave", "locationDelete", "locationCancel"})
      QTRY_VERIFY2(shownWhole(settings, settings.item(QString::fromLatin1(name))).isEmpty(),
                   qPrintable(shownWhole(settings, settings.item(QString::fromLatin1(name)))));
    REQUIRE(settings.click(QStringLiteral("locationCancel")));
    REQUIRE(settings.waitHidden(QStringLiteral("locationForm")));
    window->close();
    QTRY_VERIFY(!guard || !guard->isVisible());
  }

  // --- History ---

  // A call that comes in while the history shows leaves its filter tabs
  // where they were: a click meant for "Missed" lands on "Missed".
  void historyTabsStayPutWhenACallComes() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.click(QStringLiteral("leftPaneButton2")));
    REQUIRE(scene.waitVisible(QStringLiteral("historyFilter")));
    QString problem;
    QQuickItem* missed =
        scene.row(QStringLiteral("historyFilterLabel"), QStringLiteral("Missed"), &problem);
    QVERIFY2(missed, qPrintable(problem));
    const QPointF before = missed->mapToScene(QPointF(0, 0));
    QVERIFY(Scenario::demo().incomingSession(
        kBruno, RAZ::Controllers::CommunicationSession::Kind::KindCall));
    REQUIRE(scene.waitVisible(QStringLiteral("activeCommRow")));
    scene.view()->grabFramebuffer();  // laid out as drawn
    QCOMPARE(missed->mapToScene(QPointF(0, 0)), before);
  }

  // --- Keys ---

  // Esc on the open time-zone list of My Location closes the list; the
  // next Esc leaves the window. The window system hands keys to the
  // window that has the focus, the list's owner, as the test does.
  void escapeClosesTheTimeZoneListFirst() {
    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "1");
    const QString signedIn = Scenario::signIn(QStringLiteral("maya"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(signedIn);
    Dialogs::LocationPublish* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    auto* zones = dialog->findChild<QComboBox*>(QStringLiteral("timeComboBox"));
    QVERIFY(zones);
    QTest::mouseClick(zones, Qt::LeftButton, Qt::NoModifier, zones->rect().center());
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(dialog->isVisible());
    // The next key comes on a later turn of the event loop, as a user's does.
    // A desktop gives the keys back to the list's window when the list
    // closes; the headless platform gives them to no window.
    QCoreApplication::processEvents();
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!dialog->isVisible());
  }

  // --- Theme ---

  // "Invert all" recolours the main window's scene and a popup opened
  // afterwards; the scenes draw in the theme's font.
  void theThemeReachesEveryScene() {
    REQUIRE(Scenario::signIn());
    QML::Style* style = QML::Style::instance();
    QVERIFY(style);
    SceneDriver scene = Scenario::mainScene();
    QQuickItem* presence = scene.item(QStringLiteral("ownPresenceText"));
    QVERIFY(presence);
    QCOMPARE(presence->property("font").value<QFont>().family(), style->fontFamily().toString());

    REQUIRE(scene.focus(QStringLiteral("searchField")));
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(scene.view(), Qt::Key_C, chord);
    QTest::keyPress(scene.view(), Qt::Key_S, chord);
    QTest::keyRelease(scene.view(), Qt::Key_S, chord);
    QTest::keyRelease(scene.view(), Qt::Key_C, chord);
    QML::StyleView* editor = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::StyleView>(&editor));
    QPointer<QML::StyleView> guard(editor);
    SceneDriver styleScene = SceneDriver::of(editor);
    const QString bar = style->colors().value(QStringLiteral("mediumBackground")).toString();
    const QString accent = style->colors().value(QStringLiteral("activeBackground")).toString();
    REQUIRE(styleScene.click(QStringLiteral("invertAllButton")));

    // The bottom bar of the main window, between its volume and its button.
    QQuickItem* options = scene.item(QStringLiteral("optionsButton"));
    QVERIFY(options);
    QQuickItem* footer = options->parentItem();
    const QPointF inBar(footer->width() / 2, 4);
    QTRY_COMPARE(drawnAt(scene, footer, inBar), inverted(bar));

    // A chat popup that opens afterwards: its title strip.
    QVERIFY(Scenario::demo().incomingSession(
        kBruno, RAZ::Controllers::CommunicationSession::Kind::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    SceneDriver popupScene(popup);
    QQuickItem* root = popupScene.root();
    QVERIFY(root);
    QTRY_COMPARE(drawnAt(popupScene, root, QPointF(root->width() / 2, 2)), inverted(accent));

    REQUIRE(styleScene.click(QStringLiteral("defaultsButton")));
    QTRY_COMPARE(drawnAt(scene, footer, inBar), QColor(bar));
    editor->close();
    QTRY_VERIFY(!guard);
  }
};

ZENT_TEST_MAIN(TestScenarioPlacement, Application)
#include "tst_scenario_placement.moc"

// The program by keyboard alone, as a user without a mouse goes through it:
// every control of the main window is a Tab stop, Down from the search
// enters the list, Tab goes from pane to pane of a call window and the focus
// is drawn there and on a ringing popup, the default button of a question
// is the one Enter presses, every window closes on its keys, and the main
// window opens placed and with the keyboard.
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <algorithm>

#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Settings.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"
#include "libqml/utils/Style.h"
#include "libqml/window/PopupPlacement.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-keyboard-");

// The named item that has the focus (a field's inner text input has no
// name of its own: its field's).
QString focusName(SceneDriver& scene) {
  QQuickItem* focus = scene.view()->quickWindow()->activeFocusItem();
  while (focus && focus->objectName().isEmpty()) focus = focus->parentItem();
  return focus ? focus->objectName() : QStringLiteral("<none>");
}

// Presses Tab until the item named `name` has the focus; the names passed
// on the way, or a problem.
QString tabTo(SceneDriver& scene, const QString& name, QStringList* passed, int limit = 60) {
  for (int i = 0; i < limit; ++i) {
    const QString problem = scene.press(Qt::Key_Tab);
    if (!problem.isEmpty()) return problem;
    passed->append(focusName(scene));
    if (passed->last() == name) return QString();
  }
  return QStringLiteral("Tab never reached %1: %2").arg(name, passed->join(", "));
}

// The item with the focus draws it: some shown descendant (its ring) is
// shown only while it has the focus.
bool drawsFocus(QQuickItem* item) {
  const auto children = item->childItems();
  for (QQuickItem* child : children) {
    if (!child->isVisible()) continue;
    bool ringOnly = false;
    item->setFocus(false);
    ringOnly = !child->isVisible();
    item->forceActiveFocus();
    if (ringOnly) return true;
  }
  return false;
}

// Where an item of a scene lies on the screen.
QRect globalRect(QQuickItem* item) {
  const QPoint topLeft = QML::sceneToGlobal(item, item->mapToScene(QPointF(0, 0)));
  return QRect(topLeft, QSize(qRound(item->width()), qRound(item->height())));
}

// Space on the button named `name` opens a menu that drops from the button
// or rises from it, at its left edge, whatever the pointer's place.
QString menuOpensAtButton(SceneDriver& scene, const QString& name) {
  QString problem = scene.focus(name);
  if (!problem.isEmpty()) return problem;
  QQuickItem* button = scene.item(name);
  const QRect at = globalRect(button);
  // The pointer far from the button: a menu there is the pointer's.
  const QRect screen = scene.view()->screen()->geometry();
  QCursor::setPos(at.center().x() < screen.center().x() ? screen.right() - 5 : screen.left() + 5,
                  at.center().y() < screen.center().y() ? screen.bottom() - 5 : screen.top() + 5);
  problem = scene.press(Qt::Key_Space);
  QMenu* menu = nullptr;
  if (problem.isEmpty()) problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return name + QStringLiteral(": ") + problem;
  const QRect shown = menu->geometry();
  ZentTest::closeMenus();
  const bool besideVertically =
      qAbs(shown.top() - at.bottom()) <= 2 || qAbs(shown.bottom() - at.top()) <= 2;
  // The screen may push a menu left, never away from a button it fits by.
  if (!besideVertically || shown.left() > at.left() + 2 || shown.right() < at.left())
    return QStringLiteral("%1 at %2,%3 %4x%5 opened a menu at %6,%7 %8x%9")
        .arg(name)
        .arg(at.x())
        .arg(at.y())
        .arg(at.width())
        .arg(at.height())
        .arg(shown.x())
        .arg(shown.y())
        .arg(shown.width())
        .arg(shown.height());
  return QString();
}

}  // namespace

// Counts the shortcut events an action receives and keeps them from it.
struct ShortcutCatcher : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Shortcut) return false;
    ++count;
    return true;
  }
};

class TestScenarioKeyboard : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  TestScenarioKeyboard() : ScenarioTestObject(g_environment) {}

 private slots:
  void cleanup() { Scenario::tidy(); }

  // The main window opens away from the corner with the keyboard: typing
  // goes to the search at once.
  void mainWindowOpensPlacedAndFocused() {
    REQUIRE(Scenario::signOut());
    // Signed out, Ctrl+Q still quits: the sign-in window holds Exit.
    QML::LoginWindow* login = Scenario::app()->loginWindow();
    QVERIFY(login);
    const auto actions = login->actions();
    QVERIFY(std::any_of(actions.begin(), actions.end(), [](QAction* a) {
      return a->shortcut() == QKeySequence(QStringLiteral("Ctrl+Q")) &&
             a->shortcutContext() != Qt::WidgetShortcut;
    }));
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    QVERIFY(main->pos() != QPoint(0, 0));
    REQUIRE(ZentTest::liesOnScreen(main));
    QTRY_VERIFY(main->isActiveWindow());
    SceneDriver scene = Scenario::mainScene();
    QTRY_COMPARE(focusName(scene), QStringLiteral("searchField"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ali"));
    QTRY_COMPARE(scene.text(QStringLiteral("searchField")), QStringLiteral("ali"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  }

  // From the search: Down enters the list at its first row; Tab goes on by
  // the selected row's chat, call and video buttons and "+" to the list, the volume and on round
  // the presence and the view buttons, back to the search.
  void everyMainWindowControlIsATabStop() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.press(Qt::Key_Down));
    QQuickItem* focus = scene.view()->quickWindow()->activeFocusItem();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("contactRow"));
    QVERIFY(Scenario::mainWindow()->property("currentContactRow").toInt() >= 0);

    REQUIRE(scene.focus(QStringLiteral("searchField")));
    QStringList passed;
    REQUIRE(tabTo(scene, QStringLiteral("addButton"), &passed));
    QCOMPARE(passed, QStringList({"chatButton", "callButton", "videoButton", "addButton"}));
    REQUIRE(tabTo(scene, QStringLiteral("contactRow"), &passed));
    QCOMPARE(passed.size(), 5);
    REQUIRE(tabTo(scene, QStringLiteral("volumeSlider"), &passed));
    REQUIRE(tabTo(scene, QStringLiteral("searchField"), &passed));
    for (const char* name : {"muteToggle", "optionsButton", "windowFrameIcon", "leftPaneButton0"})
      QVERIFY2(passed.contains(QLatin1String(name)), qPrintable(name + (": " + passed.join(", "))));
    // The presence is one of them, and Space opens its menu.
    QQuickItem* presence = scene.item(QStringLiteral("ownPresenceText"));
    QVERIFY(presence && presence->activeFocusOnTab());
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    QStringList back;
    for (int i = 0; i < 60 && scene.view()->quickWindow()->activeFocusItem() != presence; ++i) {
      REQUIRE(scene.press(Qt::Key_Backtab, Qt::ShiftModifier));
      back << focusName(scene);
    }
    QVERIFY2(scene.view()->quickWindow()->activeFocusItem() == presence,
             qPrintable(back.join(", ")));
    REQUIRE(scene.press(Qt::Key_Space));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    ZentTest::closeMenus();
    // The volume moves with the arrows.
    REQUIRE(scene.focus(QStringLiteral("volumeSlider")));
    QQuickItem* volume = scene.item(QStringLiteral("volumeSlider"));
    const int before = volume->property("value").toInt();
    REQUIRE(scene.press(before >= 50 ? Qt::Key_Left : Qt::Key_Right));
    QTRY_VERIFY(volume->property("value").toInt() != before);
  }

  // The menus of "+", the footer's "Options" and the call-settings
  // buttons, opened with Space, drop from their buttons: the pointer may be
  // anywhere.
  void buttonMenusOpenAtTheirButtons() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(ZentTest::liesOnScreen(Scenario::mainWindow()));
    QVERIFY(Scenario::mainWindow()->pos() != QPoint(0, 0));
    for (const char* name : {"addButton", "optionsButton", "forwardingButton"}) {
      REQUIRE(scene.waitVisible(QLatin1String(name)));
      REQUIRE(menuOpensAtButton(scene, QLatin1String(name)));
    }
  }

  // A chat opened with the chat button clears the search, which disables
  // the button: the focus goes back to the search rather than nowhere.
  void aButtonDisabledWithTheFocusHandsItOn() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.type(QStringLiteral("alice")));
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    REQUIRE(scene.press(Qt::Key_Down));
    QStringList passed;
    REQUIRE(tabTo(scene, QStringLiteral("chatButton"), &passed));
    REQUIRE(scene.press(Qt::Key_Space));
    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &chat));
    QPointer<QML::CommunicationsWindow> guard(chat);
    QTRY_VERIFY(!scene.isEnabled(QStringLiteral("chatButton")));
    chat->activateWindow();
    QTRY_VERIFY(chat->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : chat,
                    Qt::Key_Escape);
    QTRY_VERIFY(!guard || !guard->isVisible());
    // The window system hands the keyboard back to the main window.
    Scenario::mainWindow()->activateWindow();
    QTRY_VERIFY(Scenario::mainWindow()->isActiveWindow());
    QTRY_COMPARE(focusName(scene), QStringLiteral("searchField"));
    // And the focus is drawn there: Tab goes on from it.
    REQUIRE(scene.press(Qt::Key_Tab));
    QVERIFY(focusName(scene) != QStringLiteral("<none>"));
  }

  // History by keyboard: its filter tabs are Tab stops whose focus is
  // drawn, the chosen one's too, and Space on "Missed" shows the missed.
  void historyFiltersByKeyboard() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    QStringList passed;
    REQUIRE(tabTo(scene, QStringLiteral("leftPaneButton2"), &passed));
    REQUIRE(scene.press(Qt::Key_Space));
    REQUIRE(scene.waitVisible(QStringLiteral("historyFilterTab")));
    const QList<QQuickItem*> tabs = scene.items(QStringLiteral("historyFilterTab"));
    QCOMPARE(tabs.size(), 4);
    QQuickWindow* window = scene.view()->quickWindow();
    for (int i = 0; i < 40 && window->activeFocusItem() != tabs.at(0); ++i)
      REQUIRE(scene.press(Qt::Key_Tab));
    QCOMPARE(window->activeFocusItem(), tabs.at(0));
    QVERIFY(tabs.at(0)->property("chosen").toBool());
    QVERIFY(drawsFocus(tabs.at(0)));
    REQUIRE(scene.press(Qt::Key_Tab));
    QCOMPARE(window->activeFocusItem(), tabs.at(1));
    QVERIFY(drawsFocus(tabs.at(1)));
    REQUIRE(scene.press(Qt::Key_Space));
    QTRY_VERIFY(tabs.at(1)->property("chosen").toBool());
    QVERIFY(!tabs.at(0)->property("chosen").toBool());
    QVERIFY(drawsFocus(tabs.at(1)));
    // The chosen tab is filled with the ring's colour: its ring differs.
    QQuickItem* ring = tabs.at(1)->findChild<QQuickItem*>(QStringLiteral("historyFilterFocusRing"));
    QVERIFY(ring && ring->isVisible());
    QObject* pen = ring->property("border").value<QObject*>();
    QVERIFY(pen);
    QVERIFY(pen->property("color").value<QColor>() !=
            tabs.at(1)->property("color").value<QColor>());
    // Tab on into the list, no row current: the list itself is ringed.
    QQuickItem* list = scene.item(QStringLiteral("historyList"));
    for (int i = 0; i < 10 && window->activeFocusItem() != list; ++i)
      REQUIRE(scene.press(Qt::Key_Tab));
    QCOMPARE(window->activeFocusItem(), list);
    QVERIFY(list->property("currentIndex").toInt() < 0);
    const QList<QQuickItem*> rings = scene.items(QStringLiteral("listFocusRing"));
    QVERIFY(std::any_of(rings.begin(), rings.end(), [](QQuickItem* r) { return r->isVisible(); }));

    // Opened again on the history, which hides the search, the keyboard
    // is on the chosen filter rather than in the hidden field.
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    SceneDriver again = Scenario::mainScene();
    REQUIRE(again.waitVisible(QStringLiteral("historyFilterTab")));
    QTRY_VERIFY(Scenario::mainWindow()->isActiveWindow());
    QTRY_COMPARE(again.view()->quickWindow()->activeFocusItem(),
                 again.items(QStringLiteral("historyFilterTab")).at(1));
    REQUIRE(again.press(Qt::Key_Backtab, Qt::ShiftModifier));
    REQUIRE(again.press(Qt::Key_Space));
    QTRY_VERIFY(again.items(QStringLiteral("historyFilterTab")).at(0)->property("chosen").toBool());
    REQUIRE(again.focus(QStringLiteral("leftPaneButton0")));
    REQUIRE(again.press(Qt::Key_Space));
    REQUIRE(again.waitVisible(QStringLiteral("searchField")));
  }

  // A search-result group closed and opened again leaves its header
  // current and nothing chosen: Down from the search still chooses the
  // first contact, whose buttons then act.
  void downFromTheSearchChoosesAContact() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.type(QStringLiteral("alice")));
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    QQuickWindow* window = scene.view()->quickWindow();
    REQUIRE(scene.press(Qt::Key_Down));
    QTRY_VERIFY(Scenario::mainWindow()->property("selectedContactCount").toInt() > 0);
    QStringList passed;
    REQUIRE(tabTo(scene, QStringLiteral("contactRow"), &passed));
    QQuickItem* header = window->activeFocusItem();
    QVERIFY(header->property("canOpen").toBool());
    QVERIFY(drawsFocus(header));
    REQUIRE(scene.press(Qt::Key_Space));
    QTRY_VERIFY(!header->property("groupOpen").toBool());
    REQUIRE(scene.press(Qt::Key_Space));
    QTRY_VERIFY(header->property("groupOpen").toBool());
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.press(Qt::Key_Down));
    QTRY_VERIFY(Scenario::mainWindow()->property("selectedContactCount").toInt() > 0);
    QQuickItem* focus = window->activeFocusItem();
    QVERIFY(focus && focus->objectName() == QLatin1String("contactRow"));
    QVERIFY(!focus->property("header").toBool());
    QVERIFY(scene.isEnabled(QStringLiteral("chatButton")));
    REQUIRE(scene.press(Qt::Key_Escape));
  }

  // In the rooms, Down from the search enters the rooms shown (never the
  // hidden contacts, whose selection the call button would act on), and
  // Enter joins the current room.
  void downFromTheSearchEntersTheRooms() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.focus(QStringLiteral("leftPaneButton1")));
    REQUIRE(scene.press(Qt::Key_Space));
    REQUIRE(scene.waitVisible(QStringLiteral("roomList")));
    REQUIRE(scene.waitVisible(QStringLiteral("roomRow")));
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    REQUIRE(scene.press(Qt::Key_Down));
    QCOMPARE(focusName(scene), QStringLiteral("roomRow"));
    QQuickItem* rooms = scene.item(QStringLiteral("roomList"));
    QVERIFY(rooms->hasActiveFocus());
    QCOMPARE(rooms->property("currentIndex").toInt(), 0);
    QVERIFY(!scene.isEnabled(QStringLiteral("callButton")));
    REQUIRE(scene.press(Qt::Key_Return));
    QML::CommunicationsWindow* room = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationsWindow>(&room));
  }

  // A ringing popup, reached with the main window's shortcut, draws the
  // focus on its first answer, which Enter presses, and Tab goes round its
  // buttons; in the call window Tab goes from the call's controls on to
  // the footer, whose focus is drawn too, and whose "Options" menu drops
  // from its link.
  void callByKeyboard() {
    REQUIRE(Scenario::signIn());
    QVERIFY(RAZ::Demo::CommsScript::ringIn(kAlice, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    SceneDriver ring(popup);
    REQUIRE(ring.waitText(QStringLiteral("title"), kAliceName));
    // Reached as the user does, with the main window's Ctrl+Shift+A.
    Scenario::mainWindow()->activateWindow();
    QTRY_VERIFY(Scenario::mainWindow()->isActiveWindow());
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    QTRY_VERIFY(popup->isActiveWindow());
    QQuickItem* answer = ring.item(QStringLiteral("audioButton"));
    QVERIFY(answer);
    QTRY_VERIFY(answer->hasActiveFocus());
    QVERIFY(drawsFocus(answer));
    // Tab goes round its buttons, each drawing the focus, back to "Answer".
    QQuickWindow* ringScene = ring.view()->quickWindow();
    QSet<QQuickItem*> visited;
    for (int i = 0; i < 8 && !(i > 0 && answer->hasActiveFocus()); ++i) {
      REQUIRE(ring.press(Qt::Key_Tab));
      QQuickItem* now = ringScene->activeFocusItem();
      QVERIFY2(now && now != ring.view()->rootObject() && now->activeFocusOnTab(),
               qPrintable(now ? now->objectName() : QStringLiteral("<none>")));
      QVERIFY2(drawsFocus(now), qPrintable(now->objectName()));
      visited << now;
    }
    QVERIFY(answer->hasActiveFocus());
    QVERIFY(visited.contains(ring.item(QStringLiteral("declineButton"))));
    REQUIRE(ring.press(Qt::Key_Return));

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    call.view()->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(focusName(call), QStringLiteral("endButton"));
    QWidget* footer = window->footerView();
    QVERIFY(footer);
    SceneDriver foot(qobject_cast<QQuickWidget*>(footer));
    for (int i = 0; i < 20 && !footer->hasFocus(); ++i) REQUIRE(call.press(Qt::Key_Tab));
    QVERIFY2(footer->hasFocus(), qPrintable(focusName(call)));
    QQuickItem* inFooter = foot.view()->quickWindow()->activeFocusItem();
    QVERIFY(inFooter);
    QVERIFY2(inFooter->activeFocusOnTab(), qPrintable(inFooter->objectName()));
    QVERIFY(drawsFocus(inFooter));
    // And Shift+Tab goes back to the call's last control.
    QTest::keyClick(footer, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(call.view()->hasFocus());
    // The footer's "Options" drops from its link (or rises above it), the
    // window away from the corner and the pointer away from both (high
    // enough that the menu, Share Desktop and all, fits below the link).
    window->move(window->screen()->availableGeometry().topLeft() + QPoint(180, 60));
    QTRY_VERIFY(window->pos() != QPoint(0, 0));
    REQUIRE(menuOpensAtButton(foot, QStringLiteral("optionsMenuButton")));
  }

  // A chat invitation, reached with the same Ctrl+Shift+A, draws the
  // focus on itself, and Enter accepts it: the chat opens.
  void chatInvitationByKeyboard() {
    REQUIRE(Scenario::signIn());
    QVERIFY(
        Scenario::demo().incomingSession(kBruno, RAZ::Controllers::CommunicationSession::KindChat));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    QCOMPARE(int(popup->type()), int(QML::CommunicationNotification::ChatNotification));
    SceneDriver invite(popup);
    Scenario::mainWindow()->activateWindow();
    QTRY_VERIFY(Scenario::mainWindow()->isActiveWindow());
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    QTRY_VERIFY(popup->isActiveWindow());
    QQuickItem* answer = invite.item(QStringLiteral("invitation"));
    QVERIFY(answer);
    QTRY_VERIFY(answer->hasActiveFocus());
    QVERIFY(drawsFocus(answer));
    REQUIRE(invite.press(Qt::Key_Return));
    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kBrunoName, &chat));
  }

  // The removal question shows "No" as the default and Enter answers with
  // it: the contact stays.
  void enterAnswersTheDefaultButton() {
    REQUIRE(Scenario::signIn());
    int clicked = -1;
    QString seen;
    QTimer::singleShot(0, [&seen] {
      Dialogs::MessageWindow* found = nullptr;
      seen = ZentTest::waitForWindow<Dialogs::MessageWindow>(&found);
      QPointer<Dialogs::MessageWindow> question(found);
      if (!question) return;
      QPushButton* no = question->findChild<QPushButton*>(QStringLiteral("noButton"));
      const bool focused = QTest::qWaitFor([no] { return no && no->hasFocus(); });
      const auto buttons = question->findChildren<QPushButton*>();
      for (QPushButton* b : buttons)
        if (b->isDefault() != (b == no))
          seen += b->text() + QStringLiteral(" drawn as the default; ");
      if (!focused) seen += QStringLiteral("\"No\" has no focus");
      // Drawn so too: the default is the one filled dark.
      const auto fill = [](QPushButton* b) {
        return b->grab().toImage().pixelColor(3, b->height() / 2).lightness();
      };
      for (QPushButton* b : buttons)
        if (no && b != no && b->isVisible() && fill(b) <= fill(no))
          seen += b->text() + QStringLiteral(" filled as dark as the default; ");
      // Enter, wherever the focus is: the question ends either way.
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : question,
                      Qt::Key_Return);
      if (question && question->isVisible()) question->close();
    });
    // The program's colours, as the windows have them.
    std::unique_ptr<QML::Style> style(QML::Style::instance() ? nullptr : new QML::Style(nullptr));
    const int answer = Dialogs::MessageWindow::question(
        QStringLiteral("Confirm Deletion"), QStringLiteral("Remove Alice Moreno?"), true, false,
        QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked, QDialogButtonBox::No, nullptr);
    QVERIFY2(seen.isEmpty(), qPrintable(seen));
    QCOMPARE(clicked, int(QDialogButtonBox::No));
    QVERIFY(answer != QDialog::Accepted);
  }

  // The password change: once it succeeded, the dialog's one button has
  // the focus and Enter closes it; Esc leaves the question before.
  void passwordDialogAnswersItsKeys() {
    REQUIRE(Scenario::signIn());
    QVERIFY(Scenario::demo().reportCredentialsDaysLeft(-1));
    Dialogs::PasswordChangeNotification* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PasswordChangeNotification>(&dialog));
    QPointer<Dialogs::PasswordChangeNotification> guard(dialog);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->oldPasswordField()));
    QTest::keyClicks(dialog->oldPasswordField(), RAZ::Demo::Service::demoPassword());
    QTest::keyClick(dialog->oldPasswordField(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("s3cret"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("s3cret"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY2(dialog->messageLabel()->text().contains(QStringLiteral("changed successfully")),
                 qPrintable(dialog->messageLabel()->text()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->changeButton()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!guard || !guard->isVisible());

    QVERIFY(Scenario::demo().reportCredentialsDaysLeft(3));
    REQUIRE(ZentTest::waitForWindow<Dialogs::PasswordChangeNotification>(&dialog));
    guard = dialog;
    QTRY_VERIFY(dialog->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                    Qt::Key_Escape);
    QTRY_VERIFY(!guard || !guard->isVisible());
  }

  // Preferences by keyboard: each Tab lands on a control that looks
  // otherwise while it has the focus.
  void preferencesDrawTheirFocus() {
    REQUIRE(Scenario::signIn());
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    QPointer<Dialogs::PreferencesWindow> guard(prefs);
    prefs->activateWindow();
    QTRY_VERIFY(prefs->isActiveWindow());
    {
      // Ctrl+Q reaches Exit from here too, also with the main window in
      // the tray (caught on its way: the test goes on running).
      QAction* exit =
          Scenario::app()->menuActionProvider()->action(Providers::MenuActionProvider::Exit);
      ShortcutCatcher caught;
      exit->installEventFilter(&caught);
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus ? focus : prefs, Qt::Key_Q, Qt::ControlModifier);
      QCOMPARE(caught.count, 1);
      Scenario::mainWindow()->hide();
      QVERIFY(prefs->isVisible());
      QTest::keyClick(focus ? focus : prefs, Qt::Key_Q, Qt::ControlModifier);
      QCOMPARE(caught.count, 2);
      Scenario::mainWindow()->show();
      prefs->activateWindow();
      QTRY_VERIFY(prefs->isActiveWindow());
    }
    QStringList undrawn;
    for (int i = 0; i < 6; ++i) {
      QWidget* before = QApplication::focusWidget();
      QTest::keyClick(before ? before : prefs, Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus && focus->window() == prefs && focus->isVisible());
      const QImage focused = focus->grab().toImage();
      focus->clearFocus();
      const QImage plain = focus->grab().toImage();
      focus->setFocus(Qt::TabFocusReason);
      if (focused == plain) undrawn << QString::fromLatin1(focus->metaObject()->className());
    }
    QVERIFY2(undrawn.isEmpty(), qPrintable(undrawn.join(", ")));
    // A setting changed with Space, then Enter on the check box presses
    // the default OK: the window closes with the change saved. Twice, to
    // leave the setting as it was.
    for (int round = 0; round < 2; ++round) {
      if (round > 0) {
        REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")}));
        REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
        guard = prefs;
        prefs->activateWindow();
        QTRY_VERIFY(prefs->isActiveWindow());
      }
      auto* box = prefs->findChild<QCheckBox*>(QStringLiteral("autoSignin"));
      QVERIFY(box);
      box->setFocus(Qt::TabFocusReason);
      const bool before = box->isChecked();
      QTest::keyClick(box, Qt::Key_Space);
      QCOMPARE(box->isChecked(), !before);
      QTest::keyClick(box, Qt::Key_Return);
      QTRY_VERIFY(!guard || !guard->isVisible());
      QCOMPARE(RAZ::Settings(RAZ::Settings::Application)
                   .value(Utils::SettingsKey::LoginAutoLogin, false)
                   .toBool(),
               !before);
    }
  }

  // Esc puts the presence requests aside unanswered: the next sign-in
  // brings them back, Ctrl+W puts them aside again.
  void presenceRequestsStepAsideOnEsc() {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
      QML::PresenceRequestDialog* dialog = nullptr;
      REQUIRE(Scenario::signInToPresenceRequests(&dialog));
      dialog->activateWindow();
      QTRY_VERIFY(dialog->isActiveWindow());
      QTest::keySequence(dialog->view(), keys);
      QTRY_VERIFY2(!dialog->isVisible(), qPrintable(keys.toString()));
      // The main window has the keyboard back (without a window manager
      // nothing else would hand it over).
      QTRY_VERIFY2(Scenario::mainWindow()->isActiveWindow(),
                   qPrintable(ZentTest::describeWindows()));
    }
    // Enter presses the Accept drawn as the default: answered, it goes.
    QML::PresenceRequestDialog* dialog = nullptr;
    REQUIRE(Scenario::signInToPresenceRequests(&dialog));
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QTest::keyClick(dialog->view(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(dialog->model()->rowCount(), 0);
  }

  // The call debug window closes on Esc and on Ctrl+W, as the others do.
  void callDebugWindowClosesOnItsKeys() {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
      TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call(
          new RAZ::MediaEngine::CallBasePtr("sip:alice.moreno@demo.zent",
                                            RAZ::MediaEngine::CallBasePtr::TypeAudio, false));
      QPointer<QML::CallDebugWindow> window(QML::CallDebugWindow::create(call));
      QVERIFY(window);
      QVERIFY(window->activate());
      window->activateWindow();
      QTRY_VERIFY(window->isActiveWindow());
      QTest::keySequence(window->view(), keys);
      QTRY_VERIFY2(!window || !window->isVisible(), qPrintable(keys.toString()));
      delete window.data();
    }
  }
};

ZENT_TEST_MAIN(TestScenarioKeyboard, Application)
#include "tst_scenario_keyboard.moc"

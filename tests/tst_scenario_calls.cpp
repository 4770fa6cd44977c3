// Calls through the windows: a call put on video (or beside a chat or a
// share) keeps its controls, a video call from a contact's menu shows video,
// the dial pad sends tones on the call, and a shared screen fills the screen
// while it shows.
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QWindow>
#include <QtTest>

#include <functional>

#include <RAZ/Client.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/MediaEngine/VideoTestPicture.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Custom/VideoCall.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using RAZ::MediaEngine::CallBasePtr;
using RAZ::MediaEngine::VideoTestPicture;
using ZentTest::Scenario;
using ZentTest::SceneDriver;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-calls-");

const QStringList kCallControls = {"endButton", "muteButton", "holdButton", "dialpadButton",
                                   "transferButton"};

// Right-click Alice ▸ `entry` ▸ her work number; waits for the call window.
QString callAlice(const QString& entry, QML::CommunicationsWindow** window) {
  QMenu* menu = nullptr;
  QString problem = Scenario::openContactMenu(kAliceName, &menu);
  if (!problem.isEmpty()) return problem;
  // An entry with one number has no submenu of numbers.
  QStringList path{entry};
  for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
    if (e.text == entry && e.hasSubmenu) path << QString::fromLatin1(kAliceWork);
  problem = ZentTest::triggerMenuEntry(menu, path);
  if (!problem.isEmpty()) return problem;
  return Scenario::waitForCommsWindow(kAliceName, window);
}

SceneDriver footerOf(QML::CommunicationsWindow* window) {
  return SceneDriver(qobject_cast<QQuickWidget*>(window->footerView()));
}

// With ZENT_TEST_GRAB_DIR set, pictures of the window to look at, numbered
// in the order they were taken.
void grabFor(QWidget* window, const QString& name) {
  static int taken = 0;
  const QString folder = qEnvironmentVariable("ZENT_TEST_GRAB_DIR");
  if (!folder.isEmpty())
    window->grab().save(
        QStringLiteral("%1/%2-%3.png").arg(folder).arg(++taken, 2, 10, QLatin1Char('0')).arg(name));
}

// The call's controls: each shown whole inside the window's footer, none
// over another or over the Options link.
QString controlsReachableNow(QML::CommunicationsWindow* window) {
  SceneDriver footer = footerOf(window);
  if (!footer.isValid() || !footer.view()->isVisible()) return QStringLiteral("no footer shown");
  QString problem = footer.waitVisible(QStringLiteral("endButton"));
  if (!problem.isEmpty()) return problem;
  const QRectF area(QPointF(0, 0), QSizeF(footer.view()->size()));
  QList<QRectF> taken;
  QStringList names = kCallControls;
  names << QStringLiteral("optionsMenuButton");
  if (footer.isVisible(QStringLiteral("footerVolume"))) names << QStringLiteral("footerVolume");
  for (const QString& name : qAsConst(names)) {
    QQuickItem* item = footer.item(name, &problem);
    if (!item) return problem;
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (box.width() < 8 || !area.contains(box))
      return QStringLiteral("%1 at %2,%3 %4x%5 is not whole in the footer of %6x%7")
          .arg(name)
          .arg(box.x())
          .arg(box.y())
          .arg(box.width())
          .arg(box.height())
          .arg(area.width())
          .arg(area.height());
    for (const QRectF& other : qAsConst(taken))
      if (other.intersects(box)) return name + QStringLiteral(" lies over another control");
    taken << box;
  }
  return QString();
}

// The same, once the footer's scene has laid itself out for the window's
// present size and activity.
QString controlsReachable(QML::CommunicationsWindow* window) {
  QString problem;
  (void)QTest::qWaitFor([&] { return (problem = controlsReachableNow(window)).isEmpty(); },
                        ZentTest::kWaitMs);
  return problem;
}

// The controls at the window's smallest size and at larger ones.
QString controlsReachableAtEverySize(QML::CommunicationsWindow* window) {
  const QSize original = window->size();
  const QList<QSize> sizes = {window->minimumSize(), QSize(640, 420), QSize(1000, 700)};
  for (const QSize& size : sizes) {
    window->resize(size.expandedTo(window->minimumSize()));
    QWidget* footer = window->footerView();
    if (!QTest::qWaitFor([&] { return footer->width() == window->width(); }, ZentTest::kWaitMs))
      return QStringLiteral("the footer did not follow the window");
    const QString problem = controlsReachable(window);
    grabFor(window, QStringLiteral("%1-%2x%3")
                        .arg(QString::fromLatin1(QTest::currentTestFunction()))
                        .arg(window->width())
                        .arg(window->height()));
    if (!problem.isEmpty())
      return QStringLiteral("at %1x%2: ").arg(window->width()).arg(window->height()) + problem;
  }
  window->resize(original);
  return QString();
}

// Ends the call through the End button of `scene`, with no question; a
// chat or share beside the call keeps the window, which is then closed
// (without a question, the call having ended). Waits for the window to go.
QString endCallWith(QML::CommunicationsWindow* window, SceneDriver scene) {
  QPointer<QML::CommunicationsWindow> guard(window);
  QString problem = scene.click(QStringLiteral("endButton"));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor(
          [&guard] {
            return !guard || !guard->isVisible() || !guard->getSession() ||
                   !guard->getSession()->getCall();
          },
          ZentTest::kWaitMs))
    return QStringLiteral("the call went on after End");
  if (ZentTest::findWindow<Dialogs::MessageWindow>())
    return QStringLiteral("End asked a question: ") + ZentTest::describeWindows();
  if (guard && guard->isVisible()) guard->close();
  if (!QTest::qWaitFor([&guard] { return !guard || !guard->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("the call window stayed after End");
  return QString();
}

bool videoShows(QML::CommunicationsWindow* window) {
  Widgets::Custom::VideoCall* surface = window->getVideoSurface();
  return surface && surface->isVisible() && window->getSession() &&
         window->getSession()->getCall() &&
         window->getSession()->getCall()->getVideoState() == CallBasePtr::VideoActive;
}

// The lines of text a picture shows: bands of rows that hold dark opaque
// pixels, apart by more than the gap between an i and its dot.
int textLines(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  int lines = 0;
  int blank = 3;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    bool dark = false;
    for (int x = 0; x < image.width() && !dark; ++x)
      dark = qAlpha(row[x]) > 128 && qGray(row[x]) < 96;
    if (dark && blank >= 3) ++lines;
    blank = dark ? 0 : blank + 1;
  }
  return lines;
}

// Presses on the item and moves the pointer away with the button held, as a
// drag begins; the button is let go afterwards.
QString pressAndMove(SceneDriver scene, QQuickItem* item) {
  QPoint from;
  const QString problem = scene.centreOf(item, &from);
  if (!problem.isEmpty()) return problem;
  QQuickWidget* view = scene.view();
  QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
  const QPoint to = from + QPoint(0, QGuiApplication::styleHints()->startDragDistance() + 10);
  QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  return QString();
}

// Drops what a drag carries onto the item, as the pointer lets go there.
void dropOnto(SceneDriver scene, QQuickItem* item, const QString& mimeType,
              const QByteArray& data) {
  QPoint at;
  if (!scene.centreOf(item, &at).isEmpty()) return;
  QMimeData mime;
  mime.setData(mimeType, data);
  mime.setText(QString::fromUtf8(data));
  QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(scene.view(), &enter);
  QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(scene.view(), &move);
  QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(scene.view(), &drop);
}

// Options ▸ "Always on Top" of the window, as a user chooses it: the entry's
// mark shows the window as it is, and the choice switches the window over.
QString switchAlwaysOnTop(QML::CommunicationsWindow* window) {
  const bool before = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  QString problem = ZentTest::sceneWith(window, QStringLiteral("optionsMenuButton"))
                        .click(QStringLiteral("optionsMenuButton"));
  QMenu* menu = nullptr;
  if (problem.isEmpty()) problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  const QString entry = QStringLiteral("Always on Top");
  bool found = false;
  for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu)) {
    if (e.text != entry) continue;
    found = true;
    if (e.checked != before)
      return QStringLiteral("the entry is %1 on a window %2 on top")
          .arg(e.checked ? QStringLiteral("checked") : QStringLiteral("unchecked"),
               before ? QStringLiteral("kept") : QStringLiteral("not kept"));
  }
  if (!found) return QStringLiteral("no entry in: ") + ZentTest::describe(menu).join(" | ");
  problem = ZentTest::triggerMenuEntry(menu, {entry});
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor(
          [window, before] {
            return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != before;
          },
          ZentTest::kWaitMs))
    return QStringLiteral("the window stayed as it was");
  if (window->isAlwaysOnTop() == before) return QStringLiteral("the window tells the old state");
  return QString();
}

// The call's video goes on: the call still draws into the surface and its
// preview, which stay inside the call window and take new pictures.
QString videoGoesOn(QML::CommunicationsWindow* window) {
  Widgets::Custom::VideoCall* surface = window->getVideoSurface();
  CallBasePtr* call = window->getSession() ? window->getSession()->getCall() : nullptr;
  if (!surface || !call) return QStringLiteral("no video call");
  const QList<QPair<QWidget*, VideoTestPicture::Role>> shown = {
      {call->remoteVideoWindow(), VideoTestPicture::Remote},
      {call->ownVideoWindow(), VideoTestPicture::Own}};
  for (const auto& target : shown) {
    QWidget* drawn = target.first;
    if (!drawn || (drawn != surface && drawn->parentWidget() != surface))
      return QStringLiteral("the call draws outside the surface");
    if (!drawn->windowHandle() || !drawn->windowHandle()->isVisible() ||
        drawn->windowHandle()->parent() == nullptr ||
        drawn->window()->windowHandle() != window->windowHandle())
      return drawn->objectName() + QStringLiteral(" has left the call window");
    VideoTestPicture* picture = VideoTestPicture::find(drawn, target.second);
    if (!picture) return drawn->objectName() + QStringLiteral(" shows no picture");
    const int frames = picture->frames();
    if (!QTest::qWaitFor([picture, frames] { return picture->frames() > frames + 2; },
                         ZentTest::kWaitMs))
      return drawn->objectName() + QStringLiteral(" stands still");
  }
  return QString();
}

// The widget whose native window the window system shows (and gives the
// pointer to) at the global point, among those inside `window`: children
// are stacked in their order, a native window covers every plain widget
// (but where its mask leaves it out).
QWidget* nativeWindowAt(QWidget* window, const QPoint& global) {
  QWidget* found = window;
  std::function<void(QWidget*)> visit = [&](QWidget* parent) {
    for (QObject* o : parent->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w->isWindow() || !w->isVisible()) continue;
      const QPoint local = w->mapFromGlobal(global);
      if (!w->rect().contains(local) || (!w->mask().isEmpty() && !w->mask().contains(local)))
        continue;
      if (w->internalWinId()) found = w;
      visit(w);
    }
  };
  visit(window);
  return found;
}

}  // namespace

class ScenarioCallsTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioCallsTest() : ScenarioTestObject(g_environment) {}

 private slots:
  // A call put on video keeps End, Mute, Hold, Dial Pad and Transfer at
  // every window size; so does a call beside a chat or a share, with or
  // without video. Mute and Hold work from there, and End ends the call.
  void callOnVideoKeepsItsControlsInEveryLayout() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    CommunicationSession* session = window->getSession();
    QVERIFY(session);

    REQUIRE(call.click(QStringLiteral("videoButton")));
    QTRY_VERIFY_WITH_TIMEOUT(videoShows(window), ZentTest::kWaitMs);
    QVERIFY(!window->callPaneShown());
    REQUIRE(controlsReachableAtEverySize(window));

    // The party writes: the chat opens beside the video.
    QVERIFY(CommsScript::openChat(session));
    QTRY_VERIFY_WITH_TIMEOUT(window->pane(QML::CommsLayout::ChatPane)->isVisible(),
                             ZentTest::kWaitMs);
    QVERIFY(videoShows(window));
    REQUIRE(controlsReachableAtEverySize(window));

    // Video stops: chat beside an audio call, no call scene either.
    SceneDriver footer = footerOf(window);
    REQUIRE(footer.click(QStringLiteral("videoButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!window->getVideoSurface()->isVisible(), ZentTest::kWaitMs);
    QVERIFY(!window->callPaneShown());
    REQUIRE(controlsReachableAtEverySize(window));

    // The party shares a screen beside the chat and the call (the window
    // fills the screen meanwhile).
    QVERIFY(CommsScript::shareScreen(session, false));
    QTRY_VERIFY_WITH_TIMEOUT(window->pane(QML::CommsLayout::SharePane)->isVisible(),
                             ZentTest::kWaitMs);
    REQUIRE(controlsReachable(window));
    QVERIFY(CommsScript::stopSharing(session));
    QTRY_VERIFY_WITH_TIMEOUT(!window->pane(QML::CommsLayout::SharePane)->isVisible(),
                             ZentTest::kWaitMs);

    // The footer's controls act on the call.
    CallBasePtr* engineCall = session->getCall();
    QVERIFY(engineCall);
    REQUIRE(footer.click(QStringLiteral("muteButton")));
    QTRY_VERIFY_WITH_TIMEOUT(engineCall->microphoneMuted(), ZentTest::kWaitMs);
    REQUIRE(footer.waitText(QStringLiteral("muteButton"), QStringLiteral("Unmute")));
    REQUIRE(footer.click(QStringLiteral("holdButton")));
    QTRY_COMPARE_WITH_TIMEOUT(int(engineCall->getCallState()), int(CallBasePtr::StateHeld),
                              ZentTest::kWaitMs);
    REQUIRE(footer.waitText(QStringLiteral("holdButton"), QStringLiteral("Resume")));
    REQUIRE(footer.click(QStringLiteral("dialpadButton")));
    QTRY_VERIFY_WITH_TIMEOUT(window->dialpadWindow()->isVisible(), ZentTest::kWaitMs);
    REQUIRE(SceneDriver(window->dialpadWindow()).press(Qt::Key_Escape));
    QTRY_VERIFY_WITH_TIMEOUT(!window->dialpadWindow()->isVisible(), ZentTest::kWaitMs);
    REQUIRE(endCallWith(window, footer));
    QTRY_VERIFY_WITH_TIMEOUT(
        Scenario::app()->sessionManager()->commsSessionController()->commsList().isEmpty(),
        ZentTest::kWaitMs);
  }

  // An audio call shows its controls in the call scene, not twice.
  void audioCallShowsItsControlsOnce() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    SceneDriver call =
        SceneDriver(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::CallPane)));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    QVERIFY(window->callPaneShown());
    QVERIFY(call.isVisible(QStringLiteral("endButton")));
    QVERIFY(!footerOf(window).isVisible(QStringLiteral("endButton")));
    QVERIFY(footerOf(window).isVisible(QStringLiteral("optionsMenuButton")));
  }

  // "Video Call" from a contact's menu: once the party answers, the call
  // shows video (a moving picture on the surface), and it ends by its End.
  void videoCallFromTheContactMenuShowsVideo() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Video Call"), &window));
    CommunicationSession* session = window->getSession();
    QVERIFY(session && session->getCall());
    QCOMPARE(session->getCall()->getType(), int(CallBasePtr::TypeVideo));
    QTRY_VERIFY_WITH_TIMEOUT(videoShows(window), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        window->getVideoSurface()->findChild<QObject*>(QStringLiteral("zentRemoteTestPicture")),
        ZentTest::kWaitMs);
    SceneDriver footer = footerOf(window);
    REQUIRE(footer.waitText(QStringLiteral("videoButton"), QStringLiteral("Stop Video")));
    REQUIRE(controlsReachable(window));
    REQUIRE(endCallWith(window, footer));
  }

  // Dial Pad opens the pad over the call window and on the screen; its keys,
  // keys typed on it and a paste go to the party as tones, which the call's
  // debug window lists. A paste with nothing to dial sends nothing; Escape
  // closes the pad.
  void dialPadSendsTonesToTheCall() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    SceneDriver call = SceneDriver::of(window);
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("Call Active")));
    CommunicationSession* session = window->getSession();

    REQUIRE(call.click(QStringLiteral("dialpadButton")));
    QML::CommunicationWindowDialpad* pad = window->dialpadWindow();
    QTRY_VERIFY_WITH_TIMEOUT(pad->isVisible(), ZentTest::kWaitMs);
    QVERIFY(pad->isWindow());
    REQUIRE(ZentTest::liesOnScreen(pad));
    const QRect around = window->frameGeometry().adjusted(-1, -1, 1, 1);
    QVERIFY2(around.intersects(pad->frameGeometry()),
             qPrintable(QStringLiteral("pad at %1,%2, window at %3,%4 %5x%6")
                            .arg(pad->x())
                            .arg(pad->y())
                            .arg(window->x())
                            .arg(window->y())
                            .arg(window->width())
                            .arg(window->height())));

    SceneDriver keys(pad);
    for (const QString& key : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("#")}) {
      QString problem;
      QQuickItem* button = keys.row(QStringLiteral("dialpadKey"), key, &problem);
      QVERIFY2(button, qPrintable(problem));
      REQUIRE(keys.click(button));
    }
    QTRY_COMPARE_WITH_TIMEOUT(CommsScript::tonesHeard(session), QStringLiteral("12#"),
                              ZentTest::kWaitMs);
    REQUIRE(keys.waitText(QStringLiteral("dialled"), QStringLiteral("12#")));
    REQUIRE(keys.type(QStringLiteral("5")));
    QTRY_COMPARE_WITH_TIMEOUT(CommsScript::tonesHeard(session), QStringLiteral("12#5"),
                              ZentTest::kWaitMs);

    QGuiApplication::clipboard()->setText(QStringLiteral("+1 (2) 3 ext. 4"));
    REQUIRE(keys.press(Qt::Key_V, Qt::ControlModifier));
    QTRY_COMPARE_WITH_TIMEOUT(CommsScript::tonesHeard(session), QStringLiteral("12#51234"),
                              ZentTest::kWaitMs);
    REQUIRE(keys.waitText(QStringLiteral("dialled"), QStringLiteral("12#51234")));
    QGuiApplication::clipboard()->setText(QStringLiteral("call me"));
    REQUIRE(keys.press(Qt::Key_V, Qt::ControlModifier));
    REQUIRE(keys.press(Qt::Key_Escape));
    QTRY_VERIFY_WITH_TIMEOUT(!pad->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(CommsScript::tonesHeard(session), QStringLiteral("12#51234"));

    // The call's debug window (Control+D) lists what went out.
    REQUIRE(call.press(Qt::Key_D, Qt::ControlModifier));
    QML::CallDebugWindow* debug = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallDebugWindow>(&debug));
    REQUIRE(
        SceneDriver::of(debug).waitText(QStringLiteral("dtmfSent"), QStringLiteral("12#51234")));
    debug->close();

    // A call on hold takes no tones.
    REQUIRE(call.click(QStringLiteral("holdButton")));
    REQUIRE(call.waitText(QStringLiteral("callState"), QStringLiteral("On Hold")));
    REQUIRE(call.click(QStringLiteral("dialpadButton")));
    QTRY_VERIFY_WITH_TIMEOUT(pad->isVisible(), ZentTest::kWaitMs);
    REQUIRE(keys.type(QStringLiteral("9")));
    REQUIRE(keys.press(Qt::Key_Escape));
    QTRY_VERIFY_WITH_TIMEOUT(!pad->isVisible(), ZentTest::kWaitMs);
    QCOMPARE(CommsScript::tonesHeard(session), QStringLiteral("12#51234"));
  }

  // A contact and, chosen with Ctrl beside it, a running chat are dragged
  // together: the drag carries both lists' choices and its picture names
  // the contact and then the chat's party, one a line; dropped on a running
  // call, both are called into it.
  void contactAndRunningChatDragTogether() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* alice = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &alice));
    REQUIRE(SceneDriver::of(alice).waitText(QStringLiteral("callState"),
                                            QStringLiteral("Call Active")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::searchContactMenu(kFelixName, &menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("Chat")}));
    QML::CommunicationsWindow* felix = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kFelixName, &felix));
    Scenario::mainWindow()->activateWindow();

    REQUIRE(ZentTest::searchContacts(kInesName));
    SceneDriver main = ZentTest::activeMainScene();
    QTRY_COMPARE_WITH_TIMEOUT(main.items(QStringLiteral("activeCommRow")).size(), 2,
                              ZentTest::kWaitMs);
    QString problem;
    QQuickItem* ines = nullptr;
    QPoint at;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (ines = main.row(QStringLiteral("contactRow"), kInesName, &problem)) &&
            (problem = main.centreOf(ines, &at)).isEmpty(),
        qPrintable(problem), ZentTest::kWaitMs);
    REQUIRE(main.click(ines));
    main = ZentTest::activeMainScene();
    QQuickItem* felixChat = main.row(QStringLiteral("activeCommRow"), kFelixName, &problem);
    QVERIFY2(felixChat, qPrintable(problem));
    REQUIRE(main.click(felixChat, Qt::LeftButton, Qt::ControlModifier));
    ines = main.row(QStringLiteral("contactRow"), kInesName, &problem);
    QVERIFY2(ines, qPrintable(problem));
    QQuickItem* drag = nullptr;
    for (QQuickItem* i : ines->findChildren<QQuickItem*>())
      if (i->objectName() == QLatin1String("contactDrag")) drag = i;
    QVERIFY(drag);
    QSignalSpy started(drag, SIGNAL(startDrag(QString, QByteArray, QPixmap)));
    REQUIRE(pressAndMove(main, ines));
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, ZentTest::kWaitMs);
    REQUIRE(main.centreOf(ines, &at));
    QTest::mouseRelease(main.view(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(started.at(0).at(0).toString(), QStringLiteral("application/zent.contact"));
    QCOMPARE(started.at(0).at(1).toByteArray(),
             QByteArray::number(kInes) + ',' + QByteArray::number(kFelix));
    QCOMPARE(textLines(started.at(0).at(2).value<QPixmap>().toImage()), 2);

    // Dropped on Alice's call: Ines and Felix are called into it.
    main = ZentTest::activeMainScene();
    QQuickItem* aliceCall = main.row(QStringLiteral("activeCommRow"), kAliceName, &problem);
    QVERIFY2(aliceCall, qPrintable(problem));
    dropOnto(main, aliceCall, QStringLiteral("application/zent.contact"),
             started.at(0).at(1).toByteArray());
    QTRY_VERIFY_WITH_TIMEOUT(alice->getSession() && alice->getSession()->isConference(),
                             ZentTest::kWaitMs);
    SceneDriver parties = ZentTest::sceneWith(alice, QStringLiteral("participantRow"));
    QTRY_COMPARE_WITH_TIMEOUT(parties.items(QStringLiteral("participantRow")).size(), 3,
                              ZentTest::kWaitMs);
    REQUIRE(ZentTest::searchContacts(QString()));
  }

  // A party's shared screen maximises the window when its first picture
  // shows; the window returns to its size when the share stops. Through the
  // older sharing library the share's end also ends the session's share.
  void sharedScreenFillsTheScreenWhileItShows_data() {
    QTest::addColumn<bool>("olderLibrary");
    QTest::newRow("newer library") << false;
    QTest::newRow("older library") << true;
  }
  void sharedScreenFillsTheScreenWhileItShows() {
    QFETCH(bool, olderLibrary);
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    REQUIRE(SceneDriver::of(window).waitText(QStringLiteral("callState"),
                                             QStringLiteral("Call Active")));
    CommunicationSession* session = window->getSession();
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible() && !window->isMaximized(), ZentTest::kWaitMs);

    QVERIFY(CommsScript::shareScreen(session, false, olderLibrary));
    QTRY_VERIFY_WITH_TIMEOUT(window->isMaximized(), ZentTest::kWaitMs);
    SceneDriver share(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::SharePane)));
    QVERIFY(share.isVisible(QStringLiteral("shareFrames")));
    // The call stays in reach while the share fills the window.
    REQUIRE(controlsReachable(window));

    QVERIFY(CommsScript::stopSharing(session));
    QTRY_VERIFY_WITH_TIMEOUT(!window->isMaximized(), ZentTest::kWaitMs);
    // Back to the call alone: its scene with its controls.
    SceneDriver call(qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::CallPane)));
    REQUIRE(call.waitVisible(QStringLiteral("endButton")));
    if (olderLibrary) QTRY_VERIFY_WITH_TIMEOUT(!session->webCollabActive(), ZentTest::kWaitMs);
    QVERIFY(session->callActive());
  }

  // The footer of a call has the speaker's volume and mute, the same as the
  // main window's: its toggle mutes and unmutes, its arrows move the volume,
  // and both places show it. A chat has none.
  void callFooterHasTheSpeakerVolume() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    REQUIRE(SceneDriver::of(window).waitText(QStringLiteral("callState"),
                                             QStringLiteral("Call Active")));
    SceneDriver footer = footerOf(window);
    REQUIRE(footer.waitVisible(QStringLiteral("footerVolume")));
    SceneDriver main = Scenario::mainScene();
    const QString heard = main.text(QStringLiteral("muteToggle"));
    const QString muted = QStringLiteral("\u2715");
    QVERIFY(heard != muted);
    REQUIRE(footer.click(QStringLiteral("muteToggle")));
    REQUIRE(footer.waitText(QStringLiteral("muteToggle"), muted));
    REQUIRE(main.waitText(QStringLiteral("muteToggle"), muted));
    REQUIRE(footer.focus(QStringLiteral("muteToggle")));
    REQUIRE(footer.press(Qt::Key_Space));
    REQUIRE(footer.waitText(QStringLiteral("muteToggle"), heard));
    REQUIRE(main.waitText(QStringLiteral("muteToggle"), heard));

    REQUIRE(footer.focus(QStringLiteral("volumeSlider")));
    QQuickItem* slider = footer.item(QStringLiteral("volumeSlider"));
    QQuickItem* mainSlider = main.item(QStringLiteral("volumeSlider"));
    QVERIFY(slider && mainSlider);
    const int before = slider->property("value").toInt();
    REQUIRE(footer.press(before >= 50 ? Qt::Key_PageDown : Qt::Key_PageUp));
    QTRY_VERIFY(slider->property("value").toInt() != before);
    QTRY_COMPARE(mainSlider->property("value").toInt(), slider->property("value").toInt());
    REQUIRE(endCallWith(window, SceneDriver::of(window)));

    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(callAlice(QStringLiteral("Chat"), &chat));
    REQUIRE(footerOf(chat).waitVisible(QStringLiteral("optionsMenuButton")));
    QVERIFY(!footerOf(chat).isVisible(QStringLiteral("footerVolume")));
  }

  // Options ▸ "Always on Top" switches a call window, a video call's and a
  // chat's on and off, its mark showing the state; the video goes on
  // drawing. In a later session of the
  // run the main window's own Always on Top takes the waiting presence
  // requests along at once, both ways.
  void alwaysOnTopSwitchesBothWays() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Call"), &window));
    REQUIRE(SceneDriver::of(window).waitText(QStringLiteral("callState"),
                                             QStringLiteral("Call Active")));
    window->move(window->screen()->availableGeometry().topLeft() + QPoint(160, 120));
    for (int i = 0; i < 2; ++i) REQUIRE(switchAlwaysOnTop(window));
    QVERIFY(!window->isAlwaysOnTop());
    REQUIRE(endCallWith(window, SceneDriver::of(window)));

    REQUIRE(callAlice(QStringLiteral("Video Call"), &window));
    QTRY_VERIFY_WITH_TIMEOUT(videoShows(window), ZentTest::kWaitMs);
    window->move(window->screen()->availableGeometry().topLeft() + QPoint(160, 120));
    REQUIRE(videoGoesOn(window));
    // The native windows the call was given when its video started.
    const WId remoteHandle = window->getVideoSurface()->winId();
    const WId ownHandle = window->getVideoSurface()->ownVideoWinId();
    // The window is switched where it stands, never taken down and made
    // anew (which would leave the video's windows behind).
    QSignalSpy shownOrHidden(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)));
    for (int i = 0; i < 2; ++i) {
      REQUIRE(switchAlwaysOnTop(window));
      REQUIRE(videoGoesOn(window));
      QCOMPARE(shownOrHidden.count(), 0);
      QCOMPARE(QWidget::find(remoteHandle), window->getVideoSurface());
      QVERIFY(QWidget::find(ownHandle));
      QCOMPARE(QWidget::find(ownHandle)->parentWidget(), window->getVideoSurface());
      REQUIRE(controlsReachable(window));
    }
    REQUIRE(endCallWith(window, footerOf(window)));

    QML::CommunicationsWindow* chat = nullptr;
    REQUIRE(callAlice(QStringLiteral("Chat"), &chat));
    for (int i = 0; i < 2; ++i) REQUIRE(switchAlwaysOnTop(chat));
    QVERIFY(!chat->isAlwaysOnTop());
    chat->close();

    QML::PresenceRequestDialog* requests = nullptr;
    REQUIRE(Scenario::signInToPresenceRequests(&requests));
    QVERIFY(!requests->isAlwaysOnTop());
    for (bool on : {true, false}) {
      REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Always on Top")}));
      QTRY_COMPARE(Scenario::mainWindow()->isAlwaysOnTop(), on);
      QCOMPARE(requests->isAlwaysOnTop(), on);
    }
    REQUIRE(Scenario::signOut());
  }

  // "Conference with" ▸ "New" in a video call opens the picker over the
  // video where the pointer reaches it and the eye sees it: its field, its
  // rows and Close, which closes it; the video goes on.
  void addPeopleOverTheVideo() {
    REQUIRE(Scenario::signIn());
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(callAlice(QStringLiteral("Video Call"), &window));
    QTRY_VERIFY_WITH_TIMEOUT(videoShows(window), ZentTest::kWaitMs);
    REQUIRE(controlsReachable(window));
    window->move(window->screen()->availableGeometry().topLeft() + QPoint(160, 120));
    QMenu* options = nullptr;
    REQUIRE(ZentTest::sceneWith(window, QStringLiteral("optionsMenuButton"))
                .click(QStringLiteral("optionsMenuButton")));
    REQUIRE(ZentTest::waitForMenu(&options));
    REQUIRE(ZentTest::triggerMenuEntry(options,
                                       {QStringLiteral("Conference with"), QStringLiteral("New")}));
    auto* overlay = qobject_cast<QQuickWidget*>(window->overlayObject());
    QVERIFY(overlay);
    SceneDriver picker(overlay);
    REQUIRE(picker.waitVisible(QStringLiteral("pickerSearch")));
    QVERIFY(videoShows(window));
    // Its field has the keyboard as it opens, as the Transfer button's does:
    // typing with no click narrows the list.
    QQuickItem* search = picker.item(QStringLiteral("pickerSearch"));
    const auto keysReachSearch = [overlay, search] {
      if (QApplication::focusWidget() != overlay) return false;
      for (QQuickItem* i = overlay->quickWindow()->activeFocusItem(); i; i = i->parentItem())
        if (i == search) return true;
      return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(keysReachSearch(), ZentTest::kWaitMs);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ines"));
    QTRY_VERIFY_WITH_TIMEOUT(picker.items(QStringLiteral("pickerRow")).size() == 1,
                             ZentTest::kWaitMs);
    QString problem;
    QVERIFY2(picker.row(QStringLiteral("pickerRow"), QString::fromLatin1(kInesName), &problem),
             qPrintable(problem));
    QList<QQuickItem*> targets = {picker.item(QStringLiteral("pickerSearch")),
                                  picker.item(QStringLiteral("pickerClose"))};
    targets << picker.items(QStringLiteral("pickerRow")).mid(0, 1);
    QCOMPARE(targets.size(), 3);
    for (QQuickItem* target : qAsConst(targets)) {
      const QString name = target ? target->objectName() : QString();
      QPoint centre;
      REQUIRE(picker.centreOf(target, &centre));
      const QPoint global = overlay->mapToGlobal(centre);
      // What the pointer and the eye meet there is the window that draws
      // the picker, not the video's.
      QWidget* shown = nativeWindowAt(window, global);
      QWidget* drawing = overlay->internalWinId() ? overlay : overlay->nativeParentWidget();
      QVERIFY2(shown == drawing,
               qPrintable(QStringLiteral("%1 lies under %2").arg(name, shown->objectName())));
    }
    REQUIRE(picker.click(QStringLiteral("pickerClose")));
    REQUIRE(picker.waitHidden(QStringLiteral("pickerSearch")));
    QTRY_VERIFY_WITH_TIMEOUT(!overlay->isVisible(), ZentTest::kWaitMs);
    QVERIFY(videoShows(window));
    // The picture takes its whole place again.
    QTRY_VERIFY(window->getVideoSurface()->mask().isEmpty());
  }
};

ZENT_TEST_MAIN(ScenarioCallsTest, Application)
#include "tst_scenario_calls.moc"

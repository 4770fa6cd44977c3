// Every window as a user meets it, by keyboard and by mouse: the style
// editor's commands, the password change the service asks for (twice in a
// run), the voice mail beside the missed calls, the call settings' forms and
// texts, Esc and Ctrl+W closing what they should, Ctrl+Q leaving the
// program, the sign-in field drawing what is typed, windows opening over the
// window they belong to.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalSocket>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/Timeline.h>

#include "Application.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/BadgeHandler.h"
#include "Utils/Tray.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/PasswordChangeNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/About.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"
#include "libqml/window/View.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-windows-");

// The item shows whole: inside the window and inside every ancestor that
// clips what it draws (a page that does not scroll cuts its last rows).
QString shownWhole(SceneDriver scene, QQuickItem* item) {
  if (!item) return QStringLiteral("no item");
  QPoint centre;
  const QString problem = scene.centreOf(item, &centre);
  if (!problem.isEmpty()) return problem;
  const QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
  if (!QRectF(scene.view()->rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(rect))
    return QStringLiteral("'%1' (%2,%3 %4x%5) reaches outside the window (%6x%7)")
        .arg(item->objectName())
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .arg(scene.view()->width())
        .arg(scene.view()->height());
  for (QQuickItem* a = item->parentItem(); a; a = a->parentItem()) {
    if (!a->clip()) continue;
    const QRectF clip = a->mapRectToScene(QRectF(0, 0, a->width(), a->height()));
    if (!clip.adjusted(-0.5, -0.5, 0.5, 0.5).contains(rect))
      return QStringLiteral("'%1' (%2,%3 %4x%5) is cut by '%6' (%7,%8 %9x%10)")
          .arg(item->objectName())
          .arg(rect.x())
          .arg(rect.y())
          .arg(rect.width())
          .arg(rect.height())
          .arg(a->objectName())
          .arg(clip.x())
          .arg(clip.y())
          .arg(clip.width())
          .arg(clip.height());
  }
  return QString();
}

// Waits for the in-process file dialog, types the path into its name field
// and confirms with Enter.
QString chooseFile(const QString& path) {
  QFileDialog* dialog = nullptr;
  QString problem = ZentTest::waitForWindow<QFileDialog>(&dialog);
  if (!problem.isEmpty()) return problem;
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!name) return QStringLiteral("the file dialog has no name field");
  name->selectAll();
  problem = ZentTest::typeInto(name, path);
  if (!problem.isEmpty()) return problem;
  QTest::keyClick(name, Qt::Key_Return);
  if (!QTest::qWaitFor(
          [dialog = QPointer<QFileDialog>(dialog)] { return !dialog || !dialog->isVisible(); },
          ZentTest::kWaitMs))
    return QStringLiteral("the file dialog stayed open");
  return QString();
}

QString waitForCallSettings(QML::CallSettings** out) {
  return ZentTest::waitForWindow<QML::CallSettings>(out);
}

// Once the window has the keys, the keys given close it.
template <typename W>
QString keysClose(W* window, const QKeySequence& keys) {
  QPointer<W> guard(window);
  const QString name = window->windowTitle();
  if (!QTest::qWaitFor([&guard] { return guard && guard->isActiveWindow(); }, ZentTest::kWaitMs))
    return QStringLiteral("%1 never took the keys").arg(name);
  QTest::keySequence(window->view(), keys);
  if (!QTest::qWaitFor([&guard] { return !guard || !guard->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("%1 stayed open after %2").arg(name, keys.toString());
  return QString();
}

// The Anywhere tab of an open call-settings window, its service fetched.
QString openAnywhereTab(SceneDriver settings) {
  QString problem = settings.waitHidden(QStringLiteral("shade"));
  if (!problem.isEmpty()) return problem;
  QQuickItem* tab = settings.row(QStringLiteral("tabRow"), QStringLiteral("Anywhere"), &problem);
  if (!tab) return problem;
  problem = settings.click(tab);
  if (!problem.isEmpty()) return problem;
  return settings.waitVisible(QStringLiteral("anywherePage"));
}

// How many pixels of the rectangle differ from its first pixel: what is
// drawn on a plain field.
int drawnPixels(const QImage& image, const QRect& rect) {
  const QRect r = rect.intersected(image.rect());
  if (r.isEmpty()) return 0;
  const QRgb background = image.pixel(r.topLeft());
  int drawn = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixel(x, y) != background) ++drawn;
  return drawn;
}

// The tab whose page holds `part`, or -1.
int tabHolding(const QTabWidget* tabs, const QWidget* part) {
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->widget(i)->isAncestorOf(part)) return i;
  return -1;
}

}  // namespace

class TestScenarioWindows : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  TestScenarioWindows() : ScenarioTestObject(g_environment) {}

 private:
  static Application* app() { return Scenario::app(); }

  std::unique_ptr<QML::Style> m_style;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    // As the program's entry makes it, before anything else.
    m_style.reset(new QML::Style(nullptr));
    REQUIRE(Scenario::start());
  }

  void cleanup() {
    Scenario::tidy();
    for (QWidget* w : ZentTest::visibleWindows())
      if (qobject_cast<QFileDialog*>(w) || qobject_cast<Dialogs::PasswordChangeNotification*>(w))
        w->close();
  }

  // --- Style editor ---

  // Control+Shift+C+S opens the style editor; its four buttons act: the
  // colours invert and come back, are written to a file and read from one.
  void styleEditorButtonsAct() {
    REQUIRE(Scenario::signIn());
    QML::Style* style = QML::Style::instance();
    QVERIFY(style);
    style->setDefaults();
    QQuickWidget* view = Scenario::mainWindow()->view();
    REQUIRE(Scenario::mainScene().focus(QStringLiteral("searchField")));
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(view, Qt::Key_C, chord);
    QTest::keyPress(view, Qt::Key_S, chord);
    QTest::keyRelease(view, Qt::Key_S, chord);
    QTest::keyRelease(view, Qt::Key_C, chord);
    QML::StyleView* editor = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::StyleView>(&editor));
    QPointer<QML::StyleView> guard(editor);
    SceneDriver scene = SceneDriver::of(editor);
    for (const char* name : {"invertAllButton", "defaultsButton", "importButton", "exportButton"})
      REQUIRE(shownWhole(scene, scene.item(QString::fromLatin1(name))));

    const QString white = style->colors().value(QStringLiteral("whiteBackground")).toString();
    QCOMPARE(QColor(white), QColor(Qt::white));
    REQUIRE(scene.click(QStringLiteral("invertAllButton")));
    QTRY_COMPARE(QColor(style->colors().value(QStringLiteral("whiteBackground")).toString()),
                 QColor(Qt::black));
    REQUIRE(scene.click(QStringLiteral("defaultsButton")));
    QTRY_COMPARE(style->colors().value(QStringLiteral("whiteBackground")).toString(), white);

    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("exported.csv"));
    REQUIRE(scene.click(QStringLiteral("exportButton")));
    REQUIRE(chooseFile(exported));
    QTRY_VERIFY(QFile::exists(exported));
    QFile written(exported);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("whiteBackground,#FFFFFF\r\n"));

    const QString imported = dir.filePath(QStringLiteral("imported.csv"));
    QFile file(imported);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("darkText,#123456\r\n");
    file.close();
    REQUIRE(scene.click(QStringLiteral("importButton")));
    REQUIRE(chooseFile(imported));
    QTRY_COMPARE(style->colors().value(QStringLiteral("darkText")).toString(),
                 QStringLiteral("#123456"));
    style->setDefaults();

    // Esc closes the editor.
    REQUIRE(scene.press(Qt::Key_Escape));
    QTRY_VERIFY(!guard);
  }

  // --- Password change ---

  // The service reports the password expired: the dialog asks for the old
  // and new password at once; a wrong old one is marked and nothing sent;
  // the right one changes the password, and Close ends the dialog.
  void expiredPasswordIsChangedInTheDialog() {
    REQUIRE(Scenario::signIn());
    QCOMPARE(Scenario::control("password-expired"), QStringLiteral("ok"));
    Dialogs::PasswordChangeNotification* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PasswordChangeNotification>(&dialog));
    QPointer<Dialogs::PasswordChangeNotification> guard(dialog);
    QVERIFY2(dialog->messageLabel()->text().contains(QStringLiteral("has expired")),
             qPrintable(dialog->messageLabel()->text()));
    QVERIFY(dialog->inputArea()->isVisible());
    REQUIRE(ZentTest::liesOnScreen(dialog));
    // The keys go to the dialog: the old password field has the focus.
    QTRY_VERIFY(dialog->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->oldPasswordField()));

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("wrong"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->newPasswordField()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("s3cret"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("s3cret"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(dialog->oldPasswordWarning()->isVisible());
    QCOMPARE(dialog->state(), int(Dialogs::PasswordChangeNotification::Expired));

    dialog->oldPasswordField()->setFocus();
    dialog->oldPasswordField()->selectAll();
    QTest::keyClick(dialog->oldPasswordField(), Qt::Key_Backspace);
    QTest::keyClicks(dialog->oldPasswordField(), RAZ::Demo::Service::demoPassword());
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("OK")));
    QTRY_VERIFY2(dialog->messageLabel()->text().contains(QStringLiteral("changed successfully")),
                 qPrintable(dialog->messageLabel()->text()));
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("Close")));
    QTRY_VERIFY(!guard || !guard->isVisible());

    // The service no longer reports an expiry: days left end the same way.
    QCOMPARE(Scenario::control("password-expires 3"), QStringLiteral("ok"));
    REQUIRE(ZentTest::waitForWindow<Dialogs::PasswordChangeNotification>(&dialog));
    QVERIFY2(dialog->messageLabel()->text().contains(QStringLiteral("expires in 3 days")),
             qPrintable(dialog->messageLabel()->text()));
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("Cancel")));
    QCOMPARE(Scenario::control("password-expires soon"), QStringLiteral("refused"));
  }

  // A second change in one run checks the old password against the first
  // change's new one; after signing in again without "Remember password"
  // the check reads the password signed in with, not a blank one.
  void passwordChangesAgainInTheSameRun() {
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn(QStringLiteral("petra")));
    auto change = [](const QString& old, const QString& fresh) -> QString {
      if (Scenario::control("password-expired") != QLatin1String("ok")) return "command refused";
      Dialogs::PasswordChangeNotification* dialog = nullptr;
      QString problem = ZentTest::waitForWindow<Dialogs::PasswordChangeNotification>(&dialog);
      if (!problem.isEmpty()) return problem;
      QPointer<Dialogs::PasswordChangeNotification> guard(dialog);
      for (const auto& field : {qMakePair(dialog->oldPasswordField(), old),
                                qMakePair(dialog->newPasswordField(), fresh),
                                qMakePair(dialog->confirmPasswordField(), fresh)}) {
        problem = ZentTest::typeInto(field.first, field.second);
        if (!problem.isEmpty()) return problem;
      }
      problem = ZentTest::clickButton(dialog, QStringLiteral("OK"));
      if (!problem.isEmpty()) return problem;
      if (!QTest::qWaitFor([&guard] {
            return guard &&
                   guard->messageLabel()->text().contains(QStringLiteral("changed successfully"));
          }))
        return QStringLiteral("%1 -> %2 not changed: \"%3\"%4")
            .arg(old, fresh, guard ? guard->messageLabel()->text() : QString(),
                 guard && guard->oldPasswordWarning()->isVisible() ? " (old password marked)" : "");
      problem = ZentTest::clickButton(dialog, QStringLiteral("Close"));
      if (problem.isEmpty() && !QTest::qWaitFor([&guard] { return !guard || !guard->isVisible(); }))
        problem = QStringLiteral("the dialog stays");
      return problem;
    };
    REQUIRE(change(RAZ::Demo::Service::demoPassword(), QStringLiteral("first-new")));
    REQUIRE(change(QStringLiteral("first-new"), QStringLiteral("second-new")));
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn(QStringLiteral("petra")));
    REQUIRE(change(RAZ::Demo::Service::demoPassword(), QStringLiteral("third-new")));
    REQUIRE(Scenario::signOut());
  }

  // --- Voice mail ---

  // The messages waiting in the voice mailbox show beside the missed calls
  // (a command of the service leaves one); a click or Enter calls the
  // mailbox, which answers and plays them: then none are waiting.
  void voiceMailIsCountedAndCalled() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::HistoryButton)));
    REQUIRE(main.waitText(QStringLiteral("voiceMailButton"), QStringLiteral("Voice Mail")));
    const int badge = Scenario::mainWindow()->badgeHandler()->badgeCount();
    QCOMPARE(Scenario::control("voice-mail"), QStringLiteral("ok"));
    QCOMPARE(Scenario::control("voice-mail"), QStringLiteral("ok"));
    REQUIRE(main.waitText(QStringLiteral("voiceMailButton"), QStringLiteral("Voice Mail (2 new)")));
    QCOMPARE(Scenario::mainWindow()->badgeHandler()->badgeCount(), badge + 2);
    // Missed still counts the missed communications alone.
    const QString missed =
        QStringLiteral("Missed %1").arg(Scenario::mainWindow()->timeline()->newCommsCount());
    QVERIFY2(main.row(QStringLiteral("historyFilter"), missed),
             qPrintable(main.text(QStringLiteral("historyFilterLabel"))));
    // The calls running, by the number called.
    auto calls = [] {
      QStringList numbers;
      const auto sessions =
          Scenario::app()->sessionManager()->commsSessionController()->commsList();
      for (RAZ::Controllers::CommunicationSession* session : sessions)
        if (session->getCall()) numbers << session->getCall()->remoteAddress();
      return numbers;
    };
    auto mailboxCalled = [&calls] { return calls().contains(QStringLiteral("*86")); };
    REQUIRE(main.click(QStringLiteral("voiceMailButton")));
    QTRY_VERIFY2(mailboxCalled(), qPrintable(calls().join(", ")));
    // The call goes by the mailbox's name, not by its number.
    QML::CommunicationsWindow* mailbox = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("Voice Mail"), &mailbox));
    // Nor a presence: the mailbox is a line of the service's, not a person.
    QCOMPARE(mailbox->windowTitle(), QString("Voice Mail"));
    QTRY_COMPARE_WITH_TIMEOUT(main.text(QStringLiteral("voiceMailButton")),
                              QStringLiteral("Voice Mail"), ZentTest::kWaitMs);
    QCOMPARE(Scenario::mainWindow()->badgeHandler()->badgeCount(), badge);
    Scenario::tidy();
    QVERIFY(!mailboxCalled());

    QCOMPARE(Scenario::control("voice-mail"), QStringLiteral("ok"));
    REQUIRE(main.waitText(QStringLiteral("voiceMailButton"), QStringLiteral("Voice Mail (1 new)")));
    REQUIRE(main.focus(QStringLiteral("voiceMailButton")));
    REQUIRE(main.press(Qt::Key_Return));
    QTRY_VERIFY2(mailboxCalled(), qPrintable(calls().join(", ")));
    Scenario::tidy();
    REQUIRE(main.click(
        QStringLiteral("leftPaneButton%1").arg(Models::LeftPaneButtonsModel::ContactsButton)));
  }

  // --- Call settings ---

  // With two Anywhere locations the form of one shows whole with its
  // buttons (the page scrolls to it), and Cancel closes it.
  void anywhereFormShowsWholeWithTwoLocations() {
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn(QStringLiteral("walter")));
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("callSettingsButton")));
    REQUIRE(main.click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* window = nullptr;
    REQUIRE(waitForCallSettings(&window));
    QPointer<QML::CallSettings> guard(window);
    SceneDriver settings = SceneDriver::of(window);
    REQUIRE(openAnywhereTab(settings));
    REQUIRE(settings.waitVisible(QStringLiteral("locationConfigure")));
    // A second location, typed in as a user adds one.
    REQUIRE(settings.click(QStringLiteral("addLocationButton")));
    REQUIRE(settings.waitVisible(QStringLiteral("newLocationField")));
    REQUIRE(settings.type(QStringLiteral("+491709876543")));
    REQUIRE(settings.press(Qt::Key_Return));
    QTRY_COMPARE(settings.items(QStringLiteral("locationConfigure")).size(), 2);

    REQUIRE(settings.click(settings.items(QStringLiteral("locationConfigure")).at(1)));
    REQUIRE(settings.waitVisible(QStringLiteral("locationForm")));
    for (const char* name : {"locationSave", "locationDelete", "locationCancel"}) {
      QTRY_VERIFY2(shownWhole(settings, settings.item(QString::fromLatin1(name))).isEmpty(),
                   qPrintable(shownWhole(settings, settings.item(QString::fromLatin1(name)))));
    }
    REQUIRE(settings.click(QStringLiteral("locationCancel")));
    REQUIRE(settings.waitHidden(QStringLiteral("locationForm")));
    // "Configure" shows its whole word.
    QQuickItem* list = settings.item(QStringLiteral("locationList"));
    QVERIFY(list);
    for (QQuickItem* button : settings.items(QStringLiteral("locationConfigure"))) {
      REQUIRE(shownWhole(settings, button));
      QVERIFY(!button->property("truncated").toBool());
      // Its right border too: an edge the list cuts at is not drawn. The
      // list widens when the closed form takes its scroll bar away, so both
      // edges are read at the same moment.
      const qreal listRight = list->mapToScene(QPointF(list->width(), 0)).x();
      const qreal right = button->mapToScene(QPointF(button->width(), 0)).x();
      QVERIFY2(
          right <= listRight - 1,
          qPrintable(
              QStringLiteral("the button ends at %1, the list at %2").arg(right).arg(listRight)));
    }
    REQUIRE(settings.press(Qt::Key_Escape));
    QTRY_VERIFY(!guard || !guard->isVisible());
  }

  // The forwarding page's pen says what it does; the simultaneous-ring
  // page's long choice is shown whole; the toolbar sits above the banner.
  void callSettingsTextsShowWhole() {
    REQUIRE(Scenario::signIn());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("callSettingsButton")));
    REQUIRE(main.click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* window = nullptr;
    REQUIRE(waitForCallSettings(&window));
    SceneDriver settings = SceneDriver::of(window);
    REQUIRE(settings.waitHidden(QStringLiteral("shade")));
    QString problem;
    QQuickItem* tab =
        settings.row(QStringLiteral("tabRow"), QStringLiteral("Forward Calls"), &problem);
    QVERIFY2(tab, qPrintable(problem));
    REQUIRE(settings.click(tab));
    REQUIRE(settings.waitVisible(QStringLiteral("editButton")));
    REQUIRE(settings.hover(settings.item(QStringLiteral("editButton"))));
    QML::ToolTipView* tip = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::ToolTipView>(&tip));
    QTRY_COMPARE(tip->text(), QStringLiteral("Edit"));

    tab = settings.row(QStringLiteral("tabRow"), QStringLiteral("Simultaneous Ring"), &problem);
    QVERIFY2(tab, qPrintable(problem));
    REQUIRE(settings.click(tab));
    REQUIRE(settings.waitVisible(QStringLiteral("doNotRingBox")));
    QQuickItem* box = settings.item(QStringLiteral("doNotRingBox"));
    REQUIRE(shownWhole(settings, box));
    QVERIFY(!box->property("truncated").toBool());
    window->close();

    // The toolbar comes first, the banner of a lost service under it.
    QVERIFY(Scenario::demo().loseService());
    REQUIRE(main.waitVisible(QStringLiteral("errorBanner")));
    QQuickItem* toolbar = main.item(QStringLiteral("callSettingsToolbar"));
    QQuickItem* banner = main.item(QStringLiteral("errorBanner"));
    QVERIFY(toolbar && banner);
    QVERIFY(toolbar->mapToScene(QPointF(0, toolbar->height())).y() <=
            banner->mapToScene(QPointF(0, 0)).y() + 0.5);
    QVERIFY(Scenario::demo().restoreService());
  }

  // --- Keys and placement ---

  // About, Call Settings and a contact's profile open over the main window
  // and take the keys; Esc closes each, as Ctrl+W does.
  void escClosesWhatCtrlWCloses() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    SceneDriver scene = Scenario::mainScene();
    const QKeySequence esc(Qt::Key_Escape);

    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("About")}));
    QML::About* about = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::About>(&about));
    REQUIRE(ZentTest::liesOver(about, main));
    REQUIRE(ZentTest::liesOnScreen(about));
    REQUIRE(keysClose(about, esc));

    REQUIRE(scene.click(QStringLiteral("callSettingsButton")));
    QML::CallSettings* settings = nullptr;
    REQUIRE(waitForCallSettings(&settings));
    REQUIRE(ZentTest::liesOver(settings, main));
    REQUIRE(ZentTest::liesOnScreen(settings));
    REQUIRE(keysClose(settings, esc));
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    QString problem;
    QQuickItem* row = scene.row(QStringLiteral("contactRow"), QStringLiteral("Alice"), &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(scene.rightClick(row));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(menu, {QStringLiteral("View Profile")}));
    QML::ContactCard* card = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::ContactCard>(&card));
    REQUIRE(ZentTest::liesOnScreen(card));
    REQUIRE(keysClose(card, esc));

    // Ctrl+W closes them too: the chord goes to the scene that has the keys,
    // and the window's own shortcut has to take it from there.
    REQUIRE(scene.click(QStringLiteral("callSettingsButton")));
    REQUIRE(waitForCallSettings(&settings));
    REQUIRE(keysClose(settings, QKeySequence(QKeySequence::Close)));
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("About")}));
    REQUIRE(ZentTest::waitForWindow<QML::About>(&about));
    REQUIRE(keysClose(about, QKeySequence(QKeySequence::Close)));
  }

  // Before sign-in: Preferences from the sign-in window's menu fits its
  // screen, shows no empty group, and Esc closes it.
  void preferencesBeforeSignIn() {
    REQUIRE(Scenario::signOut());
    SceneDriver login = Scenario::loginScene();
    REQUIRE(login.click(QStringLiteral("windowFrameIcon")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    const QStringList entries = ZentTest::menuTexts(menu);
    REQUIRE(ZentTest::triggerMenuEntry(menu, {entries.value(0)}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    QPointer<Dialogs::PreferencesWindow> guard(prefs);
    REQUIRE(ZentTest::liesOnScreen(prefs));
    // The one page that opens fits the window whole, its server fields as
    // wide as they ask.
    auto* scroll = prefs->findChild<QScrollArea*>(QStringLiteral("preferencesScroll"));
    QVERIFY(scroll);
    QTRY_COMPARE(scroll->widget()->size(), scroll->viewport()->size());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    for (auto* field : {prefs->findChild<QLineEdit*>(QStringLiteral("proxyhostfield")),
                        prefs->findChild<QLineEdit*>(QStringLiteral("secureproxyhostfield"))}) {
      QVERIFY(field);
      QVERIFY2(field->width() >= field->sizeHint().width(), qPrintable(field->objectName()));
    }
    for (QGroupBox* group : prefs->findChildren<QGroupBox*>()) {
      if (!group->isVisibleTo(prefs)) continue;
      bool anything = false;
      for (QWidget* child : group->findChildren<QWidget*>())
        if (child->isVisibleTo(group)) anything = true;
      QVERIFY2(anything, qPrintable(group->title()));
    }
    // Before sign-in only the proxy page opens: the sounds wait for a session.
    auto* tabs = prefs->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
    auto* play = prefs->findChild<QPushButton*>(QStringLiteral("previewSoundEvent"));
    QVERIFY(tabs && play);
    const int page = tabHolding(tabs, play);
    QVERIFY(page >= 0);
    QVERIFY(!tabs->isTabEnabled(page));

    QTRY_VERIFY(prefs->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : prefs,
                    Qt::Key_Escape);
    QTRY_VERIFY(!guard || !guard->isVisible());
  }

  // Signed in, the sounds page's Play answers: it turns into Stop while the
  // sound plays (the silent sound output plays as a device would), and
  // Stop ends it and gives Play back.
  void preferencesPlayGivesFeedback() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")}));
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::PreferencesWindow>(&prefs));
    QPointer<Dialogs::PreferencesWindow> guard(prefs);
    auto closePrefs = qScopeGuard([&guard] {
      if (guard) guard->close();
    });
    auto* tabs = prefs->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
    auto* play = prefs->findChild<QPushButton*>(QStringLiteral("previewSoundEvent"));
    auto* events = prefs->findChild<QListWidget*>(QStringLiteral("soundEventsWidget"));
    QVERIFY(tabs && play && events);
    const int page = tabHolding(tabs, play);
    QVERIFY(page >= 0);
    QVERIFY(tabs->isTabEnabled(page));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      tabs->tabBar()->tabRect(page).center());
    QTRY_VERIFY(play->isVisible());
    QListWidgetItem* first = events->item(0);
    QVERIFY(first);
    QTest::mouseClick(events->viewport(), Qt::LeftButton, Qt::NoModifier,
                      events->visualItemRect(first).center());
    QTRY_VERIFY(play->isEnabled());
    const QString playText = play->text();
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_COMPARE(play->text().remove(QLatin1Char('&')), QStringLiteral("Stop"));
    auto* status = prefs->findChild<QLabel*>(QStringLiteral("soundPreviewStatus"));
    QVERIFY(!status || !status->isVisible());
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_COMPARE(play->text(), playText);
  }

  // The sign-in window opens in the middle of the screen with the keys; what
  // is typed first into the user name replaces the placeholder at once.
  void signInWindowTakesTheFirstKeys() {
    // A sign-in window of its own, as signing out brings it.
    REQUIRE(Scenario::signIn());
    REQUIRE(Scenario::signOut());
    QML::LoginWindow* window = app()->loginWindow();
    QVERIFY(window);
    const QRect area = window->screen()->availableGeometry();
    const QPoint offset = window->frameGeometry().center() - area.center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("centre off by %1,%2").arg(offset.x()).arg(offset.y())));
    QTRY_VERIFY(window->isActiveWindow());

    SceneDriver login = Scenario::loginScene();
    REQUIRE(login.focus(QStringLiteral("usernameCombo")));
    REQUIRE(login.press(Qt::Key_A, Qt::ControlModifier));
    REQUIRE(login.press(Qt::Key_Backspace));
    REQUIRE(login.press(Qt::Key_Tab));  // away: the placeholder shows
    QQuickItem* combo = login.item(QStringLiteral("usernameCombo"));
    QVERIFY(combo);
    const QRectF box = combo->mapRectToScene(QRectF(0, 0, combo->width(), combo->height()));
    // Right of where one typed letter ends, left of the arrow, between the
    // frame's lines: only the placeholder draws there.
    const QRect strip(int(box.left() + box.height() * 1.2), int(box.top() + box.height() * 0.3),
                      int(box.width() - box.height() * 2.6), int(box.height() * 0.4));
    QVERIFY(drawnPixels(login.view()->grabFramebuffer(), strip) > 0);
    REQUIRE(login.press(Qt::Key_Backtab));
    REQUIRE(login.type(QStringLiteral("q")));
    QCOMPARE(combo->property("text").toString(), QStringLiteral("q"));
    QCOMPARE(drawnPixels(login.view()->grabFramebuffer(), strip), 0);
    REQUIRE(login.press(Qt::Key_Backspace));
  }

  // Closed, the main window goes to the notification area (or the task bar)
  // and comes back where it stood; the icon says so the first time.
  void mainWindowComesBackWhereItStood() {
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    const QRect area = main->screen()->availableGeometry();
    const QPoint place = area.topLeft() + QPoint(area.width() / 5, area.height() / 7);
    main->move(place);
    QTRY_COMPARE(main->pos(), place);
    // Its close button, which the desktop draws.
    main->close();
    QTRY_VERIFY(!main->isVisible() || main->isMinimized());
    Tray* tray = app()->tray();
    QVERIFY(tray);
    if (Tray::isSystemTrayAvailable()) QTRY_VERIFY(tray->toldHidden());
    // The user double-clicks the icon.
    emit tray->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
    QTRY_VERIFY(main->isVisible() && !main->isMinimized());
    QCOMPARE(main->pos(), place);
  }

  // A call row added above the list while the pointer rests on a contact
  // leaves that contact under the pointer.
  void newActiveRowLeavesTheListUnderThePointer() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitVisible(QStringLiteral("contactRow")));
    QString problem;
    QQuickItem* row =
        scene.row(QStringLiteral("contactRow"), QStringLiteral("Bruno Keller"), &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(scene.hover(row));
    const QPointF pointer = row->mapToScene(QPointF(row->width() / 2, row->height() / 2));
    // Resting there shows the contact's card; the keys put it away.
    QML::ContactMouseOver* card = Scenario::mainWindow()->contactMouseOver();
    QTRY_VERIFY(card->isVisible());
    QCOMPARE(card->contact()->property("displayName").toString(), QStringLiteral("Bruno Keller"));
    REQUIRE(scene.press(Qt::Key_Down));
    QVERIFY(!card->isVisible());
    QVERIFY(Scenario::demo().incomingSession(
        101, RAZ::Controllers::CommunicationSession::Kind::KindChat));
    REQUIRE(scene.waitVisible(QStringLiteral("activeCommRow")));
    QTRY_VERIFY(row->contains(row->mapFromScene(pointer)));
  }

  // A new account is asked where it is: the location window opens over the
  // main window with the keys; once set, the header's time at that place
  // turns with the clock.
  void locationWindowAndItsClock() {
    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "1");
    const QString problem = Scenario::signIn(QStringLiteral("lena"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(problem);
    Dialogs::LocationPublish* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&dialog));
    REQUIRE(ZentTest::liesOver(dialog, Scenario::mainWindow()));
    REQUIRE(ZentTest::liesOnScreen(dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    // Also without a window manager to size it, the window takes the
    // form's width, and its introduction spans it (in a few lines, not a
    // narrow column of many).
    const auto* intro = dialog->findChild<QLabel*>(QStringLiteral("label"));
    QVERIFY(intro);
    QVERIFY2(dialog->width() >= 564, qPrintable(QString::number(dialog->width())));
    QVERIFY2(intro->width() >= 500, qPrintable(QString::number(intro->width())));
    // The place the service found, as it is offered.
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("autoLocation")));
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("setLocationButton")));
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.waitText(QStringLiteral("ownLocationText"), QStringLiteral("Berlin")));
    const QString shown = scene.text(QStringLiteral("ownLocationText"));
    // The minute turns (at most a minute away): the time follows.
    QTRY_VERIFY_WITH_TIMEOUT(scene.text(QStringLiteral("ownLocationText")) != shown,
                             60000 + ZentTest::kWaitMs);
    QVERIFY(scene.text(QStringLiteral("ownLocationText")).contains(QStringLiteral("Berlin")));
  }

  // A new account is offered what the service found, ready to publish; where
  // the service finds nothing, nothing is chosen for the user and the form
  // says what it waits for. Esc closes the window without publishing.
  void locationWindowOffersWhatWasFound() {
    auto pressEscape = [](QWidget* window) {
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                      Qt::Key_Escape);
    };
    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "1");
    QString problem = Scenario::signIn(QStringLiteral("nadia"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(problem);
    Dialogs::LocationPublish* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    QVERIFY(dialog->autoLocation()->isChecked());
    QVERIFY(dialog->autoLocation()->text().contains(QStringLiteral("Berlin")));
    QVERIFY(dialog->setLocationButton()->isEnabled());
    QVERIFY(dialog->locationToPublish()->text().contains(QStringLiteral("Berlin")));
    pressEscape(dialog);
    QTRY_VERIFY(!dialog->isVisible());
    SceneDriver scene = Scenario::mainScene();
    QVERIFY(!scene.text(QStringLiteral("ownLocationText")).contains(QStringLiteral("Berlin")));

    REQUIRE(Scenario::signOut());
    qputenv("ZENT_DEMO_LOCATION", "nowhere");
    problem = Scenario::signIn(QStringLiteral("olaf"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(problem);
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    QVERIFY(!dialog->autoLocation()->isChecked());
    QVERIFY(!dialog->manualLocation()->isChecked());
    QVERIFY(!dialog->autoLocation()->isEnabled());
    QVERIFY(dialog->regionEdit()->text().isEmpty());
    QVERIFY(!dialog->setLocationButton()->isEnabled());
    QVERIFY2(dialog->locationToPublish()->text().contains(QStringLiteral("type a location")),
             qPrintable(dialog->locationToPublish()->text()));
    // What the user types is the choice, and can be published.
    REQUIRE(ZentTest::typeInto(dialog->regionEdit(), QStringLiteral("Harbour office")));
    QVERIFY(dialog->manualLocation()->isChecked());
    QVERIFY(dialog->setLocationButton()->isEnabled());
    pressEscape(dialog);
    QTRY_VERIFY(!dialog->isVisible());
  }

  // Switched to Spanish in Preferences (the system speaks English), the
  // history's dates are Spanish too, and the style editor's buttons fit.
  void spanishInterfaceShowsSpanishDates() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.click(QStringLiteral("leftPaneButton2")));  // history
    REQUIRE(scene.waitVisible(QStringLiteral("historyDetails")));
    const QRegularExpression english(
        QStringLiteral("^\\d+ (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec),"));
    const QRegularExpression spanish(
        QStringLiteral("^\\d+ (ene|feb|mar|abr|may|jun|jul|ago|sep|sept|oct|nov|dic)\\.?,"));
    QVERIFY2(english.match(scene.text(QStringLiteral("historyDetails"))).hasMatch(),
             qPrintable(scene.text(QStringLiteral("historyDetails"))));

    REQUIRE(Scenario::chooseLanguage(QStringLiteral("Espa")));
    // Whatever happens below, the tests after this one speak English.
    auto english_ = qScopeGuard([] { Scenario::chooseLanguage(QStringLiteral("English")); });
    QTRY_VERIFY2(spanish.match(scene.text(QStringLiteral("historyDetails"))).hasMatch(),
                 qPrintable(scene.text(QStringLiteral("historyDetails"))));
    // One message waiting is one, in the singular; two, in the plural.
    QCOMPARE(Scenario::control("voice-mail"), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(scene.text(QStringLiteral("voiceMailButton")),
                              QStringLiteral("Buzón de voz (1 nuevo)"), ZentTest::kWaitMs);
    QCOMPARE(Scenario::control("voice-mail"), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(scene.text(QStringLiteral("voiceMailButton")),
                              QStringLiteral("Buzón de voz (2 nuevos)"), ZentTest::kWaitMs);
    // Called, the mailbox plays them: none wait for the tests after this one.
    REQUIRE(scene.click(QStringLiteral("voiceMailButton")));
    QTRY_COMPARE_WITH_TIMEOUT(scene.text(QStringLiteral("voiceMailButton")),
                              QStringLiteral("Buzón de voz"), ZentTest::kWaitMs);
    Scenario::tidy();

    QML::View* view = Scenario::mainWindow()->view();
    REQUIRE(scene.click(QStringLiteral("leftPaneButton0")));
    REQUIRE(scene.focus(QStringLiteral("searchField")));
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(view, Qt::Key_C, chord);
    QTest::keyPress(view, Qt::Key_S, chord);
    QTest::keyRelease(view, Qt::Key_S, chord);
    QTest::keyRelease(view, Qt::Key_C, chord);
    QML::StyleView* editor = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::StyleView>(&editor));
    SceneDriver style = SceneDriver::of(editor);
    QQuickItem* exportButton = style.item(QStringLiteral("exportButton"));
    REQUIRE(style.waitText(QStringLiteral("exportButtonText"), QStringLiteral("Exportar")));
    REQUIRE(shownWhole(style, exportButton));
    editor->close();

    english_.dismiss();
    REQUIRE(Scenario::chooseLanguage(QStringLiteral("English")));
    REQUIRE(scene.click(QStringLiteral("leftPaneButton2")));
    QTRY_VERIFY2(english.match(scene.text(QStringLiteral("historyDetails"))).hasMatch(),
                 qPrintable(scene.text(QStringLiteral("historyDetails"))));
  }

  // Ctrl+Q, shown beside Exit, leaves the program from the main window.
  // (Last: the program is left.)
  void ctrlQExitsFromTheMainWindow() {
    REQUIRE(Scenario::signIn());
    SceneDriver scene = Scenario::mainScene();
    REQUIRE(scene.click(QStringLiteral("windowFrameIcon")));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    QAction* exit = app()->menuActionProvider()->action(Providers::MenuActionProvider::Exit);
    QVERIFY2(menu->actions().contains(exit), qPrintable(ZentTest::menuTexts(menu).join('|')));
    QCOMPARE(exit->shortcut(), QKeySequence(Qt::CTRL + Qt::Key_Q));
    ZentTest::closeMenus();
    QSignalSpy exits(exit, SIGNAL(triggered(bool)));
    REQUIRE(scene.press(Qt::Key_Q, Qt::ControlModifier));
    QCOMPARE(exits.count(), 1);
    QTRY_VERIFY(!app()->client()->hasSession());
  }
};

ZENT_TEST_MAIN(TestScenarioWindows, Application)
#include "tst_scenario_windows.moc"

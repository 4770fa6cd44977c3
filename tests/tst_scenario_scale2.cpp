// At twice the scale a small screen has little room: the headless screen
// of 800x600 pixels is 400x300 here. The sign-in and main windows shrink
// to fit it, and so do the dialogs a user opens from them.
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QtTest>

#include "Application.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "dialogs/ConfigureRoom.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

// Read when the application starts, which is after this.
const bool g_environment = [] {
  qputenv("QT_SCALE_FACTOR", "2");
  return Scenario::prepare("zent-scale2-");
}();

// The window `T` that the entry `path` of the menu that `name` opens opens,
// which lies on the screen; closed again.
template <typename T>
QString opensOnScreen(const QString& name, const QStringList& path) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.click(name);
  QMenu* menu = nullptr;
  if (problem.isEmpty()) problem = ZentTest::waitForMenu(&menu);
  if (problem.isEmpty()) problem = ZentTest::triggerMenuEntry(menu, path);
  T* window = nullptr;
  if (problem.isEmpty()) problem = ZentTest::waitForWindow<T>(&window);
  if (problem.isEmpty() &&
      !QTest::qWaitFor([window] { return ZentTest::liesOnScreen(window).isEmpty(); }))
    problem = ZentTest::liesOnScreen(window);
  if (window) window->close();
  return problem.isEmpty() ? problem : path.last() + QStringLiteral(": ") + problem;
}

}  // namespace

class TestScenarioScale2 : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  TestScenarioScale2() : ScenarioTestObject(g_environment) {}

 private slots:
  void cleanup() { Scenario::tidy(); }

  void signInAndMainWindowsFit() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    // The premise: a screen smaller than either window's own size.
    QCOMPARE(screen->availableGeometry().size(), QSize(400, 300));
    QML::LoginWindow* login = Scenario::app()->loginWindow();
    QVERIFY(login);
    QTRY_VERIFY(login->isVisible());
    QTRY_VERIFY2(ZentTest::liesOnScreen(login).isEmpty(),
                 qPrintable(ZentTest::liesOnScreen(login)));
    REQUIRE(Scenario::signIn());
    QML::MainWindow* main = Scenario::mainWindow();
    QTRY_VERIFY(main->isVisible());
    QTRY_VERIFY2(ZentTest::liesOnScreen(main).isEmpty(), qPrintable(ZentTest::liesOnScreen(main)));
  }

  void dialogsFit() {
    REQUIRE(Scenario::signIn());
    REQUIRE(opensOnScreen<QML::CallSettings>(QStringLiteral("optionsButton"),
                                             {QStringLiteral("Call Settings...")}));
    REQUIRE(opensOnScreen<Dialogs::PreferencesWindow>(QStringLiteral("optionsButton"),
                                                      {QStringLiteral("Preferences...")}));
    REQUIRE(opensOnScreen<Dialogs::ConfigureRoom>(QStringLiteral("addButton"),
                                                  {QStringLiteral("Add Room")}));
    REQUIRE(opensOnScreen<Dialogs::LocationPublish>(QStringLiteral("ownAvatar"),
                                                    {QStringLiteral("My Location...")}));
  }
};

ZENT_TEST_MAIN(TestScenarioScale2, Application)
#include "tst_scenario_scale2.moc"

// The call window of a Spanish-speaking user, whose labels run longer than
// the English ones: its controls keep their row clear of the call's state,
// every label whole, at the desktop's text size and at twice that, and a
// new call window lies wholly on the screen of the window it came from.
#include <QApplication>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QtTest>

#include <RAZ/Client.h>

#include "Application.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-callwindow-es-", "es");

const char kAliceName[] = "Alice Moreno";
const char kAliceWork[] = "Trabajo: +4930100101";
const char* const kControls[] = {"endButton",     "muteButton",  "holdButton",
                                 "dialpadButton", "videoButton", "transferButton"};

QRectF sceneRect(QQuickItem* item) {
  return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// The call's state and party are not covered by any control; every control
// shows its whole label inside the scene; with room for it, all in one row.
QString controlsClearOfStatus(QML::CommunicationsWindow* window) {
  SceneDriver call = SceneDriver::of(window);
  const QRectF view(QPointF(0, 0), QSizeF(call.view()->size()));
  QList<QQuickItem*> texts;
  for (const char* name : {"party", "callState"}) {
    QQuickItem* text = call.item(QString::fromLatin1(name));
    if (!text) return QStringLiteral("no %1 shown").arg(QString::fromLatin1(name));
    texts << text;
  }
  qreal rowTop = -1;
  bool oneRow = true;
  for (const char* name : kControls) {
    QQuickItem* button = call.item(QString::fromLatin1(name));
    if (!button) return QStringLiteral("no %1 shown").arg(QString::fromLatin1(name));
    const QRectF r = sceneRect(button);
    const QString label = button->property("text").toString();
    if (!view.contains(r)) return QStringLiteral("\"%1\" lies outside the call scene").arg(label);
    if (button->width() < button->property("labelWidth").toReal())
      return QStringLiteral("\"%1\" is cut short").arg(label);
    for (QQuickItem* text : texts)
      if (r.intersects(sceneRect(text)))
        return QStringLiteral("\"%1\" covers \"%2\"").arg(label, text->property("text").toString());
    if (rowTop < 0) rowTop = r.top();
    oneRow = oneRow && qFuzzyCompare(rowTop + 1, r.top() + 1);
  }
  const int natural = qCeil(call.root()->implicitWidth());
  if (!oneRow && natural <= window->screen()->availableGeometry().width())
    return QStringLiteral("the controls wrap though the screen has room for one row");
  return QString();
}

QString placeCall(QML::CommunicationsWindow** window) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.waitVisible(QStringLiteral("contactRow"));
  if (!problem.isEmpty()) return problem;
  QQuickItem* row = main.row(QStringLiteral("contactRow"), kAliceName, &problem);
  if (!row) return problem;
  problem = main.rightClick(row);
  if (!problem.isEmpty()) return problem;
  QMenu* menu = nullptr;
  problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  problem = ZentTest::triggerMenuEntry(menu, {QStringLiteral("Llamar"), kAliceWork});
  if (!problem.isEmpty()) return problem;
  problem = ZentTest::waitForWindow<QML::CommunicationsWindow>(
      window, [](QML::CommunicationsWindow* w) { return w->windowTitle().contains(kAliceName); });
  if (!problem.isEmpty()) return problem;
  return SceneDriver::of(*window).waitText(QStringLiteral("callState"),
                                           QStringLiteral("Llamada activa"));
}

}  // namespace

class ScenarioCallWindowSpanish : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioCallWindowSpanish() : ScenarioTestObject(g_environment) {}

 private:
  QFont m_font;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    m_font = QApplication::font();
    REQUIRE(Scenario::start());
  }

  void cleanupTestCase() {
    QApplication::setFont(m_font);
    Scenario::finish();
  }

  void init() { REQUIRE(Scenario::signIn()); }

  void cleanup() {
    ScenarioTestObject::cleanup();
    QApplication::setFont(m_font);
  }

  void controlsKeepTheirRow_data() {
    QTest::addColumn<int>("textScale");
    QTest::newRow("desktop text") << 1;
    QTest::newRow("text twice as large") << 2;
  }

  // "Silenciar" becomes "Activar sonido": the row makes room for it, and
  // "Llamada activa" with its time stays readable above.
  void controlsKeepTheirRow() {
    QFETCH(int, textScale);
    QFont font = m_font;
    if (font.pixelSize() > 0)
      font.setPixelSize(font.pixelSize() * textScale);
    else
      font.setPointSizeF(font.pointSizeF() * textScale);
    // The scenes of a window opened from now on take the text size.
    QApplication::setFont(font);

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(placeCall(&window));
    SceneDriver call = SceneDriver::of(window);
    QCOMPARE(call.text(QStringLiteral("muteButton")), QString("Silenciar"));
    REQUIRE(controlsClearOfStatus(window));
    REQUIRE(ZentTest::liesOnScreen(window));

    REQUIRE(call.click(QStringLiteral("muteButton")));
    REQUIRE(call.waitText(QStringLiteral("muteButton"), QStringLiteral("Activar sonido")));
    QTRY_VERIFY2_WITH_TIMEOUT(controlsClearOfStatus(window).isEmpty(),
                              qPrintable(controlsClearOfStatus(window)), ZentTest::kWaitMs);
    REQUIRE(ZentTest::liesOnScreen(window));
    REQUIRE(call.click(QStringLiteral("holdButton")));
    REQUIRE(call.waitText(QStringLiteral("holdButton"), QStringLiteral("Reanudar")));
    QTRY_VERIFY2_WITH_TIMEOUT(controlsClearOfStatus(window).isEmpty(),
                              qPrintable(controlsClearOfStatus(window)), ZentTest::kWaitMs);
  }

  // The call's debug window (Control+D) speaks the user's language: its
  // groups, switches, legends and buttons; the engine's value names stay.
  void callDebugWindowIsInSpanish() {
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(placeCall(&window));
    REQUIRE(SceneDriver::of(window).press(Qt::Key_D, Qt::ControlModifier));
    QML::CallDebugWindow* debug = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CallDebugWindow>(&debug));
    SceneDriver scene = SceneDriver::of(debug);
    REQUIRE(scene.waitText(QStringLiteral("dtmfSent"), QStringLiteral("Tonos enviados: ")));
    QString problem;
    for (const char* text : {"Parámetros de audio", "Supresión de ruido", "Ganancia del altavoz",
                             "Modo de AEC (0: auriculares", "Velocidad de bits inicial", "Aplicar",
                             "voiceEncoderCodecName: "})
      QVERIFY2(scene.row(QStringLiteral("callDebugInfo"), QString::fromUtf8(text), &problem),
               qPrintable(problem));
    QVERIFY2(!scene.row(QStringLiteral("callDebugInfo"), QStringLiteral("Audio parameters")),
             "an English title is left");
    debug->close();
  }

  // The main window sits in the screen's bottom right corner: the call
  // started from it opens wholly on that screen.
  void newCallWindowLiesOnTheOwnersScreen() {
    QML::MainWindow* main = Scenario::mainWindow();
    QScreen* screen = main->screen();
    const QRect area = screen->availableGeometry();
    const QRect frame = main->frameGeometry();
    main->move(area.right() + 1 - frame.width(), area.bottom() + 1 - frame.height());
    QTRY_VERIFY_WITH_TIMEOUT(area.contains(main->frameGeometry()), ZentTest::kWaitMs);

    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(placeCall(&window));
    REQUIRE(ZentTest::liesOnScreen(window));
    QCOMPARE(window->screen(), screen);
    // Growing with a longer label does not take it off the screen either.
    REQUIRE(SceneDriver::of(window).click(QStringLiteral("muteButton")));
    REQUIRE(SceneDriver::of(window).waitText(QStringLiteral("muteButton"),
                                             QStringLiteral("Activar sonido")));
    REQUIRE(ZentTest::liesOnScreen(window));
  }
};

ZENT_TEST_MAIN(ScenarioCallWindowSpanish, Application)
#include "tst_scenario_callwindow_es.moc"

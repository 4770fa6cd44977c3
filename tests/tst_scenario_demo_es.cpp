// A Spanish-speaking user on the demo service: what the service makes at the
// sign-in (group names, the place it finds) and the time-zone names of the
// location window speak Spanish; people keep their names.
#include <QComboBox>
#include <QLabel>
#include <QQuickWidget>
#include <QRadioButton>
#include <QtTest>

#include "Application.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "dialogs/LocationPublish.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-demo-es-", "es");

}  // namespace

class ScenarioDemoSpanish : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  ScenarioDemoSpanish() : ScenarioTestObject(g_environment) {}

 private slots:
  void cleanup() { Scenario::tidy(); }

  // A new account is asked where it is: the place found and the zones on
  // offer read in Spanish, and so does the header once the place is
  // published; the contact list names its groups in Spanish.
  void signInSpeaksSpanish() {
    qputenv("ZENT_DEMO_LOCATION", "1");
    const QString problem = Scenario::signIn(QStringLiteral("lucia"));
    qputenv("ZENT_DEMO_LOCATION", "0");
    REQUIRE(problem);
    Dialogs::LocationPublish* dialog = nullptr;
    REQUIRE(ZentTest::waitForWindow<Dialogs::LocationPublish>(&dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    QVERIFY2(dialog->autoLocation()->text().contains(QStringLiteral("Berlín, ALEMANIA")),
             qPrintable(dialog->autoLocation()->text()));
    QComboBox* zones = dialog->timeComboBox();
    QVERIFY(zones->findText(QStringLiteral("(UTC+01:00) Ámsterdam, Berlín, Madrid, París, Roma")) >
            0);
    QVERIFY(zones->findText(QStringLiteral("(UTC-08:00) Hora del Pacífico (EE. UU. y Canadá)")) >
            0);
    QCOMPARE(zones->findText(QStringLiteral("Amsterdam"), Qt::MatchContains), -1);
    REQUIRE(ZentTest::clickButton(dialog, QStringLiteral("setLocationButton")));

    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitText(QStringLiteral("ownLocationText"), QStringLiteral("Berlín, ALEMANIA")));
    REQUIRE(main.waitVisible(QStringLiteral("groupHeaderName")));
    QString seen;
    QVERIFY2(main.row(QStringLiteral("groupHeaderName"), QStringLiteral("Equipo"), &seen),
             qPrintable(seen));
    QVERIFY(!main.row(QStringLiteral("groupHeaderName"), QStringLiteral("Team")));
    QVERIFY2(main.row(QStringLiteral("contactRow"), QStringLiteral("Alice Moreno"), &seen),
             qPrintable(seen));
  }
};

ZENT_TEST_MAIN(ScenarioDemoSpanish, Application)
#include "tst_scenario_demo_es.moc"

// "My Location": the time list, the texts of a location, what a choice
// stores and what reaches the published presence.
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Settings.h>

#include <memory>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>

#include "TestSupport.h"
#include "Utils/PresenceHelper.h"
#include "dialogs/LocationPublish.h"

using Dialogs::LocationPublish;
using RAZ::Utils::Location::Info;

namespace {

QString key(const char* name) {
  return QStringLiteral("presence/location_publish/") + QLatin1String(name);
}

Info place(const QString& city, const QString& country, const QString& state,
           const QString& offset = QString()) {
  Info info;
  info.city = city;
  info.country = country;
  info.state = state;
  info.timeZone = offset;
  info.ipAddress = QStringLiteral("192.0.2.7");
  return info;
}

QStringList items(QComboBox* combo) {
  QStringList result;
  for (int i = 0; i < combo->count(); ++i) result << combo->itemText(i);
  return result;
}

// The presence helper of the session, told what its location sources find
// as the program connects them.
std::unique_ptr<Utils::PresenceHelper> presenceHelperOf(RAZ::Demo::DemoSession* session) {
  auto helper = std::make_unique<Utils::PresenceHelper>(session->contactsManager()->ownPresence());
  for (RAZ::Utils::Location::Source* source : session->locationSources()) {
    QObject::connect(source, SIGNAL(xsiLocationReceived(RAZ::Utils::Location::Info)), helper.get(),
                     SLOT(cbXsiLocationReceived(RAZ::Utils::Location::Info)));
    QObject::connect(source, SIGNAL(pubsubLocationReceived(RAZ::Utils::Location::Info)),
                     helper.get(), SLOT(cbXmppLocationReceived(RAZ::Utils::Location::Info)));
  }
  return helper;
}

}  // namespace

class TestLocationPublish : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

  void clearSettings() {
    RAZ::Settings user(RAZ::Settings::User);
    for (const char* k : {"dontAskAgain", "manually_published", "last_published_manual_location",
                          "last_published_timezone", "last_received_ip_address"})
      user.remove(key(k));
  }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    ZentTest::useSettingsFolders(m_dir.path());
    // The time-zone list comes with the theme.
    QVERIFY(QResource::registerResource(qEnvironmentVariable("ZENT_DIST_DIR") +
                                        "/themes/default/resources.rcc"));
  }
  void init() { clearSettings(); }

  void utcTexts_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("five hours behind") << -5 * 3600 << "(UTC-05:00)";
    QTest::newRow("zero") << 0 << "(UTC+00:00)";
    QTest::newRow("half hour") << 5 * 3600 + 1800 << "(UTC+05:30)";
  }
  void utcTexts() {
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(LocationPublish::utcText(seconds), text);
  }

  void locationTexts_data() {
    QTest::addColumn<Info>("info");
    QTest::addColumn<QString>("text");
    QTest::newRow("united states") << place("Austin", "united States", "TX") << "Austin, TX";
    QTest::newRow("elsewhere") << place("Helsinki", "FINLAND", "Uusimaa") << "Helsinki, FINLAND";
    QTest::newRow("no country") << place("Oslo", "", "") << "Oslo";
    Info described = place("Oslo", "NORWAY", "");
    described.manualLocation = "Home office";
    QTest::newRow("description first") << described << "Home office";
  }
  void locationTexts() {
    QFETCH(Info, info);
    QFETCH(QString, text);
    QCOMPARE(LocationPublish::locationText(info), text);
  }

  void unusableOffsetGivesNoTime() {
    QVERIFY(LocationPublish::timeText(place("A", "B", "", "+25:99x")).isEmpty());
    QVERIFY(LocationPublish::timeText(place("A", "B", "")).isEmpty());
    QVERIFY(!LocationPublish::timeText(place("A", "B", "", "+02:00")).isEmpty());
  }

  void timeZoneFile() {
    QByteArray data =
        "\"First East\",1,+01:00\n"
        "\"First West\",2,-03:00\n"
        "\"Broken line,3,+04:00\n"
        "\"Too short\",5\n"
        "\"Second West\",4,-08:00\n"
        "\"Second East\",6,+09:00,extra\n";
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(LocationPublish::readTimeZones(&buffer),
             QStringList({"(UTC-08:00) Second West", "(UTC-03:00) First West",
                          "(UTC+01:00) First East", "(UTC+09:00) Second East"}));
  }

  // The theme's zone names are the catalogues' texts: every one of them is
  // given through the catalogue, and again after a language switch; a name
  // of a theme's own is given as the theme wrote it.
  void zoneNamesSpeakTheInterfaceLanguage() {
    // Marks every text of the dialog's context it is asked for.
    class Marking : public QTranslator {
     public:
      bool isEmpty() const override { return false; }
      QString translate(const char* context, const char* source, const char*, int) const override {
        return QLatin1String(context) == QLatin1String("Dialogs::LocationPublish")
                   ? QStringLiteral("<") + QString::fromUtf8(source) + QStringLiteral(">")
                   : QString();
      }
    };
    LocationPublish dialog;
    const QStringList english = dialog.timeZones();
    QVERIFY(english.size() > 10);
    for (const QString& entry : english) QVERIFY2(!entry.contains('<'), qPrintable(entry));
    {
      Marking marking;
      QVERIFY(QCoreApplication::installTranslator(&marking));
      QStringList expected;
      for (const QString& entry : english)
        expected << QString(entry).replace(") ", ") <") + QLatin1Char('>');
      QTRY_COMPARE(dialog.timeZones(), expected);
      QVERIFY(items(dialog.timeComboBox()).contains(expected.last()));

      QByteArray data = "\"Harbour Time\",1,+01:00\n";
      QBuffer buffer(&data);
      QVERIFY(buffer.open(QIODevice::ReadOnly));
      QCOMPARE(LocationPublish::readTimeZones(&buffer), QStringList{"(UTC+01:00) Harbour Time"});
    }
    QTRY_COMPARE(dialog.timeZones(), english);
  }

  void timeListAndManualChoice() {
    LocationPublish dialog;
    QVERIFY(!dialog.timeZones().isEmpty());  // the theme's list
    dialog.locationsReceived(place("Helsinki", "FINLAND", "", "+02:00"), Info());
    dialog.prepareToShow();
    QVERIFY(dialog.refreshTimer()->isActive());
    const QStringList list = items(dialog.timeComboBox());
    QCOMPARE(list.at(0), QString("No Time"));
    QCOMPARE(list.at(2), QString("Suggested times"));
    QVERIFY(list.at(3).endsWith(" (Computer time)"));
    QCOMPARE(list.at(4), QString("(UTC+02:00) (Automatic time)"));
    QVERIFY(!list.join("|").contains("(Last used)"));
    QVERIFY(dialog.autoLocation()->isChecked());
    QVERIFY(
        dialog.autoLocation()->text().startsWith("Use automatic location: Helsinki, FINLAND  "));

    // Manual with no text and no time cannot be published.
    dialog.manualLocation()->click();
    QVERIFY(!dialog.setLocationButton()->isEnabled());
    // Typing while "auto" is chosen switches to manual.
    dialog.autoLocation()->click();
    dialog.regionEdit()->setText("Lab");
    QVERIFY(dialog.manualLocation()->isChecked());
    QVERIFY(dialog.setLocationButton()->isEnabled());
    QCOMPARE(dialog.locationToPublish()->text(), QString("Location to be published: Lab  "));
  }

  void publishingStoresTheChoice() {
    LocationPublish dialog;
    dialog.locationsReceived(place("Helsinki", "FINLAND", "", "+02:00"), Info());
    dialog.prepareToShow();
    dialog.show();
    QSignalSpy chosen(&dialog, SIGNAL(locationChanged(RAZ::Utils::Location::Info, bool, bool)));
    dialog.regionEdit()->setText("  Berlin   office ");
    const int zone =
        dialog.timeComboBox()->findText("(UTC+01:00) Amsterdam, Berlin, Madrid, Paris, Rome");
    QVERIFY(zone > 0);
    dialog.timeComboBox()->setCurrentIndex(zone);
    dialog.setLocationButton()->click();
    QCOMPARE(chosen.count(), 1);
    const Info info = chosen.first().at(0).value<Info>();
    QCOMPARE(info.manualLocation, QString("Berlin office"));
    QCOMPARE(info.timeZone, QString("+01:00"));
    QCOMPARE(chosen.first().at(1).toBool(), false);
    QCOMPARE(chosen.first().at(2).toBool(), true);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.refreshTimer()->isActive());
    QVERIFY(dialog.regionEdit()->text().isEmpty());
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value(key("last_published_manual_location")).toString(),
             QString("Berlin office"));
    QCOMPARE(user.value(key("last_published_timezone")).toString(), QString("+01:00"));
    QCOMPARE(user.value(key("manually_published")).toBool(), true);
    QCOMPARE(user.value(key("last_received_ip_address")).toString(), QString("192.0.2.7"));

    // Shown again: the manual choice, its text and its time come back.
    dialog.prepareToShow();
    QVERIFY(dialog.manualLocation()->isChecked());
    QCOMPARE(dialog.regionEdit()->text(), QString("Berlin office"));
    QCOMPARE(dialog.timeComboBox()->currentText(), QString("(UTC+01:00) (Last used)"));

    // Manual with "No Time": the next list has no last-used row.
    dialog.timeComboBox()->setCurrentIndex(0);
    dialog.setLocationButton()->click();
    QCOMPARE(user.value(key("last_published_timezone")).toString(), QString());
    dialog.prepareToShow();
    QVERIFY(!items(dialog.timeComboBox()).join("|").contains("(Last used)"));
  }

  void dontAskAgainAndNoLocation() {
    LocationPublish dialog;
    dialog.locationsReceived(place("Helsinki", "FINLAND", "", "+02:00"), Info());
    dialog.prepareToShow();
    QVERIFY(dialog.alwaysAskCheckbox()->isChecked());
    dialog.alwaysAskCheckbox()->setChecked(false);
    QSignalSpy chosen(&dialog, SIGNAL(locationChanged(RAZ::Utils::Location::Info, bool, bool)));
    dialog.clearLocationButton()->click();
    QCOMPARE(chosen.count(), 1);
    QVERIFY(chosen.first().at(0).value<Info>().isEmpty());
    QCOMPARE(chosen.first().at(1).toBool(), true);
    QCOMPARE(chosen.first().at(2).toBool(), false);
    dialog.prepareToShow();
    dialog.alwaysAskCheckbox()->setChecked(false);
    dialog.setLocationButton()->click();
    QCOMPARE(chosen.last().at(1).toBool(), true);
  }

  void closingOnlyHides() {
    LocationPublish dialog;
    dialog.prepareToShow();
    dialog.show();
    dialog.regionEdit()->setText("Somewhere");
    QVERIFY(!dialog.close());
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.autoLocation()->isChecked());
    QVERIFY(dialog.regionEdit()->text().isEmpty());
  }

  void chosenLocationIsPublished() {
    RAZ::Presence::PresenceData own(10);
    Utils::PresenceHelper helper(&own);
    LocationPublish* dialog = helper.locationDialog();
    QVERIFY(dialog);
    helper.showLocationPublishDialog();
    QVERIFY(dialog->isVisible());
    dialog->regionEdit()->setText("Lab");
    dialog->timeComboBox()->setCurrentIndex(
        dialog->timeComboBox()->findText("(UTC+09:00) Tokyo, Seoul"));
    QSignalSpy published(&helper, SIGNAL(ownLocationChanged()));
    dialog->setLocationButton()->click();
    QCOMPARE(published.count(), 1);
    QCOMPARE(own.getLocationInfo().manualLocation, QString("Lab"));
    QCOMPARE(own.getLocationInfo().timeZone, QString("+09:00"));
  }

  // The demo service reports where the user is when a session starts; the
  // manual location and time zone the user publishes are asked for once and
  // published again on the next sign-in, without a question.
  void choiceIsKeptAndPublishedAgainAtTheNextSignIn() {
    qputenv("ZENT_DEMO_LOCATION", "1");
    RAZ::Demo::Service::instance().reset();
    RAZ::Demo::Service::instance().setStepDelay(0);
    RAZ::Configuration::Config config(QByteArray("<config name=\"T\"/>"), QString());
    auto signIn = [&config](std::unique_ptr<RAZ::Demo::DemoSession>& session,
                            std::unique_ptr<Utils::PresenceHelper>& helper) {
      helper.reset();
      session.reset(new RAZ::Demo::DemoSession(&config));
      session->open(QStringLiteral("traveller"), QStringLiteral("demo"));
      helper = presenceHelperOf(session.get());
    };
    std::unique_ptr<RAZ::Demo::DemoSession> session;
    std::unique_ptr<Utils::PresenceHelper> helper;
    signIn(session, helper);
    LocationPublish* dialog = helper->locationDialog();
    // A new address: the user is asked, the service's place offered.
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(), ZentTest::kWaitMs);
    QVERIFY(dialog->autoLocation()->text().contains("Berlin, GERMANY"));
    dialog->manualLocation()->click();
    dialog->regionEdit()->setText("Lisbon office");
    dialog->timeComboBox()->setCurrentIndex(
        dialog->timeComboBox()->findText("(UTC+00:00) Dublin, Edinburgh, Lisbon, London"));
    dialog->setLocationButton()->click();
    RAZ::Presence::PresenceData* own = session->contactsManager()->ownPresence();
    QCOMPARE(own->getLocationInfo().manualLocation, QString("Lisbon office"));
    QCOMPARE(own->getLocationInfo().timeZone, QString("+00:00"));
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value(key("last_published_timezone")).toString(), QString("+00:00"));
    QCOMPARE(user.value(key("last_received_ip_address")).toString(), QString("198.51.100.23"));

    // Signed out and in: same address, so no question; the choice is published.
    signIn(session, helper);
    own = session->contactsManager()->ownPresence();
    QTRY_COMPARE_WITH_TIMEOUT(own->getLocationInfo().manualLocation, QString("Lisbon office"),
                              ZentTest::kWaitMs);
    QCOMPARE(own->getLocationInfo().timeZone, QString("+00:00"));
    QVERIFY(!helper->locationDialog()->isVisible());
    helper.reset();
    session.reset();
    qputenv("ZENT_DEMO_LOCATION", "0");
  }

  // After a restart the service reports nothing published: the location
  // and its mode, as the user chose them, are published again without a
  // question.
  void choiceOutlivesARestart_data() {
    QTest::addColumn<bool>("manual");
    QTest::newRow("manual location") << true;
    QTest::newRow("automatic location") << false;
  }
  void choiceOutlivesARestart() {
    QFETCH(bool, manual);
    qputenv("ZENT_DEMO_LOCATION", "1");
    RAZ::Configuration::Config config(QByteArray("<config name=\"T\"/>"), QString());
    std::unique_ptr<RAZ::Demo::DemoSession> session;
    std::unique_ptr<Utils::PresenceHelper> helper;
    // A start of the program: the service as a new run finds it.
    auto start = [&] {
      helper.reset();
      session.reset();
      RAZ::Demo::Service::instance().reset();
      RAZ::Demo::Service::instance().setStepDelay(0);
      session.reset(new RAZ::Demo::DemoSession(&config));
      session->open(QStringLiteral("commuter"), QStringLiteral("demo"));
      helper = presenceHelperOf(session.get());
      return session->contactsManager()->ownPresence();
    };
    start();
    LocationPublish* dialog = helper->locationDialog();
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(), ZentTest::kWaitMs);
    if (manual) {
      dialog->manualLocation()->click();
      dialog->regionEdit()->setText("Harbour office");
      dialog->timeComboBox()->setCurrentIndex(
          dialog->timeComboBox()->findText("(UTC+00:00) Dublin, Edinburgh, Lisbon, London"));
    }
    dialog->setLocationButton()->click();
    const Info chosen = session->contactsManager()->ownPresence()->getLocationInfo();
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(chosen.manualLocation, manual ? QString("Harbour office") : QString());

    for (int run = 0; run < 2; ++run) {
      RAZ::Presence::PresenceData* own = start();
      QTRY_COMPARE_WITH_TIMEOUT(own->getLocationInfo(), chosen, ZentTest::kWaitMs);
      QCOMPARE(own->getLocationInfo().city, manual ? QString() : QString("Berlin"));
      QVERIFY(!helper->locationDialog()->isVisible());
    }
    helper.reset();
    session.reset();
    qputenv("ZENT_DEMO_LOCATION", "0");
  }
};

ZENT_TEST_MAIN(TestLocationPublish, QApplication)
#include "tst_location_publish.moc"

// Configurations: values by id with their defaults, bad files and values
// skipped, the folders scanned in order, and pointers that survive a reload.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/ProgramKey.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include "Utils/ConfigIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>

using RAZ::Configuration::Config;

using ZentTest::readFile;

namespace {

QByteArray configText(const QString& name, const QString& values = QString()) {
  return QStringLiteral("<config name=\"%1\">%2</config>").arg(name, values).toUtf8();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class TestRazConfig : public QObject {
  Q_OBJECT

 private:
  TP::Crypto::Blowfish m_cipher = ZentTest::programCipher();
  TP::Core::Logging::MemorySink m_log;

 private slots:
  void initTestCase() { TP::Core::Logging::addLogger(&m_log); }
  void cleanupTestCase() { TP::Core::Logging::removeLogger(&m_log); }
  void init() {
    m_log.clear();
    Config::setFileCipher(nullptr);
  }

  void programKeyHas56Bytes() {
    QCOMPARE(RAZ::programKey().size(), 56);
    QCOMPARE(RAZ::programCipherMode(), 2);
    QVERIFY(m_cipher.isValid());
  }

  void valuesByIdWithDefaultsAndTypes() {
    const Config c(
        configText("Main",
                   "<value id=\"400\" type=\"bool\">false</value>"
                   "<value id=\"0\" type=\"bool\">TRUE</value>"
                   "<value id=\"61\" type=\"int\"> 50 </value>"
                   "<value id=\"401\" type=\"string\">https://v.example/a?b=1&amp;c=2</value>"
                   "<value id=\"380\" type=\"string\"></value>"),
        "/p/config.xml");
    QVERIFY(c.isValid());
    QCOMPARE(c.getName(), QString("Main"));
    QCOMPARE(c.getPath(), QString("/p/config.xml"));
    QCOMPARE(c.getBool(400, true), false);
    QCOMPARE(c.getBool(0, false), true);
    QCOMPARE(c.getInt(61, -1), 50);
    QCOMPARE(c.getString(401), QString("https://v.example/a?b=1&c=2"));
    QVERIFY(c.contains(380));
    QCOMPARE(c.getString(380, "default"), QString());
    // Missing ids give the default.
    QCOMPARE(c.getBool(116, true), true);
    QCOMPARE(c.getString(366, "none"), QString("none"));
    QVERIFY(!c.value(999).isValid());
    QCOMPARE(c.value(999, 3).toInt(), 3);
    // A value of another type is never converted.
    QCOMPARE(c.getBool(61, true), true);
    QCOMPARE(c.getInt(401, 7), 7);
    QCOMPARE(c.getString(400, "x"), QString("x"));
    QCOMPARE(c.value(400).type(), QVariant::Bool);
    QCOMPARE(c.value(61).type(), QVariant::Int);
  }

  void badValuesAreSkippedTheRestCounts() {
    const Config c(configText("Partial",
                              "<value id=\"1\" type=\"bool\">maybe</value>"
                              "<value id=\"2\" type=\"int\">12x</value>"
                              "<value id=\"3\" type=\"colour\">red</value>"
                              "<value id=\"x\" type=\"bool\">true</value>"
                              "<value id=\"-4\" type=\"bool\">true</value>"
                              "<value id=\"5\" type=\"bool\">true</value>"
                              "<value id=\"5\" type=\"bool\">false</value>"
                              "<unknown>ignored</unknown>"),
                   QString());
    QVERIFY(c.isValid());
    QCOMPARE(c.ids(), QList<int>{5});
    QCOMPARE(c.getBool(5, false), true);  // the first of two duplicates wins
    QCOMPARE(c.getBool(1, true), true);
    QVERIFY(m_log.containsMessage("Duplicate value id 5"));
  }

  void invalidDocumentsGiveInvalidConfigurations_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray::fromHex("0102fffe20676172626167650a");
    QTest::newRow("no name") << QByteArray(
        "<config><value id=\"1\" type=\"bool\">true</value></config>");
    QTest::newRow("blank name") << QByteArray("<config name=\"  \"/>");
    QTest::newRow("wrong root") << QByteArray("<settings name=\"A\"/>");
    QTest::newRow("unclosed") << QByteArray(
        "<config name=\"A\"><value id=\"1\" type=\"bool\">true");
    QTest::newRow("nested in value")
        << QByteArray("<config name=\"A\"><value id=\"1\" type=\"string\"><b/></value></config>");
  }
  void invalidDocumentsGiveInvalidConfigurations() {
    QFETCH(QByteArray, text);
    const Config c(text, "f");
    QVERIFY(!c.isValid());
    QVERIFY(c.getName().isEmpty());
    QVERIFY(c.ids().isEmpty());
    QCOMPARE(c.getBool(1, true), true);
  }

  void scanSkipsEveryBadFileAndLogsIt() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString d = dir.path() + "/";
    writeFile(d + "config_a.xml", m_cipher.Encrypt(configText("Alpha")));
    writeFile(d + "config_b.xml", QByteArray("not enciphered at all, not even a block"));
    writeFile(d + "config_c.xml", QByteArray());
    TP::Crypto::Blowfish other;
    QVERIFY(other.Initialize(TP::Bytes(QByteArray(56, 'k')), 2));
    writeFile(d + "config_d.xml", other.Encrypt(configText("WrongKey")));
    writeFile(d + "config_e.xml", m_cipher.Encrypt(QByteArray("plain text, no document")));
    writeFile(d + "config_f.xml", m_cipher.Encrypt(configText("Alpha")));  // name taken
    writeFile(d + "config_g.xml", m_cipher.Encrypt(configText("Gamma")));
    // Not configuration file names: never read.
    writeFile(d + "notconfig.xml", m_cipher.Encrypt(configText("Other1")));
    writeFile(d + "Config_h.xml", m_cipher.Encrypt(configText("Other2")));
    writeFile(d + "config_i.txt", m_cipher.Encrypt(configText("Other3")));
    QVERIFY(QDir().mkpath(d + "config_dir.xml"));

    RAZ::ConfigContainer container;
    container.setCipher(&m_cipher);
    container.setSearchFolders({d});
    QSignalSpy changed(&container, SIGNAL(configsChanged()));
    QCOMPARE(container.reloadConfigFiles(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(container.configNames(), (QStringList{"Alpha", "Gamma"}));
    QVERIFY(container.currentConfig());
    QCOMPARE(container.currentConfig()->getName(), QString("Alpha"));
    QCOMPARE(container.currentConfig()->getPath(), d + "config_a.xml");
    for (const char* skipped :
         {"config_b.xml", "config_c.xml", "config_d.xml", "config_e.xml", "config_f.xml"})
      QVERIFY2(m_log.containsMessage(QString(d) + skipped), skipped);
    QVERIFY(!m_log.containsMessage("notconfig.xml"));
  }

  void scanFallsThroughToTheNextFolder() {
    QTemporaryDir empty, bad, good;
    writeFile(bad.path() + "/config.xml", QByteArray(64, '\0'));
    writeFile(good.path() + "/config.xml", m_cipher.Encrypt(configText("Good")));
    writeFile(good.path() + "/config2.xml", m_cipher.Encrypt(configText("Good2")));
    RAZ::ConfigContainer container;
    container.setCipher(&m_cipher);
    container.setSearchFolders(
        {empty.path() + "/missing", empty.path(), bad.path(), good.path(), QString()});
    QCOMPARE(container.reloadConfigFiles(), 2);
    QCOMPARE(container.configNames(), (QStringList{"Good", "Good2"}));
  }

  void noConfigurationsAndNoCipher() {
    RAZ::ConfigContainer container;
    QCOMPARE(container.currentConfig(), nullptr);
    QVERIFY(container.configNames().isEmpty());
    QVERIFY(!container.setCurrentConfig("x"));
    QVERIFY(!container.setCurrentConfig(QString()));
    QCOMPARE(container.reloadConfigFiles(), 0);
    QTemporaryDir dir;
    writeFile(dir.path() + "/config.xml", m_cipher.Encrypt(configText("A")));
    QVERIFY(!container.addConfigFile(dir.path() + "/config.xml"));  // no cipher yet
    container.setCipher(&m_cipher);
    QVERIFY(container.addConfigFile(dir.path() + "/config.xml"));
    QVERIFY(!container.addConfigFile(dir.path() + "/missing.xml"));
  }

  void currentConfigAndPointersSurviveReload() {
    QTemporaryDir dir;
    writeFile(dir.path() + "/config1.xml",
              m_cipher.Encrypt(configText("One", "<value id=\"1\" type=\"int\">1</value>")));
    writeFile(dir.path() + "/config2.xml", m_cipher.Encrypt(configText("Two")));
    RAZ::ConfigContainer container;
    container.setCipher(&m_cipher);
    container.setSearchFolders({dir.path()});
    container.reloadConfigFiles();
    QSignalSpy current(&container, SIGNAL(currentConfigChanged()));
    QVERIFY(container.setCurrentConfig("Two"));
    QCOMPARE(current.count(), 1);
    QVERIFY(container.setCurrentConfig("Two"));
    QCOMPARE(current.count(), 1);
    QVERIFY(!container.setCurrentConfig("Three"));
    QCOMPARE(container.currentConfig()->getName(), QString("Two"));

    const Config* one = container.config("One");
    QVERIFY(one);
    writeFile(dir.path() + "/config1.xml",
              m_cipher.Encrypt(configText("One", "<value id=\"1\" type=\"int\">2</value>")));
    container.reloadConfigFiles();
    QCOMPARE(current.count(), 1);
    QCOMPARE(container.currentConfig()->getName(), QString("Two"));
    // The old object is still readable; the container serves the new one.
    QCOMPARE(one->getInt(1), 1);
    QCOMPARE(container.config("One")->getInt(1), 2);

    QVERIFY(QFile::remove(dir.path() + "/config2.xml"));
    container.reloadConfigFiles();
    QCOMPARE(current.count(), 2);
    QCOMPARE(container.currentConfig()->getName(), QString("One"));
  }

  void fileConfigReplacesOnlyWithAValidConfiguration() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/config.xml";
    const QByteArray original = m_cipher.Encrypt(configText("Current"));
    writeFile(path, original);
    QFile current(path);

    QTemporaryFile candidate;
    QVERIFY(candidate.open());
    candidate.write(configText("Delivered", "<value id=\"400\" type=\"bool\">true</value>"));
    candidate.close();

    bool accepted = true;
    Config::FileConfig(current, candidate, false, &accepted);
    QVERIFY(!accepted);  // no cipher set yet
    QCOMPARE(readFile(path), original);

    Config::setFileCipher(&m_cipher);
    Config::FileConfig(current, candidate, false, &accepted);
    QVERIFY(accepted);
    const QByteArray written = readFile(path);
    QVERIFY(!written.contains("Delivered"));  // stored enciphered
    const Config stored(m_cipher.Decrypt(written), path);
    QCOMPARE(stored.getName(), QString("Delivered"));
    QCOMPARE(stored.getBool(400, false), true);
    // The service's configuration is the user's alone.
    QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);

    // An enciphered candidate says so.
    QTemporaryFile enciphered;
    QVERIFY(enciphered.open());
    enciphered.write(m_cipher.Encrypt(configText("Again")));
    enciphered.close();
    Config::FileConfig(current, enciphered, true, &accepted);
    QVERIFY(accepted);
    QCOMPARE(Config(m_cipher.Decrypt(readFile(path)), path).getName(), QString("Again"));

    // Invalid candidates leave the file as it was.
    const QByteArray before = readFile(path);
    QTemporaryFile broken;
    QVERIFY(broken.open());
    broken.write("<config>no name</config>");
    broken.close();
    Config::FileConfig(current, broken, false, &accepted);
    QVERIFY(!accepted);
    Config::FileConfig(current, broken, true, &accepted);  // does not decipher
    QVERIFY(!accepted);
    QFile missing(dir.path() + "/missing-candidate.xml");
    Config::FileConfig(current, missing, false, &accepted);
    QVERIFY(!accepted);
    Config::FileConfig(current, candidate, false, nullptr);  // null flag is allowed
    QCOMPARE(Config(m_cipher.Decrypt(readFile(path)), path).getName(), QString("Delivered"));
    Q_UNUSED(before);
    Config::setFileCipher(nullptr);
  }

  void shippedDemoConfigurationDeciphersWithTheProgramKey() {
    const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
    if (dist.isEmpty()) QSKIP("ZENT_DIST_DIR not set");
    const QString path = dist + "/config_demo.xml";
    const QByteArray raw = readFile(path);
    QVERIFY2(!raw.isEmpty(), qPrintable(path));
    QVERIFY(!raw.contains("<config"));
    bool ok = false;
    const Config demo(m_cipher.Decrypt(raw, &ok), path);
    QVERIFY(ok);
    QCOMPARE(demo.getName(), QString("Demo"));
    QCOMPARE(demo.getBool(Utils::ConfigId::CallSettingsOnly, true), false);
    QCOMPARE(demo.getBool(Utils::ConfigId::AddressVerification, true), false);
    using namespace Utils::ConfigId;
    for (int id : {CallSettingsOnly, ProjectRooms, RoomsMayBeAdded, RoomHistorySize, TestCall,
                   CallTransfer, CallPull, ParkedCallRetrieval, CallsOnThisClient, CommsHistory,
                   XmppPresenceAndChat, XsiProfilePath, OtherDevicesTakeCalls, EmergencyDisclaimer,
                   DisclaimerRejectionAddress, AddressVerification, AddressVerificationUrl})
      QVERIFY2(demo.contains(id), qPrintable(QString::number(id)));
    QCOMPARE(demo.value(RoomHistorySize).type(), QVariant::Int);
    QCOMPARE(demo.value(XsiProfilePath).type(), QVariant::String);
    QVERIFY(RAZ::ConfigContainer::isConfigFileName(path));
  }
};

ZENT_TEST_MAIN(TestRazConfig, QApplication)
#include "tst_raz_config.moc"

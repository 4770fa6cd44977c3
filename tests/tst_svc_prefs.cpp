// The preferences watcher and the interface language: one notice per save,
// language changes reaching registered objects once, and bad language lists refused.
#include "TestSupport.h"

#include "I18N.h"
#include "Utils/LanguageChoice.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/Retranslator.h"

#include <TP/Core/Logging.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

#include <os/Store.h>

namespace {

// The start-up choice over the loaded language table and the installer's value.
QString choose(const QString& stored, const QString& localeName) {
  return Utils::chooseLanguage(I18N::languages().keys(), I18N::getInstallerLanguage(), stored,
                               localeName);
}
// Counts the language-change events it is handed.
class Listener : public QObject {
 public:
  int changes = 0;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::LanguageChange) ++changes;
    return QObject::event(e);
  }
};
}  // namespace

class TestPrefs : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  TP::Core::Logging::MemorySink m_log;

  QString writeList(const QByteArray& json) {
    const QString path = m_dir.filePath(QStringLiteral("languages.json"));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(json);
    return path;
  }

  void switchLanguage() {
    // Installing and removing a translator sends the language-change event.
    QTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    QVERIFY(m_dir.isValid());
    TP::Core::Logging::addLogger(&m_log);
    qputenv("ZENT_OS_STORE", m_dir.filePath(QStringLiteral("os-store.ini")).toLocal8Bit());
    Os::Store::setFilePath(m_dir.filePath(QStringLiteral("os-store.ini")));
  }

  void cleanupTestCase() {
    Utils::QObjectLanguageChange::deleteInstance();
    TP::Core::Logging::removeLogger(&m_log);
  }

  void init() {
    I18N::clear();
    m_log.clear();
  }

  void savesInOneTurnGiveOneNotice() {
    QObject owner;
    Preferences::Watcher* watcher = Preferences::createWatcher(&owner);
    QSignalSpy changed(watcher, SIGNAL(preferencesChanged()));
    QCoreApplication::processEvents();  // the notice pending from construction
    changed.clear();

    watcher->changed();
    watcher->changed();
    watcher->changed();
    QCOMPARE(changed.count(), 0);  // nothing before the event loop runs
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);

    watcher->changed();
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    QCOMPARE(changed.count(), 2);
  }

  void qualityDetectionIsReportedAtOnceAndIsNoPreferenceChange() {
    QScopedPointer<Preferences::Watcher> watcher(Preferences::createWatcher(nullptr));
    QCoreApplication::processEvents();
    QSignalSpy changed(watcher.data(), SIGNAL(preferencesChanged()));
    QSignalSpy dynamic(watcher.data(), SIGNAL(dynamicProfileEnabled()));
    watcher->qualityDetectionEnabled();
    QCOMPARE(dynamic.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 0);
  }

  void languageChangeReachesRegisteredObjectsOnce() {
    Listener once, twice, unregistered;
    auto* gone = new Listener;
    Utils::QObjectLanguageChange::registerObject(&once);
    Utils::QObjectLanguageChange::registerObject(&twice);
    Utils::QObjectLanguageChange::registerObject(&twice);
    Utils::QObjectLanguageChange::registerObject(gone);
    delete gone;  // must not be reached any more (ASan would catch it)

    switchLanguage();
    QTRY_COMPARE(once.changes, 1);
    QCOMPARE(twice.changes, 1);
    QCOMPARE(unregistered.changes, 0);
  }

  void registryCanBeDeletedAndMadeAgain() {
    Listener listener;
    Utils::QObjectLanguageChange::registerObject(&listener);
    Utils::QObjectLanguageChange::deleteInstance();
    QCOMPARE(Utils::QObjectLanguageChange::instance(), nullptr);
    switchLanguage();
    QCOMPARE(listener.changes, 0);
    Utils::QObjectLanguageChange::registerObject(&listener);
    switchLanguage();
    QTRY_COMPARE(listener.changes, 1);
  }

  void onlyAllowedLanguagesAreLoaded() {
    QVERIFY(I18N::loadLanguagesFrom(writeList(
        R"({"fr": ["1036", "Français"], "en": ["1033", "English", "extra"], "es": ["1034", "Español"]})")));
    QCOMPARE(I18N::languages().keys(), (QStringList{"en", "es"}));
    QCOMPARE(I18N::languages().value("es"), QStringLiteral("Español"));
    QCOMPARE(I18N::installerCodes().value("en"), QStringLiteral("1033"));
  }

  void shortOrWrongEntriesAreSkipped() {
    QVERIFY(I18N::loadLanguagesFrom(writeList(R"({"en": ["1033"], "es": "Español"})")));
    QVERIFY(I18N::languages().isEmpty());
    QVERIFY(I18N::installerCodes().isEmpty());
    QVERIFY(m_log.containsMessage(QStringLiteral("skipped")));
  }

  void malformedListLeavesTheTablesAsTheyWere_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << QByteArray(R"({"en": ["1033", "English")");
    QTest::newRow("array") << QByteArray(R"([["1033", "English"]])");
    QTest::newRow("empty") << QByteArray("");
  }

  void malformedListLeavesTheTablesAsTheyWere() {
    QFETCH(QByteArray, content);
    QVERIFY(I18N::loadLanguagesFrom(writeList(R"({"en": ["1033", "English"]})")));
    QVERIFY(!I18N::loadLanguagesFrom(writeList(content)));
    QCOMPARE(I18N::languages().keys(), QStringList{"en"});
    QVERIFY(!I18N::loadLanguagesFrom(m_dir.filePath(QStringLiteral("missing.json"))));
    QCOMPARE(I18N::languages().keys(), QStringList{"en"});
    QVERIFY(m_log.size() > 0);
  }

  void installerLanguageRoundTripAndStartUpChoice() {
    QVERIFY(I18N::loadLanguagesFrom(
        writeList(R"({"en": ["1033", "English"], "es": ["1034", "Español"]})")));
    I18N::setInstallerLanguage(QStringLiteral("xx"));  // no installer code: nothing written
    QCOMPARE(I18N::getInstallerLanguage(), QString());
    // No installer language: stored preference, locale, its first two letters, else "es".
    QCOMPARE(choose(QStringLiteral("xx"), QStringLiteral("en_US")), QStringLiteral("en"));
    QCOMPARE(choose(QStringLiteral("xx"), QStringLiteral("de_DE")), QStringLiteral("es"));
    QCOMPARE(choose(QStringLiteral("en"), QStringLiteral("es_ES")), QStringLiteral("en"));

    I18N::setInstallerLanguage(QStringLiteral("en"));
    QCOMPARE(I18N::getInstallerLanguage(), QStringLiteral("en"));
    // The installer's choice wins over the stored preference.
    QCOMPARE(choose(QStringLiteral("es"), QStringLiteral("es_ES")), QStringLiteral("en"));
    QVERIFY(m_log.containsMessage(QStringLiteral("Registry path for installer is: ")));
  }
};

ZENT_TEST_MAIN(TestPrefs, QApplication)
#include "tst_svc_prefs.moc"

// The application object itself: menu actions, second-start messages carried
// from a real second start of the program, product links, the preferences
// page, and the start-up sequence run against an empty folder and against
// the shipped tree.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLocalSocket>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <thread>

#include <RAZ/ConfigContainer.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>
#include <TP/Bytes.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include "Application.h"
#include "DemoFixture.h"
#include "I18N.h"
#include "Providers/MenuActionProvider.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/Branding.h"
#include "Utils/SettingsKeys.h"
#include "Utils/ZentUrlHandler.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"

namespace {

// Everything the program writes for a user goes below one temporary home,
// and the single-instance id is our own, before the application object
// exists.
const bool g_environment = ZentTest::useTemporaryHome("zent-test-application-", true);

struct SeenMessage {
  QString title;
  QString text;
  QImage picture;
};

Application* app() { return static_cast<Application*>(qApp); }

}  // namespace

class TestAppApplication : public QObject {
  Q_OBJECT

 private:
  TP::Core::Logging::MemorySink m_log;
  QML::Style* m_style = nullptr;

  QString programPath() const { return qEnvironmentVariable("ZENT_DIST_DIR") + "/zent"; }

  // Starts the program as a second instance with the arguments and returns
  // the message the running instance (this test) receives.
  QString secondStart(const QStringList& arguments) {
    QSignalSpy spy(app(), SIGNAL(messageReceived(QString)));
    QProcess second;
    second.start(programPath(), arguments);
    if (!spy.wait(2 * ZentTest::kWaitMs)) return QStringLiteral("<nothing received>");
    if (!second.waitForFinished(60000)) return QStringLiteral("<second start did not end>");
    if (second.exitCode() != 0) return QStringLiteral("<second start failed>");
    return spy.first().first().toString();
  }

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    TP::Core::Logging::addLogger(&m_log);
    m_style = new QML::Style(nullptr);
    QVERIFY(!app()->isRunning());
  }

  void cleanupTestCase() {
    TP::Core::Logging::removeLogger(&m_log);
    AppPaths::setExecutableDirOverride(QString());
    delete m_style;
  }

  void constructorCreatesStartActions() {
    Providers::MenuActionProvider* p = app()->menuActionProvider();
    QVERIFY(p);
    for (int id : {0, 1, 16, 4, 14, 15, 3, 17})
      QVERIFY2(p->action(id), qPrintable(QString::number(id)));
    for (int id : {2, 5, 6, 7, 8, 18}) QVERIFY(!p->action(id));
    QCOMPARE(p->action(Providers::MenuActionProvider::Exit)->text(), QString("Exit"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("20.1.1.231"));
    QVERIFY(p->menuText(19).isEmpty());
  }

  void secondStartWithoutArguments() { QCOMPARE(secondStart({}), QString("activate!")); }

  void secondStartWithTwoArguments() {
    QCOMPARE(secondStart({"--zent:call=\"eA==\"", "two words"}),
             QString("--zent:call=\"eA==\" two words"));
  }

  void longBinaryMessageArrivesIntact() {
    QString message;
    for (int i = 0; i < 200000; ++i) message += QChar(ushort(1 + (i * 7919) % 0xD7FF));
    message += QChar(0);
    message += QStringLiteral("Ωend");
    QSignalSpy spy(app(), SIGNAL(messageReceived(QString)));
    bool delivered = false;
    const QString server = QtSingleApplication::serverNameFor(app()->id());
    std::thread client(
        [&] { delivered = QtSingleApplication::sendMessageTo(server, message, 30000); });
    const bool received = spy.wait(ZentTest::kWaitMs);
    client.join();
    QVERIFY(received);
    QVERIFY(delivered);
    const QString got = spy.first().first().toString();
    QCOMPARE(got.size(), message.size());
    int firstDifference = -1;
    for (int i = 0; i < got.size() && firstDifference < 0; ++i)
      if (got.at(i) != message.at(i)) firstDifference = i;
    QCOMPARE(firstDifference, -1);
  }

  void silentClientDoesNotBlockTheProgram() {
    // A peer that connects and sends half a header is simply dropped later;
    // a full message behind it still arrives.
    QLocalSocket idle;
    idle.connectToServer(QtSingleApplication::serverNameFor(app()->id()));
    QVERIFY(idle.waitForConnected(5000));
    idle.write("\0\0", 2);
    idle.flush();
    QSignalSpy spy(app(), SIGNAL(messageReceived(QString)));
    bool delivered = false;
    std::thread client([&] {
      delivered = QtSingleApplication::sendMessageTo(
          QtSingleApplication::serverNameFor(app()->id()), "x", 30000);
    });
    QVERIFY(spy.wait(ZentTest::kWaitMs));
    client.join();
    QVERIFY(delivered);
    QCOMPARE(spy.first().first().toString(), QString("x"));
  }

  void productLinksFromMessages() {
    app()->onMessageReceived("--zent:first=\"1\" --callto:123");
    QVERIFY(app()->pendingUrlHandler());
    QCOMPARE(app()->pendingUrlHandler()->link(), QString("first=\"1\""));
    QPointer<Utils::ZentUrlHandler> old = app()->pendingUrlHandler();
    app()->onMessageReceived("--callto:555");
    QCOMPARE(app()->pendingUrlHandler(), old.data());
    app()->onMessageReceived("--ZENT:second --zent:third");
    QVERIFY(!old);  // replaced, and deleted
    QCOMPARE(app()->pendingUrlHandler()->link(), QString("third"));
    app()->onMessageReceived(QString());
    app()->onMessageReceived("ACTIVATE!");  // no window yet: nothing to raise
    QCOMPARE(app()->pendingUrlHandler()->link(), QString("third"));
    // A link far longer than a room's (as long as a message may be) is
    // refused whole, the pending one kept; the longest a room's may be is
    // taken.
    old = app()->pendingUrlHandler();
    app()->onMessageReceived("--zent:" + QString(1024 * 1024 - 7, 'A'));
    QCOMPARE(app()->pendingUrlHandler(), old.data());
    app()->onMessageReceived("--zent:" +
                             QString(Utils::ZentUrlHandler::kMaxPayloadLength + 1, 'A'));
    QCOMPARE(app()->pendingUrlHandler(), old.data());
    const QString longest(Utils::ZentUrlHandler::kMaxPayloadLength, 'B');
    app()->onMessageReceived("--zent:" + longest);
    QCOMPARE(app()->pendingUrlHandler()->link(), longest);
  }

  // Addresses from the service (new version, disclaimer refusal) are opened
  // only when they are web pages with a host; a host never makes another
  // scheme acceptable.
  void onlyWebAddressesAreOpened_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://updates.example.org/zent.msi" << true;
    QTest::newRow("http upper case") << "HTTP://example.org/" << true;
    QTest::newRow("web without host") << "https://" << false;
    QTest::newRow("web, empty host") << "http:///path" << false;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("file with host") << "file://host/etc/passwd" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("script with host") << "javascript://host/%0Aalert(1)" << false;
    QTest::newRow("other scheme with host") << "ftp://host/setup.sh" << false;
    QTest::newRow("relative") << "//host/page" << false;
    QTest::newRow("empty") << "" << false;
  }
  void onlyWebAddressesAreOpened() {
    QFETCH(QString, address);
    QFETCH(bool, opened);
    QCOMPARE(Application::isWebAddress(QUrl(address, QUrl::TolerantMode)), opened);
  }

  void openPreferencesClampsThePage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("page");
    QTest::newRow("7") << 7 << 0;
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("5") << 5 << 5;
  }
  void openPreferencesClampsThePage() {
    QFETCH(int, tab);
    QFETCH(int, page);
    m_log.clear();
    QAction* prefs =
        app()->menuActionProvider()->action(Providers::MenuActionProvider::Preferences);
    QVariant seen;
    auto c = connect(prefs, &QAction::triggered, this, [&] { seen = prefs->property("tab"); });
    app()->openPreferences(tab);
    disconnect(c);
    // The slot reads the page and clears the property before later receivers.
    QVERIFY(!seen.isValid());
    QVERIFY(m_log.containsMessage(QString("Preferences page %1").arg(page)));
    QVERIFY(!prefs->property("tab").isValid());
  }

  void accountFolderNeverLeavesTheDataFolder() {
    QTemporaryDir data;
    RAZ::Settings::setPath(RAZ::Settings::User, QString());
    QDir dir;
    app()->ensureUserSettingsDirExists(dir, "../../escape");
    const QString root = RAZ::Utils::Path::writableDataPath();
    QVERIFY2(QDir::cleanPath(dir.absolutePath()).startsWith(QDir::cleanPath(root) + "/"),
             qPrintable(dir.path()));
    QVERIFY(dir.exists());
    QCOMPARE(RAZ::Settings::path(RAZ::Settings::User), dir.path());
  }

  void startUpFailsWithoutSettingsFolder() {
    QTemporaryDir empty;
    AppPaths::setExecutableDirOverride(empty.path());
    SeenMessage seen;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&seen](Dialogs::MessageWindow* m) {
      seen.title = m->windowTitle();
      seen.text = m->messageLabel()->text();
      if (auto* icon = m->findChild<QLabel*>(QStringLiteral("icon")))
        if (icon->isVisible()) seen.picture = icon->pixmap(Qt::ReturnByValue).toImage();
    });
    m_log.clear();
    QVERIFY(!app()->initialize());
    ZentTest::installStrictMessageHandler();
    // No branding file there: the built-in names title the message.
    QCOMPARE(seen.title, QString("VOV Quorvel: UI setting error"));
    QCOMPARE(seen.text, QString("Couldn't find UI settings file"));
    // No theme either: still the picture of a critical message.
    QVERIFY(!seen.picture.isNull());
    QCOMPARE(seen.picture, Dialogs::MessageWindow::iconPixmap(QMessageBox::Critical, 1).toImage());
    const auto fatal =
        m_log.find("AppLogger", "Application::initialize", TP::Core::Logging::LevelFatal);
    QCOMPARE(fatal.size(), 1);
    QCOMPARE(fatal.first().message, QString("Couldn't find UI settings file"));
    QVERIFY(!app()->loginWindow());
  }

  void startUpFailsOnAnUnusableDataFolder() {
    // A plain file where the data folder's parent should be: the folder can
    // never be made (the tests run as root, which permission bits do not stop).
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("blocker/share")));
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    SeenMessage seen;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&seen](Dialogs::MessageWindow* m) {
      seen.title = m->windowTitle();
      seen.text = m->messageLabel()->text();
    });
    m_log.clear();
    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    const QString dataDir = RAZ::Utils::Path::writableDataPath();
    qputenv("XDG_DATA_HOME", oldData);
    QVERIFY(!ok);
    // Nothing usable in the "C" locale: the interface, and so the start-up
    // error before any window, is Spanish.
    QCOMPARE(seen.title, QString("Zent: Error de la carpeta de datos"));
    QVERIFY2(
        seen.text.startsWith("No se puede usar la carpeta de su configuración y sus cuentas: " +
                             dataDir + " no es una carpeta"),
        qPrintable(seen.text));
    QCOMPARE(
        m_log.find("AppLogger", "Application::initialize", TP::Core::Logging::LevelFatal).size(),
        1);
    QVERIFY(!app()->loginWindow());
  }

  void dataFolderProblems() {
    QTemporaryDir dir;
    QVERIFY(Application::dataFolderProblem(dir.path()).isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());  // probe removed
    QVERIFY(!Application::dataFolderProblem(QString()).isEmpty());
    QVERIFY(Application::dataFolderProblem(dir.filePath("missing")).contains("missing"));
  }

  void unreadableConfigurationsAreNamed() {
    QTemporaryDir dir;
    {
      QFile junk(dir.filePath("config_broken.xml"));
      QVERIFY(junk.open(QIODevice::WriteOnly));
      junk.write("not enciphered at all");
      QFile empty(dir.filePath("config_empty.xml"));
      QVERIFY(empty.open(QIODevice::WriteOnly));
    }
    TP::Crypto::Blowfish cipher = ZentTest::programCipher();
    RAZ::ConfigContainer container;
    container.setCipher(&cipher);
    container.setSearchFolders({dir.path()});
    QCOMPARE(container.reloadConfigFiles(), 0);
    QString text = Application::configurationProblemText(container);
    // Signing in still works on the service's own settings: the text says
    // so rather than that it is impossible.
    QVERIFY2(text.startsWith(Application::tr("No configuration could be loaded (looked in %1). "
                                             "Signing in uses the service's own settings; if it "
                                             "fails, reinstall the program.")
                                 .arg(dir.path())),
             qPrintable(text));
    QVERIFY2(text.contains(dir.filePath("config_broken.xml") + ": does not decipher"),
             qPrintable(text));
    QVERIFY(text.contains(dir.filePath("config_empty.xml") + ": empty"));

    // A usable configuration further on: only the unread files are named.
    container.setSearchFolders({dir.path(), qEnvironmentVariable("ZENT_DIST_DIR")});
    QVERIFY(container.reloadConfigFiles() > 0);
    text = Application::configurationProblemText(container);
    QVERIFY2(
        text.startsWith(Application::tr("These configuration files could not be read:") + "\n"),
        qPrintable(text));
    QVERIFY(text.contains("config_broken.xml"));

    // All well: nothing to say.
    container.setSearchFolders({qEnvironmentVariable("ZENT_DIST_DIR")});
    QVERIFY(container.reloadConfigFiles() > 0);
    QVERIFY(Application::configurationProblemText(container).isEmpty());
  }

  void failuresBeforeStartUpAreShownAndEndTheProgram_data() {
    QTest::addColumn<bool>("unanswered");
    QTest::newRow("lock cannot be taken") << false;
    QTest::newRow("running instance does not answer") << true;
  }
  void failuresBeforeStartUpAreShownAndEndTheProgram() {
    QFETCH(bool, unanswered);
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    SeenMessage seen;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&seen](Dialogs::MessageWindow* m) {
      seen.title = m->windowTitle();
      seen.text = m->messageLabel()->text();
    });
    const int code =
        unanswered ? app()->reportUnansweredSecondStart() : app()->reportInstanceFailure();
    ZentTest::installStrictMessageHandler();
    ZentTest::takeMessages();
    QCOMPARE(code, 1);
    QCOMPARE(seen.title, QString("Zent: Error de inicio"));
    if (unanswered)
      QVERIFY2(seen.text.startsWith("Zent ya se está ejecutando pero no responde (su bloqueo es " +
                                    app()->lockPath() + ")"),
               qPrintable(seen.text));
    else
      QVERIFY2(seen.text.startsWith("Zent no puede iniciarse porque "), qPrintable(seen.text));
  }

  void startUpRunsEveryStepOnTheShippedTree() {
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    // Stored accounts too large to be ours: reported, kept, never written over.
    const Utils::Branding names =
        Utils::readBranding(qEnvironmentVariable("ZENT_DIST_DIR") + "/application_name.txt");
    QCoreApplication::setApplicationName(names.applicationName);
    QCoreApplication::setOrganizationName(names.organizationName);
    const QString credentials = RAZ::Utils::Path::writableDataPath() + "/credentials.dat";
    QVERIFY(QDir().mkpath(QFileInfo(credentials).absolutePath()));
    {
      QFile big(credentials);
      QVERIFY(big.open(QIODevice::WriteOnly));
      QVERIFY(big.resize(4 * 1024 * 1024 + 1));
    }
    SeenMessage seen;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&seen](Dialogs::MessageWindow* m) {
      seen.title = m->windowTitle();
      seen.text = m->messageLabel()->text();
    });
    m_log.clear();
    const bool ok = app()->initialize();
    const bool trayDuringStartUp = app()->tray();
    bool firstFrameShown = false;
    bool trayBeforeFirstFrame = false;
    if (app()->loginWindow())
      QML::FirstFrame::watch(app()->loginWindow()->view(), this, [&] {
        firstFrameShown = true;
        trayBeforeFirstFrame = app()->tray();
      });
    ZentTest::installStrictMessageHandler();
    QVERIFY(ok);
    QTRY_VERIFY(!seen.text.isEmpty());
    QCOMPARE(seen.title, QString("Cuentas guardadas"));
    QVERIFY2(seen.text.contains(credentials + ": ocupa más de 4 MiB"), qPrintable(seen.text));
    QVERIFY2(seen.text.contains(credentials + ".unreadable"), qPrintable(seen.text));
    QCOMPARE(QFileInfo(credentials + ".unreadable").size(), qint64(4 * 1024 * 1024 + 1));
    QCOMPARE(QCoreApplication::applicationName(), QString("Zent"));
    QVERIFY(m_log.containsMessage(
        "Application initialization is complete. User agent is: Zent/20.1.1.231 ("));
    QVERIFY(app()->loginWindow());
    QVERIFY(app()->loginWindow()->isVisible());
    // The tray icon and the crash service follow once the sign-in window's
    // first frame is on screen, from the event loop.
    QVERIFY(!trayDuringStartUp);
    QTRY_VERIFY(firstFrameShown);
    QVERIFY(!trayBeforeFirstFrame);
    QTRY_VERIFY(app()->tray());
    QVERIFY(app()->crashReporter());
    QTRY_VERIFY_WITH_TIMEOUT(app()->crashReporter()->isInstalled(), ZentTest::kWaitMs);
    QVERIFY(app()->notificationManager());
    QVERIFY(app()->watcher());
    // Sounds have a media engine to play through from the start.
    QVERIFY(RAZ::MediaEngine::MediaHandlerBase::m_This);
    QVERIFY(RAZ::MediaEngine::MediaHandlerBase::m_This->soundFacility());
    // Nothing usable in the "C" locale: Spanish, written back.
    QCOMPARE(app()->language(), QString("es"));
    RAZ::Settings settings(RAZ::Settings::Application);
    QCOMPARE(settings.value(Utils::SettingsKey::LanguageActive).toString(), QString("es"));
    QVERIFY(
        settings.value(Utils::SettingsKey::UserAgent).toString().startsWith("Zent/20.1.1.231 ("));
    QCOMPARE(settings.value(Utils::SettingsKey::ThemeActive).toString(), QString("default"));
    // Slots 0 and 1 always get a translator; no custom catalogue, no slot 2.
    QVERIFY(app()->translators().contains(I18N::ProgramTexts));
    QVERIFY(app()->translators().contains(I18N::QtTexts));
    QVERIFY(!app()->translators().contains(I18N::CustomTexts));
    // The language change reached the menu actions.
    QCOMPARE(app()->menuActionProvider()->action(Providers::MenuActionProvider::SignOut)->text(),
             QString::fromUtf8("Cerrar sesión"));
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") +
                          "/applications/zent-url-handler.desktop"));
    QCOMPARE(qEnvironmentVariable("VODI8_CLIENT_PATH"), AppPaths::executablePath());
    QVERIFY(QFileInfo(RAZ::Utils::Path::writableDataPath() + "/logs/spirit").isDir());
    QVERIFY(QFile::exists(RAZ::Utils::Path::writableDataPath() + "/application_setting.ini"));
    QVERIFY(!QFile::exists(QDir::current().filePath("HKEY_CLASSES_ROOT")));
    // Second-start messages are handled from now on.
    app()->loginWindow()->hide();
    emit app()->messageReceived("activate!");
    QVERIFY(app()->loginWindow()->isVisible());
  }

  void loginWindowFormReachesTheSigninSignal() {
    // Run on its own, nothing has started the program yet.
    if (!app()->loginWindow()) {
      AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
      const bool ok = app()->initialize();
      ZentTest::installStrictMessageHandler();
      QVERIFY(ok);
    }
    QML::LoginWindow* w = app()->loginWindow();
    QVERIFY(w);
    QSignalSpy spy(w, SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
    w->setUsername("alice");
    w->setPassword("demo");
    w->onSigninClicked();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toString(), QString("alice"));
    QCOMPARE(spy.first().at(1).toString(), QString("demo"));
    // The sign-in goes on to an open session, and the program ends with it
    // still open: the application's own end takes the session's objects
    // down (the sanitizer build checks that it does so cleanly).
    QTRY_VERIFY(app()->sessionScope() && app()->mainWindow() && app()->mainWindow()->isVisible());
  }
};

ZENT_TEST_MAIN(TestAppApplication, Application)
#include "tst_app_application.moc"

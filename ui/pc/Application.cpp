#include "Application.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPixmapCache>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QResource>
#include <QSGRendererInterface>
#include <QScreen>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryFile>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/FileWrites.h>
#include <RAZ/Utils/Parsers.h>
#include <RAZ/Utils/Path.h>
#include <TP/Bytes.h>
#include <TP/Core/Logging.h>
#include <os/Environment.h>
#include <os/Store.h>
#include <os/UrlScheme.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

#include "I18N.h"
#include "MediaEngineConfigurator.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/AppPaths.h"
#include "Utils/Branding.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ConfigIds.h"
#include "Utils/CrashReporter.h"
#include "Utils/HelpInterface.h"
#include "Utils/LanguageChoice.h"
#include "Utils/NotificationManager.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/Retranslator.h"
#include "Utils/SettingsKeys.h"
#include "Utils/SettingsSeed.h"
#include "Utils/SettingsWrite.h"
#include "Utils/Sounds/ContactNotification.h"
#include "Utils/Tray.h"
#include "Utils/UserAgent.h"
#include "Utils/ZentUrlHandler.h"
#include "Utils/file_utils.h"
#include "Widgets/Preferences/ConfirmationsHandler.h"
#include "Widgets/Window.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/QmlRegistration.h"
#include "libqml/components/About.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/utils/Themes.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"

using Providers::MenuActionProvider;

const char* const Application::kInstanceId = "ZENT";
const char* const Application::kVersion = "20.1.1.231";
const char* const Application::kActivateMessage = "activate!";

bool Application::chooseSceneGraphBackend() {
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
    return false;
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
  return true;
}

Application::Application(int& argc, char** argv)
    : QtSingleApplication(QString::fromLatin1(kInstanceId), argc, argv) {
  m_menuActionProvider = new Providers::MenuActionProviderWin(this);
  for (int id :
       {MenuActionProvider::About, MenuActionProvider::Preferences, MenuActionProvider::Help,
        MenuActionProvider::AddContact, MenuActionProvider::SignOut, MenuActionProvider::Exit,
        MenuActionProvider::OpenApplication, MenuActionProvider::AlwaysOnTop})
    m_menuActionProvider->createAction(id);
  m_menuActionProvider->retranslate();
  connect(m_menuActionProvider->action(MenuActionProvider::About), SIGNAL(triggered()), this,
          SLOT(cbActionAbout()));
  connect(m_menuActionProvider->action(MenuActionProvider::Help), SIGNAL(triggered()), this,
          SLOT(cbActionHelp()), Qt::QueuedConnection);
  connect(m_menuActionProvider->action(MenuActionProvider::AddContact), SIGNAL(triggered()), this,
          SLOT(cbActionAddContact()));
  connect(m_menuActionProvider->action(MenuActionProvider::SignOut), SIGNAL(triggered()), this,
          SLOT(startingLogout()));
  connect(m_menuActionProvider->action(MenuActionProvider::Exit), SIGNAL(triggered()), this,
          SLOT(startingLogout()));
  connect(m_menuActionProvider->action(MenuActionProvider::Preferences), SIGNAL(triggered()), this,
          SLOT(cbActionPreferences()));
  // Exit's key works in every window of ours (see eventFilter).
  installEventFilter(this);

  for (int i = 0; i < argc; ++i) {
    const QString arg = linkArgument(argv[i] ? QString::fromLocal8Bit(argv[i]) : QString());
    if (arg.startsWith(QLatin1String("--callto:")) || arg.startsWith(QLatin1String("--tel:"))) {
      // Dialled once the user is signed in; a second start only forwards it.
      m_pendingCallNumber = callLinkNumber(arg.mid(2));
      continue;
    }
    if (arg.startsWith(QLatin1String("--zent:"))) handleZentUrl(arg.mid(7).trimmed());
  }
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
}

Application::~Application() {
  TP_LOG("Application::~Application", TP::Core::Logging::LevelDetail)
      << (m_client ? "Client exists" : "No client");
  // Nothing is translated again on the way out: a language change now
  // would have every scene still alive read its texts once more.
  m_tearingDown = true;
  // The session's objects first: they use the windows and managers below.
  endSessionScope();
  delete m_sessionErrorMessage.data();
  delete m_preferencesWindow.data();
  delete m_aboutWindow.data();
  if (m_menuActionProvider) m_menuActionProvider->linkActionProvider(nullptr);
  // Windows next: they are wired to the client and the window manager.
  delete m_loginWindow.data();
  delete m_connectorNotification.data();
  delete m_notificationManager;
  m_notificationManager = nullptr;
  delete m_tray;
  m_tray = nullptr;
  delete m_pendingUrlHandler;
  m_pendingUrlHandler = nullptr;
  delete m_apiController;
  m_apiController = nullptr;
  delete m_client;
  m_client = nullptr;
  Utils::QObjectLanguageChange::deleteInstance();
  // The translators go last, once every window and scene that reads them
  // is gone. Taken away first, their removal sent the language change to
  // the windows still open (a call, My Room, the menus), whose scenes then
  // read their texts again while being torn down.
  for (const QSharedPointer<QTranslator>& translator : qAsConst(m_translators))
    if (translator) QCoreApplication::removeTranslator(translator.data());
  m_translators.clear();
  if (m_logSink) {
    TP::Core::Logging::removeLogger(m_logSink);
    delete m_logSink;
    m_logSink = nullptr;
  }
}

// ---------------------------------------------------------------------------
// Small pure helpers

namespace {

const char* const kBareLinkSchemes[] = {"zent:", "callto:", "tel:"};

bool isCallLinkArgument(const QString& argument) {
  return argument.startsWith(QLatin1String("--callto:"), Qt::CaseInsensitive) ||
         argument.startsWith(QLatin1String("--tel:"), Qt::CaseInsensitive);
}

// The names the program runs under, beside the program.
QString brandingFile() {
  return AppPaths::executableDir() + QStringLiteral("/application_name.txt");
}

}  // namespace

QString Application::secondInstanceMessage(const QStringList& arguments) {
  if (arguments.size() <= 1) return QString::fromLatin1(kActivateMessage);
  QStringList sent;
  for (int k = 1; k < arguments.size(); ++k) {
    QString argument = linkArgument(arguments.at(k));
    // The receiver splits the message at blanks: a link keeps its own as
    // the percent-encoding the link readers undo.
    if (argument.startsWith(QLatin1String("--zent:"), Qt::CaseInsensitive) ||
        isCallLinkArgument(argument))
      argument.replace(QLatin1Char(' '), QStringLiteral("%20"));
    sent << argument;
  }
  return sent.join(QLatin1Char(' '));
}

QString Application::secondInstanceMessage(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << (argv[i] ? QString::fromLocal8Bit(argv[i]) : QString());
  return secondInstanceMessage(args);
}

QString Application::linkArgument(const QString& argument) {
  for (const char* scheme : kBareLinkSchemes)
    if (argument.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
      return QStringLiteral("--") + QLatin1String(scheme) + argument.mid(int(qstrlen(scheme)));
  return argument;
}

QStringList Application::messageArguments(const QString& message) {
  // The second start joined its arguments by blanks; a link never holds
  // one (the desktop hands it over percent-encoded). What an argument holds
  // stays inside it: "zent:eA==--callto:+49..." is one product link, never
  // a call link besides.
  QStringList arguments;
  const auto words = message.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& word : words) arguments << word.trimmed();
  return arguments;
}

QStringList Application::zentLinksInMessage(const QString& message) {
  QStringList links;
  const auto arguments = messageArguments(message);
  for (const QString& argument : arguments)
    if (argument.startsWith(QLatin1String("--zent:"), Qt::CaseInsensitive))
      links << argument.mid(7).trimmed();
  return links;
}

QStringList Application::callLinksInMessage(const QString& message) {
  QStringList numbers;
  const auto arguments = messageArguments(message);
  for (const QString& argument : arguments)
    if (isCallLinkArgument(argument)) numbers << callLinkNumber(argument.mid(2));
  return numbers;
}

QString Application::callLinkNumber(const QString& link) {
  const int colon = link.indexOf(QLatin1Char(':'));
  if (colon < 0) return QString();
  QString rest = link.mid(colon + 1).trimmed();
  if (rest.startsWith(QLatin1String("//"))) rest = rest.mid(2);
  // Parameters (";phone-context=...", "?call") say nothing about the number.
  const int end = rest.indexOf(QRegularExpression(QStringLiteral("[;?]")));
  if (end >= 0) rest.truncate(end);
  rest = QUrl::fromPercentEncoding(rest.toUtf8());
  const QString number = RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(rest);
  return RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(number) ? number : QString();
}

int Application::preferencesPage(int tab) {
  using Page = Dialogs::PreferencesWindow;
  return (tab >= Page::General && tab <= Page::Addins) ? tab : int(Page::General);
}

// ---------------------------------------------------------------------------
// Start-up

bool Application::fail(const char* title, const char* text, const QString& arg1,
                       const QString& arg2, const QString& detail) {
  QString message = tr(text);
  if (!arg1.isNull()) message = message.arg(arg1);
  if (!arg2.isNull()) message = message.arg(arg2);
  if (!detail.isEmpty()) message += QLatin1Char('\n') + detail;
  Dialogs::MessageWindow::critical(
      QCoreApplication::applicationName() + QStringLiteral(": ") + tr(title), message,
      isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr, nullptr);
  return false;
}

QString Application::dataFolderProblem(const QString& dataDir) {
  if (dataDir.isEmpty()) return tr("the system offers no folder for your data");
  const QString shown = QDir::toNativeSeparators(dataDir);
  if (!QFileInfo(dataDir).isDir())
    return tr("%1 is not a folder and cannot be made one").arg(shown);
  // Permission bits do not tell (a read-only disk, a full one, an
  // administrator's account): try it.
  QTemporaryFile probe(dataDir + QStringLiteral("/.zent-write-XXXXXX"));
  if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
    return tr("%1 cannot be written: %2")
        .arg(shown, RAZ::Utils::FileWrites::shownReason(probe.errorString()));
  return QString();
}

QString Application::configurationProblemText(const RAZ::ConfigContainer& container) {
  QStringList parts;
  if (container.configNames().isEmpty()) {
    QStringList folders;
    const auto searchFolders = container.searchFolders();
    for (const QString& folder : searchFolders)
      folders << QDir::toNativeSeparators(QDir::cleanPath(folder));
    //: %1 lists folders
    parts << tr("No configuration could be loaded (looked in %1). Signing in uses the service's "
                "own settings; if it fails, reinstall the program.")
                 .arg(folders.join(QStringLiteral(", ")));
  }
  if (!container.unreadableFiles().isEmpty())
    parts << tr("These configuration files could not be read:") + QLatin1Char('\n') +
                 container.unreadableFiles().join(QLatin1Char('\n'));
  return parts.join(QStringLiteral("\n\n"));
}

int Application::reportInstanceFailure() {
  setupApplicationInfo();
  loadStartupTranslator();
  const QString name = QCoreApplication::applicationName();
  //: %1 is the application's name, %2 what failed and where
  const QString text = tr("%1 cannot start because %2.").arg(name, instanceError());
  TP_LOG("Application::reportInstanceFailure", TP::Core::Logging::LevelFatal) << text;
  qCritical("%s", qPrintable(text));
  Dialogs::MessageWindow::critical(name + QStringLiteral(": ") + tr("Start-up Error"), text, false,
                                   QDialogButtonBox::Ok, nullptr, nullptr);
  return 1;
}

int Application::reportUnansweredSecondStart() {
  setupApplicationInfo();
  loadStartupTranslator();
  const QString name = QCoreApplication::applicationName();
  //: %1 is the application's name, %2 the lock file of the running one
  const QString text = tr("%1 is already running but does not answer (its lock is %2). Close it, "
                          "or end its process, and start %1 again.")
                           .arg(name, QDir::toNativeSeparators(lockPath()));
  TP_LOG("Application::reportUnansweredSecondStart", TP::Core::Logging::LevelFatal) << text;
  qCritical("%s", qPrintable(text));
  Dialogs::MessageWindow::critical(name + QStringLiteral(": ") + tr("Start-up Error"), text, false,
                                   QDialogButtonBox::Ok, nullptr, nullptr);
  return 1;
}

bool Application::initialize() {
  setupApplicationInfo();
  setupBreakpad();
  QPixmapCache::setCacheLimit(0);
  setQuitOnLastWindowClosed(false);
  m_cipher.Initialize(TP::Bytes(RAZ::programKey()), RAZ::programCipherMode());
  updateClientPathEnvironment();
  const bool settingsFound = prepareSettingsStore();
  loadStartupTranslator();
  if (!settingsFound) {
    fail(QT_TR_NOOP("UI setting error"), QT_TR_NOOP("Couldn't find UI settings file"));
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal)
        << "Couldn't find UI settings file";
    return false;
  }
  // Without a folder to keep settings, accounts and logs in, nothing the
  // user does would last: say so and where, instead of failing later.
  const QString dataProblem = dataFolderProblem(RAZ::Utils::Path::writableDataPath());
  if (!dataProblem.isEmpty()) {
    fail(QT_TR_NOOP("Data Folder Error"),
         QT_TR_NOOP("The folder for your settings and accounts cannot be used: %1."), dataProblem);
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal)
        << "Data folder unusable: " << dataProblem;
    return false;
  }

  readConfigurationFiles();
  detectUserAgent();
  if (!createClient()) return false;
  m_watcher = Preferences::createWatcher(this);

  if (!loadTheme()) {
    // The language is chosen from the theme: speak the system's until then.
    loadStartupTranslator();
    const QString text =
        Utils::Themes::notFoundText(AppPaths::executableDir(), RAZ::Utils::Path::writableDataPath(),
                                    Utils::Themes::defaultTheme());
    // Also where a terminal sees it: the message handler keeps only fatal
    // messages while logging is off.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    Dialogs::MessageWindow::critical(
        QCoreApplication::applicationName() + QStringLiteral(": ") + tr("Theme Loading Error"),
        text, isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr, nullptr);
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal) << "Default theme not found.";
    return false;
  }

  // The web views' shared settings (plug-ins allowed) wait for the first
  // web view (Utils::prepareWebViews): the sign-in window needs no web engine.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon.ico")));
  QML::registerTypes();
  connectClient();
  createApiController();

  // The language is chosen before the sign-in scene is made: translators
  // installed afterwards would have every text of the scene evaluated again.
  I18N::loadLanguages();
  chooseLanguage();
  // Told once the interface speaks the user's language.
  reportSettingsProblems(m_unreadableSettings);
  m_unreadableSettings.clear();
  reportInstallationProblems();
  reportUnreadableCredentials();
  reportConfigurationProblem();

  m_loginWindow = createLoginWindow();
  if (!m_loginWindow) {
    fail(QT_TR_NOOP("Initialization error"), QT_TR_NOOP("Unable to initialize login window!"));
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal)
        << "Unable to initialize login window!";
    return false;
  }
  createNotificationManager();
  connectProxyAndDisclaimer();

  registerZentProtocol(true);
  showLoginWindow(true);
  startServicesOnceShown();
  catchTermination();
  connect(this, SIGNAL(messageReceived(QString)), this, SLOT(onMessageReceived(QString)));
  TP_LOG("Application::initialize", TP::Core::Logging::LevelInformation)
      << "Application initialization is complete. User agent is: " << m_userAgent;
  return true;
}

void Application::readConfigurationFiles() {
  m_configContainer = new RAZ::ConfigContainer(this);
  const QString exeDir = AppPaths::executableDir();
  // The user's own files first, then those shipped beside the program.
  for (const QString& folder :
       {RAZ::Utils::Path::writableDataPath(), exeDir, exeDir + QStringLiteral("/../")}) {
    if (!scanConfigurationFiles(folder).isEmpty()) break;
  }
}

void Application::detectUserAgent() {
  RAZ::Settings installation(RAZ::Settings::Installation);
  const QString templ = installation.value(Utils::SettingsKey::DefaultUserAgentTemplate).toString();
  const QString osName = Utils::operatingSystemName();
  m_userAgent = Utils::buildUserAgent(templ, QString::fromLatin1(kVersion), osName);
  TP_LOG("Application::initialize", TP::Core::Logging::LevelInformation)
      << "Detected operating system: " << osName << ", User agent: " << m_userAgent;
  // Stored with the language (chooseLanguage): one write of the file.
  m_osName = osName;
}

bool Application::createClient() {
  m_client = new RAZ::Client(m_menuActionProvider->action(MenuActionProvider::SignOut),
                             m_menuActionProvider->action(MenuActionProvider::Exit),
                             AppPaths::executableDir());
  connect(this, SIGNAL(basicLoggingEnabled(bool)), m_client, SIGNAL(basicLoggingEnabled(bool)));
  connect(this, SIGNAL(advancedLoggingEnabled(bool)), m_client,
          SIGNAL(advancedLoggingEnabled(bool)));
  connect(this, SIGNAL(clearLogs()), m_client, SIGNAL(clearLogs()));
  {
    RAZ::Settings app(RAZ::Settings::Application);
    enableBasicLogging(app.value(Utils::SettingsKey::LoggingEnabled, false).toBool());
  }
  const QString credentialsPath =
      RAZ::Utils::Path::writableDataPath() + QStringLiteral("/credentials.dat");
  const bool initialized = m_client->Initialize(
      m_configContainer, credentialsPath, &m_cipher,
      [](const QString& name, QObject* parent) { return new QFile(name, parent); },
      {QStringLiteral(":/sounds/busy.wav"), QStringLiteral(":/sounds/congestion.wav")});
  if (!initialized) {
    fail(QT_TR_NOOP("Initialization Error"),
         QT_TR_NOOP("Initialization of the application failed!"), QString(), QString(),
         m_client->initializeError());
    TP_LOG("Application::initialize", TP::Core::Logging::LevelFatal)
        << "Initialization of the application failed! " << m_client->initializeError();
  }
  return initialized;
}

void Application::reportConfigurationProblem() {
  const QString problem = configurationProblemText(*m_configContainer);
  if (problem.isEmpty()) return;
  TP_LOG("Application::initialize", TP::Core::Logging::LevelError) << problem;
  Dialogs::MessageWindow::showWarning(tr("Configuration Error"), problem, false,
                                      QDialogButtonBox::Ok, nullptr);
}

void Application::connectClient() {
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  QAction* exitAction = m_menuActionProvider->action(MenuActionProvider::Exit);
  connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), this,
          SLOT(cbSessionClosed(RAZ::Sessions::SessionManagerBase&)));
  connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), &m_windowManager,
          SLOT(cbSessionClosed()));
  connect(signOut, SIGNAL(triggered()), &m_windowManager, SLOT(cbSigningOut()));
  connect(exitAction, SIGNAL(triggered()), &m_windowManager, SLOT(cbSigningOut()));
  connect(m_client, SIGNAL(quit()), this, SLOT(cbQuit()));
  connect(m_client, SIGNAL(sessionOpened(RAZ::Sessions::SessionManagerBase&)), this,
          SLOT(cbSessionOpened(RAZ::Sessions::SessionManagerBase&)));
  connect(m_client,
          SIGNAL(sessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                              RAZ::Sessions::Error)),
          this,
          SLOT(cbSessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                              RAZ::Sessions::Error)));
  connect(m_client, SIGNAL(newVersionFound(bool, QUrl)), this, SLOT(newVersionFound(bool, QUrl)));
  connect(m_client, SIGNAL(ensureUserSettingsDirExists(QDir&, QString)), this,
          SLOT(ensureUserSettingsDirExists(QDir&, QString)));
}

void Application::createApiController() {
  m_apiController = new RAZ::ApiProvider::Controller(this);
  m_apiController->InitializeController();
  connect(m_watcher, SIGNAL(preferencesChanged()), m_apiController, SLOT(preferencesChanged()));
  if (QAbstractItemModel* connectors = m_apiController->getModel(1))
    m_connectorNotification = new QML::ConnectorNotification(connectors, nullptr);
}

void Application::createNotificationManager() {
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  QAction* exitAction = m_menuActionProvider->action(MenuActionProvider::Exit);
  m_notificationManager = new NotificationManager(nullptr);
  connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)),
          m_notificationManager, SLOT(removeNotifications()));
  connect(signOut, SIGNAL(triggered()), m_notificationManager, SLOT(removeNotifications()));
  connect(exitAction, SIGNAL(triggered()), m_notificationManager, SLOT(removeNotifications()));
  connect(QApplication::desktop(), SIGNAL(resized(int)), this, SLOT(screenResized(int)));
}

void Application::connectProxyAndDisclaimer() {
  connect(m_client,
          SIGNAL(requestProxyCredentials(bool, QString, QString, bool, QObject*, QString)), this,
          SLOT(onRequestProxyCredentials(bool, QString, QString, bool, QObject*, QString)));
  connect(m_client, SIGNAL(showDisclaimerDialog()), this, SLOT(onShowDisclaimerDialog()));
  connect(this, SIGNAL(disclaimerAccepted()), m_client, SIGNAL(disclaimerAccepted()));
  connect(this, SIGNAL(disclaimerRejected()), m_client, SIGNAL(disclaimerRejected()));
}

void Application::setupApplicationInfo() {
  const Utils::Branding b = Utils::readBranding(brandingFile());
  m_brandingProblem = b.problem;
  QCoreApplication::setApplicationName(b.applicationName);
  QCoreApplication::setOrganizationName(b.organizationName);
  QCoreApplication::setOrganizationDomain(b.organizationDomain);
  nameAudioStreams(b.applicationName);
}

void Application::nameAudioStreams(const QString& name) {
  // The sound server's mixer lists the program's sounds under its client
  // name, which Qt Multimedia makes "QtPulseAudio:<pid>"; the server lets
  // the environment set it instead (read when the audio back end connects,
  // on the first sound). A name the user set is kept.
  if (name.isEmpty() || qEnvironmentVariableIsSet("PULSE_PROP_application.name")) return;
  qputenv("PULSE_PROP_application.name", name.toUtf8());
}

void Application::setupBreakpad() {
  auto* reporter = new CrashReporter(this);
  const QString exeDir = AppPaths::executableDir();
  const QFileInfo reporterExe(exeDir + QStringLiteral("/crashreporter"));
  if (!reporterExe.exists() || !reporterExe.isExecutable()) {
    qDebug("Unable to find crash reporting application. Crash reporting will be unavailable.");
    return;
  }
  reporter->setCrashReporterExe(reporterExe.filePath());
  reporter->setRestartCommand(AppPaths::executablePath(), QCoreApplication::arguments().mid(1));
  reporter->setVersion(QString::fromLatin1(kVersion));
  // The service itself is started once the first window shows.
  m_crashReporter = reporter;
}

void Application::startServicesOnceShown() {
  // The tray icon and the crash service wait until the sign-in window's
  // first frame is on screen: neither is needed to show it, and both take
  // time (a session-bus round trip, a process start that copies the
  // program's page tables). A window that never paints (no display to
  // show it on) holds them back only so long.
  if (m_loginWindow)
    QML::FirstFrame::watch(m_loginWindow->view(), this, [this] {
      QTimer::singleShot(0, this, SLOT(startServicesAfterFirstWindow()));
    });
  QTimer::singleShot(kServicesAtTheLatestMs, this, SLOT(startServicesAfterFirstWindow()));
}

void Application::startServicesAfterFirstWindow() {
  if (m_servicesStarted) return;
  m_servicesStarted = true;
  if (m_crashReporter && !m_crashReporter->installExceptionHandler(
                             AppPaths::executableDir() + QStringLiteral("/ZentCrashService")))
    qDebug("Unable to setup Breakpad exception handler. Crash reporting will be unavailable.");
  if (!m_tray)
    m_tray = new Tray(m_menuActionProvider->action(MenuActionProvider::SignOut),
                      m_menuActionProvider->action(MenuActionProvider::Exit),
                      m_menuActionProvider->action(MenuActionProvider::About),
                      m_menuActionProvider->action(MenuActionProvider::OpenApplication), this);
}

void Application::prepareDataDirectory(const QString& dataDir) {
  QString exe = AppPaths::executableDir();
  QString data = dataDir;
  if (!exe.endsWith(QLatin1Char('/'))) exe += QLatin1Char('/');
  if (!data.endsWith(QLatin1Char('/'))) data += QLatin1Char('/');
  QDir dir(data);
  {
    const RAZ::Utils::PrivateCreation closed;
    dir.mkpath(QStringLiteral("logs/spirit"));
    dir.mkpath(QStringLiteral("logs/uss"));
  }
  // The folder holds the stored accounts, settings with PINs, the history
  // and the logs: no one but the user may enter it, whatever the umask made
  // of it (an older start's folder is closed too).
  for (const char* folder : {"", "logs", "logs/spirit", "logs/uss"})
    QFile::setPermissions(data + QLatin1String(folder),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QDir::setCurrent(data);
  TP::Core::Logging::ApacheLogger::CopyLogConfiguration(exe, data);
}

bool Application::prepareSettingsStore() {
  const QString dataDir = RAZ::Utils::Path::writableDataPath();
  if (dataDir.isEmpty()) return false;
  QDir d(dataDir);
  if (!d.exists()) {
    // First start with this data folder: carry an older one over.
    QDir parent(dataDir);
    if (parent.cdUp()) {
      const QString old =
          Utils::File::findDir(parent.absolutePath(), QStringLiteral("credentials.dat"),
                               {QFileInfo(dataDir).fileName()});
      // The copy makes the folder, closed to others from the start.
      if (!old.isEmpty()) Utils::File::cpDir(old, dataDir, {QStringLiteral(".txt")});
    }
  }
  prepareDataDirectory(dataDir);
  RAZ::Settings::removeLeftovers(dataDir);
  removeUnfinishedWrites(dataDir);
  RAZ::Settings::setPath(RAZ::Settings::Application, dataDir);
  RAZ::Settings::setPath(RAZ::Settings::Proxy, dataDir);
  // Set aside before anything is stored in it (the seeding below, too); the
  // user is told once the interface speaks the user's language.
  m_unreadableSettings = setAsideUnreadableSettings(RAZ::Settings::Application);
  const QString installDir = AppPaths::installSettingsDir();
  // Without it the user's settings start from the program's own defaults
  // (the theme, the user agent, the sign-in addresses): say so once the
  // interface speaks the user's language. A settings folder found one level
  // up holds the installation's file where the installation defaults are
  // read from; the seed is only ever looked for beside the program, so its
  // absence there is no damage to report.
  const bool besideProgram =
      !installDir.isEmpty() &&
      QDir(installDir) == QDir(QFileInfo(AppPaths::installSettingsFile()).path());
  m_installSettingsMissing = besideProgram && !QFileInfo(AppPaths::installSettingsFile()).isFile();
  m_installSettingsNotText =
      Utils::seedUserSettings(AppPaths::installSettingsFile(),
                              dataDir + QStringLiteral("/application_setting.ini"),
                              dataDir) == Utils::SeedResult::NotSettings;
  RAZ::Settings::setPath(RAZ::Settings::Application, dataDir);
  if (installDir.isEmpty()) return false;
  RAZ::Settings::setPath(RAZ::Settings::Installation, installDir);
  RAZ::Settings::setPath(RAZ::Settings::Theme, QStringLiteral(":/"));
  return true;
}

int Application::removeUnfinishedWrites(const QString& dataDir) {
  QStringList files;
  for (const char* scheme : {"zent", "callto", "tel"})
    files << Os::urlSchemeEntryPath(QString::fromLatin1(scheme));
  files << Os::urlSchemeIconPath(AppPaths::executablePath()) << Os::mimeAppsListPath();
  int removed = 0;
  if (!dataDir.isEmpty()) {
    const QDir data(dataDir);
    files << data.filePath(QStringLiteral("zent.info"));
    const auto configurations = data.entryList({QStringLiteral("config*.xml")}, QDir::Files);
    for (const QString& name : configurations) files << data.filePath(name);
    const auto accounts = data.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& account : accounts)
      files << data.filePath(account + QStringLiteral("/comms.db"));
    // The stored accounts are written through a temporary of their own,
    // which holds the passwords.
    const QString accountsCopy = data.filePath(QStringLiteral("credentials.dat.new"));
    if (QFileInfo(accountsCopy).isFile() && QFile::remove(accountsCopy)) ++removed;
  }
  for (const QString& file : qAsConst(files))
    removed += RAZ::Utils::FileWrites::removeLeftovers(file);
  return removed;
}

bool Application::loadTheme() {
  const Utils::Themes::Registration theme = Utils::Themes::registerActiveTheme(false);
  // Stored with the language (storeStartSettings): one write of the file.
  if (theme.ok) m_activeTheme = theme.askedName;
  return theme.ok;
}

void Application::chooseLanguage() {
  const QString localeName =
      Utils::preferredLocaleName(QLocale::system().uiLanguages(), QLocale::system().name());
  TP_LOG("Application::initialize", TP::Core::Logging::LevelInformation)
      << "systemLocale: " << localeName;
  RAZ::Settings app(RAZ::Settings::Application);
  const QString key = Utils::SettingsKey::LanguageActive;
  const QVariant stored = app.contains(key) ? app.value(key) : QVariant();
  const QString installer = I18N::getInstallerLanguage();
  m_language = Utils::chooseLanguage(I18N::languages().keys(), installer, stored, localeName);
  TP_LOG("Application::initialize", TP::Core::Logging::LevelInformation)
      << "language: " << m_language;
  if (!stored.isValid() || stored.toString() != m_language) app.setValue(key, m_language);
  storeStartSettings(app);
  Utils::applyInterfaceLocale(m_language);

  const QString folder = AppPaths::translationsDir();
  loadTranslator(I18N::ProgramTexts, QStringLiteral("ui_") + m_language, folder);
  CrashReporter::setLanguage(m_language);
  loadTranslator(I18N::QtTexts, QStringLiteral("qt_") + m_language,
                 I18N::qtCatalogueFolder(m_language, folder));
  loadTranslator(I18N::CustomTexts, QStringLiteral("ui_custom_") + m_language, folder);
}

// What the start found out (user agent, system, theme) goes into the write
// of the language: each replacement of the file is synced to disk, and a
// first start would otherwise write it three times before the first window.
void Application::storeStartSettings(RAZ::Settings& app) {
  Utils::storeIfChanged(app, Utils::SettingsKey::UserAgent, m_userAgent);
  Utils::storeIfChanged(app, Utils::SettingsKey::OsVersion, m_osName);
  if (!m_activeTheme.isEmpty())
    Utils::storeIfChanged(app, Utils::SettingsKey::ThemeActive, m_activeTheme);
}

void Application::loadStartupTranslator() {
  if (m_translators.contains(I18N::ProgramTexts)) return;
  const QString folder = AppPaths::translationsDir();
  QStringList available;
  const QString prefix = QStringLiteral("ui_");
  const auto entries =
      QDir(folder).entryList({QStringLiteral("ui_*.qm")}, QDir::Files | QDir::Readable);
  for (const QString& file : entries) {
    const QString language = file.mid(prefix.size(), file.size() - prefix.size() - 3);
    if (!language.startsWith(QLatin1String("custom"))) available << language;
  }
  if (available.isEmpty()) return;
  // Before the settings store is set up (a second start that cannot reach
  // the first one) the user's choice is read from the user's settings as
  // they are, written nowhere: the message speaks the user's language.
  QVariant stored;
  const bool storeSet = !RAZ::Settings::path(RAZ::Settings::Application).isEmpty();
  const QString dataDir = storeSet ? QString() : RAZ::Utils::Path::writableDataPath();
  const bool userFile =
      !dataDir.isEmpty() &&
      QFileInfo(dataDir + QLatin1Char('/') + RAZ::Settings::fileName(RAZ::Settings::Application))
          .isFile();
  if (storeSet || userFile) {
    if (userFile) RAZ::Settings::setPath(RAZ::Settings::Application, dataDir);
    {
      RAZ::Settings app(RAZ::Settings::Application);
      if (app.contains(Utils::SettingsKey::LanguageActive))
        stored = app.value(Utils::SettingsKey::LanguageActive);
    }
    if (userFile) RAZ::Settings::setPath(RAZ::Settings::Application, QString());
  }
  const QString localeName =
      Utils::preferredLocaleName(QLocale::system().uiLanguages(), QLocale::system().name());
  const QString language =
      Utils::chooseLanguage(available, I18N::getInstallerLanguage(), stored, localeName);
  if (!available.contains(language)) return;
  loadTranslator(I18N::ProgramTexts, prefix + language, folder);
  // Qt's own texts too: a message's buttons speak the language of its text.
  loadTranslator(I18N::QtTexts, QStringLiteral("qt_") + language,
                 I18N::qtCatalogueFolder(language, folder));
}

QString Application::setAsideUnreadableSettings(RAZ::Settings::SettingsType scope) {
  const QString file = QDir::toNativeSeparators(RAZ::Settings::filePath(scope));
  const QString reason = RAZ::Settings::readProblem(scope);
  if (reason.isEmpty()) return QString();
  const QString problem = RAZ::Utils::FileWrites::shownReason(reason);
  const QString aside = RAZ::Settings::keepAside(scope);
  TP_LOG("Application::setAsideUnreadableSettings", TP::Core::Logging::LevelError)
      << "Settings file " << file << " unreadable (" << reason << "), "
      << (aside.isEmpty() ? QStringLiteral("left in place") : "kept as " + aside);
  if (aside.isEmpty())
    //: %1 is a file, %2 the reason it could not be read
    return tr("Your settings in %1 could not be read (%2). The defaults are used, and the file is "
              "left as it is: changes to your settings cannot be saved until it can be read.")
        .arg(file, problem);
  //: %1 is a file, %2 the reason it could not be read, %3 where it is kept
  return tr("Your settings in %1 could not be read (%2). The defaults are used; the file was "
            "kept as %3.")
      .arg(file, problem, QDir::toNativeSeparators(aside));
}

QString Application::brandingProblemText(Utils::Branding::Problem problem, const QString& file) {
  const QString shown = QDir::toNativeSeparators(file);
  switch (problem) {
    case Utils::Branding::Problem::None:
      break;
    case Utils::Branding::Problem::NotText:
      //: %1 is the file, %2 the program's built-in name
      return tr("The file %1, which names the program, is not text: the program runs under its "
                "built-in name, %2, with the settings kept under that name. Reinstalling the "
                "client restores the file.")
          .arg(shown, Utils::builtInBranding().applicationName);
    case Utils::Branding::Problem::Missing:
      //: %1 is the file, %2 the program's built-in name
      return tr("The file %1, which names the program, is missing or cannot be read: the program "
                "runs under its built-in name, %2, with the settings and stored accounts kept "
                "under that name. Reinstalling the client restores the file.")
          .arg(shown, Utils::builtInBranding().applicationName);
    case Utils::Branding::Problem::NoName:
      //: %1 is the file, %2 the program's built-in name
      return tr("The file %1, which names the program, names no application: the program runs "
                "under its built-in name, %2, with the settings and stored accounts kept under "
                "that name. Reinstalling the client restores the file.")
          .arg(shown, Utils::builtInBranding().applicationName);
    case Utils::Branding::Problem::Cut:
      //: %1 is the file, %2 a number of characters
      return tr("A line of the file %1, which names the program, is longer than %2 characters: "
                "only its first %2 are used.")
          .arg(shown)
          .arg(Utils::kMaxBrandingNameChars);
  }
  return QString();
}

void Application::reportInstallationProblems() {
  const QString branding = brandingProblemText(m_brandingProblem, brandingFile());
  if (!branding.isEmpty()) {
    TP_LOG("Application::initialize", TP::Core::Logging::LevelError) << branding;
    Dialogs::MessageWindow::showWarning(tr("Installation"), branding, false, QDialogButtonBox::Ok,
                                        nullptr);
  }
  if (m_installSettingsMissing) {
    //: %1 is the installation's settings file
    const QString text = tr("The installation's settings file %1 is missing: the program's own "
                            "defaults are used. Reinstalling the client restores it.")
                             .arg(QDir::toNativeSeparators(AppPaths::installSettingsFile()));
    TP_LOG("Application::initialize", TP::Core::Logging::LevelError) << text;
    Dialogs::MessageWindow::showWarning(tr("Settings"), text, false, QDialogButtonBox::Ok, nullptr);
  }
  if (m_installSettingsNotText) {
    //: %1 is the installation's settings file
    const QString text = tr("The installation's settings file %1 is not a settings file: it was "
                            "not copied into your settings, and the program's own defaults are "
                            "used. Reinstalling the client restores it.")
                             .arg(QDir::toNativeSeparators(AppPaths::installSettingsFile()));
    TP_LOG("Application::initialize", TP::Core::Logging::LevelError) << text;
    Dialogs::MessageWindow::showWarning(tr("Settings"), text, false, QDialogButtonBox::Ok, nullptr);
  }
}

void Application::reportSettingsProblems(const QString& unreadable) {
  if (!unreadable.isEmpty())
    Dialogs::MessageWindow::showWarning(tr("Settings"), unreadable, false, QDialogButtonBox::Ok,
                                        nullptr);
  const auto cappedFiles = RAZ::Settings::cappedFiles();
  for (const QString& capped : cappedFiles) {
    if (m_reportedCappedFiles.contains(capped)) continue;
    m_reportedCappedFiles << capped;
    // The store writes back only what it read: a file of the user's is
    // kept whole beside it before that (the installation's is never written).
    const QString mebibytes = QString::number(RAZ::Settings::kMaxFileBytes / (1024 * 1024));
    const bool written = capped == RAZ::Settings::filePath(RAZ::Settings::Application) ||
                         capped == RAZ::Settings::filePath(RAZ::Settings::User) ||
                         capped == RAZ::Settings::filePath(RAZ::Settings::Proxy);
    const QString text =
        written
            //: %1 is a file, %2 a size in MiB, %3 the file the whole of it is copied to
            ? tr("The settings file %1 is larger than %2 MiB: only its beginning was read. Before "
                 "your settings are saved, the whole file is kept as %3.")
                  .arg(QDir::toNativeSeparators(capped), mebibytes,
                       QDir::toNativeSeparators(RAZ::Settings::cappedCopy(capped)))
            //: %1 is a file, %2 a size in MiB
            : tr("The settings file %1 is larger than %2 MiB: only its beginning was read and the "
                 "rest is ignored.")
                  .arg(QDir::toNativeSeparators(capped), mebibytes);
    TP_LOG("Application::reportSettingsProblems", TP::Core::Logging::LevelError) << text;
    Dialogs::MessageWindow::showWarning(tr("Settings"), text, false, QDialogButtonBox::Ok, nullptr);
  }
}

void Application::loadTranslator(int slot, const QString& name, const QString& folder) {
  QSharedPointer<QTranslator> translator = m_translators.value(slot);
  const bool exists = QFile::exists(folder + QLatin1Char('/') + name + QStringLiteral(".qm"));
  if (slot == I18N::CustomTexts && !exists && !translator) return;
  bool created = false;
  if (!translator) {
    // Owned by the map alone: a QObject parent would be a second owner.
    translator = QSharedPointer<QTranslator>::create();
    m_translators.insert(slot, translator);
    created = true;
  }
  translator->load(name, folder);
  if (created) QCoreApplication::installTranslator(translator.data());
}

// ---------------------------------------------------------------------------
// Registry integration

void Application::registerUrlProtocol(bool add, const QString& displayName, const QString& scheme) {
  if (add)
    Os::registerUrlScheme(scheme, displayName, AppPaths::executablePath());
  else
    Os::unregisterUrlScheme(scheme);
}

void Application::registerZentProtocol(bool add) {
  const RAZ::Utils::FailureWatch watch;
  registerUrlProtocol(add, QStringLiteral("ZENT"), QStringLiteral("zent"));
  if (!watch.failed()) return;
  // The earlier entry is kept as it was; the next start tries again.
  //: %1 names the file and why it could not be written
  const QString text = tr("Links to rooms (zent:) could not be handed to this program by the "
                          "desktop (%1). They will be registered again at the next start.")
                           .arg(watch.failureShown());
  TP_LOG("Application::registerZentProtocol", TP::Core::Logging::LevelError) << text;
  Dialogs::MessageWindow::showWarning(tr("Links Not Registered"), text, isAlwaysOnTop(),
                                      QDialogButtonBox::Ok, nullptr);
}

void Application::updateClientPathEnvironment() {
  Os::keepEnvironmentPath(QStringLiteral("VODI8_CLIENT_PATH"), AppPaths::executablePath());
}

// ---------------------------------------------------------------------------
// Termination

namespace {

// The signal handler's end of the pipe to the event loop (written only).
int g_terminationPipe[2] = {-1, -1};

void onTerminationSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (::write(g_terminationPipe[1], &byte, 1) < 0) {
    // Full: a request is waiting already.
  }
  errno = saved;
}

}  // namespace

void Application::catchTermination() {
  // A desktop's log-out asks every program to end with SIGTERM, whose
  // default ends the process at once: what Exit saves on the way (the
  // settings, the history's seen marks, the session's sign-out) would be
  // lost. The handler only writes to a pipe; the event loop reads it.
  if (g_terminationPipe[0] >= 0) return;
  if (::pipe2(g_terminationPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    TP_LOG("Application::catchTermination", TP::Core::Logging::LevelWarning)
        << "No pipe for the termination signal: a log-out ends the program at once";
    return;
  }
  auto* notifier = new QSocketNotifier(g_terminationPipe[0], QSocketNotifier::Read, this);
  connect(notifier, SIGNAL(activated(int)), this, SLOT(onTerminationRequested()));
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
}

void Application::onTerminationRequested() {
  char bytes[16];
  while (::read(g_terminationPipe[0], bytes, sizeof bytes) > 0) {
  }
  if (m_terminationRequested) {
    // Asked again while ending: the desktop will not wait any longer.
    QCoreApplication::quit();
    return;
  }
  m_terminationRequested = true;
  TP_LOG("Application::onTerminationRequested", TP::Core::Logging::LevelInformation)
      << "Asked to end (the desktop logs out): exiting as Exit does";
  if (QAction* exitAction = m_menuActionProvider->action(MenuActionProvider::Exit))
    exitAction->trigger();
}

// ---------------------------------------------------------------------------
// Logging

void Application::qtMessageHandler(QtMsgType type, const QMessageLogContext&,
                                   const QString& message) {
  // The record carries the text only; where it came from is not kept.
  TP::Core::Logging::qtMessageToLog(type, QMessageLogContext(), message);
  if (type == QtFatalMsg) std::abort();
}

void Application::fatalOnlyMessageHandler(QtMsgType type, const QMessageLogContext&,
                                          const QString&) {
  if (type == QtFatalMsg) std::abort();
}

void Application::enableBasicLogging(bool enable) {
  RAZ::Settings app(RAZ::Settings::Application);
  const bool setting = app.value(Utils::SettingsKey::LoggingEnabled, false).toBool();
  if (enable && setting) {
    TP::Core::Logging::ApacheLogger::ReStart();
    qInstallMessageHandler(&Application::qtMessageHandler);
  } else if (TP::Core::Logging::ApacheLogger::Stop()) {
    qInstallMessageHandler(&Application::fatalOnlyMessageHandler);
  }
  emit basicLoggingEnabled(enable);
}

void Application::enableAdvancedLogging(bool enable) { emit advancedLoggingEnabled(enable); }

void Application::openLogFolder() {
  const QUrl url =
      QUrl::fromLocalFile(RAZ::Utils::Path::writableDataPath() + QStringLiteral("/logs"));
  if (!QDesktopServices::openUrl(url))
    TP_LOG("Application::openLogFolder", TP::Core::Logging::LevelError)
        << "Failed to open url " << url.toString();
}

void Application::deleteLogFiles() {
  const QString dataDir = RAZ::Utils::Path::writableDataPath();
  if (!dataDir.isEmpty()) {
    if (!QDir(dataDir).exists()) {
      TP_LOG("Application::deleteLogFiles", TP::Core::Logging::LevelError)
          << "Failed to locate directory " << dataDir;
    } else {
      QDir::setCurrent(dataDir);
      RAZ::Settings app(RAZ::Settings::Application);
      bool flag = app.value(Utils::SettingsKey::LoggingEnabled, false).toBool();
      if (!flag) flag = app.value(Utils::SettingsKey::XmppLoggingEnabled, false).toBool();
      TP::Core::Logging::ApacheLogger::clearLogs(flag);
      if (m_apiController) m_apiController->clearLogs();
      TP::Core::Logging::ApacheLogger("", 0, "qDebug", TP::Core::Logging::LevelInformation,
                                      "QtLogger")
          << "Log files removed. Starting over!!!";
    }
  }
  emit clearLogs();
}

// ---------------------------------------------------------------------------
// Small operations wired at start-up

bool Application::event(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    if (m_tearingDown) return QtSingleApplication::event(event);
    if (m_menuActionProvider) m_menuActionProvider->retranslate();
    if (m_apiController) m_apiController->languageChanged();
    if (m_tray) m_tray->retranslate();
  } else if (event->type() == QEvent::StyleChange) {
    if (m_tray) m_tray->reloadIcon();
  }
  return QtSingleApplication::event(event);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
  // An application-wide shortcut needs a visible window holding its action:
  // every window that shows up holds Exit, so that Ctrl+Q works also while
  // the main window waits in the tray. A modal question is left to answer.
  if (event->type() == QEvent::Show && watched->isWidgetType() && m_menuActionProvider) {
    auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
        widget->windowModality() == Qt::NonModal)
      if (QAction* exit = m_menuActionProvider->action(MenuActionProvider::Exit))
        if (!widget->actions().contains(exit)) widget->addAction(exit);
  }
  return QtSingleApplication::eventFilter(watched, event);
}

void Application::cbQuit() {
  if (m_logSink) {
    TP::Core::Logging::removeLogger(m_logSink);
    delete m_logSink;
    m_logSink = nullptr;
  }
  QCoreApplication::quit();
}

const RAZ::Configuration::Config* Application::getConfig() const {
  return m_client ? m_client->getConfig() : nullptr;
}

void Application::openPreferences(int tab) {
  QAction* action = m_menuActionProvider->action(MenuActionProvider::Preferences);
  if (!action) return;
  action->setProperty("tab", preferencesPage(tab));
  action->activate(QAction::Trigger);
}

QML::LoginWindow* Application::createLoginWindow() {
  auto* window =
      new QML::LoginWindow(m_client ? m_client->getConfigContainer() : nullptr,
                           m_client ? m_client->getCredentialsManager() : nullptr, nullptr);
  if (!window->activate())
    TP_LOG("Application::createLoginWindow", TP::Core::Logging::LevelError)
        << "The sign-in scene did not load";
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  QAction* exitAction = m_menuActionProvider->action(MenuActionProvider::Exit);
  connect(window, SIGNAL(destroyed()), this, SLOT(cbLoginWindowDestroyed()));
  connect(window, SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)),
          this, SLOT(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
  // Cancel shows the form again at once: the attempt ends before the
  // sign-out goes round, so a Sign In pressed right after is carried out.
  connect(window, &QML::LoginWindow::signoutClicked, signOut, [this, signOut] {
    if (m_client) m_client->cancelSignin();
    signOut->trigger();
  });
  connect(exitAction, SIGNAL(triggered()), window, SLOT(cbActionQuit()));
  // Its Ctrl+Q quits from here too, as from the main window.
  window->addAction(exitAction);
  if (m_client) {
    connect(window, SIGNAL(windowClosed()), m_client, SLOT(maybeQuit()));
  }
  connect(signOut, SIGNAL(triggered()), window, SLOT(cbActionSignout()));
  if (m_client) {
    connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), window,
            SLOT(cbSessionClosed()));
    connect(m_client,
            SIGNAL(sessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                                RAZ::Sessions::Error)),
            window, SLOT(cbSessionClosed()));
    connect(m_client,
            SIGNAL(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)),
            window,
            SLOT(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)));
  }
  connect(window, SIGNAL(showHelpClicked()), this, SLOT(cbActionHelp()));
  if (m_apiController)
    connect(m_apiController, SIGNAL(showClientWindowCommand()), window, SLOT(showAndActivate()));
  return window;
}

void Application::showLoginWindow(bool autoSignin) {
  if (!m_loginWindow) {
    TP_LOG("Application::showLoginWindow", TP::Core::Logging::LevelError)
        << "m_LoginWindow is null";
    return;
  }
  giveLoginWindowPreferencesAction();
  m_loginWindow->showLogin(autoSignin, false);
  m_menuActionProvider->installHelpShortcut(m_loginWindow);
}

void Application::giveLoginWindowPreferencesAction() {
  if (m_loginWindow)
    m_loginWindow->setMenuAction(m_menuActionProvider->action(MenuActionProvider::Preferences));
}

// ---------------------------------------------------------------------------
// Data paths

void Application::ensureUserSettingsDirExists(QDir& dir, const QString& name) {
  const QString path = AppPaths::accountFolderPath(RAZ::Utils::Path::writableDataPath(), name);
  m_userDir = QDir(path);
  TP_LOG("Application::ensureUserSettingsDirExists", TP::Core::Logging::LevelInformation)
      << "Full path is " << m_userDir.path();
  if (m_userDir.exists()) {
    TP_LOG("Application::ensureUserSettingsDirExists", TP::Core::Logging::LevelInformation)
        << "Opening existing path";
  } else if (!m_userDir.mkpath(QStringLiteral("."))) {
    TP_LOG("Application::ensureUserSettingsDirExists", TP::Core::Logging::LevelError)
        << "Unable to create data path";
  } else {
    TP_LOG("Application::ensureUserSettingsDirExists", TP::Core::Logging::LevelInformation)
        << "Datapath created";
  }
  RAZ::Settings::removeLeftovers(path);
  RAZ::Settings::setPath(RAZ::Settings::User, path);
  reportSettingsProblems(setAsideUnreadableSettings(RAZ::Settings::User));
  dir = m_userDir;
}

// ---------------------------------------------------------------------------
// Prompts and menu slots needed from the start

void Application::handleZentUrl(const QString& link) {
  // Any page can hand the desktop a link: one far longer than a room's is
  // refused before anything reads, copies or logs it.
  if (link.size() > Utils::ZentUrlHandler::kMaxPayloadLength) {
    TP_LOG("Application::handleZentUrl", TP::Core::Logging::LevelWarning)
        << "A product link of " << link.size() << " characters was refused";
    return;
  }
  delete m_pendingUrlHandler;
  m_pendingUrlHandler = new Utils::ZentUrlHandler(link, nullptr);
  m_pendingUrlHandler->initialize(sessionManager());
}

void Application::handleCallLink(const QString& number) {
  if (number.isEmpty()) {
    TP_LOG("Application::handleCallLink", TP::Core::Logging::LevelWarning)
        << "A call link without a number to dial was ignored";
    return;
  }
  m_pendingCallNumber = number;
  if (mainWindow()) {
    // Out of the message's own handler: placing a call may ask a question.
    QTimer::singleShot(0, this, [this] { carryOutPendingCall(); });
  } else if (m_loginWindow) {
    // Dialled when the user has signed in.
    m_loginWindow->showAndActivate();
  }
}

bool Application::clickToCallOn(const RAZ::Sessions::SessionManagerBase& session) {
  const RAZ::Configuration::Config* config = session.configuration();
  return config && config->getBool(Utils::ConfigId::ClickToCall) &&
         Preferences::ConfirmationsHandler::isCallToHandlerRegistered();
}

void Application::carryOutPendingCall() {
  const QString number = m_pendingCallNumber;
  m_pendingCallNumber.clear();
  RAZ::Sessions::SessionManagerBase* session = sessionManager();
  if (number.isEmpty() || !session || !mainWindow()) return;
  // Any web page can hand the desktop a call link: only the switch the user
  // turned on lets one through, and each is dialled only once the user has
  // seen the number and said yes.
  if (!clickToCallOn(*session)) {
    TP_LOG("Application::carryOutPendingCall", TP::Core::Logging::LevelWarning)
        << "A call link was ignored: click-to-call is off";
    return;
  }
  if (m_askingAboutCallLink) {
    TP_LOG("Application::carryOutPendingCall", TP::Core::Logging::LevelWarning)
        << "A call link was ignored: the question about another one is open";
    return;
  }
  mainWindow()->showAndActivate();
  m_askingAboutCallLink = true;
  const int answer = Dialogs::MessageWindow::question(
      tr("Call from a Link"),
      tr("A link asks to call %1. Do you want to call this number?").arg(number), true,
      isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No);
  m_askingAboutCallLink = false;
  if (answer != QDialog::Accepted) return;
  // The session may have ended while the question was open.
  session = sessionManager();
  if (!session || !mainWindow()) return;
  RAZ::Controllers::CommsSessionController* comms = session->commsSessionController();
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
  if (!comms || !contacts) return;
  RAZ::Contacts::IContact* party = contacts->createTemporaryContact(
      {{QString::number(RAZ::Contacts::Properties::KeyWork), number}});
  TP_LOG("Application::carryOutPendingCall", TP::Core::Logging::LevelInformation)
      << "Dialling the number of a call link";
  comms->createCall({RAZ::Contacts::ContactPtr(party)}, RAZ::Contacts::Properties::KeyWork,
                    RAZ::Actions::Action::Call);
}

void Application::onMessageReceived(const QString& message) {
  if (message.isEmpty()) return;
  if (message.startsWith(QLatin1String("activate!"), Qt::CaseInsensitive)) {
    if (QML::MainWindow* window = mainWindow())
      window->showAndActivate();
    else if (m_loginWindow)
      m_loginWindow->showAndActivate();
    return;
  }
  const QStringList links = zentLinksInMessage(message);
  const QStringList numbers = callLinksInMessage(message);
  if (!numbers.isEmpty()) handleCallLink(numbers.last());
  if (links.isEmpty()) {
    if (!numbers.isEmpty()) return;
    TP_LOG("Application::onMessageReceived", TP::Core::Logging::LevelWarning)
        << "A second start sent nothing this program acts on (" << message.size() << " characters)";
    return;
  }
  for (const QString& link : links) {
    if (link.isEmpty()) {
      TP_LOG("Application::onMessageReceived", TP::Core::Logging::LevelWarning)
          << "An empty product link was ignored";
      continue;
    }
    handleZentUrl(link);
  }
}

QList<QByteArray> Application::scanConfigurationFiles(const QString& folder) {
  QList<QByteArray> out;
  const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::NoSort);
  for (const QFileInfo& info : files) {
    if (!info.fileName().startsWith(QLatin1String("config")) ||
        info.suffix() != QLatin1String("xml"))
      continue;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) continue;
    bool ok = false;
    const QByteArray plain = m_cipher.Decrypt(file.readAll(), &ok);
    if (!ok) continue;
    const RAZ::Configuration::Config config(plain, QString());
    if (!config.getName().isEmpty()) out << plain;
  }
  return out;
}

void Application::cbActionHelp() {
  if (auto* help = qobject_cast<Utils::HelpInterface*>(QApplication::activeWindow()))
    help->openHelp(help->helpContext());
}

void Application::cbLoginWindowDestroyed() { m_loginWindow = nullptr; }

void Application::startDrag(QString mimeType, QByteArray data, QPixmap pixmap) {
  if (mimeType.isEmpty() || data.isEmpty()) return;
  auto* drag = new QDrag(mainWindow());
  auto* mime = new QMimeData();
  mime->setData(mimeType, data);
  mime->setText(QString::fromUtf8(data));
  drag->setMimeData(mime);
  if (!pixmap.isNull()) drag->setPixmap(pixmap);
  drag->exec(Qt::MoveAction);
}

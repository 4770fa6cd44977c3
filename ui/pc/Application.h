#pragma once

#include <QDir>
#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <memory>

#include <RAZ/Databases/Comms.h>
#include <RAZ/Models/Smileys.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Crypto/Blowfish.h>
#include <app/QtSingleApplication.h>
#include <tp/core/SmartPtr.h>

#include "SessionScope.h"
#include "Utils/Branding.h"
#include "Utils/CrashReporter.h"
#include "Utils/ExternalServiceVerification.h"
#include "Utils/WindowManager.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"

class MediaEngineConfigurator;
class NotificationManager;
class QTranslator;
class Tray;

namespace TP {
namespace Core {
namespace Logging {
class LogSink;
}
}  // namespace Core
}  // namespace TP

namespace RAZ {
class Client;
class Settings;
class ConfigContainer;
namespace ApiProvider {
class Controller;
}
namespace Configuration {
class Config;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
}  // namespace Utils
}  // namespace RAZ

namespace QML {
class About;
class CallSettings;
class ConnectorNotification;
class LoginWindow;
class MainWindow;
class PresenceRequestDialog;
class Window;
}  // namespace QML

namespace Preferences {
class Watcher;
}

namespace Dialogs {
class MessageWindow;
}

namespace Providers {
class Factory;
class MenuActionProviderWin;
}  // namespace Providers

namespace Utils {
class CommunicationsWindowManager;
class ExternalServiceVerification;
class ZentUrlHandler;
namespace ContactNotification {
class ContactOnlinePlayer;
}
}  // namespace Utils

// The application object: a single-instance application that owns the
// process-wide objects and runs the start-up sequence. The objects of a
// signed-in session belong to one SessionScope, which cbSessionOpened fills
// and cbSessionClosed (or the destructor) ends; the application-wide objects
// outlive it.
class Application : public QtSingleApplication {
  Q_OBJECT

 public:
  static const char* const kInstanceId;       // "ZENT"
  static const char* const kVersion;          // "20.1.1.231"
  static const char* const kActivateMessage;  // "activate!"
  static const int kSendTimeoutMs = 5000;
  // The latest the tray icon and crash service wait for the first window.
  static const int kServicesAtTheLatestMs = 2000;

  Application(int& argc, char** argv);
  ~Application() override;

  // Our scenes are flat 2D: the software scene graph draws them without
  // loading the OpenGL stack, which costs start-up time and tens of MB. A
  // backend the user chose is kept (Qt would let ours override it). Call it
  // before the application object exists; true when the software scene graph
  // was chosen. Everything that shows our scenes (the program, its
  // benchmarks) chooses through here, so that they draw alike.
  static bool chooseSceneGraphBackend();

  bool initialize();
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Start-up failures met before initialize(): each shows a message window
  // that says what failed and where, and gives main its exit code.
  // The single-instance lock could not be taken (full disk, something in its
  // place, no private folder).
  int reportInstanceFailure();
  // A running instance holds the lock but did not take this start's message.
  int reportUnansweredSecondStart();
  // Why the data folder cannot hold the user's files (naming it), or empty
  // when it is a folder that takes a new file.
  static QString dataFolderProblem(const QString& dataDir);
  // Removes what writes ended by a kill or a power cut left beside the files
  // the program replaces whole (RAZ::Utils::FileWrites::removeLeftovers):
  // in the data folder `dataDir` (the crash-info file, the configuration
  // files, each account's history, the stored accounts' temporary) and the
  // desktop's (the link entries, their icon, the default applications).
  // Returns how many went.
  static int removeUnfinishedWrites(const QString& dataDir);
  // What the user is told about configuration files that could not be read
  // and about having none at all; empty when all is well.
  static QString configurationProblemText(const RAZ::ConfigContainer& container);
  // What the user is told about the branding file `file` (the names the
  // program runs under); empty when there is nothing to tell.
  static QString brandingProblemText(Utils::Branding::Problem problem, const QString& file);

  const RAZ::Configuration::Config* getConfig() const;
  bool isAlwaysOnTop() const;

  // The message a second start sends: its arguments after the program path
  // joined by one blank, or "activate!" without any.
  static QString secondInstanceMessage(int argc, char** argv);
  static QString secondInstanceMessage(const QStringList& arguments);
  // What the user is told when the stored accounts could not be read: which
  // file, why, and where it is kept; empty when they read well.
  static QString unreadableCredentialsText(
      const RAZ::Utils::Credentials::CredentialsManager& manager);
  // A second start's message split back into its arguments (which carry
  // their links in the "--" form, see linkArgument).
  static QStringList messageArguments(const QString& message);
  // The product links a second-instance message carries, in order: each
  // an argument of its own.
  static QStringList zentLinksInMessage(const QString& message);
  // The numbers of the call links ("--callto:", "--tel:") a message
  // carries as arguments of their own, in order; a link without a dialable
  // number gives an empty one.
  static QStringList callLinksInMessage(const QString& message);
  // The dialable number of a "callto:" or "tel:" link ("tel:+1-555-0100;
  // ext=2" gives "+15550100"), or empty.
  static QString callLinkNumber(const QString& link);
  // A link as the desktop hands it over ("zent:...", "callto:...", "tel:...",
  // any letter case) in the "--" form that start-up and the second-instance
  // message read; any other argument unchanged.
  static QString linkArgument(const QString& argument);
  // The page openPreferences opens for a requested page.
  static int preferencesPage(int tab);

  static void qtMessageHandler(QtMsgType type, const QMessageLogContext& context,
                               const QString& message);
  static void fatalOnlyMessageHandler(QtMsgType type, const QMessageLogContext& context,
                                      const QString& message);

  void registerUrlProtocol(bool add, const QString& displayName, const QString& scheme);
  void registerZentProtocol(bool add);
  void updateClientPathEnvironment();
  void setupApplicationInfo();
  // Names the program's sound streams for the sound server's mixer.
  static void nameAudioStreams(const QString& name);
  void prepareDataDirectory(const QString& dataDir);
  void handleZentUrl(const QString& link);
  // Dials the number of a call link now when signed in, else once the user
  // has signed in; the platform asks first when another call runs.
  void handleCallLink(const QString& number);
  // Whether call links are taken: the account offers click-to-call and the
  // desktop hands "callto:" and "tel:" links to this program.
  static bool clickToCallOn(const RAZ::Sessions::SessionManagerBase& session);
  QList<QByteArray> scanConfigurationFiles(const QString& folder);
  void loadTranslator(int slot, const QString& name, const QString& folder);
  void setupBreakpad();
  QML::LoginWindow* createLoginWindow();
  void showLoginWindow(bool autoSignin);
  void giveLoginWindowPreferencesAction();
  void rebuildSessionMenuActions(RAZ::Sessions::SessionManagerBase* session);
  void setupServiceVerification();

  // Read access for the parts that use the application's objects.
  Providers::MenuActionProviderWin* menuActionProvider() const { return m_menuActionProvider; }
  QML::LoginWindow* loginWindow() const { return m_loginWindow; }
  Utils::ZentUrlHandler* pendingUrlHandler() const { return m_pendingUrlHandler; }
  RAZ::Client* client() const { return m_client; }
  Tray* tray() const { return m_tray; }
  CrashReporter* crashReporter() const { return m_crashReporter; }
  NotificationManager* notificationManager() const { return m_notificationManager; }
  Preferences::Watcher* watcher() const { return m_watcher; }
  QMap<int, QSharedPointer<QTranslator>> translators() const { return m_translators; }
  QString language() const { return m_language; }
  QString userAgent() const { return m_userAgent; }

  // The per-session objects, for the parts that reach them through the
  // application (all null while signed out, and while a session ends).
  const SessionScope* sessionScope() const { return m_session.get(); }
  RAZ::Sessions::SessionManagerBase* sessionManager() const {
    return m_session ? m_session->sessionManager.data() : nullptr;
  }
  QML::MainWindow* mainWindow() const { return m_session ? m_session->mainWindow.get() : nullptr; }
  Providers::Factory* factory() const { return m_session ? m_session->factory.get() : nullptr; }
  Utils::CommunicationsWindowManager* commsWindowManager() const {
    return m_session ? m_session->commsWindowManager.get() : nullptr;
  }
  Utils::ContactNotification::ContactOnlinePlayer* contactOnlinePlayer() const {
    return m_session ? m_session->contactOnlinePlayer.get() : nullptr;
  }
  MediaEngineConfigurator* mediaEngineConfigurator() const {
    return m_session ? m_session->mediaEngineConfigurator.get() : nullptr;
  }
  QML::PresenceRequestDialog* presenceRequestDialog() const {
    return m_session ? m_session->presenceRequestDialog.get() : nullptr;
  }
  QML::CallSettings* callSettingsWindow() const {
    return m_session ? m_session->callSettings.get() : nullptr;
  }
  Utils::ExternalServiceVerification* serviceVerification() const {
    return m_session ? m_session->serviceVerification.get() : nullptr;
  }
  // The message that explains the last session error; it outlives the
  // session it explains.
  Dialogs::MessageWindow* sessionErrorMessage() const { return m_sessionErrorMessage; }
  QWidget* preferencesWindow() const { return m_preferencesWindow; }
  QML::Window* aboutWindow() const { return m_aboutWindow; }
  RAZ::Databases::Comms* commsDb() { return &m_commsDb; }

  // Only web addresses (http, https) from the service are opened.
  static bool isWebAddress(const QUrl& url);

 signals:
  void basicLoggingEnabled(bool enable);
  void advancedLoggingEnabled(bool enable);
  void clearLogs();
  void drop(QVariant data);
  void disclaimerAccepted();
  void disclaimerRejected();

 public slots:
  void startDrag(QString mimeType, QByteArray data, QPixmap pixmap);
  void screenResized(int);
  void ensureUserSettingsDirExists(QDir& dir, const QString& name);
  void cbSessionOpened(RAZ::Sessions::SessionManagerBase& session);
  void cbSessionClosed(RAZ::Sessions::SessionManagerBase& session);
  void cbSessionError(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state,
                      RAZ::Sessions::Error error);
  void onMessageReceived(const QString& message);
  void cbLoginWindowDestroyed();
  void newVersionFound(bool mandatory, const QUrl& url);
  void cbQuit();
  void cbActionAbout();
  void cbActionPreferences();
  void cbActionHelp();
  void cbActionAddContact();
  void signin(const QString& username, const QString& password,
              const RAZ::Configuration::Config* config, QString xsiAddress);
  void cbAlwaysOnTop();
  void enableBasicLogging(bool enable);
  void enableAdvancedLogging(bool enable);
  void openLogFolder();
  void deleteLogFiles();
  void xsiCredentialsDaysLeft(int days);
  void onRequestProxyCredentials(bool error, const QString& username, const QString& password,
                                 bool isSecured, QObject* caller, const QString& callback);
  void onShowDisclaimerDialog();
  void startingLogout();
  void showForcedLogoutDialog();
  void openPreferences(int tab);

 private:
  // Shows a start-up failure; `detail` (what and where) goes on a line of its own.
  bool fail(const char* title, const char* text, const QString& arg1 = QString(),
            const QString& arg2 = QString(), const QString& detail = QString());
  // The start, in the order initialize runs it.
  void readConfigurationFiles();
  void detectUserAgent();
  bool createClient();
  void reportConfigurationProblem();
  void connectClient();
  void createApiController();
  void createNotificationManager();
  void connectProxyAndDisclaimer();
  void startServicesOnceShown();
  void chooseLanguage();
  void storeStartSettings(RAZ::Settings& app);
  bool prepareSettingsStore();
  bool loadTheme();
  void reportUnreadableCredentials();
  // Start-up errors may come before the theme's language list: they are
  // shown in the language chosen at the last start (else the installer's or
  // the system's) when the program has a catalogue for it.
  void loadStartupTranslator();
  // A settings file that cannot be read is moved aside before anything is
  // stored in its place; returns what the user is to be told (empty when
  // the file reads well).
  QString setAsideUnreadableSettings(RAZ::Settings::SettingsType scope);
  // Tells the user `unreadable` and names the settings files cut at the
  // read limit (each once).
  void reportSettingsProblems(const QString& unreadable);
  // Tells the user what start-up found of the installation's own files
  // (the branding file, a missing settings file).
  void reportInstallationProblems();

  // The wiring of an opened session, in the order cbSessionOpened runs it.
  // Each step puts what it makes into the session scope and registers there
  // what must be undone before the scope's objects go.
  void connectForcedLogout(RAZ::Sessions::SessionManagerBase& session);
  void openCallSettingsOnly(RAZ::Sessions::SessionManagerBase& session);
  void adoptSession(RAZ::Sessions::SessionManagerBase& session);
  void connectSessionEnd(RAZ::Sessions::SessionManagerBase& session);
  void connectXsiCredentials(RAZ::Sessions::SessionManagerBase& session);
  void createMediaEngineConfigurator(RAZ::Sessions::SessionManagerBase& session);
  void connectHistory(RAZ::Sessions::SessionManagerBase& session);
  // Tells the user when the history database could not be read (it was kept
  // aside, or is left in place and not written over).
  void reportHistoryProblem();
  // Tells the user when what the service keeps for the account could not be
  // read (it starts afresh), and once a session when the history or what
  // the service keeps cannot be saved.
  void connectKeptData(RAZ::Sessions::SessionManagerBase& session);
  void reportHistoryNotSaved(const QString& failure);
  void createCommsWindowManager(RAZ::Sessions::SessionManagerBase& session);
  void createContactOnlinePlayer(RAZ::Sessions::SessionManagerBase& session);
  void createActionHub(RAZ::Sessions::SessionManagerBase& session);
  void createMainWindow();
  void connectMainWindow(RAZ::Sessions::SessionManagerBase& session);
  void connectMyRoom(RAZ::Sessions::SessionManagerBase& session);
  void connectOutlookServices(RAZ::Sessions::SessionManagerBase& session);
  void connectServiceMessages(RAZ::Sessions::SessionManagerBase& session);
  void createPresenceRequestDialog(RAZ::Sessions::SessionManagerBase& session);
  void connectAlwaysOnTop();
  void retireSignInWindow();
  void connectPreferencePages(RAZ::Sessions::SessionManagerBase& session);
  void followCallSettingsAvailability();
  void connectAddIns(RAZ::Sessions::SessionManagerBase& session);
  void connectPresence(RAZ::Sessions::SessionManagerBase& session);
  void initializeCommsWindowManager();
  void carryOutPendingLink();
  void carryOutPendingCall();
  void offerOutlookFirstRun(RAZ::Sessions::SessionManagerBase& session);

  // The end of a session.
  void dropMainWindow();
  void dropServiceVerification();
  void stopServiceVerification(Utils::ExternalServiceVerification* verifier);
  void showSignInWindowForSignOut();
  void uninitializeAddIns();
  void dropPendingLink();
  void letAddInsRaiseSignInWindow();
  void endSessionScope();
  void bringBackSignInWindow();
  void showSessionError(bool critical, const QString& title, const QString& text);

 private slots:
  // Starts what start-up leaves until the sign-in window shows: the crash
  // service and the tray icon. Runs once.
  void startServicesAfterFirstWindow();
  // A changed password from the password-change window, stored only when
  // the user asked to remember the password.
  void storeChangedCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  // The desktop's log-out (SIGTERM) reached the event loop: end as Exit does.
  void onTerminationRequested();

 private:
  // Turns SIGTERM into onTerminationRequested on the event loop.
  void catchTermination();

  TP::Core::Logging::LogSink* m_logSink = nullptr;
  Tray* m_tray = nullptr;
  // Configured by setupBreakpad, its service started after the first window.
  QPointer<CrashReporter> m_crashReporter;
  bool m_servicesStarted = false;
  QDir m_userDir;
  TP::Crypto::Blowfish m_cipher;
  QPointer<QML::LoginWindow> m_loginWindow;
  QPointer<QML::Window> m_aboutWindow;
  QPointer<QWidget> m_preferencesWindow;
  QPointer<QML::ConnectorNotification> m_connectorNotification;
  Preferences::Watcher* m_watcher = nullptr;
  RAZ::Client* m_client = nullptr;
  RAZ::Databases::Comms m_commsDb;
  QMap<int, QSharedPointer<QTranslator>> m_translators;
  NotificationManager* m_notificationManager = nullptr;
  Utils::WindowManager m_windowManager;
  Utils::ZentUrlHandler* m_pendingUrlHandler = nullptr;
  QString m_pendingCallNumber;
  bool m_askingAboutCallLink = false;
  bool m_terminationRequested = false;
  // Set as the application object is destroyed: no more retranslation.
  bool m_tearingDown = false;
  bool m_installSettingsMissing = false;
  // The installation's settings file is no settings text: not copied.
  bool m_installSettingsNotText = false;
  // The user was told in this session that the history cannot be saved.
  bool m_historyNotSavedSaid = false;
  // What start-up found of the branding file, told with the settings' problems.
  Utils::Branding::Problem m_brandingProblem = Utils::Branding::Problem::None;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  RAZ::ApiProvider::Controller* m_apiController = nullptr;
  Providers::MenuActionProviderWin* m_menuActionProvider = nullptr;

  RAZ::ConfigContainer* m_configContainer = nullptr;
  // The objects of the open session (null while signed out).
  std::unique_ptr<SessionScope> m_session;
  QPointer<Dialogs::MessageWindow> m_sessionErrorMessage;
  QString m_userAgent;
  QString m_osName;       // the system's name, as the user agent gives it
  QString m_activeTheme;  // the theme the start registered
  QString m_language;
  QStringList m_reportedCappedFiles;  // settings files cut at the read limit, told once
  QString m_unreadableSettings;       // what start-up found of the application settings
};

// The application's side of one signed-in session: handing the sign-in form
// to the platform, building every per-session object when the session opens,
// and taking them down again in an order in which nothing uses an object
// that is already gone.
#include <QAction>
#include <QApplication>
#include <QDesktopWidget>
#include <QFile>

#include <RAZ/Adapters/FactoryPtr.h>
#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/Controllers/IChatController.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/Location.h>
#include <RAZ/Utils/Validator.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "MediaEngineConfigurator.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/AggregationEnabler.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ExternalServiceVerification.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/PresenceHelper.h"
#include "Utils/Sounds/ContactNotification.h"
#include "Utils/Tray.h"
#include "Utils/ZentUrlHandler.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/components/PresenceRequestDialog.h"

using Providers::MenuActionProvider;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::UserCredentials;

// ---------------------------------------------------------------------------
// Sign-in

void Application::signin(const QString& username, const QString& password,
                         const RAZ::Configuration::Config* config, QString xsiAddress) {
  TP::Core::Logging::CTraceScope trace("Application::signin");
  CredentialsManager* manager = m_client ? m_client->getCredentialsManager() : nullptr;
  if (!manager) {
    TP_LOG("Application::signin", 4) << "Sign-in before the platform client is ready";
    if (m_loginWindow) m_loginWindow->cbSessionClosed();
    return;
  }
  // A configuration name the container does not know reaches us as null.
  RAZ::ConfigContainer* container = m_client->getConfigContainer();
  if (!config && container && !container->configNames().isEmpty()) {
    TP_LOG("Application::signin", 4) << "Sign-in with an unknown configuration refused";
    Dialogs::MessageWindow::showWarning(
        tr("Unknown Configuration"),
        tr("The selected configuration is not available. Choose another one and "
           "sign in again."),
        isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
    if (m_loginWindow) m_loginWindow->cbSessionClosed();
    return;
  }

  const int type = manager->loginType();
  QString user = username;
  QString domain;
  const int at = username.indexOf(QLatin1Char('@'));
  const bool noDomain = at < 0;
  if (!noDomain) {
    user = username.left(at);
    domain = username.mid(at + 1).section(QLatin1Char('@'), 0, 0);
  }
  if (type == RAZ::Utils::Credentials::LoginSip)
    user = RAZ::Utils::Validator(config).normalizeSipUserName(user);
  QString fullName = user;
  if (!domain.isEmpty()) fullName += QLatin1Char('@') + domain;
  CredentialsManager::toFullUri(fullName);

  UserCredentials userCredentials;
  CredentialsData data;
  if (manager->getCredentials(type, fullName, userCredentials)) {
    data = userCredentials.getCredentials(type);
  } else {
    data.setUsername(fullName);
  }
  data.setDefaultDomain(noDomain);
  data.setPassword(password);
  data.setDmUrl(xsiAddress);
  userCredentials.setCredentials(type, data);
  manager->addCredentials(userCredentials);
  manager->getCredentials(type, fullName, userCredentials);
  data = userCredentials.getCredentials(type);

  manager->setConfiguration(config);
  manager->setSavePassword(m_loginWindow ? m_loginWindow->getRememberPasswordChecked() : false);
  manager->setLoginUsername(fullName);

  RAZ::Settings settings(RAZ::Settings::Application);
  settings.setValue(QStringLiteral("login/username"), data.getUsername());
  settings.setValue(QStringLiteral("login/displayname"), data.getDisplayname());
  if (config) settings.setValue(QStringLiteral("login/config"), config->getName());

  if (!m_client->signin(userCredentials, config, xsiAddress, true))
    TP_LOG("Application::signin", 3)
        << "A session is running or opening; the sign-in was not started";
}

// ---------------------------------------------------------------------------
// Session open

void Application::rebuildSessionMenuActions(RAZ::Sessions::SessionManagerBase* session) {
  m_menuActionProvider->createCallActions(session);
  m_menuActionProvider->createContactListActions(session);
  // The hub's provider carries the platform actions of the menu from now on.
  m_menuActionProvider->linkActionProvider(
      m_factory ? m_factory->createActionProvider(m_menuActionProvider) : nullptr);
}

void Application::cbSessionOpened(RAZ::Sessions::SessionManagerBase& session) {
  TP::Core::Logging::CTraceScope trace("Application::cbSessionOpened");
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  QAction* openApplication = m_menuActionProvider->action(MenuActionProvider::OpenApplication);

  // 1. The log-out runs at once; its message waits for the event loop.
  connect(&session, SIGNAL(forceLogout()), this, SLOT(showForcedLogoutDialog()),
          Qt::QueuedConnection);
  connect(&session, SIGNAL(forceLogout()), this, SLOT(startingLogout()));

  const RAZ::Configuration::Config* config = session.configuration();

  // 2. A session for the call settings alone.
  if (config && config->getBool(0)) {
    m_callSettings = new QML::CallSettings(&session, false, nullptr);
    connect(m_callSettings, SIGNAL(destroyed(QObject*)), signOut, SLOT(trigger()));
    m_callSettings->show();
    if (QML::LoginWindow* login = m_loginWindow) {
      m_loginWindow = nullptr;
      login->cbSessionOpened();  // stores the form's choices and closes (deleted later)
    }
    return;
  }

  // 3.
  m_sessionManager = &session;
  setupServiceVerification();

  // 4.
  QString ownAddress;
  if (TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> uri = session.ownSipAddress())
    ownAddress = uri->toString(false);

  // 5.
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session.contactsManager();
  RAZ::MediaEngine::CallControllerBase* callController = session.callController();
  RAZ::Controllers::IChatController* sipChat = session.sipChatController();
  RAZ::Controllers::XmppChatController* xmppChat = session.xmppChatController();
  RAZ::Controllers::FtController* ft = session.ftController();
  RAZ::Controllers::CommsSessionController* comms = session.commsSessionController();

  // 6.
  if (QObject* publisher = session.locationPublisher())
    connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), publisher,
            SLOT(uninitialize()));
  if (QObject* closer = session.sessionClosingObject())
    connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), closer,
            SLOT(cbSessionClosed()));

  // 7.
  if (RAZ::Xsi::XsiCredentialsControl* xsi = session.xsiCredentialsControl()) {
    connect(xsi, SIGNAL(credentialsDaysLeft(int)), this, SLOT(xsiCredentialsDaysLeft(int)));
    xsi->updateCredentialsStatus();
  }

  // 8.
  if (m_watcher && callController && callController->GetMediaHandlerAudio() &&
      callController->GetMediaHandlerVideo())
    m_mediaEngineConfigurator =
        new MediaEngineConfigurator(m_watcher, callController->GetMediaHandlerAudio(),
                                    callController->GetMediaHandlerVideo(), this);

  // 9.
  if (config && config->getBool(116) && callController) {
    m_commsDb.Initialize(m_userDir.path() + QStringLiteral("/comms.db"),
                         TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr>(
                             new RAZ::Adapters::FactoryPtr(ownAddress)),
                         callController);
    if (sipChat) sipChat->setCommsDb(&m_commsDb);
    if (xmppChat) xmppChat->setCommsDb(&m_commsDb);
    if (ft) ft->setCommsDb(&m_commsDb);
  } else if (m_commsDb.hasDatabase()) {
    m_commsDb.reset();
  }

  // 10.
  m_smileys = new RAZ::Models::SmileysPtr(this);

  // 11.
  screenResized(-1);

  // 12.
  m_commsWindowManager =
      new Utils::CommunicationsWindowManager(m_notificationManager, contacts, m_watcher);

  // 13.
  if (session.kind() == 1)
    m_contactOnlinePlayer = new Utils::ContactNotification::ContactOnlinePlayer(contacts, nullptr);

  // 14.
  m_factory =
      new Providers::Factory(&session, contacts, m_commsWindowManager, ft, sipChat, nullptr);

  // 15.
  rebuildSessionMenuActions(&session);

  // 16.
  m_mainWindow = new QML::MainWindow(m_client, m_factory, m_menuActionProvider, &m_commsDb,
                                     m_commsWindowManager, isAlwaysOnTop(), nullptr);
  m_menuActionProvider->installHelpShortcut(m_mainWindow);

  // 17.
  connect(openApplication, SIGNAL(triggered()), m_mainWindow, SLOT(showAndActivate()));
  if (m_watcher) {
    connect(m_watcher, SIGNAL(preferencesChanged()), m_mainWindow, SLOT(preferencesChanged()));
    if (comms)
      connect(m_watcher, SIGNAL(preferencesChanged()), comms, SIGNAL(preferencesChanged()));
  }

  // 18.
  if (RAZ::Controllers::MyRoomController* myRoom = session.myroomController()) {
    connect(m_mainWindow, SIGNAL(startMyRoom(const QString)), myRoom,
            SLOT(startMyRoom(const QString)));
    connect(myRoom, SIGNAL(myRoomReady()), m_mainWindow, SLOT(myRoomReady()));
    if (m_watcher)
      connect(m_watcher, SIGNAL(preferencesChanged()), myRoom, SLOT(preferencesChanged()));
  }

  // 19.
  for (QObject* outlook : {session.outlookCalendarService(), session.outlookContactService()})
    if (outlook && m_watcher)
      connect(m_watcher, SIGNAL(preferencesChanged()), outlook, SLOT(preferencesChanged()));

  // 20.
  if (QObject* messages = session.messagesSource().data())
    connect(messages, SIGNAL(messages(QVariant, QVariant)), m_mainWindow,
            SLOT(onMessages(QVariant, QVariant)));

  // 21.
  if (!m_mainWindow->activate())
    TP_LOG("Application::cbSessionOpened", 3) << "The main scene has no active view";

  // 22.
  m_presenceRequestDialog =
      new QML::PresenceRequestDialog(m_sessionManager, contacts, isAlwaysOnTop());

  // 23.
  connect(m_menuActionProvider->action(MenuActionProvider::AlwaysOnTop), SIGNAL(triggered()), this,
          SLOT(cbAlwaysOnTop()), Qt::UniqueConnection);
  connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), m_mainWindow,
          SLOT(cbSessionClosed()));

  // 24. The sign-in window may be the sender further up this call chain.
  if (QML::LoginWindow* login = m_loginWindow) {
    m_loginWindow = nullptr;
    login->cbSessionOpened();  // stores the form's choices and closes
    login->hide();
    login->deleteLater();
  }

  // 25.
  if (comms) connect(comms, SIGNAL(preferenceActivated(int)), this, SLOT(openPreferences(int)));

  // 26.
  m_mainWindow->show();

  // 27.
  if (m_factory->aggregationEnabler())
    if (QAction* callSettings = m_menuActionProvider->action(MenuActionProvider::CallSettings))
      m_factory->aggregationEnabler()->addTarget(callSettings,
                                                 Utils::AggregationEnabler::FollowEnabled);

  // 28.
  if (m_apiController) {
    const bool initialized = m_apiController->Initialize(contacts, &session, config);
    // Whatever an earlier session connected goes: commands are wired once.
    disconnect(m_apiController, nullptr, nullptr, nullptr);
    if (initialized) {
      if (!m_connectorNotification) {
        if (QAbstractItemModel* model = m_apiController->getModel(1))
          m_connectorNotification = new QML::ConnectorNotification(model, nullptr);
      }
      connect(m_apiController, SIGNAL(showClientWindowCommand()), openApplication,
              SIGNAL(triggered()));
      if (comms) {
        connect(m_apiController,
                SIGNAL(createCall(const QList<RAZ::Contacts::ContactPtr>&,
                                  RAZ::Contacts::Properties::Key, RAZ::Actions::Action::Id)),
                comms,
                SLOT(createCall(const QList<RAZ::Contacts::ContactPtr>&,
                                RAZ::Contacts::Properties::Key, RAZ::Actions::Action::Id)));
        connect(m_apiController, SIGNAL(createChat(const QList<RAZ::Contacts::ContactPtr>&)), comms,
                SLOT(createChat(const QList<RAZ::Contacts::ContactPtr>&)));
        connect(m_apiController,
                SIGNAL(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, const QString&)),
                comms, SLOT(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, const QString&)));
        connect(m_apiController, SIGNAL(createWebCollabSession(const QStringList&)), comms,
                SLOT(createWebCollabSession(const QStringList&)));
      }
    }
  }

  // 29.
  if (Utils::PresenceHelper* helper = m_factory->presenceHelper()) {
    if (m_tray) m_tray->setPresenceMenu(helper->getMenu());
    if (RAZ::Utils::Location::Publisher* publisher = session.locationPublisher()) {
      for (RAZ::Utils::Location::Source* source : session.locationSources()) {
        connect(source, SIGNAL(xsiLocationReceived(const RAZ::Utils::Location::Info&)), helper,
                SLOT(cbXsiLocationReceived(const RAZ::Utils::Location::Info&)));
        connect(source, SIGNAL(pubsubLocationReceived(const RAZ::Utils::Location::Info&)), helper,
                SLOT(cbXmppLocationReceived(const RAZ::Utils::Location::Info&)));
      }
      connect(helper, SIGNAL(ownLocationChanged()), publisher, SLOT(ownLocationChanged()));
      if (m_apiController && contacts) {
        if (RAZ::Presence::PresenceData* own = contacts->ownPresence()) {
          connect(m_apiController, SIGNAL(setPresence(int)), own,
                  SLOT(publishInternalPresence(int)));
          connect(m_apiController, SIGNAL(setFreeText(QString)), own,
                  SLOT(setStatusText(const QString&)));
        }
      }
    }
  }

  // 30.
  m_commsWindowManager->initialize(m_sessionManager, m_factory);

  // 31.
  if (m_apiController)
    connect(m_apiController, SIGNAL(callVoicemail()), m_commsWindowManager,
            SLOT(checkVoiceMails()));

  // 32.
  if (m_pendingUrlHandler) m_pendingUrlHandler->initialize(m_sessionManager);

  // 33.
  if (session.outlookCalendarService() || session.outlookContactService())
    m_factory->showOutlookFirstRunDialog();
}

// ---------------------------------------------------------------------------
// Sign-out and session close

void Application::dropMainWindow() {
  QML::MainWindow* window = m_mainWindow;
  m_mainWindow = nullptr;
  if (!window) return;
  // The window may be the sender further up this call chain (its own Sign
  // Out): it goes once control is back in the event loop, and hears nothing
  // of the session from now on.
  if (m_client) disconnect(m_client, nullptr, window, nullptr);
  for (int id : {int(MenuActionProvider::OpenApplication), int(MenuActionProvider::AlwaysOnTop),
                 int(MenuActionProvider::CallSettings)})
    if (QAction* a = m_menuActionProvider->action(id)) disconnect(a, nullptr, window, nullptr);
  window->hide();
  window->deleteLater();
}

void Application::dropServiceVerification() {
  Utils::ExternalServiceVerification* verifier = m_serviceVerification;
  m_serviceVerification = nullptr;
  if (!verifier) return;
  // It may be reporting its failure right now (that is what signs out).
  verifier->disconnect(this);
  if (QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut))
    disconnect(verifier, nullptr, signOut, nullptr);
  verifier->stop();
  verifier->deleteLater();
}

void Application::startingLogout() {
  // 1.
  dropMainWindow();
  dropServiceVerification();
  // 2.
  if (!m_loginWindow) m_loginWindow = createLoginWindow();
  // 3.
  if (m_loginWindow) m_loginWindow->cbActionSignout();
  // 4.
  if (m_apiController) {
    TP_LOG("Application::startingLogout", 2) << "Uninitializing API provider controller";
    m_apiController->Uninitialize();
  }
}

void Application::cbSessionClosed(RAZ::Sessions::SessionManagerBase& session) {
  // 1.
  TP_LOG("Application::cbSessionClosed", 2) << "Session closed";
  // 2.
  delete m_pendingUrlHandler;
  m_pendingUrlHandler = nullptr;
  // 3.
  if (m_apiController && m_loginWindow)
    connect(m_apiController, SIGNAL(showClientWindowCommand()), m_loginWindow,
            SLOT(showAndActivate()), Qt::UniqueConnection);
  // 4.
  if (m_sessionManager) {
    if (RAZ::Xsi::XsiCredentialsControl* xsi = m_sessionManager->xsiCredentialsControl())
      disconnect(xsi, nullptr, this, nullptr);
  }
  // A session closed by the server has had no sign-out: the main window and
  // the verifier still use the objects removed below, so they go first.
  dropMainWindow();
  dropServiceVerification();
  if (QML::CallSettings* callSettings = m_callSettings) {
    // The call-settings-only session: its window ends with it, without
    // asking to sign out a second time.
    m_callSettings = nullptr;
    // Only the sign-out link goes: the window manager and others still need
    // to hear of the window's end.
    if (QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut))
      disconnect(callSettings, SIGNAL(destroyed(QObject*)), signOut, SLOT(trigger()));
    callSettings->hide();
    callSettings->deleteLater();
  }
  if (m_tray) m_tray->setPresenceMenu(nullptr);
  // 5.
  delete m_factory;
  m_factory = nullptr;
  delete m_commsWindowManager;
  m_commsWindowManager = nullptr;
  delete m_contactOnlinePlayer;
  m_contactOnlinePlayer = nullptr;
  m_sessionManager = nullptr;
  delete m_mediaEngineConfigurator;
  m_mediaEngineConfigurator = nullptr;
  delete m_presenceRequestDialog.data();
  m_presenceRequestDialog = nullptr;
  m_menuActionProvider->linkActionProvider(nullptr);
  disconnect(&session, nullptr, this, nullptr);
  // 6.
  if (m_loginWindow) {
    giveLoginWindowPreferencesAction();
    m_menuActionProvider->installHelpShortcut(m_loginWindow);
  } else {
    m_loginWindow = createLoginWindow();
    showLoginWindow(false);
  }
}

void Application::cbSessionError(RAZ::Sessions::SessionManagerBase* session,
                                 RAZ::Sessions::State state, RAZ::Sessions::Error error) {
  if (m_sessionManager && m_sessionManager.data() != session) return;
  TP_LOG("Application::cbSessionError", 2)
      << "Session error in state: " << int(state) << " Error: " << int(error);
  switch (error) {
    case RAZ::Sessions::ErrorConnectFailure:
      Dialogs::MessageWindow::showWarning(
          tr("Connection Error"),
          tr("Client is unable to connect to the server. Check your internet "
             "connection. If the problem persists please contact your service "
             "provider."),
          isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
      break;
    case RAZ::Sessions::ErrorAuthentication:
      Dialogs::MessageWindow::showCritical(tr("Invalid User"), tr("Authentication failed"),
                                           isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
      break;
    case RAZ::Sessions::ErrorConnectionLost:
      Dialogs::MessageWindow::showWarning(
          tr("Connection Error"),
          tr("Connection to server failed. Try again later. If the problem persists "
             "please contact your service provider."),
          isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Address verification

void Application::setupServiceVerification() {
  if (!m_sessionManager) return;
  dropServiceVerification();
  const RAZ::Configuration::Config* config = m_sessionManager->configuration();
  if (!config || !config->getBool(400)) return;
  CredentialsData credentials;
  if (CredentialsManager* manager = m_sessionManager->credentialsManager())
    credentials = manager->getCurrentCredentials(RAZ::Utils::Credentials::LoginXsi);
  auto* verifier = new Utils::ExternalServiceVerification(this);
  m_serviceVerification = verifier;
  verifier->setServiceUrl(config->getString(401));
  verifier->setCredentials(credentials.getUsername(), credentials.getPassword());
  connect(m_sessionManager, SIGNAL(reconnectingFinished()), verifier, SLOT(start()));
  connect(verifier, SIGNAL(verificationFailed()),
          m_menuActionProvider->action(MenuActionProvider::SignOut), SLOT(trigger()));
  verifier->start();
}

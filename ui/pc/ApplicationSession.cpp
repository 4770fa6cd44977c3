// The application's side of one signed-in session: handing the sign-in form
// to the platform, building every per-session object when the session opens,
// and taking them down again in an order in which nothing uses an object
// that is already gone.
#include <QAction>
#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
#include "Utils/ConfigIds.h"
#include "Utils/ExternalServiceVerification.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
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

namespace {
// Building the signed-in windows from a large address book makes and drops
// many short-lived texts, sort keys and parsed data; the allocator keeps the
// pages they leave between the objects that stay. They go back to the system
// once the windows stand, so that a signed-in program holds what it uses.
void releaseFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}
}  // namespace
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
    TP_LOG("Application::signin", TP::Core::Logging::LevelError)
        << "Sign-in before the platform client is ready";
    if (m_loginWindow) m_loginWindow->cbSessionClosed();
    return;
  }
  // A configuration name the container does not know reaches us as null.
  RAZ::ConfigContainer* container = m_client->getConfigContainer();
  if (!config && container && !container->configNames().isEmpty()) {
    TP_LOG("Application::signin", TP::Core::Logging::LevelError)
        << "Sign-in with an unknown configuration refused";
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

  const bool rememberPassword = m_loginWindow && m_loginWindow->getRememberPasswordChecked();
  UserCredentials userCredentials;
  CredentialsData data;
  if (manager->getCredentials(type, fullName, userCredentials)) {
    data = userCredentials.getCredentials(type);
  } else {
    data.setUsername(fullName);
  }
  data.setDefaultDomain(noDomain);
  // A password the user did not ask to remember never reaches the disk, not
  // even for the length of a sign-in that may fail: the account is stored
  // without it (which also forgets one remembered before), and the platform
  // gets it in memory only.
  data.setPassword(rememberPassword ? password : QString());
  data.setDmUrl(xsiAddress);
  userCredentials.setCredentials(type, data);
  manager->addCredentials(userCredentials);
  manager->getCredentials(type, fullName, userCredentials);
  data = userCredentials.getCredentials(type);
  data.setPassword(password);
  userCredentials.setCredentials(type, data);

  manager->setConfiguration(config);
  manager->setSavePassword(rememberPassword);
  manager->setLoginUsername(fullName);

  RAZ::Settings settings(RAZ::Settings::Application);
  settings.setValue(Utils::SettingsKey::LoginUsername, data.getUsername());
  settings.setValue(Utils::SettingsKey::LoginDisplayName, data.getDisplayname());
  if (config) settings.setValue(Utils::SettingsKey::LoginConfig, config->getName());

  // The platform is told the user's choice too, so that it never stores the
  // password on its own when it was not to be remembered.
  if (!m_client->signin(userCredentials, config, xsiAddress, rememberPassword))
    TP_LOG("Application::signin", TP::Core::Logging::LevelWarning)
        << "A session is running or opening; the sign-in was not started";
}

// ---------------------------------------------------------------------------
// Session open

// Every object made here goes into the session scope, which ends them all
// when the session closes (see SessionScope.h for the order). The steps run
// in the order below: later ones use what earlier ones made.
void Application::cbSessionOpened(RAZ::Sessions::SessionManagerBase& session) {
  TP::Core::Logging::CTraceScope trace("Application::cbSessionOpened");
  if (m_session) {
    TP_LOG("Application::cbSessionOpened", TP::Core::Logging::LevelError)
        << "A session opened while the objects of another were still in place; they go first";
    endSessionScope();
  }
  m_session.reset(new SessionScope());

  connectForcedLogout(session);
  // A call-settings-only session shows that window and nothing else.
  const RAZ::Configuration::Config* config = session.configuration();
  if (config && config->getBool(Utils::ConfigId::CallSettingsOnly)) {
    openCallSettingsOnly(session);
    return;
  }
  adoptSession(session);
  connectSessionEnd(session);
  connectXsiCredentials(session);
  createMediaEngineConfigurator(session);
  connectHistory(session);
  connectKeptData(session);
  m_smileys = new RAZ::Models::SmileysPtr(this);
  screenResized(-1);
  createCommsWindowManager(session);
  createContactOnlinePlayer(session);
  createActionHub(session);
  rebuildSessionMenuActions(&session);
  createMainWindow();
  connectMainWindow(session);
  connectMyRoom(session);
  connectOutlookServices(session);
  connectServiceMessages(session);
  if (!m_session->mainWindow->activate())
    TP_LOG("Application::cbSessionOpened", TP::Core::Logging::LevelWarning)
        << "The main scene has no active view";
  createPresenceRequestDialog(session);
  connectAlwaysOnTop();
  retireSignInWindow();
  connectPreferencePages(session);
  releaseFreedMemory();
  // Shown and given the keyboard, as the sign-in window it replaces was:
  // without a window manager nobody else would.
  m_session->mainWindow->showAndActivate();
  followCallSettingsAvailability();
  connectAddIns(session);
  connectPresence(session);
  initializeCommsWindowManager();
  carryOutPendingLink();
  offerOutlookFirstRun(session);
}

void Application::connectForcedLogout(RAZ::Sessions::SessionManagerBase& session) {
  // The log-out runs at once; its message waits for the event loop, so the
  // main window is gone before the message's own loop runs.
  connect(&session, SIGNAL(forceLogout()), this, SLOT(showForcedLogoutDialog()),
          Qt::QueuedConnection);
  connect(&session, SIGNAL(forceLogout()), this, SLOT(startingLogout()));
}

void Application::openCallSettingsOnly(RAZ::Sessions::SessionManagerBase& session) {
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  QML::CallSettings* window =
      m_session->callSettings.reset(new QML::CallSettings(&session, false, nullptr));
  // Closing the window is this session's Sign Out.
  connect(window, SIGNAL(destroyed(QObject*)), signOut, SLOT(trigger()));
  // When the session ends first, the window ends with it without asking to
  // sign out a second time. Only that link goes: the window manager and
  // others still need to hear of the window's end.
  QPointer<QML::CallSettings> guard(window);
  m_session->atEnd([guard, signOut] {
    if (guard) disconnect(guard, SIGNAL(destroyed(QObject*)), signOut, SLOT(trigger()));
  });
  window->show();
  retireSignInWindow();
}

void Application::adoptSession(RAZ::Sessions::SessionManagerBase& session) {
  m_session->sessionManager = &session;
  setupServiceVerification();
}

void Application::connectSessionEnd(RAZ::Sessions::SessionManagerBase& session) {
  if (QObject* publisher = session.locationPublisher())
    connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), publisher,
            SLOT(uninitialize()));
  if (QObject* closer = session.sessionClosingObject())
    connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), closer,
            SLOT(cbSessionClosed()));
}

void Application::connectXsiCredentials(RAZ::Sessions::SessionManagerBase& session) {
  RAZ::Xsi::XsiCredentialsControl* xsi = session.xsiCredentialsControl();
  if (!xsi) return;
  connect(xsi, SIGNAL(credentialsDaysLeft(int)), this, SLOT(xsiCredentialsDaysLeft(int)));
  QPointer<RAZ::Xsi::XsiCredentialsControl> guard(xsi);
  m_session->atEnd([this, guard] {
    if (guard) disconnect(guard, nullptr, this, nullptr);
  });
  xsi->updateCredentialsStatus();
}

void Application::createMediaEngineConfigurator(RAZ::Sessions::SessionManagerBase& session) {
  RAZ::MediaEngine::CallControllerBase* calls = session.callController();
  if (!m_watcher || !calls || !calls->GetMediaHandlerAudio() || !calls->GetMediaHandlerVideo())
    return;
  m_session->mediaEngineConfigurator.reset(new MediaEngineConfigurator(
      m_watcher, calls->GetMediaHandlerAudio(), calls->GetMediaHandlerVideo(), this));
}

void Application::connectHistory(RAZ::Sessions::SessionManagerBase& session) {
  const RAZ::Configuration::Config* config = session.configuration();
  RAZ::MediaEngine::CallControllerBase* calls = session.callController();
  if (!config || !config->getBool(Utils::ConfigId::CommsHistory) || !calls) {
    // A session that keeps no history must not write into an earlier one's.
    if (m_commsDb.hasDatabase()) m_commsDb.reset();
    return;
  }
  QString ownAddress;
  if (TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> uri = session.ownSipAddress())
    ownAddress = uri->toString(false);
  m_commsDb.Initialize(m_userDir.path() + QStringLiteral("/comms.db"),
                       TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr>(
                           new RAZ::Adapters::FactoryPtr(ownAddress)),
                       calls);
  reportHistoryProblem();
  // The history the user saw before (and what of it was seen) is the
  // history from now on, and every change of it is kept.
  m_commsDb.keepHistory(session.callLog());
  if (RAZ::Controllers::IChatController* sipChat = session.sipChatController())
    sipChat->setCommsDb(&m_commsDb);
  if (RAZ::Controllers::XmppChatController* xmppChat = session.xmppChatController())
    xmppChat->setCommsDb(&m_commsDb);
  if (RAZ::Controllers::FtController* ft = session.ftController()) ft->setCommsDb(&m_commsDb);
}

void Application::reportHistoryProblem() {
  if (m_commsDb.loadProblem() == RAZ::Databases::Comms::LoadProblem::None) return;
  const QString file = QDir::toNativeSeparators(m_userDir.filePath(QStringLiteral("comms.db")));
  QString text;
  if (m_commsDb.savesBlocked())
    //: %1 is a file
    text = tr("Your history in %1 could not be read. The file is left as it is, and the history "
              "of this session is not kept until it can be read.")
               .arg(file);
  else
    //: %1 is a file, %2 where it is kept
    text = tr("Your history in %1 could not be read. It was kept as %2, and a new history is "
              "started.")
               .arg(file, QDir::toNativeSeparators(m_commsDb.keptAs()));
  TP_LOG("Application::reportHistoryProblem", TP::Core::Logging::LevelError) << text;
  Dialogs::MessageWindow::showWarning(tr("History"), text, isAlwaysOnTop(), QDialogButtonBox::Ok,
                                      nullptr);
}

void Application::connectKeptData(RAZ::Sessions::SessionManagerBase& session) {
  m_historyNotSavedSaid = false;
  const QString aside = session.keptDataSetAside();
  if (!aside.isEmpty()) {
    //: %1 is the file it was kept as
    const QString text = tr("What the service kept for you (your contacts and groups, your chats, "
                            "your history and call settings) could not be read. It was kept as %1, "
                            "and all of it starts afresh.")
                             .arg(QDir::toNativeSeparators(aside));
    TP_LOG("Application::connectKeptData", TP::Core::Logging::LevelError) << text;
    Dialogs::MessageWindow::showWarning(tr("Kept Data Unreadable"), text, isAlwaysOnTop(),
                                        QDialogButtonBox::Ok, nullptr);
  }
  // The history and the service's store fail together on a full disk: one
  // message says it for both, once a session.
  const auto history = connect(&m_commsDb, &RAZ::Databases::Comms::saveFailed, this,
                               &Application::reportHistoryNotSaved);
  const auto service = connect(&session, &RAZ::Sessions::SessionManagerBase::keptDataNotSaved, this,
                               &Application::reportHistoryNotSaved);
  m_session->atEnd([history, service] {
    QObject::disconnect(history);
    QObject::disconnect(service);
  });
}

void Application::reportHistoryNotSaved(const QString& failure) {
  if (m_historyNotSavedSaid) return;
  m_historyNotSavedSaid = true;
  //: %1 names the file and why it could not be written
  const QString text = tr("Your history and chats could not be saved (%1). They are kept and "
                          "saved as soon as that is possible again; until then, ending the "
                          "program loses what is new.")
                           .arg(failure);
  TP_LOG("Application::reportHistoryNotSaved", TP::Core::Logging::LevelError) << text;
  Dialogs::MessageWindow::showWarning(tr("History Not Saved"), text, isAlwaysOnTop(),
                                      QDialogButtonBox::Ok, nullptr);
}

void Application::createCommsWindowManager(RAZ::Sessions::SessionManagerBase& session) {
  m_session->commsWindowManager.reset(new Utils::CommunicationsWindowManager(
      m_notificationManager, session.contactsManager(), m_watcher));
}

void Application::createContactOnlinePlayer(RAZ::Sessions::SessionManagerBase& session) {
  // Only the kind of session that announces contacts coming online.
  if (session.kind() != RAZ::Sessions::SessionManagerBase::KindAnnouncesContacts) return;
  m_session->contactOnlinePlayer.reset(
      new Utils::ContactNotification::ContactOnlinePlayer(session.contactsManager(), nullptr));
}

void Application::createActionHub(RAZ::Sessions::SessionManagerBase& session) {
  m_session->factory.reset(
      new Providers::Factory(&session, session.contactsManager(), m_session->commsWindowManager,
                             session.ftController(), session.sipChatController(), nullptr));
}

void Application::rebuildSessionMenuActions(RAZ::Sessions::SessionManagerBase* session) {
  m_menuActionProvider->createCallActions(session);
  m_menuActionProvider->createContactListActions(session);
  // The hub's provider carries the platform actions of the menu from now on,
  // and goes before the hub that made it.
  Providers::Factory* hub = factory();
  m_menuActionProvider->linkActionProvider(hub ? hub->createActionProvider(m_menuActionProvider)
                                               : nullptr);
  if (m_session && hub)
    m_session->atEnd([this] { m_menuActionProvider->linkActionProvider(nullptr); });
}

void Application::createMainWindow() {
  QML::MainWindow* window = m_session->mainWindow.reset(
      new QML::MainWindow(m_client, m_session->factory, m_menuActionProvider, &m_commsDb,
                          m_session->commsWindowManager, isAlwaysOnTop(), nullptr));
  m_menuActionProvider->installHelpShortcut(window);
}

void Application::connectMainWindow(RAZ::Sessions::SessionManagerBase& session) {
  QML::MainWindow* window = m_session->mainWindow;
  connect(m_menuActionProvider->action(MenuActionProvider::OpenApplication), SIGNAL(triggered()),
          window, SLOT(showAndActivate()));
  if (m_tray) connect(window, SIGNAL(hiddenToTray()), m_tray, SLOT(mainWindowHidden()));
  if (!m_watcher) return;
  connect(m_watcher, SIGNAL(preferencesChanged()), window, SLOT(preferencesChanged()));
  if (RAZ::Controllers::CommsSessionController* comms = session.commsSessionController())
    connect(m_watcher, SIGNAL(preferencesChanged()), comms, SIGNAL(preferencesChanged()));
}

void Application::connectMyRoom(RAZ::Sessions::SessionManagerBase& session) {
  RAZ::Controllers::MyRoomController* myRoom = session.myroomController();
  if (!myRoom) return;
  QML::MainWindow* window = m_session->mainWindow;
  connect(window, SIGNAL(startMyRoom(QString)), myRoom, SLOT(startMyRoom(QString)));
  connect(myRoom, SIGNAL(myRoomReady()), window, SLOT(myRoomReady()));
  if (m_watcher)
    connect(m_watcher, SIGNAL(preferencesChanged()), myRoom, SLOT(preferencesChanged()));
}

void Application::connectOutlookServices(RAZ::Sessions::SessionManagerBase& session) {
  if (!m_watcher) return;
  for (QObject* outlook : {session.outlookCalendarService(), session.outlookContactService()})
    if (outlook)
      connect(m_watcher, SIGNAL(preferencesChanged()), outlook, SLOT(preferencesChanged()));
}

void Application::connectServiceMessages(RAZ::Sessions::SessionManagerBase& session) {
  if (QObject* messages = session.messagesSource().data())
    connect(messages, SIGNAL(messages(QVariant, QVariant)), m_session->mainWindow.get(),
            SLOT(onMessages(QVariant, QVariant)));
}

void Application::createPresenceRequestDialog(RAZ::Sessions::SessionManagerBase& session) {
  m_session->presenceRequestDialog.reset(
      new QML::PresenceRequestDialog(&session, session.contactsManager(), isAlwaysOnTop()));
  // The location question at sign-in hands the keyboard back to the main
  // window; requests that came meanwhile are what the user still has to answer.
  if (Utils::PresenceHelper* helper =
          m_session->factory ? m_session->factory->presenceHelper() : nullptr)
    connect(helper, SIGNAL(locationQuestionClosed()), m_session->presenceRequestDialog.get(),
            SLOT(comeForward()));
}

void Application::connectAlwaysOnTop() {
  // The main window's own toggle stores the setting that this reads, so it
  // must be told first: each session's main window connects anew, and this
  // goes after it, every session.
  QAction* top = m_menuActionProvider->action(MenuActionProvider::AlwaysOnTop);
  disconnect(top, SIGNAL(triggered()), this, SLOT(cbAlwaysOnTop()));
  connect(top, SIGNAL(triggered()), this, SLOT(cbAlwaysOnTop()));
  connect(m_client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)),
          m_session->mainWindow.get(), SLOT(cbSessionClosed()));
}

void Application::retireSignInWindow() {
  QML::LoginWindow* login = m_loginWindow;
  if (!login) return;
  // The sign-in window may be the sender further up this call chain.
  m_loginWindow = nullptr;
  login->cbSessionOpened();  // stores the form's choices and closes
  login->hide();
  login->deleteLater();
}

void Application::connectPreferencePages(RAZ::Sessions::SessionManagerBase& session) {
  if (RAZ::Controllers::CommsSessionController* comms = session.commsSessionController())
    connect(comms, SIGNAL(preferenceActivated(int)), this, SLOT(openPreferences(int)));
}

void Application::followCallSettingsAvailability() {
  Utils::AggregationEnabler* enabler = m_session->factory->aggregationEnabler();
  if (!enabler) return;
  // The action is enabled exactly while the aggregate is.
  if (QAction* callSettings = m_menuActionProvider->action(MenuActionProvider::CallSettings))
    enabler->addTarget(callSettings, Utils::AggregationEnabler::FollowEnabled);
}

void Application::connectAddIns(RAZ::Sessions::SessionManagerBase& session) {
  if (!m_apiController) return;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session.contactsManager();
  const bool initialized = m_apiController->Initialize(contacts, &session, session.configuration());
  // Whatever an earlier session connected goes: commands are wired once.
  disconnect(m_apiController, nullptr, nullptr, nullptr);
  if (!initialized) return;
  if (!m_connectorNotification) {
    if (QAbstractItemModel* model = m_apiController->getModel(1))
      m_connectorNotification = new QML::ConnectorNotification(model, nullptr);
  }
  connect(m_apiController, SIGNAL(showClientWindowCommand()),
          m_menuActionProvider->action(MenuActionProvider::OpenApplication), SIGNAL(triggered()));
  RAZ::Controllers::CommsSessionController* comms = session.commsSessionController();
  if (!comms) return;
  connect(m_apiController,
          SIGNAL(createCall(QList<RAZ::Contacts::ContactPtr>, RAZ::Contacts::Properties::Key,
                            RAZ::Actions::Action::Id)),
          comms,
          SLOT(createCall(QList<RAZ::Contacts::ContactPtr>, RAZ::Contacts::Properties::Key,
                          RAZ::Actions::Action::Id)));
  connect(m_apiController, SIGNAL(createChat(QList<RAZ::Contacts::ContactPtr>)), comms,
          SLOT(createChat(QList<RAZ::Contacts::ContactPtr>)));
  connect(m_apiController, SIGNAL(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, QString)),
          comms, SLOT(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, QString)));
  connect(m_apiController, SIGNAL(createWebCollabSession(QStringList)), comms,
          SLOT(createWebCollabSession(QStringList)));
}

void Application::connectPresence(RAZ::Sessions::SessionManagerBase& session) {
  Utils::PresenceHelper* helper = m_session->factory->presenceHelper();
  if (!helper) return;
  if (m_tray) {
    m_tray->setPresenceMenu(helper->getMenu());
    // The menu is the hub's: the tray lets go of it before the hub goes.
    m_session->atEnd([this] {
      if (m_tray) m_tray->setPresenceMenu(nullptr);
    });
  }
  RAZ::Utils::Location::Publisher* publisher = session.locationPublisher();
  if (!publisher) return;
  const auto locationSources = session.locationSources();
  for (RAZ::Utils::Location::Source* source : locationSources) {
    connect(source, SIGNAL(xsiLocationReceived(RAZ::Utils::Location::Info)), helper,
            SLOT(cbXsiLocationReceived(RAZ::Utils::Location::Info)));
    connect(source, SIGNAL(pubsubLocationReceived(RAZ::Utils::Location::Info)), helper,
            SLOT(cbXmppLocationReceived(RAZ::Utils::Location::Info)));
  }
  connect(helper, SIGNAL(ownLocationChanged()), publisher, SLOT(ownLocationChanged()));
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session.contactsManager();
  if (!m_apiController || !contacts) return;
  if (RAZ::Presence::PresenceData* own = contacts->ownPresence()) {
    connect(m_apiController, SIGNAL(setPresence(int)), own, SLOT(publishInternalPresence(int)));
    connect(m_apiController, SIGNAL(setFreeText(QString)), own, SLOT(setStatusText(QString)));
  }
}

void Application::initializeCommsWindowManager() {
  Utils::CommunicationsWindowManager* manager = m_session->commsWindowManager;
  manager->setSmileys(m_smileys);
  manager->initialize(m_session->sessionManager, m_session->factory);
  if (m_apiController)
    connect(m_apiController, SIGNAL(callVoicemail()), manager, SLOT(checkVoiceMails()));
}

void Application::carryOutPendingLink() {
  if (m_pendingUrlHandler) m_pendingUrlHandler->initialize(m_session->sessionManager);
  if (!m_pendingCallNumber.isEmpty())
    QTimer::singleShot(0, this, [this] { carryOutPendingCall(); });
}

void Application::offerOutlookFirstRun(RAZ::Sessions::SessionManagerBase& session) {
  if (session.outlookCalendarService() || session.outlookContactService())
    m_session->factory->showOutlookFirstRunDialog();
}

// ---------------------------------------------------------------------------
// Sign-out and session close

void Application::dropMainWindow() {
  QML::MainWindow* window = mainWindow();
  if (!window) return;
  // The window may be the sender further up this call chain (its own Sign
  // Out): it goes once control is back in the event loop, and hears nothing
  // of the session from now on.
  if (m_client) disconnect(m_client, nullptr, window, nullptr);
  for (int id : {int(MenuActionProvider::OpenApplication), int(MenuActionProvider::AlwaysOnTop),
                 int(MenuActionProvider::CallSettings)})
    if (QAction* a = m_menuActionProvider->action(id)) disconnect(a, nullptr, window, nullptr);
  m_session->mainWindow.dropLater();
}

void Application::dropServiceVerification() {
  Utils::ExternalServiceVerification* verifier = serviceVerification();
  if (!verifier) return;
  // It may be reporting its failure right now (that is what signs out).
  stopServiceVerification(verifier);
  m_session->serviceVerification.dropLater();
}

void Application::startingLogout() {
  dropMainWindow();
  dropServiceVerification();
  showSignInWindowForSignOut();
  uninitializeAddIns();
}

void Application::showSignInWindowForSignOut() {
  if (!m_loginWindow) m_loginWindow = createLoginWindow();
  if (m_loginWindow) m_loginWindow->cbActionSignout();  // it shows itself
}

void Application::uninitializeAddIns() {
  if (!m_apiController) return;
  TP_LOG("Application::startingLogout", TP::Core::Logging::LevelInformation)
      << "Uninitializing API provider controller";
  m_apiController->Uninitialize();
}

void Application::cbSessionClosed(RAZ::Sessions::SessionManagerBase& session) {
  TP_LOG("Application::cbSessionClosed", TP::Core::Logging::LevelInformation) << "Session closed";
  dropPendingLink();
  letAddInsRaiseSignInWindow();
  endSessionScope();
  disconnect(&session, nullptr, this, nullptr);
  bringBackSignInWindow();
}

void Application::dropPendingLink() {
  // A link is carried out in the session it arrived for, or not at all.
  delete m_pendingUrlHandler;
  m_pendingUrlHandler = nullptr;
  m_pendingCallNumber.clear();
}

void Application::letAddInsRaiseSignInWindow() {
  if (m_apiController && m_loginWindow)
    connect(m_apiController, SIGNAL(showClientWindowCommand()), m_loginWindow,
            SLOT(showAndActivate()), Qt::UniqueConnection);
}

void Application::endSessionScope() {
  // Emptied before the scope ends, so that nothing reached from the
  // teardown finds the session's objects through the application.
  std::unique_ptr<SessionScope> ending = std::move(m_session);
  ending.reset();
}

void Application::bringBackSignInWindow() {
  if (m_loginWindow) {
    // Sign-out has shown it already.
    giveLoginWindowPreferencesAction();
    m_menuActionProvider->installHelpShortcut(m_loginWindow);
    return;
  }
  m_loginWindow = createLoginWindow();
  showLoginWindow(false);
}

void Application::cbSessionError(RAZ::Sessions::SessionManagerBase* session,
                                 RAZ::Sessions::State state, RAZ::Sessions::Error error) {
  if (sessionManager() && sessionManager() != session) return;
  TP_LOG("Application::cbSessionError", TP::Core::Logging::LevelInformation)
      << "Session error in state: " << int(state) << " Error: " << int(error);
  switch (error) {
    case RAZ::Sessions::ErrorConnectFailure:
      showSessionError(false, tr("Connection Error"),
                       tr("Client is unable to connect to the server. Check your internet "
                          "connection. If the problem persists please contact your service "
                          "provider."));
      break;
    case RAZ::Sessions::ErrorAuthentication:
      showSessionError(true, tr("Invalid User"), tr("Authentication failed"));
      // The password is what the user corrects next: closing the message
      // (Enter) puts the keyboard back in it.
      if (m_sessionErrorMessage && m_loginWindow)
        connect(m_sessionErrorMessage, SIGNAL(closed()), m_loginWindow, SLOT(retypePassword()));
      break;
    case RAZ::Sessions::ErrorConnectionLost:
      showSessionError(false, tr("Connection Error"),
                       tr("Connection to server failed. Try again later. If the problem "
                          "persists please contact your service provider."));
      break;
    default:
      break;
  }
}

void Application::showSessionError(bool critical, const QString& title, const QString& text) {
  // One explanation at a time: a newer error replaces the one before.
  if (m_sessionErrorMessage) m_sessionErrorMessage->close();
  // A sign-in that failed is told over the sign-in window, which owns the
  // message: a click on the window cannot bury it, and it goes with the
  // window.
  QWidget* owner = m_loginWindow && m_loginWindow->isVisible() ? m_loginWindow.data() : nullptr;
  Dialogs::MessageWindow* message =
      critical ? Dialogs::MessageWindow::showCritical(title, text, isAlwaysOnTop(),
                                                      QDialogButtonBox::Ok, owner)
               : Dialogs::MessageWindow::showWarning(title, text, isAlwaysOnTop(),
                                                     QDialogButtonBox::Ok, owner);
  if (!message) return;
  // The message explains why a session ended or never opened: the window
  // manager, which closes the session's windows at sign-out and deletes
  // them when the session closes, must not take it along. It stays until
  // the user closes it.
  disconnect(&m_windowManager, nullptr, message, nullptr);
  m_sessionErrorMessage = message;
}

// ---------------------------------------------------------------------------
// Address verification

void Application::setupServiceVerification() {
  RAZ::Sessions::SessionManagerBase* session = sessionManager();
  if (!session) return;
  dropServiceVerification();
  const RAZ::Configuration::Config* config = session->configuration();
  if (!config || !config->getBool(Utils::ConfigId::AddressVerification)) return;
  CredentialsData credentials;
  if (CredentialsManager* manager = session->credentialsManager())
    credentials = manager->getCurrentCredentials(RAZ::Utils::Credentials::LoginXsi);
  // A password the user did not ask to remember is not in the store: the
  // one this sign-in was made with is.
  if (credentials.getPassword().isEmpty() && m_client) {
    const CredentialsData signedIn =
        m_client->getUserCredentials().getCredentials(RAZ::Utils::Credentials::LoginXsi);
    if (signedIn.getUsername().compare(credentials.getUsername(), Qt::CaseInsensitive) == 0)
      credentials.setPassword(signedIn.getPassword());
  }
  auto* verifier =
      m_session->serviceVerification.reset(new Utils::ExternalServiceVerification(this));
  verifier->setServiceUrl(config->getString(Utils::ConfigId::AddressVerificationUrl));
  verifier->setCredentials(credentials.getUsername(), credentials.getPassword());
  QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut);
  connect(session, SIGNAL(reconnectingFinished()), verifier, SLOT(start()));
  connect(verifier, SIGNAL(verificationFailed()), signOut, SLOT(trigger()));
  // A verification still at work when the server ends the session must not
  // sign out on its way out.
  QPointer<Utils::ExternalServiceVerification> guard(verifier);
  m_session->atEnd([this, guard] { stopServiceVerification(guard); });
  verifier->start();
}

void Application::stopServiceVerification(Utils::ExternalServiceVerification* verifier) {
  if (!verifier) return;
  verifier->disconnect(this);
  if (QAction* signOut = m_menuActionProvider->action(MenuActionProvider::SignOut))
    disconnect(verifier, nullptr, signOut, nullptr);
  verifier->stop();
}

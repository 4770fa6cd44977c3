#include "libqml/components/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

#include <RAZ/Actions/Enablers.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Client.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/Models/ActiveComms.h>
#include <RAZ/Models/SearchGroups.h>
#include <RAZ/Models/SelectionHandler.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/Session.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Parsers.h>
#include <TP/Core/Logging.h>

#include <csignal>
#include <cstdlib>

#include "Models/ContactSearchFilter.h"
#include "Models/ErrorInfoModel.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Providers/QmlProviders.h"
#include "Utils/Accessibility.h"
#include "Utils/ActiveCommsDragDropHandler.h"
#include "Utils/ActiveSelectionHandler.h"
#include "Utils/BadgeHandler.h"
#include "Utils/CallSettingsToolbarHelper.h"
#include "Utils/ChatRoomActions.h"
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ConfigIds.h"
#include "Utils/MainView.h"
#include "Utils/MenuHandler.h"
#include "Utils/PresenceHelper.h"
#include "Utils/Search/SearchManager.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/MainWindowShared.h"
#include "libqml/utils/FocusHelper.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"

namespace QML {

namespace {
// Gives the keyboard to the ringing call's popup (see README).
const QKeySequence kFocusRingingCallKey(Qt::CTRL + Qt::SHIFT + Qt::Key_A);

// A page shipped with the program (in its resources or as a local file) may
// come in the interface language beside it: "banner_es.html" next to
// "banner.html". The page in that language, else the one given; an address
// elsewhere is the provider's and stays as it is.
QString pageInInterfaceLanguage(const QString& address) {
  const QUrl url(address);
  const bool resource = url.scheme() == QLatin1String("qrc");
  if (!resource && !url.isLocalFile()) return address;
  const QFileInfo page(resource ? QLatin1Char(':') + url.path() : url.toLocalFile());
  const QString suffix = page.suffix().isEmpty() ? QString() : QLatin1Char('.') + page.suffix();
  const QString locale = QLocale().name();
  for (const QString& language : {locale, locale.section(QLatin1Char('_'), 0, 0)}) {
    const QString path = page.path() + QLatin1Char('/') + page.completeBaseName() +
                         QLatin1Char('_') + language + suffix;
    if (!QFileInfo(path).isFile()) continue;
    QUrl localised = resource ? url : QUrl::fromLocalFile(path);
    if (resource) localised.setPath(path.mid(1));
    localised.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
    localised.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return localised.toString();
  }
  return address;
}
}  // namespace

MainWindow::MainWindow(RAZ::Client* client, Providers::Factory* factory,
                       Providers::MenuActionProviderWin* menuActionProvider,
                       RAZ::Databases::Comms* commsDb,
                       Utils::CommunicationsWindowManager* commsWindowManager, bool stayOnTop,
                       QWidget* parent)
    : Window(false, parent),
      m_client(client),
      m_session(client ? client->sessionManager() : nullptr),
      m_factory(factory),
      m_menuActionProvider(menuActionProvider),
      m_commsDb(commsDb),
      m_commsWindowManager(commsWindowManager) {
  setupWindow(stayOnTop);
  createCallSettingsToolbar();
  createContactList();
  createActiveCommunications();
  setupTestCall();
  createSearchManager();
  createActionsProvider();
  createHistory();
  createBannerAndLeftPane();
  restoreActiveView();
  createMenuHandler();
  restoreContactListOptions();
  connectServices();
  connect(this, &Window::languageChanged, this, &MainWindow::bannerUrlChanged);
  connectMenuActions();
  connectMenuHandler();
  createContactMouseOver();
  // A room started before this window existed is ready all the same.
  m_myRoomReady =
      m_session && m_session->myroomController() && m_session->myroomController()->isReady();
  onXmppConnectStateChanged();
}

// The window itself: its title, whether it stays on top, and the keys it
// answers wherever it has the keyboard.
void MainWindow::setupWindow(bool stayOnTop) {
  setObjectName(QStringLiteral("mainWindow"));
  m_sipUriParser = new RAZ::Utils::SipUriParser(m_client ? m_client->getConfig() : nullptr);
  setTitle(QCoreApplication::applicationName());
  setSystemMenuSuppressed(true);
  if (stayOnTop) setAlwaysOnTop(true);
  m_showStatus = RAZ::Settings(RAZ::Settings::User)
                     .value(Utils::SettingsKey::ShowPresenceStatus, false)
                     .toBool();
  if (RAZ::Settings(RAZ::Settings::Application)
          .value(Utils::SettingsKey::CrashingEnabled, false)
          .toBool()) {
    m_crashShortcut = new QShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_F10), this);
    m_crashShortcut->setContext(Qt::ApplicationShortcut);
    connect(m_crashShortcut, SIGNAL(activated()), this, SLOT(crash()));
  }

  // An incoming popup never takes the keyboard by itself; this key hands
  // it over, a ringing call's first (Enter then answers, Esc declines).
  auto* ringingCall = new QShortcut(kFocusRingingCallKey, this);
  ringingCall->setObjectName(QStringLiteral("focusRingingCallShortcut"));
  ringingCall->setContext(Qt::WindowShortcut);
  connect(ringingCall, SIGNAL(activated()), this, SLOT(focusRingingCall()));

  // Exit's shortcut, shown beside it in the menus, works wherever the main
  // window has the keyboard, not only while a menu is open.
  if (m_menuActionProvider)
    if (QAction* exit = m_menuActionProvider->action(Providers::MenuActionProvider::Exit))
      addAction(exit);
}

void MainWindow::createCallSettingsToolbar() {
  m_toolbarHelper = new Utils::CallSettingsToolbarHelper(m_session, this);
  connect(m_toolbarHelper, SIGNAL(openCallSettings(Utils::CallSettingsPage)), this,
          SLOT(openCallSettings(Utils::CallSettingsPage)));
}

// The contact list: the action sources of the selections, the search over
// the list, the own contact's changes, and the list's selection.
void MainWindow::createContactList() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;

  m_contactSource = std::make_unique<RAZ::Actions::ContactSourceComposite>(config, nullptr);
  m_activeSource = std::make_unique<RAZ::Actions::ActiveCommsSourceComposite>(config, nullptr);
  m_dialString = new RAZ::Actions::DialStringSource(this);
  // The search over the whole list: the typed text is matched literally.
  m_searchFilter = new Models::ContactSearchFilter(
      contacts ? contacts->getModel(RAZ::Contacts::Contacts::ContactListKind) : nullptr,
      RAZ::Contacts::Contacts::DisplayNameRole, this);
  if (contacts) {
    m_groups = contacts->groupsModel();
    if (RAZ::Contacts::IContact* own = contacts->ownContact().data()) {
      connect(own, SIGNAL(changed()), this, SIGNAL(ownContactChanged()));
      connect(own, SIGNAL(presenceChanged()), this, SIGNAL(ownContactChanged()));
    }
    if (RAZ::Presence::PresenceData* presence = contacts->ownPresence()) {
      connect(presence, SIGNAL(locationChanged()), this, SIGNAL(ownLocationChanged()));
      startLocationClock();
    }
    QAbstractItemModel* online = contacts->getModel(RAZ::Contacts::Contacts::OnlineContactsKind);
    connect(online, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
            SIGNAL(onlineContactsCountChanged()));
    connect(online, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
            SIGNAL(onlineContactsCountChanged()));
  }
  // One selection of the contact list for the scene, the menus, the
  // actions and drag and drop.
  m_listModel = m_groups ? static_cast<QAbstractItemModel*>(m_groups) : m_searchFilter;
  m_contactListModel =
      new RAZ::Models::SelectionHandler(m_listModel, RAZ::Models::Groups::ItemContact, this);
  m_contactSelection = new QItemSelectionModel(m_contactListModel, this);
  m_contactSelectionHandler =
      new Utils::ContactSelectionHandler(m_contactListModel, m_contactSelection, this);
  connect(m_contactSelection, SIGNAL(selectionChanged(QItemSelection, QItemSelection)), this,
          SLOT(contactSelectionChanged(QItemSelection, QItemSelection)));
  connect(m_contactSelection, SIGNAL(currentChanged(QModelIndex, QModelIndex)), this,
          SIGNAL(currentContactRowChanged()));
  m_contactListModel->setSelectionModel(m_contactSelection);
}

void MainWindow::createActionsProvider() {
  if (!m_factory) return;
  m_actionsProvider = m_factory->createActionProvider(m_contactSource.get());
  // Join Room is what a room's entry in the history does on Enter or a
  // double click.
  m_actionsProvider->setAcceptedActions(
      {RAZ::Actions::Action::Chat, RAZ::Actions::Action::Call, RAZ::Actions::Action::CallFromPhone,
       RAZ::Actions::Action::VideoCall, RAZ::Actions::Action::ViewProfile,
       RAZ::Actions::Action::EditProfile, RAZ::Actions::Action::JoinRoom},
      false);
  m_actionsProvider->setActionSource(m_contactSource.get());
  connect(m_actionsProvider,
          SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)), this,
          SLOT(commActionTriggered(RAZ::Actions::ActionData&)));
}

void MainWindow::createHistory() {
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  // The service's call logs come in with the history; without calls of its
  // own (79) the client lists only what the service logged, and chats only
  // where the communications history is kept (116).
  m_timeline =
      new RAZ::Models::Timeline(m_session ? m_session->callLog() : nullptr, contacts,
                                m_session ? m_session->xsiCallHistoryController() : nullptr,
                                !configBool(Utils::ConfigId::CallsOnThisClient),
                                configBool(Utils::ConfigId::CommsHistory), this);
  // The history's badge counts the service's messages too.
  m_badgeHandler = new Utils::BadgeHandler(
      m_timeline, m_session ? m_session->messagesSource().data() : nullptr, this);
  connect(this, SIGNAL(fetchCallLogs()), m_timeline, SLOT(fetchCallLogs()));
  // A stored filter this version does not know stays stored as it is (a
  // later version may know it); the history shows everything meanwhile.
  const int flag = user().value(Utils::SettingsKey::TimelineFilter, 0).toInt();
  if (flag >= 0 && flag <= 3)
    setTimelineFilter(flag);
  else
    applyTimelineFilter(0);
}

// The view the user left last: the directory view shows the directory.
void MainWindow::restoreActiveView() {
  if (m_leftPaneModel->lastActiveView() == Models::LeftPaneButtonsModel::DirectoryButton) {
    m_activeView = Utils::MainView::name(Utils::MainView::Directory);
    setListModel(currentContactsModel());
  }
}

void MainWindow::createMenuHandler() {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  // Rooms exist only with the XMPP chat service; without it the menus get
  // no room actions. Joining and editing go to the room service, deleting
  // asks first (the chat-room handler).
  if (m_session && m_session->xmppChatController())
    m_chatRoomActions = new Utils::ChatRoomActions(
        m_session->xmppChatController(), m_session->xmppChatController(),
        m_commsWindowManager ? m_commsWindowManager->getChatHelper() : nullptr, this);
  m_menuHandler = new Utils::MenuHandler(m_session, m_factory, m_menuActionProvider, config,
                                         m_activeSource.get(), m_contactSource.get(),
                                         m_chatRoomActions, m_commsWindowManager, this);
  m_menuHandler->setActionChecked(Providers::MenuActionProvider::AlwaysOnTop, isAlwaysOnTop());
}

// The contact-list options as the user left them.
void MainWindow::restoreContactListOptions() {
  m_showOfflineContacts = user().value(Utils::SettingsKey::ShowOfflineContacts, true).toBool();
  m_showFavorite = user().value(Utils::SettingsKey::ShowFavoritesGroup, false).toBool();
  if (m_groups) {
    m_groups->setFilter(
        m_showOfflineContacts ? 0 : RAZ::Contacts::ContactGroupsModel::HideOfflineFilter);
    m_groups->setSortField(primarySortField());
  }
  if (RAZ::Contacts::Contacts* contacts = m_session ? m_session->contactsManager().data() : nullptr)
    contacts->showFavouritesGroup(m_showFavorite);
}

// The manager of the communications windows, the chat service's state and
// its room service.
void MainWindow::connectServices() {
  if (m_commsWindowManager) {
    connect(this, SIGNAL(checkVoiceMails()), m_commsWindowManager, SLOT(checkVoiceMails()));
    connect(this, SIGNAL(primarySortFieldChanged()), m_commsWindowManager,
            SIGNAL(primarySortFieldChanged()));
  }
  if (m_client)
    connect(m_client, SIGNAL(xmppConnectStateChanged()), this, SLOT(onXmppConnectStateChanged()));
  if (hasProjectRooms() && m_session && m_session->xmppChatController())
    connect(m_session->xmppChatController(), SIGNAL(mucServerChanged(QString)), this,
            SLOT(clearAndFetchRooms()));
}

// The entries of the application's menus that act on this window.
void MainWindow::connectMenuActions() {
  if (!m_menuActionProvider) return;
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  auto hook = [this](int id, const char* signal, const char* slot) {
    if (QAction* a = m_menuActionProvider->action(id)) connect(a, signal, this, slot);
  };
  hook(Providers::MenuActionProvider::CallSettings, SIGNAL(triggered()), SLOT(openCallSettings()));
  hook(Providers::MenuActionProvider::AlwaysOnTop, SIGNAL(triggered()),
       SLOT(alwaysOnTopTriggered()));
  hook(Providers::MenuActionProvider::SortByFirstName, SIGNAL(triggered()),
       SLOT(contactSortByFirstNameTriggered()));
  hook(Providers::MenuActionProvider::SortByLastName, SIGNAL(triggered()),
       SLOT(contactSortByLastNameTriggered()));
  hook(Providers::MenuActionProvider::ShowFavoritesGroup, SIGNAL(triggered(bool)),
       SLOT(showFavoritesGroupTriggered(bool)));
  if (xmppEnabled() || !config) {
    hook(Providers::MenuActionProvider::ShowOfflineContacts, SIGNAL(triggered(bool)),
         SLOT(showOfflineContactsTriggered(bool)));
    hook(Providers::MenuActionProvider::ShowStatus, SIGNAL(triggered(bool)),
         SLOT(showStatusTriggered(bool)));
    if (m_factory)
      if (QAction* a =
              m_menuActionProvider->action(Providers::MenuActionProvider::ShowProfilePhotos))
        connect(a, SIGNAL(triggered(bool)), m_factory, SLOT(showProfilePhotosTriggered(bool)));
  }
  hook(Providers::MenuActionProvider::TestCall, SIGNAL(triggered()), SLOT(testCallTriggered()));
}

void MainWindow::connectMenuHandler() {
  connect(this, SIGNAL(windowFrameIconClicked()), m_menuHandler, SLOT(openApplicationMenu()));
  connect(m_menuHandler, SIGNAL(openMenu(QMenu*)), this, SLOT(openMenu(QMenu*)));
  connect(m_menuHandler, SIGNAL(commActionTriggered(RAZ::Actions::ActionData&)), this,
          SLOT(commActionTriggered(RAZ::Actions::ActionData&)));
  connect(m_menuHandler, SIGNAL(startMyRoom()), this, SIGNAL(startMyRoom()));
  connect(m_menuHandler, SIGNAL(copyMyRoomInvitation()), this, SLOT(copyInvitation()));
  connect(m_menuHandler, SIGNAL(changeAvatarTriggered()), this, SLOT(changeAvatar()));
  connect(m_menuHandler, SIGNAL(clearAvatarTriggered()), this, SLOT(clearAvatar()));
  connect(m_menuHandler, SIGNAL(myLocationTriggered()), this, SLOT(showLocationPublishDialog()));
  connect(m_menuHandler, SIGNAL(addContactTriggered()), this, SLOT(addContactTriggered()));
  connect(m_menuHandler, SIGNAL(addGroupTriggered()), this, SLOT(displayAddGroup()));
  connect(m_menuHandler, SIGNAL(addContactsToGroup(int)), this,
          SLOT(addContactsToGroupTriggered(int)));
  connect(m_menuHandler, SIGNAL(removeContactsFromGroup(int)), this,
          SLOT(removeContactsFromGroupTriggered(int)));
  connect(m_menuHandler, SIGNAL(removeContactsTriggered()), this, SLOT(removeContactsTriggered()));
  connect(m_menuHandler, SIGNAL(clearMissedHistory()), m_timeline, SLOT(clearMissedHistory()));
  connect(m_menuHandler, SIGNAL(clearMissedChats()), m_timeline, SLOT(clearMissedChatItems()));
  connect(m_menuHandler, SIGNAL(clearMissedCalls()), m_timeline, SLOT(clearMissedCalls()));
}

// The hover card is a window of its own: as a child it would be clipped
// to this one. It waits hidden until the list asks for it.
void MainWindow::createContactMouseOver() {
  m_contactMouseOver = new ContactMouseOver(nullptr);
  m_contactMouseOver->rootContext()->setContextProperty(
      QStringLiteral("profilePictureHelper"),
      m_factory ? m_factory->profilePictureHelper() : nullptr);
  m_contactMouseOver->activate();
  m_contactMouseOver->hide();
  if (view()) view()->installEventFilter(this);
}

void MainWindow::createActiveCommunications() {
  RAZ::Controllers::CommsSessionController* comms =
      m_session ? m_session->commsSessionController() : nullptr;
  m_commsUiHelper = new Utils::CommunicationSessionUiHelper(
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(),
      this);
  if (m_session)
    m_commsUiHelper->setCallService(m_session->subSession(RAZ::Sessions::SubSession::TypeSip));
  m_activeCommsModel = new RAZ::Models::ActiveCommsModel(comms, this);
  m_activeCommsFilter = new RAZ::Models::ActiveCommsFilter(this);
  m_activeCommsFilter->setSourceModel(m_activeCommsModel);
  m_activeCommsFilter->sort(0, Qt::AscendingOrder);
  m_activeModel = new RAZ::Models::SelectionHandler(m_activeCommsFilter,
                                                    RAZ::Models::Groups::ItemSession, this);
  m_activeItemSelection = new QItemSelectionModel(m_activeModel, this);
  m_activeSelection = new Utils::ActiveSelectionHandler(m_activeModel, m_activeItemSelection, this);
  connect(m_activeItemSelection, SIGNAL(selectionChanged(QItemSelection, QItemSelection)), this,
          SLOT(activeSelectionChanged(QItemSelection, QItemSelection)));
  m_activeModel->setSelectionModel(m_activeItemSelection);
  connect(m_activeCommsModel, SIGNAL(selectActiveSession()), m_activeSelection,
          SLOT(activeSelectionSessionLookup()));
  connect(this, SIGNAL(selectActiveSession()), m_activeSelection,
          SLOT(activeSelectionSessionLookup()));
  if (m_factory) m_commsUiHelper->setCallParkEnabler(m_factory->callParkEnabler());
}

QString MainWindow::testCallNumber() const {
  const RAZ::Configuration::Config* config =
      m_client && m_client->getConfig() ? m_client->getConfig()
                                        : (m_session ? m_session->configuration() : nullptr);
  if (!config) return QString();
  const QString language = RAZ::Settings(RAZ::Settings::Application)
                               .value(Utils::SettingsKey::LanguageActive, QStringLiteral("es"))
                               .toString();
  QString first;
  const auto list = config->value(Utils::ConfigId::TestCallNumbers).toList();
  for (const QVariant& entry : list) {
    const QStringList pair = entry.toStringList();
    if (pair.size() != 2 || pair.at(1).isEmpty()) continue;
    if (pair.at(0) == language) return pair.at(1);
    if (first.isEmpty()) first = pair.at(1);
  }
  return first;
}

RAZ::Contacts::IContact* MainWindow::testCallContact() const {
  return qobject_cast<RAZ::Contacts::IContact*>(m_testCallContact.data());
}

RAZ::Actions::Provider* MainWindow::testCallProvider() const {
  return qobject_cast<RAZ::Actions::Provider*>(m_testCallProvider.data());
}

void MainWindow::setupTestCall() {
  const QString number = testCallNumber();
  RAZ::Contacts::Contacts* contacts = m_session ? m_session->contactsManager().data() : nullptr;
  if (number.isEmpty() || !contacts || !m_factory) return;
  RAZ::Contacts::IContact* contact = contacts->createTemporaryContact(
      {{QString::number(RAZ::Contacts::Properties::KeyWork), number}});
  contact->setBoolOption(true);
  m_testCallContact = contact;
  RAZ::Actions::Provider* provider = m_factory->createActionProvider(contact);
  // The test call is a call or a video call, nothing else.
  provider->setAcceptedActions({RAZ::Actions::Action::Call, RAZ::Actions::Action::VideoCall},
                               false);
  provider->setActionSource(contact);
  m_testCallProvider = provider;
}

void MainWindow::createSearchManager() {
  // The directory search joins the own-contacts filter here: it takes the
  // same typed text and adds its results as groups of their own.
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  // What typing finds: the own contacts, then each directory as a group of
  // its own. The enterprise directory is loaded once and matched here.
  m_searchGroups = new RAZ::Models::SearchGroups(contacts, this);
  if (RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> own =
          m_searchGroups->addSearchModel(m_searchFilter)) {
    own->setName(tr("Own Contacts"));
    m_ownSearchGroup = own.data();
  }
  m_searchManager = new Utils::Search::SearchManager(m_searchGroups, m_session, m_factory, this);
  if (QAbstractItemModel* directory = m_searchManager->setupEnterpriseSearch()) {
    // The directory view lists the whole enterprise directory in groups of
    // its own, sorted as the contact list is; typing narrows it.
    m_directoryFilter = new DirectorySortProxy(this);
    m_directoryFilter->setSourceModel(directory);
    m_directoryFilter->setFilterRole(RAZ::Contacts::Contacts::DisplayNameRole);
    m_directoryFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_directoryFilter->setPrimaryField(primarySortField());
    m_directoryFilter->sort(0);
    m_directoryGroups = new RAZ::Models::SearchGroups(contacts, this);
    if (RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> group =
            m_directoryGroups->addSearchModel(m_directoryFilter)) {
      group->setName(tr("Directory"));
      group->setBoolOption(true);
      m_directoryGroup = group.data();
      connect(m_searchManager, SIGNAL(enterpriseSearching(bool)), group.data(),
              SLOT(setSearching(bool)));
    }
  }
  if (!m_groups) setListModel(m_searchGroups);
}

void MainWindow::createBannerAndLeftPane() {
  m_errorInfoModel = new Models::ErrorInfoModel(
      m_session, m_factory ? m_factory->webcollabEnabler() : nullptr, this);
  // Problems that exist already when the window opens show at once.
  m_errorInfoModel->updateSessionStatuses();
  // One that arises later is told to a reader too: it shows in the banner
  // without taking the focus, where a reader would never come to it.
  connect(m_errorInfoModel, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex& parent, int first, int last) {
            if (!isVisible()) return;
            for (int row = first; row <= last; ++row)
              Utils::Accessibility::notify(
                  this, m_errorInfoModel->index(row, 0, parent).data(Qt::DisplayRole).toString());
          });
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  m_leftPaneModel = new Models::LeftPaneButtonsModel(config, this);
  m_leftPaneSorted = new QSortFilterProxyModel(this);
  m_leftPaneSorted->setSourceModel(m_leftPaneModel);
  m_leftPaneSorted->setSortRole(Models::LeftPaneButtonsModel::OrderRole);
  m_leftPaneSorted->sort(0, Qt::AscendingOrder);
  if (config && config->getBool(Utils::ConfigId::ExternalResourceButton))
    m_externalResourceHelper = new Utils::ExternalResourceButtonHelper(config, this);
}

QObject* MainWindow::activeCommsModelObject() const { return m_activeCommsModel; }
QObject* MainWindow::activeCommsFilterObject() const { return m_activeCommsFilter; }
QObject* MainWindow::leftpaneButtonsModelObject() const { return m_leftPaneModel; }
QObject* MainWindow::leftpaneButtonsSortedObject() const { return m_leftPaneSorted; }
QObject* MainWindow::externalResourceButtonHelperObject() const { return m_externalResourceHelper; }
QObject* MainWindow::commsSessionUiHelperObject() const { return m_commsUiHelper; }

MainWindow::~MainWindow() {
  if (m_geometryRestored) saveGeometry();
  if (m_searchManager) m_searchManager->resetSearches();
  // The scene reads the handlers deleted below: it goes before them.
  deleteScene();
  // The lists go with the window's children, later, and clear their
  // selections as they go: nothing of that may reach this half-destroyed
  // window or the sources deleted below.
  disconnect(m_contactSelection, nullptr, this, nullptr);
  disconnect(m_activeItemSelection, nullptr, this, nullptr);
  delete m_dragDropHandler;
  m_dragDropHandler = nullptr;
  // The menu handler and the providers watch the sources: they go first.
  delete m_menuHandler;
  m_menuHandler = nullptr;
  // The call settings belong to this session's window.
  if (m_callSettings) m_callSettings->deleteLater();
  delete m_contactMouseOver;
  m_contactMouseOver = nullptr;
  delete m_sipUriParser;
  m_sipUriParser = nullptr;
}

bool MainWindow::configBool(int id) const {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  return config && config->getBool(id);
}

QVariant MainWindow::configValue(int id) const {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  return config ? config->value(id) : QVariant();
}

bool MainWindow::activate() {
  if (QQmlContext* context = view()->rootContext()) {
    if (!m_dragDropHandler)
      m_dragDropHandler = new Utils::ActiveCommsDragDropHandler(
          m_session ? m_session->commsSessionController() : nullptr,
          m_session ? m_session->contactsManager()
                    : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(),
          configBool(Utils::ConfigId::CallTransfer), this);
    context->setContextProperty(QStringLiteral("contactModel"), m_contactListModel);
    context->setContextProperty(QStringLiteral("selectionHandler"), m_contactSelectionHandler);
    context->setContextProperty(QStringLiteral("activeModel"), m_activeModel);
    context->setContextProperty(QStringLiteral("activeSelectionHandler"), m_activeSelection);
    context->setContextProperty(QStringLiteral("errorInfoModel"), m_errorInfoModel);
    context->setContextProperty(QStringLiteral("activeCommsDragDropHandler"), m_dragDropHandler);
    context->setContextProperty(QStringLiteral("actionsProvider"), m_actionsProvider);
    context->setContextProperty(QStringLiteral("proxytimelineModel"), m_timelineProxy);
    context->setContextProperty(QStringLiteral("timelineModel"), m_timeline);
    context->setContextProperty(QStringLiteral("badgeHandler"), m_badgeHandler);
    context->setContextProperty(
        QStringLiteral("chatRoomsFilter"),
        m_session && m_session->xmppChatController()
            ? static_cast<QObject*>(m_session->xmppChatController()->chatRoomsFilterModel())
            : nullptr);
    context->setContextProperty(QStringLiteral("menuHandler"), m_menuHandler);
    QAbstractItemModel* favourites =
        m_session && m_session->contactsManager()
            ? m_session->contactsManager()->getModel(RAZ::Contacts::Contacts::FavouritesKind)
            : nullptr;
    context->setContextProperty(QStringLiteral("favoriteModel"), favourites);
    context->setContextProperty(QStringLiteral("profilePictureHelper"),
                                m_factory ? m_factory->profilePictureHelper() : nullptr);
    context->setContextProperty(QStringLiteral("mediaVolumeHelper"),
                                m_factory ? m_factory->mediaVolumeHelper() : nullptr);
    context->setContextProperty(QStringLiteral("mainWindow"), this);
    context->setContextProperty(
        QStringLiteral("presenceHelper"),
        QVariant::fromValue<QObject*>(m_factory ? m_factory->presenceHelper() : nullptr));
    context->setContextProperty(QStringLiteral("focusHelper"),
                                QVariant::fromValue<QObject*>(new FocusHelper(this)));
  }
  // The banner follows the window's first frame (see bannerLoadable), once
  // that frame has been drawn.
  if (!m_bannerLoadable)
    FirstFrame::watch(view(), this, [this] {
      QTimer::singleShot(0, this, [this] {
        m_bannerLoadable = true;
        emit bannerLoadableChanged();
      });
    });
  if (!setSource(QStringLiteral("qrc:/windows/MainWindow/MainWindow.qml")))
    TP_LOG("QML::MainWindow::activate", TP::Core::Logging::LevelError)
        << "The main scene did not load cleanly";
  bool connected = false;
  if (QQuickItem* root = view()->rootObject()) {
    if (QQuickItem* active = root->findChild<QQuickItem*>(QStringLiteral("activeView"))) {
      m_activeView = active->property("state").toString();
      m_activeViewSince = QDateTime::currentDateTimeUtc();
      connected =
          connect(active, SIGNAL(stateChanged(QString)), this, SLOT(activeViewChanged(QString)));
    }
  }
  restoreGeometry();
  return connected;
}

Providers::Factory* MainWindow::factory() const { return m_factory; }

QSize MainWindow::minimumWindowSize() const { return QSize(245, 425); }

QSize MainWindow::maximumWindowSize() const {
  return QSize(400, QApplication::desktop() ? QApplication::desktop()->geometry().height() : 10000);
}

bool MainWindow::canClose() {
  // Hidden, the window comes back only through the tray icon: without a
  // tray it is minimised instead, so the user can always reach it again.
  if (isPinnedToTaskbar() || !QSystemTrayIcon::isSystemTrayAvailable()) {
    showMinimized();
  } else {
    // Shown again where it was: the desktop need not remember it.
    m_hiddenAt = pos();
    m_hasHiddenAt = true;
    hide();
    emit hiddenToTray();
  }
  return false;
}

void MainWindow::showEvent(QShowEvent* event) {
  if (m_hasHiddenAt) {
    m_hasHiddenAt = false;
    move(m_hiddenAt);
  }
  m_pointerMoved = false;
  m_pointerAt = QCursor::pos();
  Window::showEvent(event);
}

bool MainWindow::isPinnedToTaskbar() const {
  const QDir folder(
      QStandardPaths::writableLocation(QStandardPaths::HomeLocation) +
      QStringLiteral(
          "/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch/User Pinned/TaskBar"));
  if (!folder.exists()) return false;
  const QStringList args = QCoreApplication::arguments();
  QByteArray needle = args.isEmpty() ? QByteArray() : args.first().toLatin1();
  if (needle.isEmpty()) return false;
  needle[0] = QChar::fromLatin1(needle.at(0)).toUpper().toLatin1();
  const auto entries = folder.entryInfoList(QDir::Files, QDir::NoSort);
  for (const QFileInfo& info : entries) {
    QFile file(info.filePath());
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains(needle)) return true;
  }
  return false;
}

QString MainWindow::userName() const {
  if (m_session) {
    if (RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
            m_session->contactsManager()) {
      if (RAZ::Contacts::IContact* own = contacts->ownContact().data()) {
        const QString name = own->getDisplayName();
        if (!name.isEmpty()) return name;
      }
    }
    return m_session->userName();
  }
  return QString();
}

QObject* MainWindow::ownContact() const {
  if (!m_session) return nullptr;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = m_session->contactsManager();
  return contacts ? contacts->ownContact().data() : nullptr;
}

bool MainWindow::isSearching() const {
  return m_listModel == m_searchGroups || m_listModel == m_directoryGroups;
}

QAbstractItemModel* MainWindow::currentContactsModel() const {
  // Without the enterprise directory the directory view has nothing of its
  // own: it shows what the search finds.
  if (m_activeView == Utils::MainView::name(Utils::MainView::Directory))
    return m_directoryGroups ? static_cast<QAbstractItemModel*>(m_directoryGroups) : m_searchGroups;
  if (m_searchText.trimmed().isEmpty() && m_groups) return m_groups;
  return m_searchGroups;
}

bool MainWindow::hasMyRoom() const {
  return m_session && m_session->myroomController() && m_session->myroomController()->hasMyRoom();
}

bool MainWindow::voiceMailEnabled() const {
  return !configValue(Utils::ConfigId::VoiceMailNumber).toString().isEmpty();
}

QString MainWindow::bannerUrl() const {
  return pageInInterfaceLanguage(configValue(Utils::ConfigId::BannerAddress).toString());
}

int MainWindow::bannerHeight() const { return configValue(Utils::ConfigId::BannerHeight).toInt(); }

bool MainWindow::xmppConnected() const {
  RAZ::Sessions::SubSession* xmpp =
      m_session ? m_session->subSession(RAZ::Sessions::SubSession::TypeXmpp) : nullptr;
  return xmpp && xmpp->isConnected();
}

int MainWindow::onlineContactsCount() const {
  if (!m_session || !m_session->contactsManager()) return 0;
  return m_session->contactsManager()
      ->getModel(RAZ::Contacts::Contacts::OnlineContactsKind)
      ->rowCount();
}

int MainWindow::currentContactRow() const {
  const QModelIndex current = m_contactSelection->currentIndex();
  return current.isValid() ? current.row() : -1;
}

int MainWindow::selectedContactCount() const { return m_contactSelection->selectedRows().size(); }

QString MainWindow::availabilityText(int state) const {
  return Utils::PresenceHelper::textForState(state);
}

int MainWindow::primarySortField() const {
  return user().value(Utils::SettingsKey::ContactListSort).toString() == QLatin1String("first name")
             ? 0
             : 1;
}

void MainWindow::setListModel(QAbstractItemModel* model) {
  if (model == m_listModel) return;
  m_listModel = model;
  // The list's selection model stays; the reset of its rows clears it.
  m_contactListModel->setSourceModel(model);
  emit searchingChanged();
  emit currentContactRowChanged();
}

// --- geometry ---

bool MainWindow::canRestoreGeometry(const QRect& desktop, const QRect& saved) {
  if (saved.isEmpty()) return false;
  return saved.left() > desktop.left() && saved.top() > desktop.top() &&
         saved.right() < desktop.right() && saved.bottom() < desktop.bottom();
}

void MainWindow::restoreGeometry() {
  RAZ::Settings app(RAZ::Settings::Application);
  const int x = app.value(Utils::SettingsKey::MainWindowX, 0).toInt();
  const int y = app.value(Utils::SettingsKey::MainWindowY, 0).toInt();
  const int w = app.value(Utils::SettingsKey::MainWindowWidth, 0).toInt();
  const int h = app.value(Utils::SettingsKey::MainWindowHeight, 0).toInt();
  TP_LOG("QML::MainWindow::restoreGeometry", TP::Core::Logging::LevelInformation)
      << "x:" << x << ", y:" << y << ", w:" << w << ", h:" << h;
  m_geometryRestored = true;
  const QRect desktop = QApplication::desktop() ? QApplication::desktop()->geometry() : QRect();
  if (!canRestoreGeometry(desktop, QRect(x, y, w, h))) {
    // Nothing to go back to: centred, as the sign-in window opens, rather
    // than in the corner where a desktop without a window manager puts it.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      Utils::WindowManager::fitOnScreen(this, screen);
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
    return;
  }
  if (x != 0 || y != 0) move(x, y);
  if (w != 0 && h != 0) resize(w, h);
  // Saved at a smaller scale, or on a larger screen, it may no longer fit.
  Utils::WindowManager::fitOnScreen(this);
  Utils::WindowManager::keepOnScreen(this);
}

void MainWindow::saveGeometry() {
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(Utils::SettingsKey::MainWindowX, pos().x());
  app.setValue(Utils::SettingsKey::MainWindowY, pos().y());
  app.setValue(Utils::SettingsKey::MainWindowWidth, width());
  app.setValue(Utils::SettingsKey::MainWindowHeight, height());
}

void MainWindow::preferencesChanged() {
  // The number may depend on the language just chosen.
  if (RAZ::Contacts::IContact* contact = testCallContact())
    contact->setProperty(RAZ::Contacts::Properties::KeyWork, testCallNumber());
  const bool show = RAZ::Settings(RAZ::Settings::User)
                        .value(Utils::SettingsKey::ShowPresenceStatus, false)
                        .toBool();
  if (show != m_showStatus) {
    m_showStatus = show;
    emit showStatusChanged();
  }
}

void MainWindow::cbSessionClosed() {
  TP_LOG("QML::MainWindow::cbSessionClosed", TP::Core::Logging::LevelInformation) << "()";
  hide();
  deleteLater();
}

void MainWindow::crash() {
  // An abnormal end on purpose, so that the crash report can be tried out.
  std::raise(SIGSEGV);
  std::abort();
}

}  // namespace QML

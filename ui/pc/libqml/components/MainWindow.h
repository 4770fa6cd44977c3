#pragma once

#include <QDateTime>
#include <QItemSelection>
#include <QPointer>
#include <QVariant>
#include <memory>

#include "Utils/ConfigIds.h"
#include "libqml/components/CallSettings.h"
#include "libqml/window/Window.h"

class QAbstractItemModel;
class QItemSelectionModel;
class QMenu;
class QShortcut;
class QSortFilterProxyModel;

namespace Models {
class ContactSearchFilter;
}
namespace Providers {
class Factory;
class MenuActionProviderWin;
}  // namespace Providers
namespace QML {
class CallSettings;
class ContactMouseOver;
class DirectorySortProxy;
}  // namespace QML
namespace RAZ {
class Client;
namespace Actions {
class ActionData;
class ActiveCommsSourceComposite;
class ContactSourceComposite;
class DialStringSource;
class Provider;
class Source;
}  // namespace Actions
namespace Contacts {
class ContactGroupsModel;
class IContact;
class IGroup;
}  // namespace Contacts
namespace Databases {
class Comms;
}
namespace Models {
class ActiveCommsFilter;
class ActiveCommsModel;
class SearchGroups;
class SelectionHandler;
class Timeline;
class TimelineFilter;
}  // namespace Models
namespace Sessions {
class SessionManagerBase;
}
namespace Utils {
class SipUriParser;
}
}  // namespace RAZ
namespace Models {
class ErrorInfoModel;
class LeftPaneButtonsModel;
}  // namespace Models
namespace Utils {
class ActiveCommsDragDropHandler;
class ActiveSelectionHandler;
class BadgeHandler;
class CommunicationSessionUiHelper;
class ContactSelectionHandler;
class ExternalResourceButtonHelper;
class CallSettingsToolbarHelper;
class ChatRoomActions;
class CommunicationsWindowManager;
class MenuHandler;
namespace Search {
class SearchManager;
}
}  // namespace Utils

namespace QML {

// The window of a signed-in session: own presence, contacts by group with
// favourites, history with its missed count, rooms, dial pad, and the
// session's commands. The scene calls its slots; the application menu and
// the popup menus reach the same slots. Closing it by its frame only hides
// it; the session goes on in the tray.
class MainWindow : public Window {
  Q_OBJECT
  Q_PROPERTY(QString userName READ userName NOTIFY ownContactChanged)
  Q_PROPERTY(QObject* ownContact READ ownContact NOTIFY ownContactChanged)
  Q_PROPERTY(
      int voiceMailMessagesCount READ voiceMailMessagesCount NOTIFY voiceMailMessagesCountChanged)
  Q_PROPERTY(int timelinefilterflag READ getTimelineFilterFlag NOTIFY timelineFilterFlagChanged)
  Q_PROPERTY(bool myRoomReady READ isMyRoomReady NOTIFY myRoomReadyChanged)
  Q_PROPERTY(bool searching READ isSearching NOTIFY searchingChanged)
  Q_PROPERTY(bool hasMyRoom READ hasMyRoom CONSTANT)
  Q_PROPERTY(bool hasProjectRooms READ hasProjectRooms CONSTANT)
  Q_PROPERTY(bool xmppEnabled READ xmppEnabled CONSTANT)
  Q_PROPERTY(bool voiceMailEnabled READ voiceMailEnabled CONSTANT)
  Q_PROPERTY(bool bannerEnabled READ bannerEnabled CONSTANT)
  // The banner's page in the interface language when the page is the
  // program's own and comes in that language.
  Q_PROPERTY(QString bannerUrl READ bannerUrl NOTIFY bannerUrlChanged)
  Q_PROPERTY(int bannerHeight READ bannerHeight CONSTANT)
  // The banner's web page loads once the window is on screen: the web
  // engine it needs is the heaviest part of the program, and signing in
  // does not wait for it.
  Q_PROPERTY(bool bannerLoadable READ bannerLoadable NOTIFY bannerLoadableChanged)
  Q_PROPERTY(bool locationEnabled READ locationEnabled CONSTANT)
  Q_PROPERTY(bool xmppConnected READ xmppConnected NOTIFY xmppConnectStateChanged)
  Q_PROPERTY(bool offlineMode READ offlineMode NOTIFY offlineModeChanged)
  Q_PROPERTY(bool showFavorite READ showFavorite NOTIFY showFavoriteChanged)
  Q_PROPERTY(bool showOfflineContacts READ showOfflineContacts NOTIFY showOfflineContactsChanged)
  Q_PROPERTY(bool showStatus READ showStatus NOTIFY showStatusChanged)
  Q_PROPERTY(int onlineContactsCount READ onlineContactsCount NOTIFY onlineContactsCountChanged)
  Q_PROPERTY(int currentContactRow READ currentContactRow NOTIFY currentContactRowChanged)
  Q_PROPERTY(int selectedContactCount READ selectedContactCount NOTIFY currentContactRowChanged)
  Q_PROPERTY(QObject* callSettingsToolbarHelper READ callSettingsToolbarHelperObject CONSTANT)
  Q_PROPERTY(QString ownLocation READ ownLocation NOTIFY ownLocationChanged)
  Q_PROPERTY(QObject* activeCommsModel READ activeCommsModelObject CONSTANT)
  Q_PROPERTY(QObject* activeCommsFilter READ activeCommsFilterObject CONSTANT)
  Q_PROPERTY(QObject* leftpaneButtonsModel READ leftpaneButtonsModelObject CONSTANT)
  Q_PROPERTY(QObject* leftpaneButtonsSorted READ leftpaneButtonsSortedObject CONSTANT)
  Q_PROPERTY(QObject* externalResourceButtonHelper READ externalResourceButtonHelperObject CONSTANT)
  Q_PROPERTY(QObject* commsSessionUiHelper READ commsSessionUiHelperObject CONSTANT)
  // The number typed into the search field while the text reads as one
  // (the list offers to call it), else empty.
  Q_PROPERTY(QString dialNumber READ dialNumber NOTIFY dialNumberChanged)

 public:
  MainWindow(RAZ::Client* client, Providers::Factory* factory,
             Providers::MenuActionProviderWin* menuActionProvider, RAZ::Databases::Comms* commsDb,
             Utils::CommunicationsWindowManager* commsWindowManager, bool stayOnTop,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  bool activate();

  QString helpContext() const override { return m_activeView; }
  QSize minimumWindowSize() const override;
  QSize maximumWindowSize() const override;
  bool canClose() override;
  bool isPinnedToTaskbar() const;

  QString userName() const;
  QObject* ownContact() const;
  int voiceMailMessagesCount() const { return m_voiceMailMessagesCount; }
  Q_INVOKABLE int getTimelineFilterFlag() const { return m_timelineFilterFlag; }
  // Read by the scene: whether a contact row is selected, the My Room
  // tooltip, the text of a presence state.
  Q_INVOKABLE bool isContactRowSelected(int row) const;
  Q_INVOKABLE QString getMyRoomToolTip() const;
  // A file dragged onto the own avatar: whether it is a picture that can
  // become the avatar, and making it so (false when it cannot).
  Q_INVOKABLE bool isAvatarPicture(const QUrl& url) const;
  Q_INVOKABLE bool setAvatarPicture(const QUrl& url);
  // The own avatar becomes the picture at `path` (none when empty).
  static void setOwnAvatar(RAZ::Contacts::IContact* own, const QString& path);
  Q_INVOKABLE QString availabilityText(int state) const;
  QString dialNumber() const { return m_dialNumber; }
  bool isMyRoomReady() const { return m_myRoomReady; }
  bool isSearching() const;
  bool hasMyRoom() const;
  bool hasProjectRooms() const { return configBool(Utils::ConfigId::ProjectRooms); }
  bool xmppEnabled() const { return configBool(Utils::ConfigId::XmppPresenceAndChat); }
  bool voiceMailEnabled() const;
  bool bannerEnabled() const { return configBool(Utils::ConfigId::Banner); }
  QString bannerUrl() const;
  int bannerHeight() const;
  bool bannerLoadable() const { return m_bannerLoadable; }
  bool locationEnabled() const { return configBool(Utils::ConfigId::LocationPublishing); }
  bool xmppConnected() const;
  bool offlineMode() const { return m_offlineMode; }
  bool showFavorite() const { return m_showFavorite; }
  bool showOfflineContacts() const { return m_showOfflineContacts; }
  bool showStatus() const { return m_showStatus; }
  int onlineContactsCount() const;
  int currentContactRow() const;
  int selectedContactCount() const;

  QString activeView() const { return m_activeView; }
  // The model the contact list shows: contacts by group, or the matches of
  // the search.
  QAbstractItemModel* contactModel() const { return m_listModel; }
  Providers::Factory* factory() const;
  RAZ::Actions::Provider* actionsProvider() const { return m_actionsProvider; }
  Utils::MenuHandler* menuHandler() const { return m_menuHandler; }
  RAZ::Models::Timeline* timeline() const { return m_timeline; }
  RAZ::Actions::ContactSourceComposite* contactSource() const { return m_contactSource.get(); }
  RAZ::Actions::ActiveCommsSourceComposite* activeSource() const { return m_activeSource.get(); }
  RAZ::Utils::SipUriParser* sipUriParser() const { return m_sipUriParser; }
  Utils::Search::SearchManager* searchManager() const { return m_searchManager; }
  Utils::BadgeHandler* badgeHandler() const { return m_badgeHandler; }
  QML::CallSettings* callSettingsWindow() const { return m_callSettings; }
  Utils::CallSettingsToolbarHelper* callSettingsToolbarHelper() const { return m_toolbarHelper; }
  QObject* callSettingsToolbarHelperObject() const;
  // The location the user publishes, as the own-presence panel shows it.
  QString ownLocation() const;

  // The active communications and their selection.
  RAZ::Models::ActiveCommsModel* activeCommsModel() const { return m_activeCommsModel; }
  RAZ::Models::ActiveCommsFilter* activeCommsFilter() const { return m_activeCommsFilter; }
  RAZ::Models::SelectionHandler* activeSelectionModel() const { return m_activeModel; }
  Utils::ActiveSelectionHandler* activeSelectionHandler() const { return m_activeSelection; }
  // The contact list as its selection sees it, and that selection.
  RAZ::Models::SelectionHandler* contactSelectionListModel() const { return m_contactListModel; }
  Utils::ContactSelectionHandler* contactSelectionHandler() const {
    return m_contactSelectionHandler;
  }
  Models::ErrorInfoModel* errorInfoModel() const { return m_errorInfoModel; }
  Models::LeftPaneButtonsModel* leftPaneButtonsModel() const { return m_leftPaneModel; }
  QSortFilterProxyModel* leftPaneButtonsSorted() const { return m_leftPaneSorted; }
  Utils::ExternalResourceButtonHelper* externalResourceButtonHelper() const {
    return m_externalResourceHelper;
  }
  Utils::CommunicationSessionUiHelper* commsSessionUiHelper() const { return m_commsUiHelper; }
  // The card shown while the mouse rests over a contact of the list.
  ContactMouseOver* contactMouseOver() const { return m_contactMouseOver; }
  Utils::ActiveCommsDragDropHandler* dragDropHandler() const { return m_dragDropHandler; }
  QObject* activeCommsModelObject() const;
  QObject* activeCommsFilterObject() const;
  QObject* leftpaneButtonsModelObject() const;
  QObject* leftpaneButtonsSortedObject() const;
  QObject* externalResourceButtonHelperObject() const;
  QObject* commsSessionUiHelperObject() const;

  // The test-call number of the active language, or else the first one
  // configured; empty when there is none.
  QString testCallNumber() const;
  // The contact the test call dials and the provider that calls it (both
  // null without a test-call number).
  RAZ::Contacts::IContact* testCallContact() const;
  RAZ::Actions::Provider* testCallProvider() const;

  // Whether the rectangle (x, y, w, h) may be restored on `desktop`: not
  // empty and inside it without touching its edges.
  static bool canRestoreGeometry(const QRect& desktop, const QRect& saved);

 public slots:
  void preferencesChanged();
  void cbSessionClosed();
  void crash();
  // Ctrl+Shift+A: the ringing call's popup, or else the newest
  // invitation's, takes the keyboard.
  void focusRingingCall();
  // Views and selection.
  void activeViewChanged(const QString& view);
  void showRoomsList();
  void showContactList();
  void contactSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void activeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void historySelectionChanged(int row);
  void roomsSelectionChanged(int row);
  // A double click on a running communication brings its window forward; on
  // a room, joins it (or brings the window of a room already joined forward).
  void showActiveCommunication(QObject* session);
  void joinRoom(const QString& roomJid);
  void moveSelection(bool up, bool inContacts = true);
  // Selects a row of the contact list (with `add`, Control-click: toggles it
  // in the selection); header rows are not selectable.
  void selectContactRow(int row, bool add = false);
  void triggerDefaultAction();
  // The context menu of the current row of the list (menu key, Shift+F10).
  void showCurrentContactMenu();
  // Search and dial string.
  void searchTextChanged(const QString& text, bool clearSelection = true);
  void setSearchText(const QString& text) { searchTextChanged(text); }
  void dialpadTextChanged(const QString& text);
  // Calls the number typed into the search field (dialNumber); the search
  // is cleared, as after any call from the list.
  void callDialNumber();
  void commActionTriggered(RAZ::Actions::ActionData& action);
  // Contact-list options.
  void contactSortByFirstNameTriggered();
  void contactSortByLastNameTriggered();
  void showOfflineContactsTriggered(bool show);
  void showFavoritesGroupTriggered(bool show);
  void showStatusTriggered(bool show);
  void alwaysOnTopTriggered();
  // History.
  void setTimelineFilter(int flag);
  // Contacts and groups.
  void addContactTriggered();
  void addContactsToGroupTriggered(int group);
  void removeContactsFromGroupTriggered(int group);
  void removeContactsTriggered();
  void displayAddGroup();
  void groupDialogAccepted(const QString& name);
  void addNewGroup(const QString& name);
  // Own avatar, My Room, call settings.
  void changeAvatar();
  void clearAvatar();
  void myRoomReady();
  void sendInvitation();
  void copyInvitation();
  void showLocationPublishDialog();
  void testCallTriggered();
  void clearAndFetchRooms();
  void onMessages(QVariant count, QVariant second);
  void onXmppConnectStateChanged();
  // Menus: the popup menus open at the pointer, or at the scene's current
  // item when asked from the keyboard.
  void openMenu(QMenu* menu);
  void signOut();
  // Opens the session's call settings (one window at a time) on a page.
  void openCallSettings(Utils::CallSettingsPage page);
  void openCallSettings();
  // The contact card: shown beside the pointer for a contact of the list
  // (anything else, a group header or an empty directory row, shows none)
  // while this window is the active one.
  void showContactMouseOver(QVariant contact);
  void hideContactMouseOver();

 signals:
  void bannerLoadableChanged();
  void bannerUrlChanged();
  void ownContactChanged();
  void ownLocationChanged();
  // Closing hid the window into the notification area.
  void hiddenToTray();
  void voiceMailMessagesCountChanged();
  void timelineFilterFlagChanged();
  void myRoomReadyChanged();
  void searchingChanged();
  void startMyRoom(const QString reason = QString());
  void fetchCallLogs();
  void xmppConnectStateChanged();
  void offlineModeChanged();
  void showFavoriteChanged();
  void showOfflineContactsChanged();
  void showStatusChanged();
  void onlineContactsCountChanged();
  void dialpadText(QString text);
  void dialNumberChanged();
  void checkVoiceMails();
  void primarySortFieldChanged();
  void selectActiveSession();
  void currentContactRowChanged();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The contact list's selected rows join (or replace) what the contact
  // composite holds; its listeners hear of it once.
  enum class ContactSelection { Adds, Replaces };
  void takeContactSelection(ContactSelection how);
  // 0 first name, 1 last name: the lists, the stored choice and the menu.
  void sortContactsBy(int field);
  // Refreshes the header's time at the published place every minute.
  void startLocationClock();
  // The steps of the constructor, in their order.
  void setupWindow(bool stayOnTop);
  void createCallSettingsToolbar();
  void createContactList();
  void createActiveCommunications();
  void followHistoryRow();
  void setupTestCall();
  void createSearchManager();
  void createActionsProvider();
  void createHistory();
  void createBannerAndLeftPane();
  void restoreActiveView();
  void createMenuHandler();
  void restoreContactListOptions();
  void connectServices();
  void connectMenuActions();
  void connectMenuHandler();
  void createContactMouseOver();
  bool configBool(int id) const;
  QVariant configValue(int id) const;
  int primarySortField() const;
  void setListModel(QAbstractItemModel* model);
  // What the contact list shows in the current view for the current text.
  QAbstractItemModel* currentContactsModel() const;
  // Shows the history by `flag` without storing it.
  void applyTimelineFilter(int flag);
  QList<RAZ::Contacts::IContact*> selectedContacts() const;
  void restoreGeometry();
  void saveGeometry();

  QPointer<RAZ::Client> m_client;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QPointer<Providers::Factory> m_factory;
  QPointer<Providers::MenuActionProviderWin> m_menuActionProvider;
  QPointer<RAZ::Databases::Comms> m_commsDb;
  QPointer<Utils::CommunicationsWindowManager> m_commsWindowManager;
  QPointer<QML::CallSettings> m_callSettings;
  Utils::CallSettingsToolbarHelper* m_toolbarHelper = nullptr;
  Models::ContactSearchFilter* m_searchFilter = nullptr;
  // The search results: own contacts and each directory as a group.
  RAZ::Models::SearchGroups* m_searchGroups = nullptr;
  Utils::Search::SearchManager* m_searchManager = nullptr;
  DirectorySortProxy* m_directoryFilter = nullptr;
  // The enterprise directory as the directory view lists it (null without
  // one).
  RAZ::Models::SearchGroups* m_directoryGroups = nullptr;
  // No parent: deleted by the destructor.
  RAZ::Utils::SipUriParser* m_sipUriParser = nullptr;
  QPointer<RAZ::Contacts::IGroup> m_ownSearchGroup;
  QPointer<RAZ::Contacts::IGroup> m_directoryGroup;
  RAZ::Contacts::ContactGroupsModel* m_groups = nullptr;
  QAbstractItemModel* m_listModel = nullptr;
  RAZ::Models::SelectionHandler* m_contactListModel = nullptr;
  QItemSelectionModel* m_contactSelection = nullptr;
  Utils::ContactSelectionHandler* m_contactSelectionHandler = nullptr;
  RAZ::Models::ActiveCommsModel* m_activeCommsModel = nullptr;
  RAZ::Models::ActiveCommsFilter* m_activeCommsFilter = nullptr;
  RAZ::Models::SelectionHandler* m_activeModel = nullptr;
  QItemSelectionModel* m_activeItemSelection = nullptr;
  Utils::ActiveSelectionHandler* m_activeSelection = nullptr;
  Utils::ActiveCommsDragDropHandler* m_dragDropHandler = nullptr;
  Models::ErrorInfoModel* m_errorInfoModel = nullptr;
  Models::LeftPaneButtonsModel* m_leftPaneModel = nullptr;
  QSortFilterProxyModel* m_leftPaneSorted = nullptr;
  Utils::ExternalResourceButtonHelper* m_externalResourceHelper = nullptr;
  Utils::CommunicationSessionUiHelper* m_commsUiHelper = nullptr;
  QPointer<QObject> m_testCallContact;
  QPointer<QObject> m_testCallProvider;
  // The selections as action sources. No Qt parent: they outlive the
  // destructor's body, where the menu handler that watches them goes, and
  // go right after it, before the window's children; the contact source
  // (declared last) first, with the actions provider that is its child.
  std::unique_ptr<RAZ::Actions::ActiveCommsSourceComposite> m_activeSource;
  std::unique_ptr<RAZ::Actions::ContactSourceComposite> m_contactSource;
  RAZ::Actions::DialStringSource* m_dialString = nullptr;
  RAZ::Actions::Provider* m_actionsProvider = nullptr;
  RAZ::Models::Timeline* m_timeline = nullptr;
  RAZ::Models::TimelineFilter* m_timelineProxy = nullptr;
  Utils::BadgeHandler* m_badgeHandler = nullptr;
  Utils::ChatRoomActions* m_chatRoomActions = nullptr;
  Utils::MenuHandler* m_menuHandler = nullptr;
  QShortcut* m_crashShortcut = nullptr;
  // A top-level tool tip of its own (no parent); deleted with the window.
  ContactMouseOver* m_contactMouseOver = nullptr;
  QString m_activeView;
  QDateTime m_activeViewSince;
  QString m_searchText;
  QString m_dialNumber;
  QList<QPointer<QObject>> m_savedSelection;
  // The history list's current row, acted on while the history shows.
  int m_historyRow = -1;
  bool m_showStatus = false;
  bool m_showFavorite = false;
  bool m_showOfflineContacts = true;
  bool m_offlineMode = false;
  bool m_myRoomReady = false;
  bool m_bannerLoadable = false;
  int m_timelineFilterFlag = 0;
  int m_voiceMailMessagesCount = 0;
  bool m_geometryRestored = false;
  // Where the window stood when closing hid it; it comes back there.
  QPoint m_hiddenAt;
  bool m_hasHiddenAt = false;
};

}  // namespace QML

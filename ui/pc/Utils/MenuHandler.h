#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <tp/core/SharedPointer.h>

class QAction;
class QMenu;

namespace Providers {
class Factory;
class MenuActionProvider;
}  // namespace Providers
namespace RAZ {
namespace Actions {
class ActionData;
class ActiveCommsSourceComposite;
class ContactSourceComposite;
class Provider;
class Source;
class SourceComposite;
}  // namespace Actions
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
class IContact;
class IGroup;
}  // namespace Contacts
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
}  // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

class ChatRoomActions;
class TextFieldActionsHandler;
class CommunicationsWindowManager;
namespace Actions {
class CommunicationsWindowMenuActions;
}

// Builds and opens the popup menus of the main window (application, add,
// options, history, My Room, chat-room, contact-list view, own contact,
// contact, favourite, history entry, group, active communications, and the
// edit menus of the search and dial-pad fields). Every finished menu is
// parentless and handed to the main window by openMenu(QMenu*). Entries that
// are platform actions run them; the others emit this handler's signals.
class MenuHandler : public QObject {
  Q_OBJECT
  Q_PROPERTY(
      bool addMenuVisible READ addMenuVisible WRITE setAddMenuVisible NOTIFY addMenuVisibleChanged)
  Q_PROPERTY(bool optionsMenuVisible READ optionsMenuVisible NOTIFY optionsMenuVisibleChanged)
  Q_PROPERTY(
      bool activeCommsMenuVisible READ activeCommsMenuVisible NOTIFY activeCommsMenuVisibleChanged)
  Q_PROPERTY(QObject* textfieldActionsHandler READ textfieldActionsHandler CONSTANT)

 public:
  MenuHandler(RAZ::Sessions::SessionManagerBase* session, Providers::Factory* factory,
              Providers::MenuActionProvider* menuActions, const RAZ::Configuration::Config* config,
              RAZ::Actions::ActiveCommsSourceComposite* activeSelection,
              RAZ::Actions::ContactSourceComposite* contactSelection,
              Utils::ChatRoomActions* chatRoomActions,
              Utils::CommunicationsWindowManager* commsWindowManager, QObject* parent);
  ~MenuHandler() override;

  bool addMenuVisible() const { return m_addMenuVisible; }
  void setAddMenuVisible(bool visible);
  bool optionsMenuVisible() const { return !m_optionsMenu.isNull(); }
  bool activeCommsMenuVisible() const { return !m_activeCommsMenu.isNull(); }
  QObject* textfieldActionsHandler() const;
  RAZ::Actions::Provider* actionProvider() const { return m_provider; }

  // Makes the application menu's action `menuId` checkable and sets it.
  void setActionChecked(int menuId, bool checked);

  Q_INVOKABLE void showActiveCommsPopupMenu(bool moreButtonClicked = false);
  Q_INVOKABLE void showPopupMenu(bool forHistoryEntry = false, bool newComms = false);
  Q_INVOKABLE void popupGroupMenu(QVariant v);
  Q_INVOKABLE void openSearchFieldMenu();
  Q_INVOKABLE void openTextFieldMenu();
  Q_INVOKABLE void showAddMenu();
  Q_INVOKABLE void showMyRoomMenu(bool forLeftPaneIcon = false);
  Q_INVOKABLE void showContactsMenu();
  Q_INVOKABLE void showOwnContactMenu(bool showAvailabilityMenu);
  Q_INVOKABLE void showChatRoomMenu(QString roomJid, QString roomName);
  Q_INVOKABLE void showOptionsMenu();
  Q_INVOKABLE void showHistoryMenu();
  void showMixedPopupMenu();

 public slots:
  void addMenuAboutToHide();
  void openApplicationMenu();
  void addContactsToGroupTriggered();
  void removeContactsFromGroupTriggered();

 signals:
  void openMenu(QMenu* menu);
  void addMenuVisibleChanged();
  void optionsMenuVisibleChanged();
  void activeCommsMenuVisibleChanged();
  void commActionTriggered(RAZ::Actions::ActionData& data);
  void startMyRoom();
  void copyMyRoomInvitation();
  void changeAvatarTriggered();
  void clearAvatarTriggered();
  // The own contact's menu asks for the location dialog.
  void myLocationTriggered();
  void addContactTriggered();
  void removeContactsTriggered();
  void alwaysOnTopTriggered();
  void showPreferences();
  void addGroupTriggered();
  void addContactsToGroup(int groupId);
  void removeContactsFromGroup(int groupId);
  void clearMissedHistory();
  void clearMissedChats();
  void clearMissedCalls();

 private slots:
  void onProviderActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);

 private:
  void setupProvider(bool communications);
  QAction* createAddRoomAction(QObject* parent);
  QList<QAction*> selectionGroupActions(RAZ::Actions::Provider* provider);
  QList<QAction*> contactGroupActions(RAZ::Contacts::IContact* contact,
                                      const QList<RAZ::Contacts::IGroup*>& groups);
  QList<QAction*> contactsGroupActions(const QList<QObject*>& sources,
                                       const QList<RAZ::Contacts::IGroup*>& groups);
  QList<QAction*> sessionCallActions(RAZ::Controllers::CommunicationSession* session,
                                     QObject* parent);
  // The menu entries of the session's communications window, or null.
  Utils::Actions::CommunicationsWindowMenuActions* windowMenuActions(
      RAZ::Controllers::CommunicationSession* session) const;
  // End, hold and mute first, "Show Window" last: the window's own entries.
  void addWindowEntries(QMenu* menu, RAZ::Controllers::CommunicationSession* session,
                        bool moreButtonClicked);
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts() const;

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  RAZ::Actions::Provider* m_provider = nullptr;
  QPointer<Providers::Factory> m_factory;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  const RAZ::Configuration::Config* m_config;
  QPointer<RAZ::Actions::ContactSourceComposite> m_contactSelection;
  QPointer<RAZ::Actions::ActiveCommsSourceComposite> m_activeSelection;
  Utils::TextFieldActionsHandler* m_textFieldActions = nullptr;
  QPointer<Utils::ChatRoomActions> m_chatRoomActions;
  QPointer<Providers::MenuActionProvider> m_menuActions;
  QPointer<QMenu> m_optionsMenu;
  QPointer<QMenu> m_activeCommsMenu;
  QPointer<QMenu> m_applicationMenu;
  bool m_addMenuVisible = false;
  QPointer<Utils::CommunicationsWindowManager> m_commsWindowManager;
};

}  // namespace Utils

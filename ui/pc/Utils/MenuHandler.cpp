#include "Utils/MenuHandler.h"

#include <QAction>
#include <QMenu>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/ActionsHelper.h"
#include "Utils/ChatRoomActions.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "Utils/TextFieldActionsHandler.h"

namespace Utils {

namespace {
using RAZ::Actions::Action;
const QList<Action::Id> kOrdinaryIds{
    Action::Call,        Action::Chat,         Action::VideoCall,       Action::ViewProfile,
    Action::EditProfile, Action::AddContact,   Action::EndAllCalls,     Action::EndChats,
    Action::Conference,  Action::Transfer,     Action::CallFromPhone,   Action::JoinRoom,
    Action::Email,       Action::SetFavourite, Action::RemoveFavourite, Action::Subscribe,
    Action::Unsubscribe, Action::Remove};
const QList<Action::Id> kCommsIds{Action::Call,        Action::Chat,        Action::VideoCall,
                                  Action::ViewProfile, Action::EditProfile, Action::AddContact,
                                  Action::EndAllCalls, Action::EndChats,    Action::Conference,
                                  Action::Transfer,    Action::DesktopShare};
}  // namespace

MenuHandler::MenuHandler(RAZ::Sessions::SessionManagerBase* session, Providers::Factory* factory,
                         Providers::MenuActionProvider* menuActions,
                         const RAZ::Configuration::Config* config,
                         RAZ::Actions::ActiveCommsSourceComposite* activeSelection,
                         RAZ::Actions::ContactSourceComposite* contactSelection,
                         ChatRoomActions* chatRoomActions,
                         CommunicationsWindowManager* commsWindowManager, QObject* parent)
    : QObject(parent),
      m_session(session),
      m_factory(factory),
      m_comms(session ? session->commsSessionController() : nullptr),
      m_config(config),
      m_contactSelection(contactSelection),
      m_activeSelection(activeSelection),
      m_chatRoomActions(chatRoomActions),
      m_menuActions(menuActions),
      m_commsWindowManager(commsWindowManager) {
  m_provider = factory ? factory->createActionProvider(nullptr)
                       : new RAZ::Actions::Provider(config, nullptr);
  m_provider->setParent(this);
  m_textFieldActions = new TextFieldActionsHandler(this);
  connect(m_provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
          this, SLOT(onProviderActionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
  setupProvider(false);
}

MenuHandler::~MenuHandler() {
  // Menus still open belong to this handler's window.
  delete m_optionsMenu;
  delete m_activeCommsMenu;
  delete m_applicationMenu;
}

QObject* MenuHandler::textfieldActionsHandler() const { return m_textFieldActions; }

RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> MenuHandler::contacts() const {
  return m_session ? m_session->contactsManager()
                   : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
}

void MenuHandler::onProviderActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source&) {
  emit commActionTriggered(data);
}

void MenuHandler::setupProvider(bool communications) {
  m_provider->setAcceptedActions(communications ? kCommsIds : kOrdinaryIds, false);
}

void MenuHandler::setAddMenuVisible(bool visible) {
  m_addMenuVisible = visible;
  emit addMenuVisibleChanged();
}

void MenuHandler::addMenuAboutToHide() { setAddMenuVisible(false); }

void MenuHandler::setActionChecked(int menuId, bool checked) {
  QAction* a = m_menuActions ? m_menuActions->action(menuId) : nullptr;
  if (!a) return;
  a->setCheckable(true);
  a->setChecked(checked);
}

void MenuHandler::openApplicationMenu() {
  if (m_applicationMenu) m_applicationMenu->hide();
  if (!m_menuActions) return;
  QMenu* menu = m_menuActions->contextMenu(1);
  if (!menu) return;
  m_applicationMenu = menu;
  menu->setWindowOpacity(0.9);
  emit openMenu(menu);
}

QAction* MenuHandler::createAddRoomAction(QObject* parent) {
  if (!m_config || !m_config->getBool(ConfigId::ProjectRooms) ||
      !m_config->getBool(ConfigId::RoomsMayBeAdded))
    return nullptr;
  auto* add = new QAction(tr("Add Room"), parent);
  if (m_comms) connect(add, SIGNAL(triggered()), m_comms, SLOT(createChat()));
  RAZ::Actions::Action* chat = m_provider->getActionById(Action::Chat);
  RAZ::Sessions::SubSession* xmpp =
      m_session ? m_session->subSession(RAZ::Sessions::SubSession::TypeXmpp) : nullptr;
  add->setEnabled(chat && chat->isEnabledByEnablers() && xmpp && xmpp->isConnected());
  return add;
}

void MenuHandler::showAddMenu() {
  setupProvider(false);
  auto* menu = new QMenu();
  QAction* contact = menu->addAction(tr("Add Contact"));
  connect(contact, SIGNAL(triggered()), this, SIGNAL(addContactTriggered()));
  QAction* conference = menu->addAction(tr("Add Conference Contact"));
  if (m_factory) connect(conference, SIGNAL(triggered()), m_factory, SLOT(showContactCard()));
  menu->addSeparator();
  QAction* group = menu->addAction(tr("Add Group"));
  connect(group, SIGNAL(triggered()), this, SIGNAL(addGroupTriggered()));
  if (QAction* room = createAddRoomAction(menu)) {
    menu->addSeparator();
    menu->addAction(room);
  }
  RAZ::Actions::Action* add = m_provider->getActionById(Action::AddContact);
  if (!add || !add->isEnabledByEnablers()) {
    contact->setEnabled(false);
    conference->setEnabled(false);
    group->setEnabled(false);
  }
  connect(menu, SIGNAL(aboutToHide()), this, SLOT(addMenuAboutToHide()));
  setAddMenuVisible(true);
  emit openMenu(menu);
}

void MenuHandler::showMyRoomMenu(bool forLeftPaneIcon) {
  auto* menu = new QMenu();
  connect(menu->addAction(tr("Join My Room")), SIGNAL(triggered()), this, SIGNAL(startMyRoom()));
  connect(menu->addAction(tr("Copy My Room Invitation")), SIGNAL(triggered()), this,
          SIGNAL(copyMyRoomInvitation()));
  QAction* preferences =
      m_menuActions ? m_menuActions->action(Providers::MenuActionProvider::Preferences) : nullptr;
  if (m_config && m_config->getBool(ConfigId::CallsOnThisClient) &&
      !m_config->getBool(ConfigId::MyRoomByService) && preferences) {
    QAction* configure = menu->addAction(tr("Configure My Room"));
    QPointer<QAction> target(preferences);
    connect(configure, &QAction::triggered, this, [target] {
      if (!target) return;
      target->setProperty("tab", 3);
      target->trigger();
    });
  }
  if (forLeftPaneIcon) {
    if (QAction* room = createAddRoomAction(menu)) {
      menu->addSeparator();
      menu->addAction(room);
    }
  }
  emit openMenu(menu);
}

void MenuHandler::showOptionsMenu() {
  auto* menu = new QMenu();
  m_optionsMenu = menu;
  if (m_menuActions) {
    m_menuActions->fillParkedCallMenu(menu, nullptr);
    for (int id :
         {Providers::MenuActionProvider::TestCall, Providers::MenuActionProvider::CallSettings,
          Providers::MenuActionProvider::Preferences})
      if (QAction* a = m_menuActions->action(id)) menu->addAction(a);
    if (QAction* a = m_menuActions->action(Providers::MenuActionProvider::AlwaysOnTop)) {
      menu->addSeparator();
      menu->addAction(a);
    }
    if (QAction* help = m_menuActions->action(Providers::MenuActionProvider::Help)) {
      menu->addSeparator();
      menu->addAction(help);
    }
  }
  connect(menu, SIGNAL(destroyed()), this, SIGNAL(optionsMenuVisibleChanged()),
          Qt::QueuedConnection);
  emit optionsMenuVisibleChanged();
  emit openMenu(menu);
}

void MenuHandler::showHistoryMenu() {
  auto* menu = new QMenu();
  connect(menu->addAction(tr("Clear All Missed")), SIGNAL(triggered()), this,
          SIGNAL(clearMissedHistory()));
  menu->addSeparator();
  connect(menu->addAction(tr("Clear Missed Chats")), SIGNAL(triggered()), this,
          SIGNAL(clearMissedChats()));
  connect(menu->addAction(tr("Clear Missed Calls")), SIGNAL(triggered()), this,
          SIGNAL(clearMissedCalls()));
  emit openMenu(menu);
}

void MenuHandler::showContactsMenu() {
  if (!m_menuActions) return;
  emit openMenu(m_menuActions->fillSortMenu(nullptr));
}

void MenuHandler::showOwnContactMenu(bool showAvailabilityMenu) {
  auto* menu = new QMenu();
  PresenceHelper* presence = m_factory ? m_factory->presenceHelper() : nullptr;
  if (presence && presence->getMenu() && showAvailabilityMenu) {
    // The availability menu stays the presence helper's: only shown here.
    menu->addMenu(presence->getMenu());
    menu->addSeparator();
  }
  QAction* change = menu->addAction(tr("Change Profile Photo"));
  connect(change, SIGNAL(triggered()), this, SIGNAL(changeAvatarTriggered()));
  QAction* clear = menu->addAction(tr("Clear Profile Photo"));
  connect(clear, SIGNAL(triggered()), this, SIGNAL(clearAvatarTriggered()));
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> store = contacts();
  RAZ::Contacts::IContact* own = store ? store->ownContact().data() : nullptr;
  if (own && own->presenceData() && !own->presenceData()->online()) {
    change->setEnabled(false);
    clear->setEnabled(false);
  }
  // The published location can be set here whatever it is now: an empty
  // one shows nowhere else to click.
  if (presence) {
    menu->addSeparator();
    connect(menu->addAction(tr("My Location...")), SIGNAL(triggered()), this,
            SIGNAL(myLocationTriggered()));
  }
  emit openMenu(menu);
}

void MenuHandler::showChatRoomMenu(QString roomJid, QString roomName) {
  if (!m_chatRoomActions) return;
  emit openMenu(m_chatRoomActions->createRoomMenu(roomJid, roomName));
}

void MenuHandler::openSearchFieldMenu() {
  setupProvider(false);
  m_provider->setActionSource(m_contactSelection);
  ActionsHelper helper(contacts(), m_factory);
  QMenu* menu = helper.createContextMenu(m_provider, nullptr, true, false, false, nullptr);
  if (m_textFieldActions) {
    menu->addSeparator();
    menu->addActions(m_textFieldActions->createActions(menu, false));
  }
  emit openMenu(menu);
}

void MenuHandler::openTextFieldMenu() {
  if (!m_textFieldActions) return;
  auto* menu = new QMenu();
  menu->addActions(m_textFieldActions->createActions(menu, false));
  emit openMenu(menu);
}

void MenuHandler::popupGroupMenu(QVariant v) {
  auto* group = qobject_cast<RAZ::Contacts::IGroup*>(v.value<QObject*>());
  if (!group) return;
  if (!group->hasMenu() && group->getId() != RAZ::Contacts::IGroup::FavouritesId) return;
  setupProvider(false);
  m_provider->setActionSource(group);
  ActionsHelper helper(contacts(), m_factory);
  emit openMenu(helper.createGroupMenu(m_provider));
}

void MenuHandler::showPopupMenu(bool forHistoryEntry, bool newComms) {
  TP_LOG("Utils::MenuHandler::showPopupMenu", TP::Core::Logging::LevelInformation) << "";
  if (m_contactSelection && m_activeSelection && !m_contactSelection->sources().isEmpty() &&
      !m_activeSelection->sources().isEmpty()) {
    showMixedPopupMenu();
    return;
  }
  setupProvider(false);
  m_provider->setActionSource(m_contactSelection);
  QList<QAction*> extra = selectionGroupActions(m_provider);
  ActionsHelper helper(contacts(), m_comms, m_factory);
  QMenu* menu =
      helper.createContextMenu(m_provider, &extra, false, forHistoryEntry, false, nullptr);
  for (QAction* a : qAsConst(extra)) a->setParent(menu);
  if (newComms && m_contactSelection && m_contactSelection->sources().size() == 1) {
    if (auto* entry =
            qobject_cast<RAZ::Models::TimelineEntry*>(m_contactSelection->sources().first())) {
      auto* seen = new QAction(tr("Mark as Seen"), menu);
      connect(seen, SIGNAL(triggered()), entry, SLOT(dismissUnreadMessages()));
      connect(seen, SIGNAL(triggered()), entry, SLOT(resetMissedCalls()));
      QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
      menu->insertAction(first, seen);
      menu->insertSeparator(first);
    }
  }
  emit openMenu(menu);
}

void MenuHandler::showMixedPopupMenu() {
  TP_LOG("Utils::MenuHandler::showMixedPopupMenu", TP::Core::Logging::LevelInformation) << "";
  if (!m_contactSelection || !m_activeSelection) return;
  auto* mixed =
      new RAZ::Actions::MixedSourceComposite(m_config, m_contactSelection, m_activeSelection, this);
  setupProvider(false);
  m_provider->setActionSource(mixed);
  ActionsHelper helper(contacts(), m_comms, m_factory);
  QMenu* menu = helper.createMenu(m_provider);
  connect(m_contactSelection, SIGNAL(sourceDestroyed()), menu, SLOT(close()));
  connect(m_activeSelection, SIGNAL(sourceDestroyed()), menu, SLOT(close()));
  connect(menu, SIGNAL(destroyed(QObject*)), mixed, SLOT(deleteLater()));
  emit openMenu(menu);
}

QList<QAction*> MenuHandler::sessionCallActions(RAZ::Controllers::CommunicationSession* session,
                                                QObject* parent) {
  using Entries = Utils::Actions::CommunicationsWindowMenuActions;
  Entries* entries = windowMenuActions(session);
  if (!entries) return {};
  QList<QAction*> out;
  auto* separator = new QAction(parent);
  separator->setSeparator(true);
  out << separator;
  out << entries->customActions(parent, session);
  if (QAction* record = entries->action(Entries::Record)) {
    out << record;
  } else {
    for (int id : {Entries::RecordToggle, Entries::RecordStop})
      if (QAction* a = entries->action(id)) out << a;
  }
  if (QAction* park = entries->action(Entries::Park)) out << park;
  return out;
}

Utils::Actions::CommunicationsWindowMenuActions* MenuHandler::windowMenuActions(
    RAZ::Controllers::CommunicationSession* session) const {
  if (!session || !m_commsWindowManager) return nullptr;
  return m_commsWindowManager->getMenuActionsForSession(session);
}

void MenuHandler::addWindowEntries(QMenu* menu, RAZ::Controllers::CommunicationSession* session,
                                   bool moreButtonClicked) {
  using Entries = Utils::Actions::CommunicationsWindowMenuActions;
  Entries* entries = windowMenuActions(session);
  if (!entries) return;
  QList<QAction*> top;
  if (!moreButtonClicked) {
    if (QAction* end = entries->action(Entries::End)) top << end;
    if (session->callActive()) {
      for (int id : {Entries::Hold, Entries::Mute})
        if (QAction* a = entries->action(id)) top << a;
    }
  } else if (session->chatActive()) {
    if (QAction* chat = ActionsHelper::createActionById(Action::Chat, m_provider, menu, true))
      top << chat;
  }
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
  QAction* separator = menu->insertSeparator(first);
  menu->insertActions(separator, top);
  if (QAction* show = entries->action(Entries::ShowWindow)) {
    menu->addSeparator();
    menu->addAction(show);
  }
}

void MenuHandler::showActiveCommsPopupMenu(bool moreButtonClicked) {
  TP_LOG("Utils::MenuHandler::showActiveCommsPopupMenu", TP::Core::Logging::LevelInformation) << "";
  if (!moreButtonClicked && m_contactSelection && m_activeSelection &&
      !m_contactSelection->sources().isEmpty() && !m_activeSelection->sources().isEmpty()) {
    showMixedPopupMenu();
    return;
  }
  setupProvider(true);
  m_provider->setActionSource(m_activeSelection);
  int separatorIndex = -1;
  ActionsHelper helper(contacts(), m_comms, m_factory);
  QMenu* menu = helper.createContextMenu(m_provider, nullptr, false, false, true, &separatorIndex);
  m_activeCommsMenu = menu;
  const QList<QObject*> selected =
      m_activeSelection ? m_activeSelection->sources() : QList<QObject*>();
  auto* session = selected.size() == 1
                      ? qobject_cast<RAZ::Controllers::CommunicationSession*>(selected.first())
                      : nullptr;
  if (session) {
    const QList<QAction*> calls = sessionCallActions(session, menu);
    if (!calls.isEmpty()) {
      QAction* before = separatorIndex >= 0 && separatorIndex < menu->actions().size()
                            ? menu->actions().at(separatorIndex)
                            : nullptr;
      auto* separator = new QAction(menu);
      separator->setSeparator(true);
      menu->insertAction(before, separator);
      menu->insertActions(before, calls);
    }
    addWindowEntries(menu, session, moreButtonClicked);
    connect(session, SIGNAL(destroyed(QObject*)), menu, SLOT(close()));
  } else if (m_activeSelection) {
    connect(m_activeSelection, SIGNAL(sourceDestroyed()), menu, SLOT(close()));
  }
  connect(menu, SIGNAL(destroyed()), this, SIGNAL(activeCommsMenuVisibleChanged()),
          Qt::QueuedConnection);
  emit activeCommsMenuVisibleChanged();
  emit openMenu(menu);
}

QList<QAction*> MenuHandler::selectionGroupActions(RAZ::Actions::Provider* provider) {
  auto* selection = qobject_cast<RAZ::Actions::ContactSourceComposite*>(
      provider ? static_cast<QObject*>(provider->getActionSource()) : nullptr);
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> store = contacts();
  if (!selection || selection->sources().isEmpty() || !store) return {};
  const QList<RAZ::Contacts::IGroup*> groups = store->groups();
  const QList<QObject*> sources = selection->sources();
  if (sources.size() == 1) {
    auto* contact = qobject_cast<RAZ::Contacts::IContact*>(sources.first());
    if (contact && !contact->isTemporary() && !contact->isSearchResult())
      return contactGroupActions(contact, groups);
    return {};
  }
  if (groups.isEmpty()) return {};
  // Temporary contacts (first flag) that are not search results cannot be
  // put into groups together with others.
  for (QObject* o : sources)
    if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(o))
      if (c->isTemporary() && !c->isSearchResult()) return {};
  return contactsGroupActions(sources, groups);
}

QList<QAction*> MenuHandler::contactGroupActions(RAZ::Contacts::IContact* contact,
                                                 const QList<RAZ::Contacts::IGroup*>& groups) {
  auto* add = new QAction(tr("Add to Group"), this);
  auto* remove = new QAction(tr("Remove from Group"), this);
  auto* addMenu = new QMenu();
  auto* removeMenu = new QMenu();
  connect(add, SIGNAL(destroyed()), addMenu, SLOT(deleteLater()));
  connect(remove, SIGNAL(destroyed()), removeMenu, SLOT(deleteLater()));
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> store = contacts();
  if (store && !store->isReadOnly()) {
    const QList<int> member = contact->getGroupIds();
    for (RAZ::Contacts::IGroup* g : groups) {
      if (g->getId() == RAZ::Contacts::IGroup::AllContactsId ||
          g->getId() == RAZ::Contacts::IGroup::FavouritesId)
        continue;
      const bool in = member.contains(g->getId());
      auto* entry = new QAction(in ? removeMenu : addMenu);
      entry->setIconText(g->getName());
      entry->setText(QString(g->getName()).replace(QLatin1Char('&'), QLatin1String("&&")));
      entry->setData(g->getId());
      entry->setProperty("CONTACT_ID", contact->getId());
      if (m_factory)
        connect(entry, SIGNAL(triggered()), m_factory,
                in ? SLOT(removeFromGroupTriggered()) : SLOT(addToGroupTriggered()));
      (in ? removeMenu : addMenu)->addAction(entry);
    }
  }
  add->setMenu(addMenu);
  remove->setMenu(removeMenu);
  add->setEnabled(!addMenu->isEmpty());
  remove->setEnabled(!removeMenu->isEmpty());
  return {add, remove};
}

QList<QAction*> MenuHandler::contactsGroupActions(const QList<QObject*>& sources,
                                                  const QList<RAZ::Contacts::IGroup*>& groups) {
  QList<int> common;
  bool first = true;
  for (QObject* o : sources) {
    auto* c = qobject_cast<RAZ::Contacts::IContact*>(o);
    if (!c) continue;
    const QList<int> ids = c->getGroupIds();
    if (first) {
      common = ids;
      first = false;
    } else {
      for (int i = common.size() - 1; i >= 0; --i)
        if (!ids.contains(common.at(i))) common.removeAt(i);
    }
    if (common.isEmpty()) break;
  }
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> store = contacts();
  const bool readOnly = !store || store->isReadOnly();
  auto* add = new QAction(tr("Add to Group"), this);
  auto* remove = new QAction(tr("Remove from Group"), this);
  if (readOnly) {
    add->setEnabled(false);
    remove->setEnabled(false);
  } else {
    auto* addMenu = new QMenu();
    auto* removeMenu = new QMenu();
    connect(add, SIGNAL(destroyed()), addMenu, SLOT(deleteLater()));
    connect(remove, SIGNAL(destroyed()), removeMenu, SLOT(deleteLater()));
    for (RAZ::Contacts::IGroup* g : groups) {
      if (g->getId() == RAZ::Contacts::IGroup::AllContactsId ||
          g->getId() == RAZ::Contacts::IGroup::FavouritesId)
        continue;
      const bool in = common.contains(g->getId());
      auto* entry = new QAction(in ? removeMenu : addMenu);
      entry->setIconText(g->getName());
      entry->setText(QString(g->getName()).replace(QLatin1Char('&'), QLatin1String("&&")));
      entry->setData(g->getId());
      connect(entry, SIGNAL(triggered()), this,
              in ? SLOT(removeContactsFromGroupTriggered()) : SLOT(addContactsToGroupTriggered()));
      (in ? removeMenu : addMenu)->addAction(entry);
    }
    add->setMenu(addMenu);
    remove->setMenu(removeMenu);
    add->setEnabled(!addMenu->isEmpty());
    remove->setEnabled(!removeMenu->isEmpty());
  }
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  auto* removeContacts = new QAction(tr("Remove Contacts"), this);
  removeContacts->setEnabled(!readOnly);
  connect(removeContacts, SIGNAL(triggered()), this, SIGNAL(removeContactsTriggered()));
  return {add, remove, separator, removeContacts};
}

void MenuHandler::addContactsToGroupTriggered() {
  if (auto* a = qobject_cast<QAction*>(sender())) emit addContactsToGroup(a->data().toInt());
}

void MenuHandler::removeContactsFromGroupTriggered() {
  if (auto* a = qobject_cast<QAction*>(sender())) emit removeContactsFromGroup(a->data().toInt());
}

}  // namespace Utils

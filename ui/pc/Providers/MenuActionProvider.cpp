#include "Providers/MenuActionProvider.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"

namespace Providers {

MenuActionProvider::MenuActionProvider(QObject* parent) : RAZ::Actions::Source(parent) {
  m_acceptedIds << RAZ::Actions::Action::RetrieveParkedCallHere
                << RAZ::Actions::Action::RetrieveParkedCallOnPhone << RAZ::Actions::Action::PullCall
                << RAZ::Actions::Action::AddContact << RAZ::Actions::Action::TestCall;
}

MenuActionProvider::~MenuActionProvider() {
  delete m_provider;
  m_provider = nullptr;
}

QList<RAZ::Actions::ActionData> MenuActionProvider::getActions() const {
  QList<RAZ::Actions::ActionData> out;
  for (RAZ::Actions::Action::Id id : m_acceptedIds) out << RAZ::Actions::ActionData(id);
  return out;
}

int MenuActionProvider::getSourceType() const { return RAZ::Actions::Source::MenuType; }
void MenuActionProvider::setupMenuBar(int) {}
QMenu* MenuActionProvider::menuBar() { return nullptr; }

void MenuActionProvider::retranslate() {
  for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it)
    it.value()->setText(menuText(it.key()));
}

QString MenuActionProvider::menuText(int id) const {
  const bool bothParked =
      m_actions.contains(RetrieveParkedCallHere) && m_actions.contains(RetrieveParkedCallPhone);
  switch (id) {
    case About:
      return tr("About");
    case Preferences:
      return tr("Preferences...");
    case CallSettings:
      return tr("Call Settings...");
    case OpenApplication:
      return tr("Open Application");
    case AddContact:
      return tr("Add Contact");
    case RetrieveParkedCallHere:
      return bothParked
                 ? tr("With %1").arg(QCoreApplication::applicationName(), 0, QLatin1Char(' '))
                 : tr("Retrieve Parked Call");
    case RetrieveParkedCallPhone:
      return bothParked ? tr("With Phone") : tr("Retrieve Parked Call");
    case PullCall:
      return tr("Pull Call");
    case SortByFirstName:
      return tr("Sort by First Name");
    case SortByLastName:
      return tr("Sort by Last Name");
    case ShowOfflineContacts:
      return tr("Show Offline Contacts");
    case ShowFavoritesGroup:
      return tr("Show Favorites Group");
    case ShowProfilePhotos:
      return tr("Show Profile Photos");
    case ShowStatus:
      return tr("Show Status");
    case SignOut:
      return tr("Sign Out");
    case Exit:
      return tr("Exit");
    case Help:
      return tr("Help");
    case AlwaysOnTop:
      return tr("Always on Top");
    case TestCall:
      return tr("Test Call");
    default:
      return QString();
  }
}

QAction* MenuActionProvider::createAction(int id) { return insertAction(id, new QAction(this)); }

QAction* MenuActionProvider::insertAction(int id, QAction* action) {
  if (!action) return nullptr;
  switch (id) {
    case About:
      action->setMenuRole(QAction::AboutRole);
      break;
    case Preferences:
      action->setMenuRole(QAction::PreferencesRole);
      action->setShortcut(QKeySequence(QKeySequence::Preferences));
      action->setShortcutContext(Qt::ApplicationShortcut);
      break;
    case CallSettings:
      action->setMenuRole(QAction::ApplicationSpecificRole);
      break;
    case Exit: {
      // Desktops whose conventions name no quit key (Windows' among them)
      // still get the one the menu shows beside Exit.
      QKeySequence quit(QKeySequence::Quit);
      if (quit.isEmpty()) quit = QKeySequence(Qt::CTRL + Qt::Key_Q);
      action->setShortcut(quit);
      // Quitting is the program's, not one window's: it works in
      // Preferences and the call and chat windows as in the main one.
      action->setShortcutContext(Qt::ApplicationShortcut);
      break;
    }
    case Help:
      action->setShortcut(QKeySequence(QKeySequence::HelpContents));
      action->setShortcutContext(Qt::ApplicationShortcut);
      break;
    case AlwaysOnTop:
      action->setMenuRole(QAction::ApplicationSpecificRole);
      break;
    case SortByFirstName:
    case SortByLastName:
    case ShowOfflineContacts:
    case ShowFavoritesGroup:
    case ShowProfilePhotos:
    case ShowStatus:
      action->setCheckable(true);
      break;
    default:
      break;
  }
  if (QAction* old = m_actions.take(id)) {
    if (old != action) delete old;
  }
  if (action->parent() != this) action->setParent(this);
  m_actions.insert(id, action);
  return action;
}

bool MenuActionProvider::removeAction(int id) {
  QAction* action = m_actions.take(id);
  if (!action) return false;
  delete action;
  return true;
}

QAction* MenuActionProvider::action(int id) const { return m_actions.value(id, nullptr); }

void MenuActionProvider::createCallActions(RAZ::Sessions::SessionManagerBase* session) {
  for (int id : {CallSettings, RetrieveParkedCallHere, RetrieveParkedCallPhone, PullCall, TestCall})
    removeAction(id);
  if (!session) {
    retranslate();
    return;
  }
  // The call settings are edited through the session's XSI engine.
  if (session->xsiEngine()) createAction(CallSettings);
  const RAZ::Configuration::Config* config = session->configuration();
  if (config && config->getBool(Utils::ConfigId::ParkedCallRetrieval)) {
    const bool others = config->getBool(Utils::ConfigId::OtherDevicesTakeCalls);
    const bool here = config->getBool(Utils::ConfigId::CallsOnThisClient);
    if (others) createAction(RetrieveParkedCallPhone);
    if (here) createAction(RetrieveParkedCallHere);
  }
  const bool here = config && config->getBool(Utils::ConfigId::CallsOnThisClient);
  if (here && config->getBool(Utils::ConfigId::CallPull)) createAction(PullCall);
  if (here && config->getBool(Utils::ConfigId::TestCall)) createAction(TestCall);
  retranslate();
}

void MenuActionProvider::createContactListActions(RAZ::Sessions::SessionManagerBase* session) {
  for (int id : {SortByFirstName, SortByLastName, ShowFavoritesGroup}) removeAction(id);
  const RAZ::Configuration::Config* config = session ? session->configuration() : nullptr;
  if (config && config->getBool(Utils::ConfigId::XmppPresenceAndChat)) {
    for (int id : {ShowOfflineContacts, ShowProfilePhotos, ShowStatus}) removeAction(id);
    for (int id : {ShowOfflineContacts, ShowProfilePhotos, ShowStatus}) createAction(id);
  }
  for (int id : {SortByFirstName, SortByLastName, ShowFavoritesGroup}) createAction(id);
  retranslate();
}

void MenuActionProvider::linkActionProvider(RAZ::Actions::Provider* provider) {
  if (m_provider != provider) delete m_provider;
  m_provider = provider;
  if (!m_provider) return;
  m_provider->setAcceptedActions(m_acceptedIds, false);
  const QList<QPair<int, RAZ::Actions::Action::Id>> links = {
      {RetrieveParkedCallHere, RAZ::Actions::Action::RetrieveParkedCallHere},
      {RetrieveParkedCallPhone, RAZ::Actions::Action::RetrieveParkedCallOnPhone},
      {PullCall, RAZ::Actions::Action::PullCall},
      {AddContact, RAZ::Actions::Action::AddContact},
      {TestCall, RAZ::Actions::Action::TestCall}};
  for (const auto& link : links) {
    if (QAction* a = action(link.first)) m_provider->linkQAction(a, link.second);
  }
  m_provider->setActionSource(this);
}

void MenuActionProvider::installHelpShortcut(QWidget* window) {
  if (!window) return;
  QAction* help = action(Help);
  if (!help) return;
  auto* shortcut = new QShortcut(QKeySequence(QKeySequence::HelpContents), window, nullptr, nullptr,
                                 Qt::ApplicationShortcut);
  connect(shortcut, SIGNAL(activated()), help, SIGNAL(triggered()));
}

QMenu* MenuActionProvider::fillSortMenu(QMenu* menu) {
  if (!menu) menu = new QMenu(tr("Sort Contacts"));
  RAZ::Settings user(RAZ::Settings::User);
  const bool firstName =
      user.value(Utils::SettingsKey::ContactListSort).toString() == QLatin1String("first name");
  auto add = [&](int id, bool checked) {
    if (QAction* a = action(id)) {
      a->setChecked(checked);
      menu->addAction(a);
    }
  };
  add(SortByFirstName, firstName);
  add(SortByLastName, !firstName);
  menu->addSeparator();
  add(ShowOfflineContacts, user.value(Utils::SettingsKey::ShowOfflineContacts, true).toBool());
  add(ShowFavoritesGroup, user.value(Utils::SettingsKey::ShowFavoritesGroup, false).toBool());
  menu->addSeparator();
  add(ShowProfilePhotos, user.value(Utils::SettingsKey::ShowProfilePhotos, false).toBool());
  add(ShowStatus, user.value(Utils::SettingsKey::ShowPresenceStatus, false).toBool());
  return menu;
}

void MenuActionProvider::fillParkedCallMenu(QMenu* menu, QMenu* parkedCallMenu) {
  if (!menu) return;
  if (QAction* pull = action(PullCall)) menu->addAction(pull);
  QAction* here = action(RetrieveParkedCallHere);
  QAction* phone = action(RetrieveParkedCallPhone);
  if (here && phone) {
    QMenu* sub = parkedCallMenu ? parkedCallMenu : new QMenu(tr("Retrieve Parked Call"), menu);
    sub->addAction(here);
    sub->addAction(phone);
    menu->addMenu(sub);
    menu->addSeparator();
  } else {
    if (here)
      menu->addAction(here);
    else if (phone)
      menu->addAction(phone);
    menu->addSeparator();
  }
}

MenuActionProviderWin::MenuActionProviderWin(QObject* parent) : MenuActionProvider(parent) {}
MenuActionProviderWin::~MenuActionProviderWin() = default;

QMenu* MenuActionProviderWin::contextMenu(int) {
  auto* menu = new QMenu();
  auto* parked = new QMenu(tr("Retrieve Parked Call"), menu);
  auto* sort = new QMenu(tr("Sort Contacts"), menu);
  fillParkedCallMenu(menu, parked);
  fillSortMenu(sort);
  if (!sort->actions().isEmpty()) menu->addMenu(sort);
  if (QAction* a = action(CallSettings)) menu->addAction(a);
  if (QAction* a = action(Preferences)) menu->addAction(a);
  if (QAction* a = action(AlwaysOnTop)) {
    menu->addSeparator();
    menu->addAction(a);
  }
  menu->addSeparator();
  if (QAction* a = action(About)) menu->addAction(a);
  if (QAction* a = action(Help)) menu->addAction(a);
  menu->addSeparator();
  if (QAction* a = action(SignOut)) menu->addAction(a);
  if (QAction* a = action(Exit)) menu->addAction(a);
  connect(menu, SIGNAL(aboutToHide()), menu, SLOT(deleteLater()));
  return menu;
}

}  // namespace Providers

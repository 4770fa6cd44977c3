#include "libqml/components/MainWindow.h"

#include <QItemSelectionModel>

#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "Providers/Factory.h"
#include "Providers/MenuActionProvider.h"
#include "Utils/MainView.h"
#include "Utils/MenuHandler.h"
#include "Utils/SelectionHandlerBase.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "dialogs/GroupNameInput.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/MainWindowShared.h"

namespace QML {

// --- contact-list options ---

void MainWindow::contactSortByFirstNameTriggered() { sortContactsBy(0); }

void MainWindow::contactSortByLastNameTriggered() { sortContactsBy(1); }

void MainWindow::sortContactsBy(int field) {
  const bool lastName = field == 1;
  if (m_directoryFilter) m_directoryFilter->setPrimaryField(field);
  setUserValue(Utils::SettingsKey::ContactListSort,
               lastName ? QStringLiteral("last name") : QStringLiteral("first name"));
  if (m_groups && m_activeView == Utils::MainView::name(Utils::MainView::Contacts))
    m_groups->setSortField(field);
  m_menuHandler->setActionChecked(Providers::MenuActionProvider::SortByFirstName, !lastName);
  m_menuHandler->setActionChecked(Providers::MenuActionProvider::SortByLastName, lastName);
  emit primarySortFieldChanged();
}

void MainWindow::showOfflineContactsTriggered(bool show) {
  m_contactSelection->clear();
  if (m_groups)
    m_groups->setFilter(show ? 0 : RAZ::Contacts::ContactGroupsModel::HideOfflineFilter);
  setUserValue(Utils::SettingsKey::ShowOfflineContacts, show);
  m_showOfflineContacts = show;
  emit showOfflineContactsChanged();
}

void MainWindow::showFavoritesGroupTriggered(bool show) {
  m_contactSelection->clear();
  if (m_session && m_session->contactsManager())
    m_session->contactsManager()->showFavouritesGroup(show);
  setUserValue(Utils::SettingsKey::ShowFavoritesGroup, show);
  m_showFavorite = show;
  emit showFavoriteChanged();
}

void MainWindow::showStatusTriggered(bool show) {
  m_showStatus = show;
  setUserValue(Utils::SettingsKey::ShowPresenceStatus, show);
  emit showStatusChanged();
}

void MainWindow::alwaysOnTopTriggered() {
  const bool on = !user().value(Utils::SettingsKey::AlwaysOnTop, false).toBool();
  setAlwaysOnTop(on);
  setUserValue(Utils::SettingsKey::AlwaysOnTop, on);
  m_menuHandler->setActionChecked(Providers::MenuActionProvider::AlwaysOnTop, on);
}

// --- contacts and groups ---

QList<RAZ::Contacts::IContact*> MainWindow::selectedContacts() const {
  QList<RAZ::Contacts::IContact*> contacts;
  const auto selected = m_contactSelectionHandler->selection();
  for (QObject* object : selected)
    if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(object)) contacts << c;
  return contacts;
}

void MainWindow::addContactTriggered() {
  if (!m_factory) return;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_session ? m_session->contactsManager()
                : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  bool any = false;
  const auto picked = selectedContacts();
  for (RAZ::Contacts::IContact* c : picked) {
    if (!c->isSearchResult() && !c->isTemporary()) continue;
    any = true;
    RAZ::Contacts::ContactPtr existing = contacts ? contacts->getSimilarContact(c) : nullptr;
    if (!existing) {
      m_factory->showContactCard(false, c, false);
    } else {
      Dialogs::MessageWindow::showInformation(
          tr("Contact Already Exists"),
          tr("This person is already in your contact list under display name %1")
              .arg(existing->getDisplayName()),
          m_factory->isAlwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
    }
  }
  if (!any) m_factory->showContactCard(false, nullptr, false);
}

void MainWindow::addContactsToGroupTriggered(int group) {
  const auto picked = selectedContacts();
  for (RAZ::Contacts::IContact* c : picked) c->joinGroup(group);
}

void MainWindow::removeContactsFromGroupTriggered(int group) {
  const auto picked = selectedContacts();
  for (RAZ::Contacts::IContact* c : picked) c->leaveGroup(group);
}

void MainWindow::removeContactsTriggered() {
  // The question runs its own loop: keep watching what was selected.
  QList<QPointer<RAZ::Contacts::IContact>> chosen;
  const auto picked = selectedContacts();
  for (RAZ::Contacts::IContact* c : picked) chosen << c;
  if (chosen.isEmpty()) return;
  QPointer<MainWindow> self(this);
  const int answer = Dialogs::MessageWindow::question(
      tr("Confirm Deletion"),
      tr("Are you sure you want to remove the selected contacts from your contact list?"), true,
      m_factory && m_factory->isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No,
      nullptr, QDialogButtonBox::No, nullptr);
  if (answer != QDialog::Accepted || !self || !m_session || !m_session->contactsManager()) return;
  for (const QPointer<RAZ::Contacts::IContact>& c : qAsConst(chosen))
    if (c) m_session->contactsManager()->removeContact(c.data());
}

void MainWindow::displayAddGroup() {
  auto* input =
      new Widgets::GroupNameInput(QString(), m_factory && m_factory->isAlwaysOnTop(), nullptr);
  connect(input, SIGNAL(accepted(QString)), this, SLOT(groupDialogAccepted(QString)));
  connect(this, SIGNAL(destroyed()), input, SLOT(close()));
  // Groups live on the chat service: while it is away nothing can be added.
  if (RAZ::Sessions::SubSession* xmpp =
          m_session ? m_session->subSession(RAZ::Sessions::SubSession::TypeXmpp) : nullptr) {
    connect(xmpp, SIGNAL(online()), input, SLOT(enableAddGroup()));
    connect(xmpp, SIGNAL(offline()), input, SLOT(disableAddGroup()));
    if (!xmpp->isConnected()) input->disableAddGroup();
  }
  Utils::WindowManager::placeOver(input, this);
  input->show();
  input->raise();
  input->activateWindow();
}

void MainWindow::groupDialogAccepted(const QString& name) { addNewGroup(name); }

void MainWindow::addNewGroup(const QString& name) {
  if (m_session && m_session->contactsManager())
    m_session->contactsManager()->createGroup(name, {});
}

}  // namespace QML

#include "Providers/Factory.h"

#include <QApplication>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/ActionData.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include <QDialog>
#include <QMenu>
#include "Application.h"
#include "Utils/AggregationEnabler.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/MainWindow.h"

namespace Providers {

namespace {
bool configFlag(RAZ::Sessions::SessionManagerBase* session, int id) {
  const RAZ::Configuration::Config* config = session ? session->configuration() : nullptr;
  return config && config->getBool(id);
}
}  // namespace

Factory::Factory(RAZ::Sessions::SessionManagerBase* session,
                 RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                 Utils::CommunicationsWindowManager* commsWindowManager,
                 RAZ::Controllers::FtController* fileTransferController,
                 RAZ::Controllers::IChatController*, QObject* parent)
    : QObject(parent),
      m_session(session),
      m_fileTransferController(fileTransferController),
      m_commsWindowManager(commsWindowManager),
      m_contacts(contacts) {
  if (m_fileTransferController && m_commsWindowManager)
    connect(m_commsWindowManager,
            SIGNAL(startFileTransfer(RAZ::Controllers::ChatInterface*, const QString&)),
            m_fileTransferController,
            SLOT(startFileTransfer(RAZ::Controllers::ChatInterface*, const QString&)));
  m_aggregationEnabler = new Utils::AggregationEnabler(this);

  if (configFlag(session, Utils::ConfigId::PresenceEnabled) && m_contacts) {
    if (RAZ::Presence::PresenceData* own = m_contacts->ownPresence()) {
      m_presenceHelper = new Utils::PresenceHelper(own, this);
      connect(session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)),
              m_presenceHelper,
              SLOT(sessionReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
    }
    if (RAZ::Sessions::SubSession* xmpp =
            session->subSession(RAZ::Sessions::SubSession::TypeXmpp)) {
      connect(xmpp, SIGNAL(online()), this, SLOT(onXmppConnectStateChanged()));
      connect(xmpp, SIGNAL(offline()), this, SLOT(onXmppConnectStateChanged()));
      onXmppConnectStateChanged();
    }
  }
  if (session && session->commsSessionController())
    connect(session->commsSessionController(), SIGNAL(groupCommunicationError(int, bool)), this,
            SLOT(cbGroupCommunicationError(int, bool)));
}

Factory::~Factory() {
  // Cards still open belong to the session that ends.
  const QList<QObject*> cards = m_contactCards.values();
  m_contactCards.clear();
  for (QObject* card : cards) {
    disconnect(card, nullptr, this, nullptr);
    if (auto* w = qobject_cast<QWidget*>(card)) w->close();
    delete card;
  }
}

RAZ::Actions::Provider* Factory::createActionProvider(RAZ::Actions::Source* source) {
  auto* app = qobject_cast<Application*>(qApp);
  auto* provider = new RAZ::Actions::Provider(app ? app->getConfig() : nullptr, source);
  connect(provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)), this,
          SLOT(onActionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
  if (m_session && m_session->commsSessionController())
    connect(provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            m_session->commsSessionController(),
            SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
  connect(provider, SIGNAL(actionConfirmationRequired(RAZ::Actions::Action&)), this,
          SLOT(onActionConfirmationRequired(RAZ::Actions::Action&)));
  return provider;
}

RAZ::Sessions::SessionManagerBase* Factory::session() const { return m_session; }

bool Factory::isAlwaysOnTop() const {
  if (RAZ::Settings(RAZ::Settings::User).value(Utils::SettingsKey::AlwaysOnTop, false).toBool())
    return true;
  return m_commsWindowManager && m_commsWindowManager->isAnyWindowAlwaysOnTop();
}

void Factory::setAlwaysOnTop(bool onTop) {
  if (m_presenceHelper) m_presenceHelper->setAlwaysOnTop(onTop);
}

void Factory::showOutlookFirstRunDialog() {
  // Outlook is not offered on this platform: nothing to ask.
  emit outlookFirstRunQueryAccepted();
}

QString Factory::shownName(const QString& name) {
  return name.size() > 30 ? name.left(30) + QStringLiteral("...") : name;
}

void Factory::onActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source) {
  if (RAZ::Actions::Action::isCommunicationAction(data.getId())) return;
  QList<RAZ::Contacts::IContact*> contacts;
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(&source)) {
    for (QObject* o : composite->sources())
      if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(o)) contacts << c;
  } else if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(static_cast<QObject*>(&source))) {
    contacts << c;
  }
  if (contacts.size() != 1) return;
  RAZ::Contacts::IContact* contact = contacts.first();
  switch (data.getId()) {
    case 9:
      contact->setFavourite(true);
      break;
    case 10:
      contact->setFavourite(false);
      break;
    case 11:
      showContactCard(false, contact, false);
      break;
    case 12:
      showContactCard(false, contact, true);
      break;
    case 16:
      removeContact(contact);
      break;
    default:
      TP_LOG("Providers::Factory::onActionTriggered", TP::Core::Logging::LevelInformation)
          << "Action " << data.getId() << " is not handled here";
      break;
  }
}

void Factory::removeContact(RAZ::Contacts::IContact* contact) {
  if (!contact) return;
  QPointer<RAZ::Contacts::IContact> guard(contact);
  const int id = contact->getId();
  QString name = contact->getDisplayName();
  if (name.isEmpty()) name = contact->getJid();
  if (RAZ::Settings(RAZ::Settings::User)
          .value(Utils::SettingsKey::ConfirmRemoveContact, true)
          .toBool()) {
    const int result = Dialogs::MessageWindow::question(
        tr("Confirm Deletion"),
        tr("Are you sure you want to remove %1 from your contact list?").arg(shownName(name)), true,
        isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, nullptr,
        QDialogButtonBox::No, nullptr);
    if (result != QDialog::Accepted) return;
  }
  // The question runs its own loop: the session may have gone meanwhile.
  if (guard && m_contacts) m_contacts->removeContact(id);
}

void Factory::showContactCard(bool conference, RAZ::Contacts::IContact* c, bool edit) {
  if (c) {
    if (auto* open = qobject_cast<QML::ContactCard*>(m_contactCards.value(c->getId()))) {
      if (edit) open->setEditMode(true);
      open->raise();
      return;
    }
  }
  auto* card = new QML::ContactCard(
      conference, m_contacts, c, m_session ? m_session->configuration() : nullptr, this,
      m_session ? m_session->contactSearchController() : nullptr, isAlwaysOnTop(), nullptr);
  if (edit) card->setEditMode(true);
  card->activate();
  card->show();
  if (RAZ::Contacts::IContact* contact = card->getContact())
    m_contactCards.insert(contact->getId(), card);
  connect(card, SIGNAL(destroyed(QObject*)), this, SLOT(contactCardClosed(QObject*)));
  auto* app = qobject_cast<Application*>(qApp);
  if (app && app->mainWindow())
    connect(card, SIGNAL(contactAdded()), app->mainWindow(), SLOT(showContactList()));
}

void Factory::contactCardClosed(QObject* card) {
  for (auto it = m_contactCards.begin(); it != m_contactCards.end(); ++it) {
    if (it.value() == card) {
      m_contactCards.erase(it);
      return;
    }
  }
}

void Factory::cbGroupCommunicationError(int max, bool existingSession) {
  QString text;
  if (existingSession && max > 0)
    text = tr("Failed to add contacts to the communication. You cannot add more than %1 contacts "
              "to your group "
              "communication. Check your selection and try again.")
               .arg(max);
  else if (existingSession)
    text =
        tr("Failed to add contacts to the communication. You cannot add any more contacts to your "
           "group "
           "communication.");
  else
    text = tr("Initiating group communication failed. You cannot select more than %1 contacts to "
              "start a group "
              "communication with. Check your selection and try again.")
               .arg(max);
  Dialogs::MessageWindow::showInformation(tr("Error"), text, isAlwaysOnTop(), QDialogButtonBox::Ok,
                                          false, nullptr);
}

void Factory::showProfilePhotosTriggered(bool show) { m_showProfilePictures = show; }

void Factory::onActionConfirmationRequired(RAZ::Actions::Action& a) {
  TP_LOG("Providers::Factory::onActionConfirmationRequired", TP::Core::Logging::LevelInformation)
      << "Confirmation asked for action " << a.getId();
}

void Factory::onXmppConnectStateChanged() {
  if (!m_session || !m_presenceHelper || !m_presenceHelper->getMenu()) return;
  RAZ::Sessions::SubSession* xmpp = m_session->subSession(RAZ::Sessions::SubSession::TypeXmpp);
  m_presenceHelper->getMenu()->setEnabled(xmpp && xmpp->isConnected());
}

}  // namespace Providers

#include "Providers/Factory.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/ActionData.h>
#include <RAZ/Actions/Enablers.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/ContactSynchronizer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Parsers.h>
#include <RAZ/Xsi/SupplementaryServices.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/QmlProviders.h"
#include "Utils/AggregationEnabler.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SessionStateWatcherEnabler.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "dialogs/GroupNameInput.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/MainWindow.h"

namespace Providers {

namespace {
void checked(bool ok, const char* tag) {
  if (!ok)
    TP_LOG(tag, TP::Core::Logging::LevelError) << "___check___"
                                               << " failed";
}

// The contact a group menu entry was made for (its "CONTACT_ID"), if any.
RAZ::Contacts::ContactPtr contactOfGroupEntry(const QAction* entry,
                                              RAZ::Contacts::Contacts* contacts) {
  if (!entry || !contacts) return RAZ::Contacts::ContactPtr();
  bool ok = false;
  const int contactId = entry->property("CONTACT_ID").toInt(&ok);
  return ok ? contacts->getContact(contactId) : RAZ::Contacts::ContactPtr();
}
}  // namespace

bool Factory::configFlag(int id) const {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  return config && config->getBool(id);
}

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
  const RAZ::Configuration::Config* config = session ? session->configuration() : nullptr;
  m_sipUriParser = new RAZ::Utils::SipUriParser(config);
  m_configXml = new ConfigXML(this);
  m_profilePictureHelper = new ProfilePictureHelper(this);
  RAZ::MediaEngine::CallControllerBase* calls = session ? session->callController() : nullptr;
  if ((configFlag(Utils::ConfigId::CallsOnThisClient) || configFlag(Utils::ConfigId::VideoCalls)) &&
      calls && calls->GetMediaHandlerAudio())
    m_mediaVolumeHelper = new MediaVolumeHelper(calls->GetMediaHandlerAudio(), this);

  if (m_fileTransferController && m_commsWindowManager)
    connect(m_commsWindowManager,
            SIGNAL(startFileTransfer(RAZ::Controllers::ChatInterface*, QString)),
            m_fileTransferController,
            SLOT(startFileTransfer(RAZ::Controllers::ChatInterface*, QString)));
  if (session && session->xsiSupplementaryServicesController())
    connect(session->xsiSupplementaryServicesController(), SIGNAL(servicesReady()), this,
            SLOT(onSupplementaryServicesReady()));
  m_aggregationEnabler = new Utils::AggregationEnabler(this);

  m_deviceWatcher =
      new RAZ::Actions::DeviceWatcher(calls ? calls->GetMediaHandlerVideo() : nullptr, this);
  m_deviceWatcherEnabler = new RAZ::Actions::DeviceWatcherEnabler(this);
  m_deviceWatcherEnabler->init(m_deviceWatcher->deviceFound());
  connect(m_deviceWatcher, SIGNAL(deviceChanged(bool)), m_deviceWatcherEnabler,
          SLOT(cbDeviceChanged(bool)));

  m_sessionEnabler = new RAZ::Actions::SessionEnabler(config, this);
  if (session) {
    connect(session,
            SIGNAL(subSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                          const RAZ::Sessions::SubSession*,
                                          RAZ::Sessions::Session::State)),
            m_sessionEnabler,
            SLOT(subSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                        const RAZ::Sessions::SubSession*,
                                        RAZ::Sessions::Session::State)));
    connect(session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)),
            m_sessionEnabler,
            SLOT(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
  }

  m_contactModificationEnabler = new RAZ::Actions::ContactModificationEnabler(this);
  m_contactModificationEnabler->init(m_contacts && m_contacts->isReadOnly());
  if (m_contacts)
    connect(m_contacts.data(), SIGNAL(readOnlyChanged(bool)), m_contactModificationEnabler,
            SLOT(contactsReadOnlyChanged(bool)));

  m_callParkEnabler =
      new RAZ::Actions::CallParkEnabler(session ? session->xsiEngine() : nullptr, this);
  if (session && session->commsSessionController())
    session->commsSessionController()->setCallPark(m_callParkEnabler);
  connect(m_callParkEnabler, SIGNAL(enable(const RAZ::Actions::Enabler*)), this,
          SLOT(onCallParkEnabled(const RAZ::Actions::Enabler*)));

  if (configFlag(Utils::ConfigId::PresenceEnabled) && m_contacts) {
    if (RAZ::Presence::PresenceData* own = m_contacts->ownPresence()) {
      m_presenceHelper = new Utils::PresenceHelper(own, this);
      connect(session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)),
              m_presenceHelper,
              SLOT(sessionReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
      // Offline mode (the user chose Offline) also decides the menu's state.
      connect(own, SIGNAL(presenceChanged()), this, SLOT(onXmppConnectStateChanged()));
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
  // The services list may have come while the session opened, before this
  // hub existed: the call settings follow it all the same.
  if (session && session->xsiSupplementaryServicesController() &&
      session->xsiSupplementaryServicesController()->isReady())
    onSupplementaryServicesReady();
}

Factory::~Factory() {
  delete m_sipUriParser;
  // Cards still open belong to the session that ends. Their destruction
  // would edit the hash being walked: take it out first.
  const QList<QObject*> cards = m_contactCards.values();
  m_contactCards.clear();
  for (QObject* card : cards) {
    disconnect(card, nullptr, this, nullptr);
    if (auto* w = qobject_cast<QWidget*>(card)) w->close();
    delete card;
  }
}

RAZ::Actions::Provider* Factory::createActionProvider(QObject* parent) {
  auto* app = qobject_cast<Application*>(qApp);
  auto* provider = new RAZ::Actions::Provider(app ? app->getConfig() : nullptr, parent);
  connect(provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)), this,
          SLOT(onActionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
  if (m_session && m_session->commsSessionController())
    connect(provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            m_session->commsSessionController(),
            SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
  connect(provider, SIGNAL(actionConfirmationRequired(RAZ::Actions::Action&)), this,
          SLOT(onActionConfirmationRequired(RAZ::Actions::Action&)));
  provider->registerActionEnabler(m_sessionEnabler);
  provider->registerActionEnabler(m_deviceWatcherEnabler);
  provider->registerActionEnabler(m_contactModificationEnabler);
  if (m_webcollabEnabler) provider->registerActionEnabler(m_webcollabEnabler);
  provider->registerActionEnabler(m_callParkEnabler);
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

bool Factory::isOutlookFirstRunNeeded() const {
  const bool search = configFlag(Utils::ConfigId::OutlookContactSearch);
  const bool calendar = configFlag(Utils::ConfigId::OutlookCalendar);
  RAZ::Settings user(RAZ::Settings::User);
  return (search && !user.contains(QStringLiteral("settings/outlook_search_enabled"))) ||
         (calendar && !user.contains(QStringLiteral("settings/outlook_calendar_enabled")));
}

void Factory::showOutlookFirstRunDialog() {
  if (!isOutlookFirstRunNeeded()) {
    emit outlookFirstRunQueryAccepted();
    return;
  }
  Dialogs::MessageWindow* question = askAboutOutlook(
      tr("Outlook integration"),
      tr("If you have Outlook installed on your computer, you can allow the client to search your "
         "Outlook contacts and observe calendar events. To do this you need to allow %1 to access "
         "the information in Outlook.\n\nYou can change these settings later through Preferences "
         "in the General tab.\nAllow? "),
      SIGNAL(accepted(bool, bool)), SLOT(outlookQueryResponse(bool)));
  checked(connect(question, SIGNAL(messageAccepted(bool)), this,
                  SIGNAL(outlookFirstRunQueryAccepted())),
          "Providers::Factory::showOutlookFirstRunDialog");
}

Dialogs::MessageWindow* Factory::askAboutOutlook(const QString& title, const QString& text,
                                                 const char* answer, const char* serviceSlot) {
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      title, text.arg(QCoreApplication::applicationName()), isAlwaysOnTop(),
      QDialogButtonBox::Yes | QDialogButtonBox::No, false, false, nullptr);
  for (QObject* service : {m_session ? m_session->outlookCalendarService() : nullptr,
                           m_session ? m_session->outlookContactService() : nullptr})
    if (service)
      checked(connect(question, answer, service, serviceSlot),
              "Providers::Factory::askAboutOutlook");
  return question;
}

void Factory::showOutlookAcceptanceDialog(bool available) {
  if (!available) return;
  if (!isOutlookFirstRunNeeded()) {
    emit readyToProcessOutlook();
    return;
  }
  askAboutOutlook(
      tr("Outlook detected"),
      tr("Microsoft Outlook was detected in your system. %1 can include Outlook address book in "
         "your contacts search and update your availability based on your Outlook calendar "
         "entries.\n\nPlease note that you may be asked for additional permissions from Outlook "
         "if you proceed. These features can be enabled or disabled later in application "
         "preferences.\nDo you want to enable these features? "),
      SIGNAL(messageAccepted(bool)), SLOT(outlookCalendarChecked(bool)));
}

QString Factory::shownName(const QString& name) {
  return name.size() > 30 ? name.left(30) + QStringLiteral("...") : name;
}

QList<RAZ::Contacts::IContact*> Factory::contactsOf(RAZ::Actions::Source& source) const {
  QList<RAZ::Contacts::IContact*> contacts;
  if (source.getSourceType() == RAZ::Actions::Source::CommsCompositeType) {
    auto* comms = qobject_cast<RAZ::Actions::ActiveCommsSourceComposite*>(&source);
    const auto sourceList = comms ? comms->sources() : QList<QObject*>();
    for (QObject* o : sourceList)
      if (auto* s = qobject_cast<RAZ::Controllers::CommunicationSession*>(o))
        if (RAZ::Contacts::IContact* c = s->getContact()) contacts << c;
    return contacts;
  }
  if (auto* composite = qobject_cast<RAZ::Actions::ContactSourceComposite*>(&source)) {
    const auto sourceList = composite->sources();
    for (QObject* o : sourceList) {
      if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(o))
        contacts << c;
      else if (auto* e = qobject_cast<RAZ::Models::TimelineEntry*>(o))
        if (RAZ::Contacts::IContact* contact = e->getContact()) contacts << contact;
    }
    return contacts;
  }
  if (auto* c = qobject_cast<RAZ::Contacts::IContact*>(&source)) contacts << c;
  return contacts;
}

void Factory::onActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source) {
  if (RAZ::Actions::Action::isCommunicationAction(data.getId())) return;
  const QList<RAZ::Contacts::IContact*> contacts = contactsOf(source);
  if (contacts.size() != 1) return;
  RAZ::Contacts::IContact* contact = contacts.first();
  switch (data.getId()) {
    case RAZ::Actions::Action::SetFavourite:
      if (m_contacts) m_contacts->addToFavourites(contact->getId());
      break;
    case RAZ::Actions::Action::RemoveFavourite:
      if (m_contacts) m_contacts->removeFromFavourites(contact->getId());
      break;
    case RAZ::Actions::Action::ViewProfile:
      showContactCard(false, contact, false);
      break;
    case RAZ::Actions::Action::EditProfile:
      showContactCard(false, contact, true);
      break;
    case RAZ::Actions::Action::AddContact:
      if (contact->isTemporary()) syncContact(contact);
      if (m_contacts) m_contacts->addContact(contact, true, false);
      break;
    case RAZ::Actions::Action::Subscribe:
      contact->subscribe();
      break;
    case RAZ::Actions::Action::Unsubscribe:
      contact->unsubscribe();
      break;
    case RAZ::Actions::Action::Remove:
      removeContact(contact);
      break;
    default:
      break;
  }
}

void Factory::syncContact(RAZ::Contacts::IContact* contact) {
  if (!contact || !m_session) return;
  const QString identifier = contact->getIdentifier();
  if (identifier.isEmpty() ||
      !identifier.startsWith(contact->getDisplayName(), Qt::CaseInsensitive))
    return;
  auto* sync = new RAZ::Contacts::ContactSynchronizer(
      m_session->contactSearchController(), configFlag(Utils::ConfigId::XmppPresenceAndChat));
  connect(sync, SIGNAL(syncDone()), this, SLOT(onContactSynchronized()));
  connect(sync, SIGNAL(syncError()), sync, SLOT(deleteLater()));
  if (!sync->syncWithDirectory(contact, 0)) delete sync;
}

void Factory::onContactSynchronized() {
  auto* sync = qobject_cast<RAZ::Contacts::ContactSynchronizer*>(sender());
  if (!sync) return;
  if (RAZ::Contacts::IContact* contact = sync->contact()) {
    if (!sync->hasMultipleMatches()) {
      contact->setNickname(QString());
      contact->updateProperties(sync->getProperties(), QVariantMap(), false);
    }
  }
  sync->deleteLater();
}

void Factory::removeContact(RAZ::Contacts::IContact* contact) {
  if (!contact) return;
  // The question runs its own loop: the contact and the session may go.
  QPointer<RAZ::Contacts::IContact> guard(contact);
  QPointer<Factory> self(this);
  QString name = contact->getDisplayName();
  if (name.isEmpty()) name = contact->getIdentifier();
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
  if (self && guard && m_contacts) m_contacts->removeContact(guard.data());
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

void Factory::addToGroupTriggered() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (RAZ::Contacts::ContactPtr c = contactOfGroupEntry(entry, m_contacts.data()))
    c->joinGroup(entry->data().toInt());
}

void Factory::removeFromGroupTriggered() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (RAZ::Contacts::ContactPtr c = contactOfGroupEntry(entry, m_contacts.data()))
    c->leaveGroup(entry->data().toInt());
}

void Factory::editGroupTriggered() {
  auto* a = qobject_cast<QAction*>(sender());
  if (!a || !m_contacts) return;
  RAZ::Contacts::IGroup* group = m_contacts->getGroup(a->data().toInt());
  if (!group) return;
  auto* input = new Widgets::GroupNameInput(group->getName(), isAlwaysOnTop(), nullptr);
  connect(input, SIGNAL(accepted(QString)), group, SLOT(setName(QString)));
  connect(this, SIGNAL(destroyed()), input, SLOT(close()));
  // Over the window the rename was asked from (the main window's list).
  Utils::WindowManager::placeOver(input);
  input->show();
  input->raise();
  input->activateWindow();
}

void Factory::removeGroupTriggered() {
  auto* a = qobject_cast<QAction*>(sender());
  if (!a || !m_contacts) return;
  RAZ::Contacts::IGroup* group = m_contacts->getGroup(a->data().toInt());
  if (!group) return;
  if (!RAZ::Settings(RAZ::Settings::User)
           .value(QStringLiteral("settings/confirmations/removeGroup"), true)
           .toBool()) {
    m_contacts->removeGroup(group->getId());
    return;
  }
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      tr("Confirm Deletion"),
      tr("Are you sure you want to remove %1 group from your list?")
          .arg(shownName(group->getName())),
      isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, false, false, nullptr);
  question->setUserData(group->getId());
  connect(question, SIGNAL(messageAccepted(bool)), this, SLOT(removeGroupAccepted()));
}

void Factory::removeGroupAccepted() {
  auto* window = qobject_cast<Dialogs::MessageWindow*>(sender());
  if (!window || !m_contacts) return;
  m_contacts->removeGroup(window->userData().toInt());
}

void Factory::cbGroupCommunicationError(int max, bool existingSession) {
  QString text;
  if (existingSession && max > 0)
    text = tr("Failed to add contacts to the communication. You cannot add more than %1 contacts "
              "to your group communication. Check your selection and try again.")
               .arg(max, 0, 10);
  else if (existingSession)
    text =
        tr("Failed to add contacts to the communication. You cannot add any more contacts to "
           "your group communication.");
  else
    text = tr("Initiating group communication failed. You cannot select more than %1 contacts to "
              "start a group communication with. Check your selection and try again.")
               .arg(max, 0, 10);
  Dialogs::MessageWindow::showInformation(tr("Error"), text, isAlwaysOnTop(), QDialogButtonBox::Ok,
                                          false, nullptr);
}

void Factory::showProfilePhotosTriggered(bool show) {
  if (m_profilePictureHelper) m_profilePictureHelper->setShowProfilePictures(show);
}

void Factory::onSupplementaryServicesReady() {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  bool prerequisites = true;
  if (config)
    for (int id : Utils::ConfigId::CallSettingsRequirements)
      prerequisites = prerequisites && config->getBool(id);
  auto* watcher =
      new Utils::SessionStateWatcherEnabler(m_session, RAZ::Sessions::SubSession::TypeXsi, this);
  bool services = false;
  RAZ::Controllers::XsiSupplementaryServicesController2* xsi =
      m_session ? m_session->xsiSupplementaryServicesController() : nullptr;
  if (xsi && xsi->servicesCount() > 0 && prerequisites && config)
    for (int id : Utils::ConfigId::CallSettingsServices)
      if (config->getBool(id)) {
        services = true;
        break;
      }
  m_aggregationEnabler->setSourceEnabled(prerequisites && services, this);
  watcher->connectAggregation(m_aggregationEnabler);
}

void Factory::onActionConfirmationRequired(RAZ::Actions::Action& a) {
  if (a.getId() != 5) return;
  const QString text =
      configFlag(Utils::ConfigId::SeveralDesktopShares)
          ? tr("You have selected to start multiple shares. By selecting Yes you will stream your "
               "desktop in multiple communications. Note that ending one sharing session will not "
               "end all sharing session. Each session needs to be closed individually.")
          : tr("Starting a share will end ongoing share. Continue?");
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      tr("Confirm Share"), text, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No,
      false, false, nullptr);
  connect(question, SIGNAL(messageAccepted(bool)), &a, SLOT(trigger()));
  connect(question, SIGNAL(messageRejected(bool)), &a, SLOT(reject()));
}

void Factory::onCallParkEnabled(const RAZ::Actions::Enabler*) {}

void Factory::onXmppConnectStateChanged() {
  if (!m_session || !m_presenceHelper || !m_presenceHelper->getMenu()) return;
  RAZ::Sessions::SubSession* xmpp = m_session->subSession(RAZ::Sessions::SubSession::TypeXmpp);
  const bool connected = xmpp && xmpp->isConnected();
  // Offline mode: the user published Offline; the menu brings them back.
  m_presenceHelper->getMenu()->setEnabled(connected ||
                                          Utils::PresenceHelper::isOfflineMode(m_session));
}

}  // namespace Providers

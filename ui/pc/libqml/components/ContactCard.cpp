#include "libqml/components/ContactCard.h"

#include <QEvent>
#include <QQmlContext>
#include <QTimer>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/ActionData.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/ContactSynchronizer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Models/ContactCardFieldsModel.h"
#include "Models/RingerModel.h"
#include "Providers/Factory.h"
#include "Utils/ActionsHelper.h"
#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "libqml/window/View.h"

namespace QML {

using Models::FieldData;
namespace Key = RAZ::Contacts::Properties;

ContactCard::ContactCard(bool conference,
                         RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                         RAZ::Contacts::IContact* contact, const RAZ::Configuration::Config* config,
                         Providers::Factory* factory,
                         RAZ::Controllers::Search::ContactSearch* search, bool alwaysOnTop,
                         QWidget* parent)
    : Window(alwaysOnTop, parent),
      m_conference(conference),
      m_contacts(contacts),
      m_config(config),
      m_factory(factory) {
  setObjectName(QStringLiteral("contactCard"));
  QList<RAZ::Actions::Action::Id> accepted{RAZ::Actions::Action::Chat, RAZ::Actions::Action::Call,
                                           RAZ::Actions::Action::CallFromPhone,
                                           RAZ::Actions::Action::VideoCall};
  m_fromSearchResult = contact && contact->isSearchResult();
  if (contact && !contact->isTemporary() && !contact->isSearchResult()) {
    m_contact = contact;
  } else if (RAZ::Contacts::ContactPtr similar = m_contacts
                                                     ? m_contacts->getSimilarContact(contact, false)
                                                     : RAZ::Contacts::ContactPtr()) {
    // The person is in the list already: the card shows that contact.
    m_contact = similar.data();
  } else {
    RAZ::Contacts::IContact* made =
        m_contacts ? m_contacts->createContact(-1) : new RAZ::Contacts::IContact(-1, QVariantMap());
    made->setTemporary(true);
    if (contact) made->updateProperties(contact->getProperties(), QVariantMap(), false);
    if (conference) made->setProperty(Key::KeyConferenceMark, true);
    m_contact = made;
    m_ownsContact = true;
    accepted << RAZ::Actions::Action::AddContact;
    m_addMode = !contact;
  }
  m_jidGiven = m_contact && !m_contact->getJid().isEmpty();

  const bool syncing =
      (!contact || (!contact->isSearchResult() && !contact->isTemporary())) && !readOnlyMode();
  m_syncingPossible = syncing;
  if (syncing) {
    m_sync = new RAZ::Contacts::ContactSynchronizer(search, xmppEnabled(), this);
    connect(m_sync, SIGNAL(syncDone()), this, SLOT(onSyncDone()));
    if (!m_addMode) m_sync->syncWithDirectory(m_contact, 0);
  }

  m_fieldsModel = new Models::ContactCardFieldsModel(m_config, this);
  setWindowTitle();

  m_provider = m_factory ? m_factory->createActionProvider(this)
                         : new RAZ::Actions::Provider(m_config, this);
  m_provider->setAcceptedActions(accepted, false);
  m_provider->setActionSource(m_contact.data());
  connect(m_provider, SIGNAL(countChanged()), this, SIGNAL(canAddChanged()));
  if (RAZ::Actions::Action* add = m_provider->getActionById(RAZ::Actions::Action::AddContact))
    connect(add, SIGNAL(changed()), this, SIGNAL(canAddChanged()));

  if (m_contact) {
    connect(m_contact, SIGNAL(changed()), this, SLOT(setWindowTitle()));
    connect(m_contact, SIGNAL(changed()), this, SIGNAL(editsChanged()));
    if (RAZ::Presence::PresenceData* presence = m_contact->presenceData()) {
      connect(presence, SIGNAL(locationChanged()), this, SIGNAL(contactLocationChanged()));
      connect(presence, SIGNAL(presenceChanged()), this, SIGNAL(contactLocationChanged()));
    }
  }
  connect(m_provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
          this, SLOT(contactActionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));

  m_ringerModel = new Models::RingerModel(this);
  resize(345, 450);
  closeOnKeys(CloseKeys::CtrlWAndEscape);
}

ContactCard::~ContactCard() {
  // The scene goes while the window it reads is whole.
  deleteScene();
  // A contact the card made goes with it unless the list holds that very
  // object (adding lists a copy, so the made one is always the card's).
  if (m_contact && m_ownsContact &&
      (!m_contacts || m_contacts->getContact(m_contact->getId()).data() != m_contact.data()))
    delete m_contact.data();
}

bool ContactCard::readOnlyMode() const { return m_contacts && m_contacts->isReadOnly(); }

bool ContactCard::xmppEnabled() const {
  return m_config && m_config->value(Utils::ConfigId::XmppPresenceAndChat).toBool();
}

QObject* ContactCard::fieldsModelObject() const { return m_fieldsModel; }
QObject* ContactCard::contactObject() const { return m_contact.data(); }
RAZ::Contacts::IContact* ContactCard::getContact() const { return m_contact.data(); }

void ContactCard::setAddMode(bool on) {
  m_addMode = on;
  setWindowTitle();
  emit addModeChanged();
}

void ContactCard::setEditMode(bool on) {
  m_editMode = on;
  emit editModeChanged();
  QMetaObject::invokeMethod(this, "groupingsChanged", Qt::QueuedConnection);
}

QString ContactCard::helpContext() const {
  if (m_addMode)
    return m_conference ? QStringLiteral("addConference") : QStringLiteral("addContact");
  return QStringLiteral("editContact");
}

void ContactCard::setWindowTitle() {
  if (m_addMode && !readOnlyMode()) {
    setTitle(m_conference ? tr("Add Conference Contact") : tr("Add Contact"));
    return;
  }
  if (m_contact) setTitle(m_contact->getDisplayName());
}

void ContactCard::showEvent(QShowEvent* e) {
  Window::showEvent(e);
  // The scene settles the card's size as it is shown.
  Utils::WindowManager::keepOnScreen(this);
}

void ContactCard::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) setWindowTitle();
  Window::changeEvent(e);
}

bool ContactCard::activate() {
  QQmlContext* context = view()->rootContext();
  context->setContextProperty(
      QStringLiteral("presenceHelper"),
      QVariant::fromValue<QObject*>(m_factory ? m_factory->presenceHelper() : nullptr));
  context->setContextProperty(QStringLiteral("contact"), m_contact.data());
  context->setContextProperty(QStringLiteral("ringerModel"), m_ringerModel);
  const bool loaded = setSource(QStringLiteral("qrc:/windows/ContactCard/ContactCard.qml"));
  // Over the window it was opened from, on the screen.
  Utils::WindowManager::placeOver(this);
  return loaded;
}

int ContactCard::propertyKey(int fieldType) {
  switch (fieldType) {
    case FieldData::DisplayNameField:
      return Key::KeyDisplayName;
    case FieldData::FirstNameField:
      return Key::KeyFirstName;
    case FieldData::LastNameField:
      return Key::KeyLastName;
    case FieldData::WorkPhoneField:
      return Key::KeyWork;
    case FieldData::ExtensionField:
      return Key::KeyExtension;
    case FieldData::MobilePhoneField:
      return Key::KeyMobile;
    case FieldData::PersonalPhoneField:
      return Key::KeyPersonal;
    case FieldData::EmailField:
      return Key::KeyEmail;
    case FieldData::JidField:
      return Key::KeyJid;
    case FieldData::StreetField:
      return Key::KeyStreet;
    case FieldData::CityField:
      return Key::KeyCity;
    case FieldData::PostalCodeField:
      return Key::KeyPostalCode;
    case FieldData::CountryField:
      return Key::KeyCountry;
    case FieldData::ConferencePhoneField:
      return Key::KeyConference;
    case FieldData::ConferenceIdField:
      return Key::KeyConferenceId;
    case FieldData::ConferencePinField:
      return Key::KeySecurityPin;
    case FieldData::WebUrlField:
      return Key::KeyWeb;
    default:
      // The collaboration room is the service's: shown, never written.
      return -1;
  }
}

QString ContactCard::shortName(const QString& name) {
  return name.size() > 30 ? name.left(30) + QStringLiteral("...") : name;
}

QString ContactCard::fieldValue(int fieldType) const {
  const QString k = QString::number(fieldType);
  if (m_edits.contains(k)) return m_edits.value(k).toString();
  const int key = propertyKey(fieldType);
  if (!m_contact || key < 0) return QString();
  if (fieldType == FieldData::DisplayNameField && !m_addMode) return m_contact->getDisplayName();
  return m_contact->getProperty(key).toString();
}

void ContactCard::setFieldValue(int fieldType, const QString& value) {
  const QString k = QString::number(fieldType);
  const int key = propertyKey(fieldType);
  if (key < 0) return;
  const QString stored = m_contact ? m_contact->getProperty(key).toString() : QString();
  if (value == stored) {
    m_edits.remove(k);
  } else {
    m_edits.insert(k, value);
    if (m_addMode) m_typed = true;
  }
  emit editsChanged();
}

bool ContactCard::canEditField(int fieldType, bool rowEditable) const {
  if (!(m_editMode || m_addMode) || !rowEditable || readOnlyMode() || !m_contact) return false;
  if (propertyKey(fieldType) < 0) return false;
  // The IM address identifies the contact to the service: it is chosen when
  // the contact is added, and kept after.
  if (fieldType == FieldData::JidField && xmppEnabled()) return m_addMode && !m_jidGiven;
  return true;
}

bool ContactCard::anyFieldHasValue() const {
  for (int row = 0; row < m_fieldsModel->rowCount(); ++row)
    if (!fieldValue(m_fieldsModel->row(row)->type).trimmed().isEmpty()) return true;
  return false;
}

void ContactCard::applyEdits() {
  if (!m_contact || m_edits.isEmpty()) return;
  QVariantMap set;
  for (auto it = m_edits.constBegin(); it != m_edits.constEnd(); ++it) {
    const int key = propertyKey(it.key().toInt());
    if (key >= 0) set.insert(QString::number(key), it.value().toString().trimmed());
  }
  m_edits.clear();
  m_contact->updateProperties(set, QVariantMap(), true);
  emit editsChanged();
}

void ContactCard::save() {
  applyEdits();
  setEditMode(false);
}

void ContactCard::cancel() {
  m_edits.clear();
  m_typed = false;
  emit editsChanged();
  if (m_addMode) {
    m_closingAsked = true;
    close();
    return;
  }
  setEditMode(false);
}

QObject* ContactCard::actionsProviderObject() const { return m_provider; }

QString ContactCard::contactLocation() const {
  if (!m_contact || !m_contact->presenceData()) return QString();
  const RAZ::Utils::Location::Info info = m_contact->presenceData()->getLocationInfo();
  const QString place = Dialogs::LocationPublish::locationText(info);
  const QString time = Dialogs::LocationPublish::timeText(info);
  return (place + QStringLiteral("  ") + time).trimmed();
}

bool ContactCard::canAdd() const {
  if (!m_contact || !(m_addMode || m_contact->isTemporary())) return false;
  RAZ::Actions::Action* add =
      m_provider ? m_provider->getActionById(RAZ::Actions::Action::AddContact) : nullptr;
  return add && add->isEnabled();
}

QString ContactCard::actionText(int id) const {
  return Utils::ActionsHelper::actionText(id, m_provider, false);
}

bool ContactCard::triggerAction(int id) {
  return m_provider && m_provider->trigger(RAZ::Actions::Action::Id(id));
}

bool ContactCard::toggleFavourite() {
  if (!m_contact || !m_contacts || readOnlyMode() || m_contact->isTemporary() ||
      m_contact->isSearchResult())
    return false;
  return m_contact->isFavourite() ? m_contacts->removeFromFavourites(m_contact->getId())
                                  : m_contacts->addToFavourites(m_contact->getId());
}

void ContactCard::contactActionTriggered(RAZ::Actions::ActionData& action, RAZ::Actions::Source&) {
  if (action.getId() == RAZ::Actions::Action::AddContact) emit contactAdded();
}

void ContactCard::setSyncingPossible(bool on) {
  m_syncingPossible = on;
  emit syncingPossibleChanged();
}

void ContactCard::setImportFromDirectoryPossible(bool on) {
  if (on == m_importPossible) return;
  m_importPossible = on;
  emit importFromDirectoryPossibleChanged();
}

bool ContactCard::checkIfContactExists() {
  if (!m_contact || !m_contacts) return false;
  const QString jid = fieldValue(FieldData::JidField).trimmed();
  // An empty address matches every contact without one: nothing to compare.
  if (jid.isEmpty()) return false;
  RAZ::Contacts::ContactPtr other = m_contacts->getContactByJid(jid);
  if (!other || other.data() == m_contact.data() || other->isTemporary()) return false;
  Dialogs::MessageWindow* message = Dialogs::MessageWindow::showInformation(
      tr("Error Adding Contact"),
      tr("A contact in your contact list with the same IM Address has been found (%1). Please "
         "enter a different IM Address to add a new contact.")
          .arg(other->getDisplayName()),
      isAlwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
  if (message && !m_fromSearchResult && !m_contact->isSearchResult())
    connect(message, SIGNAL(messageAccepted(bool)), this, SLOT(clearContactJid()));
  return true;
}

void ContactCard::clearContactJid() {
  m_edits.remove(QString::number(FieldData::JidField));
  if (m_contact) m_contact->setProperty(Key::KeyJid, QString());
  emit editsChanged();
}

void ContactCard::trySyncing(int fieldType) {
  if (xmppEnabled() && fieldType == FieldData::JidField && checkIfContactExists()) return;
  if (!m_syncingPossible || !m_sync || !m_contact) return;
  // Only the numbers and addresses find a contact in the directory.
  switch (fieldType) {
    case FieldData::WorkPhoneField:
    case FieldData::ExtensionField:
    case FieldData::MobilePhoneField:
    case FieldData::PersonalPhoneField:
    case FieldData::EmailField:
    case FieldData::JidField:
      break;
    default:
      return;
  }
  // The directory is asked for what the contact holds: what was typed into
  // a new contact goes to it first (it is the card's own until added).
  if (m_addMode) applyEdits();
  m_sync->syncWithDirectory(m_contact, propertyKey(fieldType));
}

void ContactCard::onSyncDone() {
  if (!m_sync) return;
  if (m_sync->hasMultipleMatches()) {
    if (m_addPending) {
      addContact();
      return;
    }
    if (m_addMode)
      Dialogs::MessageWindow::showInformation(
          tr("Multiple Matches Found"),
          tr("Multiple matching contacts were found in Telephone Directory. To make sure you "
             "import the correct information, please search the directory by name and add a "
             "contact from the search results."),
          isAlwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
    return;
  }
  const QString mode =
      m_config ? m_config->value(Utils::ConfigId::DirectorySyncMode).toString() : QString();
  if (mode == QLatin1String("automatic"))
    matchFoundDialogAnswered(true);
  else if (m_addMode)
    importFromDirectory();
  else
    setImportFromDirectoryPossible(true);
  setSyncingPossible(false);
}

void ContactCard::importFromDirectory() {
  QString title;
  QString text;
  if (m_addMode) {
    const QVariantMap found = m_sync ? m_sync->getProperties() : QVariantMap();
    const QString first = found.value(QString::number(Key::KeyFirstName)).toString();
    const QString last = found.value(QString::number(Key::KeyLastName)).toString();
    title = tr("Match Found");
    text = xmppEnabled()
               ? tr("A matching contact with the same IM Address was found in Telephone "
                    "Directory. Do you want to overwrite this contact's information with the "
                    "information of %1 %2 from Telephone Directory?")
               : tr("A matching contact with the same contact information was found in "
                    "Telephone Directory. Do you want to overwrite this contact's information "
                    "with the information of %1 %2 from Telephone Directory?");
    text = text.arg(first, last);
  } else {
    title = tr("Import Information");
    text =
        tr("Do you want to overwrite this contact's information with the information from "
           "Telephone Directory?");
  }
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      title, text, isAlwaysOnTop(), QDialogButtonBox::No, false, false, nullptr);
  if (!question) return;
  question->addButton(tr("Overwrite"), QDialogButtonBox::YesRole);
  connect(question, SIGNAL(accepted(bool, bool)), this, SLOT(matchFoundDialogAnswered(bool)));
}

void ContactCard::matchFoundDialogAnswered(bool accepted) {
  if (accepted) {
    if (m_contact && m_sync) {
      const QVariantMap found = m_sync->getProperties();
      // What the directory brings replaces what was typed into those fields.
      for (int type = 0; type <= FieldData::CollabRoomField; ++type)
        if (found.contains(QString::number(propertyKey(type))))
          m_edits.remove(QString::number(type));
      // Told, so that the list and the card show the imported details.
      m_contact->updateProperties(found, QVariantMap(), true);
      emit editsChanged();
    }
    setImportFromDirectoryPossible(false);
    QMetaObject::invokeMethod(this, "groupingsChanged", Qt::QueuedConnection);
  } else if (m_addPending) {
    addContact();
  }
}

void ContactCard::addContact() {
  if (!m_contact) return;
  if (checkIfContactExists()) return;
  applyEdits();
  if (m_syncingPossible && m_sync && !m_addPending) {
    m_addPending = true;
    connect(m_sync, SIGNAL(syncError()), this, SLOT(addContact()), Qt::UniqueConnection);
    const bool started = m_sync->syncWithDirectory(m_contact, 0);
    setSyncingPossible(false);
    if (!started) closeAfterAdding();
    return;
  }
  closeAfterAdding();
}

void ContactCard::closeAfterAdding() {
  if (!m_contact) return;
  const int before = m_contacts ? m_contacts->contactIds().size() : 0;
  if (RAZ::Actions::Action* add =
          m_provider ? m_provider->getActionById(RAZ::Actions::Action::AddContact) : nullptr)
    add->trigger();
  // A refused add keeps the card and what was typed into it.
  if (!m_contacts || m_contacts->contactIds().size() <= before) {
    TP_LOG("QML::ContactCard::addContact", TP::Core::Logging::LevelWarning)
        << "The contact was not added to the list";
    showMessageBox(tr("The contact could not be added."), tr("Error Adding Contact"));
    return;
  }
  m_typed = false;
  m_closingAsked = true;
  close();
}

void ContactCard::deleteContact() {
  if (!m_contact) {
    close();
    return;
  }
  if (RAZ::Settings(RAZ::Settings::User)
          .value(Utils::SettingsKey::ConfirmRemoveContact, true)
          .toBool()) {
    int clicked = 0;
    const int result = Dialogs::MessageWindow::question(
        tr("Confirm Deletion"),
        tr("Are you sure you want to remove %1 from your contact list?")
            .arg(shortName(m_contact ? m_contact->getDisplayName() : QString())),
        true, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked,
        QDialogButtonBox::No, this);
    if (result != QDialog::Accepted) return;
  }
  // The question ran its own loop: the contact may have gone meanwhile.
  if (m_contact && m_contacts && !m_ownsContact) m_contacts->removeContact(m_contact.data());
  m_edits.clear();
  m_closingAsked = true;
  close();
}

void ContactCard::showMessageBox(const QString& text, const QString& title) {
  Dialogs::MessageWindow::showWarning(title, text, isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
}

bool ContactCard::canClose() {
  if (m_closingAsked || !hasUnsavedEdits()) return true;
  int clicked = 0;
  const int result = Dialogs::MessageWindow::question(
      tr("Unsaved Changes"), tr("Close the card and discard your changes to this contact?"), true,
      isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked, QDialogButtonBox::No,
      this);
  return result == QDialog::Accepted;
}

}  // namespace QML

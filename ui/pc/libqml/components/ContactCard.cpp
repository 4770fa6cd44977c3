#include "libqml/components/ContactCard.h"

#include <QEvent>
#include <QQmlContext>
#include <QShortcut>
#include <QTimer>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Settings.h>

#include "Models/ContactCardFieldsModel.h"
#include "Models/RingerModel.h"
#include "Providers/Factory.h"
#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"
#include "dialogs/MessageWindow.h"
#include "libqml/window/View.h"

namespace QML {

using Models::FieldData;
namespace Key = RAZ::Contacts::Properties;

ContactCard::ContactCard(bool conference,
                         RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                         RAZ::Contacts::IContact* contact, const RAZ::Configuration::Config* config,
                         Providers::Factory* factory, RAZ::Controllers::Search::ContactSearch*,
                         bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent),
      m_conference(conference),
      m_contacts(contacts),
      m_config(config),
      m_factory(factory) {
  setObjectName(QStringLiteral("contactCard"));
  if (contact) {
    m_contact = contact;
  } else {
    // A new contact: the card's own until it is added to the list.
    int id = 1;
    if (m_contacts)
      for (int used : m_contacts->contactIds()) id = qMax(id, used + 1);
    QVariantMap properties;
    if (conference) properties.insert(QString::number(Key::KeyConference), true);
    m_contact = new RAZ::Contacts::IContact(id, properties, this);
    m_ownsContact = true;
    m_addMode = true;
  }
  m_fieldsModel = new Models::ContactCardFieldsModel(m_config, this);
  m_ringerModel = new Models::RingerModel(this);
  if (m_contact) connect(m_contact, SIGNAL(changed()), this, SLOT(setWindowTitle()));
  resize(345, 450);
  auto* close = new QShortcut(QKeySequence::Close, this);
  close->setContext(Qt::WindowShortcut);
  connect(close, SIGNAL(activated()), this, SLOT(close()));
  setWindowTitle();
}

ContactCard::~ContactCard() {
  // The scene goes while the window it reads is whole.
  view()->setSource(QUrl());
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
  Utils::WindowManager::placeWindow(this);
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
    default:
      // Address, web and conference details have no property of their own
      // in the contact store yet: they are shown empty and not written.
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
  const QString stored =
      (m_contact && key >= 0) ? m_contact->getProperty(key).toString() : QString();
  if (value == stored)
    m_edits.remove(k);
  else
    m_edits.insert(k, value);
  emit editsChanged();
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
  m_contact->updateProperties(set, QVariantMap(), true);
  m_edits.clear();
  emit editsChanged();
}

void ContactCard::save() {
  applyEdits();
  setEditMode(false);
}

void ContactCard::cancel() {
  m_edits.clear();
  emit editsChanged();
  if (m_addMode) {
    m_closingAsked = true;
    close();
    return;
  }
  setEditMode(false);
}

bool ContactCard::checkIfContactExists() {
  if (!m_contact || !m_contacts) return false;
  const QString jid = fieldValue(FieldData::JidField).trimmed();
  // An empty address matches every contact without one: nothing to compare.
  if (jid.isEmpty()) return false;
  for (int id : m_contacts->contactIds()) {
    RAZ::Contacts::ContactPtr other = m_contacts->getContact(id);
    if (!other || other.data() == m_contact.data()) continue;
    if (other->getJid().compare(jid, Qt::CaseInsensitive) != 0) continue;
    Dialogs::MessageWindow* message = Dialogs::MessageWindow::showInformation(
        tr("Error Adding Contact"),
        tr("A contact in your contact list with the same IM Address has been found (%1). Please "
           "enter a different IM Address to add a new contact.")
            .arg(other->getDisplayName()),
        isAlwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
    if (message) connect(message, SIGNAL(messageAccepted(bool)), this, SLOT(clearContactJid()));
    return true;
  }
  return false;
}

void ContactCard::clearContactJid() { setFieldValue(FieldData::JidField, QString()); }

void ContactCard::trySyncing(int fieldType) {
  if (xmppEnabled() && fieldType == FieldData::JidField) checkIfContactExists();
}

void ContactCard::addContact() {
  if (!m_contact || !m_contacts || !m_ownsContact) return;
  if (checkIfContactExists()) return;
  applyEdits();
  RAZ::Contacts::IContact* contact = m_contact;
  contact->setParent(nullptr);
  if (!m_contacts->addContact(contact)) {
    contact->setParent(this);
    showMessageBox(tr("The contact could not be added."), tr("Error Adding Contact"));
    return;
  }
  m_ownsContact = false;
  emit contactAdded();
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
    if (result != 1) return;
  }
  // The question ran its own loop: the contact may have gone meanwhile.
  if (m_contact && m_contacts && !m_ownsContact) m_contacts->removeContact(m_contact->getId());
  m_closingAsked = true;
  close();
}

void ContactCard::showMessageBox(const QString& text, const QString& title) {
  Dialogs::MessageWindow::showWarning(title, text, isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
}

bool ContactCard::canClose() {
  if (m_closingAsked || m_edits.isEmpty()) return true;
  int clicked = 0;
  const int result = Dialogs::MessageWindow::question(
      tr("Unsaved Changes"), tr("Close the card and discard your changes to this contact?"), true,
      isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked, QDialogButtonBox::No,
      this);
  return result == 1;
}

}  // namespace QML

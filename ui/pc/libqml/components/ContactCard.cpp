#include "libqml/components/ContactCard.h"

#include <QEvent>
#include <QQmlContext>

#include <RAZ/Contacts/Contacts.h>

#include "Providers/Factory.h"
#include "Utils/PresenceHelper.h"
#include "libqml/window/View.h"

namespace QML {

ContactCard::ContactCard(bool conference,
                         RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                         RAZ::Contacts::IContact* contact, const RAZ::Configuration::Config*,
                         Providers::Factory* factory, RAZ::Controllers::Search::ContactSearch*,
                         bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent),
      m_conference(conference),
      m_contacts(contacts),
      m_contact(contact),
      m_factory(factory) {
  setObjectName(QStringLiteral("contactCard"));
  retranslate();
}

void ContactCard::retranslate() {
  // A contact's card carries its name; only the new-contact form has a title of ours.
  setTitle(m_contact ? m_contact->getDisplayName() : tr("Add Contact"));
}

void ContactCard::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Window::changeEvent(e);
}

ContactCard::~ContactCard() = default;

void ContactCard::setEditMode(bool on) {
  if (on == m_editMode) return;
  m_editMode = on;
  emit editModeChanged();
}

QObject* ContactCard::contactObject() const { return m_contact.data(); }

RAZ::Contacts::IContact* ContactCard::getContact() const { return m_contact.data(); }

void ContactCard::activate() {
  view()->rootContext()->setContextProperty(
      QStringLiteral("presenceHelper"),
      QVariant::fromValue<QObject*>(m_factory ? m_factory->presenceHelper() : nullptr));
  setSource(QStringLiteral("qrc:/windows/ContactCard/ContactCard.qml"));
}

}  // namespace QML

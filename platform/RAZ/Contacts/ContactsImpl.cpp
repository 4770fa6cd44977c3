#include "RAZ/Contacts/ContactsImpl.h"

#include <atomic>

#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Contacts/Contacts.h"

namespace RAZ {
namespace Contacts {

namespace {
// Ids of contacts outside the list start far above any id of the list, so a
// result never passes for a listed contact.
constexpr int kFirstResultId = 1 << 28;
std::atomic<int> gNextResultId{kFirstResultId};
}  // namespace

ContactsImpl::ContactsImpl(const RAZ::Configuration::Config* config, const QObject* parent)
    : QObject(const_cast<QObject*>(parent)),
      m_config(config),
      m_model(new ContactListModel(this)) {}

ContactsImpl::~ContactsImpl() { qDeleteAll(m_contacts); }

QAbstractItemModel* ContactsImpl::getModel(int kind) const {
  return kind == ResultsKind ? m_model : nullptr;
}

IContact* ContactsImpl::createContact(int id) {
  if (id < 0) id = gNextResultId.fetch_add(1);
  return new IContact(id, QVariantMap());
}

bool ContactsImpl::addContact(IContact* contact, bool subscribe, bool silent) {
  Q_UNUSED(subscribe)
  Q_UNUSED(silent)
  if (!contact || m_contacts.contains(contact)) return false;
  m_contacts.append(contact);
  m_model->append(contact);
  return true;
}

void ContactsImpl::reset() {
  if (m_contacts.isEmpty()) return;
  const QList<IContact*> gone = m_contacts;
  m_contacts.clear();
  m_model->clear();
  for (IContact* contact : gone) contact->deleteLater();
}

int ContactsImpl::count() const { return m_contacts.size(); }

}  // namespace Contacts
}  // namespace RAZ

#include "RAZ/Contacts/Contacts.h"

#include <TP/Core/Logging.h>

#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Presence/PresenceData.h"

namespace RAZ {
namespace Contacts {

namespace {
QString key(int k) { return QString::number(k); }
}  // namespace

// --- IContact ---

IContact::IContact(int id, const QVariantMap& properties, QObject* parent)
    : QObject(parent),
      m_id(id),
      m_properties(properties),
      m_presence(new RAZ::Presence::PresenceData(0, this)) {
  connect(m_presence, &RAZ::Presence::PresenceData::presenceChanged, this,
          &IContact::presenceChanged);
  connect(m_presence, &RAZ::Presence::PresenceData::statusTextChanged, this,
          &IContact::presenceChanged);
}

IContact::~IContact() = default;

QString IContact::getDisplayName() const {
  const QString name = getProperty(Properties::KeyDisplayName).toString();
  if (!name.isEmpty()) return name;
  const QString full = (getProperty(Properties::KeyFirstName).toString() + QLatin1Char(' ') +
                        getProperty(Properties::KeyLastName).toString())
                           .trimmed();
  return full.isEmpty() ? getJid() : full;
}

QString IContact::getJid() const { return getProperty(Properties::KeyJid).toString(); }
QString IContact::getSipUri() const { return getProperty(Properties::KeySipUri).toString(); }
QString IContact::getStatusText() const { return m_presence->statusText(); }
QString IContact::getAvatarUrl() const { return getProperty(Properties::KeyAvatar).toString(); }
int IContact::getPresenceState() const { return m_presence->state(); }
bool IContact::isOnline() const { return m_presence->online(); }

QList<int> IContact::getGroupIds() const {
  QList<int> ids;
  for (const QVariant& v : getProperty(Properties::KeyGroupIds).toList()) ids.append(v.toInt());
  return ids;
}

void IContact::setFavourite(bool on) {
  if (on == m_favourite) return;
  m_favourite = on;
  emit changed();
}

QVariant IContact::getProperty(int k) const { return m_properties.value(key(k)); }

QVariantMap IContact::getProperties(const QList<int>& keys) const {
  if (keys.isEmpty()) return m_properties;
  QVariantMap result;
  for (int k : keys)
    if (m_properties.contains(key(k))) result.insert(key(k), m_properties.value(key(k)));
  return result;
}

void IContact::updateProperties(const QVariantMap& set, const QVariantMap& removed, bool notify) {
  for (auto it = set.begin(); it != set.end(); ++it) m_properties.insert(it.key(), it.value());
  for (auto it = removed.begin(); it != removed.end(); ++it) m_properties.remove(it.key());
  if (notify) emit changed();
}

// --- Contacts ---

Contacts::Contacts(QObject* parent)
    : QObject(parent),
      m_list(new ContactListModel(this)),
      m_requests(new ContactListModel(this)),
      m_groupModel(new GroupListModel(this)) {
  auto* online = new OnlineFilterModel(this);
  online->setSourceModel(m_list);
  m_online = online;
}

Contacts::~Contacts() = default;

QAbstractItemModel* Contacts::getModel(int kind) const {
  switch (kind) {
    case ContactListKind:
      return m_list;
    case GroupsKind:
      return m_groupModel;
    case OnlineContactsKind:
      return m_online;
    case PresenceRequestsKind:
      return m_requests;
    default:
      return nullptr;
  }
}

ContactPtr Contacts::getContactByJid(const QString& jid) const {
  const QString bare = jid.section(QLatin1Char('/'), 0, 0).trimmed();
  if (bare.isEmpty()) return ContactPtr(nullptr);
  for (int id : contactIds()) {
    ContactPtr contact = getContact(id);
    if (contact && contact->getJid().compare(bare, Qt::CaseInsensitive) == 0) return contact;
  }
  return ContactPtr(nullptr);
}

ContactPtr Contacts::getContact(int id) const {
  if (id == 0) return ContactPtr(m_own);
  const int row = m_list->rowOf(id);
  if (row >= 0) return ContactPtr(m_list->at(row));
  const int request = m_requests->rowOf(id);
  return ContactPtr(request >= 0 ? m_requests->at(request) : nullptr);
}

RAZ::Presence::PresenceData* Contacts::ownPresence() const {
  return m_own ? m_own->presenceData() : nullptr;
}

QList<int> Contacts::contactIds() const {
  QList<int> ids;
  for (int row = 0; row < m_list->rowCount(); ++row) ids.append(m_list->at(row)->getId());
  return ids;
}

IGroup* Contacts::getGroup(int id) const {
  for (IGroup* group : m_groups)
    if (group->getId() == id) return group;
  return nullptr;
}

void Contacts::setReadOnly(bool on) {
  if (on == m_readOnly) return;
  m_readOnly = on;
  emit readOnlyChanged(on);
}

void Contacts::setOwnContact(IContact* own) {
  if (!own) return;
  own->setParent(this);
  delete m_own;
  m_own = own;
}

bool Contacts::addContact(IContact* contact) {
  if (!contact) return false;
  if (contact->getId() == 0 || m_list->rowOf(contact->getId()) >= 0) {
    TP_LOG("RAZ::Contacts::Contacts::addContact", TP::Core::Logging::LevelWarning)
        << "Contact id already in use: " << contact->getId();
    delete contact;
    return false;
  }
  contact->setParent(this);
  const int id = contact->getId();
  connect(contact, &IContact::changed, this, [this, id] { m_list->contactChanged(id); });
  connect(contact, &IContact::presenceChanged, this, [this, id] {
    m_list->contactChanged(id);
    emit contactPresenceChanged(id);
  });
  m_list->append(contact);
  return true;
}

bool Contacts::removeContact(int id) {
  const int row = m_list->rowOf(id);
  if (row < 0) return false;
  IContact* contact = m_list->at(row);
  m_list->remove(id);
  contact->deleteLater();
  return true;
}

IGroup* Contacts::addGroup(int id, const QString& name) {
  if (IGroup* existing = getGroup(id)) return existing;
  auto* group = new IGroup(id, name, this);
  m_groups.append(group);
  m_groupModel->append(group);
  return group;
}

void Contacts::addPresenceRequest(IContact* contact) {
  if (!contact) return;
  contact->setParent(this);
  m_requests->append(contact);
}

bool Contacts::setContactPresence(int id, int state, const QString& statusText) {
  IContact* contact = nullptr;
  if (id == 0)
    contact = m_own;
  else if (m_list->rowOf(id) >= 0)
    contact = m_list->at(m_list->rowOf(id));
  if (!contact) {
    TP_LOG("RAZ::Contacts::Contacts::setContactPresence", TP::Core::Logging::LevelWarning)
        << "No contact with id " << id;
    return false;
  }
  contact->presenceData()->setReceived(state, statusText);
  return true;
}

// --- models ---

ContactListModel::ContactListModel(QObject* parent) : QAbstractListModel(parent) {}

int ContactListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_contacts.size();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_contacts.size()) return QVariant();
  IContact* c = m_contacts.at(index.row());
  if (!c) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
    case Contacts::DisplayNameRole:
      return c->getDisplayName();
    case Contacts::IdRole:
      return c->getId();
    case Contacts::OnlineRole:
      // No state before the first presence arrives.
      return c->getPresenceState() == 0 ? QVariant() : QVariant(c->isOnline());
    case Contacts::PresenceStateRole:
      return c->getPresenceState();
    case Contacts::StatusTextRole:
      return c->getStatusText();
    case Contacts::AvatarRole:
      return c->getAvatarUrl();
    case Contacts::GroupIdsRole:
      return c->getProperty(Properties::KeyGroupIds);
    case Contacts::JidRole:
      return c->getJid();
    case Contacts::SipUriRole:
      return c->getSipUri();
    case Contacts::FavouriteRole:
      return c->isFavourite();
    case Contacts::ContactObjectRole:
      return QVariant::fromValue(static_cast<QObject*>(c));
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> ContactListModel::roleNames() const {
  return {{Qt::DisplayRole, "display"},
          {Contacts::DisplayNameRole, "displayName"},
          {Contacts::IdRole, "contactId"},
          {Contacts::OnlineRole, "online"},
          {Contacts::PresenceStateRole, "presence"},
          {Contacts::StatusTextRole, "statusText"},
          {Contacts::AvatarRole, "avatarUrl"},
          {Contacts::GroupIdsRole, "groupIds"},
          {Contacts::JidRole, "jid"},
          {Contacts::SipUriRole, "sipUri"},
          {Contacts::FavouriteRole, "favourite"},
          {Contacts::ContactObjectRole, "contact"}};
}

void ContactListModel::append(IContact* contact) {
  beginInsertRows(QModelIndex(), m_contacts.size(), m_contacts.size());
  m_contacts.append(contact);
  endInsertRows();
}

bool ContactListModel::remove(int id) {
  const int row = rowOf(id);
  if (row < 0) return false;
  beginRemoveRows(QModelIndex(), row, row);
  m_contacts.removeAt(row);
  endRemoveRows();
  return true;
}

int ContactListModel::rowOf(int id) const {
  for (int i = 0; i < m_contacts.size(); ++i)
    if (m_contacts.at(i) && m_contacts.at(i)->getId() == id) return i;
  return -1;
}

IContact* ContactListModel::at(int row) const {
  return row >= 0 && row < m_contacts.size() ? m_contacts.at(row).data() : nullptr;
}

void ContactListModel::contactChanged(int id) {
  const int row = rowOf(id);
  if (row < 0) return;
  const QModelIndex i = index(row, 0);
  emit dataChanged(i, i);
}

GroupListModel::GroupListModel(QObject* parent) : QAbstractListModel(parent) {}

int GroupListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_groups.size();
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_groups.size() || !m_groups.at(index.row()))
    return QVariant();
  IGroup* g = m_groups.at(index.row());
  if (role == Qt::DisplayRole) return g->getName();
  if (role == Contacts::IdRole) return g->getId();
  if (role == Contacts::ContactObjectRole) return QVariant::fromValue(static_cast<QObject*>(g));
  return QVariant();
}

QHash<int, QByteArray> GroupListModel::roleNames() const {
  return {{Qt::DisplayRole, "name"},
          {Contacts::IdRole, "groupId"},
          {Contacts::ContactObjectRole, "group"}};
}

void GroupListModel::append(IGroup* group) {
  beginInsertRows(QModelIndex(), m_groups.size(), m_groups.size());
  m_groups.append(group);
  endInsertRows();
  connect(group, &IGroup::nameChanged, this, [this, group] {
    const int row = m_groups.indexOf(group);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, 0));
  });
}

OnlineFilterModel::OnlineFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
}

bool OnlineFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  return sourceModel()->index(row, 0, parent).data(Contacts::OnlineRole).toBool();
}

}  // namespace Contacts
}  // namespace RAZ

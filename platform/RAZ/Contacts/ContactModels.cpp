#include "RAZ/Contacts/ContactModels.h"

#include <QCollator>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Presence/PresenceState.h"

namespace RAZ {
namespace Contacts {

namespace {
QVariant contactData(IContact* c, int role) {
  switch (role) {
    case Qt::DisplayRole:
    case Contacts::DisplayNameRole:
      return c->getDisplayName();
    case Contacts::IdRole:
      return c->getId();
    case Contacts::OnlineRole:
      // No state before the first presence arrives.
      return c->getPresenceState() == RAZ::Presence::PresenceState::Unknown
                 ? QVariant()
                 : QVariant(c->isOnline());
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
    case Contacts::FirstNameRole:
      return c->getProperty(Properties::KeyFirstName);
    case Contacts::LastNameRole:
      return c->getProperty(Properties::KeyLastName);
    case Contacts::ContactObjectRole:
      return QVariant::fromValue(static_cast<QObject*>(c));
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> contactRoleNames() {
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
          {Contacts::FirstNameRole, "firstName"},
          {Contacts::LastNameRole, "lastName"},
          {Contacts::ContactObjectRole, "contact"}};
}
}  // namespace

ContactListModel::ContactListModel(QObject* parent) : QAbstractListModel(parent) {}

int ContactListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_contacts.size();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_contacts.size()) return QVariant();
  IContact* c = m_contacts.at(index.row());
  return c ? contactData(c, role) : QVariant();
}

QHash<int, QByteArray> ContactListModel::roleNames() const { return contactRoleNames(); }

void ContactListModel::append(IContact* contact) {
  beginInsertRows(QModelIndex(), m_contacts.size(), m_contacts.size());
  m_contacts.append(contact);
  if (contact && !m_rowOfId.contains(contact->getId()))
    m_rowOfId.insert(contact->getId(), m_contacts.size() - 1);
  endInsertRows();
}

void ContactListModel::clear() {
  if (m_contacts.isEmpty()) return;
  beginResetModel();
  m_contacts.clear();
  m_rowOfId.clear();
  endResetModel();
}

bool ContactListModel::remove(int id) {
  const int row = rowOf(id);
  if (row < 0) return false;
  beginRemoveRows(QModelIndex(), row, row);
  m_contacts.removeAt(row);
  reindex();
  endRemoveRows();
  return true;
}

int ContactListModel::rowOf(int id) const {
  // Looked up by id: every change of a contact asks, and a large book made a
  // scan of the list quadratic to sign in with.
  const int row = m_rowOfId.value(id, -1);
  if (row >= 0 && row < m_contacts.size() && m_contacts.at(row) &&
      m_contacts.at(row)->getId() == id)
    return row;
  return -1;
}

void ContactListModel::reindex() {
  m_rowOfId.clear();
  for (int i = 0; i < m_contacts.size(); ++i)
    if (m_contacts.at(i) && !m_rowOfId.contains(m_contacts.at(i)->getId()))
      m_rowOfId.insert(m_contacts.at(i)->getId(), i);
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

void GroupListModel::remove(IGroup* group) {
  const int row = m_groups.indexOf(group);
  if (row < 0) return;
  beginRemoveRows(QModelIndex(), row, row);
  m_groups.removeAt(row);
  endRemoveRows();
}

void GroupListModel::move(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= m_groups.size() || to >= m_groups.size()) return;
  beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
  m_groups.move(from, to);
  endMoveRows();
}

OnlineFilterModel::OnlineFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
}

bool OnlineFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  return sourceModel()->index(row, 0, parent).data(Contacts::OnlineRole).toBool();
}

FavouritesFilterModel::FavouritesFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
  setSortRole(Contacts::DisplayNameRole);
  setSortCaseSensitivity(Qt::CaseInsensitive);
  sort(0);
}

bool FavouritesFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  return sourceModel()->index(row, 0, parent).data(Contacts::FavouriteRole).toBool();
}

ContactGroupsModel::ContactGroupsModel(Contacts* contacts, QObject* parent)
    : QAbstractListModel(parent), m_contacts(contacts) {
  connect(contacts, &Contacts::groupsChanged, this, &ContactGroupsModel::rebuild);
  connect(contacts, &Contacts::favouritesChanged, this, &ContactGroupsModel::rebuild);
  connect(contacts, &Contacts::favouritesGroupShownChanged, this, &ContactGroupsModel::rebuild);
}

int ContactGroupsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

QVariant ContactGroupsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows.size()) return QVariant();
  const Row& row = m_rows.at(index.row());
  switch (role) {
    case IsGroupRole:
      return row.contact.isNull();
    case GroupIdRole:
      return row.group ? row.group->getId() : 0;
    case GroupNameRole:
      return row.group ? row.group->getName() : QString();
    case GroupObjectRole:
      return QVariant::fromValue(static_cast<QObject*>(row.group.data()));
    case GroupOnlineRole:
      return row.online;
    case GroupTotalRole:
      return row.total;
    default:
      break;
  }
  if (row.contact) return contactData(row.contact, role);
  if (role == Contacts::ContactObjectRole)
    return QVariant::fromValue(static_cast<QObject*>(row.group.data()));
  if (role == Qt::DisplayRole && row.group) return row.group->getName();
  return QVariant();
}

QHash<int, QByteArray> ContactGroupsModel::roleNames() const {
  QHash<int, QByteArray> roles = contactRoleNames();
  roles.insert(IsGroupRole, "isGroup");
  roles.insert(GroupIdRole, "groupId");
  roles.insert(GroupNameRole, "groupName");
  roles.insert(GroupObjectRole, "group");
  roles.insert(GroupOnlineRole, "groupOnline");
  roles.insert(GroupTotalRole, "groupTotal");
  return roles;
}

void ContactGroupsModel::setFilter(int filter) {
  if (filter == m_filter) return;
  m_filter = filter;
  rebuild();
  emit filterChanged();
}

void ContactGroupsModel::setSortField(int field) {
  if (field == m_sortField) return;
  m_sortField = field;
  rebuild();
}

QVector<ContactGroupsModel::Row> ContactGroupsModel::build(std::vector<Place>* places) const {
  QList<IContact*> all;
  QAbstractItemModel* list = m_contacts->getModel(Contacts::ContactListKind);
  for (int r = 0; r < list->rowCount(); ++r)
    if (auto* c = qobject_cast<IContact*>(
            list->index(r, 0).data(Contacts::ContactObjectRole).value<QObject*>()))
      all.append(c);
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const int field = m_sortField;
  auto sortKey = [field](IContact* c) {
    const QString first = c->getProperty(Properties::KeyFirstName).toString();
    const QString last = c->getProperty(Properties::KeyLastName).toString();
    if (first.isEmpty() && last.isEmpty()) return c->getDisplayName();
    return field == 0 ? first + QLatin1Char(' ') + last : last + QLatin1Char(' ') + first;
  };
  // One collation key per contact, not two strings built per comparison.
  std::vector<std::pair<QCollatorSortKey, IContact*>> keyed;
  keyed.reserve(all.size());
  for (IContact* c : all) keyed.emplace_back(collator.sortKey(sortKey(c)), c);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
  for (int i = 0; i < all.size(); ++i) all[i] = keyed[i].second;
  if (places) {
    places->clear();
    places->reserve(size_t(all.size()));
    for (int i = 0; i < all.size(); ++i)
      places->push_back({all.at(i)->getId(), i, all.at(i)->isOnline()});
    std::sort(places->begin(), places->end(),
              [](const Place& a, const Place& b) { return a.id < b.id; });
  }

  const bool hideOffline = (m_filter & HideOfflineFilter) != 0;
  QVector<Row> rows;
  auto section = [&](IGroup* group, const std::function<bool(IContact*)>& member) {
    Row header;
    header.group = group;
    const int headerRow = rows.size();
    rows.append(header);
    for (int rank = 0; rank < all.size(); ++rank) {
      IContact* c = all.at(rank);
      if (!member(c)) continue;
      ++rows[headerRow].total;
      if (c->isOnline()) ++rows[headerRow].online;
      if (hideOffline && !c->isOnline()) continue;
      Row row;
      row.group = group;
      row.contact = c;
      row.rank = rank;
      rows.append(row);
    }
    return rows.at(headerRow).total;
  };
  if (m_contacts->isFavouritesGroupShown())
    section(m_contacts->favouritesGroup(), [](IContact* c) { return c->isFavourite(); });
  QList<int> known;
  const auto groups = m_contacts->groups();
  for (IGroup* g : groups) {
    known.append(g->getId());
    const int id = g->getId();
    section(g, [id](IContact* c) { return c->getGroupIds().contains(id); });
  }
  // Contacts in no group still belong to the list.
  bool ungrouped = false;
  for (IContact* c : qAsConst(all)) {
    bool inGroup = false;
    const auto groupIds = c->getGroupIds();
    for (int id : groupIds)
      if (known.contains(id)) inGroup = true;
    if (!inGroup) ungrouped = true;
  }
  if (ungrouped) {
    IGroup* others = m_contacts->findChild<IGroup*>(QStringLiteral("allContactsGroup"));
    if (!others) {
      others = new IGroup(IGroup::AllContactsId, QStringLiteral("Other Contacts"), m_contacts);
      others->setObjectName(QStringLiteral("allContactsGroup"));
    }
    section(others, [known](IContact* c) {
      const auto groupIds = c->getGroupIds();
      for (int id : groupIds)
        if (known.contains(id)) return false;
      return true;
    });
  }
  return rows;
}

void ContactGroupsModel::rebuild() {
  beginResetModel();
  m_rows = build(&m_places);
  endResetModel();
}

ContactGroupsModel::Place* ContactGroupsModel::placeOf(int id) {
  const auto found = std::lower_bound(m_places.begin(), m_places.end(), id,
                                      [](const Place& place, int key) { return place.id < key; });
  return found != m_places.end() && found->id == id ? &*found : nullptr;
}

bool ContactGroupsModel::inSection(const IGroup* group, IContact* contact) const {
  if (!group || !contact) return false;
  if (group == m_contacts->favouritesGroup()) return contact->isFavourite();
  const QList<int> ids = contact->getGroupIds();
  if (group->getId() != IGroup::AllContactsId) return ids.contains(group->getId());
  // "Other Contacts": the contacts of no group of the list.
  const auto groups = m_contacts->groups();
  for (IGroup* g : groups)
    if (ids.contains(g->getId())) return false;
  return true;
}

void ContactGroupsModel::contactChanged(int id) {
  // A presence change: the order (by name) stays. The contact's rows are
  // told, the online counts of its sections corrected, and with offline
  // contacts hidden its rows come or go, at their place in the order. Each
  // change thus costs a walk of the rows, never a sort of the list.
  IContact* contact = nullptr;
  for (const Row& row : qAsConst(m_rows))
    if (row.contact && row.contact->getId() == id) {
      contact = row.contact;
      break;
    }
  if (!contact) contact = m_contacts->getContact(id).data();
  Place* place = placeOf(id);
  if (!contact || !place) {
    // A contact the rows were not built with.
    rebuild();
    return;
  }
  const bool online = contact->isOnline();
  const bool was = place->online;
  place->online = online;
  const int rank = place->rank;
  if (online != was) {
    const bool hide = (m_filter & HideOfflineFilter) != 0;
    QList<int> headers;
    for (int i = 0; i < m_rows.size(); ++i)
      if (!m_rows.at(i).contact) headers << i;
    // From the last section up: rows added or taken in one leave the
    // places of the sections above as they were.
    for (int h = headers.size() - 1; h >= 0; --h) {
      const int header = headers.at(h);
      const int end = h + 1 < headers.size() ? headers.at(h + 1) : m_rows.size();
      IGroup* group = m_rows.at(header).group;
      if (!inSection(group, contact)) continue;
      m_rows[header].online += online ? 1 : -1;
      if (hide && online) {
        int at = header + 1;
        while (at < end && m_rows.at(at).contact && m_rows.at(at).rank < rank) ++at;
        beginInsertRows(QModelIndex(), at, at);
        Row row;
        row.group = group;
        row.contact = contact;
        row.rank = rank;
        m_rows.insert(at, row);
        endInsertRows();
      } else if (hide) {
        for (int at = header + 1; at < end; ++at) {
          if (m_rows.at(at).contact != contact) continue;
          beginRemoveRows(QModelIndex(), at, at);
          m_rows.removeAt(at);
          endRemoveRows();
          break;
        }
      }
      emit dataChanged(index(header), index(header));
    }
  }
  for (int i = 0; i < m_rows.size(); ++i)
    if (m_rows.at(i).contact == contact) emit dataChanged(index(i), index(i));
}

}  // namespace Contacts
}  // namespace RAZ

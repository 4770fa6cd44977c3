#include "RAZ/Models/SearchGroups.h"

#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Contacts/Contacts.h"

namespace RAZ {
namespace Models {

using RAZ::Contacts::IGroup;

SearchGroups::SearchGroups(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                           QObject* parent)
    : QAbstractListModel(parent), m_contacts(contacts) {}

SearchGroups::~SearchGroups() {
  // The source models may outlive this list: nothing of theirs may reach it
  // during its destruction.
  for (const Entry& e : qAsConst(m_entries))
    if (e.model) disconnect(e.model, nullptr, this, nullptr);
}

int SearchGroups::shownRows(const Entry& e) const {
  if (!e.listed || !e.visible) return 0;
  return 1 + (e.open ? e.rows : 0);
}

int SearchGroups::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  int rows = 0;
  for (const Entry& e : m_entries) rows += shownRows(e);
  return rows;
}

int SearchGroups::headerRow(int entry) const {
  int row = 0;
  for (int i = 0; i < entry; ++i) row += shownRows(m_entries.at(i));
  return row;
}

int SearchGroups::sourceRow(int row, IGroup** group) const {
  if (group) *group = nullptr;
  for (const Entry& e : m_entries) {
    const int shown = shownRows(e);
    if (row < shown) {
      if (group) *group = e.group;
      return row - 1;
    }
    row -= shown;
  }
  return -1;
}

QVariant SearchGroups::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0) return QVariant();
  int row = index.row();
  for (const Entry& e : m_entries) {
    const int shown = shownRows(e);
    if (row >= shown) {
      row -= shown;
      continue;
    }
    if (row == 0) {
      IGroup* group = e.group;
      if (!group) return QVariant();
      switch (role) {
        case IsGroupRole:
          return true;
        case GroupIdRole:
          return group->getId();
        case Qt::DisplayRole:
        case GroupNameRole:
          return group->getName();
        case GroupObjectRole:
        case RAZ::Contacts::Contacts::ContactObjectRole:
          return QVariant::fromValue<QObject*>(group);
        case GroupTotalRole:
          return e.rows;
        case GroupSearchingRole:
          return group->isSearching();
        case GroupErrorRole:
          return group->errorText();
        case GroupMoreRole:
          return group->hasMoreResults();
        case GroupOpenRole:
          return e.open;
        default:
          return QVariant();
      }
    }
    if (role == IsGroupRole) return false;
    if (!e.model || row - 1 >= e.model->rowCount()) return QVariant();
    return e.model->index(row - 1, 0).data(role);
  }
  return QVariant();
}

QHash<int, QByteArray> SearchGroups::roleNames() const {
  QHash<int, QByteArray> roles = RAZ::Contacts::ContactListModel().roleNames();
  roles.insert(IsGroupRole, "isGroup");
  roles.insert(GroupIdRole, "groupId");
  roles.insert(GroupNameRole, "groupName");
  roles.insert(GroupObjectRole, "group");
  roles.insert(GroupTotalRole, "groupTotal");
  roles.insert(GroupSearchingRole, "groupSearching");
  roles.insert(GroupErrorRole, "groupError");
  roles.insert(GroupMoreRole, "groupMore");
  roles.insert(GroupOpenRole, "groupOpen");
  return roles;
}

int SearchGroups::indexOf(const QAbstractItemModel* model) const {
  for (int i = 0; i < m_entries.size(); ++i)
    if (m_entries.at(i).key == model) return i;
  return -1;
}

int SearchGroups::indexOfGroup(const IGroup* group) const {
  for (int i = 0; i < m_entries.size(); ++i)
    if (group && m_entries.at(i).group == group) return i;
  return -1;
}

bool SearchGroups::wantsVisible(const Entry& e) const {
  return e.listed && e.group &&
         (e.rows > 0 || e.group->isSearching() || !e.group->errorText().isEmpty());
}

void SearchGroups::updateVisibility(int i) {
  Entry& e = m_entries[i];
  const bool want = wantsVisible(e);
  if (want == e.visible) return;
  const int first = headerRow(i);
  if (want) {
    const int count = 1 + (e.open ? e.rows : 0);
    beginInsertRows(QModelIndex(), first, first + count - 1);
    m_entries[i].visible = true;
    endInsertRows();
  } else {
    const int count = shownRows(e);
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    m_entries[i].visible = false;
    endRemoveRows();
  }
}

void SearchGroups::headerChanged(const IGroup* group) {
  const int i = indexOfGroup(group);
  if (i < 0 || !m_entries.at(i).listed) return;
  updateVisibility(i);
  if (!m_entries.at(i).visible) return;
  const QModelIndex header = index(headerRow(i), 0);
  emit dataChanged(header, header);
}

RAZ::Utils::SharedPointer<IGroup> SearchGroups::addSearchModel(QAbstractItemModel* model) {
  if (!model) return RAZ::Utils::SharedPointer<IGroup>();
  auto* group = new IGroup(m_nextGroupId--, QString(), this);
  Entry e;
  e.group = group;
  e.model = model;
  e.key = model;
  e.rows = model->rowCount();
  e.open = group->isOpen();
  e.listed = false;
  m_entries.append(e);
  watch(m_entries.size() - 1);
  addGroup(group);
  return group;
}

void SearchGroups::addGroup(RAZ::Utils::SharedPointer<IGroup> group) {
  const int i = indexOfGroup(group.data());
  if (i < 0 || m_entries.at(i).listed) return;
  Entry& e = m_entries[i];
  e.rows = e.model ? e.model->rowCount() : 0;
  e.open = e.group->isOpen();
  e.listed = true;
  e.visible = false;
  updateVisibility(i);
}

void SearchGroups::removeGroup(RAZ::Utils::SharedPointer<IGroup> group) {
  const int i = indexOfGroup(group.data());
  if (i < 0 || !m_entries.at(i).listed) return;
  const int count = shownRows(m_entries.at(i));
  if (count > 0) {
    const int first = headerRow(i);
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    m_entries[i].listed = false;
    m_entries[i].visible = false;
    endRemoveRows();
  } else {
    m_entries[i].listed = false;
  }
}

QList<IGroup*> SearchGroups::groups() const {
  QList<IGroup*> result;
  for (const Entry& e : m_entries)
    if (e.listed && e.group) result.append(e.group);
  return result;
}

void SearchGroups::watch(int entry) {
  QAbstractItemModel* model = m_entries.at(entry).model;
  IGroup* group = m_entries.at(entry).group;
  // Whether the entry's rows are on show, i.e. its changes are this list's.
  auto shows = [this](int i) {
    const Entry& e = m_entries.at(i);
    return e.listed && e.visible && e.open;
  };

  connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
          [this, model, shows](const QModelIndex& parent, int first, int last) {
            const int i = indexOf(model);
            if (i < 0 || parent.isValid() || !shows(i)) return;
            const int header = headerRow(i);
            beginInsertRows(QModelIndex(), header + 1 + first, header + 1 + last);
            m_entries[i].resetting = true;  // an insertion of ours is open
          });
  connect(model, &QAbstractItemModel::rowsInserted, this,
          [this, model](const QModelIndex& parent, int first, int last) {
            const int i = indexOf(model);
            if (i < 0 || parent.isValid()) return;
            m_entries[i].rows += last - first + 1;
            if (m_entries.at(i).resetting) {
              m_entries[i].resetting = false;
              endInsertRows();
            }
            headerChanged(m_entries.at(i).group);
          });
  connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
          [this, model, shows](const QModelIndex& parent, int first, int last) {
            const int i = indexOf(model);
            if (i < 0 || parent.isValid() || !shows(i)) return;
            const int header = headerRow(i);
            beginRemoveRows(QModelIndex(), header + 1 + first, header + 1 + last);
            m_entries[i].resetting = true;  // a removal of ours is open
          });
  connect(model, &QAbstractItemModel::rowsRemoved, this,
          [this, model](const QModelIndex& parent, int first, int last) {
            const int i = indexOf(model);
            if (i < 0 || parent.isValid()) return;
            m_entries[i].rows -= last - first + 1;
            if (m_entries.at(i).resetting) {
              m_entries[i].resetting = false;
              endRemoveRows();
            }
            headerChanged(m_entries.at(i).group);
          });
  // Reordering and resets are taken whole: the list is small next to the
  // cost of mapping every persistent index.
  auto begin = [this, model, shows] {
    const int i = indexOf(model);
    if (i < 0 || !shows(i)) return;
    beginResetModel();
    m_entries[i].resetting = true;
  };
  auto end = [this, model] {
    const int i = indexOf(model);
    if (i < 0) return;
    m_entries[i].rows = model->rowCount();
    if (m_entries.at(i).resetting) {
      m_entries[i].resetting = false;
      m_entries[i].visible = wantsVisible(m_entries.at(i));
      endResetModel();
    }
    headerChanged(m_entries.at(i).group);
  };
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, begin);
  connect(model, &QAbstractItemModel::modelReset, this, end);
  connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, begin);
  connect(model, &QAbstractItemModel::layoutChanged, this, end);
  connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, begin);
  connect(model, &QAbstractItemModel::rowsMoved, this, end);
  connect(model, &QAbstractItemModel::dataChanged, this,
          [this, model, shows](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QVector<int>& roles) {
            const int i = indexOf(model);
            if (i < 0 || topLeft.parent().isValid() || !shows(i)) return;
            const int header = headerRow(i);
            emit dataChanged(index(header + 1 + topLeft.row(), 0),
                             index(header + 1 + bottomRight.row(), 0), roles);
          });
  connect(model, &QObject::destroyed, this, [this, model] {
    const int i = indexOf(model);
    if (i < 0) return;
    const int count = shownRows(m_entries.at(i));
    if (count > 0) {
      const int first = headerRow(i);
      beginRemoveRows(QModelIndex(), first, first + count - 1);
      m_entries.removeAt(i);
      endRemoveRows();
    } else {
      m_entries.removeAt(i);
    }
  });

  connect(group, &IGroup::nameChanged, this, [this, group] { headerChanged(group); });
  connect(group, &IGroup::searchingChanged, this, [this, group] { headerChanged(group); });
  connect(group, &IGroup::errorTextChanged, this, [this, group] { headerChanged(group); });
  connect(group, &IGroup::moreResultsChanged, this, [this, group] { headerChanged(group); });
  // Opening or closing shows or hides the group's rows.
  connect(group, &IGroup::openChanged, this, [this, group] {
    const int i = indexOfGroup(group);
    if (i < 0) return;
    Entry& e = m_entries[i];
    const bool open = group->isOpen();
    if (open == e.open) return;
    if (!e.listed || !e.visible || e.rows == 0) {
      e.open = open;
      headerChanged(group);
      return;
    }
    const int header = headerRow(i);
    if (open) {
      beginInsertRows(QModelIndex(), header + 1, header + e.rows);
      m_entries[i].open = true;
      endInsertRows();
    } else {
      beginRemoveRows(QModelIndex(), header + 1, header + e.rows);
      m_entries[i].open = false;
      endRemoveRows();
    }
    headerChanged(group);
  });
}

}  // namespace Models
}  // namespace RAZ

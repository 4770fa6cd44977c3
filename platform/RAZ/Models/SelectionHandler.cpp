#include "RAZ/Models/SelectionHandler.h"

#include <QItemSelectionModel>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Contacts/GroupRoles.h"
#include "RAZ/Models/ActiveComms.h"
#include "RAZ/Models/SearchGroups.h"

namespace RAZ {
namespace Models {

SelectionHandler::SelectionHandler(QAbstractItemModel* source, Groups::ItemType type,
                                   QObject* parent)
    : QIdentityProxyModel(parent), m_type(type) {
  setSourceModel(source);
}

void SelectionHandler::setSelectionModel(QItemSelectionModel* selection) {
  if (m_selection) disconnect(m_selection, nullptr, this, nullptr);
  m_selection = selection;
  if (selection)
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &SelectionHandler::selectionChanged);
}

void SelectionHandler::selectionChanged() {
  const int rows = rowCount();
  if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, 0), {SelectedRole});
}

QVariant SelectionHandler::data(const QModelIndex& index, int role) const {
  if (role == SelectedRole) return m_selection && index.isValid() && m_selection->isSelected(index);
  if (role == ItemTypeRole) {
    const QVariant given = QIdentityProxyModel::data(index, role);
    if (given.isValid() || !index.isValid()) return given;
    // Sources without an item type: a row is an item when it holds an
    // object of the list's kind and is not a group header.
    const int objectRole = m_type == Groups::ItemSession
                               ? int(ActiveCommsModel::SessionRole)
                               : int(RAZ::Contacts::Contacts::ContactObjectRole);
    const bool item =
        QIdentityProxyModel::data(index, objectRole).value<QObject*>() &&
        !QIdentityProxyModel::data(index, RAZ::Contacts::GroupRoles::IsGroupRole).toBool();
    return item ? int(m_type) : int(Groups::ItemNone);
  }
  return QIdentityProxyModel::data(index, role);
}

QHash<int, QByteArray> SelectionHandler::roleNames() const {
  QHash<int, QByteArray> roles =
      sourceModel() ? sourceModel()->roleNames() : QIdentityProxyModel::roleNames();
  // A scene learns the role names once, from the first source; the list
  // swaps the contact groups for the search results under it, so the
  // search groups' own roles are named whatever the source is now.
  roles.insert(SearchGroups::GroupTotalRole, "groupTotal");
  roles.insert(SearchGroups::GroupSearchingRole, "groupSearching");
  roles.insert(SearchGroups::GroupErrorRole, "groupError");
  roles.insert(SearchGroups::GroupMoreRole, "groupMore");
  roles.insert(SearchGroups::GroupOpenRole, "groupOpen");
  roles.insert(ItemTypeRole, "itemType");
  roles.insert(SelectedRole, "selected");
  return roles;
}

}  // namespace Models
}  // namespace RAZ

#pragma once

#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QPointer>

namespace RAZ {
namespace Models {

namespace Groups {
// What a row of a main-window list holds: 0 nothing selectable (group
// headers and the like), 1 a contact, 2 a communication session.
enum ItemType { ItemNone = 0, ItemContact = 1, ItemSession = 2 };
}  // namespace Groups

// A list model as the main window's selection sees it: the source's rows
// unchanged, with the item type (role 317) of each row and whether the row
// is selected (role 318, "selected") in the given selection model, so that
// list delegates follow the one native selection.
class SelectionHandler : public QIdentityProxyModel {
  Q_OBJECT

 public:
  enum Role { ItemTypeRole = 317, SelectedRole = 318 };

  SelectionHandler(QAbstractItemModel* source, Groups::ItemType type, QObject* parent = nullptr);

  void setSelectionModel(QItemSelectionModel* selection);
  QItemSelectionModel* selectionModel() const { return m_selection; }
  Groups::ItemType itemType() const { return m_type; }

  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

 private:
  void selectionChanged();

  Groups::ItemType m_type;
  QPointer<QItemSelectionModel> m_selection;
};

}  // namespace Models
}  // namespace RAZ

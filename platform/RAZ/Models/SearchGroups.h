#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

#include <tp/core/SharedPointer.h>

#include "RAZ/Contacts/GroupRoles.h"

namespace RAZ {
namespace Contacts {
class Contacts;
class IGroup;
}  // namespace Contacts
namespace Models {

// The results of a search as one list: for each source model a header row
// (its group) followed, while the group is open, by the model's rows. Groups
// are listed in the order they were added; a group with no rows shows only
// while its search is out or to tell why it failed, so a text nobody matches
// leaves the list empty. Header rows answer the group roles (GroupRoles; the
// group also under Contacts::ContactObjectRole, its total the number of rows
// of its model); other rows pass the source model's data through.
class SearchGroups : public QAbstractListModel, public RAZ::Contacts::GroupRoles {
  Q_OBJECT

 public:
  SearchGroups(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
               QObject* parent = nullptr);
  ~SearchGroups() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  // Lists the model under a new group (owned by this object) and returns it.
  RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> addSearchModel(QAbstractItemModel* model);
  // Lists a group made by addSearchModel again after removeGroup.
  void addGroup(RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> group);
  // Takes the group out of the list; the group and its model stay known for
  // addGroup.
  void removeGroup(RAZ::Utils::SharedPointer<RAZ::Contacts::IGroup> group);
  // The groups listed, in order.
  QList<RAZ::Contacts::IGroup*> groups() const;
  // The source row behind a row of this list (-1 for a header), and its group.
  int sourceRow(int row, RAZ::Contacts::IGroup** group = nullptr) const;

 private:
  struct Entry {
    QPointer<RAZ::Contacts::IGroup> group;
    QPointer<QAbstractItemModel> model;
    // The model as it was added: still names the entry while the model is
    // being destroyed (when its guarded pointer is already null).
    const QAbstractItemModel* key = nullptr;
    bool listed = false;
    bool visible = false;  // listed, and with rows, a search out or an error
    bool resetting = false;
    bool open = true;  // the group's open state as this list shows it
    int rows = 0;      // the rows this list shows of the model
  };
  int indexOf(const QAbstractItemModel* model) const;
  int indexOfGroup(const RAZ::Contacts::IGroup* group) const;
  // The row of the entry's header.
  int headerRow(int entry) const;
  int shownRows(const Entry& entry) const;
  void watch(int entry);
  void headerChanged(const RAZ::Contacts::IGroup* group);
  bool wantsVisible(const Entry& entry) const;
  // Shows or hides the entry's block (header and open rows) as it asks.
  void updateVisibility(int entry);

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QList<Entry> m_entries;
  int m_nextGroupId = -1000;
};

}  // namespace Models
}  // namespace RAZ

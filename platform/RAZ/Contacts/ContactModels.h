#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QVector>
#include <functional>
#include <vector>

#include "RAZ/Contacts/GroupRoles.h"

namespace RAZ {
namespace Contacts {

class IContact;
class IGroup;
class Contacts;

// A list of contacts with the roles of Contacts (not owning the contacts).
class ContactListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ContactListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  void append(RAZ::Contacts::IContact* contact);
  bool remove(int id);
  void clear();
  int rowOf(int id) const;
  RAZ::Contacts::IContact* at(int row) const;
  // Reports a change of the contact's row (all roles).
  void contactChanged(int id);

 private:
  void reindex();

  QList<QPointer<RAZ::Contacts::IContact>> m_contacts;
  QHash<int, int> m_rowOfId;  // contact id -> row
};

// The groups, one row each: Qt::DisplayRole name, 294 id.
class GroupListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit GroupListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  void append(RAZ::Contacts::IGroup* group);
  void remove(RAZ::Contacts::IGroup* group);
  void move(int from, int to);

 private:
  QList<QPointer<RAZ::Contacts::IGroup>> m_groups;
};

// The favourite contacts of a contact list.
class FavouritesFilterModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit FavouritesFilterModel(QObject* parent = nullptr);

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
};

// The contact list by group: for each group (favourites first when shown,
// then the groups in order, then "all contacts" for contacts in no group) a
// header row followed by its contacts, sorted by first or last name. A
// contact in two groups is listed in both. Filter 16 hides offline contacts
// (their groups' headers stay). Extra roles: the group roles (GroupRoles;
// the group also under Contacts::ContactObjectRole for a header).
class ContactGroupsModel : public QAbstractListModel, public RAZ::Contacts::GroupRoles {
  Q_OBJECT
  Q_PROPERTY(int filter READ filter WRITE setFilter NOTIFY filterChanged)

 public:
  static constexpr int HideOfflineFilter = 16;

  ContactGroupsModel(RAZ::Contacts::Contacts* contacts, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  int filter() const { return m_filter; }
  void setFilter(int filter);
  // 0 sorts by first name, 1 by last name.
  void setSortField(int field);

 public slots:
  void rebuild();
  void contactChanged(int id);

 signals:
  void filterChanged();

 private:
  struct Row {
    QPointer<RAZ::Contacts::IGroup> group;
    QPointer<RAZ::Contacts::IContact> contact;
    int online = 0;  // a header's: the online contacts of its section
    int total = 0;   // a header's: the contacts of its section
    int rank = -1;   // a contact's: its place in the sort order
  };
  // Of every contact the rows were built from: its place in the sort order
  // and whether it was online. Kept in an array sorted by id rather than in
  // hashes: a large book holds one small entry per contact.
  struct Place {
    int id;
    int rank;
    bool online;
  };
  // The rows, and the places of the contacts (sorted by id).
  QVector<Row> build(std::vector<Place>* places) const;
  // The place of the contact with the id, or null.
  Place* placeOf(int id);
  // Whether the contact is listed under the section that `group` heads.
  bool inSection(const RAZ::Contacts::IGroup* group, RAZ::Contacts::IContact* contact) const;

  RAZ::Contacts::Contacts* m_contacts;
  // In a vector: a row is stored in place, not allocated on its own.
  QVector<Row> m_rows;
  // What the rows were built from: a presence change moves no contact in
  // the order, so it only adds or takes away the contact's rows and
  // corrects the counts.
  std::vector<Place> m_places;
  int m_filter = 0;
  int m_sortField = 1;
};

// The online contacts of a contact list.
class OnlineFilterModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit OnlineFilterModel(QObject* parent = nullptr);

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
};

}  // namespace Contacts
}  // namespace RAZ

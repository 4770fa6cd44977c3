#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QSortFilterProxyModel>

namespace RAZ {
namespace Contacts {

class IContact;
class IGroup;

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
  int rowOf(int id) const;
  RAZ::Contacts::IContact* at(int row) const;
  // Reports a change of the contact's row (all roles).
  void contactChanged(int id);

 private:
  QList<QPointer<RAZ::Contacts::IContact>> m_contacts;
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

 private:
  QList<QPointer<RAZ::Contacts::IGroup>> m_groups;
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

#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <tp/core/SharedPointer.h>

namespace RAZ {
namespace Contacts {
class Contacts;
}
}  // namespace RAZ

namespace Models {
namespace Chat {

// The members of a chat room in its configuration dialog: one checkable row
// per member (display name, or the address of a member no contact matches);
// the owner ticks members and removes them.
class RoomMembersModel : public QAbstractListModel {
  Q_OBJECT

 public:
  RoomMembersModel(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                   QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  void addMembers(const QStringList& jids);
  QStringList checkedJids() const;
  void removeChecked();

 private:
  bool inRange(const QModelIndex& index) const;

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QList<QPair<QString, QString>> m_entries;
  QList<int> m_checkStates;
};

}  // namespace Chat
}  // namespace Models

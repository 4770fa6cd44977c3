#include "Models/Chat/RoomMembersModel.h"

#include <RAZ/Contacts/Contacts.h>

namespace Models {
namespace Chat {

RoomMembersModel::RoomMembersModel(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                                   QObject* parent)
    : QAbstractListModel(parent), m_contacts(contacts) {}

bool RoomMembersModel::inRange(const QModelIndex& index) const {
  return index.isValid() && !index.parent().isValid() && index.row() >= 0 &&
         index.row() < m_entries.size();
}

int RoomMembersModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_entries.size();
}

QVariant RoomMembersModel::data(const QModelIndex& index, int role) const {
  if (!inRange(index)) return QVariant();
  if (role == Qt::DisplayRole) return m_entries.at(index.row()).second;
  if (role == Qt::CheckStateRole) return m_checkStates.at(index.row());
  return QVariant();
}

Qt::ItemFlags RoomMembersModel::flags(const QModelIndex&) const {
  return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

bool RoomMembersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !inRange(index)) return false;
  m_checkStates[index.row()] = value.toInt();
  // Views and proxies of the list see the tick at once.
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

void RoomMembersModel::addMembers(const QStringList& jids) {
  for (const QString& jid : jids) {
    QString name = jid;
    if (m_contacts) {
      RAZ::Contacts::ContactPtr contact = m_contacts->getContactByJid(jid);
      if (contact && !contact->getDisplayName().isEmpty()) name = contact->getDisplayName();
    }
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(qMakePair(jid, name));
    m_checkStates.append(Qt::Unchecked);
    endInsertRows();
  }
}

QStringList RoomMembersModel::checkedJids() const {
  QStringList out;
  for (int i = 0; i < m_entries.size(); ++i)
    if (m_checkStates.at(i) == Qt::Checked) out << m_entries.at(i).first;
  return out;
}

void RoomMembersModel::removeChecked() {
  int row = 0;
  while (row < m_entries.size()) {
    if (m_checkStates.at(row) != Qt::Checked) {
      ++row;
      continue;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.removeAt(row);
    m_checkStates.removeAt(row);
    endRemoveRows();
  }
}

}  // namespace Chat
}  // namespace Models

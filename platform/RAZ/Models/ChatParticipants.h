#pragma once

#include <QMap>
#include <QObject>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QString>

#include "RAZ/Data/ChatParticipant.h"

namespace RAZ {
namespace Models {

// The parties of a chat (id to nickname or display name), also as a list
// for windows: one row per party, its name as display text, its id under
// Qt::UserRole.
class ChatParticipants : public QObject {
  Q_OBJECT

 public:
  explicit ChatParticipants(QObject* parent = nullptr)
      : QObject(parent), m_model(new QStandardItemModel(this)) {}

  QMap<QString, QString> participants() const { return m_names; }
  QAbstractItemModel* model() const { return m_model; }

  // The party of a room by its nickname (its rank, its contact), or null.
  RAZ::Data::ChatParticipant* getParticipant(const QString& nick) const {
    return m_parties.value(nick);
  }
  // --- Service side --- A party with a rank (replaces one of the nickname).
  RAZ::Data::ChatParticipant* addParticipant(const QString& nick, int affiliation,
                                             RAZ::Contacts::IContact* contact) {
    delete m_parties.take(nick);
    auto* party = new RAZ::Data::ChatParticipant(nick, affiliation, contact, this);
    m_parties.insert(nick, party);
    return party;
  }

  // --- Service side ---
  void add(const QString& id, const QString& name) {
    if (QStandardItem* row = rowOf(id)) {
      row->setText(name);
    } else {
      auto* item = new QStandardItem(name);
      item->setData(id, Qt::UserRole);
      item->setEditable(false);
      m_model->appendRow(item);
    }
    m_names.insert(id, name);
    emit participantAdded(id, name);
  }
  void remove(const QString& id) {
    if (QStandardItem* row = rowOf(id)) m_model->removeRow(row->row());
    const QString name = m_names.take(id);
    emit participantRemoved(name.isEmpty() ? id : name);
  }
  void rename(const QString& id, const QString& name) {
    if (QStandardItem* row = rowOf(id)) row->setText(name);
    m_names.insert(id, name);
    emit participantNameChanged(id, name);
  }

 signals:
  void participantNameChanged(QString contactId, QString newName);
  void participantAdded(const QString& id, const QString& name);
  void participantRemoved(const QString& name);

 private:
  QStandardItem* rowOf(const QString& id) const {
    for (int r = 0; r < m_model->rowCount(); ++r)
      if (m_model->item(r)->data(Qt::UserRole).toString() == id) return m_model->item(r);
    return nullptr;
  }

  QMap<QString, QString> m_names;
  QMap<QString, RAZ::Data::ChatParticipant*> m_parties;
  QStandardItemModel* m_model;
};

// The parties of a room sorted by name, first or last name first (the
// user's choice for the contact list): "Ada Lovelace" sorts under L by last
// name. A name of one word sorts by that word either way.
class ChatParticipantsSort : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  enum PrimaryField { FirstName = 0, LastName = 1 };
  Q_ENUM(PrimaryField)

  explicit ChatParticipantsSort(PrimaryField field, QObject* parent = nullptr)
      : QSortFilterProxyModel(parent), m_field(field) {
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
  }
  PrimaryField primarySortField() const { return m_field; }
  void changePrimarySortField(PrimaryField field) {
    if (field == m_field) return;
    m_field = field;
    invalidate();
  }

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    return QString::localeAwareCompare(key(left), key(right)) < 0;
  }

 private:
  QString key(const QModelIndex& index) const {
    const QString name = index.data(Qt::DisplayRole).toString().simplified().toLower();
    if (m_field == FirstName) return name;
    const int space = name.lastIndexOf(QLatin1Char(' '));
    return space < 0 ? name : name.mid(space + 1) + QLatin1Char(' ') + name.left(space);
  }

  PrimaryField m_field;
};

}  // namespace Models
}  // namespace RAZ

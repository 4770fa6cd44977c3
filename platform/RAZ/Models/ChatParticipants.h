#pragma once

#include <QMap>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Models {

// The parties of a chat (id to nickname or display name).
class ChatParticipants : public QObject {
  Q_OBJECT

 public:
  explicit ChatParticipants(QObject* parent = nullptr) : QObject(parent) {}

  QMap<QString, QString> participants() const { return m_names; }

  // --- Service side ---
  void add(const QString& id, const QString& name) {
    m_names.insert(id, name);
    emit participantAdded(id, name);
  }
  void remove(const QString& id) {
    const QString name = m_names.take(id);
    emit participantRemoved(name.isEmpty() ? id : name);
  }
  void rename(const QString& id, const QString& name) {
    m_names.insert(id, name);
    emit participantNameChanged(id, name);
  }

 signals:
  void participantNameChanged(QString contactId, QString newName);
  void participantAdded(const QString& id, const QString& name);
  void participantRemoved(const QString& name);

 private:
  QMap<QString, QString> m_names;
};

}  // namespace Models
}  // namespace RAZ

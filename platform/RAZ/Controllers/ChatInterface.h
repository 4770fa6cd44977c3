#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace Controllers {

// The chat of a communication session (one to one or a room).
class ChatInterface : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString roomOwner READ roomOwner NOTIFY roomOwnerChanged)

 public:
  ChatInterface(const QString& peer, bool isRoom, QObject* parent = nullptr)
      : QObject(parent), m_peer(peer), m_room(isRoom) {}

  QString peer() const { return m_peer; }
  bool isRoom() const { return m_room; }
  QString roomJid() const { return m_room ? m_peer : QString(); }
  QString roomOwner() const { return m_owner; }
  void setRoomOwner(const QString& owner) {
    if (owner == m_owner) return;
    m_owner = owner;
    emit roomOwnerChanged();
  }
  // The user's own affiliation in a room (0 none .. 4 owner).
  int ownAffiliation() const { return m_affiliation; }
  void setOwnAffiliation(int a) { m_affiliation = a; }

 public slots:
  // Sends a message; empty text is not sent (false).
  bool sendMessage(const QString& text) {
    if (text.trimmed().isEmpty()) return false;
    emit messageSent(text);
    return true;
  }
  void requestRoomConfiguration() { emit roomConfigurationRequested(); }

 signals:
  void roomOwnerChanged();
  void messageSent(const QString& text);
  void messageReceived(const QString& from, const QString& text);
  void roomConfigurationRequested();

 private:
  QString m_peer;
  bool m_room;
  QString m_owner;
  int m_affiliation = 0;
};

}  // namespace Controllers
}  // namespace RAZ

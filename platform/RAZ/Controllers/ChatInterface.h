#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace Controllers {

// The chat of a communication session (one to one or a room).
class ChatInterface : public QObject {
  Q_OBJECT

  // ---- What a communications window asks of its chat ----
 public:
  // The room's name (empty one to one) and whether the user owns the room.
  QString getRoomName() const { return m_roomName; }
  void setRoomName(const QString& name) {
    if (name == m_roomName) return;
    m_roomName = name;
    emit subjectChanged();
  }
  bool isRoomOwner() const { return m_roomOwnerFlag; }
  void setIsRoomOwner(bool on) { m_roomOwnerFlag = on; }
  // The two names a My Room owner may go by (display name, then address).
  QString getOwnerName() const { return m_ownerName; }
  QString getOwnerAddress() const { return m_ownerAddress; }
  void setOwnerNames(const QString& name, const QString& address) {
    m_ownerName = name;
    m_ownerAddress = address;
  }
  // The last message of the chat (what lists show as its status).
  QString getLastMessage() const { return m_lastMessage; }
  void setLastMessage(const QString& text) { m_lastMessage = text; }
 public slots:
  // Leaves the chat (the session's chat ends).
  void close() { emit closeRequested(); }
 signals:
  void subjectChanged();
  // A moderator dismissed the user from the room.
  void kicked(const QString& kickerName);
  void closeRequested();

 private:
  QString m_roomName;
  bool m_roomOwnerFlag = false;
  QString m_ownerName;
  QString m_ownerAddress;
  QString m_lastMessage;
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

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "RAZ/Controllers/ChatError.h"

namespace RAZ {
namespace Models {
class ChatModel;
class ChatParticipants;
class FTModel;
}  // namespace Models
namespace Controllers {

// The chat of a communication session (one to one or a room). It keeps the
// chat's messages, its parties and, one to one, the file transfers with the
// peer; sent and received messages reach its chat model.
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
  void setIsRoomOwner(bool on) {
    if (on == m_roomOwnerFlag) return;
    m_roomOwnerFlag = on;
    emit roomOwnerChanged();
  }
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
  Q_PROPERTY(bool isTyping READ isTyping WRITE setIsTyping NOTIFY isTypingChanged)
  Q_PROPERTY(bool isGroupChat READ isGroupChat CONSTANT)
  Q_PROPERTY(bool isRoomOwner READ isRoomOwner NOTIFY roomOwnerChanged)
  Q_PROPERTY(bool roomNotExistent READ roomNotExistent NOTIFY roomNotExistentChanged)
  Q_PROPERTY(bool supportsOfflineMessages READ supportsOfflineMessages CONSTANT)

 public:
  ChatInterface(const QString& peer, bool isRoom, QObject* parent = nullptr);
  ~ChatInterface() override;

  QString peer() const { return m_peer; }
  bool isRoom() const { return m_room; }
  // Rooms (and My Room) are group chats.
  bool isGroupChat() const { return m_room; }
  // The room has been destroyed on the service (its chat stays for reading).
  bool roomNotExistent() const { return m_roomGone; }
  void setRoomNotExistent(bool gone) {
    if (gone == m_roomGone) return;
    m_roomGone = gone;
    emit roomNotExistentChanged();
  }
  // One-to-one chats keep messages for a peer that is offline.
  bool supportsOfflineMessages() const { return !m_room; }
  // Whether the user accepted the chat (its notification, or by opening it).
  bool isAccepted() const { return m_accepted; }
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

  Q_INVOKABLE RAZ::Models::ChatModel* getChatModel() const { return m_chatModel; }
  Q_INVOKABLE RAZ::Models::ChatParticipants* getParticipants() const { return m_participants; }
  // The transfers with the peer; null in rooms.
  Q_INVOKABLE RAZ::Models::FTModel* getFtModel() const { return m_ftModel; }

  // Whether the session's communications window has been shown: told
  // false when the window is built, so that the chat keeps notifying of
  // what arrives until the user sees the window.
  bool windowShown() const { return m_windowShown; }
  void setWindowShown(bool shown) { m_windowShown = shown; }

  // A call began in the session while the chat's notification showed: the
  // call's window takes over, and the chat stops asking to be accepted.
  void callStartedWhileNotified() { emit notificationSuperseded(); }

  // Whether the user is typing (the peer is told).
  bool isTyping() const { return m_typing; }
  void setIsTyping(bool typing);
  // The parties typing now, by id.
  QStringList typers() const { return m_typers; }
  void setTypers(const QStringList& typers);

 public slots:
  // Sends a message; empty text is not sent (false).
  bool sendMessage(const QString& text);
  void requestRoomConfiguration() { emit roomConfigurationRequested(); }
  // Deletes a message of the transcript by id (unknown ids are ignored).
  void deleteMessage(int id);
  // The user accepted the chat that a party started.
  void accept();

 signals:
  void roomOwnerChanged();
  void messageSent(const QString& text);
  void messageReceived(const QString& from, const QString& text);
  void roomConfigurationRequested();
  void isTypingChanged();
  void typersChanged(QStringList typers);
  void roomNotExistentChanged();
  void accepted();
  // Joining the room failed (password needed or refused, members only, banned).
  void authorizationFailed(const QString& roomJid,
                           RAZ::Controllers::ChatError::ChatRoomJoinError error);
  void messageSendingFailed();
  void notificationSuperseded();
  // The chat ended (reason 0: left by the user).
  void closed(RAZ::Controllers::ChatInterface* chat, int reason);

 private slots:
  void storeReceived(const QString& from, const QString& text);

 private:
  QString m_peer;
  bool m_room;
  QString m_owner;
  int m_affiliation = 0;
  bool m_roomGone = false;
  bool m_windowShown = true;
  bool m_accepted = false;
  bool m_typing = false;
  QStringList m_typers;
  RAZ::Models::ChatModel* m_chatModel;
  RAZ::Models::ChatParticipants* m_participants;
  RAZ::Models::FTModel* m_ftModel = nullptr;
};

}  // namespace Controllers
}  // namespace RAZ

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;

namespace Utils {

// The entries of a chat room's menu in the rooms list ("Join Room", "Edit
// Room", "Delete Room"). Each entry carries its room ("roomJid",
// "roomName"), which its slot reads from the sender and forwards to the
// receiver fixed at construction.
class ChatRoomActions : public QObject {
  Q_OBJECT

 public:
  ChatRoomActions(QObject* groupChatReceiver, QObject* roomConfigReceiver, QObject* deleteReceiver,
                  QObject* parent = nullptr);

  // "Join Room", "Edit Room", a separator and "Delete Room"; parentless,
  // owned by the caller. When the joining receiver is the room service, a
  // room the user is in has no "Join Room", and one the user does not own
  // no "Edit Room" or "Delete Room".
  QMenu* createRoomMenu(const QString& roomJid, const QString& roomName);

 signals:
  void requestRoomConfig(const QString& roomJid);
  void createGroupChat(const QString& roomJid);
  // Shares its name with the menu entry's slot; both are connected by signature.
  void deleteRoom(  // clazy:exclude=overloaded-signal
      const QString& roomJid, const QString& roomName);

 public slots:
  void joinRoom();
  void editRoom();
  void deleteRoom();

 private:
  QPointer<QObject> m_rooms;
};

}  // namespace Utils

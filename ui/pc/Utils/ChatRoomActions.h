#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;

namespace RAZ {
namespace Controllers {
class CommsSessionController;
class XmppChatController;
}  // namespace Controllers
}  // namespace RAZ

namespace Utils {

// The entries of a chat room's menu in the rooms list. Each entry carries
// the room ("roomJid", "roomName") that its slot reads from the sender.
class ChatRoomActions : public QObject {
  Q_OBJECT

 public:
  ChatRoomActions(RAZ::Controllers::XmppChatController* rooms,
                  RAZ::Controllers::CommsSessionController* comms, QObject* parent = nullptr);

  // "Join Room", "Edit Room", a separator and "Delete Room"; parentless.
  QMenu* createRoomMenu(const QString& roomJid, const QString& roomName);

 public slots:
  void joinRoom();
  void editRoom();
  void deleteRoom();

 signals:
  // The room's settings are wanted (its configuration window opens).
  void editRoomRequested(const QString& roomJid, const QString& roomName);

 private:
  QPointer<RAZ::Controllers::XmppChatController> m_rooms;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
};

}  // namespace Utils

#include "Utils/ChatRoomActions.h"

#include <QAction>
#include <QMenu>

#include <RAZ/Controllers/XmppChat.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <TP/Core/Logging.h>

namespace Utils {

namespace {
const char kLog[] = "Utils::ChatRoomActions";
}

ChatRoomActions::ChatRoomActions(QObject* groupChatReceiver, QObject* roomConfigReceiver,
                                 QObject* deleteReceiver, QObject* parent)
    : QObject(parent), m_rooms(groupChatReceiver) {
  if (roomConfigReceiver && !connect(this, SIGNAL(requestRoomConfig(QString)), roomConfigReceiver,
                                     SLOT(requestRoomConfiguration(QString))))
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Room configuration requests not wired";
  if (groupChatReceiver && !connect(this, SIGNAL(createGroupChat(QString)), groupChatReceiver,
                                    SLOT(createGroupChat(QString))))
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Joining rooms not wired";
  if (deleteReceiver && !connect(this, SIGNAL(deleteRoom(QString, QString)), deleteReceiver,
                                 SLOT(deleteRoom(QString, QString))))
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Deleting rooms not wired";
}

QMenu* ChatRoomActions::createRoomMenu(const QString& roomJid, const QString& roomName) {
  auto* menu = new QMenu();
  auto add = [&](const QString& text, const char* slot, bool enabled) {
    QAction* a = menu->addAction(text);
    a->setProperty("roomJid", roomJid);
    a->setProperty("roomName", roomName);
    a->setEnabled(enabled);
    connect(a, SIGNAL(triggered()), this, slot);
  };
  // Every entry is listed, so the menu is never empty; only what can be
  // done with the room now is enabled: a room the user is in is not joined
  // again, and only its owner may edit or delete it.
  auto* rooms = qobject_cast<RAZ::Controllers::XmppChatController*>(m_rooms.data());
  const RAZ::Controllers::XmppChat* chat = rooms ? rooms->roomChat(roomJid) : nullptr;
  const bool joined = chat && chat->state() == RAZ::Controllers::XmppChat::StateJoined;
  const bool owned = !rooms || rooms->isRoomOwned(roomJid);
  add(tr("Join Room"), SLOT(joinRoom()), !joined);
  add(tr("Edit Room"), SLOT(editRoom()), owned);
  menu->addSeparator();
  add(tr("Delete Room"), SLOT(deleteRoom()), owned);
  return menu;
}

void ChatRoomActions::joinRoom() {
  auto* action = qobject_cast<QAction*>(sender());
  if (!action) return;
  emit createGroupChat(action->property("roomJid").toString());
}

void ChatRoomActions::editRoom() {
  auto* action = qobject_cast<QAction*>(sender());
  if (!action) return;
  emit requestRoomConfig(action->property("roomJid").toString());
}

void ChatRoomActions::deleteRoom() {
  auto* action = qobject_cast<QAction*>(sender());
  if (!action) return;
  emit deleteRoom(action->property("roomJid").toString(), action->property("roomName").toString());
}

}  // namespace Utils

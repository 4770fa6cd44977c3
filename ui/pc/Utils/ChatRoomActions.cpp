#include "Utils/ChatRoomActions.h"

#include <QAction>
#include <QMenu>

#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <TP/Core/Logging.h>

namespace Utils {

ChatRoomActions::ChatRoomActions(RAZ::Controllers::XmppChatController* rooms,
                                 RAZ::Controllers::CommsSessionController* comms, QObject* parent)
    : QObject(parent), m_rooms(rooms), m_comms(comms) {}

QMenu* ChatRoomActions::createRoomMenu(const QString& roomJid, const QString& roomName) {
  auto* menu = new QMenu();
  auto add = [&](const QString& text, const char* slot) {
    QAction* a = menu->addAction(text);
    a->setProperty("roomJid", roomJid);
    a->setProperty("roomName", roomName);
    connect(a, SIGNAL(triggered()), this, slot);
  };
  add(tr("Join Room"), SLOT(joinRoom()));
  add(tr("Edit Room"), SLOT(editRoom()));
  menu->addSeparator();
  add(tr("Delete Room"), SLOT(deleteRoom()));
  return menu;
}

void ChatRoomActions::joinRoom() {
  QObject* s = sender();
  if (!s || !m_comms) return;
  m_comms->joinRoom(s->property("roomJid").toString(), s->property("roomName").toString());
}

void ChatRoomActions::editRoom() {
  QObject* s = sender();
  if (!s) return;
  emit editRoomRequested(s->property("roomJid").toString(), s->property("roomName").toString());
}

void ChatRoomActions::deleteRoom() {
  QObject* s = sender();
  if (!s || !m_rooms) return;
  m_rooms->removeRoom(s->property("roomJid").toString());
}

}  // namespace Utils

#include "RAZ/MyRoom/Controller.h"

#include "RAZ/Services/Xmpp/XmppJidValidator.h"

namespace RAZ {
namespace MyRoom {

bool Controller::isMyRoomChat(const QString& roomJid) const {
  using RAZ::Services::Xmpp::XmppJidValidator;
  const QString user = roomJid.section(QLatin1Char('@'), 0, 0);
  return !user.isEmpty() && roomJid.contains(QLatin1Char('@')) &&
         XmppJidValidator::getRoomType(user) == XmppJidValidator::RoomMyRoom;
}

void Controller::setReady() {
  if (m_ready) return;
  m_ready = true;
  emit myRoomReady();
}

}  // namespace MyRoom
}  // namespace RAZ

#pragma once

#include <QString>

namespace RAZ {
namespace Services {
namespace Xmpp {

// Classifies XMPP addresses.
class XmppJidValidator {
 public:
  enum RoomType { RoomNamed = 0, RoomGroupChat = 1, RoomMyRoom = 2 };

  // The kind of chat room a room's user part names: group chats opened ad hoc
  // carry the "chat" prefix followed by a hexadecimal id (1), personal rooms
  // the "myroom" prefix (2); every other room is a named room (0).
  static int getRoomType(const QString& roomUserPart);

  // True for "user@domain" or "user@domain/resource" with non-empty parts and
  // no blanks.
  static bool isValidJid(const QString& jid);

  // The part of a room address that names what the room type is about. For
  // a personal room ("myroom.<owner>@conference.<domain>") that is the
  // owner's address "<owner>@<domain>"; for the other types the room's user
  // part. Empty when the address is not of that type.
  static QString getRoomJidPart(const QString& roomJid, RoomType type);
};

}  // namespace Xmpp
}  // namespace Services
}  // namespace RAZ

#pragma once

#include <QMetaType>

namespace RAZ {
namespace Controllers {
namespace ChatError {

// Why joining a chat room failed.
enum ChatRoomJoinError {
  NoError = 0,
  PasswordRequired = 1,  // the room is protected: a password is needed
  PasswordWrong = 2,     // the password given was refused
  MembersOnly = 3,       // a private room and the user is not a member
  Banned = 4,            // the user is banned from the room
  RoomUnavailable = 5    // the service could not be reached or refused otherwise
};

}  // namespace ChatError
}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Controllers::ChatError::ChatRoomJoinError)

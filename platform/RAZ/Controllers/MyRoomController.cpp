#include "RAZ/Controllers/MyRoomController.h"

#include <QTimer>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Controllers {

void MyRoomController::startMyRoom(const QString reason) {
  if (!hasMyRoom()) {
    TP_LOG("RAZ::Controllers::MyRoomController::startMyRoom", TP::Core::Logging::LevelWarning)
        << "The account has no room";
    return;
  }
  TP_LOG("RAZ::Controllers::MyRoomController::startMyRoom", TP::Core::Logging::LevelInformation)
      << "Opening the room" << (reason.isEmpty() ? "" : " with an invitation text");
  QTimer::singleShot(0, this, [this, reason] {
    emit startRequested(reason);
    setReady();
  });
}

}  // namespace Controllers
}  // namespace RAZ

#pragma once

#include <QList>

namespace Utils {
namespace Sounds {

class TemporaryFilePlayer;

// The process-wide slots of preview players. A slot holds null once its
// player is gone; slots are reused and never removed.
class PlayerList {
 public:
  static QList<TemporaryFilePlayer*>& entries();
  // Clears the slot of a player that is being destroyed.
  static void forget(TemporaryFilePlayer* player);
};

}  // namespace Sounds
}  // namespace Utils

#pragma once

#include <QObject>

namespace RAZ {
namespace Presence {

// The states of the presence model by name. The numbers travel to and from
// the service, so they never change. The program's own presence object
// (texts, colours, the scenes' "PresenceState") derives from this class, so
// C++ and QML read the same names: PresenceState::Available in C++,
// PresenceState.Available in a scene.
class PresenceState : public QObject {
  Q_OBJECT

 public:
  enum State {
    Unknown = 0,
    Pending = 1,
    Offline = 2,
    Hidden = 3,
    AwayIdle = 4,
    Away = 5,
    AwayBeRightBack = 6,
    AvailableIdle = 7,
    Deskphone = 8,
    Mobile = 9,
    Available = 10,
    BusyOnline = 11,
    Meeting = 12,
    MeetingBusy = 13,
    OnCall = 14,
    OnCallBusy = 15,
    BusyPresenting = 16,
    Busy = 17,
    BusyOutOfOffice = 18,
    DoNotDisturb = 19,
  };
  Q_ENUM(State)

  explicit PresenceState(QObject* parent = nullptr) : QObject(parent) {}

  static bool isValid(int state) { return state >= Unknown && state <= DoNotDisturb; }
  // Nobody is reachable in an unknown, offline or hidden state.
  static bool isOnline(int state) {
    return state != Unknown && state != Offline && state != Hidden;
  }
  // On a call, in either of its two states.
  static bool isOnCall(int state) { return state == OnCall || state == OnCallBusy; }
  // Every state from busy-online up is busy, in a meeting or on a call.
  static bool isBusyOrInMeeting(int state) { return state >= BusyOnline && state <= DoNotDisturb; }
};

}  // namespace Presence
}  // namespace RAZ

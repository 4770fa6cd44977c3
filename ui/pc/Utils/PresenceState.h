#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace Utils {

// The states of the platform's presence model (0 to 19) by name, and the one
// place that says how a state looks: its kind, its availability text and its
// colour from the style. Scenes see it as the singleton "PresenceState" of
// "Vantre 1.0" (PresenceState.Available, PresenceState.colorName(state)).
class PresenceState : public QObject {
  Q_OBJECT

 public:
  // The numbers are the platform's and travel to the service: never change them.
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

  // What a state reads as: several states share one text and colour.
  enum Kind {
    KindNone,  // a number outside the model
    KindOffline,
    KindPending,
    KindAway,
    KindAvailable,
    KindDeskphone,
    KindMobile,
    KindBusy,
    KindMeeting,
    KindCall,
  };
  Q_ENUM(Kind)

  explicit PresenceState(QObject* parent = nullptr);

  static bool isValid(int state) { return state >= Unknown && state <= DoNotDisturb; }
  static Kind kindOf(int state);
  // The translated availability text; empty for a number outside the model.
  Q_INVOKABLE static QString text(int state);
  // The name of the style colour that shows the state ("presenceAvailable",
  // "presenceAway", "presenceBusy" or "presenceOffline"). Scenes bind
  // zentStyle.colors[PresenceState.colorName(state)], so a style change
  // repaints them.
  Q_INVOKABLE static QString colorName(int state);
  // The state's colour from the process's style; the style's default when
  // there is no style or it lacks the colour.
  Q_INVOKABLE static QColor color(int state);
};

}  // namespace Utils

#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <RAZ/Presence/PresenceState.h>

namespace Utils {

// The one place that says how a state of the platform's presence model
// (whose names it inherits) looks: its kind, its availability text and its
// colour from the style. Scenes see it as the singleton "PresenceState" of
// "Vantre 1.0" (PresenceState.Available, PresenceState.colorName(state)).
class PresenceState : public RAZ::Presence::PresenceState {
  Q_OBJECT

 public:
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

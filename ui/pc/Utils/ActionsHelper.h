#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace Actions {
class Provider;
}
}  // namespace RAZ

namespace Utils {

// The one text table of the platform's action ids: menu entries and the
// scenes' action tooltips read their texts here.
class ActionsHelper : public QObject {
  Q_OBJECT

 public:
  // The entry text of an action id. Inside a communication the texts of
  // chat, call, video and desktop sharing say whether they add the kind or
  // end it, as the provider's session has it active or not. Ids without a
  // text give an empty string.
  static QString actionText(int id, RAZ::Actions::Provider* provider, bool inCommunication);
  // Whether the communication kind (1 chat, 2 call, 4 video, 5 web
  // collaboration) is active in `object`, when it is a communication session.
  static bool isSessionKindActive(int kind, QObject* object);
  // Whether the action's kind is active in the one session behind the
  // provider's source.
  static bool isActionActive(int id, RAZ::Actions::Provider* provider);
};

}  // namespace Utils

#pragma once

#include <QStandardItemModel>

namespace RAZ {
namespace Models {

// The chat rooms the user can enter, one row each: "name", "jid",
// "subject" and "participants" (see XmppChatController::roomsModel).
class ChatRoomsModel : public QStandardItemModel {
  Q_OBJECT

 public:
  explicit ChatRoomsModel(QObject* parent = nullptr) : QStandardItemModel(parent) {}
};

}  // namespace Models
}  // namespace RAZ

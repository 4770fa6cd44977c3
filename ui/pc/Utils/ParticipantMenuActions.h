#pragma once

#include <QObject>
#include <QPointer>

class QMenu;

namespace RAZ {
namespace Actions {
class Provider;
}
namespace Controllers {
class CommunicationSession;
class XmppChatController;
}  // namespace Controllers
namespace Data {
class ChatParticipant;
}
}  // namespace RAZ

namespace Utils {
namespace Actions {

// The context menu of one party of a chat room: dismissing, promoting and
// demoting it as the user's rank in the room allows, then the party's
// contact entries.
class ParticipantMenuActions : public QObject {
  Q_OBJECT

 public:
  ParticipantMenuActions(RAZ::Controllers::XmppChatController* chatController,
                         RAZ::Actions::Provider* provider, QObject* parent = nullptr);

  // A new parentless menu (the caller owns it), or null without a session
  // or a chat.
  QMenu* createMenu(RAZ::Controllers::CommunicationSession* session,
                    RAZ::Data::ChatParticipant* participant);

 private slots:
  void dismissTriggered();
  void promoteTriggered();
  void demoteTriggered();

 private:
  QPointer<RAZ::Controllers::XmppChatController> m_chatController;
  QPointer<RAZ::Actions::Provider> m_provider;
};

}  // namespace Actions
}  // namespace Utils

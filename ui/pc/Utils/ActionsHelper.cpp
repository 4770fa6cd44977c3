#include "Utils/ActionsHelper.h"

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>

namespace Utils {

namespace {

// Source type of a composite of communication sessions.
const int kSessionsSourceType = 6;

}  // namespace

bool ActionsHelper::isSessionKindActive(int kind, QObject* object) {
  const auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(object);
  if (!session) return false;
  switch (kind) {
    case 1:
      return session->chatActive();
    case 2:
      return session->callActive();
    case 4:
      return session->callActive() && session->getCall() && session->getCall()->isVideoActive();
    case 5:
      return session->webCollabActive();
    default:
      return false;
  }
}

bool ActionsHelper::isActionActive(int id, RAZ::Actions::Provider* provider) {
  if (!provider) return false;
  RAZ::Actions::Source* source = provider->actionSource();
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source)) {
    const QList<QObject*> sources = composite->sources();
    return sources.size() == 1 && composite->getSourceType() == kSessionsSourceType &&
           isSessionKindActive(id, sources.first());
  }
  return source && isSessionKindActive(id, source);
}

QString ActionsHelper::actionText(int id, RAZ::Actions::Provider* provider, bool inCommunication) {
  const bool active = inCommunication && isActionActive(id, provider);
  switch (id) {
    case 1:
      return !inCommunication ? tr("Chat") : active ? tr("End Chat") : tr("Add Chat");
    case 2:
      return !inCommunication ? tr("Call") : active ? tr("End Call") : tr("Add Call");
    case 3:
      return tr("Call from Phone");
    case 4:
      return !inCommunication ? tr("Video Call") : active ? tr("Remove Video") : tr("Add Video");
    case 5:
      return active ? tr("Stop Share Desktop") : tr("Share Desktop");
    case 6:
      return tr("Join Room");
    case 8:
      return tr("Email");
    case 9:
      return tr("Set as Favorite");
    case 10:
      return tr("Remove from Favorites");
    case 11:
      return tr("View Profile");
    case 12:
      return tr("Edit Profile");
    case 13:
      return tr("Add Contact");
    case 14:
      return tr("Subscribe");
    case 15:
      return tr("Unsubscribe");
    case 16:
      return tr("Remove");
    case 22:
      return tr("End All Calls");
    case 23:
      return tr("End Chats");
    case 24:
      return tr("Conference");
    case 25:
      return tr("Transfer");
    default:
      return QString();
  }
}

}  // namespace Utils

#pragma once

#include <QString>

namespace RAZ {
namespace Webcollab {

// Web-collaboration helpers shared by the chat and sharing code.
class WebcollabControllerBase {
 public:
  // 1 when a chat message's text is a screen-share invitation as the
  // service writes it (shareInvitationTag, the whole message), else 0: the
  // invitation travels as such a message, not as chat text.
  static int containsShareTags(const QString& text);
  // The tag the service writes for an invitation to the share `id`.
  static QString shareInvitationTag(const QString& id);
};

}  // namespace Webcollab
}  // namespace RAZ

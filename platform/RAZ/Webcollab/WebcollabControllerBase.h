#pragma once

#include <QString>

namespace RAZ {
namespace Webcollab {

// Web-collaboration helpers shared by the chat and sharing code.
class WebcollabControllerBase {
 public:
  // The number of screen-share tags in a chat message's text (a share
  // invitation or its end travels as such a message, not as chat text).
  static int containsShareTags(const QString& text);
  // The tag the service writes for an invitation to the share `id`.
  static QString shareInvitationTag(const QString& id);
};

}  // namespace Webcollab
}  // namespace RAZ

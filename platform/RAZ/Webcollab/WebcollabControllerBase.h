#pragma once

#include <QString>

namespace RAZ {
namespace Webcollab {

// Web-collaboration helpers shared by the chat and sharing code.
class WebcollabControllerBase {
 public:
  // 1 when a chat message's text is a screen-share invitation the service
  // delivered (shareInvitationTag, the whole message), else 0: the
  // invitation travels as such a message, not as chat text. Text that only
  // reads like one, "<zent-share id='x'/>" sent by a party or typed by the
  // user, is chat text.
  static int containsShareTags(const QString& text);
  // The message the service delivers for an invitation to the share `id`:
  // it carries a mark of this run that no party's text can hold.
  static QString shareInvitationTag(const QString& id);
};

}  // namespace Webcollab
}  // namespace RAZ

#include "RAZ/Webcollab/WebcollabControllerBase.h"

#include <QRegularExpression>

namespace RAZ {
namespace Webcollab {

namespace {
const QLatin1String kTagStart("<zent-share ");
}

int WebcollabControllerBase::containsShareTags(const QString& text) {
  // Only the whole message the service writes is an invitation: a party's
  // text that merely holds the tag's words is chat text, shown as typed.
  static const QRegularExpression invitation(QStringLiteral("\\A<zent-share id='[^'<>\"]*'/>\\z"));
  if (!text.startsWith(kTagStart)) return 0;
  return invitation.match(text).hasMatch() ? 1 : 0;
}

QString WebcollabControllerBase::shareInvitationTag(const QString& id) {
  return kTagStart + QStringLiteral("id='") + id.toHtmlEscaped() + QStringLiteral("'/>");
}

}  // namespace Webcollab
}  // namespace RAZ

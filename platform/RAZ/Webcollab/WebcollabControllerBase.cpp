#include "RAZ/Webcollab/WebcollabControllerBase.h"

namespace RAZ {
namespace Webcollab {

namespace {
const QLatin1String kTagStart("<zent-share ");
}

int WebcollabControllerBase::containsShareTags(const QString& text) {
  return text.count(kTagStart);
}

QString WebcollabControllerBase::shareInvitationTag(const QString& id) {
  return kTagStart + QStringLiteral("id='") + id.toHtmlEscaped() + QStringLiteral("'/>");
}

}  // namespace Webcollab
}  // namespace RAZ

#include "RAZ/Services/Xmpp/XmppJidValidator.h"

#include <QRegularExpression>

namespace RAZ {
namespace Services {
namespace Xmpp {

int XmppJidValidator::getRoomType(const QString& roomUserPart) {
  static const QRegularExpression groupChat(QStringLiteral("^chat[0-9a-f]{6,}$"),
                                            QRegularExpression::CaseInsensitiveOption);
  const QString name = roomUserPart.trimmed();
  if (groupChat.match(name).hasMatch()) return RoomGroupChat;
  if (name.startsWith(QLatin1String("myroom"), Qt::CaseInsensitive)) return RoomMyRoom;
  return RoomNamed;
}

bool XmppJidValidator::isValidJid(const QString& jid) {
  static const QRegularExpression re(QStringLiteral("^[^@/\\s]+@[^@/\\s]+(/\\S+)?$"));
  return re.match(jid).hasMatch();
}

}  // namespace Xmpp
}  // namespace Services
}  // namespace RAZ

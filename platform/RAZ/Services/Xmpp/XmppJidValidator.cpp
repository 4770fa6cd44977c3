#include "RAZ/Services/Xmpp/XmppJidValidator.h"

#include <QRegularExpression>

namespace RAZ {
namespace Services {
namespace Xmpp {

int XmppJidValidator::getRoomType(const QString& roomUserPart) {
  static const QRegularExpression groupChat(QStringLiteral("\\Achat[0-9a-f]{6,}\\z"),
                                            QRegularExpression::CaseInsensitiveOption);
  const QString name = roomUserPart.trimmed();
  if (groupChat.match(name).hasMatch()) return RoomGroupChat;
  if (name.startsWith(QLatin1String("myroom"), Qt::CaseInsensitive)) return RoomMyRoom;
  return RoomNamed;
}

QString XmppJidValidator::getRoomJidPart(const QString& roomJid, RoomType type) {
  const QString user = roomJid.section(QLatin1Char('@'), 0, 0).trimmed();
  const QString domain = roomJid.section(QLatin1Char('@'), 1).section(QLatin1Char('/'), 0, 0);
  if (user.isEmpty() || domain.isEmpty() || getRoomType(user) != type) return QString();
  if (type != RoomMyRoom) return user;
  static const QLatin1String prefix("myroom.");
  if (!user.startsWith(prefix, Qt::CaseInsensitive) || user.size() == prefix.size())
    return QString();
  QString host = domain;
  if (host.startsWith(QLatin1String("conference."), Qt::CaseInsensitive))
    host = host.mid(int(qstrlen("conference.")));
  return user.mid(prefix.size()) + QLatin1Char('@') + host;
}

bool XmppJidValidator::isValidJid(const QString& jid) {
  static const QRegularExpression re(QStringLiteral("\\A[^@/\\s]+@[^@/\\s]+(/\\S+)?\\z"));
  return re.match(jid).hasMatch();
}

}  // namespace Xmpp
}  // namespace Services
}  // namespace RAZ

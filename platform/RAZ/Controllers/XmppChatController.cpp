#include "RAZ/Controllers/XmppChatController.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Controllers {

XmppChatController::XmppChatController(QObject* parent)
    : IChatController(parent),
      m_rooms(new QStandardItemModel(this)),
      m_filter(new QSortFilterProxyModel(this)) {
  m_rooms->setItemRoleNames({{Qt::DisplayRole, "name"},
                             {RoomJidRole, "jid"},
                             {RoomSubjectRole, "subject"},
                             {RoomParticipantsRole, "participants"}});
  m_filter->setSourceModel(m_rooms);
  m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
}

XmppChatController::~XmppChatController() = default;

QAbstractItemModel* XmppChatController::roomsModel() const { return m_rooms; }

void XmppChatController::setMucServer(const QString& server) {
  if (server == m_mucServer) return;
  m_mucServer = server;
  emit mucServerChanged(server);
}

void XmppChatController::addRoom(const QString& jid, const QString& name, const QString& subject,
                                 int participants) {
  if (jid.isEmpty() || hasRoom(jid)) return;
  auto* item = new QStandardItem(name.isEmpty() ? jid : name);
  item->setData(jid, RoomJidRole);
  item->setData(subject, RoomSubjectRole);
  item->setData(participants, RoomParticipantsRole);
  item->setEditable(false);
  m_rooms->appendRow(item);
}

bool XmppChatController::hasRoom(const QString& jid) const {
  for (int row = 0; row < m_rooms->rowCount(); ++row)
    if (m_rooms->item(row)->data(RoomJidRole).toString() == jid) return true;
  return false;
}

bool XmppChatController::kickParticipant(const QString& roomJid, const QString& nick) {
  if (!hasRoom(roomJid) || nick.isEmpty()) return false;
  emit participantChanged(roomJid, nick, QStringLiteral("kicked"));
  return true;
}

bool XmppChatController::promoteParticipant(const QString& roomJid, const QString& nick) {
  if (!hasRoom(roomJid) || nick.isEmpty()) return false;
  emit participantChanged(roomJid, nick, QStringLiteral("promoted"));
  return true;
}

bool XmppChatController::demoteParticipant(const QString& roomJid, const QString& nick) {
  if (!hasRoom(roomJid) || nick.isEmpty()) return false;
  emit participantChanged(roomJid, nick, QStringLiteral("demoted"));
  return true;
}

bool XmppChatController::removeRoom(const QString& jid) {
  for (int row = 0; row < m_rooms->rowCount(); ++row) {
    if (m_rooms->index(row, 0).data(RoomJidRole).toString() == jid) {
      m_rooms->removeRow(row);
      return true;
    }
  }
  return false;
}

}  // namespace Controllers
}  // namespace RAZ

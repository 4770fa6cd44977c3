#pragma once

#include <QString>

#include "RAZ/Controllers/IChatController.h"

class QAbstractItemModel;
class QSortFilterProxyModel;
class QStandardItemModel;

namespace RAZ {
namespace Controllers {

// XMPP chats and chat rooms. The rooms model (roomsModel) lists the rooms
// with the roles Qt::DisplayRole name, 400 JID, 401 subject, 402 participant
// count; the filter model narrows it by name.
class XmppChatController : public IChatController {
  Q_OBJECT

 public:
  enum RoomRole { RoomJidRole = 400, RoomSubjectRole = 401, RoomParticipantsRole = 402 };

  explicit XmppChatController(QObject* parent = nullptr);
  ~XmppChatController() override;

  QAbstractItemModel* roomsModel() const;
  QSortFilterProxyModel* chatRoomsFilterModel() const { return m_filter; }
  QString mucServer() const { return m_mucServer; }
  void setMucServer(const QString& server);
  void addRoom(const QString& jid, const QString& name, const QString& subject, int participants);
  // Removes a room from the list; false for an unknown room.
  bool removeRoom(const QString& jid);

 public slots:
  bool kickParticipant(const QString& roomJid, const QString& nick);
  bool promoteParticipant(const QString& roomJid, const QString& nick);
  bool demoteParticipant(const QString& roomJid, const QString& nick);

 signals:
  void mucServerChanged(const QString& server);
  void participantChanged(const QString& roomJid, const QString& nick, const QString& change);

 private:
  bool hasRoom(const QString& jid) const;

  QStandardItemModel* m_rooms;
  QSortFilterProxyModel* m_filter;
  QString m_mucServer;
};

}  // namespace Controllers
}  // namespace RAZ

#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <QXmppDataForm.h>

#include "RAZ/Controllers/ChatError.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/IChatController.h"
#include "RAZ/Controllers/XmppChat.h"

class QAbstractItemModel;
class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;

namespace RAZ {
namespace Controllers {

class CommsSessionController;

// XMPP chats and chat rooms. The rooms model (roomsModel) lists the rooms
// with the roles Qt::DisplayRole name, 400 JID, 401 subject, 402 participant
// count; the filter model narrows it by name.
//
// The service side of the rooms is kept here: each room keeps its
// configuration form (the multi-user chat owner form), whether it is
// password protected or members only, its members and whether the user owns
// it. Answers arrive from the event loop, never inside the call that asks.
class XmppChatController : public IChatController {
  Q_OBJECT

 public:
  enum RoomRole { RoomJidRole = 400, RoomSubjectRole = 401, RoomParticipantsRole = 402 };

  explicit XmppChatController(QObject* parent = nullptr);
  ~XmppChatController() override;

  QAbstractItemModel* roomsModel() const;
  QSortFilterProxyModel* chatRoomsFilterModel() const { return m_filter; }
  QString mucServer() const { return m_mucServer; }
  void addRoom(const QString& jid, const QString& name, const QString& subject, int participants);
  // Removes a room from the list; false for an unknown room.
  bool removeRoom(const QString& jid);
  bool hasRoom(const QString& jid) const;

  // --- Service side of the rooms ---
  // Where joined rooms become communication sessions.
  void setCommsSessions(RAZ::Controllers::CommsSessionController* comms) { m_comms = comms; }
  // The user's own address (members lists, ownership).
  void setOwnJid(const QString& jid) { m_ownJid = jid; }
  // How a room is entered: an empty password means none.
  void setRoomAccess(const QString& jid, const QString& password, bool membersOnly, bool owned,
                     const QStringList& members, bool banned = false);
  // The configuration form the room keeps (its last submitted form).
  QXmppDataForm roomForm(const QString& jid) const;
  // Gives an existing room the owner form another server would send (tests
  // offer real servers' forms this way); false for a room not known.
  bool setRoomForm(const QString& jid, const QXmppDataForm& form);
  // The last form the owner submitted for the room, exactly as it came.
  QXmppDataForm submittedRoomForm(const QString& jid) const;
  QStringList roomMembers(const QString& jid) const;
  bool isRoomOwned(const QString& jid) const;
  QString roomName(const QString& jid) const;
  // The chat joined (or being joined) for a room, or null.
  RAZ::Controllers::XmppChat* roomChat(const QString& jid) const;
  // The owner form of a new room, as the service sends it.
  static QXmppDataForm defaultRoomForm(const QString& name);
  // Its owner, elsewhere, names the room and gives it a subject: the list,
  // the joined chat and its session follow. False for an unknown room.
  bool changeRoom(const QString& jid, const QString& name, const QString& subject);
  // The rooms as the service holds them between the account's sessions, in
  // the list's order: each a map of its row (jid, name, subject,
  // participants) and of how it is entered and configured.
  QVariantList roomsSnapshot() const;
  // Rooms of an earlier snapshot, listed after those already known (a room
  // already listed keeps what it has).
  void restoreRooms(const QVariantList& rooms);

 public slots:
  bool kickParticipant(const QString& roomJid, const QString& nick);
  bool promoteParticipant(const QString& roomJid, const QString& nick);
  bool demoteParticipant(const QString& roomJid, const QString& nick);

  // Joins a room: a group-chat session; a protected room asks for its
  // password, a private one refuses non-members (authorizationFailed).
  void createGroupChat(const QString& roomJid);
  // Creates a new room owned by the user; its form follows for configuring.
  void createRoom();
  // The room's form (owner only; others get roomConfigurationForbidden).
  void requestRoomConfiguration(const QString& roomJid);
  void passwordEntered(const QString& roomJid, const QString& password);
  void passwordEnterCanceled(const QString& roomJid);
  // A submitted form: a new room is created by it, an existing one changed.
  void roomConfigured(const QString& roomJid, const QXmppDataForm& form);
  void destroyRoom(const QString& roomJid);
  void requestRoomMembers(const QString& roomJid);
  void removeParticipantsFromChat(const QString& roomJid, const QStringList& jids);

 signals:
  void mucServerChanged(const QString& server);
  void participantChanged(const QString& roomJid, const QString& nick, const QString& change);
  void xmppRoomConfigReceived(const QString& roomJid, const QXmppDataForm& form,
                              RAZ::Controllers::XmppChat* chat);
  void roomDestructionFailed(const QString& roomJid);
  void roomConfigurationForbidden();
  void memberListReceived(const QString& roomJid, const QStringList& members);
  // The service reports what happened to a room (for lists and tests).
  void roomCreated(const QString& roomJid);
  void roomChanged(const QString& roomJid);
  void roomDestroyed(const QString& roomJid);
  // A room asked to be joined is not (or no longer) on the service; from
  // the event loop, after the request.
  void roomNotFound(const QString& roomJid);

 private:
  struct Room {
    QString password;
    bool membersOnly = false;
    bool owned = false;
    bool banned = false;
    bool created = false;  // configured at least once (a new room until then)
    QStringList members;
    QXmppDataForm form;
    QXmppDataForm submitted;
  };
  void enter(RAZ::Controllers::XmppChat* chat);
  void failJoin(RAZ::Controllers::XmppChat* chat, RAZ::Controllers::ChatError::ChatRoomJoinError e);
  RAZ::Controllers::XmppChat* startRoomSession(const QString& jid, const QString& name);
  // The list's row of a room, or null.
  QStandardItem* roomItem(const QString& jid) const;

  QStandardItemModel* m_rooms;
  QSortFilterProxyModel* m_filter;
  QString m_mucServer;
  QString m_ownJid;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  QHash<QString, Room> m_access;
  QHash<QString, QPointer<RAZ::Controllers::XmppChat>> m_chats;
  int m_nextRoom = 1;
};

}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(QXmppDataForm)

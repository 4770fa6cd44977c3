#include "RAZ/Controllers/XmppChatController.h"

#include <QDomDocument>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTimer>
#include <QXmlStreamWriter>

#include <TP/Core/Logging.h>

#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Data/ChatParticipant.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Models/ChatRoomsModel.h"

namespace RAZ {
namespace Controllers {

namespace {
// A room's forms travel in its snapshot as their XML: the snapshot is kept in
// the service's store, whose stream holds only plain values.
QByteArray formToXml(const QXmppDataForm& form) {
  QByteArray xml;
  if (form.isNull()) return xml;
  QXmlStreamWriter writer(&xml);
  form.toXml(&writer);
  return xml;
}

QXmppDataForm formFromXml(const QByteArray& xml) {
  QXmppDataForm form;
  QDomDocument document;
  if (!xml.isEmpty() && document.setContent(xml, true)) form.parse(document.documentElement());
  return form;
}

const char kLog[] = "RAZ::Controllers::XmppChatController";

QVariant fieldValue(const QXmppDataForm& form, const QString& key) {
  const auto fields = form.fields();
  for (const QXmppDataForm::Field& f : fields)
    if (f.key() == key) return f.value();
  return QVariant();
}
}  // namespace

XmppChatController::XmppChatController(QObject* parent)
    : IChatController(parent),
      m_rooms(new RAZ::Models::ChatRoomsModel(this)),
      m_filter(new QSortFilterProxyModel(this)) {
  qRegisterMetaType<QXmppDataForm>();
  qRegisterMetaType<RAZ::Controllers::XmppChat*>();
  qRegisterMetaType<RAZ::Controllers::ChatError::ChatRoomJoinError>();
  m_rooms->setItemRoleNames({{Qt::DisplayRole, "name"},
                             {RoomJidRole, "jid"},
                             {RoomSubjectRole, "subject"},
                             {RoomParticipantsRole, "participants"}});
  m_filter->setSourceModel(m_rooms);
  m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
}

XmppChatController::~XmppChatController() = default;

QAbstractItemModel* XmppChatController::roomsModel() const { return m_rooms; }

void XmppChatController::addRoom(const QString& jid, const QString& name, const QString& subject,
                                 int participants) {
  if (jid.isEmpty() || hasRoom(jid)) return;
  auto* item = new QStandardItem(name.isEmpty() ? jid : name);
  item->setData(jid, RoomJidRole);
  item->setData(subject, RoomSubjectRole);
  item->setData(participants, RoomParticipantsRole);
  item->setEditable(false);
  m_rooms->appendRow(item);
  if (!m_access.contains(jid)) {
    Room room;
    room.created = true;
    room.form = defaultRoomForm(name);
    m_access.insert(jid, room);
  }
}

QStandardItem* XmppChatController::roomItem(const QString& jid) const {
  for (int row = 0; row < m_rooms->rowCount(); ++row)
    if (m_rooms->item(row)->data(RoomJidRole).toString() == jid) return m_rooms->item(row);
  return nullptr;
}

bool XmppChatController::hasRoom(const QString& jid) const { return roomItem(jid) != nullptr; }

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
  QStandardItem* item = roomItem(jid);
  if (!item) return false;
  m_rooms->removeRow(item->row());
  return true;
}

// ---- The service's rooms ----

QXmppDataForm XmppChatController::defaultRoomForm(const QString& name) {
  using F = QXmppDataForm::Field;
  QList<F> fields;
  fields << F(F::HiddenField, QStringLiteral("FORM_TYPE"),
              QStringLiteral("http://jabber.org/protocol/muc#roomconfig"));
  fields << F(F::TextSingleField, QStringLiteral("muc#roomconfig_roomname"), name, false,
              QStringLiteral("Room name"));
  fields << F(F::TextSingleField, QStringLiteral("muc#roomconfig_roomdesc"), QString(), false,
              QStringLiteral("Description"));
  fields << F(F::BooleanField, QStringLiteral("muc#roomconfig_publicroom"), false);
  fields << F(F::BooleanField, QStringLiteral("muc#roomconfig_persistentroom"), false);
  fields << F(F::BooleanField, QStringLiteral("muc#roomconfig_passwordprotectedroom"), false);
  fields << F(F::TextPrivateField, QStringLiteral("muc#roomconfig_roomsecret"), QString());
  fields << F(F::BooleanField, QStringLiteral("muc#roomconfig_membersonly"), true);
  fields << F(F::TextSingleField, QStringLiteral("muc#maxhistoryfetch"), QStringLiteral("0"));
  return QXmppDataForm(QXmppDataForm::Form, fields, QStringLiteral("Room configuration"));
}

void XmppChatController::setRoomAccess(const QString& jid, const QString& password,
                                       bool membersOnly, bool owned, const QStringList& members,
                                       bool banned) {
  Room& room = m_access[jid];
  room.password = password;
  room.membersOnly = membersOnly;
  room.owned = owned;
  room.members = members;
  room.banned = banned;
  room.created = true;
  if (room.form.fields().isEmpty()) room.form = defaultRoomForm(roomName(jid));
  for (QXmppDataForm::Field& f : room.form.fields()) {
    if (f.key() == QLatin1String("muc#roomconfig_membersonly")) f.setValue(membersOnly);
    if (f.key() == QLatin1String("muc#roomconfig_passwordprotectedroom"))
      f.setValue(!password.isEmpty());
  }
}

QXmppDataForm XmppChatController::roomForm(const QString& jid) const {
  return m_access.value(jid).form;
}

bool XmppChatController::setRoomForm(const QString& jid, const QXmppDataForm& form) {
  if (!m_access.contains(jid)) return false;
  m_access[jid].form = form;
  return true;
}

QXmppDataForm XmppChatController::submittedRoomForm(const QString& jid) const {
  return m_access.value(jid).submitted;
}

QStringList XmppChatController::roomMembers(const QString& jid) const {
  return m_access.value(jid).members;
}

bool XmppChatController::isRoomOwned(const QString& jid) const { return m_access.value(jid).owned; }

QString XmppChatController::roomName(const QString& jid) const {
  const QStandardItem* item = roomItem(jid);
  return item ? item->text() : QString();
}

XmppChat* XmppChatController::roomChat(const QString& jid) const {
  return m_chats.value(jid).data();
}

XmppChat* XmppChatController::startRoomSession(const QString& jid, const QString& name) {
  if (!m_comms) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No session controller to join rooms with";
    return nullptr;
  }
  m_comms->joinRoom(jid, name);
  const QList<CommunicationSession*> sessions = m_comms->commsList();
  CommunicationSession* session = sessions.isEmpty() ? nullptr : sessions.last();
  auto* chat = session ? qobject_cast<XmppChat*>(session->getChatInterface()) : nullptr;
  if (!chat) return nullptr;
  m_chats.insert(jid, chat);
  // "Edit Room" in the room's window asks the service for the room's form.
  connect(chat, &ChatInterface::roomConfigurationRequested, this,
          [this, jid] { requestRoomConfiguration(jid); });
  return chat;
}

void XmppChatController::createGroupChat(const QString& roomJid) {
  if (roomJid.isEmpty() || !m_access.contains(roomJid)) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No such room: " << roomJid;
    // Asked for by the user (a room of the history deleted since): told so.
    if (!roomJid.isEmpty())
      QTimer::singleShot(0, this, [this, roomJid] { emit roomNotFound(roomJid); });
    return;
  }
  if (XmppChat* open = roomChat(roomJid)) {
    // Already in the room: its window comes forward (once the request that
    // asked for it is done, as the service answers). A room still waiting
    // to be entered (its password asked for, its answer pending) has no
    // window to show yet: the question that holds it stays as it is.
    QPointer<CommunicationSession> session = qobject_cast<CommunicationSession*>(open->parent());
    QTimer::singleShot(0, this, [session] {
      if (session && session->roomMayShow()) session->activate();
    });
    return;
  }
  XmppChat* chat = startRoomSession(roomJid, roomName(roomJid));
  if (!chat) return;
  chat->setState(XmppChat::StateJoining);
  const Room room = m_access.value(roomJid);
  QPointer<XmppChat> guard(chat);
  // The answer comes after the session has been announced.
  QTimer::singleShot(0, this, [this, guard, room] {
    if (!guard) return;
    if (room.banned)
      failJoin(guard, ChatError::Banned);
    else if (room.membersOnly && !room.owned && !room.members.contains(m_ownJid))
      failJoin(guard, ChatError::MembersOnly);
    else if (!room.password.isEmpty())
      failJoin(guard, ChatError::PasswordRequired);
    else
      enter(guard);
  });
}

void XmppChatController::failJoin(XmppChat* chat, ChatError::ChatRoomJoinError error) {
  chat->setState(XmppChat::StateJoinFailed);
  emit chat->authorizationFailed(chat->roomJid(), error);
  // Only a password can still let the user in; otherwise the room is left.
  if (error != ChatError::PasswordRequired && error != ChatError::PasswordWrong) {
    QPointer<XmppChat> guard(chat);
    QTimer::singleShot(0, this, [guard] {
      if (guard) guard->close();
    });
  }
}

void XmppChatController::enter(XmppChat* chat) {
  const QString jid = chat->roomJid();
  const Room room = m_access.value(jid);
  chat->setState(XmppChat::StateJoined);
  chat->setIsRoomOwner(room.owned);
  // What the service says the user is in the room decides the moderation
  // the user is offered there.
  chat->setOwnAffiliation(room.owned ? RAZ::Data::ChatParticipant::Owner
                                     : RAZ::Data::ChatParticipant::Member);
  chat->setRoomName(roomName(jid).isEmpty() ? jid.section(QLatin1Char('@'), 0, 0) : roomName(jid));
  auto* session = qobject_cast<CommunicationSession*>(chat->parent());
  if (m_comms && session) m_comms->roomEntered(session);
  if (RAZ::Models::ChatParticipants* people = chat->getParticipants()) {
    QStringList present;
    if (!m_ownJid.isEmpty()) present << m_ownJid;
    present << room.members;
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
        m_comms ? m_comms->contacts() : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
    for (const QString& member : qAsConst(present)) {
      if (people->participants().contains(member)) continue;
      // A party the contact list knows goes by its name, with its contact
      // (the participant menu and hover card need it); others by address.
      const bool own = member == m_ownJid;
      RAZ::Contacts::ContactPtr contact =
          !contacts ? nullptr : (own ? contacts->ownContact() : contacts->getContactByJid(member));
      const QString name = contact && !contact->getDisplayName().isEmpty()
                               ? contact->getDisplayName()
                               : member.section(QLatin1Char('@'), 0, 0);
      const int rank = own && room.owned ? RAZ::Data::ChatParticipant::Owner
                                         : RAZ::Data::ChatParticipant::Member;
      people->addParticipant(name, rank, contact.data());
      people->add(member, name);
      // Messages and typing notices name the party.
      people->rename(member, name);
    }
  }
}

void XmppChatController::passwordEntered(const QString& roomJid, const QString& password) {
  QPointer<XmppChat> chat = roomChat(roomJid);
  if (!chat) return;
  const QString expected = m_access.value(roomJid).password;
  QTimer::singleShot(0, this, [this, chat, password, expected] {
    if (!chat) return;
    if (password == expected)
      enter(chat);
    else
      failJoin(chat, ChatError::PasswordWrong);
  });
}

void XmppChatController::passwordEnterCanceled(const QString& roomJid) {
  QPointer<XmppChat> chat = roomChat(roomJid);
  if (!chat) return;
  QTimer::singleShot(0, this, [chat] {
    if (chat) chat->close();
  });
}

void XmppChatController::createRoom() {
  const QString own =
      m_ownJid.isEmpty() ? QStringLiteral("user") : m_ownJid.section(QLatin1Char('@'), 0, 0);
  const QString server =
      m_mucServer.isEmpty() ? QStringLiteral("conference.demo.zent") : m_mucServer;
  QString jid;
  do {
    jid = QStringLiteral("room%1-%2@%3").arg(m_nextRoom++).arg(own, server);
  } while (m_access.contains(jid));
  Room room;
  room.owned = true;
  room.members << m_ownJid;
  room.form = defaultRoomForm(QString());
  m_access.insert(jid, room);
  XmppChat* chat = startRoomSession(jid, QString());
  if (!chat) {
    m_access.remove(jid);
    return;
  }
  chat->setState(XmppChat::StateCreating);
  chat->setIsRoomOwner(true);
  // A room that is left before it was configured never comes to be.
  connect(chat, &QObject::destroyed, this, [this, jid] {
    if (m_access.contains(jid) && !m_access.value(jid).created) m_access.remove(jid);
  });
  QPointer<XmppChat> guard(chat);
  const QXmppDataForm form = room.form;
  QTimer::singleShot(0, this, [this, guard, jid, form] {
    if (guard) emit xmppRoomConfigReceived(jid, form, guard.data());
  });
}

void XmppChatController::requestRoomConfiguration(const QString& roomJid) {
  const bool allowed = m_access.contains(roomJid) && m_access.value(roomJid).owned;
  const QXmppDataForm form = m_access.value(roomJid).form;
  QTimer::singleShot(0, this, [this, allowed, roomJid, form] {
    if (allowed)
      emit xmppRoomConfigReceived(roomJid, form, nullptr);
    else
      emit roomConfigurationForbidden();
  });
}

void XmppChatController::roomConfigured(const QString& roomJid, const QXmppDataForm& form) {
  if (!m_access.contains(roomJid) || !m_access.value(roomJid).owned) {
    QTimer::singleShot(0, this, [this] { emit roomConfigurationForbidden(); });
    return;
  }
  if (form.type() != QXmppDataForm::Submit) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "A room form that is not submitted: ignored";
    return;
  }
  Room& room = m_access[roomJid];
  room.submitted = form;
  // The service keeps the values the owner sent; fields it does not know of
  // are not added.
  for (QXmppDataForm::Field& kept : room.form.fields()) {
    const QVariant sent = fieldValue(form, kept.key());
    if (sent.isValid()) kept.setValue(sent);
  }
  room.membersOnly = fieldValue(form, QStringLiteral("muc#roomconfig_membersonly")).toBool();
  if (!fieldValue(form, QStringLiteral("muc#roomconfig_passwordprotectedroom")).toBool())
    room.password.clear();
  QString name = fieldValue(form, QStringLiteral("muc#roomconfig_roomname")).toString().trimmed();
  if (name.isEmpty()) name = roomJid.section(QLatin1Char('@'), 0, 0);
  const bool isNew = !room.created;
  room.created = true;
  QPointer<XmppChat> chat = roomChat(roomJid);
  QTimer::singleShot(0, this, [this, roomJid, name, isNew, chat] {
    // The room's session goes by the room's name (lists, window titles).
    if (auto* session = chat ? qobject_cast<CommunicationSession*>(chat->parent()) : nullptr) {
      session->setContactName(name);
      session->setGroupChatSubject(name);
    }
    if (isNew) {
      addRoom(roomJid, name, QString(), 1);
      if (chat) enter(chat);
      emit roomCreated(roomJid);
    } else {
      if (QStandardItem* item = roomItem(roomJid)) item->setText(name);
      if (chat) chat->setRoomName(name);
      emit roomChanged(roomJid);
    }
  });
}

bool XmppChatController::changeRoom(const QString& jid, const QString& name,
                                    const QString& subject) {
  QStandardItem* item = roomItem(jid);
  if (!item) return false;
  item->setText(name);
  item->setData(subject, RoomSubjectRole);
  if (m_access.contains(jid)) {
    QXmppDataForm& form = m_access[jid].form;
    for (QXmppDataForm::Field& field : form.fields())
      if (field.key() == QLatin1String("muc#roomconfig_roomname")) field.setValue(name);
  }
  if (XmppChat* chat = roomChat(jid)) {
    if (auto* session = qobject_cast<CommunicationSession*>(chat->parent())) {
      session->setContactName(name);
      session->setGroupChatSubject(name);
    }
    chat->setRoomName(name);
  }
  emit roomChanged(jid);
  return true;
}

QVariantList XmppChatController::roomsSnapshot() const {
  QVariantList rooms;
  for (int row = 0; row < m_rooms->rowCount(); ++row) {
    const QStandardItem* item = m_rooms->item(row);
    const QString jid = item->data(RoomJidRole).toString();
    const Room room = m_access.value(jid);
    QVariantMap entry;
    entry.insert(QStringLiteral("jid"), jid);
    entry.insert(QStringLiteral("name"), item->text());
    entry.insert(QStringLiteral("subject"), item->data(RoomSubjectRole));
    entry.insert(QStringLiteral("participants"), item->data(RoomParticipantsRole));
    entry.insert(QStringLiteral("password"), room.password);
    entry.insert(QStringLiteral("membersOnly"), room.membersOnly);
    entry.insert(QStringLiteral("owned"), room.owned);
    entry.insert(QStringLiteral("banned"), room.banned);
    entry.insert(QStringLiteral("members"), room.members);
    entry.insert(QStringLiteral("form"), formToXml(room.form));
    entry.insert(QStringLiteral("submitted"), formToXml(room.submitted));
    rooms << entry;
  }
  return rooms;
}

void XmppChatController::restoreRooms(const QVariantList& rooms) {
  for (const QVariant& value : rooms) {
    const QVariantMap entry = value.toMap();
    const QString jid = entry.value(QStringLiteral("jid")).toString();
    if (jid.isEmpty() || hasRoom(jid)) continue;
    Room room;
    room.password = entry.value(QStringLiteral("password")).toString();
    room.membersOnly = entry.value(QStringLiteral("membersOnly")).toBool();
    room.owned = entry.value(QStringLiteral("owned")).toBool();
    room.banned = entry.value(QStringLiteral("banned")).toBool();
    room.created = true;
    room.members = entry.value(QStringLiteral("members")).toStringList();
    room.form = formFromXml(entry.value(QStringLiteral("form")).toByteArray());
    room.submitted = formFromXml(entry.value(QStringLiteral("submitted")).toByteArray());
    const QString name = entry.value(QStringLiteral("name")).toString();
    if (room.form.fields().isEmpty()) room.form = defaultRoomForm(name);
    m_access.insert(jid, room);
    addRoom(jid, name, entry.value(QStringLiteral("subject")).toString(),
            entry.value(QStringLiteral("participants")).toInt());
  }
}

void XmppChatController::destroyRoom(const QString& roomJid) {
  const bool allowed = m_access.contains(roomJid) && m_access.value(roomJid).owned;
  QTimer::singleShot(0, this, [this, allowed, roomJid] {
    if (!allowed) {
      emit roomDestructionFailed(roomJid);
      return;
    }
    m_access.remove(roomJid);
    removeRoom(roomJid);
    if (XmppChat* chat = roomChat(roomJid)) chat->setRoomNotExistent(true);
    emit roomDestroyed(roomJid);
  });
}

void XmppChatController::requestRoomMembers(const QString& roomJid) {
  QStringList members = m_access.value(roomJid).members;
  members.removeAll(m_ownJid);
  QTimer::singleShot(0, this,
                     [this, roomJid, members] { emit memberListReceived(roomJid, members); });
}

void XmppChatController::removeParticipantsFromChat(const QString& roomJid,
                                                    const QStringList& jids) {
  if (!m_access.contains(roomJid) || !m_access.value(roomJid).owned) return;
  Room& room = m_access[roomJid];
  for (const QString& jid : jids) {
    if (jid == m_ownJid) continue;
    room.members.removeAll(jid);
    if (XmppChat* chat = roomChat(roomJid))
      if (chat->getParticipants() && chat->getParticipants()->participants().contains(jid))
        chat->getParticipants()->remove(jid);
  }
}

}  // namespace Controllers
}  // namespace RAZ

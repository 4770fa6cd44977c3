#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QString>

#include <tp/core/SharedPointer.h>

#include "RAZ/Actions/Source.h"

namespace RAZ {
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
namespace Controllers {
class XsiCallHistory;
}
namespace Models {

// The session's record of communications (calls and chats), newest last.
// Missed ones stay "new" until the user has seen them. Scenes read the
// direction and kind by name (Vantre.CallLog.Missed, Vantre.CallLog.Chat).
class CallLog : public QObject {
  Q_OBJECT

 public:
  enum Direction { Incoming = 0, Outgoing = 1, Missed = 2 };
  Q_ENUM(Direction)
  enum Kind { Audio = 0, Video = 1, Chat = 2 };
  Q_ENUM(Kind)
  // Where a communication took place when it was not with one person: a
  // room of the room service (its chat only), the user's own personal room,
  // somebody else's personal room (chat, conference or both), a chat with
  // several people.
  enum Room { NoRoom = 0, ListedRoom = 1, OwnPersonalRoom = 2, PersonalRoom = 3, GroupChat = 4 };
  Q_ENUM(Room)
  struct Record {
    int id = 0;
    int contactId = 0;  // 0: a party outside the contact list
    QString address;
    QString name;
    int direction = Incoming;
    int kind = Audio;
    QDateTime start;
    int durationSec = 0;
    bool isNew = false;
    // What the service says of how it ended, when not as usual ("Declined:
    // Do Not Disturb", "Forwarded to ..."); empty otherwise.
    QString note;
    // Not with one person (a Room value). The address is then the room's
    // (a listed or personal room) and the name the room's name, the owner's
    // name of a personal room, or the names of a chat's people; contactId
    // is 0.
    int room = NoRoom;
  };

  // How many records a history keeps from one session to the next: the
  // newest ones. A history that grew for years must not stall every
  // sign-in nor be written whole at each change.
  static constexpr int kKeptRecords = 1000;
  // The newest kKeptRecords of `records` (newest last).
  static QList<Record> newestKept(const QList<Record>& records) {
    return records.size() > kKeptRecords ? records.mid(records.size() - kKeptRecords) : records;
  }

  explicit CallLog(QObject* parent = nullptr) : QObject(parent) {}

  QList<Record> records() const { return m_records; }
  int indexOf(int recordId) const;
  // Adds a record (its id is given here) and returns the id.
  int add(Record record);
  // Marks a record seen or new; false for an unknown id or no change.
  bool setNew(int recordId, bool isNew);
  int newCount() const;
  // Every record replaced by these (in order, given new ids): the history
  // as a database kept it. Entries made for the old records are gone.
  void replaceAll(const QList<Record>& records);

 signals:
  void recordAdded(int index);
  void recordChanged(int index);
  void recordsReplaced();
  void newCountChanged();

 private:
  QList<Record> m_records;
  int m_nextId = 1;
};

// One communication of the history; an action source (call back, chat,
// add the number as a contact; for a room, join it again).
class TimelineEntry : public RAZ::Actions::Source {
  Q_OBJECT
  Q_PROPERTY(bool isNew READ isNew NOTIFY changed)

 public:
  TimelineEntry(RAZ::Models::CallLog* log, int recordId,
                RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                QObject* parent = nullptr);

  int recordId() const { return m_recordId; }
  RAZ::Models::CallLog::Record record() const;
  bool isNew() const { return record().isNew; }
  // The room of a room's chat; empty for any other entry.
  QString roomJid() const;
  // Where it took place (CallLog::Room).
  int room() const { return record().room; }
  // The contact of the entry: the listed contact, or one made for the
  // number; null when neither exists, and for a room (which is nobody).
  Q_INVOKABLE RAZ::Contacts::IContact* getContact() const;

  QList<RAZ::Actions::ActionData> getActions() const override;
  int getSourceType() const override { return TimelineEntryType; }

 public slots:
  void dismissUnreadMessages();
  void resetMissedCalls();

 signals:
  void changed();

 private:
  QPointer<RAZ::Models::CallLog> m_log;
  int m_recordId;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  mutable QPointer<RAZ::Contacts::IContact> m_contact;
};

// The history as a list model, newest first. Roles: Qt::DisplayRole and 300
// the party's name, 329 and 353 the entry (an action source), 360
// direction, 361 kind, 362 start (QDateTime), 363 duration in seconds, 364
// new (bool), 365 address, 366 the party's presence state, 367 the
// service's note on how it ended.
class Timeline : public QAbstractListModel {
  Q_OBJECT
  Q_PROPERTY(int newCommsCount READ newCommsCount NOTIFY newCommsCountChanged)

 public:
  enum Roles {
    NameRole = 300,
    EntryRole = 329,
    SourceRole = 353,
    DirectionRole = 360,
    KindRole = 361,
    StartRole = 362,
    DurationRole = 363,
    IsNewRole = 364,
    AddressRole = 365,
    PresenceRole = 366,
    NoteRole = 367,
    RoomRole = 368
  };

  Timeline(RAZ::Models::CallLog* log, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
           QObject* parent = nullptr);
  // With the service's call logs (fetched on fetchCallLogs(), may be null)
  // and two switches: `callsFromServiceOnly`, the client places no calls of
  // its own, so the service's logs are the calls' only record; `keepChats`,
  // chats are part of the history (false: only calls are listed).
  Timeline(RAZ::Models::CallLog* log, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
           RAZ::Controllers::XsiCallHistory* history, bool callsFromServiceOnly, bool keepChats,
           QObject* parent = nullptr);
  ~Timeline() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  Q_INVOKABLE int newCommsCount() const;
  bool callsFromServiceOnly() const { return m_callsFromServiceOnly; }
  RAZ::Controllers::XsiCallHistory* callHistory() const;
  RAZ::Models::TimelineEntry* entryAt(int row) const;

 public slots:
  void fetchCallLogs();
  void clearMissedHistory();
  void clearMissedChatItems();
  void clearMissedCalls();

 signals:
  void newCommsCountChanged();

 private slots:
  void onRecordAdded(int index);
  void onRecordChanged(int index);
  void onRecordsReplaced();

 private:
  void addEntries();
  int rowOfIndex(int logIndex) const;
  int rowFor(const QDateTime& start) const;
  void clearNew(bool calls, bool chats);

  bool listed(const RAZ::Models::CallLog::Record& record) const;

  QPointer<RAZ::Models::CallLog> m_log;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Controllers::XsiCallHistory> m_history;
  bool m_callsFromServiceOnly = false;
  bool m_keepChats = true;
  QList<RAZ::Models::TimelineEntry*> m_entries;  // newest first
};

// The history by filter: all, the missed calls, the calls, the chats (the
// numbers are the history view's filter buttons, in order).
class TimelineFilter : public QSortFilterProxyModel {
  Q_OBJECT
  Q_PROPERTY(int flag READ flag NOTIFY flagChanged)

 public:
  enum Flag { All = 0, MissedOnly = 1, CallsOnly = 2, ChatsOnly = 3 };
  Q_ENUM(Flag)

  explicit TimelineFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
  int flag() const { return m_flag; }
  void setFlag(int flag);

 signals:
  void flagChanged();

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  int m_flag = 0;
};

}  // namespace Models
}  // namespace RAZ

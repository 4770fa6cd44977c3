#include "RAZ/Models/Timeline.h"

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Xsi/XsiCallHistory.h"

namespace RAZ {
namespace Models {

// --- CallLog ---

int CallLog::indexOf(int recordId) const {
  for (int i = 0; i < m_records.size(); ++i)
    if (m_records.at(i).id == recordId) return i;
  return -1;
}

int CallLog::add(Record record) {
  record.id = m_nextId++;
  m_records.append(record);
  emit recordAdded(m_records.size() - 1);
  if (record.isNew) emit newCountChanged();
  return record.id;
}

bool CallLog::setNew(int recordId, bool isNew) {
  const int i = indexOf(recordId);
  if (i < 0 || m_records.at(i).isNew == isNew) return false;
  m_records[i].isNew = isNew;
  emit recordChanged(i);
  emit newCountChanged();
  return true;
}

void CallLog::replaceAll(const QList<Record>& records) {
  m_records.clear();
  for (Record record : records) {
    record.id = m_nextId++;
    m_records.append(record);
  }
  emit recordsReplaced();
  emit newCountChanged();
}

int CallLog::newCount() const {
  int n = 0;
  for (const Record& r : m_records)
    if (r.isNew) ++n;
  return n;
}

// --- TimelineEntry ---

TimelineEntry::TimelineEntry(CallLog* log, int recordId,
                             RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                             QObject* parent)
    : RAZ::Actions::Source(parent), m_log(log), m_recordId(recordId), m_contacts(contacts) {}

CallLog::Record TimelineEntry::record() const {
  if (!m_log) return CallLog::Record();
  const int i = m_log->indexOf(m_recordId);
  return i < 0 ? CallLog::Record() : m_log->records().at(i);
}

QString TimelineEntry::roomJid() const {
  const CallLog::Record r = record();
  return r.room == CallLog::ListedRoom ? r.address : QString();
}

RAZ::Contacts::IContact* TimelineEntry::getContact() const {
  if (m_contact) return m_contact;
  if (!m_contacts) return nullptr;
  const CallLog::Record r = record();
  // A room's address is no number to call nor anybody to add, and a chat
  // with several people is not one of them.
  if (r.room != CallLog::NoRoom) return nullptr;
  if (r.contactId != 0) {
    if (RAZ::Contacts::ContactPtr c = m_contacts->getContact(r.contactId)) m_contact = c.data();
  }
  if (!m_contact && !r.address.isEmpty()) {
    // A party outside the list: a contact of its own for the number.
    QVariantMap p;
    const bool sip = r.address.startsWith(QLatin1String("sip:"));
    p.insert(QString::number(sip ? RAZ::Contacts::Properties::KeyUri
                                 : RAZ::Contacts::Properties::KeyWork),
             r.address);
    if (!r.name.isEmpty())
      p.insert(QString::number(RAZ::Contacts::Properties::KeyDisplayName), r.name);
    m_contact = m_contacts->createTemporaryContact(p);
  }
  if (m_contact)
    connect(m_contact.data(), SIGNAL(actionsChanged()), this, SIGNAL(actionsChanged()),
            Qt::UniqueConnection);
  return m_contact;
}

QList<RAZ::Actions::ActionData> TimelineEntry::getActions() const {
  switch (record().room) {
    case CallLog::ListedRoom:
    case CallLog::OwnPersonalRoom:
    case CallLog::PersonalRoom:
      return {RAZ::Actions::ActionData(RAZ::Actions::Action::JoinRoom)};
    case CallLog::GroupChat:
      // Its people are not kept: nobody to call or chat with again.
      return {};
    default:
      break;
  }
  RAZ::Contacts::IContact* c = getContact();
  return c ? c->getActions() : QList<RAZ::Actions::ActionData>();
}

void TimelineEntry::dismissUnreadMessages() {
  if (m_log && record().kind == CallLog::Chat) m_log->setNew(m_recordId, false);
}

void TimelineEntry::resetMissedCalls() {
  if (m_log && record().kind != CallLog::Chat) m_log->setNew(m_recordId, false);
}

// --- Timeline ---

Timeline::Timeline(CallLog* log, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                   QObject* parent)
    : Timeline(log, contacts, nullptr, false, true, parent) {}

Timeline::Timeline(CallLog* log, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                   RAZ::Controllers::XsiCallHistory* history, bool callsFromServiceOnly,
                   bool keepChats, QObject* parent)
    : QAbstractListModel(parent),
      m_log(log),
      m_contacts(contacts),
      m_history(history),
      m_callsFromServiceOnly(callsFromServiceOnly),
      m_keepChats(keepChats) {
  if (!log) return;
  addEntries();
  connect(log, &CallLog::recordAdded, this, &Timeline::onRecordAdded);
  connect(log, &CallLog::recordChanged, this, &Timeline::onRecordChanged);
  connect(log, &CallLog::recordsReplaced, this, &Timeline::onRecordsReplaced);
  connect(log, &CallLog::newCountChanged, this, &Timeline::newCommsCountChanged);
  if (contacts)
    connect(contacts.data(), &RAZ::Contacts::Contacts::contactPresenceChanged, this, [this] {
      if (!m_entries.isEmpty()) emit dataChanged(index(0), index(m_entries.size() - 1));
    });
}

Timeline::~Timeline() = default;

void Timeline::addEntries() {
  const auto records = m_log->records();
  for (const CallLog::Record& r : records)
    if (listed(r))
      m_entries.insert(rowFor(r.start), new TimelineEntry(m_log, r.id, m_contacts, this));
}

int Timeline::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_entries.size();
}

QVariant Timeline::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_entries.size()) return QVariant();
  TimelineEntry* e = m_entries.at(index.row());
  const CallLog::Record r = e->record();
  switch (role) {
    case Qt::DisplayRole:
    case NameRole: {
      if (r.room == CallLog::NoRoom && r.contactId != 0 && m_contacts)
        if (RAZ::Contacts::ContactPtr c = m_contacts->getContact(r.contactId))
          return c->getDisplayName();
      return r.name.isEmpty() ? r.address : r.name;
    }
    case EntryRole:
    case SourceRole:
      return QVariant::fromValue(static_cast<QObject*>(e));
    case DirectionRole:
      return r.direction;
    case KindRole:
      return r.kind;
    case StartRole:
      return r.start;
    case DurationRole:
      return r.durationSec;
    case IsNewRole:
      return r.isNew;
    case AddressRole:
      return r.address;
    case NoteRole:
      return r.note;
    case RoomRole:
      return r.room;
    case PresenceRole:
      if (r.room == CallLog::NoRoom && r.contactId != 0 && m_contacts)
        if (RAZ::Contacts::ContactPtr c = m_contacts->getContact(r.contactId))
          return c->getPresenceState();
      return 0;
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> Timeline::roleNames() const {
  return {{NameRole, "name"},     {EntryRole, "entry"},     {DirectionRole, "direction"},
          {KindRole, "kind"},     {StartRole, "start"},     {DurationRole, "duration"},
          {IsNewRole, "isNew"},   {AddressRole, "address"}, {PresenceRole, "presence"},
          {SourceRole, "source"}, {NoteRole, "note"},       {RoomRole, "room"}};
}

int Timeline::newCommsCount() const { return m_log ? m_log->newCount() : 0; }

TimelineEntry* Timeline::entryAt(int row) const {
  return row >= 0 && row < m_entries.size() ? m_entries.at(row) : nullptr;
}

RAZ::Controllers::XsiCallHistory* Timeline::callHistory() const { return m_history; }

bool Timeline::listed(const CallLog::Record& record) const {
  return m_keepChats || record.kind != CallLog::Chat;
}

void Timeline::fetchCallLogs() {
  // The own log is kept current as calls end; the service's logs (calls of
  // the account's other devices) are asked for each time.
  if (m_history) m_history->fetchCallLogs();
}

void Timeline::clearNew(bool calls, bool chats) {
  if (!m_log) return;
  const auto records = m_log->records();
  for (const CallLog::Record& r : records) {
    const bool chat = r.kind == CallLog::Chat;
    if (r.isNew && ((chat && chats) || (!chat && calls))) m_log->setNew(r.id, false);
  }
}

void Timeline::clearMissedHistory() { clearNew(true, true); }
void Timeline::clearMissedChatItems() { clearNew(false, true); }
void Timeline::clearMissedCalls() { clearNew(true, false); }

int Timeline::rowOfIndex(int logIndex) const {
  if (!m_log || logIndex < 0) return -1;
  const int id = m_log->records().at(logIndex).id;
  for (int row = 0; row < m_entries.size(); ++row)
    if (m_entries.at(row)->recordId() == id) return row;
  return -1;
}

int Timeline::rowFor(const QDateTime& start) const {
  // Newest first by when the communication began (a long call ends after
  // a short one that began later); of two that began together, the one
  // recorded last comes first.
  int row = 0;
  while (row < m_entries.size() && m_entries.at(row)->record().start > start) ++row;
  return row;
}

void Timeline::onRecordAdded(int logIndex) {
  if (!m_log || !listed(m_log->records().at(logIndex))) return;
  const CallLog::Record r = m_log->records().at(logIndex);
  const int row = rowFor(r.start);
  beginInsertRows(QModelIndex(), row, row);
  m_entries.insert(row, new TimelineEntry(m_log, r.id, m_contacts, this));
  endInsertRows();
}

void Timeline::onRecordChanged(int logIndex) {
  const int row = rowOfIndex(logIndex);
  if (row < 0) return;
  emit dataChanged(index(row), index(row));
  emit m_entries.at(row)->changed();
}

void Timeline::onRecordsReplaced() {
  beginResetModel();
  // The entries may be held by a menu still open: they go from the event loop.
  for (TimelineEntry* entry : qAsConst(m_entries)) entry->deleteLater();
  m_entries.clear();
  if (m_log) addEntries();
  endResetModel();
}

// --- TimelineFilter ---

void TimelineFilter::setFlag(int flag) {
  m_flag = flag;
  invalidateFilter();
  emit flagChanged();
}

bool TimelineFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
  const QModelIndex i = sourceModel()->index(row, 0, parent);
  switch (m_flag) {
    case MissedOnly:
      return i.data(Timeline::DirectionRole).toInt() == CallLog::Missed;
    case CallsOnly:
      return i.data(Timeline::KindRole).toInt() != CallLog::Chat;
    case ChatsOnly:
      return i.data(Timeline::KindRole).toInt() == CallLog::Chat;
    default:
      return true;
  }
}

}  // namespace Models
}  // namespace RAZ

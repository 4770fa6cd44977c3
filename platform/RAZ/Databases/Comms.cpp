#include "RAZ/Databases/Comms.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalBlocker>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Utils/FileWrites.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace RAZ {
namespace Databases {

namespace {

const int kFormatVersion = 1;
const QString kVersion = QStringLiteral("version");
const QString kHistories = QStringLiteral("histories");

using Record = RAZ::Models::CallLog::Record;

QJsonObject toJson(const Record& r) {
  QJsonObject o;
  o.insert(QStringLiteral("contactId"), r.contactId);
  o.insert(QStringLiteral("address"), r.address);
  o.insert(QStringLiteral("name"), r.name);
  o.insert(QStringLiteral("direction"), r.direction);
  o.insert(QStringLiteral("kind"), r.kind);
  o.insert(QStringLiteral("start"), r.start.toUTC().toString(Qt::ISODateWithMs));
  o.insert(QStringLiteral("durationSec"), r.durationSec);
  o.insert(QStringLiteral("isNew"), r.isNew);
  if (!r.note.isEmpty()) o.insert(QStringLiteral("note"), r.note);
  // A listed room is written as it always was; the other places by number.
  if (r.room == RAZ::Models::CallLog::ListedRoom)
    o.insert(QStringLiteral("room"), true);
  else if (r.room != RAZ::Models::CallLog::NoRoom)
    o.insert(QStringLiteral("room"), r.room);
  return o;
}

// A record as stored; values out of their range fall back to the plain ones
// rather than reach the history's lists.
// Where a stored communication took place; anything unknown is a
// communication with one person.
int roomOf(const QJsonValue& v, int kind) {
  using RAZ::Models::CallLog;
  // Only a chat can have been in a listed room or with several people; a
  // personal room has its conference too.
  if (v.isBool())
    return v.toBool() && kind == CallLog::Chat ? CallLog::ListedRoom : CallLog::NoRoom;
  const int room = v.toInt(CallLog::NoRoom);
  switch (room) {
    case CallLog::OwnPersonalRoom:
    case CallLog::PersonalRoom:
      return room;
    case CallLog::ListedRoom:
    case CallLog::GroupChat:
      return kind == CallLog::Chat ? room : CallLog::NoRoom;
    default:
      return CallLog::NoRoom;
  }
}

Record fromJson(const QJsonObject& o) {
  Record r;
  r.contactId = o.value(QStringLiteral("contactId")).toInt();
  r.address = o.value(QStringLiteral("address")).toString();
  r.name = o.value(QStringLiteral("name")).toString();
  const int direction = o.value(QStringLiteral("direction")).toInt();
  r.direction =
      direction >= RAZ::Models::CallLog::Incoming && direction <= RAZ::Models::CallLog::Missed
          ? direction
          : RAZ::Models::CallLog::Incoming;
  const int kind = o.value(QStringLiteral("kind")).toInt();
  r.kind = kind >= RAZ::Models::CallLog::Audio && kind <= RAZ::Models::CallLog::Chat
               ? kind
               : RAZ::Models::CallLog::Audio;
  r.start = QDateTime::fromString(o.value(QStringLiteral("start")).toString(), Qt::ISODateWithMs)
                .toLocalTime();
  r.durationSec = qMax(0, o.value(QStringLiteral("durationSec")).toInt());
  r.isNew = o.value(QStringLiteral("isNew")).toBool();
  r.note = o.value(QStringLiteral("note")).toString();
  r.room = roomOf(o.value(QStringLiteral("room")), r.kind);
  return r;
}

// Own addresses are compared as the service does: without regard to case.
QString ownerKey(const QString& address) { return address.trimmed().toLower(); }

}  // namespace

Comms::Comms(QObject* parent) : QObject(parent) {
  m_saveTimer = new QTimer(this);
  m_saveTimer->setSingleShot(true);
  m_saveTimer->setInterval(0);
  connect(m_saveTimer, &QTimer::timeout, this, [this] { save(); });
  m_retryTimer = new QTimer(this);
  m_retryTimer->setObjectName(QStringLiteral("historyRetry"));
  m_retryTimer->setSingleShot(true);
  m_retryTimer->setInterval(kRetryMs);
  connect(m_retryTimer, &QTimer::timeout, this, [this] { save(); });
}

Comms::~Comms() {
  // The last attempt: nobody is left to be told of its failure.
  const QSignalBlocker quiet(this);
  if (m_saveTimer->isActive() || m_pending) save();
}

bool Comms::Initialize(const QString& path,
                       TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> factory,
                       RAZ::MediaEngine::CallControllerBase* callController) {
  Q_UNUSED(callController);
  reset();
  if (path.isEmpty() || !factory) {
    TP_LOG("RAZ::Databases::Comms::Initialize", TP::Core::Logging::LevelError)
        << "No database " << (path.isEmpty() ? "path" : "adapter factory");
    return false;
  }
  const QFileInfo info(path);
  if (!QDir().mkpath(info.absolutePath())) {
    TP_LOG("RAZ::Databases::Comms::Initialize", TP::Core::Logging::LevelError)
        << "Cannot create the folder of the database " << path;
    return false;
  }
  m_factory = factory;
  m_path = info.absoluteFilePath();
  // A copy half-written when the program was killed is of no use now.
  RAZ::Utils::FileWrites::removeLeftovers(m_path);
  load();
  // A database that is not there yet is there from now on, empty.
  const bool present = QFileInfo::exists(m_path) && QFileInfo(m_path).size() > 0;
  if (!present && !save()) {
    m_factory = nullptr;
    m_path.clear();
    m_records.clear();
    m_others = QJsonObject();
    m_stored = false;
    return false;
  }
  emit databaseChanged();
  return true;
}

QString Comms::ownAddress() const { return m_factory ? m_factory->ownAddress() : QString(); }

void Comms::reset() {
  if (m_saveTimer->isActive() || m_pending) save();
  m_saveTimer->stop();
  m_retryTimer->stop();
  m_pending = false;
  if (m_log) disconnect(m_log, nullptr, this, nullptr);
  m_log = nullptr;
  m_records.clear();
  m_others = QJsonObject();
  m_stored = false;
  m_trimmed = false;
  m_factory = nullptr;
  m_loadProblem = LoadProblem::None;
  m_loadProblemDetail.clear();
  m_keptAs.clear();
  m_saveBlocked = false;
  setPath(QString());
}

void Comms::setPath(const QString& path) {
  if (m_path == path) return;
  m_path = path;
  emit databaseChanged();
}

void Comms::keepUnreadFile(LoadProblem problem, const QString& detail) {
  m_loadProblem = problem;
  m_loadProblemDetail = detail;
  QString aside = m_path + QStringLiteral(".unreadable");
  // An earlier unreadable file may hold what this one lost: never replace it.
  if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
    aside += QLatin1Char('.') +
             QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
  // A plain rename: it works for a file we may not read and for a folder.
  const bool moved =
      std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(aside).constData()) == 0;
  m_saveBlocked = !moved;
  m_keptAs = moved ? aside : m_path;
  TP_LOG("RAZ::Databases::Comms::load", TP::Core::Logging::LevelError)
      << "The communications database " << m_path << " could not be read ("
      << static_cast<int>(problem) << ": " << detail << "); "
      << (moved ? "kept aside as " + aside
                : QStringLiteral("it could not be moved aside and is never written over"));
}

void Comms::load() {
  const QFileInfo info(m_path);
  // A dangling link or anything else in the file's place counts as there.
  if (!info.exists() && !info.isSymLink()) return;
  QFile file(m_path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    keepUnreadFile(LoadProblem::CannotOpen,
                   info.isFile() ? file.errorString() : QStringLiteral("not a file"));
    return;
  }
  if (file.size() > kMaxFileSize) {
    file.close();
    keepUnreadFile(LoadProblem::TooLarge, QString::number(info.size()));
    return;
  }
  const QByteArray raw = file.readAll();
  const bool readWell = file.error() == QFileDevice::NoError;
  const QString readError = file.errorString();
  file.close();
  if (!readWell) {
    keepUnreadFile(LoadProblem::CannotOpen, readError);
    return;
  }
  // Earlier versions left an empty file: no history was ever kept in it.
  if (raw.isEmpty()) return;
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(raw, &error);
  if (!doc.isObject() || doc.object().value(kVersion).toInt() != kFormatVersion ||
      !doc.object().value(kHistories).isObject()) {
    keepUnreadFile(LoadProblem::NotADatabase,
                   error.error != QJsonParseError::NoError ? error.errorString() : QString());
    return;
  }
  m_others = doc.object().value(kHistories).toObject();
  const QString owner = ownerKey(ownAddress());
  const QJsonValue mine = m_others.take(owner);
  if (!mine.isArray()) return;
  const QJsonArray records = mine.toArray();
  // Only the newest are read: each costs time at every sign-in. A file that
  // holds more (from before the history was bounded) is written again
  // bounded as soon as the history is kept (keepHistory).
  const int first = qMax(0, records.size() - RAZ::Models::CallLog::kKeptRecords);
  m_trimmed = first > 0;
  for (int i = first; i < records.size(); ++i)
    if (records.at(i).isObject()) m_records.append(fromJson(records.at(i).toObject()));
  // The history as read counts as stored, even when it holds no record.
  m_stored = true;
}

void Comms::keepHistory(RAZ::Models::CallLog* log) {
  if (m_log) disconnect(m_log, nullptr, this, nullptr);
  m_log = log;
  if (!log || !hasDatabase()) return;
  if (m_stored) {
    log->replaceAll(m_records);
    if (m_trimmed) scheduleSave();
  } else {
    // Nothing stored for the user yet: the service's list is the start.
    m_records = log->records();
    scheduleSave();
  }
  connect(log, &RAZ::Models::CallLog::recordAdded, this, &Comms::historyChanged);
  connect(log, &RAZ::Models::CallLog::recordChanged, this, &Comms::historyChanged);
  connect(log, &RAZ::Models::CallLog::recordsReplaced, this, &Comms::historyChanged);
}

void Comms::historyChanged() {
  // The records are copied at each change: the list may be gone by the time
  // the write is made (the session ends in the same turn).
  if (m_log) m_records = m_log->records();
  scheduleSave();
}

void Comms::scheduleSave() {
  if (!hasDatabase()) return;
  m_pending = true;
  m_saveTimer->start();
}

bool Comms::save() {
  m_saveTimer->stop();
  if (!hasDatabase()) return false;
  if (m_saveBlocked) {
    // Nothing can be written until the unread file is dealt with.
    m_pending = false;
    TP_LOG("RAZ::Databases::Comms::save", TP::Core::Logging::LevelError)
        << "The unreadable database is still in place: not overwritten";
    return false;
  }
  QJsonObject histories = m_others;
  QJsonArray records;
  const QList<Record> kept = RAZ::Models::CallLog::newestKept(m_records);
  for (const Record& r : kept) records.append(toJson(r));
  histories.insert(ownerKey(ownAddress()), records);
  QJsonObject root;
  root.insert(kVersion, kFormatVersion);
  root.insert(kHistories, histories);
  const QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Compact);

  // Written whole into a temporary that is the user's alone from its first
  // byte, then renamed over the database: a failure leaves the old one.
  const RAZ::Utils::FailureWatch watch;
  if (!RAZ::Utils::FileWrites::replace(m_path, text)) {
    TP_LOG("RAZ::Databases::Comms::save", TP::Core::Logging::LevelError)
        << "Cannot write the communications database " << m_path
        << (m_pending ? ": the changes stay pending" : "");
    // What could not be written is written at the next change, on the
    // timer, or when the database closes: nothing of it is dropped.
    if (m_pending) {
      m_retryTimer->start();
      emit saveFailed(watch.failureShown());
    }
    return false;
  }
  m_pending = false;
  m_retryTimer->stop();
  return true;
}

}  // namespace Databases
}  // namespace RAZ

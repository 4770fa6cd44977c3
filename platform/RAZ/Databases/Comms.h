#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <tp/core/SmartPtr.h>

#include "RAZ/Adapters/FactoryPtr.h"
#include "RAZ/Models/Timeline.h"

class QTimer;

namespace RAZ {
namespace MediaEngine {
class CallControllerBase;
}
namespace Databases {

// The communications database of the signed-in user (history, messages).
// Held by value by the application for its whole run and re-initialised for
// each session that keeps history.
//
// The file holds the history of each own address that used it, with the
// seen marks. It is only ever replaced whole, through a temporary file that
// is made readable by the user alone before anything is written, so a full
// disk or the program ending half-way leaves the previous file as it was.
// A file that exists but cannot be read as a database is never written
// over: it is moved aside as "<file>.unreadable" (what loadProblem() and
// keptAs() tell), and when it cannot be moved nothing is saved this session.
//
// A history bound with keepHistory() follows the database: what the file
// holds for the user replaces the service's list at once (from the call),
// and every change of the list is written from the event loop, at the
// latest when the database is reset or destroyed. Only the newest
// CallLog::kKeptRecords of each user's history are read and written.
//
// A write that fails (a full disk) leaves the changes pending: they are
// written at the next change, every kRetryMs, and when the database is
// reset or destroyed, until a write succeeds. saveFailed() tells of each
// failed write of changes, with the file and the reason.
class Comms : public QObject {
  Q_OBJECT

 public:
  // Why an existing file gave no history.
  enum class LoadProblem { None, CannotOpen, TooLarge, NotADatabase };
  // Largest file read as a database; a bigger one is not ours.
  static constexpr qint64 kMaxFileSize = 32 * 1024 * 1024;
  // How long pending changes wait before the next attempt to write them.
  static constexpr int kRetryMs = 30 * 1000;

  explicit Comms(QObject* parent = nullptr);
  ~Comms() override;

  // Opens (creating it when missing, readable by the user only) the database
  // file at `path` for the user of `factory`, replacing a database of an
  // earlier session. False (logged) for an empty path, a missing factory or
  // a file that cannot be created; the object then holds no database. An
  // unreadable file is kept aside (see above) and the database starts empty:
  // that is still true.
  bool Initialize(const QString& path,
                  TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> factory,
                  RAZ::MediaEngine::CallControllerBase* callController);
  // True while a database of a session is open.
  bool hasDatabase() const { return !m_path.isEmpty(); }
  QString path() const { return m_path; }
  // The own address of the user whose database is open.
  QString ownAddress() const;
  // Closes the database of an earlier session (a pending write is made).
  void reset();

  // Binds the session's history to the open database: the user's stored
  // records (with their seen marks) replace the list's; when the file holds
  // none for the user, the list as it is becomes the stored history.
  void keepHistory(RAZ::Models::CallLog* log);

  // What the last Initialize found wrong with an existing file, the
  // system's reason, and where that file is kept now (empty when nothing
  // was wrong). savesBlocked(): the unread file still lies at path().
  LoadProblem loadProblem() const { return m_loadProblem; }
  QString loadProblemDetail() const { return m_loadProblemDetail; }
  QString keptAs() const { return m_keptAs; }
  bool savesBlocked() const { return m_saveBlocked; }

  // Writes the database now; false (logged, and recorded as a failed write)
  // when it could not be written or saving is blocked.
  bool save();
  // Changes that could not be written yet.
  bool hasPendingChanges() const { return m_pending; }

 signals:
  void databaseChanged();
  // A write of the history failed; `failure` names the file and the reason
  // as the user reads them. The changes stay pending.
  void saveFailed(const QString& failure);

 protected:
  void setPath(const QString& path);

 private:
  void load();
  void keepUnreadFile(LoadProblem problem, const QString& detail);
  void historyChanged();
  void scheduleSave();

  QString m_path;
  TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> m_factory;
  // The histories of other own addresses in the same file, kept as read.
  QJsonObject m_others;
  QList<RAZ::Models::CallLog::Record> m_records;
  // The file held a history of the open user (perhaps an empty one).
  bool m_stored = false;
  // It held more records than are kept: only the newest were read.
  bool m_trimmed = false;
  QPointer<RAZ::Models::CallLog> m_log;
  QTimer* m_saveTimer = nullptr;
  QTimer* m_retryTimer = nullptr;
  bool m_pending = false;
  LoadProblem m_loadProblem = LoadProblem::None;
  QString m_loadProblemDetail;
  QString m_keptAs;
  bool m_saveBlocked = false;
};

}  // namespace Databases
}  // namespace RAZ

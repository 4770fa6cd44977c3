#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QFile;
class QFileDevice;

namespace RAZ {
namespace Utils {

// Every write of a file that holds the user's data (settings, stored
// accounts, received files) goes through here. It checks that each byte
// reached the file, so that a full disk is seen at the write and not later
// as a truncated file; it keeps a count of the writes that failed, so that
// the window that asked for a save can tell the user (see FailureWatch); and
// it lets tests give the program a full disk without any privilege.
//
// All functions may be called from any thread.
namespace FileWrites {

// Writes `data` to the open `file` and flushes it. False when not all of it
// reached the file; the failure is recorded (with the system's reason, also
// returned in `error`) under `recordAs`, or `file`'s own name when that is
// empty (a file opened on a descriptor has none: createExclusive keeps it).
bool write(QFileDevice& file, const QByteArray& data, QString* error = nullptr,
           const QString& recordAs = QString());

// Records a failed write or replacement of `path` that did not go through
// write() (a file that could not be created or renamed into place).
void recordFailure(const QString& path, const QString& reason);

// Opens `file` on a new file at its name, created exclusively and with
// `mode` (octal, as chmod takes it) from its first byte: no one the mode
// leaves out can open it at any moment, whatever the umask. False, with the
// system's reason in `error`, when a file of that name exists or cannot be
// made; nothing is recorded then.
bool createExclusive(QFile& file, int mode = 0600, QString* error = nullptr);

// Makes `data` the whole content of `path`: written and flushed into a new
// temporary beside it ("<path>.XXXXXX", created with `mode` from its first
// byte), then renamed over it. False when any step fails; the old file then
// stays as it was, the temporary is gone and the failure is recorded.
bool replace(const QString& path, const QByteArray& data, int mode = 0600,
             QString* error = nullptr);

// The same for a file that must not be there yet: the new file never takes
// the place of one that appeared meanwhile. False with `existed` set when
// one is there (not recorded: that file stays and counts); false and
// recorded when a step fails.
bool create(const QString& path, const QByteArray& data, int mode = 0600, bool* existed = nullptr);

// Removes what a replacement of `path` left behind when the program ended
// before its rename (a kill, a power cut): the temporaries beside it, each a
// whole copy of the file. Those this program writes at the moment stay, and
// so does a file of the same pattern whose name a temporary never has (one
// of six small letters, such as "<path>.backup"). replace() and create()
// call it on their first write of each file in a run; a file read at start
// without being written calls it when it is read. Returns how many went.
int removeLeftovers(const QString& path);

// Failures recorded since the program started.
quint64 failureCount();
// The text of the last failure: "<file>: <reason>".
QString lastFailure();
// The same with the reason in the interface's language, for the user: the
// system's reasons (a full disk, a refused permission) come untranslated
// where the system has no catalogue of its own for the language.
QString lastFailureShown();

// A reason as the user reads it: the system's reasons and this program's
// own (the texts failures are recorded with) in the interface's language;
// any other text as it is.
QString shownReason(const QString& reason);

// The system's text for a full disk, as the writes report it.
QString fullDiskText();

// Tests only: from now on writes through write() behave as on a disk that
// has `bytesLeft` bytes free (they write that much, then fail as a full disk
// does). A negative value lifts it.
void simulateFullDisk(qint64 bytesLeft);

}  // namespace FileWrites

// While one exists, whatever this process creates (a file, a folder) is
// its user's alone from its first byte: the umask is 077. For the writes
// that go through code making files at the umask's mode, which no mode
// given afterwards can make safe (a descriptor opened in between keeps
// reading): QSettings' own temporary, QFile::copy, QDir::mkpath.
//
// The umask is the process's, not the thread's: it is held only as long as
// such a write takes, one holder at a time, and what other threads create
// meanwhile is at worst closed to others too. It is not set for the whole
// program because every program started from it (the browser a link opens,
// the desktop's tools) would inherit it and keep the user's own files, such
// as downloads, from the others the user shares them with.
class PrivateCreation {
 public:
  PrivateCreation();
  ~PrivateCreation();
  PrivateCreation(const PrivateCreation&) = delete;
  PrivateCreation& operator=(const PrivateCreation&) = delete;

 private:
  unsigned m_previous = 0;
};

// Tells whether a write failed since it was made: a window makes one before
// it saves and asks it afterwards, so that one save tells the user once
// however many files it wrote.
class FailureWatch {
 public:
  FailureWatch() : m_start(FileWrites::failureCount()) {}
  bool failed() const { return FileWrites::failureCount() != m_start; }
  // The last failure's text, empty when none happened since construction.
  QString failure() const { return failed() ? FileWrites::lastFailure() : QString(); }
  // The same as the user reads it (FileWrites::lastFailureShown).
  QString failureShown() const { return failed() ? FileWrites::lastFailureShown() : QString(); }

 private:
  quint64 m_start;
};

}  // namespace Utils
}  // namespace RAZ

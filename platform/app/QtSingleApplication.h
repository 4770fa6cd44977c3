#pragma once

#include <QApplication>
#include <QList>
#include <QLocalSocket>
#include <QPointer>
#include <QString>

#include <vector>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running instance per user and id: the first start owns a lock file and
// a local server; a later start finds the lock taken, hands its message to the
// running instance over a local socket and ends.
//
// The lock and the socket lie side by side in a folder only the user can use:
// the user's runtime folder (XDG_RUNTIME_DIR) when it is private, else a
// private folder of the user's own in the temporary folder, else (when
// someone else made that name first) one in the user's cache folder. A socket that
// another user owns is never spoken to, and a server only listens to
// processes of its own user.
//
// Wire format of a message: a 32-bit big-endian byte count followed by the
// UTF-8 text; the receiver answers with one acknowledgement byte once it has
// emitted messageReceived, so sendMessage only reports success after delivery.
// A message larger than kMaxMessageBytes is refused, and a connection that
// has not delivered its message within stallTimeoutMs() is dropped; of more
// than kMaxConnections waiting at once, the oldest is dropped.
class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  enum InstanceState {
    InstancePrimary,    // this process holds the lock and serves second starts
    InstanceSecondary,  // another process holds the lock
    InstanceFailed      // the lock could not be taken at all (see instanceError)
  };

  // Why the instance could not be claimed, kept in its source language until
  // it is read: the instance is claimed while the application object is
  // built, before any translator is installed, and the reason is shown to
  // the user after one is.
  class Reason {
   public:
    Reason() = default;
    // `source` is a text of this class's translation context, marked where
    // it is written (QT_TRANSLATE_NOOP) so that lupdate finds it; its %1 and
    // %2 take the texts of `args`.
    explicit Reason(const char* source, std::vector<Reason> args = {});
    // Text that is not translated: a path, the system's own message.
    static Reason plain(const QString& text);
    // The reason in the language installed now.
    QString text() const;
    bool isEmpty() const { return !m_source && m_plain.isEmpty(); }

   private:
    const char* m_source = nullptr;
    QString m_plain;
    std::vector<Reason> m_args;
  };

  // Largest message accepted, in UTF-8 bytes: far above any command line.
  static constexpr quint32 kMaxMessageBytes = 1024u * 1024u;

  QtSingleApplication(const QString& id, int& argc, char** argv);
  ~QtSingleApplication() override;

  // True when another process holds the instance for this id.
  bool isRunning() const;
  InstanceState instanceState() const { return m_state; }
  // What went wrong and where, when instanceState() is InstanceFailed, in
  // the language installed when it is asked for.
  QString instanceError() const { return m_error.text(); }
  // The lock file this instance took or found taken (empty without a folder).
  QString lockPath() const { return m_lockPath; }

  // Delivers a message to the running instance; false when none answers in time.
  bool sendMessage(const QString& message, int timeoutMs);

  // The id the instance runs under: the constructor's id, unless the
  // environment variable ZENT_INSTANCE_ID or setIdOverride replaces it
  // (tests use that to keep clear of a running program).
  QString id() const;

  // Full path of the local server for an id in the user's instance folder
  // (see instanceFolder): per user, so two users never meet. Empty when the
  // user has no private folder.
  static QString serverNameFor(const QString& id);
  // The same inside a given folder.
  static QString serverPathFor(const QString& id, const QString& folder);

  // The folder the lock and the socket live in: XDG_RUNTIME_DIR when it is a
  // folder of the user's that no one else may enter, else
  // "<temporary folder>/zent-<user id>", created private, else
  // "<cache folder>/zent-instance", created private. Empty, with the reasons
  // in `error`, when none is private to the user.
  static QString instanceFolder(QString* error = nullptr);
  static QString instanceFolder(Reason* error);
  // True when `path` is a real folder (not a link) that the user owns and no
  // one else may read, write or enter; otherwise false with the reason.
  static bool isPrivateFolder(const QString& path, QString* why = nullptr);
  static bool isPrivateFolder(const QString& path, Reason* why);
  // True when `path` is a local socket that belongs to the user.
  static bool isOwnSocket(const QString& path, QString* why = nullptr);
  static bool isOwnSocket(const QString& path, Reason* why);

  // Takes the lock at `path` (the file `lock` was made for) at once: primary when taken, secondary
  // when a live instance holds it, failed (with what and where in `error`) when it cannot be taken
  // at all: a full disk, a folder or an unreadable file in its place. A lock left by a process of
  // this machine that has ended is taken over, never taken for a running instance.
  static InstanceState takeLock(QLockFile& lock, const QString& path, QString* error = nullptr);
  static InstanceState takeLock(QLockFile& lock, const QString& path, Reason* error);

  // Replaces every id given to later constructors (tests); empty restores.
  static void setIdOverride(const QString& id);

  // Client side on its own, usable without an application object of this
  // class (tests speak to a running program this way). Refuses a socket that
  // another user owns, or a server run by another user.
  static bool sendMessageTo(const QString& serverName, const QString& message, int timeoutMs);

  // How long a connection may take to deliver its message before it is
  // dropped (tests shorten it to see a stalled connection go).
  int stallTimeoutMs() const { return m_stallTimeoutMs; }
  void setStallTimeoutMs(int ms) { m_stallTimeoutMs = ms; }

 signals:
  void messageReceived(const QString& message);

 private slots:
  void onNewConnection();

 private:
  void startServer();
  void serve(QLocalSocket* socket);
  static QString effectiveId(const QString& id);

  QString m_id;
  QString m_serverName;
  QString m_lockPath;
  Reason m_error;
  QLockFile* m_lock = nullptr;
  QLocalServer* m_server = nullptr;
  InstanceState m_state = InstanceFailed;
  int m_stallTimeoutMs = 10000;
  // Connections that have not delivered their message yet, oldest first.
  QList<QPointer<QLocalSocket>> m_waiting;
};

#include "app/QtSingleApplication.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

QString g_idOverride;

// Connections served at once; more are a flood, not second starts.
constexpr int kMaxConnections = 16;

QString userKey() {
#ifdef Q_OS_UNIX
  return QString::number(static_cast<qulonglong>(::geteuid()));
#else
  QString user = qEnvironmentVariable("USERNAME");
  return user.isEmpty() ? QStringLiteral("user") : user;
#endif
}

bool waitForBytes(QLocalSocket& socket, qint64 count, QDeadlineTimer& deadline) {
  while (socket.bytesAvailable() < count) {
    if (deadline.hasExpired()) return false;
    if (!socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) return false;
  }
  return true;
}

// True when the process at the other end of the connection runs as this
// user (where the system can tell).
bool peerIsOwnUser(const QLocalSocket& socket) {
#if defined(Q_OS_UNIX) && defined(SO_PEERCRED)
  ucred credentials{};
  socklen_t size = sizeof(credentials);
  if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
      0)
    return false;
  return credentials.uid == ::geteuid();
#else
  Q_UNUSED(socket);
  return true;
#endif
}

// True when the lock's owner surely no longer runs: a process of this
// machine that does not exist. A lock from another host, or whose owner
// cannot be asked, counts as held.
bool ownerIsGone(qint64 pid, const QString& host) {
#ifdef Q_OS_UNIX
  if (pid <= 0) return false;
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) return false;
  return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
#else
  Q_UNUSED(pid);
  Q_UNUSED(host);
  return false;
#endif
}

// Whether a running process holds the lock at `path`: Qt's lock file is
// locked by the kernel (flock) for as long as the process that made it
// runs, and the kernel drops that lock when it ends, however it ends. The
// process id written in the file says nothing once that process is gone:
// the id may belong to any other live process by now (another user's, or
// after a reboot). 1 held, 0 not held, -1 when the system cannot tell.
int lockIsHeld(const QString& path) {
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  int held = -1;
  if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
    held = 0;
    ::flock(fd, LOCK_UN);
  } else if (errno == EWOULDBLOCK) {
    held = 1;
  }
  ::close(fd);
  return held;
#else
  Q_UNUSED(path);
  return -1;
#endif
}

// Removes the lock file at `path` when it still names the ended process
// `pid` (another start may have taken it over meanwhile).
bool removeStaleLock(const QString& path, qint64 pid) {
  QLockFile again(path);
  qint64 now = 0;
  QString host, application;
  if (!again.getLockInfo(&now, &host, &application) || now != pid) {
    errno = EAGAIN;
    return false;
  }
  return ::unlink(QFile::encodeName(path).constData()) == 0;
}

using Reason = QtSingleApplication::Reason;

Reason plain(const QString& text) { return Reason::plain(text); }

Reason systemError(int error) { return plain(QString::fromLocal8Bit(std::strerror(error))); }

// Hands a reason out as text to the callers that take one.
template <class Check>
auto withTextReason(QString* why, Check check) {
  Reason reason;
  const auto result = check(&reason);
  if (why) *why = reason.text();
  return result;
}

}  // namespace

QtSingleApplication::Reason::Reason(const char* source, std::vector<Reason> args)
    : m_source(source), m_args(std::move(args)) {}

QtSingleApplication::Reason QtSingleApplication::Reason::plain(const QString& text) {
  Reason reason;
  reason.m_plain = text;
  return reason;
}

QString QtSingleApplication::Reason::text() const {
  if (!m_source) return m_plain;
  const QString text = QCoreApplication::translate("QtSingleApplication", m_source);
  // One arg() call for all markers: a path that holds "%1" stays as it is.
  if (m_args.size() == 1) return text.arg(m_args[0].text());
  if (m_args.size() >= 2) return text.arg(m_args[0].text(), m_args[1].text());
  return text;
}

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), m_id(effectiveId(id)) {
  Reason why;
  const QString folder = instanceFolder(&why);
  if (folder.isEmpty()) {
    m_state = InstanceFailed;
    m_error = why;
    return;
  }
  m_serverName = serverPathFor(m_id, folder);
  m_lockPath = m_serverName + QStringLiteral(".lock");
  m_lock = new QLockFile(m_lockPath);
  m_state = takeLock(*m_lock, m_lockPath, &m_error);
  if (m_state == InstancePrimary) startServer();
}

QtSingleApplication::InstanceState QtSingleApplication::takeLock(QLockFile& lock,
                                                                 const QString& path,
                                                                 QString* error) {
  return withTextReason(error, [&](Reason* reason) { return takeLock(lock, path, reason); });
}

QtSingleApplication::InstanceState QtSingleApplication::takeLock(QLockFile& lock,
                                                                 const QString& path,
                                                                 Reason* error) {
  // A lock whose owner died is taken over at once instead of waiting for it
  // to age: the stale check looks at the owning process id.
  lock.setStaleLockTime(0);
  errno = 0;
  if (lock.tryLock(0)) return InstancePrimary;
  const int savedErrno = errno;
  qint64 pid = 0;
  QString host, application;
  Reason why;
  switch (lock.error()) {
    case QLockFile::LockFailedError:
      // Held, or something that is no lock at all lies in its place (a
      // folder, an unreadable file): only a readable lock means a running
      // instance.
      if (!lock.getLockInfo(&pid, &host, &application)) {
        why = Reason(QT_TRANSLATE_NOOP("QtSingleApplication",
                                       "%1 is in the way of the lock file and is not one"),
                     {plain(path)});
        break;
      }
      {
        const int held = lockIsHeld(path);
        if (held == 1 || (held < 0 && !ownerIsGone(pid, host))) return InstanceSecondary;
      }
      // Its owner is gone, yet Qt could not take it over (it needs room for
      // a second lock file to do so, which a full disk does not give, and it
      // trusts a process id that now names another live process): remove
      // it ourselves, once, and try again. What stops the second
      // try is what the user is told, never "already running".
      if (!removeStaleLock(path, pid)) {
        why = Reason(QT_TRANSLATE_NOOP(
                         "QtSingleApplication",
                         "the lock file %1 of an instance that has ended cannot be removed: %2"),
                     {plain(path), systemError(errno)});
        break;
      }
      errno = 0;
      if (lock.tryLock(0)) return InstancePrimary;
      why = Reason(
          QT_TRANSLATE_NOOP("QtSingleApplication", "the lock file %1 cannot be written: %2"),
          {plain(path), errno ? systemError(errno)
                              : Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "unknown error"))});
      break;
    case QLockFile::PermissionError:
      why = Reason(QT_TRANSLATE_NOOP("QtSingleApplication",
                                     "the lock file %1 cannot be created: permission denied"),
                   {plain(path)});
      break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
      why =
          Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "the lock file %1 cannot be written: %2"),
                 {plain(path),
                  savedErrno ? systemError(savedErrno)
                             : Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "unknown error"))});
      break;
  }
  if (error) *error = why;
  return InstanceFailed;
}

QtSingleApplication::~QtSingleApplication() {
  if (m_server) {
    m_server->close();
    delete m_server;
    m_server = nullptr;
  }
  delete m_lock;  // unlocks when held
}

QString QtSingleApplication::effectiveId(const QString& id) {
  if (!g_idOverride.isEmpty()) return g_idOverride;
  const QString env = qEnvironmentVariable("ZENT_INSTANCE_ID");
  if (!env.isEmpty()) return env;
  return id;
}

void QtSingleApplication::setIdOverride(const QString& id) { g_idOverride = id; }

QString QtSingleApplication::id() const { return m_id; }

bool QtSingleApplication::isPrivateFolder(const QString& path, QString* why) {
  return withTextReason(why, [&](Reason* reason) { return isPrivateFolder(path, reason); });
}

bool QtSingleApplication::isPrivateFolder(const QString& path, Reason* why) {
  auto fail = [why](const Reason& reason) {
    if (why) *why = reason;
    return false;
  };
  if (path.isEmpty())
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "no folder given")));
#ifdef Q_OS_UNIX
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 cannot be used: %2"),
                       {plain(path), systemError(errno)}));
  if (!S_ISDIR(info.st_mode))
    return fail(
        Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 is not a folder"), {plain(path)}));
  if (info.st_uid != ::geteuid())
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 belongs to another user"),
                       {plain(path)}));
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 is open to other users"),
                       {plain(path)}));
  return true;
#else
  if (!QFileInfo(path).isDir())
    return fail(
        Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 is not a folder"), {plain(path)}));
  return true;
#endif
}

bool QtSingleApplication::isOwnSocket(const QString& path, QString* why) {
  return withTextReason(why, [&](Reason* reason) { return isOwnSocket(path, reason); });
}

bool QtSingleApplication::isOwnSocket(const QString& path, Reason* why) {
  auto fail = [why](const Reason& reason) {
    if (why) *why = reason;
    return false;
  };
#ifdef Q_OS_UNIX
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "no socket at %1"), {plain(path)}));
  if (!S_ISSOCK(info.st_mode))
    return fail(
        Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 is not a socket"), {plain(path)}));
  if (info.st_uid != ::geteuid())
    return fail(Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1 belongs to another user"),
                       {plain(path)}));
  return true;
#else
  Q_UNUSED(path);
  Q_UNUSED(fail);
  return true;
#endif
}

// Makes `path` a folder only the user may use and says whether it is one:
// made private from the start, an existing one checked, never changed.
static bool privateFolderAt(const QString& path, Reason* why) {
#ifdef Q_OS_UNIX
  ::mkdir(QFile::encodeName(path).constData(), 0700);
#else
  QDir().mkpath(path);
#endif
  return QtSingleApplication::isPrivateFolder(path, why);
}

QString QtSingleApplication::instanceFolder(QString* error) {
  return withTextReason(error, [](Reason* reason) { return instanceFolder(reason); });
}

QString QtSingleApplication::instanceFolder(Reason* error) {
  Reason why;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) {
    const QString clean = QDir::cleanPath(runtime);
    if (isPrivateFolder(clean, &why)) return clean;
    qWarning("The runtime folder is not used for the single instance: %s", qPrintable(why.text()));
  }
  const QString own = QDir::tempPath() + QStringLiteral("/zent-") + userKey();
  if (privateFolderAt(own, &why)) return own;
  // Anyone may make that name in the shared temporary folder first: then a
  // folder in the user's own cache, which nobody else can make, serves.
  qWarning("The temporary folder is not used for the single instance: %s", qPrintable(why.text()));
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  Reason whyNot(QT_TRANSLATE_NOOP("QtSingleApplication", "there is no cache folder"));
  if (!cache.isEmpty()) {
    QDir().mkpath(cache);
    const QString inCache = cache + QStringLiteral("/zent-instance");
    if (privateFolderAt(inCache, &whyNot)) return inCache;
  }
  if (error) *error = Reason(QT_TRANSLATE_NOOP("QtSingleApplication", "%1, and %2"), {why, whyNot});
  return QString();
}

QString QtSingleApplication::serverPathFor(const QString& id, const QString& folder) {
  // The id may hold any text; a hash keeps the socket name short and safe.
  const QByteArray hash = QCryptographicHash::hash((id + QLatin1Char('|') + userKey()).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(16);
  return folder + QStringLiteral("/zent-si-") + QString::fromLatin1(hash);
}

QString QtSingleApplication::serverNameFor(const QString& id) {
  const QString folder = instanceFolder();
  return folder.isEmpty() ? QString() : serverPathFor(id, folder);
}

bool QtSingleApplication::isRunning() const { return m_state == InstanceSecondary; }

void QtSingleApplication::startServer() {
  m_server = new QLocalServer();
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  // We hold the lock, so any socket left under our name belongs to a dead
  // instance: clear it before listening.
  QLocalServer::removeServer(m_serverName);
  if (!m_server->listen(m_serverName)) {
    qWarning("Single instance server could not listen on %s: %s", qPrintable(m_serverName),
             qPrintable(m_server->errorString()));
    return;
  }
  connect(m_server, &QLocalServer::newConnection, this, &QtSingleApplication::onNewConnection);
}

void QtSingleApplication::onNewConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    if (!peerIsOwnUser(*socket)) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    // Connections that stall fill the places a real second start needs:
    // the oldest one waiting gives way to the newcomer.
    if (m_waiting.size() >= kMaxConnections) {
      QPointer<QLocalSocket> oldest = m_waiting.takeFirst();
      if (oldest) oldest->abort();
    }
    serve(socket);
  }
}

void QtSingleApplication::serve(QLocalSocket* socket) {
  // Each connection reads asynchronously: a slow or silent client never
  // blocks the running program, and one that stalls is dropped.
  m_waiting.append(socket);
  auto expected = std::make_shared<qint64>(-1);
  auto* stall = new QTimer(socket);
  stall->setSingleShot(true);
  connect(stall, &QTimer::timeout, socket, &QLocalSocket::abort);
  stall->start(m_stallTimeoutMs);
  // Gone, its place is free (the guard is null by now).
  connect(socket, &QObject::destroyed, this,
          [this] { m_waiting.removeAll(QPointer<QLocalSocket>()); });
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  connect(socket, &QLocalSocket::readyRead, this, [this, socket, expected, stall]() {
    if (*expected == -2) return;
    if (*expected < 0) {
      if (socket->bytesAvailable() < 4) return;
      char header[4];
      socket->read(header, 4);
      const quint32 length = qFromBigEndian<quint32>(header);
      if (length > kMaxMessageBytes) {
        *expected = -2;
        socket->abort();
        return;
      }
      *expected = length;
    }
    if (socket->bytesAvailable() < *expected) return;
    const QByteArray payload = socket->read(*expected);
    *expected = -2;  // done; ignore anything further
    stall->stop();
    m_waiting.removeAll(socket);
    // The length is explicit: a NUL inside the text is part of it.
    const QString message = QString::fromUtf8(payload.constData(), payload.size());
    QPointer<QLocalSocket> guard(socket);
    emit messageReceived(message);
    if (guard) {
      guard->write("\x01", 1);
      guard->flush();
      guard->disconnectFromServer();
    }
  });
}

bool QtSingleApplication::sendMessage(const QString& message, int timeoutMs) {
  if (m_state != InstanceSecondary) return false;
  return sendMessageTo(m_serverName, message, timeoutMs);
}

bool QtSingleApplication::sendMessageTo(const QString& serverName, const QString& message,
                                        int timeoutMs) {
  const QByteArray payload = message.toUtf8();
  if (serverName.isEmpty() || quint64(payload.size()) > kMaxMessageBytes) return false;
  QDeadlineTimer deadline(qMax(1, timeoutMs));
  QLocalSocket socket;
  // The running instance may be between taking the lock and listening;
  // retry the connection until the deadline.
  for (;;) {
    QString why;
    const bool absolute = QDir::isAbsolutePath(serverName);
    if (absolute && !isOwnSocket(serverName, &why) && QFileInfo::exists(serverName)) {
      qWarning("Single instance: not speaking to %s: %s", qPrintable(serverName), qPrintable(why));
      return false;
    }
    if (!absolute || QFileInfo::exists(serverName)) {
      socket.connectToServer(serverName);
      if (socket.waitForConnected(
              int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200)))))
        break;
    }
    if (deadline.hasExpired()) return false;
    socket.abort();
    QThread::msleep(20);
  }
  if (!peerIsOwnUser(socket)) {
    qWarning("Single instance: the server at %s runs as another user", qPrintable(serverName));
    return false;
  }
  char header[4];
  qToBigEndian<quint32>(quint32(payload.size()), header);
  socket.write(header, 4);
  socket.write(payload);
  while (socket.bytesToWrite() > 0) {
    if (deadline.hasExpired()) return false;
    if (!socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())))) return false;
  }
  if (!waitForBytes(socket, 1, deadline)) return false;
  char ack = 0;
  return socket.read(&ack, 1) == 1 && ack == 1;
}

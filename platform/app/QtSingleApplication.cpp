#include "app/QtSingleApplication.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <memory>

#include <unistd.h>

namespace {

QString g_idOverride;

// Largest message accepted from a peer; anything bigger is a broken or
// hostile client, not a command line.
constexpr quint32 kMaxMessageBytes = 64u * 1024u * 1024u;

QString userKey() {
#ifdef Q_OS_UNIX
  return QString::number(static_cast<qulonglong>(::getuid()));
#else
  QString user = qEnvironmentVariable("USERNAME");
  return user.isEmpty() ? QStringLiteral("user") : user;
#endif
}

QString lockDirectory() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir;
}

bool waitForBytes(QLocalSocket& socket, qint64 count, QDeadlineTimer& deadline) {
  while (socket.bytesAvailable() < count) {
    if (deadline.hasExpired()) return false;
    if (!socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) return false;
  }
  return true;
}

}  // namespace

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), m_id(effectiveId(id)), m_serverName(serverNameFor(m_id)) {
  const QString lockPath =
      lockDirectory() + QLatin1Char('/') + m_serverName + QStringLiteral(".lock");
  m_lock = new QLockFile(lockPath);
  // A lock whose owner died is taken over at once instead of waiting for it
  // to age: the stale check looks at the owning process id.
  m_lock->setStaleLockTime(0);
  if (m_lock->tryLock(0)) {
    m_running = false;
    startServer();
  } else {
    m_running = true;
  }
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

QString QtSingleApplication::serverNameFor(const QString& id) {
  // The id may hold any text; a hash keeps the socket name short and safe.
  const QByteArray hash = QCryptographicHash::hash((id + QLatin1Char('|') + userKey()).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(16);
  return QStringLiteral("zent-si-") + QString::fromLatin1(hash);
}

bool QtSingleApplication::isRunning() const { return m_running; }

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
    // Each connection reads asynchronously: a slow or silent client never
    // blocks the running program.
    auto expected = std::make_shared<qint64>(-1);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, expected]() {
      if (*expected < 0) {
        if (socket->bytesAvailable() < 4) return;
        char header[4];
        socket->read(header, 4);
        const quint32 length = qFromBigEndian<quint32>(header);
        if (length > kMaxMessageBytes) {
          socket->abort();
          return;
        }
        *expected = length;
      }
      if (socket->bytesAvailable() < *expected) return;
      const QByteArray payload = socket->read(*expected);
      *expected = -2;  // done; ignore anything further
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
}

bool QtSingleApplication::sendMessage(const QString& message, int timeoutMs) {
  if (!m_running) return false;
  return sendMessageTo(m_serverName, message, timeoutMs);
}

bool QtSingleApplication::sendMessageTo(const QString& serverName, const QString& message,
                                        int timeoutMs) {
  QDeadlineTimer deadline(qMax(1, timeoutMs));
  QLocalSocket socket;
  // The running instance may be between taking the lock and listening;
  // retry the connection until the deadline.
  for (;;) {
    socket.connectToServer(serverName);
    if (socket.waitForConnected(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200)))))
      break;
    if (deadline.hasExpired()) return false;
    socket.abort();
    QThread::msleep(20);
  }
  const QByteArray payload = message.toUtf8();
  if (quint64(payload.size()) > kMaxMessageBytes) return false;
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

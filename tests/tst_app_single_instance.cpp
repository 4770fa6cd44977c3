// The single instance on its own: where its lock and socket live, whom it
// speaks to, and how it treats oversized and stalled messages.
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

#include <app/QtSingleApplication.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-single-", true);

class InstanceApp : public QtSingleApplication {
 public:
  InstanceApp(int& argc, char** argv) : QtSingleApplication(QStringLiteral("ZENT"), argc, argv) {}
};

QtSingleApplication* app() { return static_cast<QtSingleApplication*>(qApp); }

int modeOf(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Restores an environment variable when the test ends.
class EnvGuard {
 public:
  explicit EnvGuard(const char* name)
      : m_name(name), m_old(qgetenv(name)), m_set(qEnvironmentVariableIsSet(name)) {}
  ~EnvGuard() {
    if (m_set)
      qputenv(m_name, m_old);
    else
      qunsetenv(m_name);
  }

 private:
  const char* m_name;
  QByteArray m_old;
  bool m_set;
};

QByteArray header(quint32 length) {
  char bytes[4];
  qToBigEndian<quint32>(length, bytes);
  return QByteArray(bytes, 4);
}

}  // namespace

class TestAppSingleInstance : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    QCOMPARE(app()->instanceState(), QtSingleApplication::InstancePrimary);
  }

  void lockAndSocketLieTogetherInThePrivateRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString server = QtSingleApplication::serverNameFor(app()->id());
    QCOMPARE(QFileInfo(server).absolutePath(), QDir::cleanPath(runtime));
    QCOMPARE(QFileInfo(app()->lockPath()).absolutePath(), QDir::cleanPath(runtime));
    QVERIFY(QtSingleApplication::isOwnSocket(server));
    // Nobody but the user may connect.
    QCOMPARE(modeOf(server) & 077, 0);
    QVERIFY(!server.startsWith(QDir::tempPath() + "/zent-si-"));
  }

  void instanceFolderChoice_data() {
    QTest::addColumn<QString>("runtime");  // what XDG_RUNTIME_DIR is made of
    QTest::addColumn<bool>("runtimeUsed");
    QTest::newRow("private folder") << "private" << true;
    QTest::newRow("folder open to others") << "open" << false;
    QTest::newRow("a file") << "file" << false;
    QTest::newRow("a link to a private folder") << "link" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("unset") << "unset" << false;
  }
  void instanceFolderChoice() {
    QFETCH(QString, runtime);
    QFETCH(bool, runtimeUsed);
    EnvGuard xdg("XDG_RUNTIME_DIR"), tmp("TMPDIR");
    QTemporaryDir dir;
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    const QString path = dir.filePath("run");
    if (runtime == "private" || runtime == "open") {
      QVERIFY(QDir().mkpath(path));
      QVERIFY(::chmod(QFile::encodeName(path).constData(), runtime == "open" ? 0777 : 0700) == 0);
    } else if (runtime == "file") {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (runtime == "link") {
      QVERIFY(QDir().mkpath(dir.filePath("real")));
      QVERIFY(::chmod(QFile::encodeName(dir.filePath("real")).constData(), 0700) == 0);
      QVERIFY(QFile::link(dir.filePath("real"), path));
    }
    if (runtime == "unset")
      qunsetenv("XDG_RUNTIME_DIR");
    else
      qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));

    QString error;
    const QString folder = QtSingleApplication::instanceFolder(&error);
    ZentTest::takeMessages();
    const QString own = dir.filePath("tmp") + QString("/zent-%1").arg(::geteuid());
    QCOMPARE(folder, runtimeUsed ? path : own);
    QVERIFY(error.isEmpty());
    // Whatever was chosen is the user's alone.
    QVERIFY(QtSingleApplication::isPrivateFolder(folder));
    QCOMPARE(modeOf(folder) & 077, 0);
  }

  void aFolderPreparedByAnotherHandIsPassedBy_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("open to others") << "open"
                                    << "is open to other users";
    QTest::newRow("a link") << "link"
                            << "is not a folder";
    QTest::newRow("a file") << "file"
                            << "is not a folder";
  }
  void aFolderPreparedByAnotherHandIsPassedBy() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    EnvGuard xdg("XDG_RUNTIME_DIR"), tmp("TMPDIR"), cache("XDG_CACHE_HOME");
    QTemporaryDir dir;
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    const QString own = dir.filePath(QString("tmp/zent-%1").arg(::geteuid()));
    if (kind == "open") {
      QVERIFY(QDir().mkpath(own));
      QVERIFY(::chmod(QFile::encodeName(own).constData(), 0777) == 0);
    } else if (kind == "link") {
      QVERIFY(QDir().mkpath(dir.filePath("elsewhere")));
      QVERIFY(::chmod(QFile::encodeName(dir.filePath("elsewhere")).constData(), 0700) == 0);
      QVERIFY(QFile::link(dir.filePath("elsewhere"), own));
    } else {
      QFile f(own);
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // Someone else's name in the shared folder does not keep Zent from
    // starting: a private folder in the user's own cache serves instead.
    QString error;
    const QString folder = QtSingleApplication::instanceFolder(&error);
    ZentTest::takeMessages();
    QCOMPARE(folder, dir.filePath("cache/zent-instance"));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(QtSingleApplication::isPrivateFolder(folder));
    // Never made private behind the user's back.
    if (kind == "open") QCOMPARE(modeOf(own), 0777);

    // With the cache taken as well, the start is refused with both reasons.
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
    QVERIFY(QtSingleApplication::instanceFolder(&error).isEmpty());
    ZentTest::takeMessages();
    QVERIFY2(error.contains(own) && error.contains(reason) && error.contains(folder),
             qPrintable(error));
  }

  void lockStates_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("state");
    QTest::newRow("free") << "free" << int(QtSingleApplication::InstancePrimary);
    QTest::newRow("held by a live instance")
        << "held" << int(QtSingleApplication::InstanceSecondary);
    QTest::newRow("left by a dead instance")
        << "stale" << int(QtSingleApplication::InstancePrimary);
    // The ended owner's process id now names a live process of the same
    // name (another instance, or another user's): nothing holds the lock.
    QTest::newRow("left by an ended instance whose id lives on")
        << "reused" << int(QtSingleApplication::InstancePrimary);
    QTest::newRow("a folder in its place") << "folder" << int(QtSingleApplication::InstanceFailed);
    QTest::newRow("a file in place of its folder")
        << "notafolder" << int(QtSingleApplication::InstanceFailed);
  }
  void lockStates() {
    QFETCH(QString, kind);
    QFETCH(int, state);
    QTemporaryDir dir;
    QString path = dir.filePath("zent.lock");
    QLockFile holder(path);
    if (kind == "held") {
      QVERIFY(holder.tryLock(0));
    } else if (kind == "stale") {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("999999999\nzent\n\n");  // no such process
    } else if (kind == "reused") {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
              QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n" +
              QSysInfo::machineHostName().toUtf8() + "\n");
    } else if (kind == "folder") {
      QVERIFY(QDir().mkpath(path + "/inside"));
    } else if (kind == "notafolder") {
      QFile f(dir.filePath("file"));
      QVERIFY(f.open(QIODevice::WriteOnly));
      path = dir.filePath("file/zent.lock");
    }
    QLockFile lock(path);
    QString error;
    QCOMPARE(int(QtSingleApplication::takeLock(lock, path, &error)), state);
    if (state == QtSingleApplication::InstanceFailed)
      QVERIFY2(error.contains(path), qPrintable(error));
    else
      QVERIFY(error.isEmpty());
    // What was in the way is left as it was.
    if (kind == "folder") QVERIFY(QFileInfo(path + "/inside").isDir());
  }

  void aLockLeftByAnEndedProcessIsNeverTakenForARunningOne() {
    // Qt takes a stale lock over only when it can make a second lock file
    // beside it, which a full disk refuses: something in that file's place
    // does the same here.
    QTemporaryDir dir;
    const QString path = dir.filePath("zent.lock");
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("999999999\nzent\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    QVERIFY(QDir().mkpath(path + ".rmlock/inside"));
    QLockFile lock(path);
    QString error;
    QCOMPARE(int(QtSingleApplication::takeLock(lock, path, &error)),
             int(QtSingleApplication::InstancePrimary));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    qint64 pid = 0;
    QString host, application;
    QVERIFY(lock.getLockInfo(&pid, &host, &application));
    QCOMPARE(pid, QCoreApplication::applicationPid());
  }

  void stalledConnectionsDoNotKeepASecondStartOut() {
    // The user's own programs hold more connections open than are served
    // at once, and send nothing; a real second start still gets through,
    // long before the stalled ones time out.
    const QString server = QtSingleApplication::serverNameFor(app()->id());
    std::vector<std::unique_ptr<QLocalSocket>> stalled;
    for (int i = 0; i < 20; ++i) {
      stalled.push_back(std::make_unique<QLocalSocket>());
      stalled.back()->connectToServer(server);
      QVERIFY(stalled.back()->waitForConnected(5000));
    }
    QTest::qWait(0);
    QSignalSpy received(app(), SIGNAL(messageReceived(QString)));
    bool sent = false;
    std::thread client([&] { sent = QtSingleApplication::sendMessageTo(server, "real", 5000); });
    const bool arrived = received.wait(ZentTest::kWaitMs);
    client.join();
    QVERIFY(arrived && sent);
    QCOMPARE(received.first().first().toString(), QString("real"));
  }

  void socketOfAnotherUserIsNeverSpokenTo() {
    QTemporaryDir dir;
    const QString path = dir.filePath("other");
    QLocalServer server;
    QVERIFY(server.listen(path));
    // The tests run as root, which may give the socket to another user.
    if (::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
      QSKIP("giving a socket to another user needs root");
    QString why;
    QVERIFY(!QtSingleApplication::isOwnSocket(path, &why));
    QVERIFY(why.contains("belongs to another user"));
    QVERIFY(!QtSingleApplication::sendMessageTo(path, "--zent:secret", 2000));
    ZentTest::takeMessages();
    // No connection was even made.
    QVERIFY(!server.waitForNewConnection(0));
    QVERIFY(!server.hasPendingConnections());
  }

  void onlySocketsAreSpokenTo() {
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QString why;
    QVERIFY(!QtSingleApplication::isOwnSocket(file, &why));
    QVERIFY(why.contains("is not a socket"));
    QVERIFY(!QtSingleApplication::sendMessageTo(file, "x", 2000));
    ZentTest::takeMessages();
  }

  void messageSizeIsCapped_data() {
    QTest::addColumn<quint32>("size");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("at the cap") << QtSingleApplication::kMaxMessageBytes << true;
    QTest::newRow("one byte over") << QtSingleApplication::kMaxMessageBytes + 1 << false;
    QTest::newRow("four gigabytes") << quint32(0xffffffffu) << false;
  }
  void messageSizeIsCapped() {
    QFETCH(quint32, size);
    QFETCH(bool, delivered);
    const QString server = QtSingleApplication::serverNameFor(app()->id());
    QSignalSpy received(app(), SIGNAL(messageReceived(QString)));
    if (delivered) {
      const QString message(int(size), QChar('a'));
      bool sent = false;
      std::thread client(
          [&] { sent = QtSingleApplication::sendMessageTo(server, message, 30000); });
      const bool arrived = received.wait(ZentTest::kWaitMs);
      client.join();
      QVERIFY(arrived);
      QVERIFY(sent);
      QCOMPARE(received.first().first().toString().size(), int(size));
      return;
    }
    // The sender refuses it itself...
    if (size <= 0x7fffffffu)
      QVERIFY(!QtSingleApplication::sendMessageTo(server, QString(int(size), QChar('a')), 5000));
    // ...and a peer that announces it is dropped at once.
    QLocalSocket peer;
    peer.connectToServer(server);
    QVERIFY(peer.waitForConnected(5000));
    QSignalSpy gone(&peer, SIGNAL(disconnected()));
    peer.write(header(size));
    peer.write("aaaa");
    peer.flush();
    QVERIFY(gone.wait(ZentTest::kWaitMs));
    QCOMPARE(received.count(), 0);
  }

  void stalledConnectionIsDropped() {
    const int old = app()->stallTimeoutMs();
    app()->setStallTimeoutMs(20);
    QLocalSocket peer;
    peer.connectToServer(QtSingleApplication::serverNameFor(app()->id()));
    QVERIFY(peer.waitForConnected(5000));
    QSignalSpy gone(&peer, SIGNAL(disconnected()));
    QSignalSpy received(app(), SIGNAL(messageReceived(QString)));
    peer.write(header(10));
    peer.write("half");
    peer.flush();
    QVERIFY(gone.wait(ZentTest::kWaitMs));
    app()->setStallTimeoutMs(old);
    QCOMPARE(received.count(), 0);
    // The server still serves the next start.
    bool sent = false;
    const QString server = QtSingleApplication::serverNameFor(app()->id());
    std::thread client([&] { sent = QtSingleApplication::sendMessageTo(server, "next", 30000); });
    const bool arrived = received.wait(ZentTest::kWaitMs);
    client.join();
    QVERIFY(arrived && sent);
    QCOMPARE(received.first().first().toString(), QString("next"));
  }
};

ZENT_TEST_MAIN(TestAppSingleInstance, InstanceApp)
#include "tst_app_single_instance.moc"

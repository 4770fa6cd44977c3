// The user's files under faults: a full disk, a file that cannot be read, a
// file far too large, and the program killed in the middle of a write. No
// file is left truncated, emptied or lost, secrets stay the user's, and every
// failed write is counted so that the window that saved can say so.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/FileWrites.h>
#include <TP/Bytes.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>
#include <os/UrlScheme.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <memory>
#include <thread>

#include "DemoFixture.h"
#include "TestSupport.h"
#include "Utils/SettingsSeed.h"

using RAZ::Utils::FailureWatch;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::UserCredentials;
namespace FileWrites = RAZ::Utils::FileWrites;

using ZentTest::writeFile;

namespace {

const int kReceivedBytes = 256 * 1024;

int modeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QByteArray contentOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

UserCredentials account(const QString& user, const QString& password) {
  CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  UserCredentials credentials;
  credentials.setCredentials(RAZ::Utils::Credentials::LoginSip, data);
  return credentials;
}

// A file that notes whether, when it was opened, others could read it.
class ModeAtOpenFile : public QFile {
 public:
  ModeAtOpenFile(const QString& name, QObject* parent, bool* exposed)
      : QFile(name, parent), m_exposed(exposed) {}
  bool open(OpenMode mode) override {
    if (!QFile::open(mode)) return false;
    struct stat info {};
    if (::fstat(handle(), &info) == 0 && (info.st_mode & 077) != 0) *m_exposed = true;
    return true;
  }

 private:
  bool* m_exposed;
};

// Watches a folder from a thread of its own and looks at every file the
// moment it appears there (created, or renamed into it) or has its mode
// changed: what it finds open to others is what another local user could
// have opened, and kept open while the secrets were written.
class OpenToOthersWatch {
 public:
  // `ownFiles` are left out: the test opens them itself (what becomes of
  // them arrives under another name first, and is looked at there).
  OpenToOthersWatch(const QString& folder, const QStringList& ownFiles = {})
      : m_folder(QFile::encodeName(folder)) {
    for (const QString& name : ownFiles) m_own.insert(QFile::encodeName(name));
    m_inotify = ::inotify_init1(IN_CLOEXEC);
    m_dir = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_inotify < 0 || m_dir < 0 || ::pipe(m_stop) != 0 ||
        ::inotify_add_watch(m_inotify, m_folder.constData(), IN_CREATE | IN_MOVED_TO | IN_ATTRIB) <
            0)
      return;
    m_thread = std::thread([this] { run(); });
  }
  ~OpenToOthersWatch() { stop(); }
  bool isWatching() const { return m_thread.joinable(); }
  // Stops watching; what was seen open to others, "<name> <mode>" each.
  QStringList stop() {
    if (m_thread.joinable()) {
      (void)::write(m_stop[1], "x", 1);
      m_thread.join();
      for (int fd : {m_inotify, m_dir, m_stop[0], m_stop[1]}) ::close(fd);
    }
    return m_seen;
  }

 private:
  void run() {
    alignas(struct inotify_event) char buffer[16 * 1024];
    for (;;) {
      pollfd fds[2] = {{m_inotify, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
      if (::poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN)) return;
      const ssize_t length = ::read(m_inotify, buffer, sizeof buffer);
      for (ssize_t at = 0; at < length;) {
        const auto* event = reinterpret_cast<const struct inotify_event*>(buffer + at);
        at += ssize_t(sizeof(struct inotify_event) + event->len);
        if (event->len == 0) continue;
        struct stat info {};
        if (m_own.contains(QByteArray(event->name))) continue;
        if (::fstatat(m_dir, event->name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            (info.st_mode & 077) != 0)
          m_seen << QString("%1 %2").arg(event->name).arg(info.st_mode & 0777, 0, 8);
      }
    }
  }

  QByteArray m_folder;
  int m_inotify = -1, m_dir = -1, m_stop[2] = {-1, -1};
  std::thread m_thread;
  QSet<QByteArray> m_own;
  QStringList m_seen;
};

// Lifts the simulated full disk whatever the test's end.
struct FullDisk {
  explicit FullDisk(qint64 bytesLeft) { FileWrites::simulateFullDisk(bytesLeft); }
  ~FullDisk() { FileWrites::simulateFullDisk(-1); }
};

// The child's part of killedWritersLeaveEveryFileWhole: writes every kind of
// file again and again into `folder`, saying after each round how many it
// has done, until it is killed.
int runWriter(const QString& folder) {
  TP::Crypto::Blowfish cipher = ZentTest::programCipher();
  RAZ::Settings::setPath(RAZ::Settings::User, folder);
  CredentialsManager credentials(folder + "/credentials.dat", &cipher);
  if (!credentials.load()) return 3;
  const QString padding(64 * 1024, QChar('p'));
  for (int round = 1;; ++round) {
    {
      RAZ::Settings settings(RAZ::Settings::User);
      settings.setValue("round/first", round);
      settings.setValue("round/padding", padding);
      settings.setValue("round/last", round);
    }
    credentials.addCredentials(account("writer@example.com", QString("secret %1").arg(round)));
    const QString error = RAZ::Demo::ChatDemo::storeReceivedFile(
        folder + "/received.bin", QByteArray(kReceivedBytes, char('a' + round % 26)));
    if (!error.isEmpty()) return 4;
    std::printf("%d\n", round);
    std::fflush(stdout);
  }
}

}  // namespace

class TestAppFiles : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    RAZ::Settings::clearPaths();
    FileWrites::simulateFullDisk(-1);
  }

  void settingsFilesAreTheUsersAlone_data() {
    QTest::addColumn<int>("scope");
    QTest::newRow("account") << int(RAZ::Settings::User);
    QTest::newRow("application") << int(RAZ::Settings::Application);
    QTest::newRow("proxy") << int(RAZ::Settings::Proxy);
  }
  void settingsFilesAreTheUsersAlone() {
    QFETCH(int, scope);
    const auto type = static_cast<RAZ::Settings::SettingsType>(scope);
    QTemporaryDir dir;
    RAZ::Settings::setPath(type, dir.path());
    const QString file = RAZ::Settings::filePath(type);
    RAZ::Settings(type).setValue("security/myRoomHostPin", "4321");
    QCOMPARE(modeOf(file), 0600);
    // A file another program left open to others is closed to them at the
    // next save.
    QVERIFY(QFile::setPermissions(
        file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    RAZ::Settings(type).setValue("security/myRoomPin2", "8765");
    QCOMPARE(modeOf(file), 0600);
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("security/myRoomPin2").toString(),
             QString("8765"));
  }

  // Another local user watching the data folder never finds a settings
  // file, nor what it is written through, open to them at any moment,
  // whatever the umask: a new file, one another program left open to
  // others, a large one kept whole, the first copy of the installation's.
  void settingsAreTheUsersAloneFromTheirFirstByte() {
    QTemporaryDir dir, installation;
    RAZ::Settings::setPath(RAZ::Settings::User, dir.path());
    const QString file = RAZ::Settings::filePath(RAZ::Settings::User);
    const QFile::Permissions openToOthers =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QString install = installation.filePath("application_setting.ini");
    QVERIFY(writeFile(install, "[defaults]\ntheme=default\n"));
    QVERIFY(writeFile(file, "[filler]\nkey=" + QByteArray(RAZ::Settings::kMaxFileBytes, 'v') +
                                "\n[security]\nmyRoomHostPin=1\n"));
    struct Umask {
      mode_t old = ::umask(022);  // a desktop's usual one
      ~Umask() { ::umask(old); }
    } umask;
    OpenToOthersWatch watch(dir.path(), {QFileInfo(file).fileName()});
    QVERIFY(watch.isWatching());
    QVERIFY(QFile::setPermissions(file, openToOthers));
    RAZ::Settings(RAZ::Settings::User).setValue("security/myRoomPin1", "1234");
    QCOMPARE(modeOf(RAZ::Settings::cappedCopy(file)), 0600);
    for (int round = 0; round < 20; ++round) {
      QVERIFY(QFile::remove(file));
      RAZ::Settings(RAZ::Settings::User).setValue("security/myRoomHostPin", round);
      QVERIFY(QFile::setPermissions(file, openToOthers));
      RAZ::Settings(RAZ::Settings::User).setValue("security/myRoomPin2", round);
    }
    QCOMPARE(Utils::seedUserSettings(install, dir.filePath("application_setting.ini"), dir.path()),
             Utils::SeedResult::Copied);
    const QStringList seen = watch.stop();
    QVERIFY2(seen.isEmpty(), qPrintable(seen.join(", ")));
    QCOMPARE(modeOf(file), 0600);
    QCOMPARE(modeOf(dir.filePath("application_setting.ini")), 0600);
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("security/myRoomPin2").toInt(), 19);
  }

  void aFullDiskKeepsTheOldSettingsAndIsCounted() {
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::User, dir.path());
    const QString file = RAZ::Settings::filePath(RAZ::Settings::User);
    RAZ::Settings(RAZ::Settings::User).setValue("a/b", "kept");
    const QByteArray before = contentOf(file);
    FailureWatch watch;
    {
      FullDisk full(10);
      RAZ::Settings(RAZ::Settings::User).setValue("a/c", QString(500, QChar('x')));
    }
    QVERIFY(watch.failed());
    QVERIFY2(watch.failure().contains(QDir::toNativeSeparators(file)), qPrintable(watch.failure()));
    QVERIFY2(watch.failure().contains(FileWrites::fullDiskText()), qPrintable(watch.failure()));
    QCOMPARE(contentOf(file), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file).fileName()});
    // With room again nothing is counted.
    FailureWatch again;
    RAZ::Settings(RAZ::Settings::User).setValue("a/c", "fits");
    QVERIFY(!again.failed());
  }

  // What the user is told names the reason in the interface's language,
  // where the system's own text would stay English.
  void theUserReadsWhyInTheInterfacesLanguage() {
    QTranslator spanish;
    QVERIFY(spanish.load("ui_es", qEnvironmentVariable("ZENT_DIST_DIR") + "/translations"));
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::User, dir.path());
    FailureWatch watch;
    {
      FullDisk full(0);
      RAZ::Settings(RAZ::Settings::User).setValue("a/b", "x");
    }
    QVERIFY(watch.failed());
    QVERIFY(QCoreApplication::installTranslator(&spanish));
    const QString shown = watch.failureShown();
    QCoreApplication::removeTranslator(&spanish);
    QCOMPARE(shown, QDir::toNativeSeparators(RAZ::Settings::filePath(RAZ::Settings::User)) +
                        ": No queda espacio en el dispositivo");
    QVERIFY(watch.failure().endsWith(FileWrites::fullDiskText()));
    // So does every reason a message names: the system's, the program's own
    // (a settings file that does not read), and an unknown one as it is.
    QVERIFY(QCoreApplication::installTranslator(&spanish));
    const QStringList reasons{FileWrites::shownReason(FileWrites::fullDiskText()),
                              FileWrites::shownReason("the file could not be replaced"),
                              FileWrites::shownReason("not a settings file"),
                              FileWrites::shownReason("Unknown error 1234")};
    QCoreApplication::removeTranslator(&spanish);
    QCOMPARE(reasons,
             (QStringList{"No queda espacio en el dispositivo", "no se pudo reemplazar el archivo",
                          QString::fromUtf8("no es un archivo de configuración"),
                          "Unknown error 1234"}));
  }

  void anUnreadableSettingsFileIsNeverWrittenOver() {
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::User, dir.path());
    const QString file = RAZ::Settings::filePath(RAZ::Settings::User);
    const QByteArray broken = "[security\nmyRoomHostPin=1234\n[sounds]\nvolume=3\n";
    QVERIFY(writeFile(file, broken));
    QVERIFY(!RAZ::Settings::readProblem(RAZ::Settings::User).isEmpty());
    FailureWatch watch;
    {
      RAZ::Settings settings(RAZ::Settings::User);
      settings.setValue("sounds/volume", 5);
      settings.remove("security/myRoomHostPin");
    }
    QVERIFY(watch.failed());
    QCOMPARE(contentOf(file), broken);
    // Set aside, it is kept whole and the place is free for new settings.
    const QString aside = RAZ::Settings::keepAside(RAZ::Settings::User);
    QCOMPARE(aside, file + ".unreadable");
    QCOMPARE(contentOf(aside), broken);
    RAZ::Settings(RAZ::Settings::User).setValue("sounds/volume", 5);
    QVERIFY(RAZ::Settings::readProblem(RAZ::Settings::User).isEmpty());
    // A second unreadable file never replaces the first one kept.
    QVERIFY(writeFile(file, broken + "again"));
    const QString second = RAZ::Settings::keepAside(RAZ::Settings::User);
    QVERIFY(second.startsWith(aside + "."));
    QCOMPARE(contentOf(aside), broken);
    QCOMPARE(contentOf(second), broken + "again");
  }

  void aHugeSettingsFileIsReadAndSeededOnlyUpToTheLimit() {
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("install")));
    const QString install = dir.filePath("install/application_setting.ini");
    {
      QFile f(install);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[defaults]\ntheme=default\n[filler]\n");
      const QByteArray line = "key=" + QByteArray(120, 'v') + "\n";
      for (int i = 0; i < 3 * 1024 * 1024 / line.size(); ++i) f.write(QByteArray::number(i) + line);
      f.write("[late]\nkey=beyond the limit\n");
    }
    RAZ::Settings::setPath(RAZ::Settings::Installation, dir.filePath("install"));
    {
      RAZ::Settings installation(RAZ::Settings::Installation);
      QCOMPARE(installation.value("defaults/theme").toString(), QString("default"));
      QVERIFY(!installation.contains("late/key"));
    }
    QVERIFY(RAZ::Settings::cappedFiles().contains(install));

    const QString user = dir.filePath("data/application_setting.ini");
    QCOMPARE(Utils::seedUserSettings(install, user, dir.filePath("data")),
             Utils::SeedResult::Copied);
    QVERIFY(QFileInfo(user).size() <= RAZ::Settings::kMaxFileBytes);
    QVERIFY(contentOf(user).endsWith('\n'));
    QCOMPARE(modeOf(user), 0600);
    RAZ::Settings::setPath(RAZ::Settings::Application, dir.filePath("data"));
    QCOMPARE(RAZ::Settings(RAZ::Settings::Application).value("defaults/theme").toString(),
             QString("default"));
  }

  // A settings file of the user's beyond the limit is read up to it; before
  // the first save writes only that back, the whole file is kept beside it.
  void aHugeSettingsFileIsKeptWholeBeforeItIsSaved() {
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::User, dir.path());
    const QString file = RAZ::Settings::filePath(RAZ::Settings::User);
    QByteArray huge = "[sounds]\nvolume=3\n[filler]\n";
    const QByteArray line = "key=" + QByteArray(120, 'v') + "\n";
    for (int i = 0; huge.size() < 2 * RAZ::Settings::kMaxFileBytes; ++i)
      huge += QByteArray::number(i) + line;
    huge += "[late]\nkey=beyond the limit\n";
    QVERIFY(writeFile(file, huge));
    {
      RAZ::Settings settings(RAZ::Settings::User);
      QCOMPARE(settings.value("sounds/volume").toInt(), 3);
      QVERIFY(!settings.contains("late/key"));
      settings.setValue("sounds/volume", 5);
    }
    const QString aside = RAZ::Settings::cappedCopy(file);
    QCOMPARE(aside, file + ".toolarge");
    QCOMPARE(contentOf(aside), huge);
    QCOMPARE(modeOf(aside), 0600);
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("sounds/volume").toInt(), 5);
    // Kept once: later saves leave the copy as it is.
    RAZ::Settings(RAZ::Settings::User).setValue("sounds/volume", 6);
    QCOMPARE(contentOf(aside), huge);
  }

  void leftoversOfAnEndedWriteAreRemoved() {
    QTemporaryDir dir;
    const QStringList leftovers{"user_setting.ini.AbC123", "application_setting.ini.x9Y8z7",
                                "proxy_setting.ini.qqqqqq"};
    const QStringList kept{"user_setting.ini", "user_setting.ini.unreadable",
                           "user_setting.ini.ab-123", "notes.txt.ABCDEF", "credentials.dat"};
    for (const QString& name : leftovers + kept) QVERIFY(writeFile(dir.filePath(name), "x"));
    QCOMPARE(RAZ::Settings::removeLeftovers(dir.path()), leftovers.size());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
  }

  // What a write through the checked write left when the program was
  // killed before its rename goes at the next write of that file; the
  // user's own files of a like name, and what is being written now, stay.
  void leftoversOfACheckedWriteAreRemoved() {
    QTemporaryDir dir;
    const QString path = dir.filePath("comms.db");
    const QStringList leftovers{"comms.db.AbC123", "comms.db.x9y8z7", "comms.db.QQQQQQ"};
    const QStringList kept{"comms.db.backup", "comms.db.unreadable", "comms.db.ab-123",
                           "comms.db.AbC1234", "other.db.AbC123"};
    for (const QString& name : leftovers + kept) QVERIFY(writeFile(dir.filePath(name), "x"));
    QVERIFY(FileWrites::replace(path, "new"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = kept + QStringList{"comms.db"};
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
    // Swept once a run: a later write finds nothing to take.
    QVERIFY(writeFile(dir.filePath("comms.db.ZZ9zz9"), "x"));
    QVERIFY(FileWrites::replace(path, "newer"));
    QVERIFY(QFile::exists(dir.filePath("comms.db.ZZ9zz9")));
    QCOMPARE(FileWrites::removeLeftovers(path), 1);
    // A temporary's name always tells it from the user's files: it has a
    // capital letter or a digit.
    for (int i = 0; i < 200; ++i) QVERIFY(FileWrites::replace(path, "again"));
    QCOMPARE(contentOf(path), QByteArray("again"));
  }

  // A failed write says which file it was, never an empty name, and once.
  void aFailedWriteNamesItsFile() {
    QTemporaryDir dir;
    TP::Core::Logging::MemorySink log;
    TP::Core::Logging::addLogger(&log);
    TP::Crypto::Blowfish cipher = ZentTest::programCipher();
    CredentialsManager manager(dir.filePath("credentials.dat"), &cipher);
    QVERIFY(manager.load());
    {
      FullDisk full(4);
      manager.addCredentials(account("first@example.com", "one"));
      QVERIFY(!FileWrites::replace(dir.filePath("comms.db"), QByteArray(100, 'c')));
    }
    TP::Core::Logging::removeLogger(&log);
    QStringList said;
    for (const auto& record : log.records())
      if (record.message.startsWith("Not written: ")) said << record.message;
    QCOMPARE(
        said,
        QStringList({"Not written: " + QDir::toNativeSeparators(dir.filePath("credentials.dat")) +
                         ": " + FileWrites::fullDiskText(),
                     "Not written: " + QDir::toNativeSeparators(dir.filePath("comms.db")) + ": " +
                         FileWrites::fullDiskText()}));
  }

  void aReceivedFileOnAFullDiskLeavesNothingUnderItsName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    {
      FullDisk full(1000);
      FailureWatch watch;
      const QString error = RAZ::Demo::ChatDemo::storeReceivedFile(path, QByteArray(5000, 'r'));
      QCOMPARE(error, FileWrites::fullDiskText());
      QVERIFY(watch.failed());
    }
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    // A file the user chose to replace stays as it was.
    QVERIFY(writeFile(path, "the user's own"));
    {
      FullDisk full(0);
      QVERIFY(!RAZ::Demo::ChatDemo::storeReceivedFile(path, QByteArray(5000, 'r')).isEmpty());
    }
    QCOMPARE(contentOf(path), QByteArray("the user's own"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
    QVERIFY(RAZ::Demo::ChatDemo::storeReceivedFile(path, QByteArray(5000, 'r')).isEmpty());
    QCOMPARE(contentOf(path), QByteArray(5000, 'r'));
  }

  void storedAccountsSurviveAFullDisk() {
    QTemporaryDir dir;
    TP::Crypto::Blowfish cipher = ZentTest::programCipher();
    const QString path = dir.filePath("credentials.dat");
    CredentialsManager manager(path, &cipher);
    QVERIFY(manager.load());
    manager.addCredentials(account("first@example.com", "one"));
    QCOMPARE(modeOf(path), 0600);
    const QByteArray before = contentOf(path);
    FailureWatch watch;
    {
      FullDisk full(8);
      manager.addCredentials(account("second@example.com", "two"));
    }
    QVERIFY(watch.failed());
    // The user hears of the file, not of its temporary.
    QVERIFY2(watch.failure().startsWith(QDir::toNativeSeparators(path) + ": "),
             qPrintable(watch.failure()));
    QCOMPARE(contentOf(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"credentials.dat"});
  }

  // Another local user polling the stored accounts' temporary while they are
  // saved again and again never opens it: it is the user's alone from its
  // first byte, not made so after it was created.
  void anotherUserNeverOpensTheAccountsBeingSaved() {
    // Whatever opens the temporary sees it closed to others already: its
    // mode right after it was made, before anything else is done to it.
    {
      QTemporaryDir dir;
      TP::Crypto::Blowfish cipher = ZentTest::programCipher();
      bool exposed = false;
      CredentialsManager manager(dir.filePath("credentials.dat"), &cipher,
                                 [&exposed](const QString& name, QObject* parent) -> QFile* {
                                   return new ModeAtOpenFile(name, parent, &exposed);
                                 });
      QVERIFY(manager.load());
      const mode_t oldMask = ::umask(022);
      manager.addCredentials(account("first@example.com", "secret"));
      ::umask(oldMask);
      QCOMPARE(modeOf(dir.filePath("credentials.dat")), 0600);
      QVERIFY(!exposed);
    }
    if (::geteuid() != 0) QSKIP("a second user is needed: run as root");
    QTemporaryDir dir;
    // Others may pass through the folder, as through a home folder.
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ExeGroup |
                                                  QFile::ExeOther));
    TP::Crypto::Blowfish cipher = ZentTest::programCipher();
    const QString path = dir.filePath("credentials.dat");
    const QByteArray temp = QFile::encodeName(path + ".new");
    CredentialsManager manager(path, &cipher);
    QVERIFY(manager.load());
    int stop[2], result[2];
    QCOMPARE(::pipe(stop), 0);
    QCOMPARE(::pipe(result), 0);
    const pid_t poller = ::fork();
    QVERIFY(poller >= 0);
    if (poller == 0) {
      // Only system calls here: the test's other threads are not copied.
      char opened = 0;
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      ::fcntl(stop[0], F_SETFL, O_NONBLOCK);
      char byte;
      while (::read(stop[0], &byte, 1) < 0) {
        const int fd = ::open(temp.constData(), O_RDONLY);
        if (fd >= 0) {
          opened = 1;
          ::close(fd);
        }
      }
      ::write(result[1], &opened, 1);
      ::_exit(0);
    }
    for (int round = 0; round < 300; ++round)
      manager.addCredentials(account("first@example.com", QString("secret %1").arg(round)));
    QCOMPARE(::write(stop[1], "x", 1), ssize_t(1));
    char opened = 1;
    QCOMPARE(::read(result[0], &opened, 1), ssize_t(1));
    int status = 0;
    ::waitpid(poller, &status, 0);
    for (int fd : {stop[0], stop[1], result[0], result[1]}) ::close(fd);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(int(opened), 0);
    QCOMPARE(modeOf(path), 0600);
  }

  // A replaced file is a new one with its mode from the first byte, whatever
  // the umask; a full disk leaves the old one and nothing beside it; and a
  // name that lies in wait (a link to another file) is never written through.
  void replacedFilesAreNewFilesOfTheUsersAlone() {
    QTemporaryDir dir;
    const QString path = dir.filePath("entry.desktop");
    const mode_t oldMask = ::umask(0);
    const bool written = FileWrites::replace(path, "first", 0600);
    ::umask(oldMask);
    QVERIFY(written);
    QCOMPARE(modeOf(path), 0600);
    QVERIFY(FileWrites::replace(path, "second", 0644));
    QCOMPARE(contentOf(path), QByteArray("second"));
    QCOMPARE(modeOf(path), 0644);
    FailureWatch watch;
    {
      FullDisk full(3);
      QVERIFY(!FileWrites::replace(path, "third, longer", 0644));
    }
    QVERIFY(watch.failed());
    QVERIFY2(watch.failure().startsWith(QDir::toNativeSeparators(path) + ": "),
             qPrintable(watch.failure()));
    QCOMPARE(contentOf(path), QByteArray("second"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"entry.desktop"});

    QFile lure(dir.filePath("lure"));
    QVERIFY(lure.open(QIODevice::WriteOnly));
    lure.close();
    QVERIFY(QFile::link(lure.fileName(), dir.filePath("credentials.dat.new.link")));
    QFile exclusive(dir.filePath("credentials.dat.new.link"));
    QVERIFY(!FileWrites::createExclusive(exclusive));
    QCOMPARE(contentOf(lure.fileName()), QByteArray());
  }

  // A desktop entry saved on a full disk (a small tmpfs as the data folder
  // where this test may mount one) keeps the entry it had, leaves nothing
  // beside it, rebuilds no desktop cache and is counted for the user.
  void aFullDiskKeepsTheDesktopEntryAndItsCache() {
    QTemporaryDir dir;
    const QString data = dir.filePath("share");
    QVERIFY(QDir().mkpath(data));
    struct Mount {
      QString at;
      ~Mount() {
        if (!at.isEmpty()) QProcess::execute("umount", {at});
      }
    } mount;
    const bool real =
        ::geteuid() == 0 &&
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", data}) == 0;
    if (real) mount.at = data;
    // A desktop cache tool that notes each rebuild.
    QVERIFY(QDir().mkpath(dir.filePath("bin")));
    const QString tool = dir.filePath("bin/update-desktop-database");
    QVERIFY(writeFile(tool, "#!/bin/sh\necho rebuilt >> \"$(dirname \"$0\")/rebuilds\"\n"));
    QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray oldPath = qgetenv("PATH"), oldData = qgetenv("XDG_DATA_HOME"),
                     oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("PATH", QFile::encodeName(dir.filePath("bin")) + ":" + oldPath);
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    struct Restore {
      QByteArray path, data, config;
      ~Restore() {
        qputenv("PATH", path);
        qputenv("XDG_DATA_HOME", data);
        qputenv("XDG_CONFIG_HOME", config);
      }
    } restore{oldPath, oldData, oldConfig};

    QVERIFY(Os::registerUrlScheme("zent", "ZENT", "/opt/zent/zent"));
    const QString entry = Os::urlSchemeEntryPath("zent");
    const QByteArray before = contentOf(entry);
    QVERIFY(before.contains("Exec=/opt/zent/zent %u"));
    QCOMPARE(contentOf(dir.filePath("bin/rebuilds")), QByteArray("rebuilt\n"));

    FailureWatch watch;
    std::unique_ptr<FullDisk> simulated;
    if (real) {
      // Fill what is left of it.
      QFile filler(data + "/filler");
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'f');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
    } else {
      simulated.reset(new FullDisk(0));
    }
    QVERIFY(!Os::registerUrlScheme("zent", "ZENT", "/moved/zent"));
    simulated.reset();
    QVERIFY(watch.failed());
    QVERIFY2(watch.failure().contains(QDir::toNativeSeparators(entry)),
             qPrintable(watch.failure()));
    QVERIFY2(watch.failure().contains(FileWrites::fullDiskText()), qPrintable(watch.failure()));
    QCOMPARE(contentOf(entry), before);
    QCOMPARE(QDir(QFileInfo(entry).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"zent-url-handler.desktop"});
    QCOMPARE(contentOf(dir.filePath("bin/rebuilds")), QByteArray("rebuilt\n"));
    QCOMPARE(Os::defaultSchemeHandler("zent"), QString("zent-url-handler.desktop"));
  }

  void killedWritersLeaveEveryFileWhole() {
    // Killed at a different moment each time, the writer never leaves a
    // settings file, the stored accounts or a received file truncated,
    // emptied or gone; what an unfinished write leaves beside them goes at
    // the next start.
    TP::Crypto::Blowfish cipher = ZentTest::programCipher();
    QTemporaryDir dir;
    QRandomGenerator random(20261209);
    for (int kill = 0; kill < 8; ++kill) {
      QProcess writer;
      // Its complaints go on to ours: a pipe nobody reads would stall it.
      writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      writer.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
      writer.start(QCoreApplication::applicationFilePath(), {"--writer", dir.path()});
      QVERIFY(writer.waitForStarted(30000));
      // Let it finish a few rounds, then kill it somewhere in the next.
      const int rounds = 1 + int(random.bounded(2));
      int seen = 0;
      while (seen < rounds) {
        // Long: a round syncs its files to disk, which a busy disk can hold
        // up for many seconds; only a writer that is stuck reaches the end.
        if (!writer.canReadLine() && !writer.waitForReadyRead(120000)) break;
        while (writer.canReadLine() && seen < rounds) {
          writer.readLine();
          ++seen;
        }
      }
      QCOMPARE(seen, rounds);
      QThread::usleep(random.bounded(20000));
      writer.kill();
      QVERIFY(writer.waitForFinished(30000));

      const QString settingsFile = dir.filePath("user_setting.ini");
      QSettings settings(settingsFile, QSettings::IniFormat);
      QCOMPARE(settings.status(), QSettings::NoError);
      const int first = settings.value("round/first").toInt();
      QVERIFY2(first >= rounds, qPrintable(QString("kill %1: round %2").arg(kill).arg(first)));
      QCOMPARE(settings.value("round/last").toInt(), first);
      QCOMPARE(settings.value("round/padding").toString().size(), 64 * 1024);
      QCOMPARE(modeOf(settingsFile), 0600);

      CredentialsManager credentials(dir.filePath("credentials.dat"), &cipher);
      QVERIFY(credentials.load());
      QCOMPARE(int(credentials.loadProblem()), int(CredentialsManager::LoadProblem::None));
      UserCredentials stored;
      QVERIFY(credentials.getCredentials(RAZ::Utils::Credentials::LoginSip, "writer@example.com",
                                         stored));
      QVERIFY(stored.getCredentials(RAZ::Utils::Credentials::LoginSip)
                  .getPassword()
                  .startsWith("secret "));
      QCOMPARE(modeOf(dir.filePath("credentials.dat")), 0600);

      const QByteArray received = contentOf(dir.filePath("received.bin"));
      QCOMPARE(received.size(), kReceivedBytes);
      QCOMPARE(received.count(received.at(0)), kReceivedBytes);

      RAZ::Settings::removeLeftovers(dir.path());
      for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name == "user_setting.ini" || name == "user_setting.ini.lock" ||
                     name == "credentials.dat" || name == "credentials.dat.new" ||
                     name.startsWith("received.bin"),
                 qPrintable(name));
    }
  }
};

int main(int argc, char** argv) {
  if (argc == 3 && qstrcmp(argv[1], "--writer") == 0) {
    QCoreApplication app(argc, argv);
    return runWriter(QString::fromLocal8Bit(argv[2]));
  }
  ZentTest::installStrictMessageHandler();
  QCoreApplication app(argc, argv);
  TestAppFiles tc;
  QTEST_SET_MAIN_SOURCE_PATH
  return ZentTest::runTests(&tc, argc, argv);
}
#include "tst_app_files.moc"

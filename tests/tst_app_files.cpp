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
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <RAZ/Demo/ChatDemo.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/FileWrites.h>
#include <TP/Bytes.h>
#include <TP/Crypto/Blowfish.h>

#include <sys/stat.h>
#include <cstdio>

#include "DemoFixture.h"
#include "TestSupport.h"
#include "Utils/SettingsSeed.h"

using RAZ::Utils::FailureWatch;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::UserCredentials;
namespace FileWrites = RAZ::Utils::FileWrites;

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

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

UserCredentials account(const QString& user, const QString& password) {
  CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  UserCredentials credentials;
  credentials.setCredentials(RAZ::Utils::Credentials::LoginSip, data);
  return credentials;
}

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
    QCOMPARE(contentOf(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"credentials.dat"});
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
  return QTest::qExec(&tc, argc, argv);
}
#include "tst_app_files.moc"

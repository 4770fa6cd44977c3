// The built program in the runnable tree: it starts headless on a fresh
// home, stays up, answers a second start, and a second start ends at once.
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include <app/QtSingleApplication.h>

#include "TestSupport.h"

namespace {

// A fresh home for one run of the program, with its own single-instance id.
struct Home {
  QTemporaryDir dir;
  QString id = QString("zent-smoke-%1").arg(QCoreApplication::applicationPid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

  Home() {
    QDir(dir.path()).mkpath("run");
    QFile::setPermissions(dir.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("HOME", dir.path());
    env.insert("XDG_DATA_HOME", dir.filePath("share"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_CACHE_HOME", dir.filePath("cache"));
    env.insert("XDG_RUNTIME_DIR", dir.filePath("run"));
    env.insert("ZENT_INSTANCE_ID", id);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A Spanish desktop: what the program says before its first window
    // speaks Spanish too.
    env.insert("LANG", "es_ES.UTF-8");
    env.insert("LC_ALL", "es_ES.UTF-8");
  }
  QString lockPath() const {
    return QtSingleApplication::serverPathFor(id, dir.filePath("run")) + ".lock";
  }
};

// Reads the program's output (both channels) until `text` shows; false when
// the program ends first, with how it ended added to `seen`.
bool waitForError(QProcess& program, const QString& text, QString& seen) {
  while (!seen.contains(text)) {
    if (program.state() != QProcess::Running && program.bytesAvailable() == 0) break;
    const bool more = program.waitForReadyRead(60000);
    seen += QString::fromLocal8Bit(program.readAll());
    if (!more) break;
  }
  if (seen.contains(text)) return true;
  if (program.state() == QProcess::NotRunning)
    seen += QString("\n[the program ended: %1 %2]")
                .arg(program.exitStatus() == QProcess::CrashExit ? "crashed, signal" : "exit code")
                .arg(program.exitCode());
  return false;
}

// A copy of the runnable tree to damage.
bool copyTree(const QTemporaryDir& tree) {
  QProcess copy;
  copy.start("cp", {"-a", qEnvironmentVariable("ZENT_DIST_DIR") + "/.", tree.path()});
  return copy.waitForFinished(60000) && copy.exitCode() == 0;
}

int modeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// Starts `program` in `home` and waits until it answers a second start.
bool startAndWaitUp(QProcess& program, const Home& home, const QString& path, QString& seen) {
  program.setProcessEnvironment(home.env);
  program.setProcessChannelMode(QProcess::MergedChannels);
  program.start(path, QStringList());
  if (!program.waitForStarted(30000)) return false;
  bool up = false;
  for (int attempt = 0; attempt < 12 && !up && program.state() == QProcess::Running; ++attempt)
    up = QtSingleApplication::sendMessageTo(
        QtSingleApplication::serverPathFor(home.id, home.dir.filePath("run")), "activate!", 5000);
  seen += QString::fromLocal8Bit(program.readAll());
  return up;
}

}  // namespace

class TestAppSmoke : public QObject {
  Q_OBJECT

 private slots:
  void startFailuresAreShownNotSilent_data() {
    QTest::addColumn<bool>("unanswered");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("text");
    QTest::newRow("a folder in place of the lock") << false << ""
                                                   << "no puede iniciarse porque";
    QTest::newRow("a running instance that does not answer") << true << ""
                                                             << "pero no responde (su bloqueo es";
    // The user chose English on a Spanish desktop: the second start says it
    // in the user's language, as the running one speaks.
    QTest::newRow("does not answer, in the language the user chose")
        << true << "en"
        << "is already running but does not answer (its lock is";
  }
  void startFailuresAreShownNotSilent() {
    QFETCH(bool, unanswered);
    QFETCH(QString, chosen);
    QFETCH(QString, text);
    const QString program = qEnvironmentVariable("ZENT_DIST_DIR") + "/zent";
    Home home;
    QVERIFY(home.dir.isValid());
    const QString userFolder = home.dir.filePath("share/Zent Communications/Zent");
    if (!chosen.isEmpty()) {
      QVERIFY(QDir().mkpath(userFolder));
      QFile settings(userFolder + "/application_setting.ini");
      QVERIFY(settings.open(QIODevice::WriteOnly));
      settings.write("[settings]\nlanguage\\active=" + chosen.toLatin1() + "\n");
      settings.close();
    }
    const QStringList before = QDir(userFolder).entryList(QDir::Files);
    // Held by this test, which serves no messages; or no lock at all.
    QLockFile held(home.lockPath());
    if (unanswered)
      QVERIFY(held.tryLock(0));
    else
      QVERIFY(QDir().mkpath(home.lockPath()));

    QProcess start;
    start.setProcessEnvironment(home.env);
    start.setProcessChannelMode(QProcess::MergedChannels);
    start.start(program, QStringList());
    QVERIFY(start.waitForStarted(30000));
    // The program says what failed and where, and waits in its message
    // window instead of ending as if all were well.
    QString seen;
    QVERIFY2(waitForError(start, text, seen), qPrintable(seen));
    QVERIFY2(seen.contains(home.lockPath()), qPrintable(seen));
    QCOMPARE(start.state(), QProcess::Running);
    // Reading the user's choice wrote nothing of the user's.
    QCOMPARE(QDir(userFolder).entryList(QDir::Files), before);
    start.kill();
    QVERIFY(start.waitForFinished(30000));
  }

  void anUnknownThemeNameStillStarts() {
    // An installation whose default theme is misnamed: the shipped theme
    // shows the program, and no start-up error stops it.
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QProcess copy;
    copy.start("cp", {"-a", qEnvironmentVariable("ZENT_DIST_DIR") + "/.", tree.path()});
    QVERIFY(copy.waitForFinished(60000) && copy.exitCode() == 0);
    const QString settings = tree.filePath("settings/application_setting.ini");
    QFile file(settings);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    QVERIFY(text.contains("theme=default\n"));
    text.replace("theme=default\n", "theme=Night Blue\n");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();

    Home home;
    QProcess program;
    program.setProcessEnvironment(home.env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(tree.filePath("zent"), QStringList());
    QVERIFY(program.waitForStarted(30000));
    bool up = false;
    for (int attempt = 0; attempt < 12 && !up && program.state() == QProcess::Running; ++attempt)
      up = QtSingleApplication::sendMessageTo(
          QtSingleApplication::serverPathFor(home.id, home.dir.filePath("run")), "activate!", 5000);
    const QString seen = QString::fromLocal8Bit(program.readAll());
    QVERIFY2(up, qPrintable("the program never answered: " + seen));
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
  }

  // A theme package damaged where Qt would follow an offset out of it (the
  // root folder's first entry) counts as missing: the start says so and
  // waits in its message instead of crashing at the first icon.
  void aDamagedThemePackageIsRefusedNotFollowed() {
    QTemporaryDir tree;
    QVERIFY(copyTree(tree));
    QFile package(tree.filePath("themes/default/resources.rcc"));
    QVERIFY(package.open(QIODevice::ReadWrite));
    const QByteArray head = package.read(12);
    QCOMPARE(head.left(4), QByteArray("qres"));
    const quint32 treeOffset = qFromBigEndian<quint32>(head.constData() + 8);
    QVERIFY(package.seek(treeOffset + 10));
    QCOMPARE(package.write("\x7f\xff\xff\xff", 4), qint64(4));
    package.close();

    Home home;
    QProcess program;
    program.setProcessEnvironment(home.env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(tree.filePath("zent"), QStringList());
    QVERIFY(program.waitForStarted(30000));
    QString seen;
    QVERIFY2(waitForError(program, "No se encontró el tema predeterminado", seen),
             qPrintable(seen));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished(30000));
  }

  // A branding file of one endless line starts at once with a capped name;
  // one that is no text starts with the built-in names.
  void brandingFilesAreReadOnlyUpToTheirCap() {
    QTemporaryDir tree;
    QVERIFY(copyTree(tree));
    QFile branding(tree.filePath("application_name.txt"));
    QVERIFY(branding.open(QIODevice::WriteOnly | QIODevice::Truncate));
    branding.write("Zent" + QByteArray(10 * 1024 * 1024, 'x') + "\nZent Org\nzent.example\n");
    branding.close();
    {
      Home home;
      QProcess program;
      QString seen;
      QVERIFY2(startAndWaitUp(program, home, tree.filePath("zent"), seen), qPrintable(seen));
      const QString name = "Zent" + QString(124, QChar('x'));
      QVERIFY2(
          QFileInfo(home.dir.filePath("share/Zent Org/" + name)).isDir(),
          qPrintable(QDir(home.dir.filePath("share/Zent Org")).entryList().join(", ").left(300)));
      program.terminate();
      QVERIFY(program.waitForFinished(30000));
    }
    QVERIFY(branding.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 37) % 256);
    branding.write(binary);
    branding.close();
    {
      Home home;
      QProcess program;
      QString seen;
      QVERIFY2(startAndWaitUp(program, home, tree.filePath("zent"), seen), qPrintable(seen));
      QVERIFY2(QFileInfo(home.dir.filePath("share/Zarozurav Quorvel Inc/VOV Quorvel")).isDir(),
               qPrintable(QDir(home.dir.filePath("share")).entryList().join(", ")));
      program.terminate();
      QVERIFY(program.waitForFinished(30000));
    }
  }

  // No signal whose default writes a core leaves one: the program's memory
  // holds the typed passwords. Checked with cores allowed, against a program
  // that does write one here (else the test cannot tell and skips).
  void noSignalLeavesACore_data() {
    QTest::addColumn<int>("signo");
    QTest::newRow("SIGQUIT (Ctrl+\\)") << int(SIGQUIT);
    QTest::newRow("SIGTRAP") << int(SIGTRAP);
    QTest::newRow("SIGSYS") << int(SIGSYS);
    QTest::newRow("SIGXCPU") << int(SIGXCPU);
    QTest::newRow("SIGXFSZ") << int(SIGXFSZ);
  }
  void noSignalLeavesACore() {
    QFETCH(int, signo);
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_CORE, &before), 0);
    if (before.rlim_max == 0) QSKIP("cores are forbidden to this test");
    rlimit allowed = before;
    allowed.rlim_cur = before.rlim_max;
    QCOMPARE(setrlimit(RLIMIT_CORE, &allowed), 0);
    struct Restore {
      rlimit limit;
      ~Restore() { setrlimit(RLIMIT_CORE, &limit); }
    } restore{before};
    const auto cores = [](const QString& folder) {
      return QDir(folder).entryList({"core*"}, QDir::Files | QDir::Hidden);
    };
    // What this system does with a core: a plain program leaves one.
    QTemporaryDir control;
    QProcess plain;
    plain.setWorkingDirectory(control.path());
    plain.start("/bin/sh", {"-c", QString("kill -%1 $$").arg(signo)});
    QVERIFY(plain.waitForFinished(30000));
    if (cores(control.path()).isEmpty())
      QSKIP("this system writes no core into the program's folder");

    const QString program = qEnvironmentVariable("ZENT_DIST_DIR") + "/zent";
    Home home;
    QProcess zent;
    zent.setWorkingDirectory(home.dir.path());
    QString seen;
    QVERIFY2(startAndWaitUp(zent, home, program, seen), qPrintable(seen));
    QCOMPARE(::kill(pid_t(zent.processId()), signo), 0);
    QVERIFY(zent.waitForFinished(30000));
    QCOMPARE(zent.exitStatus(), QProcess::CrashExit);
    QCOMPARE(zent.exitCode(), signo);
    // Neither where it was started nor in its data folder, its current one.
    QCOMPARE(cores(home.dir.path()), QStringList());
    QCOMPARE(cores(home.dir.filePath("share/Zent Communications/Zent")), QStringList());
  }

  // The program killed at the rename that puts a new history or a new store
  // in place leaves the whole new copy beside the file; the next start
  // removes it (and signs in with what was in place).
  void leftoversOfAKillAtTheRenameGoAtTheNextStart() {
    const QString program = qEnvironmentVariable("ZENT_DIST_DIR") + "/zent";
    Home home;
    const QString data = home.dir.filePath("share/Zent Communications/Zent");
    const auto leftovers = [&data](const QString& folder, const QString& name) {
      QStringList found;
      const auto entries = QDir(data + folder).entryList({name + ".??????"}, QDir::Files);
      for (const QString& entry : entries)
        if (QFileInfo(data + folder + "/" + entry).size() > 0) found << entry;
      return found;
    };
    // Signs in by itself as the benchmark does, and ends after the main
    // window showed; killed at the rename of a file ending in `killAt`.
    const auto run = [&](const QString& killAt, QString& seen) {
      QProcess zent;
      QProcessEnvironment env = home.env;
      env.insert("ZENT_BENCH_MARKERS", "1");
      env.insert("ZENT_BENCH_SIGNIN", "erin:demo");
      env.insert("ZENT_BENCH_EXIT_AFTER", "main-window");
      env.insert("ZENT_DEMO_STEP_DELAY_MS", "0");
      env.insert("LANG", "C.UTF-8");
      env.insert("LC_ALL", "C.UTF-8");
      if (!killAt.isEmpty()) {
        env.insert("LD_PRELOAD", ZENT_KILL_AT_RENAME_LIBRARY);
        env.insert("ZENT_KILL_AT_RENAME", killAt);
        // The sanitizers' runtime must otherwise come first of all.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") +
                                       (env.contains("ASAN_OPTIONS") ? ":" : "") +
                                       "verify_asan_link_order=0");
      }
      zent.setProcessEnvironment(env);
      zent.setProcessChannelMode(QProcess::MergedChannels);
      zent.start(program, QStringList());
      if (!zent.waitForStarted(30000) || !zent.waitForFinished(120000)) {
        zent.kill();
        zent.waitForFinished(30000);
      }
      seen = QString::fromLocal8Bit(zent.readAll());
      return zent.exitStatus() == QProcess::CrashExit ? zent.exitCode() : -zent.exitCode() - 1;
    };
    QString seen;
    // The first sign-in makes the history; killed as it is put in place.
    QCOMPARE(run("/comms.db", seen), int(SIGKILL));
    QCOMPARE(leftovers("/erin", "comms.db").size(), 1);
    // The next start signs in (the history's leftover goes) and is killed
    // as the service's store is put in place.
    QCOMPARE(run("/demo-service.dat", seen), int(SIGKILL));
    QCOMPARE(leftovers("/erin", "comms.db"), QStringList());
    QCOMPARE(leftovers("", "demo-service.dat").size(), 1);
    // And a start without harm takes that one too.
    QVERIFY2(run(QString(), seen) == -1, qPrintable(seen));
    QCOMPARE(leftovers("", "demo-service.dat"), QStringList());
    QCOMPARE(leftovers("/erin", "comms.db"), QStringList());
    QVERIFY(QFileInfo(data + "/erin/comms.db").size() > 0);
    QVERIFY(QFileInfo(data + "/demo-service.dat").size() > 0);
  }

  // A desktop's log-out (SIGTERM) ends the program as Exit does: it ends
  // normally, through the same steps, and lets its lock go.
  void aLogOutEndsTheProgramAsExitDoes() {
    const QString program = qEnvironmentVariable("ZENT_DIST_DIR") + "/zent";
    Home home;
    QProcess first;
    QString seen;
    QVERIFY2(startAndWaitUp(first, home, program, seen), qPrintable(seen));
    QVERIFY(QFile::exists(home.lockPath()));
    first.terminate();
    QVERIFY(first.waitForFinished(30000));
    seen += QString::fromLocal8Bit(first.readAll());
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QVERIFY2(first.exitCode() == 0, qPrintable(seen));
    QVERIFY(!QFile::exists(home.lockPath()));

    // The same signed in, in Spanish, after the service was lost and came
    // back and with a call ringing: every window and scene goes before the
    // translators their texts come from.
    QProcess signedIn;
    QProcessEnvironment env = home.env;
    const QString control = QString("zent-smoke-ctl-%1").arg(QCoreApplication::applicationPid());
    env.insert("ZENT_DEMO_CONTROL", control);
    env.insert("ZENT_BENCH_MARKERS", "1");
    env.insert("ZENT_BENCH_SIGNIN", "erin:demo");
    env.insert("ZENT_DEMO_STEP_DELAY_MS", "0");
    signedIn.setProcessEnvironment(env);
    signedIn.setProcessChannelMode(QProcess::MergedChannels);
    signedIn.start(program, QStringList());
    QVERIFY(signedIn.waitForStarted(30000));
    seen.clear();
    QVERIFY2(waitForError(signedIn, "zent-bench main-window", seen), qPrintable(seen));
    const auto tell = [&control](const QByteArray& command) {
      QLocalSocket socket;
      socket.connectToServer(control);
      if (!socket.waitForConnected(30000)) return QByteArray("unreachable");
      socket.write(command + '\n');
      QByteArray answer;
      while (!answer.contains('\n') && socket.waitForReadyRead(30000)) answer += socket.readAll();
      return answer.trimmed();
    };
    for (const QByteArray& command :
         {QByteArray("lose-service"), QByteArray("restore-service"), QByteArray("lose-service"),
          QByteArray("restore-service"), QByteArray("incoming-call 101")})
      QCOMPARE(tell(command), QByteArray("ok"));
    signedIn.terminate();
    QVERIFY(signedIn.waitForFinished(60000));
    seen += QString::fromLocal8Bit(signedIn.readAll());
    QCOMPARE(signedIn.exitStatus(), QProcess::NormalExit);
    QVERIFY2(signedIn.exitCode() == 0, qPrintable(seen));
    QVERIFY(!QFile::exists(home.lockPath()));
  }

  void programStartsAndAnswersASecondStart() {
    const QString program = qEnvironmentVariable("ZENT_DIST_DIR") + "/zent";
    QVERIFY(QFileInfo(program).isExecutable());
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QDir(home.path()).mkpath("run");
    QFile::setPermissions(home.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString id = QString("zent-smoke-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath("share"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_CACHE_HOME", home.filePath("cache"));
    env.insert("XDG_RUNTIME_DIR", home.filePath("run"));
    env.insert("ZENT_INSTANCE_ID", id);
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess first;
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    first.start(program, QStringList());
    QVERIFY(first.waitForStarted(30000));

    // Up means: the single-instance server answers (the program only
    // listens for second starts once start-up has completed).
    bool up = false;
    for (int attempt = 0; attempt < 12 && !up && first.state() == QProcess::Running; ++attempt)
      up = QtSingleApplication::sendMessageTo(
          QtSingleApplication::serverPathFor(id, home.filePath("run")), "activate!", 5000);
    QVERIFY2(up, "the program never answered");
    QCOMPARE(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {"--zent:x"});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // It wrote its desktop entry and its data folder under the fresh home.
    QVERIFY(QFile::exists(home.filePath("share/applications/zent-url-handler.desktop")));
    QVERIFY(QFile::exists(home.filePath("share/Zent Communications/Zent/application_setting.ini")));
    // The data folder and its logs are the user's alone, whatever the umask.
    QCOMPARE(modeOf(home.filePath("share/Zent Communications/Zent")), 0700);
    QCOMPARE(modeOf(home.filePath("share/Zent Communications/Zent/logs")), 0700);
    QCOMPARE(modeOf(home.filePath("share/Zent Communications/Zent/application_setting.ini")), 0600);

    first.terminate();
    QVERIFY(first.waitForFinished(30000));
  }
};

ZENT_TEST_MAIN(TestAppSmoke, QApplication)
#include "tst_app_smoke.moc"

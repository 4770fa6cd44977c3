// The crash reporter: a crash leaves a report and no core, a broken data folder
// or a missing reporting service ends cleanly, and the service is kept running.
#include "TestSupport.h"

#include "Utils/CrashReporter.h"

#include <RAZ/Utils/FileWrites.h>
#include <TP/Core/Logging.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

class TestCrash : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  TP::Core::Logging::MemorySink m_log;

  QString service() const {
    return qEnvironmentVariable("ZENT_DIST_DIR") + QStringLiteral("/ZentCrashService");
  }
  QString child() const {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/crashing-child");
  }

  // A stand-in crash service that records its arguments and exits with `code`.
  QString fakeService(const QString& name, int code) {
    const QString path = m_dir.filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) return QString();
    script.write("#!/bin/sh\necho \"$@\" >> \"$0.calls\"\nexit " + QByteArray::number(code) + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }

  static int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
  }

  static QStringList lines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  // Runs the crashing child; returns its report (empty when none).
  QString runChild(const QString& dataFolder, const QString& mode, QProcess& process) {
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(child(), {service(), dataFolder, mode});
    if (!process.waitForStarted(10000)) return QStringLiteral("<not started>");
    if (!process.waitForFinished(120000)) {
      process.kill();
      return QStringLiteral("<hung>");
    }
    const QStringList reports = QDir(dataFolder + QStringLiteral("/crashes"))
                                    .entryList({QStringLiteral("crash-*.txt")}, QDir::Files);
    if (reports.size() != 1) return QString();
    QFile f(dataFolder + QStringLiteral("/crashes/") + reports.first());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

 private slots:
  void cleanupTestCase() { TP::Core::Logging::removeLogger(&m_log); }

  void initTestCase() {
    QVERIFY(m_dir.isValid());
    TP::Core::Logging::addLogger(&m_log);
    QVERIFY2(QFileInfo(service()).isExecutable(), qPrintable(service()));
    QVERIFY2(QFileInfo(child()).isExecutable(), qPrintable(child()));
  }

  void buildIdTakesTheVersionsLastPart() {
    QCOMPARE(CrashReporter::buildId(QStringLiteral("20.1.1.231")), QStringLiteral("2014091700231"));
    QCOMPARE(CrashReporter::buildId(QStringLiteral("7")), QStringLiteral("2014091700007"));
  }

  void crashLeavesAReportWithEveryThreadAndTheLogTail_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("signo");
    QTest::newRow("segv") << QStringLiteral("segv") << int(SIGSEGV);
    QTest::newRow("abort") << QStringLiteral("abort") << int(SIGABRT);
  }

  void crashLeavesAReportWithEveryThreadAndTheLogTail() {
    QFETCH(QString, mode);
    QFETCH(int, signo);
    const QString data = m_dir.filePath(QStringLiteral("data-") + mode);
    QVERIFY(QDir().mkpath(data));
    QProcess process;
    const QString report = runChild(data, mode, process);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(!report.isEmpty() && !report.startsWith(QLatin1Char('<')), qPrintable(report + err));
    // The child still ends by its signal, as it would without the handler.
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QVERIFY2(report.contains(QStringLiteral("Signal: %1").arg(signo)), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Process: %1").arg(process.processId())) ||
            report.contains(QStringLiteral("Process: ")));
    QVERIFY(report.contains(QStringLiteral("Version: 20.1.1.231")));
    QVERIFY(report.contains(QStringLiteral("BuildID: 2014091700231")));
    // The crashing thread's own stack, then every thread.
    QVERIFY2(report.contains(QStringLiteral("backtrace:")), qPrintable(report));
    const QString all = report.section(QStringLiteral("== All threads =="), 1);
    QVERIFY2(all.count(QStringLiteral("Thread ")) >= 2, qPrintable(all));
    QVERIFY(report.contains(QStringLiteral("crashchild: last words before the crash")));
    // The crash-info file stays in the user's own data folder; it, the
    // reports and their folder are the user's alone.
    QVERIFY(QFile::exists(data + QStringLiteral("/zent.info")));
    QCOMPARE(modeOf(data + QStringLiteral("/zent.info")), 0600);
    QCOMPARE(modeOf(data + QStringLiteral("/crashes")), 0700);
    for (const QString& name : QDir(data + QStringLiteral("/crashes")).entryList(QDir::Files))
      QCOMPARE(modeOf(data + QStringLiteral("/crashes/") + name), 0600);
  }

  // With cores allowed, a crash reported by the handler leaves no core
  // behind: the program's memory holds the user's passwords and PINs.
  void aReportedCrashLeavesNoCore() {
    QFile pattern(QStringLiteral("/proc/sys/kernel/core_pattern"));
    QVERIFY(pattern.open(QIODevice::ReadOnly));
    const QByteArray where = pattern.readAll().trimmed();
    if (where.startsWith('|') || where.contains('/') || where.contains('%'))
      QSKIP("cores are not written into the crashing program's folder here");
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_CORE, &before), 0);
    if (before.rlim_max == 0) QSKIP("cores are forbidden to this test");
    rlimit allowed = before;
    allowed.rlim_cur = before.rlim_max;
    QCOMPARE(setrlimit(RLIMIT_CORE, &allowed), 0);
    const QString data = m_dir.filePath(QStringLiteral("data-core"));
    QVERIFY(QDir().mkpath(data));
    QProcess process;
    process.setWorkingDirectory(data);
    const QString report = runChild(data, QStringLiteral("segv"), process);
    setrlimit(RLIMIT_CORE, &before);
    QVERIFY2(!report.isEmpty() && !report.startsWith(QLatin1Char('<')), qPrintable(report));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(QDir(data).entryList({QString::fromLatin1(where) + QLatin1Char('*')}, QDir::Files),
             QStringList());
  }

  void crashWithAnUnwritableDataFolderStillEndsCleanly() {
    // A plain file where the data folder should be: nothing can be written.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QProcess process;
    const QString report =
        runChild(blocker + QStringLiteral("/data"), QStringLiteral("segv"), process);
    QVERIFY(report.isEmpty());
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), int(SIGSEGV));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("cannot create the report folder")), qPrintable(err));
  }

  void missingServiceReportsOneErrorAndStartsNothing() {
    CrashReporter reporter;
    reporter.setDataFolder(m_dir.filePath(QStringLiteral("missing")));
    QSignalSpy errors(&reporter, &CrashReporter::initError);
    QVERIFY(reporter.installExceptionHandler(m_dir.filePath(QStringLiteral("no-such-service"))));
    QCOMPARE(errors.count(), 1);
    QVERIFY(!reporter.isInstalled());
    QCoreApplication::processEvents();
    QCOMPARE(errors.count(), 1);
  }

  void infoFileDescribesTheProgramAndGoesWithTheReporter() {
    const QString data = m_dir.filePath(QStringLiteral("info"));
    QVERIFY(QDir().mkpath(data));
    const QString fake = fakeService(QStringLiteral("svc-info"), 1);
    {
      QFile leftover(data + QStringLiteral("/zent.info.Ab12Cd"));
      QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    {
      CrashReporter reporter;
      reporter.setDataFolder(data);
      reporter.setVersion(QStringLiteral("20.1.1.231"));
      reporter.setCrashReporterExe(QStringLiteral("/opt/zent/crashreporter"));
      reporter.setRestartCommand(QStringLiteral("/opt/zent/zent"), {QStringLiteral("--x")});
      QSignalSpy ok(&reporter, &CrashReporter::initSuccess);
      QVERIFY(reporter.installExceptionHandler(fake));
      QVERIFY(ok.wait(ZentTest::kWaitMs));
      QCOMPARE(lines(reporter.infoFilePath()),
               (QStringList{"ProductName=Bramblex", "BuildID=2014091700231", "Version=20.1.1.231",
                            "RestartExecutable=/opt/zent/zent",
                            "CrashReporterExe=/opt/zent/crashreporter"}));
      QCOMPARE(QFileInfo(reporter.infoFilePath()).absolutePath(),
               QFileInfo(data).absoluteFilePath());
      QCOMPARE(modeOf(reporter.infoFilePath()), 0600);
      // What a write cut short left behind went with this one.
      QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{"zent.info"});

      // A second installation is refused and leaves the file alone.
      reporter.setVersion(QStringLiteral("9.9"));
      QSignalSpy errors(&reporter, &CrashReporter::initError);
      QVERIFY(!reporter.installExceptionHandler(fake));
      QCOMPARE(errors.count(), 1);
      QVERIFY(lines(reporter.infoFilePath()).contains(QStringLiteral("Version=20.1.1.231")));
    }
    QVERIFY(!QFile::exists(data + QStringLiteral("/zent.info")));
  }

  // On a full disk the crash-info file of an earlier start stays whole, and
  // the failed write is counted for the user to hear of.
  void aFullDiskKeepsTheCrashInfoFileWhole() {
    const QString data = m_dir.filePath(QStringLiteral("info-full"));
    QVERIFY(QDir().mkpath(data));
    const QString fake = fakeService(QStringLiteral("svc-full"), 1);
    const QString info = data + QStringLiteral("/zent.info");
    const QByteArray before = "ProductName=Bramblex\nVersion=earlier\n";
    {
      QFile f(info);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(before);
    }
    RAZ::Utils::FailureWatch watch;
    RAZ::Utils::FileWrites::simulateFullDisk(12);
    {
      CrashReporter reporter;
      reporter.setDataFolder(data);
      reporter.setVersion(QStringLiteral("20.1.1.231"));
      reporter.installExceptionHandler(fake);
      QFile f(info);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), before);
      QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{"zent.info"});
    }
    RAZ::Utils::FileWrites::simulateFullDisk(-1);
    QVERIFY(watch.failed());
    QVERIFY2(watch.failure().contains(QDir::toNativeSeparators(info)), qPrintable(watch.failure()));
  }

  void serviceThatIsAlreadyServingIsNotRestarted() {
    const QString fake = fakeService(QStringLiteral("svc-busy"), 1);
    CrashReporter reporter;
    reporter.setDataFolder(m_dir.filePath(QStringLiteral("busy")));
    QSignalSpy ok(&reporter, &CrashReporter::initSuccess);
    m_log.clear();
    QVERIFY(reporter.installExceptionHandler(fake));
    QVERIFY(ok.wait(ZentTest::kWaitMs));
    QTRY_VERIFY(m_log.containsMessage(
        QStringLiteral("CrashService exited with code 1, assuming it is running")));
    QVERIFY(!m_log.containsMessage(QStringLiteral("attempting restart")));
    QVERIFY(reporter.isInstalled());
    QCOMPARE(lines(fake + QStringLiteral(".calls")).size(), 1);
  }

  void serviceThatStopsIsStartedAgainWithTheSameArguments() {
    const QString fake = fakeService(QStringLiteral("svc-dies"), 0);
    CrashReporter reporter;
    reporter.setDataFolder(m_dir.filePath(QStringLiteral("dies")));
    QVERIFY(reporter.installExceptionHandler(fake));
    QTRY_VERIFY_WITH_TIMEOUT(lines(fake + QStringLiteral(".calls")).size() >= 2, ZentTest::kWaitMs);
    const QStringList calls = lines(fake + QStringLiteral(".calls"));
    const QString expected = QStringLiteral("%1 %2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QCoreApplication::applicationName());
    QCOMPARE(calls.at(0), expected);
    QCOMPARE(calls.at(1), expected);
  }
};

ZENT_TEST_MAIN(TestCrash, QCoreApplication)
#include "tst_svc_crash.moc"

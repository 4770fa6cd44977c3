// The leak checker runs the tests with tests/lsan.supp, which hides what Qt
// and the system libraries allocate for themselves (the bus library's
// connection among them). A suppression matches any frame of the stack it
// keeps, so a pattern too wide would hide our own leaks as well and every run
// would pass. Each case starts a child with the tests' own leak options and
// reads what the checker said at its exit.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "TestSupport.h"

class TestSanitizerLeaks : public QObject {
  Q_OBJECT

 private:
  struct Run {
    int exitCode = -1;
    QString err;
  };

  static QString child() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/leaking-child");
  }

  static Run run(const QString& mode) {
    QProcess process;
    process.start(child(), {mode});
    Run result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) {
      process.kill();
      process.waitForFinished();
      result.err = QStringLiteral("<did not run to its end>");
      return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
  }

  static bool reportedLeaks(const Run& run) {
    return run.err.contains(QLatin1String("ERROR: LeakSanitizer: detected memory leaks"));
  }

  // The child ended by the checker's verdict: not by a crash, nor by its own
  // usage error.
  static bool failedByTheChecker(const Run& run) {
    return run.exitCode > 0 && run.exitCode != 2 && reportedLeaks(run);
  }

 private slots:
  void initTestCase() {
    QVERIFY2(QFileInfo(child()).isExecutable(), qPrintable(child()));
    const QString options = qEnvironmentVariable("LSAN_OPTIONS");
    QVERIFY2(options.contains(QLatin1String("suppressions=" ZENT_LSAN_SUPPRESSIONS)),
             "run through ctest, which sets the tests' leak options");
    QFile suppressions(QStringLiteral(ZENT_LSAN_SUPPRESSIONS));
    QVERIFY(suppressions.open(QIODevice::ReadOnly));
    QVERIFY(suppressions.readAll().contains("\nleak:libdbus-1.so\n"));
  }

  void aRunWithoutALeakOfOursPasses() {
    const Run clean = run(QStringLiteral("none"));
    QVERIFY2(clean.exitCode == 0, qPrintable(clean.err));
    QVERIFY2(!reportedLeaks(clean), qPrintable(clean.err));
  }

  // Made under Qt's event loop and holding memory that Qt allocated: only
  // our object is reported, and by the function that made it.
  void aLeakOfOursFailsTheRunAndNamesOurFunction() {
    const Run leaky = run(QStringLiteral("data"));
    QVERIFY2(failedByTheChecker(leaky), qPrintable(leaky.err));
    QVERIFY2(leaky.err.contains(
                 QRegularExpression(QStringLiteral("#1 0x[0-9a-f]+ in [^\\n]*forgetData"))),
             qPrintable(leaky.err));
    QVERIFY2(leaky.err.contains(QLatin1String("Direct leak of 520 byte(s) in 1 object(s)")),
             qPrintable(leaky.err));
    QVERIFY2(!leaky.err.contains(QLatin1String("libQt5Core")), qPrintable(leaky.err));
  }

  // A QObject and the private part that Qt allocates for it point at each
  // other. The checker counts whatever a suppressed allocation reaches as
  // reachable, and "libQt5Core" suppresses the private part: a QObject of
  // ours that nobody deletes goes unreported.
  void aLeakedQObjectOfOursFailsTheRun() {
    const Run leaky = run(QStringLiteral("object"));
    QEXPECT_FAIL("", "the Qt suppressions hide a leaked QObject through its private part", Abort);
    QVERIFY2(failedByTheChecker(leaky), qPrintable(leaky.err));
    QVERIFY2(leaky.err.contains(QLatin1String("forgetObject")), qPrintable(leaky.err));
  }
};

ZENT_TEST_MAIN(TestSanitizerLeaks, QCoreApplication)
#include "tst_sanitizer_leaks.moc"

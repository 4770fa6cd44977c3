// The built program in the runnable tree: it starts headless on a fresh
// home, stays up, answers a second start, and a second start ends at once.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <app/QtSingleApplication.h>

#include "TestSupport.h"

class TestAppSmoke : public QObject {
  Q_OBJECT

 private slots:
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

    first.terminate();
    QVERIFY(first.waitForFinished(30000));
  }
};

ZENT_TEST_MAIN(TestAppSmoke, QApplication)
#include "tst_app_smoke.moc"

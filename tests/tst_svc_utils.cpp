// Small services: time formats and offsets, texts at their edges, links,
// folder copies that never follow links, and the media engine's configuration.
#include "TestSupport.h"

#include "MediaEngineConfigurator.h"
#include "Utils/GlobalConstants.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/StringHelper.h"
#include "Utils/file_utils.h"

#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/MediaEngine/IMediaHandlerVideo.h>
#include <RAZ/Settings.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "Utils/SettingsKeys.h"

using namespace RAZ::MediaEngine;

namespace {
const QFile::Permissions kOthersAndGroup = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
}  // namespace

class TestUtils : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;

  QString path(const QString& name) const { return m_dir.filePath(name); }
  [[nodiscard]] bool touch(const QString& name, const QByteArray& content = "x") {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(content) == content.size();
  }
  static QByteArray read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    QVERIFY(m_dir.isValid());
  }

  // User texts.
  void secondsAreRemovedFromTimeFormats_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12h") << "h:mm:ss AP"
                         << "h:mm AP";
    QTest::newRow("24h") << "HH:mm:ss"
                         << "HH:mm";
    QTest::newRow("no seconds") << "HH:mm"
                                << "HH:mm";
    QTest::newRow("seconds first") << "ss:HH"
                                   << ":HH";
    QTest::newRow("single s") << "H.mm.s"
                              << "H.mm";
  }
  void secondsAreRemovedFromTimeFormats() {
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(Utils::StringHelper::timeFormatWithoutSeconds(format), expected);
  }

  void formattedTimeHasNoSeconds() {
    const QString text = Utils::StringHelper::formatTime(QTime(13, 5, 59));
    QVERIFY(!text.contains(QStringLiteral("59")));
    QVERIFY(text.contains(QStringLiteral("05")));
  }

  void utcOffsetsShiftTheClock_data() {
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("minutes");
    QTest::newRow("unsigned") << "05:30" << 330;
    QTest::newRow("minus") << "-03:00" << -180;
    QTest::newRow("plus") << "+14:00" << 840;
    QTest::newRow("garbage") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("hour out of range") << "25:00" << 0;
  }
  void utcOffsetsShiftTheClock() {
    QFETCH(QString, offset);
    QFETCH(int, minutes);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QDateTime result = Utils::StringHelper::dateTimeForUtcOffset(offset);
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QCOMPARE(result.timeSpec(), Qt::LocalTime);
    // Read the wall-clock fields back as UTC to compare with the shift.
    QDateTime asUtc(result.date(), result.time(), Qt::UTC);
    QVERIFY(asUtc >= before.addSecs(minutes * 60));
    QVERIFY(asUtc <= after.addSecs(minutes * 60));
  }

  void serviceAndErrorTextsAtTheirEdges() {
    using Utils::StringHelper;
    QCOMPARE(StringHelper::supplementaryServiceName(0),
             QStringLiteral("Communication Forwarding Unconditional"));
    QCOMPARE(StringHelper::supplementaryServiceName(19),
             QStringLiteral("Graniteway Remote Office"));
    QCOMPARE(StringHelper::supplementaryServiceName(16),
             QStringLiteral("Barring of Outgoing International Calls ") + QChar(0x2013) +
                 QStringLiteral(" ex Home Country"));
    for (int id : {-1, 9, 10, 11, 20}) {
      QCOMPARE(StringHelper::supplementaryServiceName(id), QStringLiteral("Unknown service"));
    }
    QCOMPARE(StringHelper::credentialsTypeText(2), QStringLiteral("Kelvantic (Xsi)"));
    QCOMPARE(StringHelper::credentialsTypeText(3), QStringLiteral("Unknown credentials type"));
    QCOMPARE(StringHelper::errorText(2), QStringLiteral("Authentication failed"));
    QVERIFY(StringHelper::errorText(4).isEmpty());
    QVERIFY(StringHelper::errorText(0).isEmpty());
    QCOMPARE(StringHelper::profileLevelText(31), QStringLiteral("HD"));
    QVERIFY(StringHelper::profileLevelText(13).isEmpty());
    QCOMPARE(StringHelper::shareJoinErrorText(409),
             QStringLiteral(
                 "You are already in the share. Please log out from your other clients. ( 409 )"));
    QCOMPARE(StringHelper::shareJoinErrorText(408), QStringLiteral("Error joining share. ( 408 )"));
    QCOMPARE(StringHelper::shareStartErrorText(4294967295u),
             QStringLiteral("Error starting share. ( 4294967295 )"));
    QCOMPARE(StringHelper::shareInitiateErrorText(0),
             QStringLiteral("Error initiating share. ( 0 )"));
  }

  // Constants of neighbouring windows.
  void roomNamesRejectControlCharactersAndBars() {
    const QRegExp pattern(Utils::Constants::RoomNamePattern);
    QVERIFY(pattern.exactMatch(QStringLiteral("Team room 1")));
    QVERIFY(!pattern.exactMatch(QStringLiteral("a\tb")));
    QVERIFY(!pattern.exactMatch(QStringLiteral("a\nb")));
    QVERIFY(!pattern.exactMatch(QStringLiteral("a|b")));
    QVERIFY(!pattern.exactMatch(QString()));
    QVERIFY(QRegExp(Utils::Constants::RoomNameForbidden).indexIn(QStringLiteral("x|y")) == 1);
  }

  void linksStopBeforeTypographicQuotes() {
    QRegExp link = Utils::Constants::Chat::LinkExpression;
    QVERIFY(link.isValid());
    QCOMPARE(link.indexIn(QStringLiteral("see http://x.org/a now")), 4);
    QCOMPARE(link.cap(1), QStringLiteral("http://x.org/a"));
    link.indexIn(QStringLiteral("\u201chttp://x.org/a\u201d"));
    QCOMPARE(link.cap(1), QStringLiteral("http://x.org/a"));
    link.indexIn(QStringLiteral("\u00abwww.example.com/p\u00bb"));
    QCOMPARE(link.cap(1), QStringLiteral("www.example.com/p"));

    QRegExp mail = Utils::Constants::Chat::EmailExpression;
    QVERIFY(mail.indexIn(QStringLiteral("write to A.B@Example.COM")) >= 0);
    QCOMPARE(mail.cap(1), QStringLiteral("A.B@Example.COM"));
    QCOMPARE(QString(QStringLiteral("a\nb\rc"))
                 .replace(Utils::Constants::Chat::LineBreakExpression, QStringLiteral("<br/>")),
             QStringLiteral("a<br/>b<br/>c"));
  }

  // Folder copy and search.
  void findDirLooksOneLevelDownAndSkips() {
    QVERIFY(touch(QStringLiteral("find/deep/inner/credentials.dat")));
    QCOMPARE(Utils::File::findDir(path("find"), QStringLiteral("credentials.dat"), {}), QString());
    QVERIFY(touch(QStringLiteral("find/skipped/credentials.dat")));
    QCOMPARE(Utils::File::findDir(path("find"), QStringLiteral("credentials.dat"),
                                  {QStringLiteral("skipped")}),
             QString());
    QCOMPARE(Utils::File::findDir(path("find"), QStringLiteral("credentials.dat"), {}),
             QDir(path("find/skipped")).absolutePath());
    QCOMPARE(Utils::File::findDir(path("find/deep/inner/credentials.dat"),
                                  QStringLiteral("credentials.dat"), {}),
             QString());
  }

  void copyLeavesOutExcludedNamesAndKeepsExistingFiles() {
    QVERIFY(touch(QStringLiteral("src/a.dat"), "new"));
    QVERIFY(touch(QStringLiteral("src/notes.txt")));
    QVERIFY(touch(QStringLiteral("src/logs.txt.old/inside.dat")));
    QVERIFY(touch(QStringLiteral("src/sub/b.dat"), "b"));
    QVERIFY(touch(QStringLiteral("dst/a.dat"), "old"));
    // An older data folder open to others: the copy is the user's alone.
    QVERIFY(QFile::setPermissions(path("src/sub/b.dat"), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(Utils::File::cpDir(path("src"), path("dst"), {QStringLiteral(".txt")}));
    QCOMPARE(read(path("dst/a.dat")), QByteArray("old"));
    QCOMPARE(read(path("dst/sub/b.dat")), QByteArray("b"));
    QCOMPARE(QFile::permissions(path("dst/sub/b.dat")) & kOthersAndGroup, QFile::Permissions());
    QCOMPARE(QFile::permissions(path("dst/sub")) & kOthersAndGroup, QFile::Permissions());
    QVERIFY(!QFile::exists(path("dst/notes.txt")));
    QVERIFY(!QFileInfo::exists(path("dst/logs.txt.old")));
  }

  void copyOfAMissingSourceCreatesTheTarget() {
    QVERIFY(Utils::File::cpDir(path("nothing-here"), path("made/for/it"), {}));
    QVERIFY(QFileInfo(path("made/for/it")).isDir());
  }

  void copyIntoAnImpossibleTargetFails() {
    QVERIFY(touch(QStringLiteral("plain")));
    QVERIFY(touch(QStringLiteral("src2/a.dat")));
    QVERIFY(!Utils::File::cpDir(path("src2"), path("plain/sub"), {}));
  }

  void copyNeverFollowsSymbolicLinks() {
    QVERIFY(touch(QStringLiteral("loop/a.dat")));
    QVERIFY(touch(QStringLiteral("foreign/secret.dat")));
    QVERIFY(QFile::link(path("loop"), path("loop/self")));          // a loop
    QVERIFY(QFile::link(path("foreign"), path("loop/elsewhere")));  // a foreign tree
    QVERIFY(QFile::link(path("foreign/secret.dat"), path("loop/file-link")));
    QVERIFY(Utils::File::cpDir(path("loop"), path("loop-copy"), {}));
    QCOMPARE(read(path("loop-copy/a.dat")), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(path("loop-copy/self")));
    QVERIFY(!QFileInfo::exists(path("loop-copy/elsewhere")));
    QVERIFY(!QFileInfo::exists(path("loop-copy/file-link")));
  }

  // Media-engine configurator.
  void configuratorFillsTheRecordingFolderAndPushesEverything() {
    RAZ::Settings::setPath(RAZ::Settings::User, path("user1"));
    QDir().mkpath(path("user1"));
    Preferences::WatcherImpl watcher;
    MediaHandlerAudio audio;
    MediaHandlerVideo video;
    video.setCurrentProfileLevel(ProfileLevel30);
    auto* front = new SimpleCamera("front");
    auto* usb = new SimpleCamera("usb", ProfileLevel12);
    video.addCamera(front);
    video.addCamera(usb);
    {
      RAZ::Settings s(RAZ::Settings::User);
      s.setValue(Utils::SettingsKey::VideoCaptureResolution, 0);
      s.setValue(Utils::SettingsKey::AudioAutomaticGainControl, true);
    }
    QSignalSpy videoNotice(&video, SIGNAL(preferencesChanged()));
    MediaEngineConfigurator configurator(&watcher, &audio, &video);

    const QString expected = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                             QStringLiteral("/My Recording Files");
    QCOMPARE(
        RAZ::Settings(RAZ::Settings::User).value(Utils::SettingsKey::AudioSaveDirectory).toString(),
        expected);
    QCOMPARE(audio.recordingFolder(), expected);
    QVERIFY(audio.automaticGainControl());
    QVERIFY(audio.echoCancellation());
    QVERIFY(audio.noiseSuppression());
    QCOMPARE(audio.refreshCount(), 1);
    // No stored camera: only the current one gets the level (0 means unset).
    QCOMPARE(video.currentCamera(), front);
    QCOMPARE(front->selectedProfileLevel(nullptr, nullptr), int(ProfileLevel30));
    QCOMPARE(usb->selectedProfileLevel(nullptr, nullptr), int(ProfileLevel12));

    // A stored camera with a selected level keeps it and becomes current.
    {
      RAZ::Settings s(RAZ::Settings::User);
      s.setValue(Utils::SettingsKey::VideoCaptureDevice, QByteArray("usb"));
      s.setValue(Utils::SettingsKey::VideoCaptureResolution, int(ProfileLevel31));
    }
    watcher.changed();
    QVERIFY(videoNotice.wait(ZentTest::kWaitMs));
    QCOMPARE(audio.refreshCount(), 2);
    QCOMPARE(video.currentCamera(), usb);
    QCOMPARE(usb->selectedProfileLevel(nullptr, nullptr), int(ProfileLevel12));

    // A stored camera that is gone: the current camera takes the level.
    RAZ::Settings(RAZ::Settings::User)
        .setValue(Utils::SettingsKey::VideoCaptureDevice, QByteArray("gone"));
    configurator.configChanged();
    QCOMPARE(video.currentCamera(), usb);
    QCOMPARE(usb->selectedProfileLevel(nullptr, nullptr), int(ProfileLevel31));
  }

  void configuratorGivesALevelOnlyToACameraWithoutOne() {
    RAZ::Settings::setPath(RAZ::Settings::User, path("user2"));
    QDir().mkpath(path("user2"));
    {
      RAZ::Settings s(RAZ::Settings::User);
      s.setValue(Utils::SettingsKey::AudioSaveDirectory, QStringLiteral("/rec"));
      s.setValue(Utils::SettingsKey::VideoCaptureDevice, QByteArray("back"));
      s.setValue(Utils::SettingsKey::VideoCaptureResolution, int(ProfileLevel20));
    }
    Preferences::WatcherImpl watcher;
    MediaHandlerAudio audio;
    MediaHandlerVideo video;
    auto* front = new SimpleCamera("front");
    auto* back = new SimpleCamera("back");
    video.addCamera(front);
    video.addCamera(back);
    MediaEngineConfigurator configurator(&watcher, &audio, &video);
    QCOMPARE(video.currentCamera(), back);
    QCOMPARE(back->selectedProfileLevel(nullptr, nullptr), int(ProfileLevel20));
    QCOMPARE(front->selectedProfileLevel(nullptr, nullptr), -1);
    QCOMPARE(audio.recordingFolder(), QStringLiteral("/rec"));
    QCOMPARE(audio.automaticGainControl(), false);
  }
};

ZENT_TEST_MAIN(TestUtils, QApplication)
#include "tst_svc_utils.moc"

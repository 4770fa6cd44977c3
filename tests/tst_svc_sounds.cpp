// Ring signals and sound players: the chosen ringer and its fall-backs, call
// waiting, players that fail or lack a file staying silent, and the ringer list.
#include "TestSupport.h"

#include "Models/RingerModel.h"
#include "Utils/Sounds/PlayerList.h"
#include "Utils/Sounds/RingSignals.h"
#include "Utils/Sounds/SettingsBoolPlayer.h"
#include "Utils/Sounds/TemporaryFilePlayer.h"

#include <RAZ/MediaEngine/FakeSoundFacility.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/MediaEngine/WavFile.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include "Utils/SettingsKeys.h"

using RAZ::MediaEngine::FakeSoundFacility;
using RAZ::MediaEngine::WavFile;
using namespace Utils::Sounds;

namespace {

QByteArray le(quint32 value, int bytes) {
  QByteArray out(bytes, '\0');
  for (int i = 0; i < bytes; ++i) out[i] = char((value >> (8 * i)) & 0xff);
  return out;
}

// A WAV file of the given format chunk fields and sample bytes; `dataSize`
// is what the data chunk claims (by default what it holds).
QByteArray wav(int format, int channels, int rate, int bits, const QByteArray& samples,
               qint64 dataSize = -1, const QByteArray& before = QByteArray()) {
  const int frame = channels * bits / 8;
  QByteArray fmt = le(format, 2) + le(channels, 2) + le(rate, 4) + le(rate * frame, 4) +
                   le(frame, 2) + le(bits, 2);
  QByteArray body = "WAVE" + before + "fmt " + le(fmt.size(), 4) + fmt + "data" +
                    le(quint32(dataSize < 0 ? samples.size() : dataSize), 4) + samples;
  return "RIFF" + le(body.size(), 4) + body;
}

}  // namespace

class TestSounds : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  FakeSoundFacility* m_sounds = nullptr;
  RAZ::MediaEngine::MediaHandlerBase* m_engine = nullptr;
  TP::Core::Logging::MemorySink m_log;

  QString file(const QString& name) const { return m_dir.filePath(name); }

  [[nodiscard]] bool writeFile(const QString& name, const QByteArray& content) {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(content) == content.size();
  }

  [[nodiscard]] bool writeList(const QByteArray& xml) {
    return writeFile(QStringLiteral("ring_signals.xml"), xml);
  }

  QByteArray standardList() const {
    return "<ringers>\n"
           "  <ringer file='" +
           file("ring1.wav").toUtf8() +
           "' description='standard ring signal'/>\n"
           "  <other file='x.wav' default='true'/>\n"
           "  <ringer file='" +
           file("ring2.wav").toUtf8() +
           "' description='Bells' default='true'/>\n"
           "  <ringer file='" +
           file("ring3.wav").toUtf8() +
           "' default='true'>\n"
           "    <ringer file='nested.wav' description='below the children'/>\n"
           "  </ringer>\n"
           "</ringers>\n";
  }

  QVariant setting(const QString& key) { return RAZ::Settings(RAZ::Settings::User).value(key); }
  void setSetting(const QString& key, const QVariant& value) {
    RAZ::Settings(RAZ::Settings::User).setValue(key, value);
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    TP::Core::Logging::addLogger(&m_log);
    for (const char* name : {"ring1.wav", "ring2.wav", "ring3.wav"})
      QVERIFY(writeFile(name, "RIFF"));
  }

  void cleanupTestCase() { TP::Core::Logging::removeLogger(&m_log); }

  void init() {
    QDir(file("user")).removeRecursively();
    QVERIFY(QDir().mkpath(file("user")));
    RAZ::Settings::setPath(RAZ::Settings::User, file("user"));
    QVERIFY(writeList(standardList()));
    setRingSignalListPath(file("ring_signals.xml"));
    m_sounds = new FakeSoundFacility;
    m_engine = new RAZ::MediaEngine::MediaHandlerBase(m_sounds);
    m_log.clear();
  }

  void cleanup() {
    delete m_engine;
    m_engine = nullptr;
    m_sounds = nullptr;
    QCOMPARE(RAZ::MediaEngine::MediaHandlerBase::m_This, nullptr);
  }

  void ringerStoresTheListDefaultAndLaterRingersReadIt() {
    {
      IncomingCallPlayer ringer;
      QCOMPARE(ringer.fileName(), file("ring2.wav"));  // first "ringer" marked default
      QCOMPARE(setting(Utils::SettingsKey::SoundDefaultRinger).toString(), file("ring2.wav"));
    }
    // The list is gone: a second ringer must take the stored choice.
    QFile::remove(file("ring_signals.xml"));
    IncomingCallPlayer second;
    QCOMPARE(second.fileName(), file("ring2.wav"));
    QVERIFY(!m_log.containsMessage(QStringLiteral("cannot open the ring-signal list")));
  }

  void storedChoiceIsUsedEvenWhenTheListNoLongerHoldsIt() {
    setSetting(Utils::SettingsKey::SoundDefaultRinger, file("ring1.wav"));
    IncomingCallPlayer ringer;
    QCOMPARE(ringer.fileName(), file("ring1.wav"));
  }

  void chosenRingerThatDoesNotExistFallsBackToTheDefault() {
    setSetting(Utils::SettingsKey::SoundDefaultRinger, file("gone.wav"));
    IncomingCallPlayer ringer;
    QCOMPARE(ringer.fileName(), file("ring2.wav"));
    QVERIFY(m_log.containsMessage(QStringLiteral("does not exist")));
    // The user's choice is kept for when the file comes back.
    QCOMPARE(setting(Utils::SettingsKey::SoundDefaultRinger).toString(), file("gone.wav"));
  }

  void malformedOrMissingListGivesASilentRinger_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("malformed") << QByteArray("<ringers><ringer file='a.wav' default='true'>");
    QTest::newRow("no default") << QByteArray("<r><ringer file='a.wav' default='TRUE'/></r>");
    QTest::newRow("missing") << QByteArray();
  }

  void malformedOrMissingListGivesASilentRinger() {
    QFETCH(QByteArray, content);
    if (content.isEmpty()) {
      QFile::remove(file("ring_signals.xml"));
    } else {
      QVERIFY(writeList(content));
    }
    IncomingCallPlayer ringer;
    QVERIFY(ringer.fileName().isEmpty());
    QVERIFY(!ringer.hasSound());
    QVERIFY(!setting(Utils::SettingsKey::SoundDefaultRinger).isValid());
    ringer.play();
    QVERIFY(m_sounds->started().isEmpty());
    QVERIFY(m_log.size() > 0);
  }

  void ringerLoopsAndObeysItsPreference() {
    IncomingCallPlayer ringer;
    ringer.setLoops(-1);
    ringer.play();
    QCOMPARE(m_sounds->started(), QStringList{file("ring2.wav") + " (loop)"});
    QCOMPARE(m_sounds->playing(), QStringList{file("ring2.wav")});

    setSetting(Utils::SettingsKey::SoundIncomingCallEnabled, false);
    m_sounds->clearEvents();
    ringer.play();
    QVERIFY(m_sounds->started().isEmpty());
    // Switching the preference off never leaves a ringer ringing.
    ringer.stop();
    QVERIFY(m_sounds->playing().isEmpty());
    QVERIFY(ringer.isIdle());
  }

  void playRestartsAPlayingSound() {
    TemporaryFilePlayer player(file("ring1.wav"));
    player.play();
    m_sounds->clearEvents();
    player.play();
    const QList<FakeSoundFacility::Event> events = m_sounds->events();
    QCOMPARE(events.size(), 2);
    QCOMPARE(events[0].kind, FakeSoundFacility::Event::Stop);
    QCOMPARE(events[1].kind, FakeSoundFacility::Event::Start);
    QCOMPARE(events[1].loop, false);  // loop count 1: once
    m_sounds->finish(file("ring1.wav"));
    QVERIFY(player.isIdle());
  }

  void callWaitingReplacesTheRingerWhileACallIsActive() {
    IncomingCallPlayer ringer;
    ringer.onPreferencesChanged(true);
    QCOMPARE(ringer.fileName(), QStringLiteral(":/sounds/call_waiting.wav"));
    QCOMPARE(m_sounds->created().last(), QStringLiteral(":/sounds/call_waiting.wav"));

    const int created = m_sounds->created().size();
    ringer.onPreferencesChanged(true);  // same answer: the sound object stays
    QCOMPARE(m_sounds->created().size(), created);

    ringer.onPreferencesChanged(false);
    QCOMPARE(ringer.fileName(), file("ring2.wav"));
  }

  void callWaitingEndsEvenWithoutAStoredRinger() {
    IncomingCallPlayer ringer;
    ringer.onPreferencesChanged(true);
    RAZ::Settings(RAZ::Settings::User).remove(Utils::SettingsKey::SoundDefaultRinger);
    ringer.onPreferencesChanged(false);
    // Later incoming calls must not ring with the call-waiting sound.
    QCOMPARE(ringer.fileName(), file("ring2.wav"));
  }

  void missingSoundFileLeavesThePlayerSilent() {
    m_sounds->setMissing({file("ring1.wav")});
    TemporaryFilePlayer player(file("ring1.wav"));
    QVERIFY(!player.hasSound());
    player.play();
    QVERIFY(m_sounds->started().isEmpty());
    QVERIFY(player.isIdle());
  }

  void failedStartIsReportedAndThePlayerStaysUsable() {
    m_sounds->setFailStart(true);
    TemporaryFilePlayer player(file("ring1.wav"));
    player.play();
    QVERIFY(m_log.containsMessage(QStringLiteral("Failed to Start Sound Player")));
    QVERIFY(player.hasSound());
    m_sounds->setFailStart(false);
    player.play();
    QCOMPARE(m_sounds->playing(), QStringList{file("ring1.wav")});
  }

  void withoutMediaEnginePlayersAreSilent() {
    delete m_engine;
    m_engine = nullptr;
    TemporaryFilePlayer player(file("ring1.wav"));
    QVERIFY(!player.hasSound());
    player.play();  // nothing to crash on
    QVERIFY(player.isIdle());
  }

  void messagePlayerObeysItsPreference() {
    IncomingMessagePlayer player;
    player.play();
    QCOMPARE(m_sounds->started(), QStringList{":/sounds/incoming_message.wav"});
    setSetting(Utils::SettingsKey::SoundIncomingMessageEnabled, false);
    player.play();
    QCOMPARE(m_sounds->started().size(), 1);
  }

  // A mixer tells the program's sounds apart by their streams' names; the
  // desktop routes and ducks them by their roles.
  void eachSoundIsNamedForWhatItIsFor() {
    IncomingCallPlayer ringer;
    ringer.setLoops(-1);
    ringer.play();
    IncomingMessagePlayer message;
    message.play();
    QObject page;
    play(file("ring1.wav"), &page, true);
    TemporaryFilePlayer plain(file("ring3.wav"));
    plain.play();
    QStringList names;
    QList<QByteArray> roles;
    for (const FakeSoundFacility::Event& e : m_sounds->events())
      if (e.kind == FakeSoundFacility::Event::Start) {
        names << e.stream;
        roles << e.role;
      }
    QCOMPARE(names, (QStringList{"Ringer", "Message", "Preview", QString()}));
    QCOMPARE(roles, (QList<QByteArray>{"phone", "event", "event", "event"}));
  }

  // The sound server is handed the samples of a WAV file exactly: whole
  // frames of a supported format, nothing read past what the file holds.
  void wavFilesAreReadWholeOrRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("frames");
    const QByteArray four(16, 'a');  // 16 bytes
    const int none = int(WavFile::Encoding::None);
    QTest::newRow("16-bit stereo")
        << wav(1, 2, 44100, 16, four) << int(WavFile::Encoding::Signed16) << 4;
    QTest::newRow("8-bit mono") << wav(1, 1, 8000, 8, four) << int(WavFile::Encoding::Unsigned8)
                                << 16;
    QTest::newRow("float") << wav(3, 1, 48000, 32, four) << int(WavFile::Encoding::Float32) << 4;
    QTest::newRow("an odd chunk before, padded")
        << wav(1, 1, 8000, 16, four, -1, "LIST" + le(3, 4) + "abc" + '\0')
        << int(WavFile::Encoding::Signed16) << 8;
    QTest::newRow("size left open: what is there, whole frames")
        << wav(1, 2, 44100, 16, four + "xy", 0xffffffff) << int(WavFile::Encoding::Signed16) << 4;
    QTest::newRow("a part frame only") << wav(1, 2, 44100, 16, "xy") << none << 0;
    QTest::newRow("compressed") << wav(2, 1, 8000, 4, four) << none << 0;
    QTest::newRow("no channels") << wav(1, 0, 8000, 16, four) << none << 0;
    QTest::newRow("too many channels") << wav(1, 9, 8000, 16, four) << none << 0;
    QTest::newRow("not WAV") << QByteArray("RIFF\0\0\0\0AVI LIST") << none << 0;
    QTest::newRow("empty") << QByteArray() << none << 0;
    QByteArray cut = wav(1, 1, 8000, 16, four);
    QTest::newRow("format cut short") << cut.left(30) << none << 0;
    QByteArray huge = wav(1, 1, 8000, 16, four);
    huge.replace(16, 4, le(0xfffffff0, 4));  // the format chunk's size
    QTest::newRow("format chunk larger than the file") << huge << none << 0;
    QByteArray noFormat = "RIFF" + le(12, 4) + "WAVEdata" + le(4, 4) + "abcd";
    QTest::newRow("samples before their format") << noFormat << none << 0;
  }
  void wavFilesAreReadWholeOrRefused() {
    QFETCH(QByteArray, data);
    QFETCH(int, encoding);
    QFETCH(int, frames);
    QString error;
    const WavFile read = WavFile::parse(data, &error);
    QCOMPARE(read.isValid(), encoding != int(WavFile::Encoding::None));
    if (read.isValid()) QCOMPARE(int(read.encoding), encoding);
    if (!read.isValid()) {
      QVERIFY(!error.isEmpty());
      return;
    }
    QCOMPARE(read.samples.size(), frames * read.bytesPerFrame());
    QVERIFY(read.samples.startsWith("a"));
  }

  void previewsReuseIdleSlotsAndStopOthers() {
    QObject page;
    auto& list = PlayerList::entries();
    // Start from a clean state: stop everything first.
    play(file("ring1.wav"), &page, true);
    QVERIFY(list.size() >= 1);
    QPointer<TemporaryFilePlayer> first = list[0];
    QVERIFY(first);

    play(file("ring2.wav"), &page, false);  // slot 0 busy: a new slot
    const int afterSecond = list.size();
    QVERIFY(afterSecond >= 2);
    QVERIFY(first);

    m_sounds->finish(file("ring1.wav"));  // slot 0 idle now
    play(file("ring3.wav"), &page, false);
    QVERIFY(!first);  // destroyed to make room
    QCOMPARE(list.size(), afterSecond);
    QCOMPARE(list[0]->fileName(), file("ring3.wav"));

    play(file("ring1.wav"), &page, true);
    QCOMPARE(m_sounds->playing(), QStringList{file("ring1.wav")});
    QCOMPARE(list[0]->fileName(), file("ring1.wav"));
    for (int i = 1; i < list.size(); ++i) QVERIFY(!list[i]);
  }

  void destroyedParentLeavesNullSlotsThatAreReused() {
    auto& list = PlayerList::entries();
    {
      QObject page;
      play(file("ring1.wav"), &page, true);
      play(file("ring2.wav"), &page, false);
    }
    for (TemporaryFilePlayer* p : list) QVERIFY(!p);
    const int size = list.size();
    QObject page;
    play(file("ring3.wav"), &page, false);
    QCOMPARE(list.size(), size);
    QCOMPARE(list[0]->fileName(), file("ring3.wav"));
  }

  void ringerModelListsTheFixedChoicesAndEveryRinger() {
    Models::RingerModel model;
    QCOMPARE(model.rowCount(), 5);  // two fixed, three "ringer" children
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(),
             QStringLiteral("Select other..."));
    QCOMPARE(model.data(model.index(1), Qt::DisplayRole).toString(),
             QStringLiteral("Use default ring signal"));
    QCOMPARE(model.data(model.index(0), 256).toString(), QString());
    QCOMPARE(model.data(model.index(2), 256).toString(), file("ring1.wav"));
    QCOMPARE(model.data(model.index(2), Qt::DisplayRole).toString(),
             QStringLiteral("standard ring signal"));
    QCOMPARE(model.data(model.index(4), Qt::DisplayRole).toString(), QString());  // no description
    QVERIFY(!model.data(model.index(-1), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(5), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(2), 257).isValid());
    QVERIFY(!model.data(model.index(2), Qt::DecorationRole).isValid());
  }

  void ringerModelWithoutAUsableListHasTheFixedChoices() {
    QVERIFY(writeList("<ringers><ringer file='a.wav'>"));
    QCOMPARE(Models::RingerModel().rowCount(), 2);
    QFile::remove(file("ring_signals.xml"));
    QCOMPARE(Models::RingerModel().rowCount(), 2);
  }
};

ZENT_TEST_MAIN(TestSounds, QApplication)
#include "tst_svc_sounds.moc"

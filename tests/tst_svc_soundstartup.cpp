// The media engine the running program starts with: the platform client
// builds it while it initialises, with the Qt Multimedia sound facility
// unless sounds are switched off or the machine has no audio output.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/MediaEngine/FakeSoundFacility.h>
#include <RAZ/MediaEngine/IMediaHandlerVideo.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/MediaEngine/MultimediaBackend.h>
#include <RAZ/MediaEngine/QtSoundFacility.h>
#include <RAZ/MediaEngine/Sound.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Utils/Path.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using RAZ::MediaEngine::FakeSoundFacility;
using RAZ::MediaEngine::MediaHandlerBase;
using RAZ::MediaEngine::QtSoundFacility;
using RAZ::MediaEngine::Sound;

namespace {

// A short, valid PCM WAV file (16-bit mono, 8 kHz, 100 ms of a quiet tone).
bool writeWav(const QString& path) {
  const quint32 rate = 8000, samples = 800;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  QDataStream out(&f);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + samples * 2);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2)
      << quint16(16);
  out.writeRawData("data", 4);
  out << quint32(samples * 2);
  for (quint32 i = 0; i < samples; ++i) out << qint16((i % 16) < 8 ? 800 : -800);
  return out.status() == QDataStream::Ok;
}

// Whether a library whose file name starts with `name` is mapped into this
// process.
bool isLibraryLoaded(const QByteArray& name) {
  QFile maps("/proc/self/maps");
  if (!maps.open(QIODevice::ReadOnly)) qFatal("cannot read /proc/self/maps");
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const int slash = line.lastIndexOf('/');
    if (slash >= 0 && line.mid(slash + 1).startsWith(name)) return true;
  }
  return false;
}

}  // namespace

class TestSoundStartup : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  QTemporaryDir m_files;
  QString m_wav;
  TP::Core::Logging::MemorySink m_log;

  // The client initialised as the program's start-up does it; false when
  // initialising fails.
  bool startClient() { return m_demo.startClient().isEmpty(); }

 private slots:
  void initTestCase() {
    REQUIRE(m_demo.start("ZentSoundStartupTest"));
    m_wav = m_files.filePath("tone.wav");
    QVERIFY(writeWav(m_wav));
    TP::Core::Logging::addLogger(&m_log);
  }

  void cleanupTestCase() { TP::Core::Logging::removeLogger(&m_log); }

  void init() {
    m_log.clear();
    QCOMPARE(MediaHandlerBase::m_This, nullptr);
  }

  void cleanup() {
    m_demo.stopClient();
    qputenv("ZENT_SOUND_BACKEND", "silent");
  }

  // Qt Multimedia and what it brings (the sound server's client, codecs)
  // wait for the first sound: the start-up builds a working facility without
  // them, and the first sound loads them. Runs first: once loaded, the
  // library stays for the process's life.
  void multimediaWaitsForTheFirstSound() {
    qunsetenv("ZENT_SOUND_BACKEND");
    QVERIFY(!isLibraryLoaded("libQt5Multimedia"));
    QVERIFY(startClient());
    MediaHandlerBase* engine = MediaHandlerBase::m_This;
    QVERIFY(engine);
    QVERIFY(dynamic_cast<QtSoundFacility*>(engine->soundFacility()));
    QVERIFY(!isLibraryLoaded("libQt5Multimedia"));
    QVERIFY(!isLibraryLoaded("libzent_multimedia"));
    // Signing in tells the video call apart without looking for cameras.
    RAZ::Sessions::SessionManagerBase* session = m_demo.signIn();
    QVERIFY(session);
    RAZ::MediaEngine::IMediaHandlerVideo* video = session->callController()->GetMediaHandlerVideo();
    QVERIFY(video->hasCameras());
    video->setCurrentCameraLevel(RAZ::MediaEngine::ProfileLevel30);
    QVERIFY(!isLibraryLoaded("libQt5Multimedia"));
    QVERIFY(!isLibraryLoaded("libzent_multimedia"));

    std::unique_ptr<Sound> sound(engine->soundFacility()->createSound(m_wav));
    QVERIFY(sound);
    QVERIFY(sound->start(false));
    sound->stop();
    QVERIFY(isLibraryLoaded("libzent_multimedia"));
    QVERIFY(isLibraryLoaded("libQt5Multimedia"));
    // The cameras, the system's or the demo's in their place, once asked
    // for; the level given before the look is the one in use.
    QVERIFY(!video->cameras().isEmpty());
    QVERIFY(video->currentCamera());
    QCOMPARE(video->currentCamera()->selectedProfileLevel(nullptr, nullptr),
             int(RAZ::MediaEngine::ProfileLevel30));
    QVERIFY(!m_log.containsMessage("Qt Multimedia cannot be loaded"));
  }

  // Without the switch the program plays through Qt Multimedia; with it,
  // silently. Either way the facility makes sounds that start and stop.
  void startUpBuildsTheSoundFacility_data() {
    QTest::addColumn<QByteArray>("backend");
    QTest::addColumn<bool>("qtMultimedia");
    QTest::newRow("default") << QByteArray() << true;
    QTest::newRow("other value") << QByteArray("pulse") << true;
    QTest::newRow("silent") << QByteArray("silent") << false;
  }

  void startUpBuildsTheSoundFacility() {
    QFETCH(QByteArray, backend);
    QFETCH(bool, qtMultimedia);
    if (backend.isNull())
      qunsetenv("ZENT_SOUND_BACKEND");
    else
      qputenv("ZENT_SOUND_BACKEND", backend);

    QVERIFY(startClient());
    MediaHandlerBase* engine = MediaHandlerBase::m_This;
    QVERIFY(engine);
    QCOMPARE(engine->parent(), m_demo.client());
    QVERIFY(engine->soundFacility());
    QCOMPARE(dynamic_cast<QtSoundFacility*>(engine->soundFacility()) != nullptr, qtMultimedia);
    QCOMPARE(dynamic_cast<FakeSoundFacility*>(engine->soundFacility()) != nullptr, !qtMultimedia);
    QCOMPARE(m_log.containsMessage("ZENT_SOUND_BACKEND=silent: sounds are silent"), !qtMultimedia);

    std::unique_ptr<Sound> sound(engine->soundFacility()->createSound(m_wav));
    QVERIFY(sound);
    QCOMPARE(sound->fileName(), m_wav);
    QVERIFY(sound->start(false));
    sound->stop();
    QVERIFY(!sound->isPlaying());
    if (qtMultimedia) {
      std::unique_ptr<Sound> missing(
          engine->soundFacility()->createSound(m_files.filePath("missing.wav")));
      QVERIFY(!missing);
    }

    // The engine goes with the client.
    m_demo.stopClient();
    QCOMPARE(MediaHandlerBase::m_This, nullptr);
  }

  // A media engine that exists already (one a test built) is kept.
  void existingEngineIsKept() {
    auto* own = new FakeSoundFacility;
    MediaHandlerBase engine(own);
    QVERIFY(startClient());
    QCOMPARE(MediaHandlerBase::m_This, &engine);
    QCOMPARE(engine.soundFacility(), own);
  }

  // Without an audio output the Qt facility's sounds are silent ones that
  // still follow start and stop; the machine is asked once and that is
  // logged once, on the first sound, never at start-up.
  void noAudioOutputIsSilentAndLoggedOnce() {
    int asked = 0;
    QtSoundFacility facility([&asked] {
      ++asked;
      return false;
    });
    QCOMPARE(asked, 0);
    for (int i = 0; i < 3; ++i) {
      std::unique_ptr<Sound> sound(facility.createSound(m_wav));
      QVERIFY(sound);
      QVERIFY(sound->start(true));
      QVERIFY(sound->isPlaying());
      sound->stop();
      QVERIFY(!sound->isPlaying());
    }
    QCOMPARE(asked, 1);
    QCOMPARE(m_log.find(QString(), "QtSoundFacility::hasAudioOutput").size(), 1);
    std::unique_ptr<Sound> missing(facility.createSound(m_files.filePath("missing.wav")));
    QVERIFY(!missing);
    QCOMPARE(asked, 1);
  }
};

ZENT_TEST_MAIN(TestSoundStartup, QApplication)
#include "tst_svc_soundstartup.moc"

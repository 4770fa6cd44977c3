// The program's use of Qt Multimedia, built as libzent_multimedia.so and
// loaded on first use (see RAZ/MediaEngine/MultimediaBackend.h). It links no
// library of the program's own: what it has to report goes through the log
// function it is given.
#include "RAZ/MediaEngine/MultimediaBackend.h"
#include "RAZ/MediaEngine/WavFile.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QAudioOutputSelectorControl>
#include <QCameraInfo>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLibrary>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMediaService>
#include <QPointer>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

// The log's levels only: the header's enum needs none of the library.
#include "TP/Core/Logging.h"

namespace RAZ {
namespace MediaEngine {
namespace {

MultimediaBackend::Log g_log = nullptr;

void logError(const char* where, const QString& text) {
  if (g_log) g_log(where, TP::Core::Logging::LevelError, text);
}

QUrl urlFor(const QString& name) {
  if (name.startsWith(QLatin1String("qrc:"))) return QUrl(name);
  if (name.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + name);
  return QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath());
}

// The output named `device`, or the default one.
QAudioDeviceInfo outputDevice(const QByteArray& device) {
  if (!device.isEmpty()) {
    const auto devices = QAudioDeviceInfo::availableDevices(QAudio::AudioOutput);
    for (const QAudioDeviceInfo& info : devices)
      if (info.deviceName().toUtf8() == device) return info;
  }
  return QAudioDeviceInfo::defaultOutputDevice();
}

// What a mixer shows a sound as: a looping sound is a ringer, any other one
// a notification. The sound server takes it as the stream's role.
QString categoryFor(bool loop) {
  return loop ? QStringLiteral("ringtone") : QStringLiteral("notification");
}

// The sound server's simple playback calls, looked up in its client library
// (the one Qt Multimedia's own sound-server plug-in loads) when a sound first
// plays. Qt's short-sound player names every stream "QtPulseSample-<pid>-<n>"
// under a client "QtPulseAudio:<pid>" and offers no way to change either, so
// a mixer could not tell the ringer from anything else: WAV sounds are played
// through these calls instead, each stream named for its purpose under the
// program's name. Only the few calls and the two structures below are
// needed; their layout is the library's stable interface.
class SoundServer {
 public:
  // The library's sample formats, in its numbering.
  enum Format : int { U8 = 0, S16LE = 3, FLOAT32LE = 5, S32LE = 7, S24LE = 9 };
  struct SampleSpec {
    int format;
    std::uint32_t rate;
    std::uint8_t channels;
  };
  struct Stream;

  // Null where the library is missing or lacks a call.
  static SoundServer* instance() {
    static SoundServer* const server = [] {
      auto* loaded = new SoundServer;
      if (loaded->load()) return loaded;
      delete loaded;
      return static_cast<SoundServer*>(nullptr);
    }();
    return server;
  }

  // Opens a playback stream; `device` null for the server's default.
  Stream* open(const char* application, const char* device, const char* name,
               const SampleSpec& sampleFormat, int* error) const {
    const int kPlayback = 1;
    return m_new(nullptr, application, kPlayback, device, name, &sampleFormat, nullptr, nullptr,
                 error);
  }
  bool write(Stream* s, const char* data, size_t size, int* error) const {
    return m_write(s, data, size, error) == 0;
  }
  std::uint64_t latencyUs(Stream* s) const {
    int error = 0;
    const std::uint64_t us = m_latency(s, &error);
    return error ? 0 : us;
  }
  void drain(Stream* s) const {
    int error = 0;
    m_drain(s, &error);
  }
  void flush(Stream* s) const {
    int error = 0;
    m_flush(s, &error);
  }
  void close(Stream* s) const { m_free(s); }
  QString errorText(int error) const {
    return QString::fromUtf8(m_strerror ? m_strerror(error) : "");
  }

 private:
  bool load() {
    m_library.setFileNameAndVersion(QStringLiteral("pulse-simple"), 0);
    if (!m_library.load()) return false;
    m_new = reinterpret_cast<decltype(m_new)>(m_library.resolve("pa_simple_new"));
    m_write = reinterpret_cast<decltype(m_write)>(m_library.resolve("pa_simple_write"));
    m_drain = reinterpret_cast<decltype(m_drain)>(m_library.resolve("pa_simple_drain"));
    m_flush = reinterpret_cast<decltype(m_flush)>(m_library.resolve("pa_simple_flush"));
    m_latency = reinterpret_cast<decltype(m_latency)>(m_library.resolve("pa_simple_get_latency"));
    m_free = reinterpret_cast<decltype(m_free)>(m_library.resolve("pa_simple_free"));
    m_strerror = reinterpret_cast<decltype(m_strerror)>(m_library.resolve("pa_strerror"));
    return m_new && m_write && m_drain && m_flush && m_latency && m_free;
  }

  QLibrary m_library;
  Stream* (*m_new)(const char*, const char*, int, const char*, const char*, const SampleSpec*,
                   const void*, const void*, int*) = nullptr;
  int (*m_write)(Stream*, const void*, size_t, int*) = nullptr;
  int (*m_drain)(Stream*, int*) = nullptr;
  int (*m_flush)(Stream*, int*) = nullptr;
  std::uint64_t (*m_latency)(Stream*, int*) = nullptr;
  void (*m_free)(Stream*) = nullptr;
  const char* (*m_strerror)(int) = nullptr;
};

// Set once a stream could not be opened even on the default device: the
// machine has no sound server (or one that refuses us), and Qt's own player,
// which also speaks to plain ALSA, plays every later sound.
std::atomic<bool> g_noSoundServer{false};

// The client name the server lists the program's streams under.
QByteArray applicationName() {
  const QString name = QCoreApplication::applicationName();
  return (name.isEmpty() ? QStringLiteral("Zent") : name).toUtf8();
}

// One playing of a sound, on a thread of its own (the server's simple calls
// block until the server has room). The thread owns the stream from opening
// to closing: a stream exists exactly while the sound plays, so nothing is
// left open, corked, at the server between sounds. The owner asks it to stop
// and waits for it; the thread never touches the owner.
class ServerPlayback {
 public:
  enum class Outcome { Played, Stopped, Failed };

  ServerPlayback(std::shared_ptr<const WavFile> wav, QByteArray device, QByteArray stream,
                 bool loop)
      : m_wav(std::move(wav)),
        m_device(std::move(device)),
        m_stream(std::move(stream)),
        m_loop(loop) {}
  ~ServerPlayback() { stop(); }

  // `done` runs on the playback's thread as it ends.
  void start(std::function<void(Outcome, const QString&)> done) {
    m_done = std::move(done);
    m_thread = std::thread([this] { run(); });
  }
  void stop() {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
  }
  bool isPlaying() const { return m_playing; }

 private:
  bool stopping() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stop;
  }

  void run() {
    const SoundServer* server = SoundServer::instance();
    SoundServer::SampleSpec sampleFormat{SoundServer::S16LE, std::uint32_t(m_wav->sampleRate),
                                         std::uint8_t(m_wav->channels)};
    switch (m_wav->encoding) {
      case WavFile::Encoding::Unsigned8:
        sampleFormat.format = SoundServer::U8;
        break;
      case WavFile::Encoding::Signed24:
        sampleFormat.format = SoundServer::S24LE;
        break;
      case WavFile::Encoding::Signed32:
        sampleFormat.format = SoundServer::S32LE;
        break;
      case WavFile::Encoding::Float32:
        sampleFormat.format = SoundServer::FLOAT32LE;
        break;
      default:
        break;
    }
    int error = 0;
    SoundServer::Stream* stream = nullptr;
    if (!m_device.isEmpty())
      stream = server->open(applicationName().constData(), m_device.constData(),
                            m_stream.constData(), sampleFormat, &error);
    // A device that is gone plays on the default one, as Qt's player does.
    if (!stream)
      stream = server->open(applicationName().constData(), nullptr, m_stream.constData(),
                            sampleFormat, &error);
    if (!stream) {
      m_playing = false;
      m_done(Outcome::Failed, server->errorText(error));
      return;
    }

    // Written in pieces of some 50 ms, so that a stop is heard at once.
    const int frame = m_wav->bytesPerFrame();
    const int piece = qMax(frame, (m_wav->sampleRate / 20) * frame);
    const QByteArray& samples = m_wav->samples;
    bool failed = false;
    do {
      for (int at = 0; at < samples.size() && !failed && !stopping(); at += piece)
        failed = !server->write(stream, samples.constData() + at,
                                size_t(qMin(piece, samples.size() - at)), &error);
    } while (m_loop && !failed && !stopping());

    // What was written plays out, unless a stop comes first. The latency
    // counts the output's own delay too, which stays once the stream has run
    // dry (it never reaches zero): it is waited for once, and the drain after
    // it returns as soon as the last of the sound has played.
    if (!failed && !stopping()) {
      const std::uint64_t left = server->latencyUs(stream);
      std::unique_lock<std::mutex> lock(m_mutex);
      m_wake.wait_for(lock, std::chrono::microseconds(left), [this] { return m_stop; });
    }
    const bool stopped = stopping();
    if (stopped || failed)
      server->flush(stream);
    else
      server->drain(stream);
    server->close(stream);
    m_playing = false;
    m_done(failed    ? Outcome::Failed
           : stopped ? Outcome::Stopped
                     : Outcome::Played,
           failed ? server->errorText(error) : QString());
  }

  const std::shared_ptr<const WavFile> m_wav;
  const QByteArray m_device;
  const QByteArray m_stream;
  const bool m_loop;
  std::function<void(Outcome, const QString&)> m_done;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stop = false;
  std::atomic<bool> m_playing{true};
  std::thread m_thread;
};

class EffectSound : public Sound {
 public:
  EffectSound(const QString& file, std::shared_ptr<const QByteArray> device)
      : m_file(file), m_device(std::move(device)) {}
  ~EffectSound() override {
    m_playback.reset();  // waits for its thread, before anything it posts to goes
    if (m_effect) m_effect->stop();
  }

  bool start(bool loop) override {
    if (startOnServer(loop)) return true;
    return startEffect(loop);
  }
  void stop() override {
    if (m_playback) m_playback->stop();
    if (m_effect) m_effect->stop();
  }
  bool isPlaying() const override {
    return (m_playback && m_playback->isPlaying()) || (m_effect && m_effect->isPlaying());
  }
  QString fileName() const override { return m_file; }

 private:
  // Plays through the sound server's own calls, under the stream's name;
  // false where that cannot be tried.
  bool startOnServer(bool loop) {
    if (g_noSoundServer || m_unreadable || !SoundServer::instance()) return false;
    if (!m_wav) {
      QString why;
      WavFile wav = WavFile::read(m_file, &why);
      if (!wav.isValid()) {
        // Qt's reader may know the file better; it says so itself if not.
        m_unreadable = true;
        logError("EffectSound::start", QStringLiteral("sound file not read (") + why +
                                           QStringLiteral("), played by Qt: ") + m_file);
        return false;
      }
      m_wav = std::make_shared<const WavFile>(std::move(wav));
    }
    stop();
    const QByteArray device = m_device ? *m_device : QByteArray();
    const QString name =
        m_streamName.isEmpty() ? QFileInfo(m_file).completeBaseName() : m_streamName;
    m_playback = std::make_unique<ServerPlayback>(m_wav, device, name.toUtf8(), loop);
    ServerPlayback* playback = m_playback.get();
    playback->start([this, playback, loop](ServerPlayback::Outcome outcome, const QString& why) {
      if (outcome != ServerPlayback::Outcome::Failed) return;
      // Back on the sound's own thread; the sound waits for this thread
      // before it goes, so `this` is there when the call is delivered.
      QMetaObject::invokeMethod(
          &m_guard,
          [this, playback, loop, why] {
            if (m_playback.get() != playback) return;  // started again since
            g_noSoundServer = true;
            logError("EffectSound::start", QStringLiteral("the sound server cannot play (") + why +
                                               QStringLiteral("), played by Qt: ") + m_file);
            startEffect(loop);
          },
          Qt::QueuedConnection);
    });
    return true;
  }

  bool startEffect(bool loop) {
    // An effect is bound to its output and its stream's role when it is
    // made: a new output or role makes a new one.
    const QByteArray device = m_device ? *m_device : QByteArray();
    m_starting = true;
    if (!m_effect || device != m_effectDevice || m_effect->category() != categoryFor(loop))
      make(device, loop);
    if (m_effect->status() == QSoundEffect::Error) {
      m_starting = false;
      logError("EffectSound::start", QStringLiteral("sound cannot be played: ") + m_file);
      return false;
    }
    m_loop = loop;
    m_effect->stop();
    m_effect->setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
    m_effect->play();  // a sound still loading starts once it is loaded
    m_starting = false;
    return true;
  }

  void make(const QByteArray& device, bool loop) {
    if (m_effect) m_effect->stop();
    m_effect = std::make_unique<QSoundEffect>(outputDevice(device));
    m_effectDevice = device;
    m_effect->setCategory(categoryFor(loop));
    m_effect->setSource(urlFor(m_file));
    QSoundEffect* effect = m_effect.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
      if (effect->status() == QSoundEffect::Error)
        logError("EffectSound::statusChanged", QStringLiteral("sound cannot be played: ") + m_file);
    });
    // An effect keeps its stream open (corked) at the sound server after it
    // played: a sound played once lets it go when it ends, and the next
    // start makes a new one.
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
      if (m_starting || m_loop || effect->isPlaying() || m_effect.get() != effect) return;
      effect->disconnect();
      m_effect.release()->deleteLater();
      m_effectDevice.clear();
    });
  }

  QString m_file;
  std::shared_ptr<const QByteArray> m_device;
  QByteArray m_effectDevice;
  std::unique_ptr<QSoundEffect> m_effect;
  bool m_starting = false;
  bool m_loop = false;
  std::shared_ptr<const WavFile> m_wav;
  bool m_unreadable = false;
  QObject m_guard;  // receives what a playback's thread reports; outlives it
  std::unique_ptr<ServerPlayback> m_playback;
};

class PlayerSound : public Sound {
 public:
  PlayerSound(const QString& file, const QString& localPath,
              std::shared_ptr<const QByteArray> device)
      : m_file(file), m_device(std::move(device)) {
    m_playlist.addMedia(QUrl::fromLocalFile(localPath));
    m_player.setPlaylist(&m_playlist);
    QObject::connect(&m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), &m_player,
                     [this](QMediaPlayer::Error) {
                       logError("PlayerSound::error", QStringLiteral("sound cannot be played: ") +
                                                          m_file + QStringLiteral(": ") +
                                                          m_player.errorString());
                     });
  }
  ~PlayerSound() override { m_player.stop(); }

  bool start(bool loop) override {
    m_player.stop();
    m_player.setAudioRole(loop ? QAudio::RingtoneRole : QAudio::NotificationRole);
    // Where the media back end lets the output be chosen.
    if (QMediaService* service = m_player.service()) {
      if (auto* outputs = service->requestControl<QAudioOutputSelectorControl*>()) {
        const QByteArray device = m_device ? *m_device : QByteArray();
        const QString wanted = QString::fromUtf8(device);
        outputs->setActiveOutput(!wanted.isEmpty() && outputs->availableOutputs().contains(wanted)
                                     ? wanted
                                     : outputs->defaultOutput());
        service->releaseControl(outputs);
      }
    }
    m_playlist.setPlaybackMode(loop ? QMediaPlaylist::CurrentItemInLoop
                                    : QMediaPlaylist::CurrentItemOnce);
    m_playlist.setCurrentIndex(0);
    m_player.play();
    if (m_player.error() != QMediaPlayer::NoError) {
      logError("PlayerSound::start", QStringLiteral("sound cannot be played: ") + m_file +
                                         QStringLiteral(": ") + m_player.errorString());
      return false;
    }
    return true;
  }
  void stop() override { m_player.stop(); }
  bool isPlaying() const override { return m_player.state() == QMediaPlayer::PlayingState; }
  QString fileName() const override { return m_file; }

 private:
  QString m_file;
  std::shared_ptr<const QByteArray> m_device;
  QMediaPlaylist m_playlist;
  QMediaPlayer m_player;
};

// An open input; its destruction closes it.
class Microphone : public QObject {
 public:
  Microphone(const QAudioDeviceInfo& device, const QAudioFormat& format, QObject* parent,
             std::function<void(const QByteArray&)> samples)
      : QObject(parent), m_input(device, format, this), m_samples(std::move(samples)) {}
  ~Microphone() override { m_input.stop(); }

  bool open() {
    m_device = m_input.start();
    if (!m_device) return false;
    connect(m_device.data(), &QIODevice::readyRead, this, [this] {
      if (m_device) m_samples(m_device->readAll());
    });
    return true;
  }

 private:
  QAudioInput m_input;
  QPointer<QIODevice> m_device;
  std::function<void(const QByteArray&)> m_samples;
};

class QtMultimediaBackend : public MultimediaBackend {
 public:
  bool hasAudioOutput() override {
    return !QAudioDeviceInfo::availableDevices(QAudio::AudioOutput).isEmpty();
  }

  QStringList audioDeviceNames(bool output) override {
    QStringList names;
    const auto devices =
        QAudioDeviceInfo::availableDevices(output ? QAudio::AudioOutput : QAudio::AudioInput);
    for (const QAudioDeviceInfo& info : devices) names << info.deviceName();
    return names;
  }

  QHash<QString, QString> audioDeviceDescriptions(bool output) override {
    // Qt's sound-server plug-in lists devices by their names
    // ("alsa_output.pci-..."); the server's own tool tells what a person
    // calls them. No tool or no server: no descriptions.
    QHash<QString, QString> out;
    const QString pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    if (pactl.isEmpty()) return out;
    QProcess tool;
    tool.start(pactl, {QStringLiteral("--format=json"), QStringLiteral("list"),
                       output ? QStringLiteral("sinks") : QStringLiteral("sources")});
    if (!tool.waitForFinished(2000)) {
      tool.kill();
      tool.waitForFinished(1000);
      return out;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return out;
    const QJsonArray devices = QJsonDocument::fromJson(tool.readAllStandardOutput()).array();
    for (const QJsonValue& device : devices) {
      const QString name = device[QLatin1String("name")].toString();
      const QString description = device[QLatin1String("description")].toString();
      if (!name.isEmpty() && !description.isEmpty()) out.insert(name, description);
    }
    return out;
  }

  QList<QPair<QString, QString>> cameras() override {
    QList<QPair<QString, QString>> out;
    const auto cameras = QCameraInfo::availableCameras();
    for (const QCameraInfo& info : cameras) out << qMakePair(info.deviceName(), info.description());
    return out;
  }

  Sound* createEffectSound(const QString& path, std::shared_ptr<const QByteArray> device) override {
    return new EffectSound(path, std::move(device));
  }

  Sound* createPlayerSound(const QString& fileName, const QString& localPath,
                           std::shared_ptr<const QByteArray> device) override {
    return new PlayerSound(fileName, localPath, std::move(device));
  }

  QObject* openMicrophone(const QByteArray& device, QObject* parent,
                          std::function<void(const QByteArray&)> samples) override {
    QAudioDeviceInfo chosen = QAudioDeviceInfo::defaultInputDevice();
    if (!device.isEmpty()) {
      const auto devices = QAudioDeviceInfo::availableDevices(QAudio::AudioInput);
      for (const QAudioDeviceInfo& info : devices)
        if (info.deviceName().toUtf8() == device) chosen = info;
    }
    if (chosen.isNull()) return nullptr;
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    if (!chosen.isFormatSupported(format)) return nullptr;
    auto microphone = std::make_unique<Microphone>(chosen, format, parent, std::move(samples));
    if (!microphone->open()) return nullptr;
    return microphone.release();
  }
};

}  // namespace
}  // namespace MediaEngine
}  // namespace RAZ

extern "C" Q_DECL_EXPORT RAZ::MediaEngine::MultimediaBackend* zentCreateMultimediaBackend(
    RAZ::MediaEngine::MultimediaBackend::Log log) {
  RAZ::MediaEngine::g_log = log;
  return new RAZ::MediaEngine::QtMultimediaBackend;
}

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

#include <algorithm>
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

// The role a sound's stream plays in (a sound server's media role): the one
// it was given, else a looping sound rings and any other one notifies.
QByteArray roleFor(const QByteArray& role, bool loop) {
  if (!role.isEmpty()) return role;
  return loop ? QByteArrayLiteral("phone") : QByteArrayLiteral("event");
}

// The sound server's client library (the one Qt Multimedia's own
// sound-server plug-in loads; PipeWire's server speaks its protocol too),
// looked up when a sound first plays. Qt's short-sound player names every
// stream "QtPulseSample-<pid>-<n>" under a client "QtPulseAudio:<pid>" and
// offers no way to change either, and the library's simple playback calls
// take no stream properties: WAV sounds are played through its stream calls
// instead, each stream named for its purpose under the program's name and
// carrying its media role, by which the desktop routes, ducks and restores
// it. Only the calls, values and the one structure below are needed; they
// are the library's stable interface.
class SoundServer {
 public:
  // The library's sample formats, in its numbering.
  enum Format : int { U8 = 0, S16LE = 3, FLOAT32LE = 5, S32LE = 7, S24LE = 9 };
  struct SampleSpec {
    int format;
    std::uint32_t rate;
    std::uint8_t channels;
  };
  // The library's objects, only ever pointed to.
  struct Mainloop;
  struct MainloopApi;
  struct Context;
  struct Stream;
  struct Properties;
  struct Operation;

  // The states and values used, in the library's numbering.
  enum ContextState : int { ContextReady = 4, ContextFailed = 5, ContextTerminated = 6 };
  enum StreamState : int { StreamReady = 2, StreamFailed = 3, StreamTerminated = 4 };
  enum OperationState : int { OperationRunning = 0, OperationDone = 1 };
  // The stream flags asked for: timing kept up to date, the latency suited
  // to the buffer, as the simple calls ask.
  static constexpr int kStreamFlags = 0x0002 | 0x0008 | 0x2000;
  static constexpr int kSeekRelative = 0;
  static constexpr int kErrorInternal = 10;

  // Null where the library is missing or lacks a call.
  static const SoundServer* instance() {
    static SoundServer* const server = [] {
      auto* loaded = new SoundServer;
      if (loaded->load()) return loaded;
      delete loaded;
      return static_cast<SoundServer*>(nullptr);
    }();
    return server;
  }

  QString errorText(int error) const { return QString::fromUtf8(errorString(error)); }

  Mainloop* (*mainloopNew)() = nullptr;
  void (*mainloopFree)(Mainloop*) = nullptr;
  MainloopApi* (*mainloopApi)(Mainloop*) = nullptr;
  int (*mainloopIterate)(Mainloop*, int block, int* result) = nullptr;
  void (*mainloopWakeup)(Mainloop*) = nullptr;
  Context* (*contextNew)(MainloopApi*, const char* name) = nullptr;
  int (*contextConnect)(Context*, const char* server, int flags, const void* spawn) = nullptr;
  int (*contextState)(const Context*) = nullptr;
  int (*contextErrno)(const Context*) = nullptr;
  void (*contextDisconnect)(Context*) = nullptr;
  void (*contextUnref)(Context*) = nullptr;
  Properties* (*propertiesNew)() = nullptr;
  int (*propertiesSet)(Properties*, const char* key, const char* value) = nullptr;
  void (*propertiesFree)(Properties*) = nullptr;
  Stream* (*streamNew)(Context*, const char* name, const SampleSpec*, const void* channelMap,
                       Properties*) = nullptr;
  int (*streamConnectPlayback)(Stream*, const char* device, const void* bufferAttributes, int flags,
                               const void* volume, Stream* sync) = nullptr;
  int (*streamState)(const Stream*) = nullptr;
  size_t (*streamWritableSize)(const Stream*) = nullptr;
  int (*streamWrite)(Stream*, const void* data, size_t size, void (*release)(void*),
                     std::int64_t offset, int seek) = nullptr;
  Operation* (*streamDrain)(Stream*, void (*done)(Stream*, int, void*), void* data) = nullptr;
  Operation* (*streamUpdateTiming)(Stream*, void (*done)(Stream*, int, void*),
                                   void* data) = nullptr;
  int (*streamLatency)(Stream*, std::uint64_t* us, int* negative) = nullptr;
  int (*streamDisconnect)(Stream*) = nullptr;
  void (*streamUnref)(Stream*) = nullptr;
  int (*operationState)(const Operation*) = nullptr;
  void (*operationCancel)(Operation*) = nullptr;
  void (*operationUnref)(Operation*) = nullptr;
  const char* (*errorString)(int) = nullptr;

 private:
  template <typename Call>
  bool resolve(Call& call, const char* name) {
    call = reinterpret_cast<Call>(m_library.resolve(name));
    return call != nullptr;
  }

  bool load() {
    m_library.setFileNameAndVersion(QStringLiteral("pulse"), 0);
    if (!m_library.load()) return false;
    return resolve(mainloopNew, "pa_mainloop_new") && resolve(mainloopFree, "pa_mainloop_free") &&
           resolve(mainloopApi, "pa_mainloop_get_api") &&
           resolve(mainloopIterate, "pa_mainloop_iterate") &&
           resolve(mainloopWakeup, "pa_mainloop_wakeup") && resolve(contextNew, "pa_context_new") &&
           resolve(contextConnect, "pa_context_connect") &&
           resolve(contextState, "pa_context_get_state") &&
           resolve(contextErrno, "pa_context_errno") &&
           resolve(contextDisconnect, "pa_context_disconnect") &&
           resolve(contextUnref, "pa_context_unref") && resolve(propertiesNew, "pa_proplist_new") &&
           resolve(propertiesSet, "pa_proplist_sets") &&
           resolve(propertiesFree, "pa_proplist_free") &&
           resolve(streamNew, "pa_stream_new_with_proplist") &&
           resolve(streamConnectPlayback, "pa_stream_connect_playback") &&
           resolve(streamState, "pa_stream_get_state") &&
           resolve(streamWritableSize, "pa_stream_writable_size") &&
           resolve(streamWrite, "pa_stream_write") && resolve(streamDrain, "pa_stream_drain") &&
           resolve(streamUpdateTiming, "pa_stream_update_timing_info") &&
           resolve(streamLatency, "pa_stream_get_latency") &&
           resolve(streamDisconnect, "pa_stream_disconnect") &&
           resolve(streamUnref, "pa_stream_unref") &&
           resolve(operationState, "pa_operation_get_state") &&
           resolve(operationCancel, "pa_operation_cancel") &&
           resolve(operationUnref, "pa_operation_unref") && resolve(errorString, "pa_strerror");
  }

  QLibrary m_library;
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

// One playback stream at the sound server, on a connection of its own,
// worked from one thread. Each wait turns the connection's own event loop
// until the server has answered, something failed, or wake() (from any
// thread) interrupts it because the sound is stopping. Destroying it closes
// the connection, and the server drops the stream with it at once, with
// whatever of the sound was not played yet.
class ServerStream {
 public:
  ServerStream(const SoundServer& server, std::function<bool()> stopping)
      : m_server(server), m_stopping(std::move(stopping)), m_loop(server.mainloopNew()) {}
  ~ServerStream() {
    closeStream();
    if (m_context) {
      m_server.contextDisconnect(m_context);
      m_server.contextUnref(m_context);
    }
    if (m_loop) m_server.mainloopFree(m_loop);
  }
  ServerStream(const ServerStream&) = delete;
  ServerStream& operator=(const ServerStream&) = delete;

  // Interrupts a wait; safe from any thread while the object lives.
  void wake() {
    if (m_loop) m_server.mainloopWakeup(m_loop);
  }
  int error() const { return m_error; }

  // Connects as `application` (the first time) and opens a playback stream
  // named `name` in the role `role` on `device` (null: the server's
  // default). False on a failure (error() tells) or when stopping.
  bool open(const QByteArray& application, const char* device, const QByteArray& name,
            const QByteArray& role, const SoundServer::SampleSpec& format) {
    if (!m_loop) return fail(SoundServer::kErrorInternal);
    if (!m_context && !connect(application)) return false;
    if (m_server.contextState(m_context) != SoundServer::ContextReady) return failed();
    closeStream();
    SoundServer::Properties* properties = m_server.propertiesNew();
    if (properties && !role.isEmpty())
      m_server.propertiesSet(properties, "media.role", role.constData());
    m_stream = m_server.streamNew(m_context, name.constData(), &format, nullptr, properties);
    if (properties) m_server.propertiesFree(properties);
    if (!m_stream) return failed();
    if (m_server.streamConnectPlayback(m_stream, device, nullptr, SoundServer::kStreamFlags,
                                       nullptr, nullptr) < 0)
      return failed();
    for (;;) {
      const int state = m_server.streamState(m_stream);
      if (state == SoundServer::StreamReady) return true;
      if (state == SoundServer::StreamFailed || state == SoundServer::StreamTerminated)
        return failed();
      if (!turn()) return false;
    }
  }

  // Writes `size` bytes as the server makes room for them.
  bool write(const char* data, size_t size) {
    while (size > 0) {
      if (!usable()) return failed();
      const size_t room = m_server.streamWritableSize(m_stream);
      if (room == size_t(-1)) return failed();
      if (room == 0) {
        if (!turn()) return false;
        continue;
      }
      const size_t piece = std::min(room, size);
      if (m_server.streamWrite(m_stream, data, piece, nullptr, 0, SoundServer::kSeekRelative) < 0)
        return failed();
      data += piece;
      size -= piece;
    }
    return true;
  }

  // Waits until everything written has left the stream for the output.
  bool drain() { return await(m_server.streamDrain(m_stream, nullptr, nullptr)); }

  // How long until what the stream handed the output is heard: the
  // output's own delay, which a closing stream would take back unheard.
  std::uint64_t latencyUs() {
    std::uint64_t us = 0;
    int negative = 0;
    if (m_server.streamLatency(m_stream, &us, &negative) != 0) {
      // No timing known yet: asked for.
      if (!await(m_server.streamUpdateTiming(m_stream, nullptr, nullptr)) ||
          m_server.streamLatency(m_stream, &us, &negative) != 0)
        return 0;
    }
    return negative ? 0 : us;
  }

 private:
  bool connect(const QByteArray& application) {
    m_context = m_server.contextNew(m_server.mainloopApi(m_loop), application.constData());
    if (!m_context) return fail(SoundServer::kErrorInternal);
    if (m_server.contextConnect(m_context, nullptr, 0, nullptr) < 0) return failed();
    for (;;) {
      const int state = m_server.contextState(m_context);
      if (state == SoundServer::ContextReady) return true;
      if (state == SoundServer::ContextFailed || state == SoundServer::ContextTerminated)
        return failed();
      if (!turn()) return false;
    }
  }

  void closeStream() {
    if (!m_stream) return;
    m_server.streamDisconnect(m_stream);
    m_server.streamUnref(m_stream);
    m_stream = nullptr;
  }

  // Waits for an operation of the server's to be done.
  bool await(SoundServer::Operation* operation) {
    if (!operation) return failed();
    bool ok = true;
    while (ok && m_server.operationState(operation) == SoundServer::OperationRunning)
      ok = usable() ? turn() : failed();
    if (m_server.operationState(operation) == SoundServer::OperationRunning)
      m_server.operationCancel(operation);
    else if (ok && m_server.operationState(operation) != SoundServer::OperationDone)
      ok = failed();  // cancelled by the connection's end
    m_server.operationUnref(operation);
    return ok;
  }

  bool usable() const {
    return m_server.contextState(m_context) == SoundServer::ContextReady &&
           m_server.streamState(m_stream) == SoundServer::StreamReady;
  }

  // One turn of the loop, waiting for the server; false when stopping.
  bool turn() {
    if (m_stopping()) return false;
    if (m_server.mainloopIterate(m_loop, 1, nullptr) < 0) return fail(SoundServer::kErrorInternal);
    return !m_stopping();
  }

  bool fail(int error) {
    m_error = error;
    return false;
  }
  // Fails with the connection's own reason.
  bool failed() {
    const int error = m_context ? m_server.contextErrno(m_context) : 0;
    return fail(error ? error : SoundServer::kErrorInternal);
  }

  const SoundServer& m_server;
  const std::function<bool()> m_stopping;
  SoundServer::Mainloop* const m_loop;
  SoundServer::Context* m_context = nullptr;
  SoundServer::Stream* m_stream = nullptr;
  int m_error = 0;
};

// One playing of a sound, on a thread of its own (the server is waited for
// there). The thread owns the stream from opening to closing: a stream
// exists exactly while the sound plays, so nothing is left open, corked, at
// the server between sounds. The owner asks it to stop and waits for it;
// the thread never touches the owner.
class ServerPlayback {
 public:
  enum class Outcome { Played, Stopped, Failed };

  ServerPlayback(std::shared_ptr<const WavFile> wav, QByteArray device, QByteArray stream,
                 QByteArray role, bool loop)
      : m_wav(std::move(wav)),
        m_device(std::move(device)),
        m_stream(std::move(stream)),
        m_role(std::move(role)),
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
      if (m_open) m_open->wake();
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
  // The stream a stop is to wake, while there is one.
  void setOpen(ServerStream* stream) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open = stream;
  }

  SoundServer::SampleSpec sampleFormat() const {
    SoundServer::SampleSpec format{SoundServer::S16LE, std::uint32_t(m_wav->sampleRate),
                                   std::uint8_t(m_wav->channels)};
    switch (m_wav->encoding) {
      case WavFile::Encoding::Unsigned8:
        format.format = SoundServer::U8;
        break;
      case WavFile::Encoding::Signed24:
        format.format = SoundServer::S24LE;
        break;
      case WavFile::Encoding::Signed32:
        format.format = SoundServer::S32LE;
        break;
      case WavFile::Encoding::Float32:
        format.format = SoundServer::FLOAT32LE;
        break;
      default:
        break;
    }
    return format;
  }

  Outcome play(ServerStream& stream) {
    const SoundServer::SampleSpec format = sampleFormat();
    const QByteArray application = applicationName();
    bool opened = !m_device.isEmpty() &&
                  stream.open(application, m_device.constData(), m_stream, m_role, format);
    // A device that is gone plays on the default one, as Qt's player does.
    if (!opened && !stopping())
      opened = stream.open(application, nullptr, m_stream, m_role, format);
    if (!opened) return stopping() ? Outcome::Stopped : Outcome::Failed;

    // Written in pieces of some 50 ms, so that a stop is heard at once.
    const int frame = m_wav->bytesPerFrame();
    const int piece = qMax(frame, (m_wav->sampleRate / 20) * frame);
    const QByteArray& samples = m_wav->samples;
    do {
      for (int at = 0; at < samples.size(); at += piece) {
        if (stopping()) return Outcome::Stopped;
        if (!stream.write(samples.constData() + at, size_t(qMin(piece, samples.size() - at))))
          return stopping() ? Outcome::Stopped : Outcome::Failed;
      }
    } while (m_loop);
    // What was written plays out, unless a stop comes first, and the
    // output's own delay with it before the stream closes.
    if (!stream.drain()) return stopping() ? Outcome::Stopped : Outcome::Failed;
    const std::uint64_t left = stream.latencyUs();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait_for(lock, std::chrono::microseconds(left), [this] { return m_stop; });
    return m_stop ? Outcome::Stopped : Outcome::Played;
  }

  void run() {
    const SoundServer* server = SoundServer::instance();
    Outcome outcome = Outcome::Failed;
    QString why;
    {
      ServerStream stream(*server, [this] { return stopping(); });
      setOpen(&stream);
      outcome = play(stream);
      if (outcome == Outcome::Failed) why = server->errorText(stream.error());
      setOpen(nullptr);
    }  // closed: the server lets the stream go with what was not played
    m_playing = false;
    m_done(outcome, why);
  }

  const std::shared_ptr<const WavFile> m_wav;
  const QByteArray m_device;
  const QByteArray m_stream;
  const QByteArray m_role;
  const bool m_loop;
  std::function<void(Outcome, const QString&)> m_done;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stop = false;
  ServerStream* m_open = nullptr;
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
    m_playback =
        std::make_unique<ServerPlayback>(m_wav, device, name.toUtf8(), roleFor(m_role, loop), loop);
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
    const QString role = QString::fromLatin1(roleFor(m_role, loop));
    if (!m_effect || device != m_effectDevice || m_effect->category() != role) make(device, role);
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

  // Qt's player hands its category to the sound server as the stream's role.
  void make(const QByteArray& device, const QString& role) {
    if (m_effect) m_effect->stop();
    m_effect = std::make_unique<QSoundEffect>(outputDevice(device));
    m_effectDevice = device;
    m_effect->setCategory(role);
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
    // The role by its name where the media back end takes one, else the
    // nearest of Qt's own.
    const QString role = QString::fromLatin1(roleFor(m_role, loop));
    if (m_player.supportedCustomAudioRoles().contains(role))
      m_player.setCustomAudioRole(role);
    else
      m_player.setAudioRole(role == QLatin1String("phone") ? QAudio::RingtoneRole
                                                           : QAudio::NotificationRole);
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

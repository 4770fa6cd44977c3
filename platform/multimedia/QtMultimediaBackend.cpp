// The program's use of Qt Multimedia, built as libzent_multimedia.so and
// loaded on first use (see RAZ/MediaEngine/MultimediaBackend.h). It links no
// library of the program's own: what it has to report goes through the log
// function it is given.
#include "RAZ/MediaEngine/MultimediaBackend.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QAudioOutputSelectorControl>
#include <QCameraInfo>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMediaService>
#include <QPointer>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

// The log's levels only: the header's enum needs none of the library.
#include "TP/Core/Logging.h"

#include <memory>

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

class EffectSound : public Sound {
 public:
  EffectSound(const QString& file, std::shared_ptr<const QByteArray> device)
      : m_file(file), m_device(std::move(device)) {}
  ~EffectSound() override {
    if (m_effect) m_effect->stop();
  }

  bool start(bool loop) override {
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
  void stop() override {
    if (m_effect) m_effect->stop();
  }
  bool isPlaying() const override { return m_effect && m_effect->isPlaying(); }
  QString fileName() const override { return m_file; }

 private:
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

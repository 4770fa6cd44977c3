#include "QtSoundFacility.h"

#include "FakeSoundFacility.h"
#include "MediaHandlerBase.h"

#include <TP/Core/Logging.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <QtMultimedia/QAudioDeviceInfo>
#include <QtMultimedia/QMediaPlayer>
#include <QtMultimedia/QMediaPlaylist>
#include <QtMultimedia/QSoundEffect>

#include <memory>

namespace RAZ {
namespace MediaEngine {
namespace {

bool isResource(const QString& name) {
  return name.startsWith(QLatin1Char(':')) || name.startsWith(QLatin1String("qrc:"));
}

QUrl urlFor(const QString& name) {
  if (name.startsWith(QLatin1String("qrc:"))) return QUrl(name);
  if (name.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + name);
  return QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath());
}

class EffectSound : public Sound {
 public:
  explicit EffectSound(const QString& file) : m_file(file) {
    m_effect.setSource(urlFor(file));
    QObject::connect(&m_effect, &QSoundEffect::statusChanged, [this] {
      if (m_effect.status() == QSoundEffect::Error) {
        TP_LOG("EffectSound::statusChanged", TP::Core::Logging::LevelError)
            << "sound cannot be played: " << m_file;
      }
    });
  }
  ~EffectSound() override { m_effect.stop(); }

  bool start(bool loop) override {
    if (m_effect.status() == QSoundEffect::Error) {
      TP_LOG("EffectSound::start", TP::Core::Logging::LevelError)
          << "sound cannot be played: " << m_file;
      return false;
    }
    m_effect.stop();
    m_effect.setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
    m_effect.play();  // a sound still loading starts once it is loaded
    return true;
  }
  void stop() override { m_effect.stop(); }
  bool isPlaying() const override { return m_effect.isPlaying(); }
  QString fileName() const override { return m_file; }

 private:
  QString m_file;
  QSoundEffect m_effect;
};

class PlayerSound : public Sound {
 public:
  PlayerSound(const QString& file, const QString& localPath, std::unique_ptr<QTemporaryFile> copy)
      : m_file(file), m_copy(std::move(copy)) {
    m_playlist.addMedia(QUrl::fromLocalFile(localPath));
    m_player.setPlaylist(&m_playlist);
    QObject::connect(&m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error),
                     [this](QMediaPlayer::Error) {
                       TP_LOG("PlayerSound::error", TP::Core::Logging::LevelError)
                           << "sound cannot be played: " << m_file << ": "
                           << m_player.errorString();
                     });
  }
  ~PlayerSound() override { m_player.stop(); }

  bool start(bool loop) override {
    m_player.stop();
    m_playlist.setPlaybackMode(loop ? QMediaPlaylist::CurrentItemInLoop
                                    : QMediaPlaylist::CurrentItemOnce);
    m_playlist.setCurrentIndex(0);
    m_player.play();
    if (m_player.error() != QMediaPlayer::NoError) {
      TP_LOG("PlayerSound::start", TP::Core::Logging::LevelError)
          << "sound cannot be played: " << m_file << ": " << m_player.errorString();
      return false;
    }
    return true;
  }
  void stop() override { m_player.stop(); }
  bool isPlaying() const override { return m_player.state() == QMediaPlayer::PlayingState; }
  QString fileName() const override { return m_file; }

 private:
  QString m_file;
  std::unique_ptr<QTemporaryFile> m_copy;
  QMediaPlaylist m_playlist;
  QMediaPlayer m_player;
};

}  // namespace

QtSoundFacility::QtSoundFacility(OutputProbe hasAudioOutput) : m_probe(std::move(hasAudioOutput)) {
  if (!m_probe) {
    m_probe = [] { return !QAudioDeviceInfo::availableDevices(QAudio::AudioOutput).isEmpty(); };
  }
}

QtSoundFacility::~QtSoundFacility() = default;

bool QtSoundFacility::hasAudioOutput() {
  if (m_output < 0) {
    m_output = m_probe() ? 1 : 0;
    if (!m_output) {
      TP_LOG("QtSoundFacility::hasAudioOutput", 3) << "no audio output: sounds are silent";
      m_silent = std::make_unique<FakeSoundFacility>();
    }
  }
  return m_output == 1;
}

Sound* QtSoundFacility::createSound(const QString& fileName) {
  const QString path = fileName.startsWith(QLatin1String("qrc:")) ? fileName.mid(3) : fileName;
  if (!QFileInfo(path).isFile()) {
    TP_LOG("QtSoundFacility::createSound", TP::Core::Logging::LevelWarning)
        << "sound file not found: " << fileName;
    return nullptr;
  }
  if (!hasAudioOutput()) return m_silent->createSound(fileName);
  if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)) return new EffectSound(path);

  if (!isResource(path))
    return new PlayerSound(fileName, QFileInfo(path).absoluteFilePath(), nullptr);

  // The media back end reads real files only: copy the resource out.
  auto copy = std::make_unique<QTemporaryFile>();
  copy->setFileTemplate(QDir::tempPath() + QStringLiteral("/zent-sound-XXXXXX.") +
                        QFileInfo(path).suffix());
  QFile source(path);
  if (!copy->open() || !source.open(QIODevice::ReadOnly) || copy->write(source.readAll()) < 0 ||
      !copy->flush()) {
    TP_LOG("QtSoundFacility::createSound", TP::Core::Logging::LevelError)
        << "cannot copy the sound to a temporary file: " << fileName;
    return nullptr;
  }
  const QString local = copy->fileName();
  return new PlayerSound(fileName, local, std::move(copy));
}

SoundFacility* createDefaultSoundFacility() {
  if (qEnvironmentVariable("ZENT_SOUND_BACKEND") == QLatin1String("silent")) {
    TP_LOG("RAZ::MediaEngine::createDefaultSoundFacility", 2)
        << "ZENT_SOUND_BACKEND=silent: sounds are silent";
    return new FakeSoundFacility;
  }
  return new QtSoundFacility;
}

MediaHandlerBase* startMediaEngine(QObject* owner) {
  if (MediaHandlerBase::m_This) return MediaHandlerBase::m_This;
  return new MediaHandlerBase(createDefaultSoundFacility(), owner);
}

}  // namespace MediaEngine
}  // namespace RAZ

#include "QtSoundFacility.h"

#include "FakeSoundFacility.h"
#include "MediaHandlerBase.h"
#include "MultimediaBackend.h"

#include <TP/Core/Logging.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <memory>

namespace RAZ {
namespace MediaEngine {
namespace {

bool isResource(const QString& name) {
  return name.startsWith(QLatin1Char(':')) || name.startsWith(QLatin1String("qrc:"));
}

// A sound played from a temporary copy of a resource, which goes with it.
class CopySound : public Sound {
 public:
  CopySound(Sound* played, std::unique_ptr<QTemporaryFile> copy)
      : m_copy(std::move(copy)), m_played(played) {}

  bool start(bool loop) override { return m_played->start(loop); }
  void stop() override { m_played->stop(); }
  bool isPlaying() const override { return m_played->isPlaying(); }
  QString fileName() const override { return m_played->fileName(); }
  void setStreamName(const QString& name) override {
    Sound::setStreamName(name);
    m_played->setStreamName(name);
  }
  void setRole(const QByteArray& role) override {
    Sound::setRole(role);
    m_played->setRole(role);
  }

 private:
  std::unique_ptr<QTemporaryFile> m_copy;  // declared first: outlives the sound
  std::unique_ptr<Sound> m_played;
};

}  // namespace

QtSoundFacility::QtSoundFacility(OutputProbe hasAudioOutput) : m_probe(std::move(hasAudioOutput)) {
  if (!m_probe) {
    m_probe = [] {
      MultimediaBackend* backend = multimediaBackend();
      return backend && backend->hasAudioOutput();
    };
  }
}

QtSoundFacility::~QtSoundFacility() = default;

bool QtSoundFacility::hasAudioOutput() {
  if (m_output < 0) {
    m_output = m_probe() ? 1 : 0;
    if (!m_output) {
      TP_LOG("QtSoundFacility::hasAudioOutput", TP::Core::Logging::LevelWarning)
          << "no audio output: sounds are silent";
      m_silent = std::make_unique<FakeSoundFacility>();
      m_silent->setOutputDevice(*m_device);
    }
  }
  return m_output == 1;
}

void QtSoundFacility::setOutputDevice(const QByteArray& device) {
  SoundFacility::setOutputDevice(device);
  if (m_silent) m_silent->setOutputDevice(device);
}

Sound* QtSoundFacility::createSound(const QString& fileName) {
  const QString path = fileName.startsWith(QLatin1String("qrc:")) ? fileName.mid(3) : fileName;
  if (!QFileInfo(path).isFile()) {
    TP_LOG("QtSoundFacility::createSound", TP::Core::Logging::LevelWarning)
        << "sound file not found: " << fileName;
    return nullptr;
  }
  if (!hasAudioOutput()) return m_silent->createSound(fileName);
  // An output was found through the library, or a probe of the caller's own
  // said so: the library may still be missing.
  MultimediaBackend* backend = multimediaBackend();
  if (!backend) {
    if (!m_silent) {
      m_silent = std::make_unique<FakeSoundFacility>();
      m_silent->setOutputDevice(*m_device);
    }
    return m_silent->createSound(fileName);
  }
  if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
    return backend->createEffectSound(path, m_device);

  if (!isResource(path))
    return backend->createPlayerSound(fileName, QFileInfo(path).absoluteFilePath(), m_device);

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
  return new CopySound(backend->createPlayerSound(fileName, local, m_device), std::move(copy));
}

SoundFacility* createDefaultSoundFacility() {
  if (qEnvironmentVariable("ZENT_SOUND_BACKEND") == QLatin1String("silent")) {
    TP_LOG("RAZ::MediaEngine::createDefaultSoundFacility", TP::Core::Logging::LevelInformation)
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

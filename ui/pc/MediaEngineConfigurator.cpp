#include "MediaEngineConfigurator.h"

#include "Utils/PreferencesWatcher.h"

#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/MediaEngine/IMediaHandlerVideo.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/MediaEngine/Sound.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include <QStandardPaths>
#include "Utils/SettingsKeys.h"

MediaEngineConfigurator::MediaEngineConfigurator(Preferences::Watcher* watcher,
                                                 RAZ::MediaEngine::IMediaHandlerAudio* audio,
                                                 RAZ::MediaEngine::IMediaHandlerVideo* video,
                                                 QObject* parent)
    : QObject(parent), m_watcher(watcher), m_audio(audio), m_video(video) {
  connect(m_watcher, SIGNAL(preferencesChanged()), this, SLOT(configChanged()));
  connect(m_watcher, SIGNAL(preferencesChanged()), m_video, SIGNAL(preferencesChanged()));
  configChanged();
}

void MediaEngineConfigurator::configChanged() {
  RAZ::Settings settings(RAZ::Settings::User);

  const QString saveKey = Utils::SettingsKey::AudioSaveDirectory;
  if (settings.value(saveKey, QString()).toString().isEmpty()) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QLatin1Char('/') + tr("My Recording Files");
    settings.setValue(saveKey, folder);
  }

  int resolution =
      settings.value(Utils::SettingsKey::VideoCaptureResolution, m_video->currentProfileLevel())
          .toInt();
  if (resolution == 0) resolution = m_video->currentProfileLevel();

  const QByteArray device =
      settings.value(Utils::SettingsKey::VideoCaptureDevice, QByteArray()).toByteArray();
  TP_LOG("MediaEngineConfigurator::configChanged", TP::Core::Logging::LevelInformation)
      << "device: " << device;

  bool found = false;
  if (!device.isEmpty()) {
    const QList<RAZ::MediaEngine::IMediaHandlerVideo::Camera*> cameras = m_video->cameras();
    for (RAZ::MediaEngine::IMediaHandlerVideo::Camera* camera : cameras) {
      if (!camera) continue;
      TP_LOG("MediaEngineConfigurator::configChanged", TP::Core::Logging::LevelInformation)
          << "Comparing: " << device << ", " << camera->name();
      if (camera->name() != device) continue;
      int level = camera->selectedProfileLevel(nullptr, nullptr);
      if (level == -1) level = resolution;
      camera->setSelectedProfileLevel(static_cast<RAZ::MediaEngine::ProfileLevel>(level));
      found = m_video->setCurrentCamera(camera);
      break;
    }
  }
  if (!found)
    m_video->setCurrentCameraLevel(static_cast<RAZ::MediaEngine::ProfileLevel>(resolution));

  m_audio->refreshDevices();
  // The program's own sounds (ringers, notifications, previews) play on the
  // ringing device; "Use Output Device" means the calls' output.
  QByteArray ringing = settings.value(Utils::SettingsKey::AudioRingingDevice).toByteArray();
  if (ringing.isEmpty())
    ringing = settings.value(Utils::SettingsKey::AudioCallPlaybackDevice).toByteArray();
  if (RAZ::MediaEngine::MediaHandlerBase* engine = RAZ::MediaEngine::MediaHandlerBase::m_This)
    if (RAZ::MediaEngine::SoundFacility* sounds = engine->soundFacility())
      sounds->setOutputDevice(ringing);
  m_audio->setEchoCancellation(true);
  m_audio->setAutomaticGainControl(
      settings.value(Utils::SettingsKey::AudioAutomaticGainControl, false).toBool());
  m_audio->setNoiseSuppression(true);
  m_audio->setRecordingFolder(settings.value(saveKey, QString()).toString());
}

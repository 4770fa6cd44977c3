#include "Widgets/Preferences/AudioHandler.h"

#include <QTimer>

#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/Settings.h>

#include "Utils/SettingsKeys.h"
#include "Widgets/LevelIndicatorWidget.h"
#include "ui_preferences.h"

namespace Preferences {

namespace {

// How often the system's devices are looked at while the page is open: a
// headset plugged in shows up without reopening the window.
const int kDeviceCheckMs = 2000;

// Fills the list and selects the stored device; a list filled again (a
// device came or went) keeps the choice the user made and has not saved,
// as long as that device is still there.
void fill(QComboBox* box, const QString& defaultText,
          const QList<RAZ::MediaEngine::AudioDevice>& devices, const QString& key) {
  const bool refill = box->count() > 0;
  const QByteArray chosen = box->currentData().toByteArray();
  box->clear();
  box->addItem(defaultText, QByteArray());
  for (const RAZ::MediaEngine::AudioDevice& device : devices) box->addItem(device.name, device.id);
  RAZ::Settings settings(RAZ::Settings::User);
  const QByteArray wanted = refill ? chosen : settings.value(key).toByteArray();
  int index = 0;
  for (int i = 1; i < box->count(); ++i) {
    if (box->itemData(i).toByteArray() == wanted) {
      index = i;
      break;
    }
  }
  box->setCurrentIndex(index);
}

}  // namespace

AudioHandler::AudioHandler(Ui::preferencesForm* form, RAZ::MediaEngine::IMediaHandlerAudio* audio,
                           QObject* parent)
    : QObject(parent), ui(form), m_audio(audio), m_timer(new QTimer(this)) {
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));
  connect(parent, SIGNAL(languageChanged()), this, SLOT(retranslate()));
  connect(ui->playbackSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
  connect(ui->recordingSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
  connect(audio, SIGNAL(audioDeviceAvailabilityChanged(bool)), this, SLOT(onDevicesChanged()));
  onDevicesChanged();
  // The lists are the system's as the window opens, and follow it while the
  // window stays open.
  audio->refreshDevices();
  auto* deviceCheck = new QTimer(this);
  deviceCheck->setInterval(kDeviceCheckMs);
  connect(deviceCheck, &QTimer::timeout, this, [this] {
    if (m_audio) m_audio->refreshDevices();
  });
  deviceCheck->start();
  connect(ui->TestMicrophone, SIGNAL(clicked(bool)), this, SLOT(onTestSignalLevel()));
  connect(audio, SIGNAL(destroyed(QObject*)), this, SLOT(onAudioHandlerDestroyed()));
}

AudioHandler::~AudioHandler() {
  // A window torn down without cancel still gives the microphone back.
  if (m_testRunning && m_audio) {
    m_audio->stopSignalLevelMeasurement();
    m_audio->setRecordingDevice(m_recordingBeforeTest);
  }
}

void AudioHandler::changed() { emit enableSave(true); }

void AudioHandler::onDevicesChanged() {
  fillPlaybackDevices();
  fillRecordingDevices();
  fillRingingDevices();
}

void AudioHandler::retranslate() {
  ui->playbackSelect->setItemText(0, tr("Use Default"));
  ui->recordingSelect->setItemText(0, tr("Use Default"));
  ui->ringDeviceSelect->setItemText(0, tr("Use Output Device"));
}

void AudioHandler::fillPlaybackDevices() {
  if (!m_audio) return;
  fill(ui->playbackSelect, tr("Use Default"), m_audio->playbackDevices(),
       Utils::SettingsKey::AudioCallPlaybackDevice);
}

void AudioHandler::fillRecordingDevices() {
  if (!m_audio) return;
  fill(ui->recordingSelect, tr("Use Default"), m_audio->recordingDevices(),
       Utils::SettingsKey::AudioRecordingDevice);
}

void AudioHandler::fillRingingDevices() {
  if (!m_audio) return;
  fill(ui->ringDeviceSelect, tr("Use Output Device"), m_audio->playbackDevices(),
       Utils::SettingsKey::AudioRingingDevice);
}

void AudioHandler::saveSettings() {
  if (m_testRunning) stopMicrophoneTest();
  RAZ::Settings settings(RAZ::Settings::User);
  settings.setValue(Utils::SettingsKey::AudioCallPlaybackDevice,
                    ui->playbackSelect->currentData().toByteArray());
  settings.setValue(Utils::SettingsKey::AudioRecordingDevice,
                    ui->recordingSelect->currentData().toByteArray());
  settings.setValue(Utils::SettingsKey::AudioRingingDevice,
                    ui->ringDeviceSelect->currentData().toByteArray());
}

void AudioHandler::cancelSettings() {
  if (m_testRunning) stopMicrophoneTest();
}

void AudioHandler::onTestSignalLevel() {
  if (!m_testRunning)
    startMicrophoneTest();
  else
    stopMicrophoneTest();
}

void AudioHandler::startMicrophoneTest() {
  if (!m_audio) return;
  m_testRunning = true;
  m_recordingBeforeTest = m_audio->currentRecordingDevice();
  m_audio->setRecordingDevice(ui->recordingSelect->currentData().toByteArray());
  ui->levelMicrophone->onSignalLimitAbsChanged(32768);
  connect(this, SIGNAL(signalLevelAbsChanged4Microphone(long)), ui->levelMicrophone,
          SLOT(onSignalLevelAbsChanged(long)), Qt::UniqueConnection);
  connect(m_timer, SIGNAL(timeout()), this, SLOT(onSignalLevelData()));
  m_audio->startSignalLevelMeasurement(m_measureMicrophone);
  m_timer->start(100);
}

void AudioHandler::stopMicrophoneTest() {
  m_timer->stop();
  m_timer->disconnect();
  ui->levelMicrophone->onSignalLevelAbsChanged(0);
  m_testRunning = false;
  if (!m_audio) return;
  m_audio->stopSignalLevelMeasurement();
  m_audio->setRecordingDevice(m_recordingBeforeTest);
}

void AudioHandler::onSignalLevelData() {
  if (!m_audio) return;
  long level = 0;
  m_audio->getSignalLevel(level, m_levelMode);
  emit signalLevelAbsChanged4Microphone(level);
}

void AudioHandler::onAudioHandlerDestroyed() {
  // The engine is gone: the meter stops and the test cannot start again.
  m_timer->stop();
  m_timer->disconnect();
  m_testRunning = false;
  ui->levelMicrophone->onSignalLevelAbsChanged(0);
  ui->TestMicrophone->setEnabled(false);
}

}  // namespace Preferences

#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QComboBox;
class QTimer;

namespace RAZ {
namespace MediaEngine {
class IMediaHandlerAudio;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The audio page: call playback, microphone and ringing devices, and the
// microphone test with its level meter.
class AudioHandler : public QObject {
  Q_OBJECT

 public:
  AudioHandler(Ui::preferencesForm* ui, RAZ::MediaEngine::IMediaHandlerAudio* audio,
               QObject* parent);
  ~AudioHandler() override;

  bool isTestRunning() const { return m_testRunning; }

 signals:
  void enableSave(bool enable);
  void signalLevelAbsChanged4Microphone(long value);
  void signalLevelAbsChanged4Speaker(long value);

 public slots:
  void saveSettings();
  void cancelSettings();
  void changed();
  void onSignalLevelData();
  void onTestSignalLevel();
  void onAudioHandlerDestroyed();
  void onDevicesChanged();
  void retranslate();

 private:
  void fillPlaybackDevices();
  void fillRecordingDevices();
  void fillRingingDevices();
  void startMicrophoneTest();
  void stopMicrophoneTest();

  Ui::preferencesForm* ui;
  // The platform may take the handler away while the page is open.
  QPointer<RAZ::MediaEngine::IMediaHandlerAudio> m_audio;
  QTimer* m_timer;
  bool m_testRunning = false;
  const bool m_levelMode = true;
  const bool m_measureMicrophone = true;
  QByteArray m_recordingBeforeTest;
};

}  // namespace Preferences

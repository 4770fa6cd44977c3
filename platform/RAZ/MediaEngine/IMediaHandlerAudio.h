#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QTimer;

namespace RAZ {
namespace MediaEngine {

// One playback or recording device: what the user sees and what the engine
// is told.
struct AudioDevice {
  QString name;
  QByteArray id;
  bool operator==(const AudioDevice& o) const { return name == o.name && id == o.id; }
};

// The audio side of the media engine, as the program configures it.
class IMediaHandlerAudio : public QObject {
  Q_OBJECT
 public:
  explicit IMediaHandlerAudio(QObject* parent = nullptr) : QObject(parent) {}

  // Re-reads the audio devices of the system.
  virtual void refreshDevices() = 0;
  virtual void setEchoCancellation(bool on) = 0;
  virtual void setAutomaticGainControl(bool on) = 0;
  virtual void setNoiseSuppression(bool on) = 0;
  // Folder where recorded calls are written.
  virtual void setRecordingFolder(const QString& folder) = 0;

  virtual int getOutputVolume() const = 0;
  virtual void setOutputVolume(int volume) = 0;
  virtual bool getOutputMute() const = 0;
  virtual void setOutputMute(bool mute) = 0;

  virtual QList<AudioDevice> playbackDevices() const = 0;
  virtual QList<AudioDevice> recordingDevices() const = 0;
  // The devices in use; empty means the system's default.
  virtual QByteArray currentPlaybackDevice() const = 0;
  virtual QByteArray currentRecordingDevice() const = 0;
  virtual void setPlaybackDevice(const QByteArray& id) = 0;
  virtual void setRecordingDevice(const QByteArray& id) = 0;

  // The microphone level measurement: start, read (absolute: 0..32768,
  // otherwise 0..100), stop. Reading without a running measurement gives 0.
  virtual void startSignalLevelMeasurement(bool microphone) = 0;
  virtual bool getSignalLevel(long& level, bool absolute) = 0;
  virtual void stopSignalLevelMeasurement() = 0;

 signals:
  // The speaker's volume (0 to 100) or mute changed, whoever changed it.
  void outputVolumeChanged();
  void outputMuteChanged();
  // The system's device lists changed.
  void audioDeviceAvailabilityChanged(bool available);
};

// The stand-in media engine's audio handler. Its device lists come from Qt
// Multimedia where the system has devices (and the process is not told to
// stay silent), else from the demo's two of each. The level is the real
// microphone peak where a microphone can be opened, else a synthetic wave;
// the demo scripting interface can replace both.
class MediaHandlerAudio : public IMediaHandlerAudio {
  Q_OBJECT
 public:
  explicit MediaHandlerAudio(QObject* parent = nullptr);
  ~MediaHandlerAudio() override;

  void refreshDevices() override;
  void setEchoCancellation(bool on) override { m_echoCancellation = on; }
  void setAutomaticGainControl(bool on) override { m_agc = on; }
  void setNoiseSuppression(bool on) override { m_noiseSuppression = on; }
  void setRecordingFolder(const QString& folder) override { m_recordingFolder = folder; }

  int getOutputVolume() const override { return m_volume; }
  // Values outside 0..100 are clamped.
  void setOutputVolume(int volume) override {
    volume = qBound(0, volume, 100);
    if (volume == m_volume) return;
    m_volume = volume;
    emit outputVolumeChanged();
  }
  bool getOutputMute() const override { return m_mute; }
  void setOutputMute(bool mute) override {
    if (mute == m_mute) return;
    m_mute = mute;
    emit outputMuteChanged();
  }
  QList<AudioDevice> playbackDevices() const override {
    readDevices();
    return m_playback;
  }
  QList<AudioDevice> recordingDevices() const override {
    readDevices();
    return m_recording;
  }
  QByteArray currentPlaybackDevice() const override { return m_currentPlayback; }
  QByteArray currentRecordingDevice() const override { return m_currentRecording; }
  void setPlaybackDevice(const QByteArray& id) override { m_currentPlayback = id; }
  void setRecordingDevice(const QByteArray& id) override { m_currentRecording = id; }

  void startSignalLevelMeasurement(bool microphone) override;
  bool getSignalLevel(long& level, bool absolute) override;
  void stopSignalLevelMeasurement() override;

  // Scripting: replaces the device lists and reports the change from the
  // event loop.
  void setDevices(const QList<AudioDevice>& playback, const QList<AudioDevice>& recording);
  // Scripting: a fixed microphone level (absolute); negative returns to the
  // real or synthetic level.
  void setScriptedLevel(long level) { m_scriptedLevel = level; }

  static QList<AudioDevice> demoPlaybackDevices();
  static QList<AudioDevice> demoRecordingDevices();

  // Device names that are no device of their own (ALSA's converting
  // plug-ins such as "samplerate" or "upmix"): left out of the lists.
  static bool isPseudoDevice(const QString& name);
  // Where the system's device names come from (outputs when the argument is
  // true); tests stand in for the machine's sound system with it. Unset:
  // Qt Multimedia's lists.
  using DeviceProbe = std::function<QStringList(bool output)>;
  static void setDeviceProbe(DeviceProbe probe);
  // What the sound server calls its devices (device name to description),
  // in place of the names; unset: the server's own descriptions.
  using DescriptionProbe = std::function<QHash<QString, QString>(bool output)>;
  static void setDescriptionProbe(DescriptionProbe probe);
  // A sound server's monitor: the sound an output plays, offered as an
  // input. No microphone.
  static bool isMonitor(const QString& name);

  int refreshCount() const { return m_refreshCount; }
  bool echoCancellation() const { return m_echoCancellation; }
  bool automaticGainControl() const { return m_agc; }
  bool noiseSuppression() const { return m_noiseSuppression; }
  QString recordingFolder() const { return m_recordingFolder; }
  bool isMeasuring() const { return m_measuring; }

 private slots:
  void reportDevices();

 private:
  void readMicrophone(const QByteArray& data);
  bool openMicrophone();
  void closeMicrophone();
  // The system's lists are read when first asked for: asking the sound
  // system loads its library and walks its devices, which signing in
  // does not need.
  void readDevices() const;

  int m_refreshCount = 0;
  bool m_echoCancellation = false;
  bool m_agc = false;
  bool m_noiseSuppression = false;
  QString m_recordingFolder;
  int m_volume = 70;
  bool m_mute = false;
  mutable bool m_devicesRead = false;
  mutable QList<AudioDevice> m_playback;
  mutable QList<AudioDevice> m_recording;
  QByteArray m_currentPlayback;
  QByteArray m_currentRecording;
  bool m_measuring = false;
  long m_scriptedLevel = -1;
  long m_peak = 0;
  int m_phase = 0;
  QObject* m_input = nullptr;  // the open input of the measurement
};

}  // namespace MediaEngine
}  // namespace RAZ

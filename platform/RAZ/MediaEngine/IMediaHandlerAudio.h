#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace MediaEngine {

// The audio side of the media engine, as the program configures it: devices,
// processing, and the speaker's volume (0 to 100) and mute. Volume and mute
// changes are reported, whoever made them.
class IMediaHandlerAudio : public QObject {
  Q_OBJECT

 public:
  explicit IMediaHandlerAudio(QObject* parent = nullptr) : QObject(parent) {}
  ~IMediaHandlerAudio() override = default;
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

 signals:
  void outputVolumeChanged();
  void outputMuteChanged();
};

// A media engine's audio handler that keeps what it was told.
class MediaHandlerAudio : public IMediaHandlerAudio {
  Q_OBJECT

 public:
  explicit MediaHandlerAudio(QObject* parent = nullptr) : IMediaHandlerAudio(parent) {}
  void refreshDevices() override { ++m_refreshCount; }
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

  int refreshCount() const { return m_refreshCount; }
  bool echoCancellation() const { return m_echoCancellation; }
  bool automaticGainControl() const { return m_agc; }
  bool noiseSuppression() const { return m_noiseSuppression; }
  QString recordingFolder() const { return m_recordingFolder; }

 private:
  int m_refreshCount = 0;
  bool m_echoCancellation = false;
  bool m_agc = false;
  bool m_noiseSuppression = false;
  QString m_recordingFolder;
  int m_volume = 70;
  bool m_mute = false;
};

}  // namespace MediaEngine
}  // namespace RAZ

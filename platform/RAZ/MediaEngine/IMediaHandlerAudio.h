#pragma once

#include <QString>

namespace RAZ {
namespace MediaEngine {

// The audio side of the media engine, as the program configures it.
class IMediaHandlerAudio {
 public:
  virtual ~IMediaHandlerAudio() = default;
  // Re-reads the audio devices of the system.
  virtual void refreshDevices() = 0;
  virtual void setEchoCancellation(bool on) = 0;
  virtual void setAutomaticGainControl(bool on) = 0;
  virtual void setNoiseSuppression(bool on) = 0;
  // Folder where recorded calls are written.
  virtual void setRecordingFolder(const QString& folder) = 0;
};

// A media engine's audio handler that keeps what it was told.
class MediaHandlerAudio : public IMediaHandlerAudio {
 public:
  void refreshDevices() override { ++m_refreshCount; }
  void setEchoCancellation(bool on) override { m_echoCancellation = on; }
  void setAutomaticGainControl(bool on) override { m_agc = on; }
  void setNoiseSuppression(bool on) override { m_noiseSuppression = on; }
  void setRecordingFolder(const QString& folder) override { m_recordingFolder = folder; }

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
};

}  // namespace MediaEngine
}  // namespace RAZ

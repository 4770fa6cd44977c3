#pragma once

#include "Sound.h"

#include <functional>
#include <memory>

namespace RAZ {
namespace MediaEngine {

class FakeSoundFacility;

// Plays through Qt Multimedia: short WAV sounds with QSoundEffect, other
// files with QMediaPlayer (resource files are copied to a temporary file
// first, because the media back end only reads real files).
//
// Whether the machine has an audio output is asked on the first sound, not
// at start-up (asking loads the audio back end). Without one, the sounds are
// silent ones that still follow start and stop, and that is logged once.
class QtSoundFacility : public SoundFacility {
 public:
  using OutputProbe = std::function<bool()>;

  // `hasAudioOutput` answers whether an audio output exists; by default Qt
  // Multimedia's list of output devices.
  explicit QtSoundFacility(OutputProbe hasAudioOutput = OutputProbe());
  ~QtSoundFacility() override;

  Sound* createSound(const QString& fileName) override;
  void setOutputDevice(const QByteArray& device) override;

  // Whether sounds are audible (asks the probe the first time).
  bool hasAudioOutput();

 private:
  OutputProbe m_probe;
  int m_output = -1;  // unknown until the first sound
  std::unique_ptr<FakeSoundFacility> m_silent;
};

}  // namespace MediaEngine
}  // namespace RAZ

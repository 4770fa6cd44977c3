#pragma once

#include "Sound.h"

namespace RAZ {
namespace MediaEngine {

// Plays through Qt Multimedia: short WAV sounds with QSoundEffect, other
// files with QMediaPlayer (resource files are copied to a temporary file
// first, because the media back end only reads real files).
class QtSoundFacility : public SoundFacility {
 public:
  Sound* createSound(const QString& fileName) override;
};

}  // namespace MediaEngine
}  // namespace RAZ

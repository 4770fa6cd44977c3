#pragma once

#include <QByteArray>
#include <QString>

namespace RAZ {
namespace MediaEngine {

// The samples of a PCM WAV file as a sound server takes them. Only what our
// sounds are made of is read: integer PCM of 8, 16, 24 or 32 bits and 32-bit
// float, any rate, up to eight channels, in the plain or the extensible
// header. Anything else, and any file whose chunks do not add up, is
// refused: the file is the user's own choice of ring signal and may be
// anything.
struct WavFile {
  enum class Encoding { None, Unsigned8, Signed16, Signed24, Signed32, Float32 };

  Encoding encoding = Encoding::None;
  int sampleRate = 0;
  int channels = 0;
  // Whole frames only, little-endian as in the file.
  QByteArray samples;

  bool isValid() const { return encoding != Encoding::None && !samples.isEmpty(); }
  int bytesPerFrame() const;

  // Reads `data`; an invalid result says why in `error`.
  static WavFile parse(const QByteArray& data, QString* error = nullptr);
  // Reads the file or resource `path` (at most 64 MiB of it).
  static WavFile read(const QString& path, QString* error = nullptr);
};

}  // namespace MediaEngine
}  // namespace RAZ

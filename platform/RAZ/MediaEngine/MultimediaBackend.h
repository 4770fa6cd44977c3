#pragma once

#include "Sound.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;

namespace RAZ {
namespace MediaEngine {

// What the program uses of Qt Multimedia. It lives in a library of its own
// (libzent_multimedia.so beside the program), loaded on the first sound or
// device question: Qt Multimedia brings the sound server's client, sound file
// readers and codecs (some twenty libraries) that the sign-in window does not
// need and a start would otherwise wait for.
class MultimediaBackend {
 public:
  // Reports what went wrong inside the library to the program's log.
  using Log = void (*)(const char* where, int level, const QString& text);

  virtual ~MultimediaBackend() = default;

  // Whether the machine has an audio output (asking loads the audio back end).
  virtual bool hasAudioOutput() = 0;
  // The names of the machine's audio outputs (`output`) or inputs.
  virtual QStringList audioDeviceNames(bool output) = 0;
  // What the sound server shows for its devices (device name to
  // description); empty without a server that tells.
  virtual QHash<QString, QString> audioDeviceDescriptions(bool output) = 0;
  // The machine's cameras: (device name, description).
  virtual QList<QPair<QString, QString>> cameras() = 0;

  // A short WAV sound played from memory; `path` may be a resource. Each
  // start plays on the output `device` names then (a device name as
  // audioDeviceNames gives it, in UTF-8; empty or unknown: the default).
  virtual Sound* createEffectSound(const QString& path,
                                   std::shared_ptr<const QByteArray> device) = 0;
  // A sound of any format the media back end decodes, from the real file
  // `localPath`; `fileName` is the name the sound reports.
  virtual Sound* createPlayerSound(const QString& fileName, const QString& localPath,
                                   std::shared_ptr<const QByteArray> device) = 0;

  // Reads 16-bit mono samples at 8 kHz from the input named `device` (the
  // default input where it is empty or unknown) and hands each block read to
  // `samples`. Destroying the returned object closes the input. Null when the
  // input cannot be opened.
  virtual QObject* openMicrophone(const QByteArray& device, QObject* parent,
                                  std::function<void(const QByteArray&)> samples) = 0;
};

// The library's backend, loaded on the first call and kept for the process's
// life; null when the library cannot be loaded (logged once). Programs of the
// build that do not live beside the library (tests, tools) find it through
// ZENT_DIST_DIR.
MultimediaBackend* multimediaBackend();

}  // namespace MediaEngine
}  // namespace RAZ

// The library's one exported function: MultimediaBackend* (MultimediaBackend::Log).
#define ZENT_MULTIMEDIA_ENTRY "zentCreateMultimediaBackend"

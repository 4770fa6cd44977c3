#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QObject;

namespace RAZ {
namespace MediaEngine {

// One playable sound, made by the sound facility for a file. Owned by whoever
// asked for it; destroying it stops it.
class Sound {
 public:
  virtual ~Sound() = default;
  // Starts from the beginning; with `loop` the sound repeats until stop().
  // False when the sound cannot be started (the reason is logged).
  virtual bool start(bool loop) = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
  virtual QString fileName() const = 0;
  // What a sound server's mixer lists the sound's stream as, under the
  // program's name ("Ringer", "Message"), from the next start; without one,
  // the file's base name.
  virtual void setStreamName(const QString& name) { m_streamName = name; }
  QString streamName() const { return m_streamName; }
  // What the desktop routes, ducks and restores the sound's stream by (a
  // sound server's media role: "phone" for a ringer, "event" for a
  // notification), from the next start; without one, a looping sound is
  // taken for a ringer and any other for a notification.
  virtual void setRole(const QByteArray& role) { m_role = role; }
  QByteArray role() const { return m_role; }

 protected:
  QString m_streamName;
  QByteArray m_role;
};

// The media engine's sound service: turns a file name (a resource path such
// as ":/sounds/calling.wav" or a file path) into a sound object.
class SoundFacility {
 public:
  virtual ~SoundFacility() = default;
  // Null when the file does not exist or cannot be decoded (logged).
  virtual Sound* createSound(const QString& fileName) = 0;
  // The audio output the facility's sounds play on, from each sound's next
  // start: an id of the audio handler's playback devices, or empty for the
  // system's default output. A sound that loops (a ringer) is told apart
  // from one played once (a notification) where the output can name them.
  virtual void setOutputDevice(const QByteArray& device) { *m_device = device; }
  QByteArray outputDevice() const { return *m_device; }

 protected:
  // Shared with the sounds the facility makes, which read it as they start.
  std::shared_ptr<QByteArray> m_device = std::make_shared<QByteArray>();
};

// The facility this process uses: audio through Qt Multimedia (silent where
// the machine has no audio output), or a silent one when
// ZENT_SOUND_BACKEND=silent is set. Either choice is logged once.
SoundFacility* createDefaultSoundFacility();

class MediaHandlerBase;
// The process's media engine with the default sound facility, owned by
// `owner`; an engine that exists already is kept and returned.
MediaHandlerBase* startMediaEngine(QObject* owner);

}  // namespace MediaEngine
}  // namespace RAZ

#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace RAZ {
namespace MediaEngine {
class Sound;
}
}  // namespace RAZ

namespace Utils {
namespace Sounds {

// Plays one sound file through the media engine, once or in an endless loop.
// Without a media engine (or without the file) the player stays silent.
class TemporaryFilePlayer : public QObject {
  Q_OBJECT
 public:
  // What the sound is for: a sound server's mixer lists the player's stream
  // by it, so that the ringer can be told from a message sound.
  enum class Purpose { Sound, Ringer, CallingTone, Message, Preview };

  explicit TemporaryFilePlayer(const QString& fileName, QObject* parent = nullptr);
  ~TemporaryFilePlayer() override;

  // Loads another file; an empty name changes nothing.
  void setFile(const QString& fileName);
  QString fileName() const { return m_fileName; }
  // 1 plays once; any other count loops until stop().
  void setLoops(int count) { m_loops = count; }
  int loops() const { return m_loops; }
  bool isIdle() const;
  bool hasSound() const { return m_sound != nullptr; }
  void setPurpose(Purpose purpose) { m_purpose = purpose; }
  Purpose purpose() const { return m_purpose; }
  // The stream's name for `purpose`, in the interface's current language;
  // empty for a sound of no particular purpose.
  static QString streamName(Purpose purpose);
  // The role the desktop routes and ducks the stream by, as its own
  // programs give theirs: "phone" for what rings, "event" for the rest.
  static QByteArray streamRole(Purpose purpose);

 public slots:
  virtual void play();
  virtual void stop();

 protected:
  // Forgets the sound object (stopping it) and the name.
  void clearSound();

 private:
  std::unique_ptr<RAZ::MediaEngine::Sound> m_sound;
  int m_loops;
  Purpose m_purpose = Purpose::Sound;
  QString m_fileName;
};

}  // namespace Sounds
}  // namespace Utils

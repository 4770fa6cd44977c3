#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include "libqml/utils/ConfigXML.h"

namespace RAZ {
namespace Configuration {
class Config;
}
namespace MediaEngine {
class IMediaHandlerAudio;
}
}  // namespace RAZ

namespace Providers {

// The speaker's volume and mute for the volume sliders. Without an audio
// handler (or once it is gone) it reads 0 and unmuted and ignores changes.
// The volume is kept in "mediaVolume/volumelevel" between sessions.
class MediaVolumeHelper : public QObject {
  Q_OBJECT
  Q_PROPERTY(int systemVolume READ systemVolume WRITE setSystemVolume NOTIFY systemVolumeChanged)
  Q_PROPERTY(bool systemMute READ systemMute WRITE setSystemMute NOTIFY systemMuteChanged)

 public:
  explicit MediaVolumeHelper(RAZ::MediaEngine::IMediaHandlerAudio* audio,
                             QObject* parent = nullptr);
  ~MediaVolumeHelper() override;

  int systemVolume() const;
  bool systemMute() const;

 public slots:
  void setSystemVolume(int volume);
  void setSystemMute(bool mute);

 signals:
  void systemVolumeChanged();
  void systemMuteChanged();

 private:
  QPointer<RAZ::MediaEngine::IMediaHandlerAudio> m_audio;
};

// Whether contact pictures are shown ("contactlist/showProfilePhotos").
class ProfilePictureHelper : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool showProfilePictures READ showProfilePictures WRITE setShowProfilePictures NOTIFY
                 showProfilePicturesChanged)

 public:
  explicit ProfilePictureHelper(QObject* parent = nullptr);
  bool showProfilePictures() const { return m_show; }
  void setShowProfilePictures(bool show);
  // The picture of an avatar address (a "file:" URL or a local path) for a
  // scene's Pixmap element; a null pixmap when there is none or it cannot
  // be read.
  Q_INVOKABLE QPixmap picture(const QString& avatar) const;

 signals:
  void showProfilePicturesChanged();

 private:
  bool m_show = true;
};

// The configuration values the scenes read, taken once from the running
// application's configuration (all off without one).
class ConfigXML : public QML::ConfigXML {
  Q_OBJECT

 public:
  explicit ConfigXML(QObject* parent = nullptr);
  explicit ConfigXML(const RAZ::Configuration::Config* config, QObject* parent = nullptr);

  bool playingFileIntoCall() const override { return m_playingFileIntoCall; }
  bool offlineMsgIndicatorEnabled() const override { return m_offlineIndicator; }
  CallTransferType callTransferType() const override {
    return static_cast<CallTransferType>(m_transferType);
  }
  // "talk-first", "blind" and "full", exactly as written; anything else none.
  static CallTransferType transferTypeOf(const QString& value);

 private:
  void read(const RAZ::Configuration::Config* config);

  bool m_playingFileIntoCall = false;
  bool m_offlineIndicator = false;
  int m_transferType = NoCT;
};

}  // namespace Providers

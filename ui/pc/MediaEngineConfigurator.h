#pragma once

#include <QObject>

namespace Preferences {
class Watcher;
}
namespace RAZ {
namespace MediaEngine {
class IMediaHandlerAudio;
class IMediaHandlerVideo;
}  // namespace MediaEngine
}  // namespace RAZ

// Hands the user's audio and video preferences (recording folder, camera and
// its capture size, automatic gain control) to the media engine when built
// and on every preference change.
class MediaEngineConfigurator : public QObject {
  Q_OBJECT
 public:
  // None of the pointers is owned; all must outlive this object.
  MediaEngineConfigurator(Preferences::Watcher* watcher,
                          RAZ::MediaEngine::IMediaHandlerAudio* audio,
                          RAZ::MediaEngine::IMediaHandlerVideo* video, QObject* parent = nullptr);

 public slots:
  void configChanged();

 private:
  Preferences::Watcher* m_watcher;
  RAZ::MediaEngine::IMediaHandlerAudio* m_audio;
  RAZ::MediaEngine::IMediaHandlerVideo* m_video;
};

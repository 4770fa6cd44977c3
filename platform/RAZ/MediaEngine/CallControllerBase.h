#pragma once

#include <QList>
#include <QObject>
#include <QSize>

namespace RAZ {
namespace MediaEngine {

class IMediaHandlerAudio;
class IMediaHandlerVideo;

// The session's call controller: owns the calls and hands out the media
// engine's audio and video handlers.
class CallControllerBase : public QObject {
  Q_OBJECT
 public:
  // The handlers are not owned; either may be null.
  CallControllerBase(IMediaHandlerAudio* audio, IMediaHandlerVideo* video,
                     QObject* parent = nullptr)
      : QObject(parent), m_audio(audio), m_video(video) {}

  IMediaHandlerAudio* GetMediaHandlerAudio() const { return m_audio; }
  IMediaHandlerVideo* GetMediaHandlerVideo() const { return m_video; }

  void setScreenSize(const QSize& size) { m_screenSize = size; }
  void setScreenSize(int width, int height) { m_screenSize = QSize(width, height); }
  QSize screenSize() const { return m_screenSize; }

  int callCount() const { return m_callCount; }
  // Changes the number of calls and reports whether any is held.
  void setCallCount(int count) {
    const bool before = m_callCount > 0;
    m_callCount = count < 0 ? 0 : count;
    if (before != (m_callCount > 0)) emit activeCalls(m_callCount > 0);
  }

 signals:
  // True while the controller holds at least one call.
  void activeCalls(bool active);

 private:
  IMediaHandlerAudio* m_audio;
  IMediaHandlerVideo* m_video;
  QSize m_screenSize;
  int m_callCount = 0;
};

}  // namespace MediaEngine
}  // namespace RAZ

#pragma once

#include <QList>
#include <QObject>
#include <QSize>

#include "RAZ/MediaEngine/CallBasePtr.h"

namespace RAZ {
namespace MediaEngine {

class IMediaHandlerAudio;
class IMediaHandlerVideo;

// The session's call controller: owns the calls and hands out the media
// engine's audio and video handlers. Starting or answering a call while
// another one runs is put to the user first (confirmCall,
// confirmIncomingCall); the other call is held once the user agrees.
class CallControllerBase : public QObject {
  Q_OBJECT
 public:
  // The handlers are not owned; either may be null.
  CallControllerBase(IMediaHandlerAudio* audio, IMediaHandlerVideo* video,
                     QObject* parent = nullptr)
      : QObject(parent), m_audio(audio), m_video(video) {}
  ~CallControllerBase() override;

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

  // The calls the controller holds, oldest first. A call leaves the list
  // when it closes.
  QList<RAZ::MediaEngine::Call> getCalls() const { return m_calls; }
  // Takes a call in (counted); false for null or a call held already.
  bool addCall(RAZ::MediaEngine::CallBasePtr* call);
  // Lets a call go (it stays alive while others count it).
  void removeCall(RAZ::MediaEngine::CallBasePtr* call);
  // The call that runs (connected, not held) other than `except`, or null.
  RAZ::MediaEngine::CallBasePtr* activeCallOtherThan(
      const RAZ::MediaEngine::CallBasePtr* except) const;

  // Before a new outgoing call: asks (confirmCall) when another call runs
  // and holds it when the answer is yes. False: the new call must not start.
  bool confirmNewCall(RAZ::MediaEngine::CallBasePtr* call);
  // Before answering `call`: true when another call runs and the question
  // was put instead (the call waits for cbCallConfirmed or close).
  bool askBeforeAnswering(RAZ::MediaEngine::CallBasePtr* call);
  // Holds every running call other than `except`.
  void holdOthers(const RAZ::MediaEngine::CallBasePtr* except);
  // The camera could not be started for a call.
  void reportVideoStartFailure() { emit failedToStartVideo(); }

 signals:
  // True while the controller holds at least one call.
  void activeCalls(bool active);
  // The user starts `call` while `otherCall` runs; `ok` must be set before
  // the receiver returns (direct connection).
  void confirmCall(RAZ::MediaEngine::Call call, RAZ::MediaEngine::Call otherCall, bool& ok);
  // The user answers `call` while `otherCall` runs.
  void confirmIncomingCall(RAZ::MediaEngine::Call call, RAZ::MediaEngine::Call otherCall);
  void failedToStartVideo();

 private:
  void onCallClosed();

  IMediaHandlerAudio* m_audio;
  IMediaHandlerVideo* m_video;
  QSize m_screenSize;
  int m_callCount = 0;
  QList<RAZ::MediaEngine::Call> m_calls;
};

}  // namespace MediaEngine
}  // namespace RAZ

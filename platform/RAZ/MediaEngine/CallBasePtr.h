#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <QStringList>

#include <TP/Sip/Uri.h>
#include <tp/core/RefCountable.h>
#include <tp/core/SmartPtr.h>

namespace RAZ {
namespace MediaEngine {

class CallControllerBase;

// One call of the media engine, shared by reference count
// (TP::Core::Refcounting::SmartPtr<CallBasePtr>). The last holder deletes it.
class CallBasePtr : public QObject, public TP::Core::RefCountable {
  Q_OBJECT
  Q_PROPERTY(bool microphoneMuted READ microphoneMuted NOTIFY microphoneMutedChanged)
  Q_PROPERTY(int callState READ callStateValue NOTIFY stateChanged)
  Q_PROPERTY(int videoState READ getVideoState NOTIFY videoStateChanged)
  Q_PROPERTY(QString remoteAddress READ remoteAddress CONSTANT)
  Q_PROPERTY(QDateTime connectedAt READ connectedAt NOTIFY stateChanged)
  Q_PROPERTY(int recordingState READ getRecordingState NOTIFY recordingStateChanged)
  Q_PROPERTY(bool conference READ isConference NOTIFY conferenceChanged)

 public:
  // The engine's call states. The numbers are the ones the whole client
  // reads (state texts, menus, drops): 1 and 11 are calls being placed, 2
  // and 12 calls waiting for the user, 3 and 5 calls with media, 7 to 10
  // held or handed over, and 0, 4 and 6 calls with no connection.
  enum CallState {
    StateIdle = 0,
    StateDialing = 1,
    StateIncoming = 2,
    StateInCall = 3,
    StateClosing = 4,
    StateEarlyMedia = 5,
    StateClosed = 6,
    StateHeld = 7,
    StateRemoteHeld = 8,
    StateHolding = 9,
    StateTransferring = 10,
    StateRinging = 11,
    StateAttention = 12
  };
  Q_ENUM(CallState)

  enum CallType { TypeAudio = 1, TypeVideo = 2, TypeConference = 4, TypeDeskphone = 5 };
  Q_ENUM(CallType)

  CallBasePtr(const QString& remoteAddress, CallType type, bool incoming,
              QObject* parent = nullptr);
  ~CallBasePtr() override;

  Q_INVOKABLE RAZ::MediaEngine::CallBasePtr::CallState getCallState() const { return m_state; }
  Q_INVOKABLE int getType() const { return m_type; }
  Q_INVOKABLE bool isIncoming() const { return m_incoming; }
  Q_INVOKABLE bool isVideoActive() const { return m_type == TypeVideo; }
  QString remoteAddress() const { return m_remote; }
  bool microphoneMuted() const { return m_muted; }

  // Moves the call to the state; a closed call stays closed (false).
  bool setCallState(RAZ::MediaEngine::CallBasePtr::CallState state);
  int callStateValue() const { return m_state; }
  // When the call was first connected (invalid before).
  QDateTime connectedAt() const { return m_connectedAt; }

  // Whether media flows: both ways, only towards the user (the party
  // holds), or not at all (not connected, or the user holds).
  enum MediaState { MediaNone = 0, MediaBothWays = 1, MediaTowardsUser = 4 };
  Q_ENUM(MediaState)
  Q_INVOKABLE int getMediaState() const;

  // Video: none, being set up, running (the numbers are the engine's; no
  // other state exists). Local video is the own camera picture, of the size
  // the camera delivers. Scenes read Vantre.Call.VideoNone and the others.
  enum VideoState { VideoNone = 0, VideoStarting = 1, VideoActive = 3 };
  Q_ENUM(VideoState)
  Q_INVOKABLE int getVideoState() const { return m_videoState; }
  void setVideoState(RAZ::MediaEngine::CallBasePtr::VideoState state);
  bool hasLocalVideo() const { return m_localVideo; }
  QSize getLocalVideoSize() const { return m_localVideoSize; }
  void setLocalVideo(bool on, const QSize& size);
  // Where the media engine draws: the remote picture and the own preview.
  // The stand-in engine paints a moving test picture into each while video
  // runs. Widgets that go away are simply no longer painted.
  void setVideoWindows(WId remote, WId own);
  QWidget* remoteVideoWindow() const { return m_remoteWindow; }
  QWidget* ownVideoWindow() const { return m_ownWindow; }

  // Touch tones the user sent on the call, in order (what the far end
  // heard); a "," stands for a pause the dial string asked for.
  QString sentTones() const { return m_sentTones; }

  // Whether the call is recorded; RecordingUnknown before the service said.
  enum RecordingState {
    RecordingUnknown = -1,
    NotRecording = 0,
    Recording = 1,
    RecordingPaused = 2
  };
  Q_ENUM(RecordingState)
  int getRecordingState() const { return m_recording; }
  void setRecordingState(int state);
  // How the call was placed: 0 from this client; 2 and 5 from the user's
  // phone (click to dial, desk phone), which carries the media itself.
  enum CallKind { KindClient = 0, KindClickToDial = 2, KindDeskphone = 5 };
  Q_INVOKABLE int getCallKind() const { return m_type == TypeDeskphone ? KindDeskphone : m_kind; }
  void setCallKind(int kind) { m_kind = kind; }
  bool isConference() const { return m_conference; }
  void setConference(bool on);
  // The party the call came from; it is set with who handed the call over
  // (empty when none).
  QString getFromAddress() const { return m_from.isEmpty() ? m_remote : m_from; }
  void setFromAddress(const QString& from, const QString& transferredFrom);
  // The same addresses parsed (display name, user part); the transferred-from
  // one is null when the call was not handed over.
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> getFromUri() const;
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> getTransferredFromUri() const;
  // Further addresses the remote party is known by (other numbers).
  QStringList getAlternativeAddresses() const { return m_alternatives; }
  void setAlternativeAddresses(const QStringList& addresses) { m_alternatives = addresses; }
  bool isVideoCall() const { return m_type == TypeVideo; }
  bool isConferenceCall() const { return m_conference; }
  // The conference's own address (the remote address of a conference call).
  QString getConferenceAddress() const { return m_conference ? m_remote : QString(); }
  // Why the call ended (close reason): the party was busy, declined, did not
  // answer, or the caller gave up; 0 for an ordinary end.
  enum CloseReason {
    CloseNormal = 0,
    CloseFailed = 1,
    CloseNoAnswer = 408,
    CloseBusy = 486,
    CloseCallerGaveUp = 487,
    CloseDeclined = 603
  };
  int getCloseReason() const { return m_closeReason; }
  // The name the program shows for the remote party.
  QString getRemoteDisplayName() const { return m_remoteDisplayName; }
  void setRemoteDisplayName(const QString& name);
  // Where video is drawn: the remote picture and the own preview, one at a
  // time (see setVideoWindows).
  void setRemoteVideoWindow(WId remote);
  void setOwnVideoWindow(WId own);

  // The controller that holds the call and decides about answering while
  // another call runs; null for a call of its own (tests).
  void setController(RAZ::MediaEngine::CallControllerBase* controller);
  RAZ::MediaEngine::CallControllerBase* controller() const;

 public slots:
  void muteMicrophone();
  void unmuteMicrophone();
  void toggleHold();
  // Answers a ringing call. While another call runs the controller asks
  // first (confirmIncomingCall); the call then waits for cbCallConfirmed().
  void answer();
  // The user agreed to answer while another call runs: the other calls are
  // held and this one is answered.
  void cbCallConfirmed();
  void close(int reason);
  void close() { close(0); }
  void startVideo();
  void stopVideo();
  // Sends touch tones: the digits, "*" and "#", with "," for a pause. Only
  // a call that carries media takes them; a text with anything else sends
  // nothing at all (false), so a paste never reaches the far end in part.
  bool sendDtmf(const QString& tones);

 signals:
  void callStateChanged(RAZ::MediaEngine::CallBasePtr* call,
                        RAZ::MediaEngine::CallBasePtr::CallState state);
  void microphoneMutedChanged();
  void stateChanged();
  void videoStateChanged();
  void recordingStateChanged();
  void conferenceChanged();
  // The call connected (first time), and the call ended.
  void opened();
  void closed();
  void remoteDisplayNameChanged();
  // Tones went out on the call (sendDtmf), as sent.
  void dtmfSent(const QString& tones);

 private:
  void updateTestPictures();

  QString m_remote;
  CallType m_type;
  bool m_incoming;
  CallState m_state;
  bool m_muted = false;
  QDateTime m_connectedAt;
  int m_videoState = VideoNone;
  bool m_localVideo = false;
  QSize m_localVideoSize;
  QPointer<QWidget> m_remoteWindow;
  QPointer<QWidget> m_ownWindow;
  int m_recording = NotRecording;
  int m_kind = KindClient;
  bool m_conference = false;
  QString m_from;
  QString m_transferredFrom;
  QStringList m_alternatives;
  QString m_remoteDisplayName;
  QPointer<QObject> m_controller;
  int m_closeReason = CloseNormal;
  QString m_sentTones;
};

// A call as the controllers hand it around: counted, so a call that a
// window or a question still holds outlives its session's reference.
using Call = TP::Core::Refcounting::SmartPtr<CallBasePtr>;

}  // namespace MediaEngine
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::MediaEngine::CallBasePtr*)
Q_DECLARE_METATYPE(RAZ::MediaEngine::Call)

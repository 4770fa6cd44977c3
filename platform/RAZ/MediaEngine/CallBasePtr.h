#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

#include <tp/core/RefCountable.h>

namespace RAZ {
namespace MediaEngine {

// One call of the media engine, shared by reference count
// (TP::Core::Refcounting::SmartPtr<CallBasePtr>). The last holder deletes it.
class CallBasePtr : public QObject, public TP::Core::RefCountable {
  Q_OBJECT
  Q_PROPERTY(bool microphoneMuted READ microphoneMuted NOTIFY microphoneMutedChanged)

 public:
  enum CallState {
    StateIdle = 0,
    StateDialing = 1,
    StateIncoming = 2,
    StateInCall = 3,
    StateRinging = 4,
    StateEarlyMedia = 5,
    StateHolding = 6,
    StateHeld = 7,
    StateRemoteHeld = 8,
    StateTransferring = 9,
    StateClosing = 10,
    StateClosed = 11,
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

 public slots:
  void muteMicrophone();
  void unmuteMicrophone();
  void toggleHold();
  void answer();
  void close(int reason);

 signals:
  void callStateChanged(RAZ::MediaEngine::CallBasePtr* call,
                        RAZ::MediaEngine::CallBasePtr::CallState state);
  void microphoneMutedChanged();

 private:
  QString m_remote;
  CallType m_type;
  bool m_incoming;
  CallState m_state;
  bool m_muted = false;
};

}  // namespace MediaEngine
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::MediaEngine::CallBasePtr*)

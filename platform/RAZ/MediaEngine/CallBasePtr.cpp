#include "RAZ/MediaEngine/CallBasePtr.h"

namespace RAZ {
namespace MediaEngine {

CallBasePtr::CallBasePtr(const QString& remoteAddress, CallType type, bool incoming,
                         QObject* parent)
    : QObject(parent),
      TP::Core::RefCountable(true, QStringLiteral("RAZ::MediaEngine::CallBasePtr")),
      m_remote(remoteAddress),
      m_type(type),
      m_incoming(incoming),
      m_state(incoming ? StateIncoming : StateDialing) {}

CallBasePtr::~CallBasePtr() = default;

bool CallBasePtr::setCallState(CallState state) {
  if (m_state == StateClosed || state == m_state) return false;
  m_state = state;
  emit callStateChanged(this, state);
  return true;
}

void CallBasePtr::muteMicrophone() {
  if (m_muted) return;
  m_muted = true;
  emit microphoneMutedChanged();
}

void CallBasePtr::unmuteMicrophone() {
  if (!m_muted) return;
  m_muted = false;
  emit microphoneMutedChanged();
}

void CallBasePtr::toggleHold() {
  if (m_state == StateInCall)
    setCallState(StateHeld);
  else if (m_state == StateHeld)
    setCallState(StateInCall);
}

void CallBasePtr::answer() {
  if (m_state == StateIncoming || m_state == StateRinging) setCallState(StateInCall);
}

void CallBasePtr::close(int reason) {
  Q_UNUSED(reason);
  setCallState(StateClosed);
}

}  // namespace MediaEngine
}  // namespace RAZ

#include "RAZ/MediaEngine/CallControllerBase.h"

#include <TP/Core/Logging.h>

namespace RAZ {
namespace MediaEngine {

namespace {
bool runs(const CallBasePtr* call) {
  const CallBasePtr::CallState s = call->getCallState();
  return s == CallBasePtr::StateInCall || s == CallBasePtr::StateEarlyMedia ||
         s == CallBasePtr::StateRemoteHeld || s == CallBasePtr::StateAttention;
}
}  // namespace

CallControllerBase::~CallControllerBase() {
  for (const Call& call : qAsConst(m_calls))
    if (call) disconnect(call.Raw(), nullptr, this, nullptr);
}

bool CallControllerBase::addCall(CallBasePtr* call) {
  if (!call) return false;
  for (const Call& held : qAsConst(m_calls))
    if (held.Raw() == call) return false;
  m_calls.append(Call(call));
  call->setController(this);
  connect(call, &CallBasePtr::closed, this, &CallControllerBase::onCallClosed);
  setCallCount(m_callCount + 1);
  return true;
}

void CallControllerBase::removeCall(CallBasePtr* call) {
  for (int i = 0; i < m_calls.size(); ++i) {
    if (m_calls.at(i).Raw() != call) continue;
    disconnect(call, nullptr, this, nullptr);
    // The list's count goes last: the call may end with it.
    Call last = m_calls.takeAt(i);
    setCallCount(m_callCount - 1);
    return;
  }
}

void CallControllerBase::onCallClosed() {
  if (auto* call = qobject_cast<CallBasePtr*>(sender())) removeCall(call);
}

CallBasePtr* CallControllerBase::activeCallOtherThan(const CallBasePtr* except) const {
  for (const Call& call : m_calls)
    if (call && call.Raw() != except && runs(call.Raw())) return call.Raw();
  return nullptr;
}

bool CallControllerBase::confirmNewCall(CallBasePtr* call) {
  CallBasePtr* other = activeCallOtherThan(call);
  if (!call || !other) return true;
  bool ok = false;
  emit confirmCall(Call(call), Call(other), ok);
  TP_LOG("RAZ::MediaEngine::CallControllerBase::confirmNewCall", TP::Core::Logging::LevelDetail)
      << "New call while another runs: " << (ok ? "confirmed" : "refused");
  if (ok) holdOthers(call);
  return ok;
}

bool CallControllerBase::askBeforeAnswering(CallBasePtr* call) {
  CallBasePtr* other = activeCallOtherThan(call);
  if (!call || !other) return false;
  emit confirmIncomingCall(Call(call), Call(other));
  return true;
}

void CallControllerBase::holdOthers(const CallBasePtr* except) {
  // Copied: holding may end a call, which leaves the list.
  const QList<Call> calls = m_calls;
  for (const Call& call : calls)
    if (call && call.Raw() != except && call->getCallState() == CallBasePtr::StateInCall)
      call->toggleHold();
}

}  // namespace MediaEngine
}  // namespace RAZ

#include "RAZ/MediaEngine/Spirit/CallDebugInfo.h"

namespace RAZ {
namespace MediaEngine {
namespace Spirit {

CallDebugInfo::CallDebugInfo(TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call,
                             QObject* parent)
    : QObject(parent), m_call(call) {
  // Tones are shown as they go out, not only at the next read.
  if (m_call)
    connect(m_call.Raw(), &RAZ::MediaEngine::CallBasePtr::dtmfSent, this, &CallDebugInfo::changed);
  init();
}

CallDebugInfo::~CallDebugInfo() = default;

void CallDebugInfo::init() {
  ++m_initCount;
  if (!m_call) {
    m_lastError = QStringLiteral("The call has ended");
    emit changed();
    return;
  }
  m_lastError.clear();
  // The demo engine's statistics move on with every read.
  const int n = m_initCount;
  m_CpuStateProcess = 12 + n % 7;
  m_CpuStateTotal = 31 + n % 11;
  m_sendStreamFrames = 300 * n;
  m_sendStreamIntraFrames = 3 * n;
  m_sendStreamFPS = 30;
  m_sendStreamAverageJitter = 4;
  m_sendStreamPeakJitter = 11;
  m_recvStreamFramesDecoded = 298 * n;
  m_recvStreamIntraFramesDecoded = 3 * n;
  m_recvStreamFrameRate = 29;
  m_recvStreamPacketsReceived = 410 * n;
  m_recvStreamPacketsLost = n / 3;
  m_recvStreamBitrate = 480;
  m_recvStreamBitrateFull = 512;
  m_recvStreamJitter = 5;
  m_recvStreamOnlineTime = 10 * n;
  emit changed();
}

}  // namespace Spirit
}  // namespace MediaEngine
}  // namespace RAZ

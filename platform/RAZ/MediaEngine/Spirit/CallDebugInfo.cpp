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
  // What the demo engine starts a call with; the tester changes it.
  m_aec = true;
  m_aecAutoMode = true;
  m_aecNLP = true;
  m_aecCNG = true;
  m_aecMode = 3;
  m_ns = true;
  m_agc = true;
  m_acMicGain = 180;
  m_acSpeakerGain = 200;
  m_acSystemMicGain = 160;
  m_acSystemSpeakerGain = 190;
  m_channelMicGain = 128;
  m_channelSpeakerGain = 128;
  m_enableARS = true;
  m_arsAutoFec = true;
  m_arsProfile = 1;
  m_arsInitialBitrate = 512;
  m_arsLoBitrate = 128;
  m_arsHiBitrate = 1024;
  m_arsLoFramerate = 10;
  m_arsHiFramerate = 30;
  m_keepAliveSec = 30;
  m_enableQOS = true;
  m_CpuParmEnabled = true;
  m_CpuParmMaxProcess = 60;
  m_CpuParmMaxTotal = 85;
  m_CpuStateEnabled = true;
  m_audioInputDevice = QStringLiteral("Demo microphone");
  m_audioOutputDevice = QStringLiteral("Demo speaker");
  m_videoCaptureDevice = QStringLiteral("Demo camera");
  m_voiceEncoderCodecName = QStringLiteral("OPUS");
  m_voiceEncoderPayloadType = 111;
  m_voiceEncoderSamplingFreq = 48000;
  m_voiceEncoderFrameLength = 20;
  m_voiceEncoderBitrate = 32000;
  m_videoEncoderCodecName = QStringLiteral("H264");
  m_videoEncoderPayloadType = 96;
  m_videoEncoderImageSize = QStringLiteral("640x480");
  m_videoEncoderFramerate = 30;
  m_videoEncoderBitrate = 512;
  m_videoEncoderKeyPeriod = 100;
  m_sendStreamCodecName = m_videoEncoderCodecName;
  m_sendStreamPayloadType = 96;
  m_sendStreamResolution = QStringLiteral("640x480");
  m_recvStreamCodecName = m_videoEncoderCodecName;
  m_recvStreamPayloadType = 96;
  m_recvStreamResolution = QStringLiteral("640x480");
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

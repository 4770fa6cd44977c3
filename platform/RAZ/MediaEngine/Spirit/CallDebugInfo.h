#pragma once

#include <QObject>
#include <QString>

#include <tp/core/SmartPtr.h>

#include "RAZ/MediaEngine/CallBasePtr.h"

// The media engine's per-call values the call debug scene reads and a tester
// may write, one row each: type, name (the property the scene binds), setter,
// and the value the demo engine starts a call with. A new value is one more
// row; the property, its accessors and its member all follow from it.
// clang-format off
#define ZENT_CALL_DEBUG_VALUES(X) \
  X(bool, CpuParmEnabled, setCpuParmEnabled, true)                                                \
  X(int, CpuParmMaxProcess, setCpuParmMaxProcess, 60)                                             \
  X(int, CpuParmMaxTotal, setCpuParmMaxTotal, 85)                                                 \
  X(bool, CpuStateEnabled, setCpuStateEnabled, true)                                              \
  X(int, CpuStateProcess, setCpuStateProcess, 0)                                                  \
  X(int, CpuStateTotal, setCpuStateTotal, 0)                                                      \
  X(int, acMicBoost, setAcMicBoost, 0)                                                            \
  X(int, acMicGain, setAcMicGain, 180)                                                            \
  X(bool, acMicMute, setAcMicMute, false)                                                         \
  X(int, acSpeakerGain, setAcSpeakerGain, 200)                                                    \
  X(bool, acSpeakerMute, setAcSpeakerMute, false)                                                 \
  X(int, acSystemMicGain, setAcSystemMicGain, 160)                                                \
  X(bool, acSystemMicMute, setAcSystemMicMute, false)                                             \
  X(int, acSystemSpeakerGain, setAcSystemSpeakerGain, 190)                                        \
  X(bool, acSystemSpeakerMute, setAcSystemSpeakerMute, false)                                     \
  X(bool, aec, setAec, true)                                                                      \
  X(bool, aecAutoMode, setAecAutoMode, true)                                                      \
  X(bool, aecCNG, setAecCNG, true)                                                                \
  X(int, aecMode, setAecMode, 3)                                                                  \
  X(bool, aecNLP, setAecNLP, true)                                                                \
  X(bool, agc, setAgc, true)                                                                      \
  X(bool, arsAutoFec, setArsAutoFec, true)                                                        \
  X(bool, arsFeedbackOverRTCP, setArsFeedbackOverRTCP, false)                                     \
  X(bool, arsFrameResize, setArsFrameResize, false)                                               \
  X(int, arsHiBitrate, setArsHiBitrate, 1024)                                                     \
  X(int, arsHiFramerate, setArsHiFramerate, 30)                                                   \
  X(int, arsInitialBitrate, setArsInitialBitrate, 512)                                            \
  X(int, arsLoBitrate, setArsLoBitrate, 128)                                                      \
  X(int, arsLoFramerate, setArsLoFramerate, 10)                                                   \
  X(int, arsProfile, setArsProfile, 1)                                                            \
  X(QString, audioInputDevice, setAudioInputDevice, QStringLiteral("Demo microphone"))            \
  X(QString, audioOutputDevice, setAudioOutputDevice, QStringLiteral("Demo speaker"))             \
  X(int, channelMicGain, setChannelMicGain, 128)                                                  \
  X(bool, channelMicMute, setChannelMicMute, false)                                               \
  X(int, channelSpeakerGain, setChannelSpeakerGain, 128)                                          \
  X(bool, channelSpeakerMute, setChannelSpeakerMute, false)                                       \
  X(bool, disableConfControl, setDisableConfControl, false)                                       \
  X(bool, disableRTCP, setDisableRTCP, false)                                                     \
  X(bool, disableSendArsFeedback, setDisableSendArsFeedback, false)                               \
  X(bool, enableARS, setEnableARS, true)                                                          \
  X(bool, enableQOS, setEnableQOS, true)                                                          \
  X(int, keepAliveSec, setKeepAliveSec, 30)                                                       \
  X(QString, lastError, setLastError, QString())                                                  \
  X(bool, ns, setNs, true)                                                                        \
  X(int, recvStreamBitrate, setRecvStreamBitrate, 0)                                              \
  X(int, recvStreamBitrateFull, setRecvStreamBitrateFull, 0)                                      \
  X(QString, recvStreamCodecName, setRecvStreamCodecName, QStringLiteral("H264"))                 \
  X(int, recvStreamFrameRate, setRecvStreamFrameRate, 0)                                          \
  X(int, recvStreamFramesDecoded, setRecvStreamFramesDecoded, 0)                                  \
  X(int, recvStreamInactiveTime, setRecvStreamInactiveTime, 0)                                    \
  X(int, recvStreamIntraFramesDecoded, setRecvStreamIntraFramesDecoded, 0)                        \
  X(int, recvStreamJitter, setRecvStreamJitter, 0)                                                \
  X(int, recvStreamOnlineTime, setRecvStreamOnlineTime, 0)                                        \
  X(int, recvStreamPacketRate, setRecvStreamPacketRate, 0)                                        \
  X(int, recvStreamPacketsLost, setRecvStreamPacketsLost, 0)                                      \
  X(int, recvStreamPacketsReceived, setRecvStreamPacketsReceived, 0)                              \
  X(int, recvStreamPacketsRecovered, setRecvStreamPacketsRecovered, 0)                            \
  X(int, recvStreamPacketsRetransmitted, setRecvStreamPacketsRetransmitted, 0)                    \
  X(int, recvStreamPayloadReceived, setRecvStreamPayloadReceived, 0)                              \
  X(int, recvStreamPayloadType, setRecvStreamPayloadType, 96)                                     \
  X(int, recvStreamQueueTimeLength, setRecvStreamQueueTimeLength, 0)                              \
  X(int, recvStreamResetCount, setRecvStreamResetCount, 0)                                        \
  X(QString, recvStreamResolution, setRecvStreamResolution, QStringLiteral("640x480"))            \
  X(int, recvStreamRtxDelay, setRecvStreamRtxDelay, 0)                                            \
  X(int, recvStreamTotalReceived, setRecvStreamTotalReceived, 0)                                  \
  X(int, sendStreamAverageJitter, setSendStreamAverageJitter, 0)                                  \
  X(int, sendStreamAverageRtxDelay, setSendStreamAverageRtxDelay, 0)                              \
  X(QString, sendStreamCodecName, setSendStreamCodecName, QStringLiteral("H264"))                 \
  X(int, sendStreamCurrentQueueLength, setSendStreamCurrentQueueLength, 0)                        \
  X(int, sendStreamDropFPS, setSendStreamDropFPS, 0)                                              \
  X(int, sendStreamDropFrames, setSendStreamDropFrames, 0)                                        \
  X(int, sendStreamEfficientJitter, setSendStreamEfficientJitter, 0)                              \
  X(int, sendStreamFPS, setSendStreamFPS, 0)                                                      \
  X(int, sendStreamFrames, setSendStreamFrames, 0)                                                \
  X(int, sendStreamIntraFrames, setSendStreamIntraFrames, 0)                                      \
  X(int, sendStreamPayloadType, setSendStreamPayloadType, 96)                                     \
  X(int, sendStreamPeakJitter, setSendStreamPeakJitter, 0)                                        \
  X(int, sendStreamPeakRtxDelay, setSendStreamPeakRtxDelay, 0)                                    \
  X(int, sendStreamRTPLostPacketsRate, setSendStreamRTPLostPacketsRate, 0)                        \
  X(int, sendStreamRTPLostPacketsTotal, setSendStreamRTPLostPacketsTotal, 0)                      \
  X(int, sendStreamResetCount, setSendStreamResetCount, 0)                                        \
  X(QString, sendStreamResolution, setSendStreamResolution, QStringLiteral("640x480"))            \
  X(QString, videoCaptureDevice, setVideoCaptureDevice, QStringLiteral("Demo camera"))            \
  X(int, videoEncoderBitrate, setVideoEncoderBitrate, 512)                                        \
  X(int, videoEncoderCodecFlags, setVideoEncoderCodecFlags, 0)                                    \
  X(QString, videoEncoderCodecName, setVideoEncoderCodecName, QStringLiteral("H264"))             \
  X(int, videoEncoderFECCheckPackets, setVideoEncoderFECCheckPackets, 0)                          \
  X(int, videoEncoderFECInfoPackets, setVideoEncoderFECInfoPackets, 0)                            \
  X(int, videoEncoderFramerate, setVideoEncoderFramerate, 30)                                     \
  X(QString, videoEncoderImageSize, setVideoEncoderImageSize, QStringLiteral("640x480"))          \
  X(int, videoEncoderKeyPeriod, setVideoEncoderKeyPeriod, 100)                                    \
  X(int, videoEncoderPayloadType, setVideoEncoderPayloadType, 96)                                 \
  X(int, videoEncoderRedundancy, setVideoEncoderRedundancy, 0)                                    \
  X(int, videoEncoderVEQProfile, setVideoEncoderVEQProfile, 0)                                    \
  X(int, voiceEncoderBitrate, setVoiceEncoderBitrate, 32000)                                      \
  X(bool, voiceEncoderCN, setVoiceEncoderCN, false)                                               \
  X(int, voiceEncoderCodecFlags, setVoiceEncoderCodecFlags, 0)                                    \
  X(QString, voiceEncoderCodecName, setVoiceEncoderCodecName, QStringLiteral("OPUS"))             \
  X(int, voiceEncoderFECCheckPackets, setVoiceEncoderFECCheckPackets, 0)                          \
  X(int, voiceEncoderFECInfoPackets, setVoiceEncoderFECInfoPackets, 0)                            \
  X(int, voiceEncoderFECInterleaving, setVoiceEncoderFECInterleaving, 0)                          \
  X(int, voiceEncoderFrameLength, setVoiceEncoderFrameLength, 20)                                 \
  X(int, voiceEncoderPayloadType, setVoiceEncoderPayloadType, 111)                                \
  X(int, voiceEncoderSamplingFreq, setVoiceEncoderSamplingFreq, 48000)

// clang-format on

#define ZENT_CALL_DEBUG_PROPERTY(type, name, setter, initial) \
  Q_PROPERTY(type name READ name WRITE setter NOTIFY changed)
#define ZENT_CALL_DEBUG_ACCESSORS(type, name, setter, initial) \
  type name() const { return m_##name; }                       \
  void setter(const type& v) { assign(m_##name, v); }
#define ZENT_CALL_DEBUG_MEMBER(type, name, setter, initial) type m_##name = initial;

namespace RAZ {
namespace MediaEngine {
namespace Spirit {

// The media engine's live parameters and statistics of one call. Writing a
// property changes the engine's setting for the call (the demo engine keeps
// the value); init() reads everything again. Every change is reported by
// changed().
class CallDebugInfo : public QObject {
  Q_OBJECT
  ZENT_CALL_DEBUG_VALUES(ZENT_CALL_DEBUG_PROPERTY)
  // The touch tones sent on the call so far (read only).
  Q_PROPERTY(QString dtmfSent READ dtmfSent NOTIFY changed)

 public:
  CallDebugInfo(TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call,
                QObject* parent = nullptr);
  ~CallDebugInfo() override;

  // How often init() ran (the demo engine's reads).
  int initCount() const { return m_initCount; }
  RAZ::MediaEngine::CallBasePtr* call() const { return m_call.Raw(); }
  QString dtmfSent() const { return m_call ? m_call->sentTones() : QString(); }

  Q_INVOKABLE void init();

  ZENT_CALL_DEBUG_VALUES(ZENT_CALL_DEBUG_ACCESSORS)

 signals:
  void changed();

 private:
  template <class T>
  void assign(T& value, const T& to) {
    if (to == value) return;
    value = to;
    emit changed();
  }

  TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> m_call;
  int m_initCount = 0;
  ZENT_CALL_DEBUG_VALUES(ZENT_CALL_DEBUG_MEMBER)
};

}  // namespace Spirit
}  // namespace MediaEngine
}  // namespace RAZ

#undef ZENT_CALL_DEBUG_MEMBER
#undef ZENT_CALL_DEBUG_ACCESSORS
#undef ZENT_CALL_DEBUG_PROPERTY

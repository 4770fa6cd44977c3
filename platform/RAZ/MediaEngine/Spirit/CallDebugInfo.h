#pragma once

// Generated once from the list of the media engine's per-call debug values;
// every value the call debug scene reads is a property here.

#include <QObject>
#include <QString>

#include <tp/core/SmartPtr.h>

#include "RAZ/MediaEngine/CallBasePtr.h"

namespace RAZ {
namespace MediaEngine {
namespace Spirit {

// The media engine's live parameters and statistics of one call. Writing a
// property changes the engine's setting for the call (the demo engine keeps
// the value); init() reads everything again. Every change is reported by
// changed().
class CallDebugInfo : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool CpuParmEnabled READ CpuParmEnabled WRITE setCpuParmEnabled NOTIFY changed)
  Q_PROPERTY(int CpuParmMaxProcess READ CpuParmMaxProcess WRITE setCpuParmMaxProcess NOTIFY changed)
  Q_PROPERTY(int CpuParmMaxTotal READ CpuParmMaxTotal WRITE setCpuParmMaxTotal NOTIFY changed)
  Q_PROPERTY(bool CpuStateEnabled READ CpuStateEnabled WRITE setCpuStateEnabled NOTIFY changed)
  Q_PROPERTY(int CpuStateProcess READ CpuStateProcess WRITE setCpuStateProcess NOTIFY changed)
  Q_PROPERTY(int CpuStateTotal READ CpuStateTotal WRITE setCpuStateTotal NOTIFY changed)
  Q_PROPERTY(int acMicBoost READ acMicBoost WRITE setAcMicBoost NOTIFY changed)
  Q_PROPERTY(int acMicGain READ acMicGain WRITE setAcMicGain NOTIFY changed)
  Q_PROPERTY(bool acMicMute READ acMicMute WRITE setAcMicMute NOTIFY changed)
  Q_PROPERTY(int acSpeakerGain READ acSpeakerGain WRITE setAcSpeakerGain NOTIFY changed)
  Q_PROPERTY(bool acSpeakerMute READ acSpeakerMute WRITE setAcSpeakerMute NOTIFY changed)
  Q_PROPERTY(int acSystemMicGain READ acSystemMicGain WRITE setAcSystemMicGain NOTIFY changed)
  Q_PROPERTY(bool acSystemMicMute READ acSystemMicMute WRITE setAcSystemMicMute NOTIFY changed)
  Q_PROPERTY(
      int acSystemSpeakerGain READ acSystemSpeakerGain WRITE setAcSystemSpeakerGain NOTIFY changed)
  Q_PROPERTY(
      bool acSystemSpeakerMute READ acSystemSpeakerMute WRITE setAcSystemSpeakerMute NOTIFY changed)
  Q_PROPERTY(bool aec READ aec WRITE setAec NOTIFY changed)
  Q_PROPERTY(bool aecAutoMode READ aecAutoMode WRITE setAecAutoMode NOTIFY changed)
  Q_PROPERTY(bool aecCNG READ aecCNG WRITE setAecCNG NOTIFY changed)
  Q_PROPERTY(int aecMode READ aecMode WRITE setAecMode NOTIFY changed)
  Q_PROPERTY(bool aecNLP READ aecNLP WRITE setAecNLP NOTIFY changed)
  Q_PROPERTY(bool agc READ agc WRITE setAgc NOTIFY changed)
  Q_PROPERTY(bool arsAutoFec READ arsAutoFec WRITE setArsAutoFec NOTIFY changed)
  Q_PROPERTY(
      bool arsFeedbackOverRTCP READ arsFeedbackOverRTCP WRITE setArsFeedbackOverRTCP NOTIFY changed)
  Q_PROPERTY(bool arsFrameResize READ arsFrameResize WRITE setArsFrameResize NOTIFY changed)
  Q_PROPERTY(int arsHiBitrate READ arsHiBitrate WRITE setArsHiBitrate NOTIFY changed)
  Q_PROPERTY(int arsHiFramerate READ arsHiFramerate WRITE setArsHiFramerate NOTIFY changed)
  Q_PROPERTY(int arsInitialBitrate READ arsInitialBitrate WRITE setArsInitialBitrate NOTIFY changed)
  Q_PROPERTY(int arsLoBitrate READ arsLoBitrate WRITE setArsLoBitrate NOTIFY changed)
  Q_PROPERTY(int arsLoFramerate READ arsLoFramerate WRITE setArsLoFramerate NOTIFY changed)
  Q_PROPERTY(int arsProfile READ arsProfile WRITE setArsProfile NOTIFY changed)
  Q_PROPERTY(
      QString audioInputDevice READ audioInputDevice WRITE setAudioInputDevice NOTIFY changed)
  Q_PROPERTY(
      QString audioOutputDevice READ audioOutputDevice WRITE setAudioOutputDevice NOTIFY changed)
  Q_PROPERTY(int channelMicGain READ channelMicGain WRITE setChannelMicGain NOTIFY changed)
  Q_PROPERTY(bool channelMicMute READ channelMicMute WRITE setChannelMicMute NOTIFY changed)
  Q_PROPERTY(
      int channelSpeakerGain READ channelSpeakerGain WRITE setChannelSpeakerGain NOTIFY changed)
  Q_PROPERTY(
      bool channelSpeakerMute READ channelSpeakerMute WRITE setChannelSpeakerMute NOTIFY changed)
  Q_PROPERTY(
      bool disableConfControl READ disableConfControl WRITE setDisableConfControl NOTIFY changed)
  Q_PROPERTY(bool disableRTCP READ disableRTCP WRITE setDisableRTCP NOTIFY changed)
  Q_PROPERTY(bool disableSendArsFeedback READ disableSendArsFeedback WRITE setDisableSendArsFeedback
                 NOTIFY changed)
  Q_PROPERTY(bool enableARS READ enableARS WRITE setEnableARS NOTIFY changed)
  Q_PROPERTY(bool enableQOS READ enableQOS WRITE setEnableQOS NOTIFY changed)
  // The touch tones sent on the call so far (read only).
  Q_PROPERTY(QString dtmfSent READ dtmfSent NOTIFY changed)
  Q_PROPERTY(int keepAliveSec READ keepAliveSec WRITE setKeepAliveSec NOTIFY changed)
  Q_PROPERTY(QString lastError READ lastError WRITE setLastError NOTIFY changed)
  Q_PROPERTY(bool ns READ ns WRITE setNs NOTIFY changed)
  Q_PROPERTY(int recvStreamBitrate READ recvStreamBitrate WRITE setRecvStreamBitrate NOTIFY changed)
  Q_PROPERTY(int recvStreamBitrateFull READ recvStreamBitrateFull WRITE setRecvStreamBitrateFull
                 NOTIFY changed)
  Q_PROPERTY(QString recvStreamCodecName READ recvStreamCodecName WRITE setRecvStreamCodecName
                 NOTIFY changed)
  Q_PROPERTY(
      int recvStreamFrameRate READ recvStreamFrameRate WRITE setRecvStreamFrameRate NOTIFY changed)
  Q_PROPERTY(int recvStreamFramesDecoded READ recvStreamFramesDecoded WRITE
                 setRecvStreamFramesDecoded NOTIFY changed)
  Q_PROPERTY(int recvStreamInactiveTime READ recvStreamInactiveTime WRITE setRecvStreamInactiveTime
                 NOTIFY changed)
  Q_PROPERTY(int recvStreamIntraFramesDecoded READ recvStreamIntraFramesDecoded WRITE
                 setRecvStreamIntraFramesDecoded NOTIFY changed)
  Q_PROPERTY(int recvStreamJitter READ recvStreamJitter WRITE setRecvStreamJitter NOTIFY changed)
  Q_PROPERTY(int recvStreamOnlineTime READ recvStreamOnlineTime WRITE setRecvStreamOnlineTime NOTIFY
                 changed)
  Q_PROPERTY(int recvStreamPacketRate READ recvStreamPacketRate WRITE setRecvStreamPacketRate NOTIFY
                 changed)
  Q_PROPERTY(int recvStreamPacketsLost READ recvStreamPacketsLost WRITE setRecvStreamPacketsLost
                 NOTIFY changed)
  Q_PROPERTY(int recvStreamPacketsReceived READ recvStreamPacketsReceived WRITE
                 setRecvStreamPacketsReceived NOTIFY changed)
  Q_PROPERTY(int recvStreamPacketsRecovered READ recvStreamPacketsRecovered WRITE
                 setRecvStreamPacketsRecovered NOTIFY changed)
  Q_PROPERTY(int recvStreamPacketsRetransmitted READ recvStreamPacketsRetransmitted WRITE
                 setRecvStreamPacketsRetransmitted NOTIFY changed)
  Q_PROPERTY(int recvStreamPayloadReceived READ recvStreamPayloadReceived WRITE
                 setRecvStreamPayloadReceived NOTIFY changed)
  Q_PROPERTY(int recvStreamPayloadType READ recvStreamPayloadType WRITE setRecvStreamPayloadType
                 NOTIFY changed)
  Q_PROPERTY(int recvStreamQueueTimeLength READ recvStreamQueueTimeLength WRITE
                 setRecvStreamQueueTimeLength NOTIFY changed)
  Q_PROPERTY(int recvStreamResetCount READ recvStreamResetCount WRITE setRecvStreamResetCount NOTIFY
                 changed)
  Q_PROPERTY(QString recvStreamResolution READ recvStreamResolution WRITE setRecvStreamResolution
                 NOTIFY changed)
  Q_PROPERTY(
      int recvStreamRtxDelay READ recvStreamRtxDelay WRITE setRecvStreamRtxDelay NOTIFY changed)
  Q_PROPERTY(int recvStreamTotalReceived READ recvStreamTotalReceived WRITE
                 setRecvStreamTotalReceived NOTIFY changed)
  Q_PROPERTY(int sendStreamAverageJitter READ sendStreamAverageJitter WRITE
                 setSendStreamAverageJitter NOTIFY changed)
  Q_PROPERTY(int sendStreamAverageRtxDelay READ sendStreamAverageRtxDelay WRITE
                 setSendStreamAverageRtxDelay NOTIFY changed)
  Q_PROPERTY(QString sendStreamCodecName READ sendStreamCodecName WRITE setSendStreamCodecName
                 NOTIFY changed)
  Q_PROPERTY(int sendStreamCurrentQueueLength READ sendStreamCurrentQueueLength WRITE
                 setSendStreamCurrentQueueLength NOTIFY changed)
  Q_PROPERTY(int sendStreamDropFPS READ sendStreamDropFPS WRITE setSendStreamDropFPS NOTIFY changed)
  Q_PROPERTY(int sendStreamDropFrames READ sendStreamDropFrames WRITE setSendStreamDropFrames NOTIFY
                 changed)
  Q_PROPERTY(int sendStreamEfficientJitter READ sendStreamEfficientJitter WRITE
                 setSendStreamEfficientJitter NOTIFY changed)
  Q_PROPERTY(int sendStreamFPS READ sendStreamFPS WRITE setSendStreamFPS NOTIFY changed)
  Q_PROPERTY(int sendStreamFrames READ sendStreamFrames WRITE setSendStreamFrames NOTIFY changed)
  Q_PROPERTY(int sendStreamIntraFrames READ sendStreamIntraFrames WRITE setSendStreamIntraFrames
                 NOTIFY changed)
  Q_PROPERTY(int sendStreamPayloadType READ sendStreamPayloadType WRITE setSendStreamPayloadType
                 NOTIFY changed)
  Q_PROPERTY(int sendStreamPeakJitter READ sendStreamPeakJitter WRITE setSendStreamPeakJitter NOTIFY
                 changed)
  Q_PROPERTY(int sendStreamPeakRtxDelay READ sendStreamPeakRtxDelay WRITE setSendStreamPeakRtxDelay
                 NOTIFY changed)
  Q_PROPERTY(int sendStreamRTPLostPacketsRate READ sendStreamRTPLostPacketsRate WRITE
                 setSendStreamRTPLostPacketsRate NOTIFY changed)
  Q_PROPERTY(int sendStreamRTPLostPacketsTotal READ sendStreamRTPLostPacketsTotal WRITE
                 setSendStreamRTPLostPacketsTotal NOTIFY changed)
  Q_PROPERTY(int sendStreamResetCount READ sendStreamResetCount WRITE setSendStreamResetCount NOTIFY
                 changed)
  Q_PROPERTY(QString sendStreamResolution READ sendStreamResolution WRITE setSendStreamResolution
                 NOTIFY changed)
  Q_PROPERTY(
      QString videoCaptureDevice READ videoCaptureDevice WRITE setVideoCaptureDevice NOTIFY changed)
  Q_PROPERTY(
      int videoEncoderBitrate READ videoEncoderBitrate WRITE setVideoEncoderBitrate NOTIFY changed)
  Q_PROPERTY(int videoEncoderCodecFlags READ videoEncoderCodecFlags WRITE setVideoEncoderCodecFlags
                 NOTIFY changed)
  Q_PROPERTY(QString videoEncoderCodecName READ videoEncoderCodecName WRITE setVideoEncoderCodecName
                 NOTIFY changed)
  Q_PROPERTY(int videoEncoderFECCheckPackets READ videoEncoderFECCheckPackets WRITE
                 setVideoEncoderFECCheckPackets NOTIFY changed)
  Q_PROPERTY(int videoEncoderFECInfoPackets READ videoEncoderFECInfoPackets WRITE
                 setVideoEncoderFECInfoPackets NOTIFY changed)
  Q_PROPERTY(int videoEncoderFramerate READ videoEncoderFramerate WRITE setVideoEncoderFramerate
                 NOTIFY changed)
  Q_PROPERTY(QString videoEncoderImageSize READ videoEncoderImageSize WRITE setVideoEncoderImageSize
                 NOTIFY changed)
  Q_PROPERTY(int videoEncoderKeyPeriod READ videoEncoderKeyPeriod WRITE setVideoEncoderKeyPeriod
                 NOTIFY changed)
  Q_PROPERTY(int videoEncoderPayloadType READ videoEncoderPayloadType WRITE
                 setVideoEncoderPayloadType NOTIFY changed)
  Q_PROPERTY(int videoEncoderRedundancy READ videoEncoderRedundancy WRITE setVideoEncoderRedundancy
                 NOTIFY changed)
  Q_PROPERTY(int videoEncoderVEQProfile READ videoEncoderVEQProfile WRITE setVideoEncoderVEQProfile
                 NOTIFY changed)
  Q_PROPERTY(
      int voiceEncoderBitrate READ voiceEncoderBitrate WRITE setVoiceEncoderBitrate NOTIFY changed)
  Q_PROPERTY(bool voiceEncoderCN READ voiceEncoderCN WRITE setVoiceEncoderCN NOTIFY changed)
  Q_PROPERTY(int voiceEncoderCodecFlags READ voiceEncoderCodecFlags WRITE setVoiceEncoderCodecFlags
                 NOTIFY changed)
  Q_PROPERTY(QString voiceEncoderCodecName READ voiceEncoderCodecName WRITE setVoiceEncoderCodecName
                 NOTIFY changed)
  Q_PROPERTY(int voiceEncoderFECCheckPackets READ voiceEncoderFECCheckPackets WRITE
                 setVoiceEncoderFECCheckPackets NOTIFY changed)
  Q_PROPERTY(int voiceEncoderFECInfoPackets READ voiceEncoderFECInfoPackets WRITE
                 setVoiceEncoderFECInfoPackets NOTIFY changed)
  Q_PROPERTY(int voiceEncoderFECInterleaving READ voiceEncoderFECInterleaving WRITE
                 setVoiceEncoderFECInterleaving NOTIFY changed)
  Q_PROPERTY(int voiceEncoderFrameLength READ voiceEncoderFrameLength WRITE
                 setVoiceEncoderFrameLength NOTIFY changed)
  Q_PROPERTY(int voiceEncoderPayloadType READ voiceEncoderPayloadType WRITE
                 setVoiceEncoderPayloadType NOTIFY changed)
  Q_PROPERTY(int voiceEncoderSamplingFreq READ voiceEncoderSamplingFreq WRITE
                 setVoiceEncoderSamplingFreq NOTIFY changed)

 public:
  CallDebugInfo(TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call,
                QObject* parent = nullptr);
  ~CallDebugInfo() override;

  // How often init() ran (the demo engine's reads).
  int initCount() const { return m_initCount; }
  RAZ::MediaEngine::CallBasePtr* call() const { return m_call.Raw(); }
  QString dtmfSent() const { return m_call ? m_call->sentTones() : QString(); }

  Q_INVOKABLE void init();

  bool CpuParmEnabled() const { return m_CpuParmEnabled; }
  void setCpuParmEnabled(bool v) {
    if (v == m_CpuParmEnabled) return;
    m_CpuParmEnabled = v;
    emit changed();
  }
  int CpuParmMaxProcess() const { return m_CpuParmMaxProcess; }
  void setCpuParmMaxProcess(int v) {
    if (v == m_CpuParmMaxProcess) return;
    m_CpuParmMaxProcess = v;
    emit changed();
  }
  int CpuParmMaxTotal() const { return m_CpuParmMaxTotal; }
  void setCpuParmMaxTotal(int v) {
    if (v == m_CpuParmMaxTotal) return;
    m_CpuParmMaxTotal = v;
    emit changed();
  }
  bool CpuStateEnabled() const { return m_CpuStateEnabled; }
  void setCpuStateEnabled(bool v) {
    if (v == m_CpuStateEnabled) return;
    m_CpuStateEnabled = v;
    emit changed();
  }
  int CpuStateProcess() const { return m_CpuStateProcess; }
  void setCpuStateProcess(int v) {
    if (v == m_CpuStateProcess) return;
    m_CpuStateProcess = v;
    emit changed();
  }
  int CpuStateTotal() const { return m_CpuStateTotal; }
  void setCpuStateTotal(int v) {
    if (v == m_CpuStateTotal) return;
    m_CpuStateTotal = v;
    emit changed();
  }
  int acMicBoost() const { return m_acMicBoost; }
  void setAcMicBoost(int v) {
    if (v == m_acMicBoost) return;
    m_acMicBoost = v;
    emit changed();
  }
  int acMicGain() const { return m_acMicGain; }
  void setAcMicGain(int v) {
    if (v == m_acMicGain) return;
    m_acMicGain = v;
    emit changed();
  }
  bool acMicMute() const { return m_acMicMute; }
  void setAcMicMute(bool v) {
    if (v == m_acMicMute) return;
    m_acMicMute = v;
    emit changed();
  }
  int acSpeakerGain() const { return m_acSpeakerGain; }
  void setAcSpeakerGain(int v) {
    if (v == m_acSpeakerGain) return;
    m_acSpeakerGain = v;
    emit changed();
  }
  bool acSpeakerMute() const { return m_acSpeakerMute; }
  void setAcSpeakerMute(bool v) {
    if (v == m_acSpeakerMute) return;
    m_acSpeakerMute = v;
    emit changed();
  }
  int acSystemMicGain() const { return m_acSystemMicGain; }
  void setAcSystemMicGain(int v) {
    if (v == m_acSystemMicGain) return;
    m_acSystemMicGain = v;
    emit changed();
  }
  bool acSystemMicMute() const { return m_acSystemMicMute; }
  void setAcSystemMicMute(bool v) {
    if (v == m_acSystemMicMute) return;
    m_acSystemMicMute = v;
    emit changed();
  }
  int acSystemSpeakerGain() const { return m_acSystemSpeakerGain; }
  void setAcSystemSpeakerGain(int v) {
    if (v == m_acSystemSpeakerGain) return;
    m_acSystemSpeakerGain = v;
    emit changed();
  }
  bool acSystemSpeakerMute() const { return m_acSystemSpeakerMute; }
  void setAcSystemSpeakerMute(bool v) {
    if (v == m_acSystemSpeakerMute) return;
    m_acSystemSpeakerMute = v;
    emit changed();
  }
  bool aec() const { return m_aec; }
  void setAec(bool v) {
    if (v == m_aec) return;
    m_aec = v;
    emit changed();
  }
  bool aecAutoMode() const { return m_aecAutoMode; }
  void setAecAutoMode(bool v) {
    if (v == m_aecAutoMode) return;
    m_aecAutoMode = v;
    emit changed();
  }
  bool aecCNG() const { return m_aecCNG; }
  void setAecCNG(bool v) {
    if (v == m_aecCNG) return;
    m_aecCNG = v;
    emit changed();
  }
  int aecMode() const { return m_aecMode; }
  void setAecMode(int v) {
    if (v == m_aecMode) return;
    m_aecMode = v;
    emit changed();
  }
  bool aecNLP() const { return m_aecNLP; }
  void setAecNLP(bool v) {
    if (v == m_aecNLP) return;
    m_aecNLP = v;
    emit changed();
  }
  bool agc() const { return m_agc; }
  void setAgc(bool v) {
    if (v == m_agc) return;
    m_agc = v;
    emit changed();
  }
  bool arsAutoFec() const { return m_arsAutoFec; }
  void setArsAutoFec(bool v) {
    if (v == m_arsAutoFec) return;
    m_arsAutoFec = v;
    emit changed();
  }
  bool arsFeedbackOverRTCP() const { return m_arsFeedbackOverRTCP; }
  void setArsFeedbackOverRTCP(bool v) {
    if (v == m_arsFeedbackOverRTCP) return;
    m_arsFeedbackOverRTCP = v;
    emit changed();
  }
  bool arsFrameResize() const { return m_arsFrameResize; }
  void setArsFrameResize(bool v) {
    if (v == m_arsFrameResize) return;
    m_arsFrameResize = v;
    emit changed();
  }
  int arsHiBitrate() const { return m_arsHiBitrate; }
  void setArsHiBitrate(int v) {
    if (v == m_arsHiBitrate) return;
    m_arsHiBitrate = v;
    emit changed();
  }
  int arsHiFramerate() const { return m_arsHiFramerate; }
  void setArsHiFramerate(int v) {
    if (v == m_arsHiFramerate) return;
    m_arsHiFramerate = v;
    emit changed();
  }
  int arsInitialBitrate() const { return m_arsInitialBitrate; }
  void setArsInitialBitrate(int v) {
    if (v == m_arsInitialBitrate) return;
    m_arsInitialBitrate = v;
    emit changed();
  }
  int arsLoBitrate() const { return m_arsLoBitrate; }
  void setArsLoBitrate(int v) {
    if (v == m_arsLoBitrate) return;
    m_arsLoBitrate = v;
    emit changed();
  }
  int arsLoFramerate() const { return m_arsLoFramerate; }
  void setArsLoFramerate(int v) {
    if (v == m_arsLoFramerate) return;
    m_arsLoFramerate = v;
    emit changed();
  }
  int arsProfile() const { return m_arsProfile; }
  void setArsProfile(int v) {
    if (v == m_arsProfile) return;
    m_arsProfile = v;
    emit changed();
  }
  QString audioInputDevice() const { return m_audioInputDevice; }
  void setAudioInputDevice(const QString& v) {
    if (v == m_audioInputDevice) return;
    m_audioInputDevice = v;
    emit changed();
  }
  QString audioOutputDevice() const { return m_audioOutputDevice; }
  void setAudioOutputDevice(const QString& v) {
    if (v == m_audioOutputDevice) return;
    m_audioOutputDevice = v;
    emit changed();
  }
  int channelMicGain() const { return m_channelMicGain; }
  void setChannelMicGain(int v) {
    if (v == m_channelMicGain) return;
    m_channelMicGain = v;
    emit changed();
  }
  bool channelMicMute() const { return m_channelMicMute; }
  void setChannelMicMute(bool v) {
    if (v == m_channelMicMute) return;
    m_channelMicMute = v;
    emit changed();
  }
  int channelSpeakerGain() const { return m_channelSpeakerGain; }
  void setChannelSpeakerGain(int v) {
    if (v == m_channelSpeakerGain) return;
    m_channelSpeakerGain = v;
    emit changed();
  }
  bool channelSpeakerMute() const { return m_channelSpeakerMute; }
  void setChannelSpeakerMute(bool v) {
    if (v == m_channelSpeakerMute) return;
    m_channelSpeakerMute = v;
    emit changed();
  }
  bool disableConfControl() const { return m_disableConfControl; }
  void setDisableConfControl(bool v) {
    if (v == m_disableConfControl) return;
    m_disableConfControl = v;
    emit changed();
  }
  bool disableRTCP() const { return m_disableRTCP; }
  void setDisableRTCP(bool v) {
    if (v == m_disableRTCP) return;
    m_disableRTCP = v;
    emit changed();
  }
  bool disableSendArsFeedback() const { return m_disableSendArsFeedback; }
  void setDisableSendArsFeedback(bool v) {
    if (v == m_disableSendArsFeedback) return;
    m_disableSendArsFeedback = v;
    emit changed();
  }
  bool enableARS() const { return m_enableARS; }
  void setEnableARS(bool v) {
    if (v == m_enableARS) return;
    m_enableARS = v;
    emit changed();
  }
  bool enableQOS() const { return m_enableQOS; }
  void setEnableQOS(bool v) {
    if (v == m_enableQOS) return;
    m_enableQOS = v;
    emit changed();
  }
  int keepAliveSec() const { return m_keepAliveSec; }
  void setKeepAliveSec(int v) {
    if (v == m_keepAliveSec) return;
    m_keepAliveSec = v;
    emit changed();
  }
  QString lastError() const { return m_lastError; }
  void setLastError(const QString& v) {
    if (v == m_lastError) return;
    m_lastError = v;
    emit changed();
  }
  bool ns() const { return m_ns; }
  void setNs(bool v) {
    if (v == m_ns) return;
    m_ns = v;
    emit changed();
  }
  int recvStreamBitrate() const { return m_recvStreamBitrate; }
  void setRecvStreamBitrate(int v) {
    if (v == m_recvStreamBitrate) return;
    m_recvStreamBitrate = v;
    emit changed();
  }
  int recvStreamBitrateFull() const { return m_recvStreamBitrateFull; }
  void setRecvStreamBitrateFull(int v) {
    if (v == m_recvStreamBitrateFull) return;
    m_recvStreamBitrateFull = v;
    emit changed();
  }
  QString recvStreamCodecName() const { return m_recvStreamCodecName; }
  void setRecvStreamCodecName(const QString& v) {
    if (v == m_recvStreamCodecName) return;
    m_recvStreamCodecName = v;
    emit changed();
  }
  int recvStreamFrameRate() const { return m_recvStreamFrameRate; }
  void setRecvStreamFrameRate(int v) {
    if (v == m_recvStreamFrameRate) return;
    m_recvStreamFrameRate = v;
    emit changed();
  }
  int recvStreamFramesDecoded() const { return m_recvStreamFramesDecoded; }
  void setRecvStreamFramesDecoded(int v) {
    if (v == m_recvStreamFramesDecoded) return;
    m_recvStreamFramesDecoded = v;
    emit changed();
  }
  int recvStreamInactiveTime() const { return m_recvStreamInactiveTime; }
  void setRecvStreamInactiveTime(int v) {
    if (v == m_recvStreamInactiveTime) return;
    m_recvStreamInactiveTime = v;
    emit changed();
  }
  int recvStreamIntraFramesDecoded() const { return m_recvStreamIntraFramesDecoded; }
  void setRecvStreamIntraFramesDecoded(int v) {
    if (v == m_recvStreamIntraFramesDecoded) return;
    m_recvStreamIntraFramesDecoded = v;
    emit changed();
  }
  int recvStreamJitter() const { return m_recvStreamJitter; }
  void setRecvStreamJitter(int v) {
    if (v == m_recvStreamJitter) return;
    m_recvStreamJitter = v;
    emit changed();
  }
  int recvStreamOnlineTime() const { return m_recvStreamOnlineTime; }
  void setRecvStreamOnlineTime(int v) {
    if (v == m_recvStreamOnlineTime) return;
    m_recvStreamOnlineTime = v;
    emit changed();
  }
  int recvStreamPacketRate() const { return m_recvStreamPacketRate; }
  void setRecvStreamPacketRate(int v) {
    if (v == m_recvStreamPacketRate) return;
    m_recvStreamPacketRate = v;
    emit changed();
  }
  int recvStreamPacketsLost() const { return m_recvStreamPacketsLost; }
  void setRecvStreamPacketsLost(int v) {
    if (v == m_recvStreamPacketsLost) return;
    m_recvStreamPacketsLost = v;
    emit changed();
  }
  int recvStreamPacketsReceived() const { return m_recvStreamPacketsReceived; }
  void setRecvStreamPacketsReceived(int v) {
    if (v == m_recvStreamPacketsReceived) return;
    m_recvStreamPacketsReceived = v;
    emit changed();
  }
  int recvStreamPacketsRecovered() const { return m_recvStreamPacketsRecovered; }
  void setRecvStreamPacketsRecovered(int v) {
    if (v == m_recvStreamPacketsRecovered) return;
    m_recvStreamPacketsRecovered = v;
    emit changed();
  }
  int recvStreamPacketsRetransmitted() const { return m_recvStreamPacketsRetransmitted; }
  void setRecvStreamPacketsRetransmitted(int v) {
    if (v == m_recvStreamPacketsRetransmitted) return;
    m_recvStreamPacketsRetransmitted = v;
    emit changed();
  }
  int recvStreamPayloadReceived() const { return m_recvStreamPayloadReceived; }
  void setRecvStreamPayloadReceived(int v) {
    if (v == m_recvStreamPayloadReceived) return;
    m_recvStreamPayloadReceived = v;
    emit changed();
  }
  int recvStreamPayloadType() const { return m_recvStreamPayloadType; }
  void setRecvStreamPayloadType(int v) {
    if (v == m_recvStreamPayloadType) return;
    m_recvStreamPayloadType = v;
    emit changed();
  }
  int recvStreamQueueTimeLength() const { return m_recvStreamQueueTimeLength; }
  void setRecvStreamQueueTimeLength(int v) {
    if (v == m_recvStreamQueueTimeLength) return;
    m_recvStreamQueueTimeLength = v;
    emit changed();
  }
  int recvStreamResetCount() const { return m_recvStreamResetCount; }
  void setRecvStreamResetCount(int v) {
    if (v == m_recvStreamResetCount) return;
    m_recvStreamResetCount = v;
    emit changed();
  }
  QString recvStreamResolution() const { return m_recvStreamResolution; }
  void setRecvStreamResolution(const QString& v) {
    if (v == m_recvStreamResolution) return;
    m_recvStreamResolution = v;
    emit changed();
  }
  int recvStreamRtxDelay() const { return m_recvStreamRtxDelay; }
  void setRecvStreamRtxDelay(int v) {
    if (v == m_recvStreamRtxDelay) return;
    m_recvStreamRtxDelay = v;
    emit changed();
  }
  int recvStreamTotalReceived() const { return m_recvStreamTotalReceived; }
  void setRecvStreamTotalReceived(int v) {
    if (v == m_recvStreamTotalReceived) return;
    m_recvStreamTotalReceived = v;
    emit changed();
  }
  int sendStreamAverageJitter() const { return m_sendStreamAverageJitter; }
  void setSendStreamAverageJitter(int v) {
    if (v == m_sendStreamAverageJitter) return;
    m_sendStreamAverageJitter = v;
    emit changed();
  }
  int sendStreamAverageRtxDelay() const { return m_sendStreamAverageRtxDelay; }
  void setSendStreamAverageRtxDelay(int v) {
    if (v == m_sendStreamAverageRtxDelay) return;
    m_sendStreamAverageRtxDelay = v;
    emit changed();
  }
  QString sendStreamCodecName() const { return m_sendStreamCodecName; }
  void setSendStreamCodecName(const QString& v) {
    if (v == m_sendStreamCodecName) return;
    m_sendStreamCodecName = v;
    emit changed();
  }
  int sendStreamCurrentQueueLength() const { return m_sendStreamCurrentQueueLength; }
  void setSendStreamCurrentQueueLength(int v) {
    if (v == m_sendStreamCurrentQueueLength) return;
    m_sendStreamCurrentQueueLength = v;
    emit changed();
  }
  int sendStreamDropFPS() const { return m_sendStreamDropFPS; }
  void setSendStreamDropFPS(int v) {
    if (v == m_sendStreamDropFPS) return;
    m_sendStreamDropFPS = v;
    emit changed();
  }
  int sendStreamDropFrames() const { return m_sendStreamDropFrames; }
  void setSendStreamDropFrames(int v) {
    if (v == m_sendStreamDropFrames) return;
    m_sendStreamDropFrames = v;
    emit changed();
  }
  int sendStreamEfficientJitter() const { return m_sendStreamEfficientJitter; }
  void setSendStreamEfficientJitter(int v) {
    if (v == m_sendStreamEfficientJitter) return;
    m_sendStreamEfficientJitter = v;
    emit changed();
  }
  int sendStreamFPS() const { return m_sendStreamFPS; }
  void setSendStreamFPS(int v) {
    if (v == m_sendStreamFPS) return;
    m_sendStreamFPS = v;
    emit changed();
  }
  int sendStreamFrames() const { return m_sendStreamFrames; }
  void setSendStreamFrames(int v) {
    if (v == m_sendStreamFrames) return;
    m_sendStreamFrames = v;
    emit changed();
  }
  int sendStreamIntraFrames() const { return m_sendStreamIntraFrames; }
  void setSendStreamIntraFrames(int v) {
    if (v == m_sendStreamIntraFrames) return;
    m_sendStreamIntraFrames = v;
    emit changed();
  }
  int sendStreamPayloadType() const { return m_sendStreamPayloadType; }
  void setSendStreamPayloadType(int v) {
    if (v == m_sendStreamPayloadType) return;
    m_sendStreamPayloadType = v;
    emit changed();
  }
  int sendStreamPeakJitter() const { return m_sendStreamPeakJitter; }
  void setSendStreamPeakJitter(int v) {
    if (v == m_sendStreamPeakJitter) return;
    m_sendStreamPeakJitter = v;
    emit changed();
  }
  int sendStreamPeakRtxDelay() const { return m_sendStreamPeakRtxDelay; }
  void setSendStreamPeakRtxDelay(int v) {
    if (v == m_sendStreamPeakRtxDelay) return;
    m_sendStreamPeakRtxDelay = v;
    emit changed();
  }
  int sendStreamRTPLostPacketsRate() const { return m_sendStreamRTPLostPacketsRate; }
  void setSendStreamRTPLostPacketsRate(int v) {
    if (v == m_sendStreamRTPLostPacketsRate) return;
    m_sendStreamRTPLostPacketsRate = v;
    emit changed();
  }
  int sendStreamRTPLostPacketsTotal() const { return m_sendStreamRTPLostPacketsTotal; }
  void setSendStreamRTPLostPacketsTotal(int v) {
    if (v == m_sendStreamRTPLostPacketsTotal) return;
    m_sendStreamRTPLostPacketsTotal = v;
    emit changed();
  }
  int sendStreamResetCount() const { return m_sendStreamResetCount; }
  void setSendStreamResetCount(int v) {
    if (v == m_sendStreamResetCount) return;
    m_sendStreamResetCount = v;
    emit changed();
  }
  QString sendStreamResolution() const { return m_sendStreamResolution; }
  void setSendStreamResolution(const QString& v) {
    if (v == m_sendStreamResolution) return;
    m_sendStreamResolution = v;
    emit changed();
  }
  QString videoCaptureDevice() const { return m_videoCaptureDevice; }
  void setVideoCaptureDevice(const QString& v) {
    if (v == m_videoCaptureDevice) return;
    m_videoCaptureDevice = v;
    emit changed();
  }
  int videoEncoderBitrate() const { return m_videoEncoderBitrate; }
  void setVideoEncoderBitrate(int v) {
    if (v == m_videoEncoderBitrate) return;
    m_videoEncoderBitrate = v;
    emit changed();
  }
  int videoEncoderCodecFlags() const { return m_videoEncoderCodecFlags; }
  void setVideoEncoderCodecFlags(int v) {
    if (v == m_videoEncoderCodecFlags) return;
    m_videoEncoderCodecFlags = v;
    emit changed();
  }
  QString videoEncoderCodecName() const { return m_videoEncoderCodecName; }
  void setVideoEncoderCodecName(const QString& v) {
    if (v == m_videoEncoderCodecName) return;
    m_videoEncoderCodecName = v;
    emit changed();
  }
  int videoEncoderFECCheckPackets() const { return m_videoEncoderFECCheckPackets; }
  void setVideoEncoderFECCheckPackets(int v) {
    if (v == m_videoEncoderFECCheckPackets) return;
    m_videoEncoderFECCheckPackets = v;
    emit changed();
  }
  int videoEncoderFECInfoPackets() const { return m_videoEncoderFECInfoPackets; }
  void setVideoEncoderFECInfoPackets(int v) {
    if (v == m_videoEncoderFECInfoPackets) return;
    m_videoEncoderFECInfoPackets = v;
    emit changed();
  }
  int videoEncoderFramerate() const { return m_videoEncoderFramerate; }
  void setVideoEncoderFramerate(int v) {
    if (v == m_videoEncoderFramerate) return;
    m_videoEncoderFramerate = v;
    emit changed();
  }
  QString videoEncoderImageSize() const { return m_videoEncoderImageSize; }
  void setVideoEncoderImageSize(const QString& v) {
    if (v == m_videoEncoderImageSize) return;
    m_videoEncoderImageSize = v;
    emit changed();
  }
  int videoEncoderKeyPeriod() const { return m_videoEncoderKeyPeriod; }
  void setVideoEncoderKeyPeriod(int v) {
    if (v == m_videoEncoderKeyPeriod) return;
    m_videoEncoderKeyPeriod = v;
    emit changed();
  }
  int videoEncoderPayloadType() const { return m_videoEncoderPayloadType; }
  void setVideoEncoderPayloadType(int v) {
    if (v == m_videoEncoderPayloadType) return;
    m_videoEncoderPayloadType = v;
    emit changed();
  }
  int videoEncoderRedundancy() const { return m_videoEncoderRedundancy; }
  void setVideoEncoderRedundancy(int v) {
    if (v == m_videoEncoderRedundancy) return;
    m_videoEncoderRedundancy = v;
    emit changed();
  }
  int videoEncoderVEQProfile() const { return m_videoEncoderVEQProfile; }
  void setVideoEncoderVEQProfile(int v) {
    if (v == m_videoEncoderVEQProfile) return;
    m_videoEncoderVEQProfile = v;
    emit changed();
  }
  int voiceEncoderBitrate() const { return m_voiceEncoderBitrate; }
  void setVoiceEncoderBitrate(int v) {
    if (v == m_voiceEncoderBitrate) return;
    m_voiceEncoderBitrate = v;
    emit changed();
  }
  bool voiceEncoderCN() const { return m_voiceEncoderCN; }
  void setVoiceEncoderCN(bool v) {
    if (v == m_voiceEncoderCN) return;
    m_voiceEncoderCN = v;
    emit changed();
  }
  int voiceEncoderCodecFlags() const { return m_voiceEncoderCodecFlags; }
  void setVoiceEncoderCodecFlags(int v) {
    if (v == m_voiceEncoderCodecFlags) return;
    m_voiceEncoderCodecFlags = v;
    emit changed();
  }
  QString voiceEncoderCodecName() const { return m_voiceEncoderCodecName; }
  void setVoiceEncoderCodecName(const QString& v) {
    if (v == m_voiceEncoderCodecName) return;
    m_voiceEncoderCodecName = v;
    emit changed();
  }
  int voiceEncoderFECCheckPackets() const { return m_voiceEncoderFECCheckPackets; }
  void setVoiceEncoderFECCheckPackets(int v) {
    if (v == m_voiceEncoderFECCheckPackets) return;
    m_voiceEncoderFECCheckPackets = v;
    emit changed();
  }
  int voiceEncoderFECInfoPackets() const { return m_voiceEncoderFECInfoPackets; }
  void setVoiceEncoderFECInfoPackets(int v) {
    if (v == m_voiceEncoderFECInfoPackets) return;
    m_voiceEncoderFECInfoPackets = v;
    emit changed();
  }
  int voiceEncoderFECInterleaving() const { return m_voiceEncoderFECInterleaving; }
  void setVoiceEncoderFECInterleaving(int v) {
    if (v == m_voiceEncoderFECInterleaving) return;
    m_voiceEncoderFECInterleaving = v;
    emit changed();
  }
  int voiceEncoderFrameLength() const { return m_voiceEncoderFrameLength; }
  void setVoiceEncoderFrameLength(int v) {
    if (v == m_voiceEncoderFrameLength) return;
    m_voiceEncoderFrameLength = v;
    emit changed();
  }
  int voiceEncoderPayloadType() const { return m_voiceEncoderPayloadType; }
  void setVoiceEncoderPayloadType(int v) {
    if (v == m_voiceEncoderPayloadType) return;
    m_voiceEncoderPayloadType = v;
    emit changed();
  }
  int voiceEncoderSamplingFreq() const { return m_voiceEncoderSamplingFreq; }
  void setVoiceEncoderSamplingFreq(int v) {
    if (v == m_voiceEncoderSamplingFreq) return;
    m_voiceEncoderSamplingFreq = v;
    emit changed();
  }

 signals:
  void changed();

 private:
  TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> m_call;
  int m_initCount = 0;
  bool m_CpuParmEnabled = false;
  int m_CpuParmMaxProcess = 0;
  int m_CpuParmMaxTotal = 0;
  bool m_CpuStateEnabled = false;
  int m_CpuStateProcess = 0;
  int m_CpuStateTotal = 0;
  int m_acMicBoost = 0;
  int m_acMicGain = 0;
  bool m_acMicMute = false;
  int m_acSpeakerGain = 0;
  bool m_acSpeakerMute = false;
  int m_acSystemMicGain = 0;
  bool m_acSystemMicMute = false;
  int m_acSystemSpeakerGain = 0;
  bool m_acSystemSpeakerMute = false;
  bool m_aec = false;
  bool m_aecAutoMode = false;
  bool m_aecCNG = false;
  int m_aecMode = 0;
  bool m_aecNLP = false;
  bool m_agc = false;
  bool m_arsAutoFec = false;
  bool m_arsFeedbackOverRTCP = false;
  bool m_arsFrameResize = false;
  int m_arsHiBitrate = 0;
  int m_arsHiFramerate = 0;
  int m_arsInitialBitrate = 0;
  int m_arsLoBitrate = 0;
  int m_arsLoFramerate = 0;
  int m_arsProfile = 0;
  QString m_audioInputDevice;
  QString m_audioOutputDevice;
  int m_channelMicGain = 0;
  bool m_channelMicMute = false;
  int m_channelSpeakerGain = 0;
  bool m_channelSpeakerMute = false;
  bool m_disableConfControl = false;
  bool m_disableRTCP = false;
  bool m_disableSendArsFeedback = false;
  bool m_enableARS = false;
  bool m_enableQOS = false;
  int m_keepAliveSec = 0;
  QString m_lastError;
  bool m_ns = false;
  int m_recvStreamBitrate = 0;
  int m_recvStreamBitrateFull = 0;
  QString m_recvStreamCodecName;
  int m_recvStreamFrameRate = 0;
  int m_recvStreamFramesDecoded = 0;
  int m_recvStreamInactiveTime = 0;
  int m_recvStreamIntraFramesDecoded = 0;
  int m_recvStreamJitter = 0;
  int m_recvStreamOnlineTime = 0;
  int m_recvStreamPacketRate = 0;
  int m_recvStreamPacketsLost = 0;
  int m_recvStreamPacketsReceived = 0;
  int m_recvStreamPacketsRecovered = 0;
  int m_recvStreamPacketsRetransmitted = 0;
  int m_recvStreamPayloadReceived = 0;
  int m_recvStreamPayloadType = 0;
  int m_recvStreamQueueTimeLength = 0;
  int m_recvStreamResetCount = 0;
  QString m_recvStreamResolution;
  int m_recvStreamRtxDelay = 0;
  int m_recvStreamTotalReceived = 0;
  int m_sendStreamAverageJitter = 0;
  int m_sendStreamAverageRtxDelay = 0;
  QString m_sendStreamCodecName;
  int m_sendStreamCurrentQueueLength = 0;
  int m_sendStreamDropFPS = 0;
  int m_sendStreamDropFrames = 0;
  int m_sendStreamEfficientJitter = 0;
  int m_sendStreamFPS = 0;
  int m_sendStreamFrames = 0;
  int m_sendStreamIntraFrames = 0;
  int m_sendStreamPayloadType = 0;
  int m_sendStreamPeakJitter = 0;
  int m_sendStreamPeakRtxDelay = 0;
  int m_sendStreamRTPLostPacketsRate = 0;
  int m_sendStreamRTPLostPacketsTotal = 0;
  int m_sendStreamResetCount = 0;
  QString m_sendStreamResolution;
  QString m_videoCaptureDevice;
  int m_videoEncoderBitrate = 0;
  int m_videoEncoderCodecFlags = 0;
  QString m_videoEncoderCodecName;
  int m_videoEncoderFECCheckPackets = 0;
  int m_videoEncoderFECInfoPackets = 0;
  int m_videoEncoderFramerate = 0;
  QString m_videoEncoderImageSize;
  int m_videoEncoderKeyPeriod = 0;
  int m_videoEncoderPayloadType = 0;
  int m_videoEncoderRedundancy = 0;
  int m_videoEncoderVEQProfile = 0;
  int m_voiceEncoderBitrate = 0;
  bool m_voiceEncoderCN = false;
  int m_voiceEncoderCodecFlags = 0;
  QString m_voiceEncoderCodecName;
  int m_voiceEncoderFECCheckPackets = 0;
  int m_voiceEncoderFECInfoPackets = 0;
  int m_voiceEncoderFECInterleaving = 0;
  int m_voiceEncoderFrameLength = 0;
  int m_voiceEncoderPayloadType = 0;
  int m_voiceEncoderSamplingFreq = 0;
};

}  // namespace Spirit
}  // namespace MediaEngine
}  // namespace RAZ

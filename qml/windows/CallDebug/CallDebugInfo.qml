import QtQuick 2.15
import "qrc:/controls"

// The call debug scene: the media engine's values of one call (debugInfo),
// the audio processing switches a tester may change. F5 reads everything
// again. Titles, switches and legends are in the user's language; the
// engine's value names are its own, not translated.
Rectangle {
    id: root
    objectName: "callDebugInfo"
    width: 400
    height: 600
    focus: true
    color: ZPalette.surface
    readonly property string lc: rootWindow ? rootWindow.languageChangeProperty : ""
    Keys.onPressed: if (event.key === Qt.Key_F5) { debugInfo.init(); event.accepted = true; }

    Component {
        id: groupTitle
        Text { font.bold: true; font.pixelSize: 12; textFormat: Text.PlainText }
    }

    Text {
        id: errorText
        objectName: "lastError"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 6 }
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        color: ZPalette.error
        text: debugInfo.lastError
    }

    Flickable {
        anchors { left: parent.left; right: parent.right; top: errorText.bottom; bottom: parent.bottom; margins: 6 }
        contentHeight: grid.height
        clip: true
        Column {
            id: grid
            width: parent.width
            spacing: 2
            Text { text: qsTr("Real duplex params") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            ZCheckBox { text: qsTr("AEC") + root.lc; checked: debugInfo.aec; onToggled: debugInfo.aec = checked }
            ZCheckBox { text: qsTr("AEC auto mode") + root.lc; checked: debugInfo.aecAutoMode; onToggled: debugInfo.aecAutoMode = checked }
            ZCheckBox { text: qsTr("AEC NLP") + root.lc; checked: debugInfo.aecNLP; onToggled: debugInfo.aecNLP = checked }
            ZCheckBox { text: qsTr("AEC CNG") + root.lc; checked: debugInfo.aecCNG; onToggled: debugInfo.aecCNG = checked }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex): %1").arg(debugInfo.aecMode) + root.lc }
            ZCheckBox { text: qsTr("Noise suppression") + root.lc; checked: debugInfo.ns; onToggled: debugInfo.ns = checked }
            ZCheckBox { text: qsTr("Automatic gain control") + root.lc; checked: debugInfo.agc; onToggled: debugInfo.agc = checked }
            Text { text: qsTr("Audio parameters") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            ZCheckBox { text: qsTr("System speaker mute") + root.lc; checked: debugInfo.acSystemSpeakerMute; onToggled: debugInfo.acSystemSpeakerMute = checked }
            VolumeSelector { label: qsTr("System speaker gain") + root.lc; value: debugInfo.acSystemSpeakerGain; onApply: debugInfo.acSystemSpeakerGain = value }
            ZCheckBox { text: qsTr("System mic mute") + root.lc; checked: debugInfo.acSystemMicMute; onToggled: debugInfo.acSystemMicMute = checked }
            VolumeSelector { label: qsTr("System mic gain") + root.lc; value: debugInfo.acSystemMicGain; onApply: debugInfo.acSystemMicGain = value }
            ZCheckBox { text: qsTr("Speaker mute") + root.lc; checked: debugInfo.acSpeakerMute; onToggled: debugInfo.acSpeakerMute = checked }
            VolumeSelector { label: qsTr("Speaker gain") + root.lc; value: debugInfo.acSpeakerGain; onApply: debugInfo.acSpeakerGain = value }
            ZCheckBox { text: qsTr("Mic mute") + root.lc; checked: debugInfo.acMicMute; onToggled: debugInfo.acMicMute = checked }
            VolumeSelector { label: qsTr("Mic gain") + root.lc; value: debugInfo.acMicGain; onApply: debugInfo.acMicGain = value }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable): %1").arg(debugInfo.acMicBoost) + root.lc }
            Text { text: qsTr("Channel audio parameters") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            ZCheckBox { text: qsTr("Channel speaker mute") + root.lc; checked: debugInfo.channelSpeakerMute; onToggled: debugInfo.channelSpeakerMute = checked }
            VolumeSelector { label: qsTr("Channel speaker gain") + root.lc; value: debugInfo.channelSpeakerGain; onApply: debugInfo.channelSpeakerGain = value }
            ZCheckBox { text: qsTr("Channel mic mute") + root.lc; checked: debugInfo.channelMicMute; onToggled: debugInfo.channelMicMute = checked }
            VolumeSelector { label: qsTr("Channel mic gain") + root.lc; value: debugInfo.channelMicGain; onApply: debugInfo.channelMicGain = value }
            Text { text: qsTr("Audio channel parameters (not editable)") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("Keep alive (s): %1").arg(debugInfo.keepAliveSec) + root.lc }
            Text { objectName: "dtmfSent"; width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("Touch tones sent: %1").arg(debugInfo.dtmfSent) + root.lc }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("QoS: %1").arg(debugInfo.enableQOS) + root.lc }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("RTCP disabled: %1").arg(debugInfo.disableRTCP) + root.lc }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: qsTr("Conference control disabled: %1").arg(debugInfo.disableConfControl) + root.lc }
            Text { text: qsTr("Voice encoder parameters") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderCodecName: " + debugInfo.voiceEncoderCodecName }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderPayloadType: " + debugInfo.voiceEncoderPayloadType }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderSamplingFreq: " + debugInfo.voiceEncoderSamplingFreq }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderFrameLength: " + debugInfo.voiceEncoderFrameLength }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderBitrate: " + debugInfo.voiceEncoderBitrate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderCN: " + debugInfo.voiceEncoderCN }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderCodecFlags: " + debugInfo.voiceEncoderCodecFlags }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderFECCheckPackets: " + debugInfo.voiceEncoderFECCheckPackets }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderFECInfoPackets: " + debugInfo.voiceEncoderFECInfoPackets }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "voiceEncoderFECInterleaving: " + debugInfo.voiceEncoderFECInterleaving }
            Text { text: qsTr("Input/Output devices") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "audioInputDevice: " + debugInfo.audioInputDevice }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "audioOutputDevice: " + debugInfo.audioOutputDevice }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoCaptureDevice: " + debugInfo.videoCaptureDevice }
            Text { text: qsTr("Video encoder parameters") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderCodecName: " + debugInfo.videoEncoderCodecName }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderPayloadType: " + debugInfo.videoEncoderPayloadType }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderImageSize: " + debugInfo.videoEncoderImageSize }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderFramerate: " + debugInfo.videoEncoderFramerate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderBitrate: " + debugInfo.videoEncoderBitrate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderKeyPeriod: " + debugInfo.videoEncoderKeyPeriod }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderCodecFlags: " + debugInfo.videoEncoderCodecFlags }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderFECCheckPackets: " + debugInfo.videoEncoderFECCheckPackets }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderFECInfoPackets: " + debugInfo.videoEncoderFECInfoPackets }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderRedundancy: " + debugInfo.videoEncoderRedundancy }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "videoEncoderVEQProfile: " + debugInfo.videoEncoderVEQProfile }
            Text { text: qsTr("CPU Load Control") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuParmEnabled: " + debugInfo.CpuParmEnabled }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuParmMaxProcess: " + debugInfo.CpuParmMaxProcess }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuParmMaxTotal: " + debugInfo.CpuParmMaxTotal }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuStateEnabled: " + debugInfo.CpuStateEnabled }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuStateProcess: " + debugInfo.CpuStateProcess }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "CpuStateTotal: " + debugInfo.CpuStateTotal }
            Text { text: qsTr("Sent video stream statistics") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamCodecName: " + debugInfo.sendStreamCodecName }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamPayloadType: " + debugInfo.sendStreamPayloadType }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamResolution: " + debugInfo.sendStreamResolution }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamFPS: " + debugInfo.sendStreamFPS }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamFrames: " + debugInfo.sendStreamFrames }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamIntraFrames: " + debugInfo.sendStreamIntraFrames }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamDropFPS: " + debugInfo.sendStreamDropFPS }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamDropFrames: " + debugInfo.sendStreamDropFrames }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamAverageJitter: " + debugInfo.sendStreamAverageJitter }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamPeakJitter: " + debugInfo.sendStreamPeakJitter }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamEfficientJitter: " + debugInfo.sendStreamEfficientJitter }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamAverageRtxDelay: " + debugInfo.sendStreamAverageRtxDelay }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamPeakRtxDelay: " + debugInfo.sendStreamPeakRtxDelay }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamCurrentQueueLength: " + debugInfo.sendStreamCurrentQueueLength }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamRTPLostPacketsRate: " + debugInfo.sendStreamRTPLostPacketsRate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamRTPLostPacketsTotal: " + debugInfo.sendStreamRTPLostPacketsTotal }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "sendStreamResetCount: " + debugInfo.sendStreamResetCount }
            Text { text: qsTr("Received video stream statistics") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamCodecName: " + debugInfo.recvStreamCodecName }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPayloadType: " + debugInfo.recvStreamPayloadType }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamResolution: " + debugInfo.recvStreamResolution }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamFrameRate: " + debugInfo.recvStreamFrameRate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamFramesDecoded: " + debugInfo.recvStreamFramesDecoded }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamIntraFramesDecoded: " + debugInfo.recvStreamIntraFramesDecoded }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamBitrate: " + debugInfo.recvStreamBitrate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamBitrateFull: " + debugInfo.recvStreamBitrateFull }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamJitter: " + debugInfo.recvStreamJitter }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamRtxDelay: " + debugInfo.recvStreamRtxDelay }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPacketRate: " + debugInfo.recvStreamPacketRate }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPacketsReceived: " + debugInfo.recvStreamPacketsReceived }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPacketsLost: " + debugInfo.recvStreamPacketsLost }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPacketsRecovered: " + debugInfo.recvStreamPacketsRecovered }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPacketsRetransmitted: " + debugInfo.recvStreamPacketsRetransmitted }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamPayloadReceived: " + debugInfo.recvStreamPayloadReceived }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamTotalReceived: " + debugInfo.recvStreamTotalReceived }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamQueueTimeLength: " + debugInfo.recvStreamQueueTimeLength }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamInactiveTime: " + debugInfo.recvStreamInactiveTime }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamOnlineTime: " + debugInfo.recvStreamOnlineTime }
            Text { width: parent.width; wrapMode: Text.Wrap; font.pixelSize: 11; textFormat: Text.PlainText; text: "recvStreamResetCount: " + debugInfo.recvStreamResetCount }
            Text { text: qsTr("Video Automatic bitRate Selector (ARS) parameters") + root.lc; font.bold: true; font.pixelSize: 12; topPadding: 8; textFormat: Text.PlainText }
            ZCheckBox { text: qsTr("Enable ARS") + root.lc; checked: debugInfo.enableARS; onToggled: debugInfo.enableARS = checked }
            ZCheckBox { text: qsTr("Auto FEC") + root.lc; checked: debugInfo.arsAutoFec; onToggled: debugInfo.arsAutoFec = checked }
            NumberInput { label: qsTr("Profile") + root.lc; value: debugInfo.arsProfile; onApply: debugInfo.arsProfile = value }
            NumberInput { label: qsTr("Initial bitrate") + root.lc; value: debugInfo.arsInitialBitrate; onApply: debugInfo.arsInitialBitrate = value }
            NumberInput { label: qsTr("Low bitrate") + root.lc; value: debugInfo.arsLoBitrate; onApply: debugInfo.arsLoBitrate = value }
            NumberInput { label: qsTr("High bitrate") + root.lc; value: debugInfo.arsHiBitrate; onApply: debugInfo.arsHiBitrate = value }
            NumberInput { label: qsTr("Low frame rate") + root.lc; value: debugInfo.arsLoFramerate; onApply: debugInfo.arsLoFramerate = value }
            NumberInput { label: qsTr("High frame rate") + root.lc; value: debugInfo.arsHiFramerate; onApply: debugInfo.arsHiFramerate = value }
            ZCheckBox { text: qsTr("Frame resize") + root.lc; checked: debugInfo.arsFrameResize; onToggled: debugInfo.arsFrameResize = checked }
            ZCheckBox { text: qsTr("Feedback over RTCP") + root.lc; checked: debugInfo.arsFeedbackOverRTCP; onToggled: debugInfo.arsFeedbackOverRTCP = checked }
            ZCheckBox { text: qsTr("Send no ARS feedback") + root.lc; checked: debugInfo.disableSendArsFeedback; onToggled: debugInfo.disableSendArsFeedback = checked }
        }
    }
}

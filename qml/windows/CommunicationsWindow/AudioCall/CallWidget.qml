import QtQuick 2.15
import "qrc:/controls"

// The call scene: who the call is with, its state and duration, and the
// call controls. Enter answers a ringing call (the window handles the key).
Rectangle {
    id: scene
    color: ZPalette.background

    readonly property var session: rootWindow.session
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var call: rootWindow.activeCall
    property int seconds: 0

    // The engine's call states: 2 and 11 ring, 7 to 10 are held or handed
    // over, 6 is closed.
    readonly property int state_: call ? call.callState : 0
    readonly property bool ringing: call !== null && call.isIncoming() && (state_ === 2 || state_ === 11)
    readonly property bool connected: call !== null && call.connectedAt !== undefined
                                      && !isNaN(call.connectedAt.getTime())
    readonly property bool held: state_ >= 7 && state_ <= 10
    // Six controls share the width of the smallest call window; a label that
    // does not fit (a long translation) widens its button and the row wraps,
    // rather than cutting the label short.
    readonly property real buttonWidth: Math.max(ZPalette.controlHeight * 2,
                                                 (width - ZPalette.unit * 9) / 6)
    function widthFor(labelWidth) {
        return Math.max(scene.buttonWidth, labelWidth + ZPalette.unit * 3)
    }

    Timer {
        interval: 1000
        repeat: true
        running: scene.connected && scene.state_ !== 6
        triggeredOnStart: true
        onTriggered: scene.seconds = Math.max(0, Math.floor((Date.now() - scene.call.connectedAt.getTime()) / 1000))
    }

    function twoDigits(n) { return (n < 10 ? "0" : "") + n }
    function duration(s) {
        var h = Math.floor(s / 3600), m = Math.floor(s / 60) % 60
        return (h > 0 ? h + ":" + twoDigits(m) : m) + ":" + twoDigits(s % 60)
    }

    Column {
        id: info
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: ZPalette.unit * 2
        spacing: ZPalette.unit

        ZLabel {
            objectName: "party"
            width: parent.width
            elide: Text.ElideRight
            font.pixelSize: ZPalette.fontPixelSize * 1.4
            font.bold: true
            color: ZPalette.strongText
            text: scene.session ? scene.session.contactName : ""
        }
        ZLabel {
            objectName: "conferenceCaption"
            width: parent.width
            visible: scene.session !== null && scene.session.isConference
            color: ZPalette.mutedText
            text: qsTr("Conference call") + scene.lc
        }
        ZLabel {
            objectName: "callState"
            width: parent.width
            color: ZPalette.mutedText
            text: (rootWindow.commsSessionUiHelper && scene.call
                   ? rootWindow.commsSessionUiHelper.getCallStateText(scene.state_) : "")
                  + (scene.connected && !scene.ringing ? "  " + scene.duration(scene.seconds) : "")
                  + scene.lc
        }
    }

    Flow {
        id: controls
        objectName: "callControls"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: ZPalette.unit * 2
        spacing: ZPalette.unit
        visible: scene.call !== null

        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "answerButton"
            visible: scene.ringing
            primary: true
            text: qsTr("Answer") + scene.lc
            onClicked: scene.call.answer()
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "endButton"
            primary: !scene.ringing
            text: (scene.ringing ? qsTr("Decline") : qsTr("End")) + scene.lc
            onClicked: rootWindow.close()
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "muteButton"
            visible: !scene.ringing
            text: (scene.call && scene.call.microphoneMuted ? qsTr("Unmute") : qsTr("Mute")) + scene.lc
            onClicked: scene.call.microphoneMuted ? scene.call.unmuteMicrophone() : scene.call.muteMicrophone()
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "holdButton"
            visible: !scene.ringing
            text: (scene.held ? qsTr("Resume") : qsTr("Hold")) + scene.lc
            onClicked: scene.call.toggleHold()
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "dialpadButton"
            visible: !scene.ringing
            text: qsTr("Dial Pad") + scene.lc
            onClicked: rootWindow.dialpadVisible = !rootWindow.dialpadVisible
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "videoButton"
            visible: !scene.ringing
            text: (scene.call && scene.call.videoState !== 0 ? qsTr("Stop Video") : qsTr("Video")) + scene.lc
            onClicked: scene.call.videoState !== 0 ? scene.call.stopVideo() : scene.call.startVideo()
        }
        ZButton {
            width: scene.widthFor(labelWidth)
            objectName: "transferButton"
            visible: !scene.ringing
            text: qsTr("Transfer") + scene.lc
            onClicked: if (rootWindow.overlay) rootWindow.overlay.transferCallTriggered()
        }
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
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

    // The engine's call states: incoming and ringing calls ring, held to
    // transferring ones are held or handed over.
    readonly property int state_: call ? call.callState : 0
    readonly property bool ringing: call !== null && call.isIncoming() && (state_ === Vantre.Call.StateIncoming
                                                                   || state_ === Vantre.Call.StateRinging)
    readonly property bool connected: call !== null && call.connectedAt !== undefined
                                      && !isNaN(call.connectedAt.getTime())
    readonly property bool held: state_ >= Vantre.Call.StateHeld && state_ <= Vantre.Call.StateTransferring
    // The controls keep their row under the call's state: each button is as
    // wide as its label needs (a long translation widens it, never cuts it
    // short), and a wider window shares its width evenly between them. What
    // the row and the text above it need is the scene's implicit size, which
    // the window takes as the least its call pane may have; only a screen
    // too narrow for the whole row makes it wrap, and then the window grows
    // in height for it, never over the text.
    readonly property real gap: ZPalette.unit
    readonly property real padding: ZPalette.unit * 3
    readonly property var shownButtons: ringing ? [answerButton, endButton]
                                                : [endButton, muteButton, holdButton, dialpadButton,
                                                   videoButton, transferButton]
    function natural(button) {
        return Math.max(ZPalette.controlHeight * 2, button.labelWidth + padding)
    }
    readonly property real naturalRowWidth: {
        var total = 0
        for (var i = 0; i < shownButtons.length; ++i)
            total += natural(shownButtons[i])
        return total + gap * Math.max(0, shownButtons.length - 1)
    }
    // The width of every button whose label needs less: what is left of the
    // row once the wider ones have theirs, shared evenly.
    readonly property real sharedWidth: {
        var widths = []
        for (var i = 0; i < shownButtons.length; ++i)
            widths.push(natural(shownButtons[i]))
        widths.sort(function(a, b) { return b - a })
        var room = controls.width - gap * Math.max(0, widths.length - 1)
        var rest = widths.length
        for (var j = 0; j < widths.length && rest > 0; ++j) {
            if (widths[j] <= room / rest)
                break
            room -= widths[j]
            --rest
        }
        return rest > 0 ? room / rest : 0
    }
    function widthFor(button) {
        return Math.min(controls.width, Math.max(natural(button), sharedWidth))
    }
    implicitWidth: naturalRowWidth + ZPalette.unit * 4
    implicitHeight: info.implicitHeight + controls.height + ZPalette.unit * 6

    Timer {
        interval: 1000
        repeat: true
        running: scene.connected && scene.state_ !== Vantre.Call.StateClosed
        triggeredOnStart: true
        onTriggered: scene.seconds = Math.max(0, Math.floor((Date.now() - scene.call.connectedAt.getTime()) / 1000))
    }

    function twoDigits(n) { return (n < 10 ? "0" : "") + n }
    function duration(s) {
        var h = Math.floor(s / 3600), m = Math.floor(s / 60) % 60
        return (h > 0 ? h + ":" + twoDigits(m) : m) + ":" + twoDigits(s % 60)
    }

    // Who the call is with and how it stands, read as one line ("Alice
    // Moreno, On hold"), the time with it as its description.
    readonly property string stateText: rootWindow.commsSessionUiHelper && scene.call
                                        ? (rootWindow.commsSessionUiHelper.callsAvailable,
                                           rootWindow.commsSessionUiHelper.getCallStateText(scene.state_)) : ""
    Column {
        id: info
        objectName: "callInfo"
        Accessible.role: Accessible.StaticText
        // Heard as it changes (held, resumed, ended), wherever a reader's
        // focus is.
        readonly property bool accessibleLive: true
        Accessible.name: [party.text, scene.stateText].filter(function(part) { return part !== ""; }).join(", ")
        Accessible.description: [conferenceCaption.visible ? conferenceCaption.text : "", callState.text]
                                .filter(function(part) { return part !== ""; }).join(", ")
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: ZPalette.unit * 2
        spacing: ZPalette.unit

        ZLabel {
            id: party
            objectName: "party"
            width: parent.width
            elide: Text.ElideRight
            font.pixelSize: ZPalette.fontPixelSize * 1.4
            font.weight: Font.Bold
            color: ZPalette.strongText
            text: scene.session ? scene.session.partyName : ""
        }
        ZLabel {
            id: conferenceCaption
            objectName: "conferenceCaption"
            width: parent.width
            visible: scene.session !== null && scene.session.isConference
            color: ZPalette.mutedText
            text: qsTr("Conference call") + scene.lc
        }
        ZLabel {
            id: callState
            objectName: "callState"
            width: parent.width
            color: ZPalette.mutedText
            text: scene.stateText
                  + (scene.connected && !scene.ringing ? "  " + scene.duration(scene.seconds) : "")
                  + scene.lc
        }
    }

    // The keyboard starts on the call's first control: Answer while it
    // rings, else End.
    function focusFirstControl() { (ringing ? answerButton : endButton).focus = true; }
    onRingingChanged: focusFirstControl()
    Component.onCompleted: focusFirstControl()

    Flow {
        id: controls
        objectName: "callControls"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: ZPalette.unit * 2
        spacing: scene.gap
        visible: scene.call !== null

        ZButton {
            id: answerButton
            width: scene.widthFor(answerButton)
            objectName: "answerButton"
            visible: scene.ringing
            primary: true
            text: qsTr("Answer") + scene.lc
            onClicked: scene.call.answer()
        }
        ZButton {
            id: endButton
            width: scene.widthFor(endButton)
            objectName: "endButton"
            primary: !scene.ringing
            text: (scene.ringing ? qsTr("Decline") : qsTr("End")) + scene.lc
            onClicked: rootWindow.endCall()
        }
        ZButton {
            id: muteButton
            width: scene.widthFor(muteButton)
            objectName: "muteButton"
            visible: !scene.ringing
            text: (scene.call && scene.call.microphoneMuted ? qsTr("Unmute") : qsTr("Mute")) + scene.lc
            onClicked: scene.call.microphoneMuted ? scene.call.unmuteMicrophone() : scene.call.muteMicrophone()
        }
        ZButton {
            id: holdButton
            width: scene.widthFor(holdButton)
            objectName: "holdButton"
            visible: !scene.ringing
            text: (scene.held ? qsTr("Resume") : qsTr("Hold")) + scene.lc
            onClicked: scene.call.toggleHold()
        }
        ZButton {
            id: dialpadButton
            width: scene.widthFor(dialpadButton)
            objectName: "dialpadButton"
            visible: !scene.ringing
            text: qsTr("Dial Pad") + scene.lc
            onClicked: rootWindow.dialpadVisible = !rootWindow.dialpadVisible
        }
        ZButton {
            id: videoButton
            width: scene.widthFor(videoButton)
            objectName: "videoButton"
            visible: !scene.ringing
            text: (scene.call && scene.call.videoState !== Vantre.Call.VideoNone ? qsTr("Stop Video") : qsTr("Video")) + scene.lc
            onClicked: scene.call.videoState !== Vantre.Call.VideoNone ? scene.call.stopVideo() : scene.call.startVideo()
        }
        ZButton {
            id: transferButton
            width: scene.widthFor(transferButton)
            objectName: "transferButton"
            visible: !scene.ringing
            // In a call made to talk first, the held call is put through
            // from here once the party has answered.
            readonly property bool completes: scene.session !== null && scene.session.hasAssociatedFirstCall
            enabled: !completes || scene.state_ === Vantre.Call.StateInCall
            text: (completes ? qsTr("Complete Transfer") : qsTr("Transfer")) + scene.lc
            onClicked: {
                if (completes) rootWindow.completeTransferClicked();
                else if (rootWindow.overlay) rootWindow.overlay.transferCallTriggered();
            }
        }
    }
}

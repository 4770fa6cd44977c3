import QtQuick 2.15
import Vantre 1.0 as Vantre
import Kelvantic 1.0 as K
import "qrc:/controls"

// The strip under every communications window: the last share error, or
// what the session is doing. While a call runs and its own scene is not
// shown (video, a chat or a share beside the call), the call's controls are
// here instead, so that a call can always be ended, muted, held, sent tones
// and transferred.
Rectangle {
    id: footer
    color: ZPalette.disabledBackground
    readonly property string lc: rootWindow.languageChangeProperty
    // The status tip is asked for again whenever the panes are laid out anew.
    property int activity: 0
    Connections {
        target: rootWindow
        function onLayoutChanged() { footer.activity++ }
    }

    // The call, as the call scene reads it: incoming and ringing calls ring,
    // held to transferring ones are held or handed over.
    readonly property var call: rootWindow.activeCall
    readonly property int callState: call ? call.callState : 0
    readonly property bool ringing: call !== null && call.isIncoming() && (callState === Vantre.Call.StateIncoming
                                                                    || callState === Vantre.Call.StateRinging)
    readonly property bool held: callState >= Vantre.Call.StateHeld && callState <= Vantre.Call.StateTransferring
    readonly property bool callControls: call !== null && callState !== Vantre.Call.StateClosed && !rootWindow.callPaneShown

    // The buttons take the width their labels need, with less room around
    // the labels when the footer is narrow (a small window, a long
    // translation); where even that is too wide, the short labels keep their
    // width and the long ones share what is left, shortened.
    readonly property real gap: ZPalette.unit
    readonly property real roomyPadding: ZPalette.unit * 3
    readonly property real tightPadding: ZPalette.unit * 2 + 2
    readonly property var shownButtons: {
        var all = [answerButton, endButton, muteButton, holdButton, dialpadButton, videoButton, transferButton]
        var shown = []
        for (var i = 0; i < all.length; ++i)
            if (all[i].visible) shown.push(all[i])
        return shown
    }
    function totalWidth(padding) {
        var total = 0
        for (var i = 0; i < shownButtons.length; ++i)
            total += shownButtons[i].labelWidth + padding
        return total + gap * Math.max(0, shownButtons.length - 1)
    }
    readonly property real roomBeside: width - optionsLink.implicitWidth - ZPalette.unit * 5
    readonly property bool ownVideoToggle: rootWindow.session !== null && rootWindow.session.isVideoCall
                                           && (!callControls
                                               || totalWidth(tightPadding) + videoToggle.implicitWidth + ZPalette.unit * 2 <= roomBeside)
    // The speaker's volume and mute, while there is a call to hear, where
    // the call's controls leave room for them.
    readonly property var volumeHelper: (typeof mediaVolumeHelper !== "undefined") ? mediaVolumeHelper : null
    readonly property real volumeRoom: speaker.implicitWidth + ZPalette.unit * 2
    readonly property bool speakerShown: volumeHelper !== null && call !== null && callState !== Vantre.Call.StateClosed
                                         && (!callControls
                                             || totalWidth(tightPadding) + volumeRoom
                                                + (ownVideoToggle ? videoToggle.implicitWidth + ZPalette.unit * 2 : 0) <= roomBeside)
    readonly property real controlsRoom: roomBeside - (ownVideoToggle ? videoToggle.implicitWidth + ZPalette.unit * 2 : 0)
                                         - (speakerShown ? volumeRoom : 0)
    readonly property real padding: totalWidth(roomyPadding) <= controlsRoom ? roomyPadding : tightPadding
    // The widest a button may be: none while all fit.
    readonly property real widest: {
        if (totalWidth(padding) <= controlsRoom) return Number.POSITIVE_INFINITY
        var widths = []
        for (var i = 0; i < shownButtons.length; ++i)
            widths.push(shownButtons[i].labelWidth + padding)
        widths.sort(function(a, b) { return a - b })
        var room = controlsRoom - gap * Math.max(0, widths.length - 1)
        for (var j = 0; j < widths.length; ++j) {
            var left = widths.length - j
            if (widths[j] * left > room) return Math.max(ZPalette.unit * 2, room / left)
            room -= widths[j]
        }
        return Number.POSITIVE_INFINITY
    }
    readonly property real buttonHeight: Math.min(ZPalette.controlHeight, height - ZPalette.unit)
    // A label shown cut short tells itself whole while the pointer rests on it.
    function tipFor(item, hovered) {
        if (hovered && item.truncated) tip.showToolTip(item.text)
        else tip.hideToolTip()
    }
    K.ToolTip { id: tip }
    function buttonWidth(labelWidth) { return Math.min(labelWidth + padding, widest) }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 1
        color: ZPalette.border
    }
    Row {
        id: controls
        objectName: "footerCallControls"
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit
        spacing: footer.gap
        visible: footer.callControls

        ZButton {
            id: answerButton
            objectName: "answerButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && footer.ringing
            primary: true
            text: qsTr("Answer") + footer.lc
            onClicked: footer.call.answer()
        }
        ZButton {
            id: endButton
            objectName: "endButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls
            primary: !footer.ringing
            text: (footer.ringing ? qsTr("Decline") : qsTr("End")) + footer.lc
            onClicked: rootWindow.endCall()
        }
        ZButton {
            id: muteButton
            objectName: "muteButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && !footer.ringing
            text: (footer.call && footer.call.microphoneMuted ? qsTr("Unmute") : qsTr("Mute")) + footer.lc
            onClicked: footer.call.microphoneMuted ? footer.call.unmuteMicrophone() : footer.call.muteMicrophone()
        }
        ZButton {
            id: holdButton
            objectName: "holdButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && !footer.ringing
            text: (footer.held ? qsTr("Resume") : qsTr("Hold")) + footer.lc
            onClicked: footer.call.toggleHold()
        }
        ZButton {
            id: dialpadButton
            objectName: "dialpadButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && !footer.ringing
            text: qsTr("Dial Pad") + footer.lc
            onClicked: rootWindow.dialpadVisible = !rootWindow.dialpadVisible
        }
        ZButton {
            id: videoButton
            objectName: "videoButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && !footer.ringing
            text: (footer.call && footer.call.videoState !== Vantre.Call.VideoNone ? qsTr("Stop Video") : qsTr("Video")) + footer.lc
            onClicked: footer.call.videoState !== Vantre.Call.VideoNone ? footer.call.stopVideo() : footer.call.startVideo()
        }
        ZButton {
            id: transferButton
            objectName: "transferButton"
            width: footer.buttonWidth(labelWidth)
            onHoveredChanged: footer.tipFor(this, hovered)
            height: footer.buttonHeight
            visible: footer.callControls && !footer.ringing
            readonly property bool completes: rootWindow.session !== null && rootWindow.session.hasAssociatedFirstCall
            enabled: !completes || footer.callState === Vantre.Call.StateInCall
            text: (completes ? qsTr("Complete Transfer") : qsTr("Transfer")) + footer.lc
            onClicked: {
                if (completes) rootWindow.completeTransferClicked();
                else if (rootWindow.overlay) rootWindow.overlay.transferCallTriggered();
            }
        }
    }
    ZLabel {
        id: footerText
        objectName: "footerText"
        // What the session is doing, for a screen reader too (it starts
        // empty, and such a text is given no interface of its own); while
        // it says nothing, a reader meets no nameless text there.
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        Accessible.ignored: text === ""
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: controls.visible ? controls.right : parent.left
        anchors.right: speaker.visible ? speaker.left : (videoToggle.visible ? videoToggle.left : optionsLink.left)
        anchors.leftMargin: ZPalette.unit * 2
        anchors.rightMargin: ZPalette.unit * 2
        elide: Text.ElideRight
        color: rootWindow.ussError !== "" ? ZPalette.error : ZPalette.mutedText
        text: rootWindow.ussError !== "" ? rootWindow.ussError
              : (footer.activity >= 0 && rootWindow.session && rootWindow.commsSessionUiHelper
                 ? (rootWindow.commsSessionUiHelper.callsAvailable,
                    rootWindow.commsSessionUiHelper.getCommunicationStatusTip(rootWindow.session)) : "")
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
            onContainsMouseChanged: footer.tipFor(footerText, containsMouse)
        }
    }
    ZVolume {
        id: speaker
        objectName: "footerVolume"
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: videoToggle.visible ? videoToggle.left : optionsLink.left
        anchors.rightMargin: ZPalette.unit * 2
        helper: footer.volumeHelper
        visible: footer.speakerShown
        lc: footer.lc
        muteName: qsTr("Mute Speaker") + footer.lc
        trackWidth: ZPalette.unit * 12
    }
    ZLink {
        id: videoToggle
        objectName: "ownVideoToggle"
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: optionsLink.left
        anchors.rightMargin: ZPalette.unit * 2
        visible: footer.ownVideoToggle
        text: (rootWindow.showOwnVideo ? qsTr("Hide my video") : qsTr("Show my video")) + footer.lc
        onClicked: rootWindow.toggleShowOwnVideo()
    }
    // The window's options menu: the call, the chat, the party and the window.
    ZLink {
        id: optionsLink
        objectName: "optionsMenuButton"
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2
        font.weight: rootWindow.optionsMenuVisible ? Font.Bold : Font.Normal
        text: qsTr("Options") + footer.lc
        // Drops from the link (or rises above it at the screen's foot),
        // wherever the pointer is: Space leaves it anywhere.
        onClicked: {
            rootWindow.openMenuFromItem(optionsLink);
            rootWindow.showOptionsMenu();
        }
    }
}

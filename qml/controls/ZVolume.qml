import QtQuick 2.15

// The speaker's volume and mute, as the media-volume helper of the session
// gives them: a mute toggle (a click, Space or Enter) and a slider (a click
// or drag, the arrows, Page Up and Down, Home and End). Without a helper it
// shows nothing.
Row {
    id: volume
    // The session's media-volume helper (systemVolume, systemMute and
    // their setters), or null.
    property var helper: null
    // Changes with the interface language, so that the texts follow it.
    property string lc: ""
    // What a screen reader calls the mute toggle.
    property string muteName: qsTr("Mute") + lc
    property real trackWidth: ZPalette.unit * 18

    spacing: ZPalette.unit * 2
    visible: helper !== null && helper !== undefined

    function toggleMute() { if (helper) helper.setSystemMute(!helper.systemMute); }
    function setVolume(v) { if (helper) helper.setSystemVolume(Math.max(0, Math.min(100, Math.round(v)))); }

    ZLabel {
        id: muteToggle
        objectName: "muteToggle"
        anchors.verticalCenter: parent.verticalCenter
        text: volume.helper && volume.helper.systemMute ? "\u2715" : "\u266A"
        color: activeFocus ? ZPalette.accent : ZPalette.mutedText
        activeFocusOnTab: true
        Accessible.role: Accessible.CheckBox
        Accessible.name: volume.muteName
        Accessible.checkable: true
        Accessible.checked: volume.helper ? volume.helper.systemMute : false
        Accessible.onPressAction: volume.toggleMute()
        Accessible.onToggleAction: volume.toggleMute()
        Keys.onPressed: function(event) {
            if (event.isAutoRepeat) return;
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                event.accepted = true;
                volume.toggleMute();
            }
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: -ZPalette.focusWidth - 1
            radius: ZPalette.focusWidth * 2
            color: "transparent"
            border.width: ZPalette.focusWidth
            border.color: ZPalette.accent
            opacity: 0.6
            visible: muteToggle.activeFocus
        }
        MouseArea { anchors.fill: parent; onClicked: volume.toggleMute() }
    }
    Rectangle {
        id: volumeTrack
        objectName: "volumeSlider"
        width: volume.trackWidth; height: ZPalette.unit; radius: height / 2
        anchors.verticalCenter: parent.verticalCenter
        color: ZPalette.border
        // What a screen reader reads and sets of a slider.
        readonly property int value: volume.helper ? volume.helper.systemVolume : 0
        readonly property int minimumValue: 0
        readonly property int maximumValue: 100
        readonly property int stepSize: 5
        activeFocusOnTab: true
        Accessible.role: Accessible.Slider
        Accessible.name: qsTr("Volume") + volume.lc
        Accessible.onIncreaseAction: volume.setVolume(value + stepSize)
        Accessible.onDecreaseAction: volume.setVolume(value - stepSize)
        // Right and Up raise it, Left and Down lower it, Page Up and Down by
        // more, Home and End to the ends.
        Keys.onPressed: function(event) {
            var steps = { };
            steps[Qt.Key_Right] = stepSize; steps[Qt.Key_Up] = stepSize;
            steps[Qt.Key_Left] = -stepSize; steps[Qt.Key_Down] = -stepSize;
            steps[Qt.Key_PageUp] = 20; steps[Qt.Key_PageDown] = -20;
            steps[Qt.Key_Home] = -100; steps[Qt.Key_End] = 100;
            if (steps[event.key] === undefined) return;
            event.accepted = true;
            volume.setVolume(value + steps[event.key]);
        }
        Rectangle {
            width: parent.width * volumeTrack.value / 100
            height: parent.height; radius: parent.radius
            color: ZPalette.accent
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: -ZPalette.focusWidth - 2
            radius: height / 2
            color: "transparent"
            border.width: ZPalette.focusWidth
            border.color: ZPalette.accent
            opacity: 0.6
            visible: volumeTrack.activeFocus
        }
        MouseArea {
            anchors.fill: parent
            anchors.margins: -6
            function follow(x) { volume.setVolume(100 * Math.max(0, Math.min(1, (x - 6) / volumeTrack.width))); }
            onPressed: follow(mouse.x)
            onPositionChanged: if (pressed) follow(mouse.x)
        }
    }
}

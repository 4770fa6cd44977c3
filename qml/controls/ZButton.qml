import QtQuick 2.15

// Push button. "primary" fills it with the accent colour for the one action
// a form leads to; otherwise it is outlined.
FocusScope {
    id: control

    property string text
    property bool primary: false
    readonly property bool pressed: mouse.pressed || keyDown
    readonly property bool hovered: mouse.containsMouse
    property bool keyDown: false
    property alias font: label.font
    // What the label needs, for rows that size buttons to their texts.
    readonly property real labelWidth: label.implicitWidth
    // The label did not fit and is shown cut short.
    readonly property alias truncated: label.truncated

    signal clicked()

    activeFocusOnTab: true
    implicitWidth: Math.max(label.implicitWidth + ZPalette.unit * 6, ZPalette.controlHeight * 3)
    implicitHeight: ZPalette.controlHeight

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()

    Rectangle {
        id: focusRing
        anchors.fill: parent
        anchors.margins: -ZPalette.focusWidth - 1
        radius: background.radius + ZPalette.focusWidth + 1
        color: "transparent"
        border.width: ZPalette.focusWidth
        border.color: ZPalette.accent
        visible: control.activeFocus
        opacity: 0.6
    }

    Rectangle {
        id: background
        anchors.fill: parent
        radius: ZPalette.radius
        color: {
            if (!control.enabled)
                return ZPalette.disabledBackground;
            if (control.primary)
                return control.pressed ? ZPalette.accentPressed
                                       : (control.hovered ? Qt.lighter(ZPalette.accentHover, 1.08) : ZPalette.accent);
            return control.pressed ? ZPalette.disabledBackground : (control.hovered ? ZPalette.hover : ZPalette.fieldBackground);
        }
        border.width: control.primary && control.enabled ? 0 : 1
        border.color: control.activeFocus ? ZPalette.accent : ZPalette.border

        Behavior on color { ColorAnimation { duration: 120 } }
    }

    ZLabel {
        id: label
        anchors.centerIn: parent
        width: Math.min(implicitWidth, parent.width - ZPalette.unit * 2)
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
        text: control.text
        font.weight: control.primary ? Font.Bold : Font.Normal
        color: !control.enabled ? ZPalette.mutedText
                                : (control.primary ? ZPalette.accentText : ZPalette.strongText)
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: control.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: control.clicked()
    }

    Keys.onPressed: function(event) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space) {
            control.keyDown = true;
            event.accepted = true;
        } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true;
            control.clicked();
        }
    }
    Keys.onReleased: function(event) {
        if (event.key === Qt.Key_Space && !event.isAutoRepeat && control.keyDown) {
            control.keyDown = false;
            event.accepted = true;
            control.clicked();
        }
    }
    onActiveFocusChanged: if (!activeFocus) keyDown = false
}

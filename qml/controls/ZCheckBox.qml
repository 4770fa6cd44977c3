import QtQuick 2.15

// Check box with its label; the label is part of the click target.
FocusScope {
    id: control

    property string text
    property bool checked: false
    readonly property bool hovered: mouse.containsMouse
    property alias font: label.font
    // A long label wraps within the box's width instead of being cut.
    property bool wrap: false
    readonly property alias truncated: label.truncated

    // Emitted only for user changes (click, Space), not for bindings.
    signal toggled()

    function toggle() {
        checked = !checked;
        toggled();
    }

    activeFocusOnTab: true
    implicitWidth: box.width + ZPalette.unit * 2 + label.implicitWidth + ZPalette.focusWidth * 2
    implicitHeight: Math.max(box.height, wrap ? label.contentHeight : label.implicitHeight) + ZPalette.unit

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: if (control.enabled) control.toggle()

    Rectangle {
        id: box
        readonly property real size: Math.round(ZPalette.fontPixelSize * 1.25)
        width: size
        height: size
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.focusWidth
        anchors.verticalCenter: parent.verticalCenter
        radius: Math.max(2, ZPalette.radius - 1)
        color: !control.enabled ? ZPalette.disabledBackground
                                : (control.checked ? ZPalette.accent : ZPalette.fieldBackground)
        border.width: control.checked && control.enabled ? 0 : 1
        border.color: control.enabled ? (control.hovered ? ZPalette.accent : ZPalette.mutedText) : ZPalette.border
        Behavior on color { ColorAnimation { duration: 120 } }

        // Tick drawn from two bars: no images, so it follows the theme.
        Item {
            anchors.fill: parent
            visible: control.checked
            Rectangle {
                x: box.size * 0.20
                y: box.size * 0.50
                width: box.size * 0.32
                height: Math.max(2, Math.round(box.size * 0.14))
                radius: height / 2
                rotation: 45
                transformOrigin: Item.Left
                antialiasing: true
                color: control.enabled ? ZPalette.accentText : ZPalette.mutedText
            }
            Rectangle {
                x: box.size * 0.38
                y: box.size * 0.72
                width: box.size * 0.52
                height: Math.max(2, Math.round(box.size * 0.14))
                radius: height / 2
                rotation: -50
                transformOrigin: Item.Left
                antialiasing: true
                color: control.enabled ? ZPalette.accentText : ZPalette.mutedText
            }
        }

        Rectangle {
            anchors.fill: parent
            anchors.margins: -ZPalette.focusWidth - 1
            radius: parent.radius + ZPalette.focusWidth + 1
            color: "transparent"
            border.width: ZPalette.focusWidth
            border.color: ZPalette.accent
            opacity: 0.6
            visible: control.activeFocus
        }
    }

    ZLabel {
        id: label
        anchors.left: box.right
        anchors.leftMargin: ZPalette.unit * 2
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: control.text
        elide: control.wrap ? Text.ElideNone : Text.ElideRight
        wrapMode: control.wrap ? Text.Wrap : Text.NoWrap
        color: control.enabled ? ZPalette.strongText : ZPalette.disabledText
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: control.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            control.forceActiveFocus(Qt.MouseFocusReason);
            control.toggle();
        }
    }

    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Space && !event.isAutoRepeat) {
            event.accepted = true;
            control.toggle();
        }
    }
}

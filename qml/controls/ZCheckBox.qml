import QtQuick 2.15

// Check box with its label; the label is part of the click target.
FocusScope {
    id: control

    property string text
    property bool checked: false
    readonly property bool hovered: mouse.containsMouse
    property alias font: label.font

    // Emitted only for user changes (click, Space), not for bindings.
    signal toggled()

    function toggle() {
        checked = !checked;
        toggled();
    }

    activeFocusOnTab: true
    implicitWidth: box.width + pal.unit * 2 + label.implicitWidth + pal.focusWidth * 2
    implicitHeight: Math.max(box.height, label.implicitHeight) + pal.unit

    ZPalette { id: pal }

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: if (control.enabled) control.toggle()

    Rectangle {
        id: box
        readonly property real size: Math.round(pal.fontPixelSize * 1.25)
        width: size
        height: size
        anchors.left: parent.left
        anchors.leftMargin: pal.focusWidth
        anchors.verticalCenter: parent.verticalCenter
        radius: Math.max(2, pal.radius - 1)
        color: !control.enabled ? pal.disabledBackground
                                : (control.checked ? pal.accent : pal.fieldBackground)
        border.width: control.checked && control.enabled ? 0 : 1
        border.color: control.enabled ? (control.hovered ? pal.accent : pal.mutedText) : pal.border
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
                color: control.enabled ? pal.accentText : pal.mutedText
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
                color: control.enabled ? pal.accentText : pal.mutedText
            }
        }

        Rectangle {
            anchors.fill: parent
            anchors.margins: -pal.focusWidth - 1
            radius: parent.radius + pal.focusWidth + 1
            color: "transparent"
            border.width: pal.focusWidth
            border.color: pal.accent
            opacity: 0.6
            visible: control.activeFocus
        }
    }

    Text {
        id: label
        anchors.left: box.right
        anchors.leftMargin: pal.unit * 2
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: control.text
        elide: Text.ElideRight
        font.family: pal.fontFamily
        font.pixelSize: pal.fontPixelSize
        color: control.enabled ? pal.strongText : pal.disabledText
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

import QtQuick 2.15

// Text link: underlined on hover and when focused; Space, Enter or Return
// follows it when it has keyboard focus.
FocusScope {
    id: control

    property string text
    property alias font: label.font
    property alias horizontalAlignment: label.horizontalAlignment
    readonly property bool hovered: mouse.containsMouse

    signal clicked()

    activeFocusOnTab: true
    implicitWidth: label.implicitWidth + ZPalette.focusWidth * 4
    implicitHeight: label.implicitHeight + ZPalette.focusWidth * 2

    Accessible.role: Accessible.Link
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()

    ZLabel {
        id: label
        anchors.centerIn: parent
        text: control.text
        font.pixelSize: Math.round(ZPalette.fontPixelSize * 0.92)
        font.underline: control.hovered || control.activeFocus
        color: !control.enabled ? ZPalette.disabledText
                                : (mouse.pressed ? ZPalette.accentPressed : ZPalette.link)
    }

    Rectangle {
        anchors.fill: parent
        radius: ZPalette.radius
        color: "transparent"
        border.width: ZPalette.focusWidth
        border.color: ZPalette.accent
        opacity: 0.5
        visible: control.activeFocus
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: control.clicked()
    }

    Keys.onPressed: function(event) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true;
            control.clicked();
        }
    }
}

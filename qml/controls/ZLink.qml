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
    implicitWidth: label.implicitWidth + pal.focusWidth * 4
    implicitHeight: label.implicitHeight + pal.focusWidth * 2

    ZPalette { id: pal }

    Accessible.role: Accessible.Link
    Accessible.name: text
    Accessible.onPressAction: if (control.enabled) control.clicked()

    Text {
        id: label
        anchors.centerIn: parent
        text: control.text
        font.family: pal.fontFamily
        font.pixelSize: Math.round(pal.fontPixelSize * 0.92)
        font.underline: control.hovered || control.activeFocus
        color: !control.enabled ? pal.disabledText
                                : (mouse.pressed ? pal.accentPressed : pal.link)
    }

    Rectangle {
        anchors.fill: parent
        radius: pal.radius
        color: "transparent"
        border.width: pal.focusWidth
        border.color: pal.accent
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

import QtQuick 2.15
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"

// One button of the call-settings toolbar: the theme's picture when it has
// one, else a sign of ours; lit while its service is on.
Item {
    id: button

    property string imageBase
    property string glyph
    property string toolTip
    property bool active: false
    readonly property bool hovered: mouse.containsMouse

    signal clicked()

    // A service that is on or off says which, as a lit button shows it.
    property bool toggles: false

    width: height + 2
    opacity: enabled ? 1 : 0.4
    // Reached with Tab, pressed with Space or Enter and by a screen
    // reader's press, as a click does.
    activeFocusOnTab: enabled
    Accessible.role: Accessible.Button
    Accessible.name: toolTip
    Accessible.checkable: toggles
    Accessible.checked: toggles && active
    Accessible.onPressAction: if (button.enabled) button.clicked()
    Keys.onPressed: function(event) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true;
            button.clicked();
        }
    }

    Kelvantic.ToolTip { id: tip }

    Rectangle {
        anchors.fill: parent
        radius: ZPalette.radius
        color: button.active ? ZPalette.accent : (button.hovered ? ZPalette.hover : "transparent")
        border.width: button.activeFocus ? ZPalette.focusWidth : (button.hovered && !button.active ? 1 : 0)
        border.color: button.activeFocus ? ZPalette.accentPressed : ZPalette.border
    }
    Image {
        id: picture
        objectName: "toolbarPicture"
        anchors.centerIn: parent
        source: button.imageBase !== "" ? button.imageBase + (button.active ? "_active.png" : ".png") : ""
        visible: status === Image.Ready
    }
    ZLabel {
        anchors.centerIn: parent
        visible: picture.status !== Image.Ready
        text: button.glyph
        font.pixelSize: Math.round(button.height * 0.55)
        font.weight: Font.Bold
        color: button.active ? ZPalette.accentText : ZPalette.strongText
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: Qt.PointingHandCursor
        onEntered: tip.showToolTip(button.toolTip)
        onExited: tip.hideToolTip()
        onClicked: { tip.hideToolTip(); button.clicked(); }
    }
}

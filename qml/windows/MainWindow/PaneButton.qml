import QtQuick 2.15
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"

// A view button of the main window's left pane: a glyph, its name as a
// tooltip on hover and for accessibility, an optional count badge.
Item {
    id: button

    property string glyph
    property string tip
    property bool selected: false
    property int badge: 0

    signal clicked()
    signal rightClicked()

    width: pal.unit * 8
    height: width
    // Reached with Tab, pressed with Space or Enter, and by a screen
    // reader's press action, as a click does.
    activeFocusOnTab: enabled
    Accessible.role: Accessible.Button
    Accessible.name: tip
    // The count its badge shows (the new missed calls).
    Accessible.description: badge > 0 ? String(badge) : ""
    Accessible.focusable: true
    Accessible.onPressAction: button.clicked()
    Keys.onPressed: function(event) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true;
            button.clicked();
        }
    }

    // The shared palette under a short name.
    readonly property QtObject pal: ZPalette

    Kelvantic.ToolTip { id: toolTip }

    Rectangle {
        anchors.fill: parent
        radius: pal.radius + 2
        color: "transparent"
        border.width: pal.focusWidth
        border.color: pal.accentText
        visible: button.activeFocus
    }
    Rectangle {
        anchors.fill: parent
        anchors.margins: pal.unit / 2
        radius: pal.radius
        color: button.selected ? Qt.rgba(1, 1, 1, 0.25) : (mouse.containsMouse ? Qt.rgba(1, 1, 1, 0.12) : "transparent")
    }
    ZLabel {
        anchors.centerIn: parent
        text: button.glyph
        color: pal.accentText
        font.pixelSize: Math.round(button.height * 0.5)
    }
    Rectangle {
        objectName: "badge"
        visible: button.badge > 0
        anchors { right: parent.right; top: parent.top; rightMargin: 1; topMargin: 1 }
        width: Math.max(height, count.implicitWidth + pal.unit * 1.5)
        height: Math.round(count.implicitHeight * 1.2)
        radius: height / 2
        color: pal.alert
        ZLabel {
            id: count
            anchors.centerIn: parent
            text: button.badge
            color: pal.accentText
            type: ZPalette.caption
            font.weight: Font.Bold
        }
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onEntered: toolTip.showToolTip(button.tip)
        onExited: toolTip.hideToolTip()
        onClicked: function(m) {
            toolTip.hideToolTip();
            if (m.button === Qt.RightButton)
                button.rightClicked();
            else
                button.clicked();
        }
    }
}

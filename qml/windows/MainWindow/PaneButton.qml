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

    width: 33
    height: 33
    Accessible.role: Accessible.Button
    Accessible.name: tip

    // The shared palette under a short name.
    readonly property QtObject pal: ZPalette

    Kelvantic.ToolTip { id: toolTip }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2
        radius: pal.radius
        color: button.selected ? Qt.rgba(1, 1, 1, 0.25) : (mouse.containsMouse ? Qt.rgba(1, 1, 1, 0.12) : "transparent")
    }
    Text {
        anchors.centerIn: parent
        text: button.glyph
        color: pal.accentText
        font.pixelSize: Math.round(button.height * 0.5)
    }
    Rectangle {
        objectName: "badge"
        visible: button.badge > 0
        anchors { right: parent.right; top: parent.top; rightMargin: 1; topMargin: 1 }
        width: Math.max(height, count.implicitWidth + 6)
        height: 14
        radius: 7
        color: "#D9534F"
        Text {
            id: count
            anchors.centerIn: parent
            text: button.badge
            color: "#FFFFFF"
            font.pixelSize: 9
            font.bold: true
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

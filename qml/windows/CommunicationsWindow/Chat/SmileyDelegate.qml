import QtQuick 2.15
import Kelvantic 1.0 as K
import "qrc:/controls"

// One emoticon of the selector: its picture, its texts as tooltip.
Item {
    id: cell
    property string fileName
    property string smileyText
    signal chosen(string text)
    width: 24
    height: 24

    Rectangle {
        anchors.fill: parent
        radius: 2
        color: area.containsMouse ? ZPalette.pick("lightBackground", "#F7F7F7") : "transparent"
    }
    Image {
        anchors.centerIn: parent
        width: 16
        height: 16
        source: cell.fileName
        sourceSize: Qt.size(16, 16)
    }
    K.ToolTip { id: tip }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: { tip.hideToolTip(); cell.chosen(cell.smileyText); }
        onContainsMouseChanged: containsMouse ? tip.showToolTip(cell.smileyText) : tip.hideToolTip()
    }
}

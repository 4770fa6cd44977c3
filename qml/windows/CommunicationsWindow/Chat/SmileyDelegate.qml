import QtQuick 2.15
import Kelvantic 1.0 as K
import "qrc:/controls"

// One emoticon of the selector: its picture, its texts as tooltip.
Item {
    id: cell
    property string fileName
    property string smileyText
    signal chosen(string text)
    width: ZPalette.unit * 6
    height: width

    Rectangle {
        anchors.fill: parent
        radius: ZPalette.radius
        color: area.containsMouse ? ZPalette.hover : "transparent"
    }
    Image {
        anchors.centerIn: parent
        width: ZPalette.unit * 4
        height: width
        source: cell.fileName
        sourceSize: Qt.size(width, height)
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

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 420
    height: 320
    color: pal.background

    ZPalette { id: pal }

    Row {
        id: tabRow
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: pal.unit * 3 }
        spacing: pal.unit
        Repeater {
            model: rootWindow.tabs
            ZButton {
                text: modelData + lc
                primary: index === rootWindow.currentPage
                onClicked: rootWindow.openPage(index)
            }
        }
    }
    Text {
        anchors { left: parent.left; right: parent.right; top: tabRow.bottom; margins: pal.unit * 4 }
        wrapMode: Text.WordWrap
        color: pal.mutedText
        font.family: pal.fontFamily
        font.pixelSize: pal.fontPixelSize
        text: qsTr("These services are managed by your service provider.") + lc
    }
    ZButton {
        anchors { right: parent.right; bottom: parent.bottom; margins: pal.unit * 4 }
        text: qsTr("Close") + lc
        onClicked: rootWindow.close()
    }
}

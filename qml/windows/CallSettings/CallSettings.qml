import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 420
    height: 320
    color: ZPalette.background

    Row {
        id: tabRow
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 3 }
        spacing: ZPalette.unit
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
        anchors { left: parent.left; right: parent.right; top: tabRow.bottom; margins: ZPalette.unit * 4 }
        wrapMode: Text.WordWrap
        color: ZPalette.mutedText
        font.family: ZPalette.fontFamily
        font.pixelSize: ZPalette.fontPixelSize
        text: qsTr("These services are managed by your service provider.") + lc
    }
    ZButton {
        anchors { right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
        text: qsTr("Close") + lc
        onClicked: rootWindow.close()
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var contact: rootWindow.contact
    readonly property var helper: (typeof presenceHelper !== "undefined") ? presenceHelper : null
    width: 320
    height: 360
    color: ZPalette.background

    Column {
        anchors { fill: parent; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit * 2
        ZLabel {
            width: parent.width
            text: root.contact ? root.contact.displayName : qsTr("New contact") + lc
            elide: Text.ElideRight
            color: ZPalette.strongText
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize * 1.4
            font.bold: true
        }
        ZLabel {
            visible: root.contact !== null
            text: root.contact && root.helper ? root.helper.availabilityText(root.contact.presence) : ""
            color: ZPalette.mutedText
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize
        }
        ZLabel {
            width: parent.width
            visible: root.contact !== null && root.contact.jid !== ""
            text: root.contact ? root.contact.jid : ""
            elide: Text.ElideRight
            color: ZPalette.text
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize
        }
        ZLabel {
            width: parent.width
            visible: root.contact !== null && root.contact.sipUri !== ""
            text: root.contact ? root.contact.sipUri : ""
            elide: Text.ElideRight
            color: ZPalette.text
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize
        }
    }
    ZButton {
        anchors { right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
        text: qsTr("Close") + lc
        onClicked: rootWindow.close()
    }
}

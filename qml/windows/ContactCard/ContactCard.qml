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
    color: pal.background

    ZPalette { id: pal }

    Column {
        anchors { fill: parent; margins: pal.unit * 4 }
        spacing: pal.unit * 2
        Text {
            width: parent.width
            text: root.contact ? root.contact.displayName : qsTr("New contact") + lc
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: pal.strongText
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize * 1.4
            font.bold: true
        }
        Text {
            visible: root.contact !== null
            text: root.contact && root.helper ? root.helper.availabilityText(root.contact.presence) : ""
            textFormat: Text.PlainText
            color: pal.mutedText
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize
        }
        Text {
            width: parent.width
            visible: root.contact !== null && root.contact.jid !== ""
            text: root.contact ? root.contact.jid : ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: pal.text
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize
        }
        Text {
            width: parent.width
            visible: root.contact !== null && root.contact.sipUri !== ""
            text: root.contact ? root.contact.sipUri : ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: pal.text
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize
        }
    }
    ZButton {
        anchors { right: parent.right; bottom: parent.bottom; margins: pal.unit * 4 }
        text: qsTr("Close") + lc
        onClicked: rootWindow.close()
    }
}

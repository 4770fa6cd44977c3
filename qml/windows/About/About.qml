import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 490
    height: 300
    color: pal.background

    ZPalette { id: pal }

    Column {
        id: top
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: pal.unit * 4 }
        spacing: pal.unit
        Text {
            text: rootWindow.productName
            textFormat: Text.PlainText
            color: pal.strongText
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize * 1.6
            font.bold: true
        }
        Text {
            objectName: "versionText"
            text: rootWindow.versionInfo + lc
            textFormat: Text.PlainText
            color: pal.mutedText
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize
        }
    }

    Flickable {
        id: notices
        anchors { left: parent.left; right: parent.right; top: top.bottom; bottom: okButton.top; margins: pal.unit * 4 }
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentHeight: noticeText.height
        Text {
            id: noticeText
            width: notices.width
            wrapMode: Text.WordWrap
            textFormat: Text.PlainText
            color: pal.text
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize * 0.9
            text: "\u00A9 " + rootWindow.buildYear + " " + rootWindow.organizationName + "\n\n"
                  + qsTr("This product uses the Qt toolkit (LGPL version 3), OpenSSL (Apache License 2.0), "
                         + "QtWebKit (LGPL version 2.1) and QXmpp (LGPL version 2.1).") + lc
        }
    }

    ZButton {
        id: okButton
        anchors { right: parent.right; bottom: parent.bottom; margins: pal.unit * 4 }
        primary: true
        text: qsTr("OK") + lc
        onClicked: rootWindow.close()
    }
}

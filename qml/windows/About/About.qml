import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 490
    height: 300
    color: ZPalette.background

    Column {
        id: top
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit
        ZLabel {
            text: rootWindow.productName
            color: ZPalette.strongText
            font.pixelSize: ZPalette.fontPixelSize * 1.6
            font.weight: Font.Bold
        }
        ZLabel {
            objectName: "versionText"
            text: rootWindow.versionInfo + lc
            color: ZPalette.mutedText
        }
    }

    Flickable {
        id: notices
        anchors { left: parent.left; right: parent.right; top: top.bottom; bottom: okButton.top; margins: ZPalette.unit * 4 }
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentHeight: noticeText.height
        ZLabel {
            id: noticeText
            width: notices.width
            wrapMode: Text.WordWrap
            type: ZPalette.caption
            text: "\u00A9 " + rootWindow.buildYear + " " + rootWindow.organizationName + "\n\n"
                  + qsTr("This product uses the Qt toolkit (LGPL version 3), OpenSSL (Apache License 2.0), "
                         + "QtWebKit (LGPL version 2.1) and QXmpp (LGPL version 2.1).") + lc
        }
    }

    ZButton {
        id: okButton
        anchors { right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
        primary: true
        text: qsTr("OK") + lc
        onClicked: rootWindow.close()
    }
}

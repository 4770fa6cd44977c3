import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 450
    height: 130
    color: pal.background

    ZPalette { id: pal }

    Component.onCompleted: {
        rootWindow.itemHeight = 50;
        rootWindow.heightExtraSpacing = heading.height + pal.unit * 6;
    }

    Text {
        id: heading
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: pal.unit * 3 }
        wrapMode: Text.WordWrap
        color: pal.strongText
        font.family: pal.fontFamily
        font.pixelSize: pal.fontPixelSize
        text: (list.count > 1 ? qsTr("The following users want to share presence information with you:")
                              : qsTr("The following user wants to share presence information with you:")) + lc
    }
    ListView {
        id: list
        anchors { left: parent.left; right: parent.right; top: heading.bottom; bottom: parent.bottom; margins: pal.unit * 3 }
        clip: true
        model: rootWindow.model
        delegate: Item {
            width: list.width
            height: 50
            Column {
                anchors { left: parent.left; right: buttons.left; verticalCenter: parent.verticalCenter }
                Text { width: parent.width; text: model.displayName; textFormat: Text.PlainText; elide: Text.ElideRight
                       color: pal.strongText; font.family: pal.fontFamily; font.pixelSize: pal.fontPixelSize }
                Text { width: parent.width; text: model.jid; textFormat: Text.PlainText; elide: Text.ElideRight
                       color: pal.mutedText; font.family: pal.fontFamily; font.pixelSize: pal.fontPixelSize * 0.85 }
            }
            Row {
                id: buttons
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                spacing: pal.unit
                ZButton { primary: true; text: qsTr("Accept") + lc; onClicked: rootWindow.add(model.contact) }
                ZButton { text: qsTr("Ignore") + lc; onClicked: rootWindow.ignore(model.contact) }
            }
        }
    }
}

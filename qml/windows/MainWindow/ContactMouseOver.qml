import QtQuick 2.15
import "qrc:/controls"
import "../Notifications/NotificationSession.js" as S

// The card shown while the mouse rests over a contact. The card (rootView)
// gives the contact; names and status texts are shown as plain text.
Rectangle {
    id: card
    width: 260
    height: 72

    readonly property var contact: rootView.contact
    readonly property string name: {
        var n = S.text(contact, "displayName");
        return n !== "" ? n : S.text(contact, "name");
    }

    color: ZPalette.pick("whiteBackground", "#FFFFFF")
    border.width: 1
    border.color: ZPalette.pick("mediumDivider", "#CCCCCC")

    Item {
        id: picture
        width: 48
        height: 48
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter

        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: ZPalette.pick("lightActiveBackground", "#99ccff")
            visible: photo.status !== Image.Ready
            ZLabel {
                anchors.centerIn: parent
                text: card.name.length > 0 ? card.name.charAt(0).toUpperCase() : "?"
                font.family: ZPalette.fontFamily
                font.pixelSize: 20
                color: ZPalette.pick("whiteText", "#FFFFFF")
            }
        }
        Image {
            id: photo
            anchors.fill: parent
            fillMode: Image.PreserveAspectCrop
            asynchronous: true
            source: S.text(card.contact, "avatarUrl")
        }
    }

    Column {
        anchors.left: picture.right
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 3

        ZLabel {
            objectName: "name"
            width: parent.width
            elide: Text.ElideRight
            text: card.name
            font.family: ZPalette.fontFamily
            font.pixelSize: 13
            font.bold: true
            color: ZPalette.pick("blackText", "#000000")
        }
        ZLabel {
            width: parent.width
            elide: Text.ElideRight
            text: S.text(card.contact, "statusText")
            visible: text !== ""
            font.family: ZPalette.fontFamily
            font.pixelSize: 12
            color: ZPalette.pick("mediumText", "#868686")
        }
    }
}

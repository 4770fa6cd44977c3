import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"
import "../Notifications/NotificationSession.js" as S

// The card shown while the mouse rests over a contact: its picture, name,
// availability, status text and numbers, and in a room the party's rank
// there. The card (rootView) gives the contact; every text from the service
// is shown as plain text.
Rectangle {
    id: card
    objectName: "contactMouseOver"
    width: 260
    height: Math.max(72, details.implicitHeight + 20)

    readonly property var contact: rootView.contact
    readonly property string name: {
        var n = S.text(contact, "displayName");
        return n !== "" ? n : S.text(contact, "name");
    }
    readonly property int presence: {
        var p = S.value(contact, "presence", 0);
        return typeof p === "number" ? p : 0;
    }
    readonly property string affiliationText: {
        switch (rootView.affiliation) {
        case 4: return qsTr("Owner");
        case 3: return qsTr("Moderator");
        case 2: return qsTr("Member");
        default: return "";
        }
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
        anchors.top: parent.top
        anchors.topMargin: 12

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
        id: details
        anchors.left: picture.right
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.top: parent.top
        anchors.topMargin: 10
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
        Row {
            spacing: 5
            visible: rootView.presenceText !== ""
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 8; height: 8; radius: 4
                color: ZPalette.pick(Vantre.PresenceState.colorName(card.presence),
                                     Vantre.PresenceState.color(card.presence))
            }
            ZLabel {
                objectName: "presence"
                text: rootView.presenceText
                font.family: ZPalette.fontFamily
                font.pixelSize: 12
                color: ZPalette.pick("mediumText", "#868686")
            }
        }
        ZLabel {
            objectName: "statusText"
            width: parent.width
            elide: Text.ElideRight
            text: S.text(card.contact, "statusText")
            visible: text !== ""
            font.family: ZPalette.fontFamily
            font.pixelSize: 12
            font.italic: true
            color: ZPalette.pick("mediumText", "#868686")
        }
        Repeater {
            model: rootView.numbers
            ZLabel {
                objectName: "number"
                width: details.width
                elide: Text.ElideRight
                text: modelData
                font.family: ZPalette.fontFamily
                font.pixelSize: 12
                color: ZPalette.pick("blackText", "#000000")
            }
        }
        ZLabel {
            objectName: "affiliation"
            width: parent.width
            text: card.affiliationText
            visible: text !== ""
            font.family: ZPalette.fontFamily
            font.pixelSize: 12
            color: ZPalette.pick("mediumText", "#868686")
        }
    }
}

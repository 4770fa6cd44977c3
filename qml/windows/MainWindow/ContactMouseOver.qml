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
    width: ZPalette.unit * 65
    height: Math.max(picture.height + ZPalette.unit * 6, details.implicitHeight + ZPalette.unit * 5)

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

    color: ZPalette.surface
    border.width: 1
    border.color: ZPalette.divider

    Item {
        id: picture
        width: ZPalette.unit * 12
        height: width
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit * 3
        anchors.top: parent.top
        anchors.topMargin: ZPalette.unit * 3

        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: Qt.darker(ZPalette.disabledBackground, 1.08)
            visible: photo.status !== Image.Ready
            ZLabel {
                // The initials the contact list shows for the contact.
                anchors.centerIn: parent
                text: S.initials(card.name)
                Accessible.ignored: true
                font.pixelSize: Math.round(picture.height * 0.4)
                font.weight: Font.Bold
                color: ZPalette.mutedText
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
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2.5
        anchors.top: parent.top
        anchors.topMargin: ZPalette.unit * 2.5
        spacing: ZPalette.unit * 0.75

        ZLabel {
            objectName: "name"
            width: parent.width
            elide: Text.ElideRight
            text: card.name
            type: ZPalette.title
            color: ZPalette.surfaceText
        }
        Row {
            spacing: ZPalette.unit
            visible: rootView.presenceText !== ""
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: ZPalette.unit * 2; height: width; radius: width / 2
                color: ZPalette.pick(Vantre.PresenceState.colorName(card.presence),
                                     Vantre.PresenceState.color(card.presence))
            }
            ZLabel {
                objectName: "presence"
                text: rootView.presenceText
                type: ZPalette.caption
                color: ZPalette.secondaryText
            }
        }
        ZLabel {
            objectName: "statusText"
            width: parent.width
            elide: Text.ElideRight
            text: S.text(card.contact, "statusText")
            visible: text !== ""
            type: ZPalette.caption
            font.italic: true
            color: ZPalette.secondaryText
        }
        Repeater {
            model: rootView.numbers
            ZLabel {
                objectName: "number"
                width: details.width
                elide: Text.ElideRight
                text: modelData
                color: ZPalette.surfaceText
            }
        }
        ZLabel {
            objectName: "affiliation"
            width: parent.width
            text: card.affiliationText
            visible: text !== ""
            type: ZPalette.caption
            color: ZPalette.secondaryText
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// The other party's picture with a presence dot; without one, the initials
// the contact list shows for them.
Item {
    id: avatar
    property var source: null
    width: ZPalette.unit * 10
    height: width

    readonly property string picture: S.text(source, "contactPicture")
    readonly property string name: S.partyName(source)

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Qt.darker(ZPalette.disabledBackground, 1.08)
        visible: image.status !== Image.Ready

        ZLabel {
            objectName: "partyInitials"
            anchors.centerIn: parent
            text: S.initials(avatar.name)
            // A picture, drawn of letters: the title says whose.
            Accessible.ignored: true
            color: ZPalette.mutedText
            font.pixelSize: Math.round(avatar.height * 0.4)
            font.weight: Font.Bold
        }
    }

    Image {
        id: image
        objectName: "partyPicture"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        source: avatar.picture
    }

    Image {
        objectName: "partyPresenceIcon"
        width: ZPalette.unit * 3
        height: width
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        source: S.text(avatar.source, "presenceIcon")
        visible: status === Image.Ready
    }
}

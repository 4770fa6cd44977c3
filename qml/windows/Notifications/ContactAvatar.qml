import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// The other party's picture with a presence dot; the initial of the name
// stands in when there is no picture.
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
        color: ZPalette.selection
        visible: image.status !== Image.Ready

        ZLabel {
            anchors.centerIn: parent
            text: avatar.name.length > 0 ? avatar.name.charAt(0).toUpperCase() : "?"
            // An initial fills its circle as a picture would.
            font.pixelSize: Math.round(avatar.height * 0.45)
            color: ZPalette.accentText
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

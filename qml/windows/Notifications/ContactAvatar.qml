import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// The other party's picture with a presence dot; the initial of the name
// stands in when there is no picture.
Item {
    id: avatar
    property var source: null
    width: 40
    height: 40

    readonly property string picture: S.text(source, "contactPicture")
    readonly property string name: S.partyName(source)

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: ZPalette.pick("lightActiveBackground", "#99ccff")
        visible: image.status !== Image.Ready

        ZLabel {
            anchors.centerIn: parent
            text: avatar.name.length > 0 ? avatar.name.charAt(0).toUpperCase() : "?"
            font.family: ZPalette.fontFamily
            font.pixelSize: 18
            color: ZPalette.pick("whiteText", "#FFFFFF")
        }
    }

    Image {
        id: image
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        source: avatar.picture
    }

    Image {
        width: 12
        height: 12
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        source: S.text(avatar.source, "presenceIcon")
        visible: status === Image.Ready
    }
}

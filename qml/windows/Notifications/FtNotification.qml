import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// A file offered by the other party: a click anywhere accepts it.
Item {
    id: ft

    // Enter in the popup: the same as a click.
    function acceptByKey() { rootWindow.chatNotificationAccepted(); }
    height: 60
    // The whole invitation is its one answer: it takes the popup's
    // keyboard, draws it, and Space accepts as Enter does.
    objectName: "invitation"
    focus: true
    activeFocusOnTab: true
    Keys.onSpacePressed: ft.acceptByKey()

    Rectangle {
        objectName: "focusRing"
        anchors.fill: parent
        anchors.margins: ZPalette.focusWidth
        color: "transparent"
        border.width: ZPalette.focusWidth
        border.color: ZPalette.accent
        visible: ft.activeFocus
    }

    readonly property var session: rootWindow.session
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty

    ContactAvatar {
        id: avatar
        source: ft.session
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.verticalCenter: parent.verticalCenter
    }

    Column {
        anchors.left: avatar.right
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2.5
        anchors.verticalCenter: parent.verticalCenter
        spacing: ZPalette.unit / 2

        ZLabel {
            width: parent.width
            text: qsTr("Click to accept") + lc
        }
        ZLabel {
            objectName: "fileName"
            width: parent.width
            elide: Text.ElideMiddle
            text: S.text(ft.session, "fileName")
            font.weight: Font.Bold
        }
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: rootWindow.chatNotificationAccepted()
    }
}

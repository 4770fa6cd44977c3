import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// A chat invitation: a click anywhere accepts it.
Item {
    id: chat

    // Enter in the popup: the same as a click.
    function acceptByKey() { rootWindow.chatNotificationAccepted(); }
    height: 60
    // The whole invitation is its one answer: it takes the popup's
    // keyboard, draws it, and Space accepts as Enter does.
    objectName: "invitation"
    focus: true
    activeFocusOnTab: true
    Keys.onSpacePressed: chat.acceptByKey()

    Rectangle {
        objectName: "focusRing"
        anchors.fill: parent
        anchors.margins: ZPalette.focusWidth
        color: "transparent"
        border.width: ZPalette.focusWidth
        border.color: ZPalette.accent
        visible: chat.activeFocus
    }
    // What the popup says below its title, for a screen reader.
    readonly property string description: chat.line() + chat.lc

    readonly property var session: rootWindow.session
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty

    function line() {
        var s = chat.session;
        var reason = S.text(s, "inviteReason");
        if (reason !== "")
            return "\u201c" + reason + "\u201d";
        var subject = S.text(s, "subject");
        var plain = S.text(s, "groupChatSubject");
        if (subject !== "" && subject === plain)
            return qsTr("Group Chat");
        if (subject !== "")
            return "\u201c" + subject + "\u201d";
        return qsTr("Click to accept");
    }

    ContactAvatar {
        id: avatar
        source: chat.session
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.verticalCenter: parent.verticalCenter
    }

    ZLabel {
        objectName: "line"
        anchors.left: avatar.right
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2.5
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: chat.line() + chat.lc
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: rootWindow.chatNotificationAccepted()
    }
}

import QtQuick 2.15
import "qrc:/controls"
import "NotificationSession.js" as S

// A desktop-share invitation. Without a share component the invitation
// cannot be viewed; it says so and offers only to dismiss it.
Item {
    id: share

    // Enter in the popup: the same as a click.
    function acceptByKey() { if (share.available) rootWindow.webcollabNotificationAccepted(); }
    height: available ? 80 : 70

    readonly property var session: rootWindow.session
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property bool available: S.value(session, "shareAvailable", true) === true
    readonly property string owner: S.flag(session, "isGroupChat") ? S.text(session, "roomOwner")
                                                                   : S.partyName(session)

    ZLabel {
        id: question
        objectName: "question"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: ZPalette.unit * 2
        wrapMode: Text.WordWrap
        maximumLineCount: share.available ? 1 : 3
        elide: Text.ElideRight
        text: (share.available
              ? qsTr("Would you like to view %1's desktop share?").arg(share.owner)
              : qsTr("%1 has invited you to a desktop share. Unfortunately we can't find a share component in your client or your versions are incompatible. Please contact your service provider for more information.").arg(share.owner))
              + lc
        type: share.available ? ZPalette.body : ZPalette.caption
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2
        anchors.bottom: parent.bottom
        anchors.bottomMargin: ZPalette.unit * 1.5
        spacing: ZPalette.unit * 2
        visible: share.available

        ZButton {
            objectName: "yesButton"
            primary: true
            text: qsTr("Yes") + lc
            onClicked: rootWindow.webcollabNotificationAccepted()
        }
        ZButton {
            objectName: "noButton"
            text: qsTr("No") + lc
            onClicked: rootWindow.webcollabNotificationIgnored()
        }
    }
}

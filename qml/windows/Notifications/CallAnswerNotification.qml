import QtQuick 2.15
import Kelvantic 1.0 as K
import "qrc:/controls"
import "NotificationSession.js" as S

// Answer buttons of an incoming call. While the other party asks to add
// video, the video and decline buttons read "Yes" and "No", and "No" keeps
// the call with audio only.
Item {
    id: call
    height: 75
    // The first answer holds the focus, drawn: Enter presses it, Tab moves
    // on to the others, Esc declines (the popup's).
    focus: true
    readonly property string description: ""

    readonly property var session: rootWindow.session
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property bool updating: S.flag(session, "updatingToVideo")
    readonly property bool video: S.flag(session, "isVideoCall") || updating

    function answer(how) {
        tip.hideToolTip();
        rootWindow.answerWith(how);
    }

    // Enter: the first answer the popup offers (with video for a video
    // call or a request to add video, else audio).
    function acceptByKey() {
        call.answer(call.video ? "video" : "audio");
    }

    K.ToolTip { id: tip }
    Component.onCompleted: (call.video ? videoButton : audioButton).forceActiveFocus()

    // Who calls, as the contact list shows them: smaller where the answers
    // need the room, left out where they need the whole width (a video
    // call's four answers in a wide font).
    ContactAvatar {
        id: avatar
        source: call.session
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit * 2.5
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(ZPalette.unit * 10, Math.max(0, call.width - answers.width - ZPalette.unit * 5.5))
        visible: width >= ZPalette.unit * 6
    }

    Item {
        anchors.left: avatar.visible ? avatar.right : parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom

        Row {
            id: answers
            anchors.centerIn: parent
            spacing: ZPalette.unit * 1.5

            ZButton {
                id: videoButton
                objectName: "videoButton"
                visible: call.video
                primary: true
                text: (call.updating ? qsTr("Yes") : qsTr("Answer with Video")) + lc
                Accessible.description: qsTr("Answer with Video") + lc
                onClicked: call.answer("video")
                onHoveredChanged: hovered ? tip.showToolTip(qsTr("Answer with Video") + lc) : tip.hideToolTip()
            }
            ZButton {
                id: audioButton
                objectName: "audioButton"
                visible: !call.updating
                primary: !call.video
                text: (call.video ? qsTr("Answer with audio only") : qsTr("Answer")) + lc
                onClicked: call.answer("audio")
            }
            ZButton {
                objectName: "chatButton"
                visible: !call.updating && S.flag(call.session, "chatActionAvailable")
                         && !S.flag(call.session, "chatActive")
                text: qsTr("Chat") + lc
                onClicked: call.answer("chat")
            }
            ZButton {
                objectName: "declineButton"
                text: (call.updating ? qsTr("No") : qsTr("Decline")) + lc
                // Saying no to video keeps the call, with audio only.
                onClicked: {
                    tip.hideToolTip();
                    if (call.updating)
                        call.answer("audio");
                    else
                        rootWindow.callNotificationIgnored();
                }
            }
        }
    }
}

import QtQuick 2.15
import Kelvantic 1.0 as K
import "qrc:/controls"
import "NotificationSession.js" as S

// Incoming call, chat, file-transfer or desktop-share invitation. The
// popup (rootWindow) gives the session and the kind; the answer goes back
// through the popup's signals. Names from the other party are shown as plain
// text only.
Rectangle {
    id: root

    readonly property var session: rootWindow.session
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property int kind: rootWindow.type
    readonly property int callKind: 0
    readonly property int chatKind: 1
    readonly property int fileKind: 2
    readonly property int shareKind: 3
    readonly property bool ready: content.status === Loader.Ready

    // The outer size is fixed, whatever the text size: the notification
    // stack places the popups by it.
    width: (kind === callKind || kind === shareKind) ? 400 : 350
    height: header.height + 1 + (content.item ? content.item.height : 0)
    color: ZPalette.surface
    border.width: 1
    border.color: divider.color

    K.ToolTip { id: tip }
    readonly property string logo: qmlHelper.checkResource("qrc:/app_icon.ico") ? "qrc:/app_icon.ico" : ""

    function ignore() {
        if (kind === callKind)
            rootWindow.callNotificationIgnored();
        else if (kind === shareKind)
            rootWindow.webcollabNotificationIgnored();
        else
            rootWindow.chatNotificationIgnored();
    }

    // By keyboard (once the popup has it: a click, or the main window's
    // Ctrl+Shift+A): Enter accepts what the popup offers first, Esc turns
    // it away. A focused button keeps Enter and Space for itself.
    focus: true
    // A screen reader announces the popup when it appears, naming who and
    // what ("Alice Moreno is calling"); its press accepts what the popup
    // offers first, as Enter does. A notification, not an alert: the popup
    // never takes the focus, and readers speak an alert only once it has
    // it, a notification as soon as it shows.
    Accessible.role: Accessible.Notification
    Accessible.name: title.text
    Accessible.description: content.item && content.item.description !== undefined ? content.item.description : ""
    Accessible.onPressAction: root.acceptByKey()
    Keys.onReturnPressed: root.acceptByKey()
    Keys.onEnterPressed: root.acceptByKey()
    Keys.onEscapePressed: root.ignore()

    // The keyboard, once the popup has it, goes to the answer that had it
    // last (at first, the one Enter presses), never to the popup itself,
    // where nothing would be drawn and Tab would move nothing.
    function takeKeyboard() {
        content.forceActiveFocus(Qt.ActiveWindowFocusReason);
    }

    function acceptByKey() {
        if (content.item && content.item.acceptByKey)
            content.item.acceptByKey();
    }

    function ignoreText() {
        return kind === callKind ? qsTr("Decline") : "";
    }
    // What the × says to a screen reader when it has no tip of its own.
    function ignoreName() {
        var tipText = ignoreText();
        return (tipText !== "" ? tipText : qsTr("Ignore")) + lc;
    }

    function titleText() {
        var s = root.session;
        var name = S.partyName(s);
        if (kind === callKind) {
            if (S.flag(s, "updatingToVideo"))
                return qsTr("%1 wants to add video to the call").arg(name);
            if (S.flag(s, "isConference"))
                return qsTr("%1 invited you to conference call").arg(name);
            return qsTr("%1 is calling").arg(name);
        }
        if (kind === chatKind) {
            if (S.flag(s, "isGroupChat")) {
                if (S.flag(s, "isMyRoom"))
                    return qsTr("Accept My Room invitation from %1").arg(name);
                return qsTr("%1 invited you to group chat").arg(name);
            }
            return qsTr("%1 wants to chat").arg(name);
        }
        if (kind === fileKind)
            return qsTr("%1 is sending you a file").arg(name);
        var owner = S.flag(s, "isGroupChat") ? S.text(s, "roomOwner") : name;
        return qsTr("Would you like to view %1's desktop share?").arg(owner);
    }

    Rectangle {
        id: header
        width: parent.width
        height: 25
        visible: root.ready
        color: ZPalette.accent

        Image {
            id: logoImage
            objectName: "logo"
            anchors.left: parent.left
            anchors.leftMargin: ZPalette.unit
            anchors.verticalCenter: parent.verticalCenter
            width: ZPalette.unit * 4
            height: width
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
            source: root.logo
            visible: status === Image.Ready
        }

        ZLabel {
            id: title
            objectName: "title"
            anchors.left: logoImage.visible ? logoImage.right : parent.left
            anchors.leftMargin: ZPalette.unit * (logoImage.visible ? 1.5 : 2)
            anchors.right: ignoreButton.left
            anchors.rightMargin: ZPalette.unit
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            text: root.titleText() + root.lc
            color: ZPalette.accentText

            // A title cut short shows in full on hover.
            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
                onContainsMouseChanged: {
                    if (containsMouse && title.truncated)
                        tip.showToolTip(title.text);
                    else
                        tip.hideToolTip();
                }
            }
        }

        Rectangle {
            id: ignoreButton
            objectName: "ignoreButton"
            width: header.height
            height: header.height
            anchors.right: parent.right
            color: ignoreArea.containsMouse || activeFocus ? ZPalette.accentHover : "transparent"
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: root.ignoreName()
            Accessible.onPressAction: root.ignore()
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    event.accepted = true;
                    root.ignore();
                }
            }

            // The focus is ringed as on the other buttons (inside: the
            // header ends at its edge), in the colour of the × itself.
            Rectangle {
                anchors.fill: parent
                anchors.margins: ZPalette.focusWidth
                color: "transparent"
                border.width: ZPalette.focusWidth
                border.color: ZPalette.accentText
                visible: ignoreButton.activeFocus
            }
            ZLabel {
                anchors.centerIn: parent
                text: "\u00d7"
                type: ZPalette.title
                font.weight: Font.Normal
                color: ZPalette.accentText
            }
            MouseArea {
                id: ignoreArea
                anchors.fill: parent
                hoverEnabled: true
                onContainsMouseChanged: containsMouse ? tip.showToolTip(root.ignoreText() + root.lc)
                                                      : tip.hideToolTip()
                onClicked: {
                    tip.hideToolTip();
                    root.ignore();
                }
            }
        }
    }

    Rectangle {
        id: divider
        y: header.height
        width: parent.width
        height: 1
        color: ZPalette.divider
    }

    Loader {
        id: content
        objectName: "content"
        y: header.height + 1
        width: parent.width
        // The popup's own focus passes on to what its content offers first.
        focus: true
        source: ["CallAnswerNotification.qml", "ChatNotification.qml",
                 "FtNotification.qml", "WebcollabNotification.qml"][root.kind] || ""
    }
}

import QtQuick 2.15
import Vantre 1.0
import Kelvantic 1.0 as K
import "qrc:/controls"

// The chat pane: warnings, the history choice and the transcript page on
// top, the status bar (typing notice or time of the last message, emoticons,
// send file) and the message field below. Texts of other people (names,
// typing notices) are shown as plain text.
FocusScope {
    id: chat
    objectName: "chatWidget"
    readonly property string lc: rootWindow.languageChangeProperty

    signal preferenceActivated()
    property alias smileyOpen: smileyButton.active

    readonly property var session: rootWindow.session
    readonly property var model: rootWindow.messageModel
    readonly property var chatInterface: session ? (session.chatActive, session.getChatInterface()) : null
    readonly property var contact: session ? (session.contactName, session.getContact()) : null
    readonly property var actions: rootWindow.actionsProvider
    readonly property var chatAction: actions ? (actions.count, actions.getActionAsVariant(Action.Chat)) : null
    readonly property var fileAction: actions ? (actions.count, actions.getActionAsVariant(Action.FileTransfer)) : null
    readonly property bool chatEnabled: chatAction !== null && chatAction.enabled
    readonly property bool isGroupChat: chatInterface !== null && chatInterface.isGroupChat
    readonly property bool roomGone: chatInterface !== null && chatInterface.roomNotExistent
    readonly property int maxLength: model ? model.maxMessageLength : 0
    readonly property bool inputEnabled: chatEnabled && rootWindow.xmppConnected
                                         && chatInterface !== null && !roomGone
    // The message field's least height, and its height once dragged.
    readonly property int minInputHeight: ZPalette.unit * 18
    property int inputHeight: minInputHeight

    // ---- The page bridge (the window connects the model's signals here) ----
    function addMessage(message, prepend) {
        bridge.lastMessage = message;
        webView.evaluateJavaScript("addMessage(" + (prepend ? "true" : "false") + ");");
        // Laid out now (the page grows at once), then kept at the end.
        webView.evaluateJavaScript("document.body.scrollHeight");
        keepAtEnd();
    }
    function contactNameChanged(contactId, name) {
        bridge.lastMessage = name;
        webView.evaluateJavaScript("changeName(" + bridge.scriptString(contactId) + ");");
    }
    function ftStateChanged(id, innerHtml) {
        bridge.lastMessage = innerHtml;
        webView.evaluateJavaScript("updateFt(" + bridge.scriptString(id) + ");");
    }
    function ftProgressChanged(id, percent, bytes) {
        webView.evaluateJavaScript("setFtProgress(" + bridge.scriptString(id) + ", "
                                   + Number(percent) + ", " + bridge.scriptString(String(bytes)) + ");");
    }

    // ---- Scrolling the page ----
    // The page never scrolls itself: the scene moves it (webView.contentY)
    // by the wheel, the scroll bar and a selection dragged beyond the view.
    // Whether the transcript shows its end; a view that does keeps showing
    // it when it grows or the window is resized.
    property bool scrolledToEnd: true
    readonly property int contentHeight: webView.contentsSize.height
    readonly property int maxContentY: Math.max(0, contentHeight - Math.round(webView.height))
    // Whether the scroll bar shows. Its showing narrows the page, which lays
    // it out taller at once: a binding would be asked again while still
    // giving its value. Set from the page's size when that changes instead
    // (narrower only makes the page taller, so this settles at once).
    property bool scrollable: false
    function updateScrollable() {
        scrollable = webView.contentsSize.height > Math.round(webView.height);
    }
    function pageAtEnd() { return webView.contentY >= maxContentY - 2; }
    function scrollTo(y) {
        webView.contentY = Math.max(0, Math.min(maxContentY, Math.round(y)));
    }
    function scrollPage(delta) {
        var up = delta > 0;
        if ((up && webView.contentY <= 0) || (!up && pageAtEnd())) return;
        scrollTo(webView.contentY - delta / 3);
        scrolledToEnd = pageAtEnd();
    }
    function keepAtEnd() {
        if (!scrolledToEnd) return;
        scrollTo(maxContentY);
        // The page may still be laying out: once more when that fell short.
        if (!pageAtEnd()) Qt.callLater(function() { if (chat.scrolledToEnd) chat.scrollTo(chat.maxContentY); });
    }

    // Space, Enter and Return press a control drawn of plain items.
    function pressKeys(event, action) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true;
            action();
        }
    }

    function contactName() {
        return session ? session.partyName : "";
    }
    function getOfflineMessage() {
        if (!chatEnabled) return qsTr("You are offline") + lc;
        var name = contactName();
        if (chatInterface && chatInterface.supportsOfflineMessages)
            return (qsTr("%1 is offline. The messages are delivered when %2 comes online.") + lc)
                   .arg(name).arg(name);
        return (qsTr("%1 is offline. The messages might not be delivered.") + lc).arg(name);
    }
    readonly property bool showOffline: chatInterface !== null && !isGroupChat
                                        && contact !== null && !contact.online
                                        && (!rootWindow.configXML || rootWindow.configXML.offlineMsgIndicatorEnabled)

    // ---- Typing and sending ----
    // The text cut to the maximum length, the cursor kept where it can be.
    function limitText() {
        if (maxLength <= 0 || input.text.length <= maxLength) return;
        var cursor = input.cursorPosition;
        input.text = input.text.substring(0, maxLength);
        input.cursorPosition = cursor > maxLength ? maxLength : Math.max(0, cursor - 1);
    }
    function textChanged() {
        limitText();
        if (!chatInterface) return;
        if (input.text.length > 0) {
            chatInterface.isTyping = true;
            typingTimer.restart();
        } else {
            typingTimer.stop();
            chatInterface.isTyping = false;
        }
    }
    function send() {
        if (!chatInterface || input.text.length === 0) return false;
        chatInterface.sendMessage(input.text);
        input.text = "";
        return true;
    }
    // The keyboard goes back to the message field first: the answer takes
    // the offer's row, and its button with it.
    function answerOffer(answer, id) {
        input.forceActiveFocus();
        answer(id);
    }
    function insertSmiley(text) {
        var word = String(text).split(" ")[0];
        var at = input.cursorPosition >= 0 ? input.cursorPosition : input.text.length;
        input.insert(at, word);
        input.cursorPosition = at + word.length;
        smileyButton.active = false;
        input.forceActiveFocus();
    }

    Timer {
        id: typingTimer
        interval: 10000
        onTriggered: if (chat.chatInterface) chat.chatInterface.isTyping = false
    }

    TranscriptBridge {
        id: bridge
        WebView2.windowObjectName: "qml"
        model: chat.model
        chat: chat.chatInterface
    }

    // ---- Message list ----
    Rectangle {
        id: messageList
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: handle.top }
        color: ZPalette.surface

        Rectangle {
            id: warningArea
            objectName: "warningArea"
            anchors { left: parent.left; right: parent.right; top: parent.top }
            // The user's own room without its audio conference number.
            readonly property bool conferenceMissing: rootWindow.audioEnabled && session !== null
                && chatInterface !== null && chatInterface.isRoomOwner && !roomGone
                && (session.myRoomConferenceNumber === undefined || session.myRoomConferenceNumber === "")
            // A share of the new sharing library that failed, with the failure's text.
            readonly property var share: session ? (rootWindow.ussError, session.getWebCollab()) : null
            readonly property bool shareError: rootWindow.ussError !== "" && share !== null
                && share.isUsingNewLibrary() && share.errorState
            visible: chat.showOffline || chat.roomGone || conferenceMissing || shareError
            height: visible ? Math.max(ZPalette.unit * 5, warnings.height + ZPalette.unit * 1.5) : 0
            color: ZPalette.hover
            Column {
                id: warnings
                anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter
                          margins: ZPalette.unit * 1.5 }
                ZLabel {
                    objectName: "offlineWarning"
                    visible: chat.showOffline
                    width: parent.width
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: chat.showOffline ? chat.getOfflineMessage() : ""
                    color: ZPalette.surfaceText
                }
                ZLabel {
                    objectName: "roomGoneWarning"
                    visible: chat.roomGone
                    width: parent.width
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: qsTr("Chat room no longer exists") + chat.lc
                    color: ZPalette.surfaceText
                }
                ZLabel {
                    objectName: "conferenceWarning"
                    visible: warningArea.conferenceMissing
                    width: parent.width
                    wrapMode: Text.Wrap
                    textFormat: Text.RichText
                    text: (qsTr("Audio conference information has not been provided. To enable audio functionality, please enter your conference information under %1 Preferences%2.") + chat.lc)
                          .arg("<a href='#' style='text-decoration: none; color: " + ZPalette.highlightText + ";'>")
                          .arg("</a>")
                    color: ZPalette.surfaceText
                    onLinkActivated: chat.preferenceActivated()
                }
                ZLabel {
                    objectName: "shareErrorWarning"
                    visible: warningArea.shareError
                    width: parent.width
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: rootWindow.ussError
                    color: ZPalette.surfaceText
                }
            }
            Rectangle {
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                height: 1
                color: ZPalette.divider
            }
        }

        HistorySelection {
            id: historySelection
            objectName: "historySelection"
            anchors { left: parent.left; right: parent.right; top: warningArea.bottom }
            visible: chat.chatInterface !== null && (!chat.isGroupChat || chat.roomGone)
            height: visible ? implicitHeight : 0
            model: chat.model
            lc: chat.lc
        }

        WebView2 {
            id: webView
            objectName: "transcriptView"
            anchors { left: parent.left; right: scrollBar.visible ? scrollBar.left : parent.right
                      top: historySelection.bottom; bottom: offerBar.top }
            baseUrl: "qrc:/windows/CommunicationsWindow/Chat/"
            pressGrabTime: 0
            // A screen reader reads the page's text, and hears of each
            // message as it is added.
            Accessible.role: Accessible.Document
            Accessible.name: qsTr("Conversation") + chat.lc
            Accessible.readOnly: true
            opacity: 0.01
            javaScriptWindowObjects: [bridge]
            onLoadFinished: {
                if (chat.model) chat.model.pageLoadFinished();
                chat.keepAtEnd();
            }
            onWheel: chat.scrollPage(delta)
            onWidthChanged: chat.keepAtEnd()
            // The page learns of the new height only after this handler; a
            // page size that then changes answers here, the rest a turn later.
            onHeightChanged: { Qt.callLater(chat.updateScrollable); chat.keepAtEnd(); }
            onContentsSizeChanged: { chat.updateScrollable(); chat.keepAtEnd(); }
            Component.onCompleted: chat.updateScrollable()
            onMousePressed: {
                webView.forceActiveFocus();
                if (rootWindow.overlay) rootWindow.overlay.closeContactList();
                smileyButton.active = false;
                if (scrollBar.visible) {
                    selectionScroll.pressY = webView.mousePosition.y;
                    selectionScroll.start();
                }
            }
            onMouseReleased: selectionScroll.stop()
            Keys.onPressed: {
                var copyKey = (event.modifiers & Qt.ControlModifier)
                              && (event.key === Qt.Key_C || event.key === Qt.Key_Insert);
                if (copyKey) { webView.copy.trigger(); event.accepted = true; }
                else if ((event.modifiers & Qt.ControlModifier) && event.key === Qt.Key_A) {
                    webView.selectAll.trigger(); event.accepted = true;
                }
            }
            Timer {
                interval: 500
                running: true
                onTriggered: webView.opacity = 1
            }
        }

        // The files offered and not yet answered, each with the answers its
        // entry in the page offers: the page's links are out of reach of
        // the keyboard and of a screen reader, these are Tab stops.
        Column {
            id: offerBar
            objectName: "offerBar"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            readonly property var offers: chat.model && chat.model.pendingOffers ? chat.model.pendingOffers : []
            readonly property real rowHeight: ZPalette.controlHeight + ZPalette.unit * 2
            visible: offers.length > 0
            // Known at once, not after the column lays its rows out: the
            // transcript gives way in the same turn, and still shows its end.
            height: offers.length * rowHeight
            Repeater {
                model: offerBar.offers
                delegate: Rectangle {
                    objectName: "offerRow"
                    width: offerBar.width
                    height: offerBar.rowHeight
                    color: ZPalette.hover
                    ZLabel {
                        objectName: "offerText"
                        anchors { left: parent.left; leftMargin: ZPalette.unit * 1.5; right: offerButtons.left
                                  rightMargin: ZPalette.unit; verticalCenter: parent.verticalCenter }
                        elide: Text.ElideMiddle
                        textFormat: Text.PlainText
                        color: ZPalette.surfaceText
                        text: (qsTr("Offered file: %1") + chat.lc).arg(modelData.fileName)
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    Row {
                        id: offerButtons
                        anchors { right: parent.right; rightMargin: ZPalette.unit * 1.5; verticalCenter: parent.verticalCenter }
                        spacing: ZPalette.unit
                        ZButton {
                            objectName: "offerAcceptButton"
                            primary: true
                            text: qsTr("Accept") + chat.lc
                            Accessible.description: modelData.fileName
                            onClicked: chat.answerOffer(bridge.acceptClicked, modelData.id)
                        }
                        ZButton {
                            objectName: "offerDeclineButton"
                            text: qsTr("Decline") + chat.lc
                            Accessible.description: modelData.fileName
                            onClicked: chat.answerOffer(bridge.cancelClicked, modelData.id)
                        }
                    }
                }
            }
        }

        // A selection dragged below or above the view scrolls the page.
        Timer {
            id: selectionScroll
            objectName: "selectionScroll"
            property real pressY: 0
            interval: 30
            repeat: true
            onTriggered: {
                var y = webView.mousePosition.y;
                var sceneY = webView.mapToItem(chat, 0, y).y;
                var bottom = chat.height - inputArea.height - 10;
                if (y > pressY && sceneY > bottom)
                    chat.scrollTo(webView.contentY + Math.max(5, (sceneY - bottom) / 10));
                else if (y <= pressY && sceneY < 30)
                    chat.scrollTo(webView.contentY - Math.max(5, (30 - sceneY) / 10));
                chat.scrolledToEnd = chat.pageAtEnd();
            }
        }

        // The transcript's scroll bar, shown while the page is taller than the view.
        Rectangle {
            id: scrollBar
            objectName: "transcriptScrollBar"
            anchors { right: parent.right; top: webView.top; bottom: webView.bottom }
            width: ZPalette.unit * 2
            visible: chat.scrollable
            color: ZPalette.hover
            readonly property real span: Math.max(1, height - scrollHandle.height)
            Rectangle {
                id: scrollHandle
                objectName: "transcriptScrollHandle"
                x: 1
                width: parent.width - 2
                radius: width / 2
                height: Math.max(ZPalette.unit * 4, scrollBar.height * webView.height / Math.max(1, chat.contentHeight))
                y: scrollBar.span * webView.contentY / Math.max(1, chat.maxContentY)
                color: dragArea.grab >= 0 ? ZPalette.strongDivider : ZPalette.divider
            }
            MouseArea {
                id: dragArea
                anchors.fill: parent
                // Where in the handle it was taken (-1: not dragging).
                property real grab: -1
                onPressed: {
                    if (mouse.y >= scrollHandle.y && mouse.y <= scrollHandle.y + scrollHandle.height) {
                        grab = mouse.y - scrollHandle.y;
                        return;
                    }
                    // A click beside the handle pages towards the click.
                    chat.scrollTo(webView.contentY + (mouse.y < scrollHandle.y ? -webView.height : webView.height));
                }
                onPositionChanged: if (grab >= 0) chat.scrollTo((mouse.y - grab) / scrollBar.span * chat.maxContentY)
                onReleased: {
                    grab = -1;
                    chat.scrolledToEnd = chat.pageAtEnd();
                }
            }
        }
    }

    // ---- Resize handle ----
    Rectangle {
        id: handle
        anchors { left: parent.left; right: parent.right; bottom: inputArea.top }
        height: Math.round(ZPalette.unit * 1.25)
        color: ZPalette.strongDivider
        Row {
            anchors.centerIn: parent
            spacing: ZPalette.unit / 2
            Repeater {
                model: 3
                Rectangle {
                    width: ZPalette.unit / 2; height: width; radius: width / 2
                    color: ZPalette.secondaryText
                }
            }
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.SizeVerCursor
            property real startY: 0
            property int startHeight: 0
            onPressed: { startY = mouse.y + handle.y; startHeight = chat.inputHeight; }
            onPositionChanged: {
                var wanted = startHeight - ((mouse.y + handle.y) - startY);
                chat.inputHeight = Math.max(chat.minInputHeight, Math.min(chat.height / 2, wanted));
            }
        }
    }

    // ---- Input area: status bar and the message field ----
    Rectangle {
        id: inputArea
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: Math.max(chat.minInputHeight, Math.min(chat.height / 2, chat.inputHeight))
        color: ZPalette.fieldBackground

        Rectangle {
            id: statusBar
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: ZPalette.unit * 5
            color: ZPalette.faintDivider
            ZLabel {
                objectName: "statusText"
                // The typing notice and the time of the last message, for a
                // screen reader too (a text that starts empty is not given
                // an interface of its own).
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors { left: parent.left; leftMargin: ZPalette.unit * 1.5; right: buttons.left
                          verticalCenter: parent.verticalCenter }
                elide: Text.ElideRight
                type: ZPalette.caption
                color: ZPalette.secondaryText
                text: {
                    if (!chat.model) return "";
                    if (chat.model.typingNotification !== "") return chat.model.typingNotification;
                    if (chat.model.lastMessageReceived && !isNaN(chat.model.lastMessageReceived.getTime()))
                        return (qsTr("Last message received %1") + chat.lc)
                               .arg(qmlHelper.formatDateTime(chat.model.lastMessageReceived));
                    return "";
                }
            }
            Row {
                id: buttons
                anchors { right: parent.right; rightMargin: ZPalette.unit * 1.5; verticalCenter: parent.verticalCenter }
                spacing: ZPalette.unit * 2
                Rectangle {
                    id: smileyButton
                    objectName: "smileyButton"
                    property bool active: false
                    width: ZPalette.unit * 4.5; height: width; radius: ZPalette.radius
                    enabled: chat.inputEnabled
                    opacity: enabled ? 1 : 0.4
                    color: active ? ZPalette.hover : "transparent"
                    border.width: activeFocus ? ZPalette.focusWidth : 0
                    border.color: ZPalette.accent
                    function toggle() { active = !active; }
                    activeFocusOnTab: enabled
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Emoticons") + chat.lc
                    Accessible.checkable: true
                    Accessible.checked: active
                    Accessible.onPressAction: if (enabled) toggle()
                    Keys.onPressed: function(event) { chat.pressKeys(event, smileyButton.toggle); }
                    Image {
                        anchors.centerIn: parent
                        source: "qrc:/smileys/smile.png"
                        width: ZPalette.unit * 4; height: width
                    }
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: smileyButton.toggle()
                        onContainsMouseChanged: containsMouse ? tip.showToolTip(qsTr("Emoticons") + chat.lc) : tip.hideToolTip()
                    }
                }
                Rectangle {
                    id: sendFileButton
                    objectName: "sendFileButton"
                    width: ZPalette.unit * 4.5; height: width; radius: ZPalette.radius
                    visible: chat.fileAction !== null && chat.fileAction.enabled
                    color: "transparent"
                    border.color: activeFocus ? ZPalette.accent : ZPalette.divider
                    border.width: activeFocus ? ZPalette.focusWidth : 1
                    function choose() { rootWindow.openFileSelectDialog(); }
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Send File") + chat.lc
                    Accessible.onPressAction: sendFileButton.choose()
                    Keys.onPressed: function(event) { chat.pressKeys(event, sendFileButton.choose); }
                    ZLabel {
                        anchors.centerIn: parent
                        text: "+"
                        type: ZPalette.title
                        font.weight: Font.Normal
                        color: ZPalette.secondaryText
                    }
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: rootWindow.openFileSelectDialog()
                        onContainsMouseChanged: containsMouse ? tip.showToolTip(qsTr("Send File") + chat.lc) : tip.hideToolTip()
                    }
                }
            }
        }

        Flickable {
            id: inputFlick
            anchors { left: parent.left; right: parent.right; top: statusBar.bottom; bottom: parent.bottom
                      margins: ZPalette.unit }
            contentWidth: width
            contentHeight: input.paintedHeight
            clip: true
            function ensureVisible(r) {
                if (contentY >= r.y) contentY = r.y;
                else if (contentY + height <= r.y + r.height) contentY = r.y + r.height - height;
            }
            TextEdit {
                id: input
                objectName: "messageInput"
                width: inputFlick.width
                height: Math.max(inputFlick.height, paintedHeight)
                textFormat: TextEdit.PlainText
                wrapMode: TextEdit.Wrap
                selectByMouse: true
                readOnly: !chat.inputEnabled
                focus: true
                activeFocusOnTab: true
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Message") + chat.lc
                Accessible.multiLine: true
                Accessible.editable: !readOnly
                Accessible.focusable: true
                font: ZPalette.body
                color: ZPalette.surfaceText
                onTextChanged: chat.textChanged()
                onCursorRectangleChanged: {
                    inputFlick.ensureVisible(cursorRectangle);
                    smileyButton.active = false;
                }
                onSelectedTextChanged: if (activeFocus && rootWindow.textFieldActionsHandler)
                                           rootWindow.textFieldActionsHandler.selectedText = selectedText
                Keys.onPressed: {
                    if (chat.roomGone || !chat.inputEnabled) { event.accepted = true; return; }
                    if (event.key !== Qt.Key_Return && event.key !== Qt.Key_Enter) return;
                    event.accepted = true;
                    if (event.modifiers & (Qt.ShiftModifier | Qt.ControlModifier | Qt.AltModifier)) {
                        input.insert(input.cursorPosition, "\n");
                        return;
                    }
                    chat.send();
                }
                Connections {
                    target: rootWindow.textFieldActionsHandler
                    ignoreUnknownSignals: true
                    function onCopy() { if (input.activeFocus) input.copy(); }
                    function onCut() { if (input.activeFocus) input.cut(); }
                    function onPaste() { if (input.activeFocus) input.paste(); }
                    function onSelectAll() { if (input.activeFocus) input.selectAll(); }
                }
                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    cursorShape: Qt.IBeamCursor
                    onClicked: { input.forceActiveFocus(); rootWindow.openTextFieldMenu(); }
                }
            }
        }
    }

    SmileySelector {
        id: smileySelector
        objectName: "smileySelector"
        z: 10
        anchors { right: parent.right; rightMargin: ZPalette.unit; bottom: inputArea.top }
        visible: opacity > 0
        opacity: smileyButton.active ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        model: rootWindow.smileys
        onSmileyChosen: chat.insertSmiley(text)
    }

    K.ToolTip { id: tip }

    // The page is given its document when the model builds one, never by a
    // binding: a change of language runs every binding again, and the page
    // set back to its first document would lose what arrived since.
    function showPage() { webView.html = model ? model.htmlContent : ""; }
    onModelChanged: showPage()
    Connections {
        target: chat.model
        ignoreUnknownSignals: true
        function onHtmlChanged() { chat.showPage(); }
    }

    onVisibleChanged: if (visible) input.forceActiveFocus()
    Component.onCompleted: {
        showPage();
        if (chatInterface && session && session.chatActive && !rootWindow.isFullscreen)
            input.forceActiveFocus();
    }
}

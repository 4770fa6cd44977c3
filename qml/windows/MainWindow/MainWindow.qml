import QtQuick 2.15
import Vantre 1.0 as Vantre
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"
import "qrc:/windows/MainWindow/CallSettingsToolbar"
import "qrc:/windows/MainWindow/ErrorInfo"
import "qrc:/windows/MainWindow/LeftPane"

// The window of a signed-in session: a left pane of views, the own presence,
// the search with its Add menu, and the active view (contacts by group with
// favourites, rooms, history with its missed count, dial pad). Names and
// texts from the service are shown as plain text only. Every list works from
// the keyboard: Tab or Down from the search enters the list, arrows move,
// Enter runs the default action, the menu key or Shift+F10 opens the menu,
// Esc clears the search.
Rectangle {
    id: root

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var helper: (typeof presenceHelper !== "undefined") ? presenceHelper : null
    readonly property var own: mainWindow.ownContact
    readonly property var volume: (typeof mediaVolumeHelper !== "undefined") ? mediaVolumeHelper : null
    readonly property var rooms: (typeof chatRoomsFilter !== "undefined") ? chatRoomsFilter : null
    readonly property var photos: (typeof profilePictureHelper !== "undefined") ? profilePictureHelper : null
    // Show Profile Photos: the contacts' pictures (or initials) in the lists.
    readonly property bool showPhotos: photos !== null && photos.showProfilePictures
    property int voiceMailMessagesCount: mainWindow.voiceMailMessagesCount

    width: 300
    height: 560
    color: pal.background

    // The shared palette under a short name.
    readonly property QtObject pal: ZPalette

    // How a presence state looks is decided in one place (PresenceState);
    // the colour itself comes from the style.
    function presenceColor(state) {
        return ZPalette.pick(Vantre.PresenceState.colorName(state), Vantre.PresenceState.color(state));
    }
    function presenceText(state) {
        var t = mainWindow.availabilityText(state);
        return t !== "" ? t : qsTr("Offline") + lc;
    }
    // A group header as a screen reader says it: its name and its count,
    // or what its search is doing.
    function groupAccessibleName(title, error, searching, online, total, more) {
        if (error !== undefined && error !== "")
            return title + ", " + error;
        if (searching === true)
            return title + ", " + qsTr("Searching...") + lc;
        if (more === true)
            return title + ", " + qsTr("(first %1 shown, more exist)").arg(total) + lc;
        if (online === undefined)
            return title + ", " + qsTr("%1 found").arg(total) + lc;
        return title + ", " + qsTr("%1 of %2 online").arg(online).arg(total) + lc;
    }
    function initials(name) {
        var parts = String(name).trim().split(/\s+/);
        var s = parts.length > 0 && parts[0].length > 0 ? parts[0][0] : "?";
        if (parts.length > 1 && parts[parts.length - 1].length > 0)
            s += parts[parts.length - 1][0];
        return s.toUpperCase();
    }
    // The edit entries of the search and dial fields' menus (Cut, Copy,
    // Paste, Select All) act on the field the menu was opened for.
    readonly property var editActions: menuHandler.textfieldActionsHandler
    property Item editField: null
    function openEditMenu(field, withContactActions) {
        editField = field;
        if (editActions)
            editActions.selectedText = field.selectedText;
        if (withContactActions)
            menuHandler.openSearchFieldMenu();
        else
            menuHandler.openTextFieldMenu();
    }
    function followSelection(field) {
        if (field.activeFocus && editActions)
            editActions.selectedText = field.selectedText;
    }
    Connections {
        target: root.editActions
        ignoreUnknownSignals: true
        function onCopy() { if (root.editField) root.editField.copy(); }
        function onCut() { if (root.editField) root.editField.cut(); }
        function onPaste() { if (root.editField) root.editField.paste(); }
        function onSelectAll() {
            if (!root.editField) return;
            root.editField.forceActiveFocus();
            root.editField.selectAll();
        }
    }

    // Selecting an active communication leaves no history or room row
    // selected: the menus and Enter then act on the communication alone.
    Connections {
        target: focusHelper
        function onFocusItemChanged() {
            historyList.currentIndex = -1;
            roomList.currentIndex = -1;
        }
    }

    function clearSearchField() { search.text = ""; }
    function showView(name) { activeView.state = name; }
    // Opens the list's menu at its current row (keyboard).
    function currentRowMenu(list) {
        var item = list.currentItem;
        if (item) {
            var p = item.mapToItem(root, item.width / 3, item.height / 2);
            mainWindow.openMenuAt(p.x, p.y);
        }
    }

    // --- Left pane of views ---------------------------------------------
    Rectangle {
        id: leftPane
        objectName: "leftPane"
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: 33
        color: Qt.darker(pal.accent, 1.35)

        Column {
            anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 4 }
            spacing: 2

            PaneButton {
                objectName: "windowFrameIcon"
                glyph: "\u2630"
                tip: qsTr("Menu") + root.lc
                onClicked: rootWindow.openWindowMenu()
            }
            Item { width: 1; height: 8 }
            LeftPane {
                viewItem: activeView
            }
        }
    }

    // --- Own presence panel ---------------------------------------------
    Rectangle {
        id: header
        anchors { left: leftPane.right; right: parent.right; top: parent.top }
        height: 63
        color: pal.accent

        Rectangle {
            id: avatar
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            width: 40; height: 40; radius: 20
            color: Qt.darker(pal.accent, 1.25)
            // The own picture (Change Profile Photo), else the initials.
            Vantre.Pixmap {
                id: ownPicture
                objectName: "ownAvatarPicture"
                anchors.centerIn: parent
                pixmap: root.photos && root.own && root.own.avatarUrl ? root.photos.picture(root.own.avatarUrl) : undefined
                maxSize: Qt.size(avatar.width, avatar.height)
                crop: true
                width: size.width
                height: size.height
            }
            Text {
                anchors.centerIn: parent
                visible: ownPicture.size.width === 0
                text: root.initials(mainWindow.userName)
                textFormat: Text.PlainText
                color: pal.accentText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 1.1
                font.bold: true
            }
            Rectangle {
                anchors { right: parent.right; bottom: parent.bottom }
                width: 12; height: 12; radius: 6
                border.width: 2; border.color: pal.accent
                color: root.presenceColor(root.own ? root.own.presence : 0)
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: menuHandler.showOwnContactMenu(mainWindow.xmppConnected || mainWindow.offlineMode)
            }
        }

        Column {
            anchors { left: avatar.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            spacing: 2
            Text {
                objectName: "userNameText"
                width: parent.width
                text: mainWindow.userName
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.accentText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 1.1
                font.bold: true
            }
            // The availability menu of the presence helper, below the text.
            Vantre.Menu {
                id: presenceMenu
                objectName: "presenceMenu"
                menu: root.helper ? root.helper.menu : null
            }
            Text {
                id: ownPresence
                objectName: "ownPresenceText"
                width: parent.width
                text: root.presenceText(root.own ? root.own.presence : Vantre.PresenceState.Unknown) + " \u25BE"
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.accentText
                opacity: presenceMouse.containsMouse ? 1.0 : 0.85
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize
                MouseArea {
                    id: presenceMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    enabled: root.helper !== null
                    cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: function(mouse) {
                        if (mouse.button === Qt.RightButton) {
                            menuHandler.showOwnContactMenu(false);
                        } else {
                            var p = ownPresence.mapToItem(null, 0, ownPresence.height);
                            presenceMenu.showPopup(Qt.point(p.x, p.y));
                        }
                    }
                }
            }
            // The published location, on a line of its own so that a long one
            // does not push the presence out; a click changes it.
            Text {
                objectName: "ownLocationText"
                width: parent.width
                visible: mainWindow.ownLocation !== ""
                text: mainWindow.ownLocation
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.accentText
                opacity: locationMouse.containsMouse ? 1.0 : 0.75
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 0.9
                MouseArea {
                    id: locationMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: root.helper !== null
                    cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: mainWindow.showLocationPublishDialog()
                }
            }
        }
    }

    // --- Call-settings toolbar, above the service problems -------------------
    CallSettingsToolbar {
        id: callSettingsToolbar
        anchors { left: leftPane.right; right: parent.right; top: header.bottom }
    }

    // --- Service problems ---------------------------------------------------
    ErrorInfo {
        id: errorBanner
        anchors { left: leftPane.right; right: parent.right; top: callSettingsToolbar.bottom }
    }

    // --- Active communications -------------------------------------------
    ActiveComms {
        id: activeComms
        anchors { left: leftPane.right; right: parent.right; top: errorBanner.visible ? errorBanner.bottom : callSettingsToolbar.bottom }
    }

    // --- Search and Add ---------------------------------------------------
    Item {
        id: searchBar
        anchors { left: leftPane.right; right: parent.right; top: activeComms.bottom; margins: pal.unit * 2 }
        height: search.height
        visible: activeView.state !== "historyView" && activeView.state !== "dialpadView"

        ZTextField {
            id: search
            objectName: "searchField"
            anchors { left: parent.left; right: addButton.left; rightMargin: pal.unit * 2 }
            placeholderText: qsTr("Search or dial") + root.lc
            onTextChanged: mainWindow.searchTextChanged(text, true)
            onContextMenuRequested: root.openEditMenu(search, true)
            onSelectedTextChanged: root.followSelection(search)
            onAccepted: if (mainWindow.selectedContactCount > 0 || text !== "") mainWindow.triggerDefaultAction()
            keyFilter: function(event) {
                if (event.key === Qt.Key_Escape) {
                    search.text = "";
                    event.accepted = true;
                } else if (event.key === Qt.Key_Down || event.key === Qt.Key_Tab) {
                    contactList.forceActiveFocus();
                    if (mainWindow.currentContactRow < 0)
                        mainWindow.moveSelection(false, true);
                    event.accepted = true;
                }
            }
        }
        ZButton {
            id: addButton
            objectName: "addButton"
            anchors { right: parent.right; verticalCenter: parent.verticalCenter }
            width: height
            text: "+"
            primary: menuHandler.addMenuVisible
            onClicked: menuHandler.showAddMenu()
        }
    }

    // --- The active view --------------------------------------------------
    Item {
        id: activeView
        objectName: "activeView"
        anchors { left: leftPane.right; right: parent.right; bottom: footer.top
                  top: searchBar.visible ? searchBar.bottom : activeComms.bottom
                  topMargin: searchBar.visible ? pal.unit * 2 : 0 }
        state: "contactsView"
        states: [
            State { name: "contactsView" },
            State { name: "roomsView" },
            State { name: "historyView" },
            State { name: "directoryView" },
            State { name: "dialpadView" }
        ]
        onStateChanged: {
            if (state === "roomsView")
                mainWindow.clearAndFetchRooms();
        }

        // A call or chat row added above (or taken away) moves the view; the
        // row the pointer rests on stays under it, so that a click meant for
        // it does not land on its neighbour.
        property real lastY: y
        onYChanged: {
            var shift = y - lastY;
            lastY = y;
            if (shift === 0 || !contactList.visible)
                return;
            var pointer = rootWindow.mousePos;
            var over = contactList.contains(contactList.mapFromItem(null, pointer.x, pointer.y));
            if (over)
                contactList.contentY = Math.max(contactList.originY, contactList.contentY + shift);
            else
                contactList.returnToBounds();
        }

        // Contacts by group (and the search's matches).
        ListView {
            id: contactList
            objectName: "contactList"
            anchors.fill: parent
            visible: activeView.state === "contactsView" || activeView.state === "directoryView"
            clip: true
            model: contactModel
            // Rows scrolled out are reused for the rows scrolled in: large
            // books scroll without building (and collecting) delegates.
            reuseItems: true
            currentIndex: mainWindow.currentContactRow
            boundsBehavior: Flickable.StopAtBounds
            activeFocusOnTab: true
            highlightFollowsCurrentItem: false
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Contacts") + root.lc
            Keys.onUpPressed: mainWindow.moveSelection(true, true)
            Keys.onDownPressed: mainWindow.moveSelection(false, true)
            Keys.onReturnPressed: mainWindow.triggerDefaultAction()
            Keys.onEnterPressed: mainWindow.triggerDefaultAction()
            Keys.onEscapePressed: { search.text = ""; search.forceActiveFocus(); }
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))) {
                    root.currentRowMenu(contactList);
                    mainWindow.showCurrentContactMenu();
                    event.accepted = true;
                } else if (event.key === Qt.Key_Backtab) {
                    search.forceActiveFocus();
                    event.accepted = true;
                }
            }

            delegate: Rectangle {
                id: row
                objectName: "contactRow"
                readonly property bool header: model.isGroup === true
                readonly property bool selected: !header && model.selected === true
                // Only a contact has a card: not a group header, nor a
                // directory row without one.
                readonly property bool hasCard: !header && !!model.contact
                readonly property string groupTitle: !header ? ""
                    : model.groupId === 16777204 ? qsTr("Favorites") + root.lc
                    : model.groupId === 16777203 ? qsTr("Other Contacts") + root.lc
                    : model.groupName
                readonly property bool isSearchResult: !header && !!model.contact && model.contact.isSearchResult
                readonly property string presenceName: root.presenceText(model.presence === undefined ? 0 : model.presence)
                readonly property string statusLine: (mainWindow && mainWindow.showStatus && model.statusText !== undefined)
                                                     ? model.statusText : ""
                // A directory entry has no presence: it shows what the text
                // was found in, when that is not its name.
                readonly property string presenceLine: isSearchResult
                    ? (model.contact.searchHitString !== model.displayName ? model.contact.searchHitString : "")
                    : (statusLine !== "" ? statusLine : presenceName)
                // The row's contact (none for a group header), for its card and menus.
                readonly property QtObject contactObject: header || !model.contact ? null : model.contact
                function putAwayCard() {
                    if (hoverDelay.running) hoverDelay.stop();
                    else mainWindow.hideContactMouseOver();
                }
                width: contactList.width
                height: header ? pal.controlHeight * 1.1 : pal.controlHeight * 1.6
                color: header ? pal.disabledBackground
                              : (selected ? pal.selection : (rowMouse.containsMouse ? pal.hover : "transparent"))
                // The current row holds the list's keyboard focus, so that
                // moving with the arrows moves the focus (and a screen
                // reader's) from row to row.
                focus: ListView.isCurrentItem
                // What a screen reader says of a row: a contact's name and
                // presence ("Alice Moreno, Available"), a group's name and
                // how many are in it.
                Accessible.role: header ? Accessible.Heading : Accessible.ListItem
                Accessible.name: header ? root.groupAccessibleName(row.groupTitle, model.groupError, model.groupSearching,
                                                                   model.groupOnline, model.groupTotal, model.groupMore)
                                        : [model.displayName === undefined ? "" : model.displayName,
                                           row.isSearchResult ? row.presenceLine : row.presenceName]
                                          .filter(function(part) { return part !== ""; }).join(", ")
                Accessible.description: header || row.isSearchResult ? "" : row.statusLine
                Accessible.selectable: !header
                Accessible.selected: selected
                Accessible.focusable: true

                Timer {
                    id: hoverDelay
                    interval: 500
                    onTriggered: if (row.hasCard && rowMouse.containsMouse) mainWindow.showContactMouseOver(model.contact)
                }
                ListView.onPooled: hoverDelay.stop()

                // Group header.
                Row {
                    visible: row.header
                    anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                    spacing: pal.unit * 2
                    Text {
                        objectName: "groupHeaderName"
                        text: row.groupTitle
                        textFormat: Text.PlainText
                        color: pal.strongText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.9
                        font.bold: true
                    }
                    Text {
                        objectName: "groupHeaderStatus"
                        // Search-result groups tell that their source is busy
                        // or why it failed; contact groups count who is online.
                        text: !row.header ? ""
                              : (model.groupError !== undefined && model.groupError !== "") ? model.groupError
                              : model.groupSearching === true ? qsTr("Searching...") + root.lc
                              : model.groupMore === true ? qsTr("(first %1 shown, more exist)").arg(model.groupTotal) + root.lc
                              : model.groupOnline === undefined ? "(" + model.groupTotal + ")"
                              : "(" + model.groupOnline + "/" + model.groupTotal + ")"
                        textFormat: Text.PlainText
                        color: pal.mutedText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.85
                    }
                }

                // Contact.
                Rectangle {
                    id: dot
                    visible: !row.header
                    anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                    width: 10; height: 10; radius: 5
                    color: root.presenceColor(model.presence === undefined ? 0 : model.presence)
                }
                Item {
                    id: contactAvatar
                    objectName: "contactAvatar"
                    visible: !row.header && root.showPhotos
                    anchors { left: dot.right; leftMargin: pal.unit * 2; verticalCenter: parent.verticalCenter }
                    width: visible ? Math.round(pal.controlHeight * 1.1) : 0
                    height: width
                    readonly property var picture: visible && root.photos && model.avatarUrl
                                                   ? root.photos.picture(model.avatarUrl) : undefined
                    Rectangle {
                        anchors.fill: parent
                        radius: width / 2
                        visible: avatarPicture.size.width === 0
                        color: Qt.darker(pal.disabledBackground, 1.08)
                        Text {
                            anchors.centerIn: parent
                            text: root.initials(model.displayName === undefined ? "" : model.displayName)
                            textFormat: Text.PlainText
                            color: pal.mutedText
                            font.family: pal.fontFamily
                            font.pixelSize: Math.round(parent.height * 0.4)
                            font.bold: true
                        }
                    }
                    Vantre.Pixmap {
                        id: avatarPicture
                        anchors.centerIn: parent
                        pixmap: contactAvatar.picture
                        maxSize: Qt.size(contactAvatar.width, contactAvatar.height)
                        crop: true
                        width: size.width
                        height: size.height
                    }
                }
                Column {
                    visible: !row.header
                    anchors { left: contactAvatar.right; leftMargin: pal.unit * 3; right: star.left; rightMargin: pal.unit
                              verticalCenter: parent.verticalCenter }
                    Text {
                        width: parent.width
                        text: model.displayName === undefined ? "" : model.displayName
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.strongText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize
                    }
                    Text {
                        width: parent.width
                        text: row.presenceLine
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.mutedText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.85
                    }
                }
                Text {
                    id: star
                    visible: !row.header
                    anchors { right: parent.right; rightMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                    text: model.favourite === true ? "\u2605" : ""
                    color: "#E8A33D"
                    font.pixelSize: pal.fontPixelSize
                }
                Rectangle {
                    anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: pal.unit * 3 }
                    height: 1
                    color: pal.border
                    opacity: 0.5
                }
                // A left press selects (with Ctrl and Shift as usual) and
                // can start dragging the selected contacts, for example onto
                // an active call.
                Vantre.DragArea {
                    id: contactDrag
                    anchors.fill: parent
                    enabled: !row.header
                    mimeType: "application/zent.contact"
                    onPressed: function(button, modifiers) {
                        contactList.forceActiveFocus();
                        row.putAwayCard();
                        if (row.header) return;
                        if (!(row.selected && modifiers === 0))
                            selectionHandler.select(index, modifiers);
                        activeComms.draggingContacts = true;
                        contactDrag.data = selectionHandler.selectionAsString();
                    }
                    onClicked: function(button, modifiers) {
                        // A press on a selected row kept the selection for a
                        // drag; a click without one selects the row alone.
                        if (!row.header && modifiers === 0 && selectionHandler.selection.length > 1)
                            selectionHandler.select(index, 0);
                    }
                    onDoubleClicked: if (!row.header) mainWindow.triggerDefaultAction()
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.RightButton
                    // Resting on a contact shows its card after a moment;
                    // passing over rows on the way elsewhere shows none.
                    onContainsMouseChanged: {
                        if (containsMouse && row.hasCard) hoverDelay.restart();
                        else row.putAwayCard();
                    }
                    onClicked: function(mouse) {
                        contactList.forceActiveFocus();
                        row.putAwayCard();
                        if (row.header) {
                            menuHandler.popupGroupMenu(model.group);
                            return;
                        }
                        if (!row.selected)
                            selectionHandler.select(index, 0);
                        menuHandler.showPopupMenu(false, false);
                    }
                }
            }

            Text {
                anchors.centerIn: parent
                visible: contactList.count === 0
                text: (search.text !== "" ? qsTr("No matching contacts") : qsTr("No contacts yet")) + root.lc
                color: pal.mutedText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize
            }
        }

        // Rooms.
        ListView {
            id: roomList
            objectName: "roomList"
            anchors.fill: parent
            visible: activeView.state === "roomsView"
            clip: true
            model: root.rooms
            // No row is chosen until the user chooses one.
            currentIndex: -1
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Rooms") + root.lc
            // The user's own room heads the list: a click joins it, the
            // right button opens its menu (join, copy the invitation).
            header: Rectangle {
                id: myRoomRow
                objectName: "myRoomRow"
                visible: mainWindow.hasMyRoom
                width: roomList.width
                height: visible ? pal.controlHeight * 1.6 : 0
                color: myRoomMouse.containsMouse ? pal.hover : "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: qsTr("My Room") + root.lc
                Column {
                    anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                              verticalCenter: parent.verticalCenter }
                    Text {
                        width: parent.width
                        text: qsTr("My Room") + root.lc
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.strongText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize
                        font.bold: true
                    }
                    Text {
                        width: parent.width
                        text: (mainWindow.myRoomReady ? qsTr("Open") : qsTr("Click to join")) + root.lc
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.mutedText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.85
                    }
                }
                Kelvantic.ToolTip { id: myRoomTip }
                MouseArea {
                    id: myRoomMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onEntered: myRoomTip.showToolTip(mainWindow.getMyRoomToolTip())
                    onExited: myRoomTip.hideToolTip()
                    onClicked: function(mouse) {
                        myRoomTip.hideToolTip();
                        if (mouse.button === Qt.RightButton)
                            menuHandler.showMyRoomMenu(false);
                        else
                            mainWindow.startMyRoom();
                    }
                }
            }
            delegate: Rectangle {
                objectName: "roomRow"
                width: roomList.width
                height: pal.controlHeight * 1.6
                Accessible.role: Accessible.ListItem
                Accessible.name: model.name === undefined ? "" : model.name
                color: roomList.currentIndex === index ? pal.selection : (roomMouse.containsMouse ? pal.hover : "transparent")
                Column {
                    anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                              verticalCenter: parent.verticalCenter }
                    Text {
                        width: parent.width
                        text: model.name === undefined ? "" : model.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.strongText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize
                    }
                    Text {
                        width: parent.width
                        text: model.subject === undefined ? "" : model.subject
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.mutedText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.85
                    }
                }
                MouseArea {
                    id: roomMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        roomList.currentIndex = index;
                        mainWindow.roomsSelectionChanged(index);
                        if (mouse.button === Qt.RightButton)
                            menuHandler.showChatRoomMenu(model.jid, model.name);
                    }
                    onDoubleClicked: function(mouse) {
                        if (mouse.button === Qt.LeftButton) mainWindow.joinRoom(model.jid);
                    }
                }
            }
            Keys.onPressed: function(event) {
                if ((event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                        && roomList.currentItem) {
                    root.currentRowMenu(roomList);
                    var i = roomList.model.index(roomList.currentIndex, 0);
                    menuHandler.showChatRoomMenu(roomList.model.data(i, 400), roomList.model.data(i, 0));
                    event.accepted = true;
                }
            }
        }

        // History.
        Item {
            anchors.fill: parent
            visible: activeView.state === "historyView"

            Row {
                id: historyFilter
                objectName: "historyFilter"
                anchors { left: parent.left; right: parent.right; top: parent.top; margins: pal.unit * 2 }
                spacing: pal.unit
                Repeater {
                    model: 4
                    Rectangle {
                        readonly property bool chosen: !!mainWindow && mainWindow.timelinefilterflag === index
                        width: label.implicitWidth + pal.unit * 3
                        height: label.implicitHeight + pal.unit * 2
                        radius: pal.radius
                        color: chosen ? pal.accent : (filterMouse.containsMouse ? pal.hover : "transparent")
                        Text {
                            id: label
                            objectName: "historyFilterLabel"
                            anchors.centerIn: parent
                            text: [qsTr("All"), qsTr("Missed %1").arg(badgeHandler.badgeCount), qsTr("Calls"), qsTr("Chat")][index] + root.lc
                            color: parent.chosen ? pal.accentText : pal.strongText
                            font.family: pal.fontFamily
                            font.pixelSize: pal.fontPixelSize * 0.9
                        }
                        MouseArea {
                            id: filterMouse
                            anchors.fill: parent
                            hoverEnabled: true
                            acceptedButtons: Qt.LeftButton | Qt.RightButton
                            onClicked: function(mouse) {
                                if (mouse.button === Qt.RightButton)
                                    menuHandler.showHistoryMenu();
                                else
                                    mainWindow.setTimelineFilter(index);
                            }
                        }
                    }
                }
            }

            ListView {
                id: historyList
                objectName: "historyList"
                anchors { left: parent.left; right: parent.right; top: historyFilter.bottom; bottom: parent.bottom
                          topMargin: pal.unit * 2 }
                clip: true
                model: proxytimelineModel
                activeFocusOnTab: true
                Accessible.role: Accessible.List
                Accessible.name: qsTr("History") + root.lc
                boundsBehavior: Flickable.StopAtBounds
                onCurrentIndexChanged: mainWindow.historySelectionChanged(currentIndex)
                Keys.onReturnPressed: mainWindow.triggerDefaultAction()
                Keys.onEnterPressed: mainWindow.triggerDefaultAction()
                Keys.onPressed: function(event) {
                    if ((event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                            && historyList.currentItem) {
                        root.currentRowMenu(historyList);
                        menuHandler.showPopupMenu(true, historyList.currentItem.isNew);
                        event.accepted = true;
                    }
                }
                delegate: Rectangle {
                    objectName: "historyRow"
                    readonly property bool isNew: model.isNew === true
                    width: historyList.width
                    // As in the contact list: the current row has the focus,
                    // and a screen reader reads who and when.
                    focus: ListView.isCurrentItem
                    Accessible.role: Accessible.ListItem
                    Accessible.name: [historyName.text, historyDetails.text]
                                     .filter(function(part) { return part !== ""; }).join(", ")
                    Accessible.selectable: true
                    Accessible.selected: historyList.currentIndex === index
                    Accessible.focusable: true
                    height: pal.controlHeight * 1.6
                    color: historyList.currentIndex === index ? pal.selection
                                                             : (historyMouse.containsMouse ? pal.hover : "transparent")
                    Text {
                        id: arrow
                        anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                        text: model.kind === 2 ? "\u2709" : (model.direction === 1 ? "\u2197" : "\u2199")
                        color: model.direction === 2 ? pal.error : pal.mutedText
                        font.pixelSize: pal.fontPixelSize
                    }
                    Column {
                        anchors { left: arrow.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                                  verticalCenter: parent.verticalCenter }
                        Text {
                            id: historyName
                            width: parent.width
                            text: model.name === undefined ? "" : model.name
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            color: model.direction === 2 ? pal.error : pal.strongText
                            font.family: pal.fontFamily
                            font.pixelSize: pal.fontPixelSize
                            font.bold: parent.parent.isNew
                        }
                        Text {
                            id: historyDetails
                            width: parent.width
                            objectName: "historyDetails"
                            // In the interface's language, whatever the system's.
                            text: (model.start ? model.start.toLocaleString(Qt.locale(), "d MMM, hh:mm") + root.lc : "")
                                  + (model.duration > 0 ? "  \u00B7  " + Math.floor(model.duration / 60) + ":"
                                                          + ("0" + model.duration % 60).slice(-2) : "")
                                  + (model.direction === 2 && model.kind !== 2 ? "  \u00B7  " + qsTr("Missed") + root.lc : "")
                                  + (model.note ? "  \u00B7  " + model.note : "")
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            color: pal.mutedText
                            font.family: pal.fontFamily
                            font.pixelSize: pal.fontPixelSize * 0.85
                        }
                    }
                    MouseArea {
                        id: historyMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        acceptedButtons: Qt.LeftButton | Qt.RightButton
                        onClicked: function(mouse) {
                            historyList.forceActiveFocus();
                            historyList.currentIndex = index;
                            mainWindow.historySelectionChanged(index);
                            if (mouse.button === Qt.RightButton)
                                menuHandler.showPopupMenu(true, parent.isNew);
                        }
                        onDoubleClicked: mainWindow.triggerDefaultAction()
                    }
                }
                Text {
                    anchors.centerIn: parent
                    visible: historyList.count === 0
                    text: qsTr("No history") + root.lc
                    color: pal.mutedText
                    font.family: pal.fontFamily
                    font.pixelSize: pal.fontPixelSize
                }
            }
        }

        // Dial pad.
        Column {
            id: dialpad
            objectName: "dialpad"
            anchors { top: parent.top; topMargin: pal.unit * 4; horizontalCenter: parent.horizontalCenter }
            visible: activeView.state === "dialpadView"
            spacing: pal.unit * 2
            width: Math.min(parent.width - pal.unit * 6, 220)

            ZTextField {
                id: dialField
                objectName: "dialField"
                width: parent.width
                horizontalAlignment: TextInput.AlignHCenter
                placeholderText: qsTr("Number") + root.lc
                onTextChanged: mainWindow.dialpadTextChanged(text)
                onAccepted: actionsProvider.triggerAction(2)
                onContextMenuRequested: root.openEditMenu(dialField, false)
                onSelectedTextChanged: root.followSelection(dialField)
                keyFilter: function(event) {
                    if (event.key === Qt.Key_Escape) {
                        dialField.text = "";
                        event.accepted = true;
                    }
                }
            }
            Grid {
                columns: 3
                spacing: pal.unit
                Repeater {
                    model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"]
                    ZButton {
                        width: (dialpad.width - pal.unit * 2) / 3
                        text: modelData
                        onClicked: dialField.text += modelData
                    }
                }
            }
            ZButton {
                objectName: "dialCallButton"
                width: parent.width
                primary: true
                text: qsTr("Call") + root.lc
                enabled: dialField.text !== ""
                onClicked: actionsProvider.triggerAction(2)
            }
        }
    }

    Connections {
        target: mainWindow
        function onDialpadText(text) { if (dialField.text !== text) dialField.text = text; }
    }

    // --- Bottom bar -------------------------------------------------------
    Rectangle {
        id: footer
        anchors { left: leftPane.right; right: parent.right; bottom: banner.top }
        height: pal.controlHeight + pal.unit * 4
        color: pal.disabledBackground

        Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: pal.border }

        Row {
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            spacing: pal.unit * 2
            visible: root.volume !== null
            Text {
                text: root.volume && root.volume.systemMute ? "\u2715" : "\u266A"
                color: pal.mutedText
                font.pixelSize: pal.fontPixelSize
                MouseArea { anchors.fill: parent; onClicked: root.volume.setSystemMute(!root.volume.systemMute) }
            }
            Rectangle {
                id: volumeTrack
                width: 70; height: 4; radius: 2
                anchors.verticalCenter: parent.verticalCenter
                color: pal.border
                Rectangle {
                    width: root.volume ? parent.width * root.volume.systemVolume / 100 : 0
                    height: parent.height; radius: 2
                    color: pal.accent
                }
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -6
                    onPressed: root.volume.setSystemVolume(Math.round(100 * Math.max(0, Math.min(1, (mouse.x - 6) / volumeTrack.width))))
                    onPositionChanged: if (pressed) root.volume.setSystemVolume(Math.round(100 * Math.max(0, Math.min(1, (mouse.x - 6) / volumeTrack.width))))
                }
            }
        }
        ZButton {
            objectName: "optionsButton"
            anchors { right: parent.right; rightMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("Options") + root.lc
            primary: menuHandler.optionsMenuVisible
            onClicked: menuHandler.showOptionsMenu()
        }
    }
    // --- The provider's banner ----------------------------------------------
    // Shown once loaded; when it cannot be loaded (the view reaches nothing
    // outside the program) a line says so, and a click tries again.
    Item {
        id: banner
        objectName: "banner"
        readonly property bool wanted: mainWindow.bannerEnabled && mainWindow.bannerUrl !== ""
                                       && mainWindow.bannerHeight > 0
        property bool failed: false
        anchors { left: leftPane.right; right: parent.right; bottom: parent.bottom }
        visible: wanted
        height: wanted ? mainWindow.bannerHeight : 0

        Loader {
            id: bannerLoader
            anchors.fill: parent
            active: banner.wanted
            sourceComponent: Vantre.WebView2 {
                id: bannerView
                objectName: "bannerView"
                url: mainWindow.bannerUrl
                visible: !banner.failed
                onLoadFinished: banner.failed = false
                onLoadFailed: banner.failed = true
            }
        }
        Rectangle {
            anchors.fill: parent
            visible: banner.failed
            color: pal.disabledBackground
            Text {
                objectName: "bannerFailedText"
                anchors.fill: parent
                anchors.margins: pal.unit
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Failed to load banner, click here to refresh") + root.lc
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                elide: Text.ElideRight
                color: pal.mutedText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 0.9
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    // A view of its own loads the address afresh.
                    banner.failed = false;
                    bannerLoader.active = false;
                    bannerLoader.active = Qt.binding(function() { return banner.wanted; });
                }
            }
        }
    }
}

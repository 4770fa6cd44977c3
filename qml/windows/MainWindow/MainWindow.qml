import QtQuick 2.15
import QtQuick.Window 2.15
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
// the keyboard: Down from the search enters the list (Tab goes by "+"), arrows move,
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
    // While the chat and presence service is lost (not by the user's own
    // Offline), the presence the rows last had is no longer known.
    readonly property bool presenceKnown: mainWindow.xmppConnected || mainWindow.offlineMode
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
            historyView.currentIndex = -1;
            roomList.currentIndex = -1;
        }
    }

    function clearSearchField() { search.text = ""; }
    // Space, Enter and Return press a control drawn of plain items, as a
    // click does (Down too, for one that opens a menu).
    function pressKeys(event, action, withDown) {
        if (event.isAutoRepeat)
            return;
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || (withDown === true && event.key === Qt.Key_Down)) {
            event.accepted = true;
            action();
        }
    }
    function openPresenceMenu() {
        var p = ownPresence.mapToItem(null, 0, ownPresence.height);
        presenceMenu.showPopup(Qt.point(p.x, p.y));
    }
    function showView(name) { activeView.state = name; }
    // The search, or, where a view hides it, the view's first control:
    // the keyboard is never left in a field out of sight.
    function focusSearch() {
        if (searchBar.visible) search.forceActiveFocus();
        else if (historyView.visible) historyView.focusFirst();
        else if (dialPad.visible) dialPad.focusFirst();
    }
    // A button's menu drops from the button, wherever the pointer is (Space
    // on the button leaves it anywhere).
    function menuFromButton(button) {
        var top = button.mapToItem(null, 0, 0);
        mainWindow.openMenuFromButton(top.x, top.y, top.y + button.height);
    }
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
        width: pal.unit * 8
        color: Qt.darker(pal.accent, 1.35)

        Column {
            anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: pal.unit }
            spacing: pal.unit / 2

            PaneButton {
                objectName: "windowFrameIcon"
                glyph: "\u2630"
                tip: qsTr("Menu") + root.lc
                // Drops from the button, leaving the button itself in view.
                onClicked: {
                    var p = mapToItem(null, 0, height);
                    rootWindow.openWindowMenuAt(p.x, p.y);
                }
            }
            Item { width: 1; height: pal.unit * 2 }
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
            objectName: "ownAvatar"
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            width: pal.unit * 10; height: width; radius: width / 2
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
            ZLabel {
                anchors.centerIn: parent
                visible: ownPicture.size.width === 0
                text: root.initials(mainWindow.userName)
                Accessible.ignored: true
                color: pal.accentText
                type: ZPalette.title
            }
            Rectangle {
                anchors { right: parent.right; bottom: parent.bottom }
                width: pal.unit * 3; height: width; radius: width / 2
                border.width: pal.unit / 2; border.color: pal.accent
                color: root.presenceColor(root.own ? root.own.presence : 0)
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: avatar.openMenu()
            }
            function openMenu() { menuHandler.showOwnContactMenu(mainWindow.xmppConnected || mainWindow.offlineMode); }
            // The own contact's menu by keyboard and screen reader too; it
            // says whose it is.
            activeFocusOnTab: true
            Accessible.role: Accessible.ButtonMenu
            Accessible.name: mainWindow.userName
            Accessible.onPressAction: avatar.openMenu()
            Keys.onPressed: function(event) { root.pressKeys(event, avatar.openMenu); }
            Rectangle {
                anchors.fill: parent
                anchors.margins: -ZPalette.focusWidth - 1
                radius: width / 2
                color: "transparent"
                border.width: ZPalette.focusWidth
                border.color: pal.accentText
                visible: avatar.activeFocus
            }
            // A picture file dropped here becomes the avatar.
            Vantre.DropArea {
                objectName: "ownAvatarDropArea"
                anchors.fill: parent
                mimeTypes: ["text/uri-list"]
                onDragEnter: function(event) {
                    if (mainWindow.isAvatarPicture(event.data.url)) event.accept(Qt.CopyAction);
                    else event.setAccepted(false);
                }
                onDrop: function(event) { mainWindow.setAvatarPicture(event.data.url); }
            }
        }

        Column {
            anchors { left: avatar.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            spacing: pal.unit / 2
            ZLabel {
                objectName: "userNameText"
                width: parent.width
                text: mainWindow.userName
                elide: Text.ElideRight
                color: pal.accentText
                type: ZPalette.title
            }
            // The availability menu of the presence helper, below the text.
            Vantre.Menu {
                id: presenceMenu
                objectName: "presenceMenu"
                menu: root.helper ? root.helper.menu : null
            }
            ZLabel {
                id: ownPresence
                objectName: "ownPresenceText"
                width: parent.width
                text: root.presenceText(root.own ? root.own.presence : Vantre.PresenceState.Unknown) + " \u25BE"
                elide: Text.ElideRight
                color: pal.accentText
                opacity: presenceMouse.containsMouse || activeFocus ? 1.0 : 0.85
                // The presence selector: reached with Tab, opened with
                // Space, Enter or Down, and by a screen reader's press.
                activeFocusOnTab: root.helper !== null
                Accessible.role: Accessible.ButtonMenu
                Accessible.name: root.presenceText(root.own ? root.own.presence : Vantre.PresenceState.Unknown)
                // A reader hears the user's presence change wherever its
                // focus is (the service changes it too).
                readonly property bool accessibleLive: true
                Accessible.onPressAction: if (root.helper) root.openPresenceMenu()
                Keys.onPressed: function(event) { root.pressKeys(event, root.openPresenceMenu, true); }
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -ZPalette.focusWidth
                    radius: pal.radius
                    color: "transparent"
                    border.width: ZPalette.focusWidth
                    border.color: pal.accentText
                    visible: ownPresence.activeFocus
                }
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
                            root.openPresenceMenu();
                        }
                    }
                }
            }
            // The published location, on a line of its own so that a long one
            // does not push the presence out; a click changes it.
            ZLabel {
                id: ownLocation
                objectName: "ownLocationText"
                width: parent.width
                visible: mainWindow.ownLocation !== ""
                text: mainWindow.ownLocation
                elide: Text.ElideRight
                color: pal.accentText
                opacity: locationMouse.containsMouse || activeFocus ? 1.0 : 0.75
                type: ZPalette.caption
                font.underline: activeFocus
                activeFocusOnTab: root.helper !== null
                Accessible.role: Accessible.Link
                Accessible.name: text
                Accessible.onPressAction: if (root.helper) mainWindow.showLocationPublishDialog()
                Keys.onPressed: function(event) { root.pressKeys(event, mainWindow.showLocationPublishDialog); }
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
    // Below the active view, over the bottom bar: a call or chat that comes
    // or goes moves nothing above it, so the filter tabs, the search and the
    // rows stay where the pointer was aimed at them.
    ActiveComms {
        id: activeComms
        anchors { left: leftPane.right; right: parent.right; bottom: footer.top }
    }
    // The view and the search start below the toolbar and any banner.
    readonly property Item viewsTop: errorBanner.visible ? errorBanner : callSettingsToolbar

    // --- Search and Add ---------------------------------------------------
    Item {
        id: searchBar
        anchors { left: leftPane.right; right: parent.right; top: root.viewsTop.bottom; margins: pal.unit * 2 }
        height: search.height
        visible: activeView.state !== Vantre.MainView.name(Vantre.MainView.History)
                 && activeView.state !== Vantre.MainView.name(Vantre.MainView.Dialpad)

        ZTextField {
            id: search
            objectName: "searchField"
            // Where typing goes when the window opens.
            focus: true
            anchors { left: parent.left; right: commButtons.left; rightMargin: pal.unit * 2 }
            placeholderText: qsTr("Search or dial") + root.lc
            onTextChanged: mainWindow.searchTextChanged(text, true)
            onContextMenuRequested: root.openEditMenu(search, true)
            onSelectedTextChanged: root.followSelection(search)
            onAccepted: if (mainWindow.selectedContactCount > 0 || text !== "") mainWindow.triggerDefaultAction()
            keyFilter: function(event) {
                if (event.key === Qt.Key_Escape) {
                    search.text = "";
                    event.accepted = true;
                } else if (event.key === Qt.Key_Down && roomList.visible) {
                    // The rooms shown, not the hidden contacts, whose
                    // selection the buttons beside would act on.
                    roomList.forceActiveFocus();
                    if (roomList.currentIndex < 0 && roomList.count > 0)
                        roomList.currentIndex = 0;
                    event.accepted = true;
                } else if (event.key === Qt.Key_Down && contactList.visible) {
                    contactList.forceActiveFocus();
                    // Nothing chosen yet: the first contact, even when a
                    // group closed and opened again left a header current.
                    for (var row = 0; row < contactList.count && mainWindow.selectedContactCount === 0; ++row)
                        mainWindow.selectContactRow(row, false);
                    event.accepted = true;
                }
            }
        }
        // The selected contacts' communications. Each also takes contacts
        // dragged onto it and starts its communication with them, as a
        // click does with the selection.
        Row {
            id: commButtons
            objectName: "commButtons"
            anchors { right: addButton.left; rightMargin: pal.unit; verticalCenter: parent.verticalCenter }
            spacing: pal.unit
            Repeater {
                model: [
                    { action: Vantre.Action.Chat, name: "chatButton", glyph: "\u2709", label: QT_TR_NOOP("Chat") },
                    { action: Vantre.Action.Call, name: "callButton", glyph: "\u260E", label: QT_TR_NOOP("Call") },
                    { action: Vantre.Action.VideoCall, name: "videoButton", glyph: "\u25B6",
                      label: QT_TR_NOOP("Video Call") }
                ]
                delegate: Item {
                    id: commButton
                    readonly property int action: modelData.action
                    readonly property var platformAction: actionsProvider.getActionAsVariant(action)
                    readonly property bool available: platformAction !== null && platformAction.enabled
                    readonly property string label: qsTr(modelData.label) + root.lc
                    width: button.width; height: button.height
                    Kelvantic.ToolTip { id: commTip }
                    ZButton {
                        id: button
                        objectName: modelData.name
                        width: height
                        text: modelData.glyph
                        Accessible.name: commButton.label
                        enabled: commButton.available
                        primary: drop.welcome
                        // Disabled with the focus (the selection it served is
                        // gone: its chat opened, the search cleared), it
                        // would leave the window with no focus to be seen.
                        onEnabledChanged: if (!enabled && focus) root.focusSearch()
                        onHoveredChanged: hovered ? commTip.showToolTip(commButton.label) : commTip.hideToolTip()
                        onClicked: {
                            commTip.hideToolTip();
                            actionsProvider.triggerAction(commButton.action);
                        }
                    }
                    // Beside the button rather than in it, so that a button
                    // disabled until the drag's press selected its contacts
                    // still hears the drag.
                    Vantre.DropArea {
                        id: drop
                        property bool welcome: false
                        anchors.fill: parent
                        mimeTypes: ["application/zent.contact", "application/zent.activecomm.contact"]
                        // The press that started the drag selected what it
                        // carries; anything else (a stale or made-up text, a
                        // running communication) is not what the action
                        // would reach, and is refused.
                        function carriesSelection(event) {
                            return event.data.text !== "" && event.data.text === selectionHandler.selectionAsString();
                        }
                        onDragEnter: function(event) {
                            welcome = carriesSelection(event) && commButton.available;
                            if (welcome) event.accept(Qt.CopyAction);
                            else event.setAccepted(false);
                        }
                        onDragLeave: welcome = false
                        onDrop: function(event) {
                            welcome = false;
                            if (carriesSelection(event)) actionsProvider.triggerAction(commButton.action);
                        }
                    }
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
            onClicked: {
                root.menuFromButton(addButton);
                menuHandler.showAddMenu();
            }
        }
    }

    // --- The active view --------------------------------------------------
    Item {
        id: activeView
        objectName: "activeView"
        anchors { left: leftPane.right; right: parent.right; bottom: activeComms.top
                  top: searchBar.visible ? searchBar.bottom : root.viewsTop.bottom
                  topMargin: searchBar.visible ? pal.unit * 2 : 0 }
        state: Vantre.MainView.name(Vantre.MainView.Contacts)
        states: [
            State { name: Vantre.MainView.name(Vantre.MainView.Contacts) },
            State { name: Vantre.MainView.name(Vantre.MainView.Rooms) },
            State { name: Vantre.MainView.name(Vantre.MainView.History) },
            State { name: Vantre.MainView.name(Vantre.MainView.Directory) },
            State { name: Vantre.MainView.name(Vantre.MainView.Dialpad) }
        ]
        onStateChanged: {
            if (state === Vantre.MainView.name(Vantre.MainView.Rooms))
                mainWindow.clearAndFetchRooms();
            // Once the view's controls show or hide.
            Qt.callLater(function() { if (!searchBar.visible && search.focus) root.focusSearch(); });
        }

        // A banner shown above (or taken away) moves the view; the row the
        // pointer rests on stays under it, so that a click meant for it does
        // not land on its neighbour.
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
        ContactsView {
            id: contactList
            anchors.fill: parent
            visible: activeView.state === Vantre.MainView.name(Vantre.MainView.Contacts)
                     || activeView.state === Vantre.MainView.name(Vantre.MainView.Directory)
            scene: root
            searchField: search
            activeCommsView: activeComms
        }

        RoomsView {
            id: roomList
            anchors.fill: parent
            visible: activeView.state === Vantre.MainView.name(Vantre.MainView.Rooms)
            scene: root
        }

        // Reached by Tab with no row current, a list itself holds the
        // focus: it is ringed, and Down then chooses its first row.
        Repeater {
            model: [contactList, roomList]
            Rectangle {
                objectName: "listFocusRing"
                anchors.fill: modelData
                z: 1
                visible: modelData.visible && modelData.Window.activeFocusItem === modelData
                color: "transparent"
                border.color: pal.accent
                border.width: pal.focusWidth
            }
        }

        HistoryView {
            id: historyView
            anchors.fill: parent
            visible: activeView.state === Vantre.MainView.name(Vantre.MainView.History)
            scene: root
        }

        DialPad {
            id: dialPad
            anchors { top: parent.top; topMargin: pal.unit * 4; horizontalCenter: parent.horizontalCenter }
            width: Math.min(parent.width - pal.unit * 6, 220)
            visible: activeView.state === Vantre.MainView.name(Vantre.MainView.Dialpad)
            scene: root
        }
    }

    // --- Bottom bar -------------------------------------------------------
    Rectangle {
        id: footer
        anchors { left: leftPane.right; right: parent.right; bottom: banner.top }
        height: pal.controlHeight + pal.unit * 4
        color: pal.disabledBackground

        Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: pal.border }

        ZVolume {
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            helper: root.volume
            lc: root.lc
        }
        ZButton {
            id: optionsButton
            objectName: "optionsButton"
            anchors { right: parent.right; rightMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("Options") + root.lc
            primary: menuHandler.optionsMenuVisible
            onClicked: {
                root.menuFromButton(optionsButton);
                menuHandler.showOptionsMenu();
            }
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
            // Loaded once the window is on screen (mainWindow.bannerLoadable).
            active: banner.wanted && mainWindow.bannerLoadable
            sourceComponent: Vantre.WebView2 {
                id: bannerView
                objectName: "bannerView"
                url: mainWindow.bannerUrl
                visible: !banner.failed
                onLoadFinished: banner.failed = false
                onLoadFailed: banner.failed = true
                // A right click offers Refresh, not the page's own menu.
                MouseArea {
                    objectName: "bannerMenuArea"
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    onPressed: bannerView.showMenu()
                }
            }
        }
        Rectangle {
            anchors.fill: parent
            visible: banner.failed
            color: pal.disabledBackground
            ZLabel {
                objectName: "bannerFailedText"
                anchors.fill: parent
                anchors.margins: pal.unit
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Failed to load banner, click here to refresh") + root.lc
                wrapMode: Text.WordWrap
                elide: Text.ElideRight
                color: pal.mutedText
                type: ZPalette.caption
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    // A view of its own loads the address afresh.
                    banner.failed = false;
                    bannerLoader.active = false;
                    bannerLoader.active = Qt.binding(function() {
                        return banner.wanted && mainWindow.bannerLoadable;
                    });
                }
            }
        }
    }
}

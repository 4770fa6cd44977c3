import QtQuick 2.15
import Vantre 1.0 as Vantre
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"

// One row of the contact list: a group header (its name and who of it is
// online, or what its search is doing) or a contact (presence, picture or
// initials, name, status, favourite star). A left press selects and can
// start a drag of the selection; resting on a contact shows its card; the
// right button opens the menu of the row.
Rectangle {
    id: row
    objectName: "contactRow"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    // The list, its scene and the active communications (see ContactsView).
    property ListView list: null
    property Item scene: null
    property Item activeCommsView: null

    readonly property bool header: model.isGroup === true
    readonly property bool selected: !header && model.selected === true
    // Only a contact has a card: not a group header, nor a
    // directory row without one.
    readonly property bool hasCard: !header && !!model.contact
    readonly property string groupTitle: !header ? ""
        : model.groupId === Vantre.QmlHelper.FavouritesGroupId ? qsTr("Favorites") + row.lc
        : model.groupId === Vantre.QmlHelper.AllContactsGroupId ? qsTr("Other Contacts") + row.lc
        : (model.groupName === undefined ? "" : model.groupName)
    // A contact deleted before its row goes reads as undefined.
    readonly property bool isSearchResult: !header && !!model.contact && model.contact.isSearchResult === true
    readonly property int shownPresence: model.presence === undefined || !row.scene.presenceKnown ? 0 : model.presence
    readonly property string presenceName: model.presence !== undefined && !row.scene.presenceKnown
                                            ? qsTr("Presence unavailable") + row.lc
                                            : row.scene.presenceText(row.shownPresence)
    readonly property string statusLine: (mainWindow && mainWindow.showStatus && model.statusText !== undefined)
                                         ? model.statusText : ""
    // A directory entry has no presence: it shows what the text
    // was found in, when that is not its name.
    readonly property string presenceLine: isSearchResult
        ? (model.contact.searchHitString !== model.displayName ? model.contact.searchHitString : "")
        : (statusLine !== "" && row.scene.presenceKnown ? statusLine : presenceName)
    // The row's contact (none for a group header), for its card and menus.
    readonly property QtObject contactObject: header || !model.contact ? null : model.contact
    function putAwayCard() {
        if (hoverDelay.running) hoverDelay.stop();
        else mainWindow.hideContactMouseOver();
    }
    width: row.list.width
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
    Accessible.name: header ? row.scene.groupAccessibleName(row.groupTitle, model.groupError, model.groupSearching,
                                                            model.groupOnline, model.groupTotal, model.groupMore)
                            : [model.displayName === undefined ? "" : model.displayName,
                               row.isSearchResult ? row.presenceLine : row.presenceName]
                              .filter(function(part) { return part !== ""; }).join(", ")
    Accessible.description: header || row.isSearchResult ? "" : row.statusLine
    Accessible.selectable: !header
    Accessible.selected: selected
    Accessible.focusable: true

    Kelvantic.ToolTip { id: statusTip }
    Timer {
        id: hoverDelay
        interval: 500
        onTriggered: if (row.hasCard && rowMouse.containsMouse) mainWindow.showContactMouseOver(model.contact)
    }
    ListView.onPooled: { hoverDelay.stop(); statusTip.hideToolTip(); }

    // Group header. A search-result group opens and closes (by a
    // click, Space, Enter, Left and Right, or a reader's action); a
    // status too long for the row is cut short, whole in its tooltip.
    readonly property bool canOpen: header && model.groupOpen !== undefined
    readonly property bool groupOpen: canOpen && model.groupOpen === true
    function toggleGroup() {
        if (row.canOpen && model.group) model.group.open = !row.groupOpen;
    }
    activeFocusOnTab: canOpen
    Keys.onPressed: function(event) {
        if (!row.canOpen) return;
        const key = event.key;
        if (key === Qt.Key_Space || key === Qt.Key_Return || key === Qt.Key_Enter
                || (key === Qt.Key_Right && !row.groupOpen) || (key === Qt.Key_Left && row.groupOpen)) {
            row.toggleGroup();
            event.accepted = true;
        }
    }
    // Qt's reader bridge has no expanded state: an open group reads
    // as checked.
    Accessible.checkable: canOpen
    Accessible.checked: groupOpen
    Accessible.onPressAction: row.toggleGroup()
    Accessible.onToggleAction: row.toggleGroup()
    Rectangle {
        anchors.fill: parent
        // A selected contact shows as such; any other row with the focus
        // (a header, or a contact left current when its selection went)
        // is ringed.
        visible: row.activeFocus && (row.header || !row.selected)
        color: "transparent"
        border.color: pal.accent
        border.width: 2
    }
    Row {
        id: headerLine
        visible: row.header
        anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                  verticalCenter: parent.verticalCenter }
        spacing: pal.unit * 2
        ZLabel {
            id: headerArrow
            objectName: "groupHeaderArrow"
            visible: row.canOpen
            text: row.groupOpen ? "\u25be" : "\u25b8"
            color: pal.mutedText
            type: ZPalette.caption
        }
        ZLabel {
            id: headerName
            objectName: "groupHeaderName"
            width: Math.min(implicitWidth, headerLine.width - (headerArrow.visible ? headerArrow.width + headerLine.spacing : 0))
            elide: Text.ElideRight
            text: row.groupTitle
            color: pal.strongText
            type: ZPalette.caption
            font.weight: Font.Bold
        }
        ZLabel {
            id: headerStatus
            objectName: "groupHeaderStatus"
            // The header's own name says it in words.
            Accessible.ignored: true
            width: Math.max(0, Math.min(implicitWidth, headerLine.width - headerName.width - headerLine.spacing
                                        - (headerArrow.visible ? headerArrow.width + headerLine.spacing : 0)))
            elide: Text.ElideRight
            // Search-result groups tell that their source is busy
            // or why it failed; contact groups count who is online.
            text: !row.header ? ""
                  : (model.groupError !== undefined && model.groupError !== "") ? model.groupError
                  : model.groupSearching === true ? qsTr("Searching...") + row.lc
                  : model.groupMore === true ? qsTr("(first %1 shown, more exist)").arg(model.groupTotal) + row.lc
                  : model.groupOnline === undefined ? "(" + model.groupTotal + ")"
                  : "(" + model.groupOnline + "/" + model.groupTotal + ")"
            color: pal.mutedText
            type: ZPalette.caption
        }
    }

    // Contact.
    Rectangle {
        id: dot
        visible: !row.header
        anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
        width: Math.round(pal.unit * 2.5); height: width; radius: width / 2
        color: row.scene.presenceColor(row.shownPresence)
    }
    Item {
        id: contactAvatar
        objectName: "contactAvatar"
        visible: !row.header && row.scene.showPhotos
        anchors { left: dot.right; leftMargin: pal.unit * 2; verticalCenter: parent.verticalCenter }
        width: visible ? Math.round(pal.controlHeight * 1.1) : 0
        height: width
        readonly property var picture: visible && row.scene.photos && model.avatarUrl
                                       ? row.scene.photos.picture(model.avatarUrl) : undefined
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            visible: avatarPicture.size.width === 0
            color: Qt.darker(pal.disabledBackground, 1.08)
            ZLabel {
                anchors.centerIn: parent
                text: row.scene.initials(model.displayName === undefined ? "" : model.displayName)
                // A picture, drawn of letters: the row's name says whose.
                Accessible.ignored: true
                color: pal.mutedText
                font.pixelSize: Math.round(parent.height * 0.4)
                font.weight: Font.Bold
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
        ZLabel {
            width: parent.width
            text: model.displayName === undefined ? "" : model.displayName
            elide: Text.ElideRight
            color: pal.strongText
        }
        ZLabel {
            width: parent.width
            text: row.presenceLine
            elide: Text.ElideRight
            color: pal.mutedText
            type: ZPalette.caption
        }
    }
    ZLabel {
        id: star
        visible: !row.header
        anchors { right: parent.right; rightMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
        text: model.favourite === true ? "\u2605" : ""
        color: pal.favourite
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
    // The drag carries what both lists select (running communications
    // chosen with Ctrl too).
    Vantre.DragArea {
        id: contactDrag
        objectName: "contactDrag"
        anchors.fill: parent
        enabled: !row.header
        mimeType: "application/zent.contact"
        delegate: DragImage {}
        onPressed: function(button, modifiers) {
            row.list.forceActiveFocus();
            row.putAwayCard();
            if (row.header) return;
            if (!(row.selected && modifiers === 0))
                selectionHandler.select(index, modifiers);
            row.activeCommsView.draggingContacts = true;
            contactDrag.data = activeCommsDragDropHandler.mergeSelections(
                        selectionHandler.selectionAsString(), activeSelectionHandler.selectionAsString());
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
        acceptedButtons: row.canOpen ? Qt.LeftButton | Qt.RightButton : Qt.RightButton
        // Resting on a contact shows its card after a moment;
        // passing over rows on the way elsewhere shows none.
        onContainsMouseChanged: {
            if (containsMouse && row.hasCard) hoverDelay.restart();
            else row.putAwayCard();
            if (containsMouse && row.header && headerStatus.truncated) statusTip.showToolTip(headerStatus.text);
            else statusTip.hideToolTip();
        }
        // The card waits for the pointer to come to rest on the row.
        onPositionChanged: if (row.hasCard && !row.list.moving) hoverDelay.restart()
        onClicked: function(mouse) {
            row.list.forceActiveFocus();
            row.putAwayCard();
            if (row.header && mouse.button === Qt.LeftButton) {
                row.toggleGroup();
                row.forceActiveFocus();
                return;
            }
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

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The active communications below the lists: one row per running call or
// chat, selected like the contact list (click, Ctrl+click, Shift+click),
// with its menu on a right click. Contacts or another communication
// dragged onto a row are added to it, or transferred or conferenced after
// a question; the drop handler decides what each row accepts.
Rectangle {
    id: comms
    objectName: "activeComms"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    readonly property real rowHeight: pal.controlHeight * 1.3
    readonly property var texts: mainWindow.commsSessionUiHelper
    // What the drag under way carries (set where it starts).
    property bool draggingContacts: true

    visible: list.count > 0
    height: visible ? Math.min(list.count, 3) * rowHeight + 1 : 0
    color: pal.hover

    ListView {
        id: list
        objectName: "activeCommsList"
        anchors { fill: parent; topMargin: 1 }
        clip: true
        model: activeModel
        boundsBehavior: Flickable.StopAtBounds
        currentIndex: activeSelectionHandler.currentIndex
        activeFocusOnTab: true
        // The row the arrows come to is scrolled into view (past three).
        function showCurrent() {
            if (currentIndex >= 0)
                positionViewAtIndex(currentIndex, ListView.Contain);
        }
        Keys.onUpPressed: { mainWindow.moveSelection(true, false); showCurrent(); }
        Keys.onDownPressed: { mainWindow.moveSelection(false, false); showCurrent(); }
        Keys.onPressed: function(event) {
            if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))) {
                if (activeSelectionHandler.currentIndex < 0)
                    mainWindow.moveSelection(false, false);
                menuHandler.showActiveCommsPopupMenu(false);
                event.accepted = true;
            }
        }

        delegate: Rectangle {
            id: row
            objectName: "activeCommRow"
            readonly property var session: model.session
            // Read again whenever the row changes (a room named or renamed,
            // its owner known): the session object itself stays the same.
            readonly property string title: (model.display, model.activity,
                                             comms.texts && session ? comms.texts.getFormCommunicationTitle(session) : "")
            property bool dropWelcome: false
            width: list.width
            height: comms.rowHeight
            color: dropWelcome ? comms.pal.accent
                               : (model.selected ? comms.pal.selection : "transparent")
            border.width: list.activeFocus && index === list.currentIndex ? comms.pal.focusWidth : 0
            border.color: comms.pal.accent
            // Read as shown, who and how it stands; a reader's press brings
            // its window up, as a double click does.
            Accessible.role: Accessible.ListItem
            Accessible.name: rowTitle.text + ", " + rowDetails.text
            Accessible.onPressAction: mainWindow.showActiveCommunication(row.session)

            ZLabel {
                id: icon
                anchors { left: parent.left; leftMargin: comms.pal.unit * 3; verticalCenter: parent.verticalCenter }
                text: (model.activity & 2) ? "\u260E" : "\u2709"
                color: row.dropWelcome ? comms.pal.accentText : comms.pal.accent
                font.pixelSize: comms.pal.fontPixelSize * 1.2
            }
            Column {
                anchors { left: icon.right; leftMargin: comms.pal.unit * 3; right: more.left
                          rightMargin: comms.pal.unit * 2; verticalCenter: parent.verticalCenter }
                ZLabel {
                    id: rowTitle
                    width: parent.width
                    text: comms.texts && row.session ? row.title + comms.lc
                                                     : (model.display === undefined ? "" : model.display)
                    elide: Text.ElideRight
                    color: row.dropWelcome ? comms.pal.accentText : comms.pal.strongText
                }
                ZLabel {
                    id: rowDetails
                    width: parent.width
                    objectName: "activeCommDetails"
                    // A conference names its parties after the call's state.
                    text: (comms.texts && model.callState >= Vantre.Call.StateIdle ? (comms.texts.callsAvailable, comms.texts.getCallStateText(model.callState))
                                                                : qsTr("Chat"))
                          + (row.session && row.session.isConference ? " \u00B7 " + row.session.partyName : "")
                          + comms.lc
                    elide: Text.ElideRight
                    color: row.dropWelcome ? comms.pal.accentText : comms.pal.mutedText
                    type: ZPalette.caption
                }
            }

            // Dragging this communication onto another one, with the
            // contacts selected beside it (Ctrl); a press on a selected row
            // keeps the selection for the drag, a click selects the row alone.
            Vantre.DragArea {
                id: drag
                objectName: "activeCommDrag"
                anchors.fill: parent
                mimeType: "application/zent.activecomm.contact"
                delegate: DragImage {}
                onPressed: function(button, modifiers) {
                    list.forceActiveFocus();
                    if (!(model.selected === true && modifiers === 0))
                        activeSelectionHandler.select(index, modifiers);
                    focusHelper.activeCommsItemSelected();
                    comms.draggingContacts = false;
                    drag.data = activeCommsDragDropHandler.mergeSelections(
                                selectionHandler.selectionAsString(), activeSelectionHandler.selectionAsString());
                }
                onClicked: function(button, modifiers) {
                    if (modifiers === 0 && activeSelectionHandler.selection.length > 1)
                        activeSelectionHandler.select(index, 0);
                }
                onDoubleClicked: mainWindow.showActiveCommunication(row.session)
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.RightButton
                onClicked: {
                    if (!model.selected) activeSelectionHandler.select(index, 0);
                    focusHelper.activeCommsItemSelected();
                    menuHandler.showActiveCommsPopupMenu(false);
                }
            }
            // The communication's own commands (end, hold, mute, the
            // window), drawn pressed while its menu is open.
            Rectangle {
                id: more
                objectName: "activeCommMoreButton"
                anchors { right: parent.right; rightMargin: comms.pal.unit * 2; verticalCenter: parent.verticalCenter }
                width: comms.rowHeight * 0.8
                height: width
                radius: comms.pal.radius
                readonly property bool pressedLook: menuHandler.activeCommsMenuVisible && model.selected === true
                color: pressedLook ? comms.pal.selection
                                   : (moreMouse.containsMouse ? comms.pal.background : "transparent")
                border.width: activeFocus ? comms.pal.focusWidth : (moreMouse.containsMouse || pressedLook ? 1 : 0)
                border.color: activeFocus ? comms.pal.accent : comms.pal.border
                function openMenu() {
                    if (!model.selected) activeSelectionHandler.select(index, 0);
                    focusHelper.activeCommsItemSelected();
                    menuHandler.showActiveCommsPopupMenu(true);
                }
                // Reached with Tab, opened with Space, Enter or Down, and by
                // a screen reader's press, as a click does.
                activeFocusOnTab: true
                Accessible.role: Accessible.ButtonMenu
                Accessible.name: qsTr("More") + comms.lc
                Accessible.onPressAction: more.openMenu()
                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                            || event.key === Qt.Key_Down) {
                        event.accepted = true;
                        more.openMenu();
                    }
                }
                ZLabel {
                    anchors.centerIn: parent
                    text: "\u22EF"
                    color: row.dropWelcome ? comms.pal.accentText : comms.pal.strongText
                    font.pixelSize: comms.pal.fontPixelSize * 1.2
                    font.weight: Font.Bold
                }
                MouseArea {
                    id: moreMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: {
                        list.forceActiveFocus();
                        more.openMenu();
                    }
                }
            }
            Vantre.DropArea {
                anchors.fill: parent
                mimeTypes: ["application/zent.contact", "application/zent.activecomm.contact"]
                onDragEnter: function(event) {
                    var allowed = activeCommsDragDropHandler.checkDropAllowed(row.session, event.data.text,
                                                                             comms.draggingContacts);
                    row.dropWelcome = allowed;
                    if (allowed) event.accept(Qt.MoveAction);
                    else event.setAccepted(false);
                }
                onDragLeave: row.dropWelcome = false
                onDrop: function(event) {
                    row.dropWelcome = false;
                    activeCommsDragDropHandler.handleDropOnActiveComm(row.session, event.data.text,
                                                                      comms.draggingContacts);
                }
            }
        }
    }
    Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: comms.pal.border }
}

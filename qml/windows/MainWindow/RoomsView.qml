import QtQuick 2.15
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"

// The chat rooms, headed by the user's own room. A click selects a room, a
// double click joins it, the right button (or the menu key) opens its menu.
ListView {
    id: roomList
    objectName: "roomList"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    // The main window's scene, which places the menu of the current row.
    property Item scene: null

    clip: true
    model: (typeof chatRoomsFilter !== "undefined") ? chatRoomsFilter : null
    // No row is chosen until the user chooses one.
    currentIndex: -1
    activeFocusOnTab: true
    // Up and Down move from room to room (the list's own keys), Enter or
    // Space joins the current one.
    onCurrentIndexChanged: if (currentIndex >= 0) mainWindow.roomsSelectionChanged(currentIndex)
    // Shown with no room chosen, the list starts at its head, the user's own
    // room, even where the space it had while hidden left that scrolled away.
    onVisibleChanged: if (visible && currentIndex < 0) positionViewAtBeginning()
    Keys.onReturnPressed: if (currentItem) currentItem.join()
    Keys.onEnterPressed: if (currentItem) currentItem.join()
    Keys.onSpacePressed: if (currentItem) currentItem.join()
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Rooms") + roomList.lc
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
        Accessible.name: qsTr("My Room") + roomList.lc
        Accessible.focusable: true
        Accessible.onPressAction: mainWindow.startMyRoom()
        activeFocusOnTab: visible
        Keys.onPressed: function(event) {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                event.accepted = true;
                mainWindow.startMyRoom();
            } else if (event.key === Qt.Key_Down && roomList.count > 0) {
                event.accepted = true;
                roomList.currentIndex = 0;
                roomList.forceActiveFocus();
            }
        }
        border.width: activeFocus ? pal.focusWidth : 0
        border.color: pal.accent
        Column {
            anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            ZLabel {
                width: parent.width
                text: qsTr("My Room") + roomList.lc
                elide: Text.ElideRight
                color: pal.strongText
                font.weight: Font.Bold
            }
            ZLabel {
                width: parent.width
                text: (mainWindow.myRoomReady ? qsTr("Open") : qsTr("Click to join")) + roomList.lc
                elide: Text.ElideRight
                color: pal.mutedText
                type: ZPalette.caption
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
        id: roomRow
        objectName: "roomRow"
        width: roomList.width
        height: pal.controlHeight * 1.6
        function join() { mainWindow.joinRoom(model.jid); }
        // The current row holds the list's focus, so that a screen reader
        // follows the arrows; its press joins the room.
        focus: ListView.isCurrentItem
        Accessible.role: Accessible.ListItem
        Accessible.name: [model.name === undefined ? "" : model.name, model.subject === undefined ? "" : model.subject]
                         .filter(function(part) { return part !== ""; }).join(", ")
        Accessible.focusable: true
        Accessible.selectable: true
        Accessible.selected: roomList.currentIndex === index
        Accessible.onPressAction: roomRow.join()
        border.width: roomList.activeFocus && roomList.currentIndex === index ? pal.focusWidth : 0
        border.color: pal.accent
        color: roomList.currentIndex === index ? pal.selection : (roomMouse.containsMouse ? pal.hover : "transparent")
        Column {
            anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            ZLabel {
                width: parent.width
                text: model.name === undefined ? "" : model.name
                elide: Text.ElideRight
                color: pal.strongText
            }
            ZLabel {
                width: parent.width
                text: model.subject === undefined ? "" : model.subject
                elide: Text.ElideRight
                color: pal.mutedText
                type: ZPalette.caption
            }
        }
        MouseArea {
            id: roomMouse
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: function(mouse) {
                roomList.forceActiveFocus();
                roomList.currentIndex = index;
                mainWindow.roomsSelectionChanged(index);
                if (mouse.button === Qt.RightButton)
                    menuHandler.showChatRoomMenu(model.jid, model.name);
            }
            onDoubleClicked: function(mouse) {
                if (mouse.button === Qt.LeftButton) roomRow.join();
            }
        }
    }
    Keys.onPressed: function(event) {
        if ((event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                && roomList.currentItem) {
            roomList.scene.currentRowMenu(roomList);
            var i = roomList.model.index(roomList.currentIndex, 0);
            menuHandler.showChatRoomMenu(roomList.model.data(i, 400), roomList.model.data(i, 0));
            event.accepted = true;
        }
    }
}

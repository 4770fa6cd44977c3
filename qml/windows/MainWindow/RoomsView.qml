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
        Column {
            anchors { left: parent.left; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            Text {
                width: parent.width
                text: qsTr("My Room") + roomList.lc
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.strongText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize
                font.bold: true
            }
            Text {
                width: parent.width
                text: (mainWindow.myRoomReady ? qsTr("Open") : qsTr("Click to join")) + roomList.lc
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
            roomList.scene.currentRowMenu(roomList);
            var i = roomList.model.index(roomList.currentIndex, 0);
            menuHandler.showChatRoomMenu(roomList.model.data(i, 400), roomList.model.data(i, 0));
            event.accepted = true;
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// The room's participants, sorted; a click opens the participant's menu,
// resting on one shows its card. From the keyboard the list is a Tab stop:
// Up and Down move from party to party, the menu key, Shift+F10, Enter or
// Space open the current party's menu under its row, as a reader's press
// does.
Rectangle {
    id: participants
    color: ZPalette.hover
    readonly property string lc: rootWindow.languageChangeProperty

    ZLabel {
        id: heading
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: ZPalette.unit * 2
        font.weight: Font.Bold
        text: qsTr("Participants") + participants.lc
        // The list below carries the same name.
        Accessible.ignored: true
    }
    ListView {
        id: partyList
        objectName: "participantList"
        anchors.top: heading.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: ZPalette.unit * 2
        clip: true
        model: rootWindow.participants
        activeFocusOnTab: count > 0
        boundsBehavior: Flickable.StopAtBounds
        highlightFollowsCurrentItem: false
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Participants") + participants.lc

        function openMenu(row) {
            if (!row || row.text === "")
                return;
            rootWindow.hideParticipantMouseOver();
            rootWindow.openMenuFromItem(row);
            rootWindow.showParticipantPopupMenu(row.text);
        }
        Keys.onPressed: function(event) {
            if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))
                    || event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
                partyList.openMenu(partyList.currentItem);
                event.accepted = true;
            }
        }
        // The current row stays in view as the arrows move it.
        onCurrentIndexChanged: if (currentIndex >= 0) positionViewAtIndex(currentIndex, ListView.Contain)

        delegate: Rectangle {
            id: party
            objectName: "participantRow"
            // The party as shown (the menu and the card look it up by it).
            readonly property string text: model.display !== undefined ? model.display : ""
            width: ListView.view.width
            height: nickLabel.implicitHeight + ZPalette.unit
            color: "transparent"
            border.width: partyList.activeFocus && ListView.isCurrentItem ? ZPalette.focusWidth : 0
            border.color: ZPalette.accent
            // The current row holds the list's focus, so that a reader
            // follows the arrows; its press opens the party's menu.
            focus: ListView.isCurrentItem
            Accessible.role: Accessible.ListItem
            Accessible.name: text
            Accessible.focusable: true
            Accessible.selectable: true
            Accessible.selected: ListView.isCurrentItem
            Accessible.onPressAction: partyList.openMenu(party)

            ZLabel {
                id: nickLabel
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: ZPalette.unit
                anchors.rightMargin: ZPalette.unit
                elide: Text.ElideRight
                text: party.text
                // The row is named by it.
                Accessible.ignored: true
            }
            // Resting on a party shows its card after a moment.
            Timer {
                id: hoverDelay
                interval: 500
                onTriggered: if (partyMouse.containsMouse)
                                 rootWindow.showParticipantMouseOver(rootWindow.participant(party.text))
            }
            MouseArea {
                id: partyMouse
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.RightButton
                onContainsMouseChanged: {
                    if (containsMouse) {
                        hoverDelay.restart();
                    } else if (hoverDelay.running) {
                        hoverDelay.stop();
                    } else {
                        rootWindow.hideParticipantMouseOver();
                    }
                }
                onClicked: {
                    hoverDelay.stop();
                    rootWindow.hideParticipantMouseOver();
                    partyList.currentIndex = index;
                    rootWindow.showParticipantPopupMenu(party.text);
                }
            }
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// The room's participants, sorted; a click opens the participant's menu,
// resting on one shows its card.
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
    }
    ListView {
        anchors.top: heading.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: ZPalette.unit * 2
        clip: true
        model: rootWindow.participants
        delegate: ZLabel {
            id: party
            objectName: "participantRow"
            width: ListView.view.width
            elide: Text.ElideRight
            text: model.display !== undefined ? model.display : ""
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
                    rootWindow.showParticipantPopupMenu(parent.text);
                }
            }
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// The room's participants, sorted; a click opens the participant's menu.
Rectangle {
    id: participants
    color: ZPalette.hover
    readonly property string lc: rootWindow.languageChangeProperty

    ZLabel {
        id: heading
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: ZPalette.unit * 2
        font.bold: true
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
            width: ListView.view.width
            elide: Text.ElideRight
            text: model.display !== undefined ? model.display : ""
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.RightButton
                onClicked: rootWindow.showParticipantPopupMenu(parent.text)
            }
        }
    }
}

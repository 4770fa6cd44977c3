import QtQuick 2.15
import "qrc:/controls"

// The panel over the window's top edge: the transfer, park or add-people
// list while one is open.
Rectangle {
    id: overlay
    color: ZPalette.hover
    border.color: ZPalette.border
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var panel: rootWindow.overlay

    ZLabel {
        anchors.centerIn: parent
        text: (overlay.panel && overlay.panel.callTransferVisible ? qsTr("Transfer the call to...")
               : overlay.panel && overlay.panel.addParticipantsVisible ? qsTr("Add people...")
               : overlay.panel && overlay.panel.callParkVisible ? qsTr("Park the call on...") : "")
              + overlay.lc
    }
    ZLink {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.rightMargin: ZPalette.unit * 2
        text: qsTr("Close") + overlay.lc
        onClicked: if (overlay.panel) overlay.panel.closeContactList()
    }
}

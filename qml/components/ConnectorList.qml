import QtQuick 2.15
import Vantre 1.0
import "qrc:/controls"

// The add-ins waiting for the user's decision, each with Enable and Disable.
// Texts from add-ins are shown as plain text.
Rectangle {
    id: root
    width: 360
    height: 200
    color: pal.background
    property bool useAcceptanceButtons: true
    readonly property string lc: rootWindow ? rootWindow.languageChangeProperty : ""

    // The shared palette under a short name.
    readonly property QtObject pal: ZPalette

    ListView {
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        spacing: 6
        model: rootWindow ? rootWindow.addinsModel : null
        delegate: Item {
            width: ListView.view ? ListView.view.width : 0
            height: info.height
            Column {
                id: info
                anchors { left: parent.left; right: buttons.left; rightMargin: 6 }
                spacing: 2
                ZLabel {
                    width: parent.width
                    elide: Text.ElideRight
                    font.weight: Font.Bold
                    color: pal.strongText
                    text: modelData ? modelData.name : ""
                }
                ZLabel {
                    width: parent.width
                    elide: Text.ElideRight
                    visible: root.useAcceptanceButtons
                    text: qsTr("Vendor Name: %1").arg(modelData ? modelData.vendor : "") + root.lc
                }
                ZLabel {
                    width: parent.width
                    elide: Text.ElideRight
                    visible: root.useAcceptanceButtons
                    text: qsTr("Description: %1").arg(modelData ? modelData.description : "") + root.lc
                }
                ZLabel {
                    width: parent.width
                    elide: Text.ElideRight
                    visible: root.useAcceptanceButtons
                    text: qsTr("Version: %1").arg(modelData ? modelData.version : "") + root.lc
                }
            }
            Column {
                id: buttons
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                spacing: 4
                visible: root.useAcceptanceButtons
                ZButton {
                    objectName: "enableButton"
                    primary: true
                    text: qsTr("Enable") + root.lc
                    onClicked: modelData.state = ConnectorData.Accepted
                }
                ZButton {
                    objectName: "disableButton"
                    text: qsTr("Disable") + root.lc
                    onClicked: modelData.state = ConnectorData.Rejected
                }
            }
        }
    }
}

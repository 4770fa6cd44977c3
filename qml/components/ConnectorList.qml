import QtQuick 2.15
import "qrc:/controls"

// The add-ins waiting for the user's decision, each with Enable and Disable.
Rectangle {
    id: root
    width: 360
    height: 200
    color: zentStyle.colors["whiteBackground"]
    property bool useAcceptanceButtons: true

    ListView {
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        spacing: 6
        model: rootWindow ? rootWindow.addinsModel : null
        delegate: Column {
            width: ListView.view ? ListView.view.width : 0
            spacing: 2
            ZLabel { text: modelData ? modelData.name : ""; font.bold: true; font.family: zentStyle.fontFamily }
            ZLabel { visible: root.useAcceptanceButtons; text: qsTr("Vendor Name: %1").arg(modelData ? modelData.vendor : ""); font.family: zentStyle.fontFamily }
            ZLabel { visible: root.useAcceptanceButtons; text: qsTr("Description: %1").arg(modelData ? modelData.description : ""); font.family: zentStyle.fontFamily }
            ZLabel { visible: root.useAcceptanceButtons; text: qsTr("Version: %1").arg(modelData ? modelData.version : ""); font.family: zentStyle.fontFamily }
        }
    }
}

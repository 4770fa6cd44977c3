import QtQuick 2.15
import "qrc:/controls"

// A labelled number field; Return or the button applies the number.
Row {
    id: input
    property string label
    property int value: 0
    signal apply(int value)
    spacing: 6
    height: 24

    Text { width: 230; text: input.label; font.pixelSize: 11; anchors.verticalCenter: parent.verticalCenter; textFormat: Text.PlainText }
    Rectangle {
        width: 70; height: 20; border.color: ZPalette.border
        anchors.verticalCenter: parent.verticalCenter
        TextInput {
            id: field
            anchors.fill: parent
            anchors.margins: 3
            font.pixelSize: 11
            text: String(input.value)
            validator: IntValidator {}
            onAccepted: input.apply(parseInt(text))
        }
    }
    ZButton { text: qsTr("Set") + (rootWindow ? rootWindow.languageChangeProperty : ""); height: 20; onClicked: input.apply(parseInt(field.text)) }
}

import QtQuick 2.15
import "qrc:/controls"

// A volume (0..255) chosen by dragging along a bar; the value is applied
// when the drag ends.
Row {
    id: selector
    property string label
    property int value: 0
    property int maximum: 255
    signal apply(int value)
    spacing: 6
    height: 20

    Text { width: 230; text: selector.label; font.pixelSize: 11; textFormat: Text.PlainText; anchors.verticalCenter: parent.verticalCenter }
    Rectangle {
        id: bar
        width: 100; height: 8; radius: 4; color: ZPalette.divider
        anchors.verticalCenter: parent.verticalCenter
        Rectangle { width: bar.width * selector.value / selector.maximum; height: parent.height; radius: 4; color: ZPalette.accent }
        MouseArea {
            anchors.fill: parent
            onReleased: selector.apply(Math.round(Math.max(0, Math.min(1, mouse.x / bar.width)) * selector.maximum))
        }
    }
    Text { text: String(selector.value); font.pixelSize: 11; anchors.verticalCenter: parent.verticalCenter }
}

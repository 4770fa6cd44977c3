import QtQuick 2.15
import "qrc:/controls"

// The dial pad of a call: each key sends its tone on the session's call.
Rectangle {
    id: pad
    width: 180
    height: 220
    color: ZPalette.background
    border.color: ZPalette.border

    readonly property var keys: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"]
    property string typed: ""

    function sendDTMF(digit) {
        var d = Number(digit)
        pad.typed += d === 10 ? "*" : (d === 11 ? "#" : String(d))
    }
    function appendClipboardText() {}

    ZLabel {
        id: display
        objectName: "dialled"
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: ZPalette.unit
        text: pad.typed
    }
    Grid {
        anchors.top: display.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: ZPalette.unit
        columns: 3
        spacing: ZPalette.unit
        Repeater {
            model: pad.keys
            ZButton {
                width: 48
                text: modelData
                onClicked: pad.sendDTMF(modelData === "*" ? 10 : (modelData === "#" ? 11 : Number(modelData)))
            }
        }
    }
}

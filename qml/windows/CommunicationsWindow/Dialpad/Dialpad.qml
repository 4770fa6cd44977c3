import QtQuick 2.15
import Vantre 1.0
import "qrc:/controls"

// The dial pad of a call: each key sends its tone on the session's call,
// and the line above shows what went out. Keys typed on the pad or on its
// call window arrive through sendDTMF (10 is the star, 11 the hash);
// Control+V sends the clipboard's digits (appendClipboardText).
Rectangle {
    id: pad
    objectName: "dialpad"
    width: 180
    // As tall as the line of tones and the keys.
    height: keyGrid.y + keyGrid.height + ZPalette.unit * 2
    color: ZPalette.background
    border.color: ZPalette.border

    readonly property var keys: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"]
    property string typed: ""

    function send(tones) {
        if (tones.length > 0 && rootWindow.sendTones(tones))
            pad.typed += tones
    }
    function sendDTMF(digit) {
        var d = Number(digit)
        if (d === 10) send("*")
        else if (d === 11) send("#")
        else if (d >= 0 && d <= 9) send(String(d))
    }
    // A pasted number may start with "+", which is no tone.
    function appendClipboardText() {
        send(clipboard.getDialpadText().replace(/\+/g, ""))
    }

    QmlClipboardAdapter { id: clipboard }

    ZLabel {
        id: display
        objectName: "dialled"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: ZPalette.unit
        horizontalAlignment: Text.AlignHCenter
        // The latest tones stay in view.
        elide: Text.ElideLeft
        text: pad.typed
    }
    Grid {
        id: keyGrid
        anchors.top: display.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: ZPalette.unit
        columns: 3
        spacing: ZPalette.unit
        Repeater {
            model: pad.keys
            ZButton {
                objectName: "dialpadKey"
                width: 48
                text: modelData
                // Enter and Return are the hash key on the pad: a focused
                // key would send its own tone as well.
                activeFocusOnTab: false
                onClicked: pad.sendDTMF(modelData === "*" ? 10 : (modelData === "#" ? 11 : Number(modelData)))
            }
        }
    }
}

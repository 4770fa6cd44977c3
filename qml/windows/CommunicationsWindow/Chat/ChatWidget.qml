import QtQuick 2.15
import "qrc:/controls"

// The chat pane. The transcript page and the message field come with the
// chat scene; until then this pane offers the functions and the signal the
// window wires (addMessage and the transfer updates), and says what it is.
Rectangle {
    id: chat
    color: ZPalette.background
    readonly property string lc: rootWindow.languageChangeProperty

    signal preferenceActivated()

    function addMessage(fragment, prepend) {}
    function ftStateChanged(id, state) {}
    function ftProgressChanged(id, percent, bytes) {}
    function contactNameChanged(id, name) {}

    ZLabel {
        anchors.centerIn: parent
        color: ZPalette.mutedText
        text: qsTr("Chat") + chat.lc
    }
}

import QtQuick 2.15
import "qrc:/controls"

// Shown for a moment when the user starts sharing the desktop.
Item {
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty
    width: 370
    height: 80

    Rectangle {
        anchors.fill: parent
        color: ZPalette.pick("whiteBackground", "#FFFFFF")
        opacity: 0.7
        radius: ZPalette.radius
    }

    ZLabel {
        anchors.fill: parent
        anchors.margins: 12
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: qsTr("You are now sharing your desktop. Stop the sharing from the communications window.") + lc
        font.family: ZPalette.fontFamily
        font.pixelSize: 13
        color: ZPalette.pick("blackText", "#000000")
    }
}

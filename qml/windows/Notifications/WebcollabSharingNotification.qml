import QtQuick 2.15
import "qrc:/controls"

// Shown for a moment when the user starts sharing the desktop.
Item {
    // Texts append it so they follow a change of the interface language.
    readonly property string lc: rootWindow.languageChangeProperty
    // Fixed, as every popup's outer size: the notification stack places it.
    width: 370
    height: 80

    Rectangle {
        anchors.fill: parent
        color: ZPalette.surface
        opacity: 0.7
        radius: ZPalette.radius
    }

    ZLabel {
        anchors.fill: parent
        anchors.margins: ZPalette.unit * 3
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: qsTr("You are now sharing your desktop. Stop the sharing from the communications window.") + lc
        color: ZPalette.surfaceText
    }
}

import QtQuick 2.15
import "qrc:/controls"

// The tooltip's face: the text of the tooltip window on a dark, slightly
// see-through plate.
Rectangle {
    width: label.implicitWidth + ZPalette.unit * 2.5
    height: label.implicitHeight + ZPalette.unit
    color: ZPalette.tooltipBackground
    opacity: 0.8

    ZLabel {
        id: label
        anchors.centerIn: parent
        // Tooltips carry names and texts from other people: never markup.
        text: rootView.text
        type: ZPalette.caption
        color: ZPalette.accentText
    }
}

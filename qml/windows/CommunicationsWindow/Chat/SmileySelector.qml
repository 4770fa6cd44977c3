import QtQuick 2.15
import "qrc:/controls"

// The emoticon grid above the status bar: a click inserts the emoticon.
Rectangle {
    id: selector
    property var model: null
    signal smileyChosen(string text)
    // Five emoticons a row, six rows before it scrolls.
    width: grid.cellWidth * 5 + grid.anchors.margins * 2
    height: grid.cellHeight * 6 + grid.anchors.margins * 2
    radius: ZPalette.radius
    color: ZPalette.surface
    border.color: ZPalette.accentPressed

    GridView {
        id: grid
        objectName: "smileyGrid"
        anchors.fill: parent
        anchors.margins: ZPalette.unit
        clip: true
        cellWidth: ZPalette.unit * 6
        cellHeight: ZPalette.unit * 6
        model: selector.model
        delegate: SmileyDelegate {
            fileName: model.fileName
            smileyText: model.text
            onChosen: selector.smileyChosen(text)
        }
    }
}

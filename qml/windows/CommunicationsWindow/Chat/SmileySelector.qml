import QtQuick 2.15
import "qrc:/controls"

// The emoticon grid above the status bar: a click inserts the emoticon.
Rectangle {
    id: selector
    property var model: null
    signal smileyChosen(string text)
    width: 130
    height: 155
    radius: 3
    color: ZPalette.pick("whiteBackground", "#FFFFFF")
    border.color: ZPalette.pick("darkBackground", "#006699")

    GridView {
        id: grid
        objectName: "smileyGrid"
        anchors.fill: parent
        anchors.margins: 5
        clip: true
        cellWidth: 24
        cellHeight: 24
        model: selector.model
        delegate: SmileyDelegate {
            fileName: model.fileName
            smileyText: model.text
            onChosen: selector.smileyChosen(text)
        }
    }
}

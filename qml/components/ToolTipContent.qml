import QtQuick 2.15

// The tooltip's face: the text of the tooltip window on a dark, slightly
// see-through plate.
Rectangle {
    readonly property var colors: (typeof zentStyle !== "undefined" && zentStyle) ? zentStyle.colors : ({})
    width: label.implicitWidth + 10
    height: label.implicitHeight + 4
    color: colors["blackBackground"] !== undefined ? colors["blackBackground"] : "#000000"
    opacity: 0.8

    Text {
        id: label
        anchors.centerIn: parent
        // Tooltips carry names and texts from other people: never markup.
        textFormat: Text.PlainText
        text: rootView.text
        font.family: (typeof zentStyle !== "undefined" && zentStyle) ? String(zentStyle.fontFamily) : Qt.application.font.family
        font.pixelSize: 11
        color: parent.colors["whiteText"] !== undefined ? parent.colors["whiteText"] : "#FFFFFF"
    }
}

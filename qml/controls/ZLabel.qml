import QtQuick 2.15

// A label of the house look. Its text is plain unless a scene says
// otherwise: names, status texts and messages come from outside the
// program, and markup in them must show as typed, never be obeyed.
Text {
    textFormat: Text.PlainText
    color: ZPalette.text
    font.family: ZPalette.fontFamily
    font.pixelSize: ZPalette.fontPixelSize
}

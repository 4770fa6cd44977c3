import QtQuick 2.15

// A label of the house look. Its text is plain unless a scene says
// otherwise: names, status texts and messages come from outside the
// program, and markup in them must show as typed, never be obeyed.
//
// Its size and weight come from a type role of the palette ("type:
// ZPalette.caption"). A label that stands out within its role sets
// font.weight, never font.bold: the role's weight is bound to font.weight,
// and Qt lets that binding win over a font.bold of the same label.
Text {
    property font type: ZPalette.body

    textFormat: Text.PlainText
    color: ZPalette.text
    font.family: type.family
    font.pixelSize: type.pixelSize
    font.weight: type.weight
}

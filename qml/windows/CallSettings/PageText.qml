import QtQuick 2.15
import "qrc:/controls"

// Plain wrapped text of a call-settings page.
Text {
    property bool strong: false
    property bool problem: false
    property bool small: false
    width: parent ? parent.width : implicitWidth
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
    font.family: ZPalette.fontFamily
    font.pixelSize: small ? Math.round(ZPalette.fontPixelSize * 0.9) : ZPalette.fontPixelSize
    font.bold: strong
    color: problem ? ZPalette.error : (strong ? ZPalette.strongText : ZPalette.text)
    visible: text !== ""
}

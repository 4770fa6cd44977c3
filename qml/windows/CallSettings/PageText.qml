import QtQuick 2.15
import "qrc:/controls"

// Plain wrapped text of a call-settings page.
Text {
    property bool strong: false
    property bool problem: false
    property bool small: false
    ZPalette { id: pal }
    width: parent ? parent.width : implicitWidth
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
    font.family: pal.fontFamily
    font.pixelSize: small ? Math.round(pal.fontPixelSize * 0.9) : pal.fontPixelSize
    font.bold: strong
    color: problem ? pal.error : (strong ? pal.strongText : pal.text)
    visible: text !== ""
}

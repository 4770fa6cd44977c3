import QtQuick 2.15
import "qrc:/controls"

// Plain wrapped text of a call-settings page.
Text {
    property bool strong: false
    property bool problem: false
    ZPalette { id: pal }
    width: parent ? parent.width : implicitWidth
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
    font.family: pal.fontFamily
    font.pixelSize: pal.fontPixelSize
    font.bold: strong
    color: problem ? pal.error : (strong ? pal.strongText : pal.text)
    visible: text !== ""
}

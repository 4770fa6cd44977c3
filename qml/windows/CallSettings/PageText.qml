import QtQuick 2.15
import "qrc:/controls"

// Plain wrapped text of a call-settings page.
ZLabel {
    property bool strong: false
    property bool problem: false
    property bool small: false
    width: parent ? parent.width : implicitWidth
    wrapMode: Text.Wrap
    type: small ? ZPalette.caption : ZPalette.body
    font.weight: strong ? Font.Bold : Font.Normal
    color: problem ? ZPalette.error : (strong ? ZPalette.strongText : ZPalette.text)
    visible: text !== ""
    // Read as shown, whether its text was there from the start or not.
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}

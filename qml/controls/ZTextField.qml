import QtQuick 2.15

// Single-line text field with a placeholder, optional password echo and a
// right-click request the window answers with its own edit menu.
FocusScope {
    id: control

    property alias text: input.text
    property string placeholderText
    property bool password: false
    property alias readOnly: input.readOnly
    property alias maximumLength: input.maximumLength
    property alias validator: input.validator
    property alias inputMethodHints: input.inputMethodHints
    property alias cursorPosition: input.cursorPosition
    property alias horizontalAlignment: input.horizontalAlignment
    // A password's selection is never handed out (edit menus, clipboard).
    readonly property string selectedText: password ? "" : input.selectedText
    readonly property alias acceptableInput: input.acceptableInput
    readonly property bool hovered: hoverArea.containsMouse
    property bool error: false
    // What a screen reader calls the field: its placeholder unless a form
    // gives it a label.
    property string accessibleName: placeholderText
    // Room on the right for an embedded button (the combo box arrow).
    property real rightPadding: Math.round(ZPalette.unit * 2.5)
    property alias input: input
    // Optional function(event) that sees keys before the text input does.
    property var keyFilter: null

    signal accepted()
    signal editingFinished()
    signal contextMenuRequested()

    function selectAll() { input.selectAll(); }
    function cut() { if (!password) input.cut(); }
    function copy() { if (!password) input.copy(); }
    function paste() { input.paste(); }
    function clear() { input.clear(); }
    function deselect() { input.deselect(); }

    activeFocusOnTab: true
    implicitWidth: ZPalette.controlHeight * 6
    implicitHeight: ZPalette.controlHeight
    opacity: enabled ? 1 : 0.6

    Rectangle {
        anchors.fill: parent
        anchors.margins: -ZPalette.focusWidth
        radius: frame.radius + ZPalette.focusWidth
        color: "transparent"
        border.width: ZPalette.focusWidth
        border.color: control.error ? ZPalette.error : ZPalette.accent
        opacity: 0.35
        visible: input.activeFocus
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: ZPalette.radius
        color: control.enabled ? ZPalette.fieldBackground : ZPalette.disabledBackground
        border.width: input.activeFocus ? ZPalette.focusWidth : 1
        border.color: control.error ? ZPalette.error
                                    : (input.activeFocus ? ZPalette.accent
                                                         : (control.hovered && control.enabled ? ZPalette.mutedText : ZPalette.border))
        Behavior on border.color { ColorAnimation { duration: 120 } }
    }

    ZLabel {
        id: placeholder
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: input.horizontalAlignment
        text: control.placeholderText
        font: input.font
        color: ZPalette.placeholder
        elide: Text.ElideRight
        visible: input.length === 0 && input.preeditText.length === 0
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: Math.round(ZPalette.unit * 2.5)
        anchors.rightMargin: control.rightPadding
        verticalAlignment: TextInput.AlignVCenter
        focus: true
        clip: true
        selectByMouse: true
        persistentSelection: false
        echoMode: control.password ? TextInput.Password : TextInput.Normal
        passwordCharacter: "*"
        font.family: ZPalette.fontFamily
        font.pixelSize: ZPalette.fontPixelSize
        color: control.enabled ? ZPalette.text : ZPalette.mutedText
        selectionColor: ZPalette.selection
        selectedTextColor: ZPalette.text
        // The text input itself is what a screen reader meets: it has the
        // keyboard focus and the text. Qt withholds a password field's
        // Accessible.name; the field's own accessibleName stands in for it.
        readonly property string accessibleName: control.accessibleName
        Accessible.role: Accessible.EditableText
        Accessible.name: control.accessibleName
        Accessible.passwordEdit: control.password
        Accessible.editable: !control.readOnly
        Accessible.focusable: true
        onAccepted: control.accepted()
        onEditingFinished: control.editingFinished()
        Keys.onPressed: function(event) {
            if (control.keyFilter)
                control.keyFilter(event);
        }
    }

    MouseArea {
        id: hoverArea
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.RightButton
        cursorShape: Qt.IBeamCursor
        onPressed: {
            input.forceActiveFocus();
            control.contextMenuRequested();
        }
    }
}

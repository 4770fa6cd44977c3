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
    // Room on the right for an embedded button (the combo box arrow).
    property real rightPadding: Math.round(pal.unit * 2.5)
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
    implicitWidth: pal.controlHeight * 6
    implicitHeight: pal.controlHeight
    opacity: enabled ? 1 : 0.6

    ZPalette { id: pal }

    Accessible.role: Accessible.EditableText
    Accessible.name: placeholderText
    Accessible.passwordEdit: password

    Rectangle {
        anchors.fill: parent
        anchors.margins: -pal.focusWidth
        radius: frame.radius + pal.focusWidth
        color: "transparent"
        border.width: pal.focusWidth
        border.color: control.error ? pal.error : pal.accent
        opacity: 0.35
        visible: input.activeFocus
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: pal.radius
        color: control.enabled ? pal.fieldBackground : pal.disabledBackground
        border.width: input.activeFocus ? pal.focusWidth : 1
        border.color: control.error ? pal.error
                                    : (input.activeFocus ? pal.accent
                                                         : (control.hovered && control.enabled ? pal.mutedText : pal.border))
        Behavior on border.color { ColorAnimation { duration: 120 } }
    }

    Text {
        id: placeholder
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: input.horizontalAlignment
        text: control.placeholderText
        font: input.font
        color: pal.placeholder
        elide: Text.ElideRight
        visible: input.length === 0 && input.preeditText.length === 0
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: Math.round(pal.unit * 2.5)
        anchors.rightMargin: control.rightPadding
        verticalAlignment: TextInput.AlignVCenter
        focus: true
        clip: true
        selectByMouse: true
        persistentSelection: false
        echoMode: control.password ? TextInput.Password : TextInput.Normal
        passwordCharacter: "*"
        font.family: pal.fontFamily
        font.pixelSize: pal.fontPixelSize
        color: control.enabled ? pal.text : pal.mutedText
        selectionColor: pal.selection
        selectedTextColor: pal.text
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

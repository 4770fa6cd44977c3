import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The dial pad: a number field and its keys; Enter or Call dials, Esc
// clears the field.
Column {
    id: dialpad
    objectName: "dialpad"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    // The main window's scene, whose edit menu the number field opens.
    property Item scene: null
    // The keyboard's place when the view opens: the number.
    function focusFirst() { dialField.forceActiveFocus(); }

    spacing: pal.unit * 2

    ZTextField {
        id: dialField
        objectName: "dialField"
        width: parent.width
        horizontalAlignment: TextInput.AlignHCenter
        placeholderText: qsTr("Number") + dialpad.lc
        onTextChanged: mainWindow.dialpadTextChanged(text)
        onAccepted: actionsProvider.triggerAction(Vantre.Action.Call)
        onContextMenuRequested: dialpad.scene.openEditMenu(dialField, false)
        onSelectedTextChanged: dialpad.scene.followSelection(dialField)
        // A pasted number comes in as it is dialled: "+1 (2) 3 ext. 4"
        // gives "+1234", from the keyboard and from the edit menu alike.
        function paste() {
            var number = clipboard.getDialpadText();
            if (number === "") return;
            var from = Math.min(input.selectionStart, input.selectionEnd);
            if (input.selectedText !== "")
                input.remove(input.selectionStart, input.selectionEnd);
            input.insert(from, number);
        }
        keyFilter: function(event) {
            if (event.key === Qt.Key_Escape) {
                dialField.text = "";
                event.accepted = true;
            } else if (event.matches(StandardKey.Paste)) {
                dialField.paste();
                event.accepted = true;
            }
        }
    }
    Vantre.QmlClipboardAdapter { id: clipboard }
    Grid {
        columns: 3
        spacing: pal.unit
        Repeater {
            model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"]
            ZButton {
                width: (dialpad.width - pal.unit * 2) / 3
                text: modelData
                onClicked: dialField.text += modelData
            }
        }
    }
    ZButton {
        objectName: "dialCallButton"
        width: parent.width
        primary: true
        text: qsTr("Call") + dialpad.lc
        enabled: dialField.text !== ""
        onClicked: actionsProvider.triggerAction(Vantre.Action.Call)
    }

    // The number chosen elsewhere (a contact's, a redial) shows in the field.
    Connections {
        target: mainWindow
        function onDialpadText(text) { if (dialField.text !== text) dialField.text = text; }
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The contact card: the contact's presence in view mode, one row per field
// of the fields model, and the footer's commands for the mode.
Rectangle {
    id: root
    objectName: "contactCardScene"
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var card: rootWindow
    readonly property var helper: (typeof presenceHelper !== "undefined") ? presenceHelper : null
    readonly property bool editing: card.editMode || card.addMode
    property int revision: 0
    width: 345
    height: 450
    color: ZPalette.background

    Connections {
        target: root.card
        function onEditModeChanged() { root.revision++; }
        function onEditsChanged() { root.revision++; }
    }

    Column {
        id: presenceBlock
        visible: !root.editing
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit
        Text {
            width: parent.width
            text: root.card.contact ? root.card.contact.displayName : ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: ZPalette.strongText
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize * 1.4
            font.bold: true
        }
        Text {
            text: {
                var t = root.card.contact && root.helper ? root.helper.availabilityText(root.card.contact.presence) : "";
                return t !== "" ? "(" + t + ")" : "";
            }
            textFormat: Text.PlainText
            color: ZPalette.mutedText
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize
        }
        Rectangle { width: parent.width; height: 1; color: ZPalette.border }
    }

    ListView {
        id: fields
        objectName: "fieldList"
        anchors { left: parent.left; right: parent.right; top: root.editing ? parent.top : presenceBlock.bottom
                  bottom: footer.top; margins: ZPalette.unit * 4 }
        clip: true
        spacing: ZPalette.unit
        model: root.card.fieldsModel
        delegate: Item {
            readonly property string value: (root.revision, root.card.fieldValue(fieldType))
            readonly property bool canEdit: root.editing && fieldEditable && !root.card.readOnlyMode
            width: fields.width
            height: visible ? column.implicitHeight : 0
            visible: value !== "" || root.editing
            Column {
                id: column
                width: parent.width
                Text {
                    text: fieldName
                    textFormat: Text.PlainText
                    color: ZPalette.mutedText
                    font.family: ZPalette.fontFamily
                    font.pixelSize: Math.round(ZPalette.fontPixelSize * 0.85)
                }
                Text {
                    visible: !canEdit
                    width: parent.width
                    text: value
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: ZPalette.text
                    font.family: ZPalette.fontFamily
                    font.pixelSize: ZPalette.fontPixelSize
                }
                ZTextField {
                    visible: canEdit
                    width: parent.width
                    maximumLength: 256
                    text: value
                    onTextChanged: if (canEdit && text !== value) root.card.setFieldValue(fieldType, text)
                    onEditingFinished: if (root.card.addMode) root.card.trySyncing(fieldType)
                }
            }
        }
    }

    Row {
        id: footer
        anchors { right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit * 2
        ZButton {
            objectName: "addButton"
            visible: root.card.addMode
            primary: true
            enabled: root.card.anyFieldHasValue
            text: qsTr("Add to Contact List") + root.lc
            onClicked: root.card.addContact()
        }
        ZButton {
            objectName: "saveButton"
            visible: root.card.editMode && !root.card.addMode
            primary: true
            text: qsTr("Save") + root.lc
            onClicked: root.card.save()
        }
        ZButton {
            visible: root.editing
            text: qsTr("Cancel") + root.lc
            onClicked: root.card.cancel()
        }
        ZButton {
            objectName: "editButton"
            visible: !root.editing && !root.card.readOnlyMode
            text: qsTr("Edit Contact") + root.lc
            onClicked: root.card.editMode = true
        }
        ZButton {
            visible: !root.editing && !root.card.readOnlyMode
            text: qsTr("Delete Contact") + root.lc
            onClicked: root.card.deleteContact()
        }
    }
}

import QtQuick 2.15
import Kelvantic 1.0 as K
import Vantre 1.0 as Vantre
import "qrc:/controls"

// One field of the card: its label and its value, or an editor for it while
// the card edits or adds. Tab and Backtab go on round the editable fields.
Item {
    id: row
    // The card's scene (its window, the edit revision and the focus order).
    property var scene
    objectName: "field" + fieldType
    readonly property int type: fieldType
    readonly property string value: (scene.revision, scene.card.fieldValue(fieldType))
    readonly property bool canEdit: (scene.revision, scene.card.canEditField(fieldType, fieldEditable))
    // The group changes between rows get a little more room.
    readonly property bool groupStart: index > 0 && scene.groupOfRow(index - 1) !== fieldGroup
    readonly property int group: fieldGroup
    function takeFocus() {
        editor.input.forceActiveFocus();
        editor.input.selectAll();
        scene.showField(row);
    }
    width: fieldColumn.width
    height: visible ? column.implicitHeight + (groupStart ? ZPalette.unit * 2 : 0) : 0
    visible: value !== "" || scene.editing
    Column {
        id: column
        y: row.groupStart ? ZPalette.unit * 2 : 0
        width: parent.width
        ZLabel {
            text: fieldName
            color: ZPalette.mutedText
            type: ZPalette.caption
        }
        ZLabel {
            id: shownValue
            objectName: "value" + fieldType
            visible: !row.canEdit
            width: parent.width
            text: row.value
            elide: Text.ElideRight
            // Read with what it is: "E-mail, alice@example.com". Reached
            // with Tab as the card's other parts are, and brought into view
            // then: a field below the fold is read where the user sees it.
            activeFocusOnTab: visible
            onActiveFocusChanged: if (activeFocus) scene.showField(row)
            Accessible.role: Accessible.StaticText
            Accessible.name: fieldName + ", " + row.value
            Accessible.focusable: true
            Rectangle {
                anchors.fill: parent
                anchors.margins: -ZPalette.focusWidth
                radius: ZPalette.radius
                color: "transparent"
                border.width: ZPalette.focusWidth
                border.color: ZPalette.accent
                visible: shownValue.activeFocus
            }
        }
        ZTextField {
            id: editor
            objectName: "editor" + fieldType
            visible: row.canEdit
            width: parent.width
            maximumLength: 256
            text: row.value
            password: false
            accessibleName: fieldName
            keyFilter: function(event) {
                if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
                    event.accepted = scene.moveFocus(index, event.key === Qt.Key_Tab
                                                   && !(event.modifiers & Qt.ShiftModifier));
            }
            onTextChanged: if (row.canEdit && text !== row.value) scene.card.setFieldValue(fieldType, text)
            onEditingFinished: if (scene.card.addMode && scene.card.syncingPossible) scene.card.trySyncing(fieldType)
        }
    }
}

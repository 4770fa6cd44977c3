import QtQuick 2.15
import Kelvantic 1.0 as K
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The contact card: the contact's presence in view mode, one row per field
// of the fields model, and the footer's commands for the mode.
Rectangle {
    id: root
    objectName: "contactCardScene"
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var card: rootWindow
    readonly property var person: card.contact
    readonly property var helper: (typeof presenceHelper !== "undefined") ? presenceHelper : null
    readonly property bool editing: card.editMode || card.addMode
    readonly property bool listed: person !== null && !person.isTemporary && !person.isSearchResult
    property int revision: 0
    width: 345
    height: 450
    color: ZPalette.background

    Connections {
        target: root.card
        function onEditModeChanged() { root.revision++; }
        function onAddModeChanged() { root.revision++; }
        function onEditsChanged() { root.revision++; }
    }

    K.ToolTip { id: tip }
    readonly property var toolTip: tip

    function groupOfRow(i) {
        var row = rows.itemAt(i);
        return row ? row.group : -1;
    }
    // A field that takes the focus comes into view.
    function showField(row) {
        if (row.y < fields.contentY)
            fields.contentY = row.y;
        else if (row.y + row.height > fields.contentY + fields.height)
            fields.contentY = Math.min(row.y + row.height - fields.height,
                                       Math.max(0, fields.contentHeight - fields.height));
    }

    // Tab and Backtab go round the fields that can be typed into now.
    function moveFocus(from, forward) {
        var n = rows.count;
        for (var step = 1; step <= n; ++step) {
            var i = (from + (forward ? step : -step) + n) % n;
            var row = rows.itemAt(i);
            if (row && row.visible && row.canEdit) {
                row.takeFocus();
                return true;
            }
        }
        return false;
    }

    ContactCardPresenceInfo {
        id: presenceBlock
        scene: root
        visible: !root.editing
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 4 }
    }

    Flickable {
        id: fields
        objectName: "fieldList"
        anchors { left: parent.left; right: parent.right; top: root.editing ? parent.top : presenceBlock.bottom
                  bottom: footer.top; margins: ZPalette.unit * 4 }
        clip: true
        contentHeight: fieldColumn.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: fieldColumn
            width: fields.width
            spacing: ZPalette.unit
            Repeater {
                id: rows
                model: root.card.fieldsModel
                delegate: ContactCardField { scene: root }
            }
        }
    }

    ContactCardFooter {
        id: footer
        scene: root
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
    }
}

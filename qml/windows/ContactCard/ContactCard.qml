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

    Column {
        id: presenceBlock
        objectName: "presenceBlock"
        visible: !root.editing
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit

        Row {
            width: parent.width
            spacing: ZPalette.unit * 2
            Rectangle {
                id: avatarFrame
                width: ZPalette.controlHeight * 1.6
                height: width
                radius: ZPalette.radius
                color: ZPalette.hover
                border.color: ZPalette.border
                Image {
                    anchors.fill: parent
                    anchors.margins: 1
                    source: root.person ? root.person.avatarUrl : ""
                    fillMode: Image.PreserveAspectCrop
                    visible: status === Image.Ready
                }
                Text {
                    anchors.centerIn: parent
                    visible: !root.person || root.person.avatarUrl === ""
                    text: root.person && root.person.displayName !== "" ? root.person.displayName.charAt(0).toUpperCase() : ""
                    textFormat: Text.PlainText
                    color: ZPalette.mutedText
                    font.family: ZPalette.fontFamily
                    font.pixelSize: ZPalette.fontPixelSize * 1.6
                }
            }
            Column {
                width: parent.width - avatarFrame.width - parent.spacing
                spacing: ZPalette.unit
                Row {
                    width: parent.width
                    spacing: ZPalette.unit
                    // The presence dot, coloured as in the contact list.
                    Rectangle {
                        id: presenceIcon
                        objectName: "presenceIcon"
                        visible: root.card.xmppEnabled && root.person !== null
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.round(ZPalette.fontPixelSize * 0.8)
                        height: width
                        radius: width / 2
                        readonly property int state: root.person ? root.person.presence : 0
                        color: ZPalette.pick(Vantre.PresenceState.colorName(state), Vantre.PresenceState.color(state))
                    }
                    Text {
                        id: nameText
                        objectName: "contactName"
                        width: parent.width - star.width - (presenceIcon.visible ? presenceIcon.width + parent.spacing : 0) - parent.spacing
                        text: root.person ? root.person.displayName : ""
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: ZPalette.strongText
                        font.family: ZPalette.fontFamily
                        font.pixelSize: ZPalette.fontPixelSize * 1.4
                        font.bold: true
                    }
                    Text {
                        id: star
                        objectName: "favouriteStar"
                        visible: root.listed
                        width: visible ? implicitWidth : 0
                        text: root.person && root.person.favourite ? "\u2605" : "\u2606"
                        color: root.person && root.person.favourite ? ZPalette.accent : ZPalette.mutedText
                        font.pixelSize: ZPalette.fontPixelSize * 1.4
                        Accessible.role: Accessible.CheckBox
                        Accessible.name: root.person && root.person.favourite ? qsTr("Remove from Favorites") + root.lc : qsTr("Set as Favorite") + root.lc
                        MouseArea {
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: root.card.readOnlyMode ? Qt.ArrowCursor : Qt.PointingHandCursor
                            onEntered: tip.showToolTip(star.Accessible.name)
                            onExited: tip.hideToolTip()
                            onClicked: if (!root.card.readOnlyMode) root.card.toggleFavourite()
                        }
                    }
                }
                Text {
                    objectName: "availability"
                    text: {
                        var t = root.person && root.helper ? root.helper.availabilityText(root.person.presence) : "";
                        return t !== "" ? "(" + t + ")" : "";
                    }
                    textFormat: Text.PlainText
                    color: ZPalette.mutedText
                    font.family: ZPalette.fontFamily
                    font.pixelSize: ZPalette.fontPixelSize
                }
                Text {
                    objectName: "statusText"
                    visible: root.card.xmppEnabled && text !== ""
                    width: parent.width
                    text: root.person ? root.person.statusText : ""
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: ZPalette.text
                    font.family: ZPalette.fontFamily
                    font.pixelSize: ZPalette.fontPixelSize
                }
                Text {
                    objectName: "contactLocation"
                    visible: root.card.xmppEnabled && root.person !== null && root.person.online && text !== ""
                    width: parent.width
                    text: root.card.contactLocation
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: ZPalette.mutedText
                    font.family: ZPalette.fontFamily
                    font.pixelSize: ZPalette.fontPixelSize
                }
            }
        }
        Rectangle { width: parent.width; height: 1; color: ZPalette.border }
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
                delegate: Item {
                    id: row
                    objectName: "field" + fieldType
                    readonly property int type: fieldType
                    readonly property string value: (root.revision, root.card.fieldValue(fieldType))
                    readonly property bool canEdit: (root.revision, root.card.canEditField(fieldType, fieldEditable))
                    // The group changes between rows get a little more room.
                    readonly property bool groupStart: index > 0 && rows.itemAt(index - 1) !== null
                                                       && rows.itemAt(index - 1).group !== fieldGroup
                    readonly property int group: fieldGroup
                    function takeFocus() {
                        editor.input.forceActiveFocus();
                        editor.input.selectAll();
                        // The field comes into view when the list is longer than the card.
                        if (y < fields.contentY)
                            fields.contentY = y;
                        else if (y + height > fields.contentY + fields.height)
                            fields.contentY = Math.min(y + height - fields.height,
                                                       Math.max(0, fields.contentHeight - fields.height));
                    }
                    width: fieldColumn.width
                    height: visible ? column.implicitHeight + (groupStart ? ZPalette.unit * 2 : 0) : 0
                    visible: value !== "" || root.editing
                    Column {
                        id: column
                        y: row.groupStart ? ZPalette.unit * 2 : 0
                        width: parent.width
                        Text {
                            text: fieldName
                            textFormat: Text.PlainText
                            color: ZPalette.mutedText
                            font.family: ZPalette.fontFamily
                            font.pixelSize: Math.round(ZPalette.fontPixelSize * 0.85)
                        }
                        Text {
                            visible: !row.canEdit
                            width: parent.width
                            text: row.value
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            color: ZPalette.text
                            font.family: ZPalette.fontFamily
                            font.pixelSize: ZPalette.fontPixelSize
                        }
                        ZTextField {
                            id: editor
                            objectName: "editor" + fieldType
                            visible: row.canEdit
                            width: parent.width
                            maximumLength: 256
                            text: row.value
                            password: false
                            keyFilter: function(event) {
                                if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
                                    event.accepted = root.moveFocus(index, event.key === Qt.Key_Tab
                                                                   && !(event.modifiers & Qt.ShiftModifier));
                            }
                            onTextChanged: if (row.canEdit && text !== row.value) root.card.setFieldValue(fieldType, text)
                            onEditingFinished: if (root.card.addMode && root.card.syncingPossible) root.card.trySyncing(fieldType)
                        }
                    }
                }
            }
        }
    }

    Column {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
        spacing: ZPalette.unit * 2

        // The contact's own actions: chat, call, call from phone, video.
        Flow {
            id: actionButtons
            objectName: "actionButtons"
            width: parent.width
            spacing: ZPalette.unit * 2
            visible: !root.card.editMode && (!root.card.addMode || (root.person !== null && root.person.isTemporary))
            Repeater {
                model: root.card.actionsProvider
                delegate: ZButton {
                    objectName: "action" + actionId
                    visible: actionId >= 1 && actionId <= 4
                    enabled: actionEnabled
                    text: (root.lc, root.card.actionText(actionId))
                    onClicked: root.card.triggerAction(actionId)
                }
            }
        }

        Row {
            anchors.right: parent.right
            spacing: ZPalette.unit * 2
            ZButton {
                id: importButton
                objectName: "importButton"
                visible: root.card.importFromDirectoryPossible && !root.card.editMode
                text: qsTr("Import") + root.lc
                onHoveredChanged: hovered ? tip.showToolTip(qsTr("Import Telephone Directory Information to Profile") + root.lc)
                                          : tip.hideToolTip()
                onClicked: { tip.hideToolTip(); root.card.importFromDirectory(); }
            }
            ZButton {
                objectName: "addButton"
                visible: root.card.canAdd
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
                objectName: "cancelButton"
                visible: root.editing
                text: qsTr("Cancel") + root.lc
                onClicked: root.card.cancel()
            }
            ZButton {
                objectName: "editButton"
                visible: !root.editing && root.listed && !root.card.readOnlyMode
                text: qsTr("Edit Contact") + root.lc
                onClicked: root.card.editMode = true
            }
            ZButton {
                objectName: "deleteButton"
                visible: !root.editing && root.listed && !root.card.readOnlyMode
                text: qsTr("Delete Contact") + root.lc
                onClicked: root.card.deleteContact()
            }
        }
    }
}

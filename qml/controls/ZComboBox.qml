import QtQuick 2.15
import QtQuick.Window 2.15

// Combo box over a list model (a string list model or a JavaScript array).
// Editable: a text field whose list completes what is typed (case-sensitive
// prefix match). Not editable: a button-like field that picks an entry.
// The drop-down list is laid over the window's content so that later
// siblings cannot cover it.
FocusScope {
    id: control

    property var model
    property bool editable: true
    property string placeholderText
    property int currentIndex: -1
    // The shown text: typed (editable) or the current entry's.
    property string editText
    readonly property int count: rows.count
    readonly property bool popupVisible: popup.visible
    readonly property alias textField: field
    readonly property alias selectedText: field.selectedText
    property int maximumVisibleItems: 5

    // User picked an entry or finished typing.
    signal activated(int index)
    signal accepted()
    signal contextMenuRequested()

    function textAt(i) {
        var row = rows.itemAt(i);
        return row ? row.text : "";
    }
    function find(text) {
        for (var i = 0; i < rows.count; ++i)
            if (textAt(i) === text)
                return i;
        return -1;
    }
    function openPopup(filterText) {
        var list = [];
        for (var i = 0; i < rows.count; ++i) {
            var t = textAt(i);
            if (filterText === undefined || filterText === "" || t.indexOf(filterText) === 0)
                list.push(t);
        }
        if (list.length === 0) {
            closePopup();
            return;
        }
        popup.entries = list;
        var current = list.indexOf(editText);
        listView.currentIndex = current >= 0 ? current : 0;
        popup.visible = true;
    }
    function closePopup() { popup.visible = false; }
    function choose(text) {
        closePopup();
        var i = find(text);
        currentIndex = i;
        editText = text;
        field.cursorPosition = field.text.length;
        activated(i);
    }
    function step(delta) {
        if (rows.count === 0)
            return;
        var i = find(editText);
        i = i < 0 ? (delta > 0 ? 0 : rows.count - 1)
                  : Math.max(0, Math.min(rows.count - 1, i + delta));
        choose(textAt(i));
    }
    function selectAll() { field.selectAll(); }
    function cut() { field.cut(); }
    function copy() { field.copy(); }
    function paste() { field.paste(); }

    activeFocusOnTab: true
    implicitWidth: ZPalette.controlHeight * 6
    implicitHeight: ZPalette.controlHeight

    onCurrentIndexChanged: {
        if (!editable && currentIndex >= 0 && currentIndex < rows.count)
            editText = textAt(currentIndex);
    }
    onActiveFocusChanged: if (!activeFocus) closePopup()

    // One invisible row per model entry gives plain access to the texts.
    Repeater {
        id: rows
        model: control.model
        delegate: Item {
            visible: false
            property string text: model.display !== undefined ? String(model.display)
                                                              : String(modelData)
        }
        onItemAdded: if (!control.editable && index === control.currentIndex) control.editText = control.textAt(index)
    }

    ZTextField {
        id: field
        anchors.fill: parent
        focus: true
        activeFocusOnTab: false
        readOnly: !control.editable
        placeholderText: control.placeholderText
        rightPadding: arrow.width + ZPalette.unit
        text: control.editText
        onTextChanged: {
            if (text === control.editText)
                return;
            control.editText = text;
            if (control.editable && field.input.activeFocus)
                control.openPopup(text);
        }
        onContextMenuRequested: control.contextMenuRequested()
        onAccepted: control.accepted()
        keyFilter: control.handleKey
    }

    // Bindings above break once the user types; keep the field in step.
    onEditTextChanged: if (field.text !== editText) field.text = editText

    MouseArea {
        id: arrow
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: ZPalette.controlHeight
        // A read-only field opens its list from anywhere on it.
        anchors.left: control.editable ? undefined : parent.left
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        enabled: control.enabled && rows.count > 0
        onClicked: {
            control.forceActiveFocus(Qt.MouseFocusReason);
            if (popup.visible)
                control.closePopup();
            else
                control.openPopup();
        }

        // Chevron from two bars.
        Item {
            width: ZPalette.controlHeight
            height: parent.height
            anchors.right: parent.right
            opacity: arrow.enabled ? 1 : 0.35
            Rectangle {
                x: parent.width / 2 - width + height / 2
                y: parent.height / 2 - height
                width: ZPalette.unit * 1.8
                height: Math.max(2, ZPalette.focusWidth + 1)
                radius: height / 2
                rotation: 40
                antialiasing: true
                color: arrow.containsMouse ? ZPalette.accent : ZPalette.mutedText
            }
            Rectangle {
                x: parent.width / 2 - height / 2
                y: parent.height / 2 - height
                width: ZPalette.unit * 1.8
                height: Math.max(2, ZPalette.focusWidth + 1)
                radius: height / 2
                rotation: -40
                antialiasing: true
                color: arrow.containsMouse ? ZPalette.accent : ZPalette.mutedText
            }
        }
    }

    function handleKey(event) {
        if (popup.visible) {
            if (event.key === Qt.Key_Down) {
                listView.incrementCurrentIndex();
                event.accepted = true;
            } else if (event.key === Qt.Key_Up) {
                listView.decrementCurrentIndex();
                event.accepted = true;
            } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if (listView.currentIndex >= 0)
                    control.choose(popup.entries[listView.currentIndex]);
                else
                    control.closePopup();
                event.accepted = true;
            } else if (event.key === Qt.Key_Escape) {
                control.closePopup();
                event.accepted = true;
            }
            return;
        }
        if ((event.key === Qt.Key_Down && (event.modifiers & Qt.AltModifier)) || event.key === Qt.Key_F4) {
            control.openPopup();
            event.accepted = true;
        } else if (event.key === Qt.Key_Down) {
            control.step(1);
            event.accepted = true;
        } else if (event.key === Qt.Key_Up) {
            control.step(-1);
            event.accepted = true;
        } else if (!control.editable && event.key === Qt.Key_Space) {
            control.openPopup();
            event.accepted = true;
        }
    }

    // Closes the list on a press anywhere else; the press still goes through.
    MouseArea {
        parent: popup.parent
        anchors.fill: parent
        z: 999
        visible: popup.visible
        onPressed: function(mouse) {
            control.closePopup();
            mouse.accepted = false;
        }
    }

    Item {
        id: popup
        property var entries: []
        visible: false
        parent: control.Window.contentItem ? control.Window.contentItem : control
        z: 1000
        readonly property point origin: visible ? control.mapToItem(parent, 0, control.height) : Qt.point(0, 0)
        x: origin.x
        y: origin.y + ZPalette.focusWidth
        width: control.width
        height: Math.min(entries.length, control.maximumVisibleItems) * ZPalette.controlHeight + 2

        Rectangle {
            anchors.fill: parent
            anchors.margins: -1
            anchors.topMargin: 1
            anchors.bottomMargin: -3
            radius: ZPalette.radius
            color: ZPalette.shade
            opacity: 0.08
        }
        Rectangle {
            anchors.fill: parent
            radius: ZPalette.radius
            color: ZPalette.fieldBackground
            border.width: 1
            border.color: ZPalette.border
        }

        ListView {
            id: listView
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            model: popup.entries
            boundsBehavior: Flickable.StopAtBounds
            highlightMoveDuration: 0
            delegate: Rectangle {
                width: listView.width
                height: ZPalette.controlHeight
                color: ListView.isCurrentItem ? ZPalette.selection
                                              : (rowMouse.containsMouse ? ZPalette.hover : "transparent")
                ZLabel {
                    anchors.fill: parent
                    anchors.leftMargin: ZPalette.unit * 3
                    anchors.rightMargin: ZPalette.unit * 3
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: modelData
                    color: ZPalette.text
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: control.choose(modelData)
                }
            }
        }
    }
}

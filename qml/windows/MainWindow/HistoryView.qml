import QtQuick 2.15
import QtQuick.Window 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The history: a filter (all, missed with their count, calls, chats) over
// the list of past calls and chats, newest first. Enter or a double click
// runs the default action; the right button or the menu key opens the menu,
// which can mark a new entry as read.
Item {
    id: history

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    // The main window's scene, which places the menu of the current row.
    property Item scene: null
    // The selected row, cleared when an active communication is selected.
    property alias currentIndex: historyList.currentIndex
    // The keyboard's place when the view opens: the chosen filter.
    function focusFirst() {
        for (var i = 0; i < filterTabs.count; ++i)
            if (filterTabs.itemAt(i) && filterTabs.itemAt(i).chosen)
                return filterTabs.itemAt(i).forceActiveFocus();
        historyList.forceActiveFocus();
    }

    Row {
        id: historyFilter
        objectName: "historyFilter"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: pal.unit * 2 }
        spacing: pal.unit
        Repeater {
            id: filterTabs
            model: 4
            Rectangle {
                id: filterTab
                objectName: "historyFilterTab"
                readonly property bool chosen: !!mainWindow && mainWindow.timelinefilterflag === index
                width: label.implicitWidth + pal.unit * 3
                height: label.implicitHeight + pal.unit * 2
                radius: pal.radius
                color: chosen ? pal.accent : (filterMouse.containsMouse ? pal.hover : "transparent")
                // A tab of the filter: reached with Tab, chosen with Space
                // or Enter, or by a screen reader's press.
                activeFocusOnTab: true
                Accessible.role: Accessible.PageTab
                Accessible.name: label.text
                Accessible.checkable: true
                Accessible.checked: chosen
                Accessible.selected: chosen
                Accessible.onPressAction: mainWindow.setTimelineFilter(index)
                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        event.accepted = true;
                        mainWindow.setTimelineFilter(index);
                    }
                }
                // The focus rings the tab from outside; the chosen one is
                // filled with the ring's colour, so it is ringed inside in
                // the colour of its text.
                Rectangle {
                    objectName: "historyFilterFocusRing"
                    anchors.fill: parent
                    anchors.margins: filterTab.chosen ? pal.focusWidth : -pal.focusWidth
                    radius: Math.max(0, parent.radius + anchors.margins * -1)
                    color: "transparent"
                    border.width: pal.focusWidth
                    border.color: filterTab.chosen ? pal.accentText : pal.accent
                    visible: filterTab.activeFocus
                }
                ZLabel {
                    id: label
                    objectName: "historyFilterLabel"
                    anchors.centerIn: parent
                    // Missed counts the missed communications listed; the
                    // voice mails waiting have their own button below.
                    text: [qsTr("All"), qsTr("Missed %1").arg(timelineModel.newCommsCount), qsTr("Calls"), qsTr("Chat")][index] + history.lc
                    color: parent.chosen ? pal.accentText : pal.strongText
                    type: ZPalette.caption
                }
                MouseArea {
                    id: filterMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        if (mouse.button === Qt.RightButton)
                            menuHandler.showHistoryMenu();
                        else
                            mainWindow.setTimelineFilter(index);
                    }
                }
            }
        }
    }

    // The voice mailbox beside the missed calls: the messages waiting, and
    // a click (or Space, Enter) calls it.
    ZButton {
        id: voiceMail
        objectName: "voiceMailButton"
        readonly property int waiting: mainWindow ? mainWindow.voiceMailMessagesCount : 0
        visible: !!mainWindow && mainWindow.voiceMailEnabled
        anchors { left: parent.left; top: historyFilter.bottom; margins: pal.unit * 2 }
        text: (waiting > 0 ? qsTr("Voice Mail (%n new)", "", waiting) : qsTr("Voice Mail")) + history.lc
        primary: waiting > 0
        Accessible.description: qsTr("Calls the voice mail") + history.lc
        onClicked: mainWindow.checkVoiceMails()
    }

    ListView {
        id: historyList
        objectName: "historyList"
        anchors { left: parent.left; right: parent.right; top: voiceMail.visible ? voiceMail.bottom : historyFilter.bottom
                  bottom: parent.bottom; topMargin: pal.unit * 2 }
        clip: true
        model: proxytimelineModel
        // No row is chosen until the user chooses one (nor does a new entry
        // at the top hand the choice to the row below it).
        currentIndex: -1
        activeFocusOnTab: true
        Accessible.role: Accessible.List
        Accessible.name: qsTr("History") + history.lc
        boundsBehavior: Flickable.StopAtBounds
        onCurrentIndexChanged: mainWindow.historySelectionChanged(currentIndex)
        Keys.onReturnPressed: mainWindow.triggerDefaultAction()
        Keys.onEnterPressed: mainWindow.triggerDefaultAction()
        Keys.onPressed: function(event) {
            if ((event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                    && historyList.currentItem) {
                history.scene.currentRowMenu(historyList);
                menuHandler.showPopupMenu(true, historyList.currentItem.isNew);
                event.accepted = true;
            }
        }
        delegate: Rectangle {
            objectName: "historyRow"
            readonly property bool isNew: model.isNew === true
            width: historyList.width
            // As in the contact list: the current row has the focus,
            // and a screen reader reads who and when.
            focus: ListView.isCurrentItem
            Accessible.role: Accessible.ListItem
            // What the row's sign shows: a chat, or a call and its way.
            readonly property string kindText: (model.kind === Vantre.CallLog.Chat ? qsTr("Chat")
                                                : model.direction === Vantre.CallLog.Outgoing ? qsTr("Outgoing call")
                                                : model.direction === Vantre.CallLog.Missed ? qsTr("Missed call")
                                                : qsTr("Incoming call")) + history.lc
            Accessible.name: [historyName.text, kindText, historyDetails.text]
                             .filter(function(part) { return part !== ""; }).join(", ")
            Accessible.selectable: true
            Accessible.selected: historyList.currentIndex === index
            Accessible.focusable: true
            // A reader's press does what a double click does.
            Accessible.onPressAction: {
                historyList.currentIndex = index;
                mainWindow.historySelectionChanged(index);
                mainWindow.triggerDefaultAction();
            }
            height: pal.controlHeight * 1.6
            color: historyList.currentIndex === index ? pal.selection
                                                     : (historyMouse.containsMouse ? pal.hover : "transparent")
            ZLabel {
                id: arrow
                anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                text: model.kind === Vantre.CallLog.Chat ? "\u2709" : (model.direction === Vantre.CallLog.Outgoing ? "\u2197" : "\u2199")
                color: model.direction === Vantre.CallLog.Missed ? pal.error : pal.mutedText
            }
            Column {
                anchors { left: arrow.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                          verticalCenter: parent.verticalCenter }
                ZLabel {
                    id: historyName
                    width: parent.width
                    // A personal room reads as the room, as its window's title does.
                    text: model.room === Vantre.CallLog.OwnPersonalRoom ? qsTr("My Room") + history.lc
                          : model.room === Vantre.CallLog.PersonalRoom ? qsTr("%1's Room").arg(model.name) + history.lc
                          : (model.name === undefined ? "" : model.name)
                    elide: Text.ElideRight
                    color: model.direction === Vantre.CallLog.Missed ? pal.error : pal.strongText
                    font.weight: parent.parent.isNew ? Font.Bold : Font.Normal
                }
                ZLabel {
                    id: historyDetails
                    width: parent.width
                    objectName: "historyDetails"
                    // In the interface's language, whatever the system's.
                    text: (model.start ? model.start.toLocaleString(Qt.locale(), "d MMM, hh:mm") + history.lc : "")
                          + (model.duration > 0 ? "  \u00B7  " + Math.floor(model.duration / 60) + ":"
                                                  + ("0" + model.duration % 60).slice(-2) : "")
                          + (model.direction === Vantre.CallLog.Missed && model.kind !== Vantre.CallLog.Chat ? "  \u00B7  " + qsTr("Missed") + history.lc : "")
                          + (model.note ? "  \u00B7  " + model.note : "")
                    elide: Text.ElideRight
                    color: pal.mutedText
                    type: ZPalette.caption
                }
            }
            MouseArea {
                id: historyMouse
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    historyList.forceActiveFocus();
                    historyList.currentIndex = index;
                    mainWindow.historySelectionChanged(index);
                    if (mouse.button === Qt.RightButton)
                        menuHandler.showPopupMenu(true, parent.isNew);
                }
                onDoubleClicked: mainWindow.triggerDefaultAction()
            }
        }
        ZLabel {
            anchors.centerIn: parent
            visible: historyList.count === 0
            text: qsTr("No history") + history.lc
            color: pal.mutedText
        }
    }
    // Reached by Tab with no row current, the list itself holds the
    // focus: it is ringed, and Down then chooses its first row.
    Rectangle {
        objectName: "listFocusRing"
        anchors.fill: historyList
        z: 1
        visible: historyList.Window.activeFocusItem === historyList
        color: "transparent"
        border.color: pal.accent
        border.width: pal.focusWidth
    }
}

import QtQuick 2.15
import Vantre 1.0
import "qrc:/controls"

// The history choice above the transcript: "Yesterday", "Last Week",
// "Last Month", "All History". None is active at the start.
Item {
    id: history
    property var model: null
    property string lc: ""
    property int active: -1
    implicitHeight: row.height + ZPalette.unit

    readonly property var ages: [MessageModel.Yesterday, MessageModel.LastWeek,
                                 MessageModel.LastMonth, MessageModel.All]

    // Centred, and wrapped into a second line when the pane is narrow.
    CenteredFlow {
        id: row
        objectName: "historyChoices"
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: ZPalette.unit / 2 }
        spacing: ZPalette.unit * 1.25
        Repeater {
            model: [qsTr("Yesterday") + history.lc, qsTr("Last Week") + history.lc,
                    qsTr("Last Month") + history.lc, qsTr("All History") + history.lc]
            delegate: ZLabel {
                id: choice
                objectName: "historyChoice" + index
                text: modelData
                type: ZPalette.caption
                color: (history.active === index || area.containsMouse || activeFocus) ? ZPalette.highlightText
                                                                                       : ZPalette.secondaryText
                font.underline: activeFocus
                // Reached with Tab, chosen with Space or Enter, or by a
                // screen reader's press; the one chosen says so.
                activeFocusOnTab: true
                Accessible.role: Accessible.Link
                Accessible.name: text
                Accessible.checkable: true
                Accessible.checked: history.active === index
                Accessible.onPressAction: history.choose(index)
                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        event.accepted = true;
                        history.choose(index);
                    }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: history.choose(index)
                }
            }
        }
    }

    function choose(i) {
        active = i;
        if (model) model.updateMessagesFrom(ages[i]);
    }
}

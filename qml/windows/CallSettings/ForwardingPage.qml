import QtQuick 2.15
import "qrc:/controls"

// Call forwarding: always, busy, no answer, not reachable. One item is
// edited at a time.
Item {
    id: page
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var items: [always, busy, noAnswer, notReachable]
    readonly property bool anyAvailable: always.available || busy.available
                                         || noAnswer.available || notReachable.available

    function pageActivated() {
        for (var i = 0; i < items.length; ++i)
            items[i].pageActivated();
    }
    function closeOthers(opened) {
        for (var i = 0; i < items.length; ++i)
            if (items[i] !== opened && items[i].editing)
                items[i].cancel();
    }

    Column {
        anchors.fill: parent
        spacing: 8
        ServiceItem {
            id: always
            objectName: "forwardAlways"
            width: parent.width
            visible: available
            serviceName: "Call Forwarding Always"
            label: qsTr("Always forward: ")
            onEditingStarted: page.closeOthers(always)
        }
        ServiceItem {
            id: busy
            objectName: "forwardBusy"
            width: parent.width
            visible: available
            serviceName: "Call Forwarding Busy"
            label: qsTr("Forward when busy: ")
            onEditingStarted: page.closeOthers(busy)
        }
        ServiceItem {
            id: noAnswer
            objectName: "forwardNoAnswer"
            width: parent.width
            visible: available
            serviceName: "Call Forwarding No Answer"
            label: qsTr("Forward when unanswered: ")
            onEditingStarted: page.closeOthers(noAnswer)
        }
        ServiceItem {
            id: notReachable
            objectName: "forwardNotReachable"
            width: parent.width
            visible: available
            serviceName: "Call Forwarding Not Reachable"
            label: qsTr("Forward when unreachable: ")
            onEditingStarted: page.closeOthers(notReachable)
        }
        PageText {
            visible: !page.anyAvailable
            text: qsTr("No forwarding services available for this account") + page.lc
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// The contacts by group, and the search's matches (the directory view): one
// ContactRow each. Up and Down move the selection, Enter runs the default
// action, the menu key or Shift+F10 opens the current row's menu, Esc goes
// back to the search field (Tab and Shift+Tab follow the window's order).
ListView {
    id: contactList
    objectName: "contactList"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    // The main window's scene, whose helpers (presence texts and colours,
    // initials, photos, the row menu's position) the rows share.
    property Item scene: null
    // The search field above: Esc returns to it, and whether
    // it holds text decides what an empty list says.
    property Item searchField: null
    // The active communications: a drag started here tells them it carries contacts.
    property Item activeCommsView: null

    clip: true
    model: contactModel
    // Rows scrolled out are reused for the rows scrolled in: large
    // books scroll without building (and collecting) delegates.
    reuseItems: true
    currentIndex: mainWindow.currentContactRow
    boundsBehavior: Flickable.StopAtBounds
    activeFocusOnTab: true
    highlightFollowsCurrentItem: false
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Contacts") + contactList.lc
    // The row the arrows come to is scrolled into view: the list follows
    // its current row by itself only with a highlight, which it has not.
    function showCurrent() {
        if (currentIndex >= 0)
            positionViewAtIndex(currentIndex, ListView.Contain);
    }
    Keys.onUpPressed: { mainWindow.moveSelection(true, true); showCurrent(); }
    Keys.onDownPressed: { mainWindow.moveSelection(false, true); showCurrent(); }
    Keys.onReturnPressed: mainWindow.triggerDefaultAction()
    Keys.onEnterPressed: mainWindow.triggerDefaultAction()
    Keys.onEscapePressed: { contactList.searchField.text = ""; contactList.searchField.forceActiveFocus(); }
    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))) {
            contactList.scene.currentRowMenu(contactList);
            mainWindow.showCurrentContactMenu();
            event.accepted = true;
        }
    }

    // A number typed into the search field can be called as it stands:
    // the first row offers it (the service puts it through to its owner).
    header: Rectangle {
        id: dialRow
        objectName: "dialRow"
        readonly property bool shown: mainWindow !== null && mainWindow.dialNumber !== ""
        visible: shown
        width: contactList.width
        height: shown ? pal.controlHeight * 1.3 : 0
        color: dialMouse.containsMouse ? pal.hover : "transparent"
        Accessible.role: Accessible.Button
        Accessible.name: dialText.text
        Accessible.onPressAction: mainWindow.callDialNumber()
        ZLabel {
            id: dialText
            objectName: "dialRowText"
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter
                      leftMargin: pal.unit * 2; rightMargin: pal.unit * 2 }
            elide: Text.ElideRight
            textFormat: Text.PlainText
            text: dialRow.shown ? qsTr("Call %1").arg(mainWindow.dialNumber) + contactList.lc : ""
        }
        MouseArea {
            id: dialMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: mainWindow.callDialNumber()
        }
    }

    delegate: ContactRow {
        list: contactList
        scene: contactList.scene
        activeCommsView: contactList.activeCommsView
    }

    // Nothing listed: said so, unless a typed number is offered above (the
    // call row is a match, and its owner may be outside any list).
    ZLabel {
        objectName: "contactListEmptyText"
        anchors.centerIn: parent
        visible: contactList.count === 0 && (mainWindow === null || mainWindow.dialNumber === "")
        text: (contactList.searchField.text !== "" ? qsTr("No matching contacts") : qsTr("No contacts yet")) + contactList.lc
        color: pal.mutedText
        // What the list says in place of its rows.
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"
import "qrc:/windows/MainWindow"

// The view buttons of the left pane, one per row of the sorted left-pane
// model, in the order the provider configured, and the optional button of
// the provider's web page. A click switches the view and remembers it for
// the next session.
Column {
    id: pane
    objectName: "leftPaneButtons"

    // The item whose state names the view shown.
    property Item viewItem
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var buttons: mainWindow.leftpaneButtonsSorted
    readonly property var web: mainWindow.externalResourceButtonHelper

    spacing: ZPalette.unit * 0.75

    function viewOf(type) {
        switch (type) {
        case Vantre.LeftPaneButtonsModel.ContactsButton: return Vantre.MainView.name(Vantre.MainView.Contacts);
        case Vantre.LeftPaneButtonsModel.RoomsButton: return Vantre.MainView.name(Vantre.MainView.Rooms);
        case Vantre.LeftPaneButtonsModel.HistoryButton: return Vantre.MainView.name(Vantre.MainView.History);
        case Vantre.LeftPaneButtonsModel.DialpadButton: return Vantre.MainView.name(Vantre.MainView.Dialpad);
        case Vantre.LeftPaneButtonsModel.DirectoryButton: return Vantre.MainView.name(Vantre.MainView.Directory);
        }
        return "";
    }
    function glyphOf(type) {
        switch (type) {
        case Vantre.LeftPaneButtonsModel.ContactsButton: return "\u263A";
        case Vantre.LeftPaneButtonsModel.RoomsButton: return "#";
        case Vantre.LeftPaneButtonsModel.HistoryButton: return "\u25F7";
        case Vantre.LeftPaneButtonsModel.DialpadButton: return "\u260E";
        case Vantre.LeftPaneButtonsModel.DirectoryButton: return "\u2637";
        }
        return "\u2197";
    }
    function show(type) {
        var view = viewOf(type);
        if (view === "" || !viewItem) return;
        viewItem.state = view;
        mainWindow.leftpaneButtonsModel.lastActiveView = type;
    }

    Component.onCompleted: {
        var view = viewOf(mainWindow.leftpaneButtonsModel.lastActiveView);
        if (view !== "" && viewItem) viewItem.state = view;
    }

    Repeater {
        model: pane.buttons
        delegate: PaneButton {
            readonly property int type: model.buttonType
            readonly property bool isRooms: type === Vantre.LeftPaneButtonsModel.RoomsButton
            readonly property bool isWeb: type === Vantre.LeftPaneButtonsModel.WebButton
            objectName: "leftPaneButton" + type
            glyph: pane.glyphOf(type)
            tip: isWeb ? (pane.web ? pane.web.tooltip : "")
                       : (isRooms ? qsTr("Rooms") + pane.lc : model.toolTip + pane.lc)
            // Rooms need the chat service, and rooms or My Room to go to.
            enabled: isWeb ? (pane.web !== null && pane.web.enabled)
                           : (!isRooms || (mainWindow.xmppConnected
                                           && (mainWindow.hasProjectRooms || mainWindow.hasMyRoom)))
            opacity: enabled ? 1 : 0.4
            selected: !isWeb && pane.viewItem !== null && pane.viewItem.state === pane.viewOf(type)
            // The view shown is the checked one, for a screen reader as on screen.
            Accessible.checkable: !isWeb
            Accessible.checked: selected
            badge: type === Vantre.LeftPaneButtonsModel.HistoryButton ? badgeHandler.badgeCount : 0
            function open() {
                if (!enabled) return;
                if (isWeb)
                    pane.web.openLink();
                else if (isRooms && !mainWindow.hasProjectRooms)
                    mainWindow.startMyRoom();
                else
                    pane.show(type);
            }
            onClicked: open()
            // Contacts dragged here open the rooms, as a click on the
            // button does.
            Vantre.DropArea {
                objectName: "roomsDropArea"
                anchors.fill: parent
                enabled: isRooms
                mimeTypes: ["application/zent.contact", "application/zent.activecomm.contact"]
                onDragEnter: function(event) {
                    if (event.data.text !== "") event.accept(Qt.CopyAction);
                    else event.setAccepted(false);
                }
                onDrop: open()
            }
            onRightClicked: {
                if (isRooms) menuHandler.showMyRoomMenu(true);
                else if (type === Vantre.LeftPaneButtonsModel.ContactsButton) menuHandler.showContactsMenu();
                else if (type === Vantre.LeftPaneButtonsModel.HistoryButton) menuHandler.showHistoryMenu();
            }
        }
    }
}

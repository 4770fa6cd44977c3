import QtQuick 2.15
import Kelvantic 1.0
import "qrc:/controls"

// The call settings: the tabs this account can use on the left, the page
// of the current tab on the right.
Rectangle {
    id: root
    objectName: "settingsDialog"
    width: 625
    height: 450
    color: ZPalette.background

    readonly property string lc: rootWindow.languageChangeProperty
    property bool authfailed: false
    property bool mustBeClosed: false
    property int currentTabType: -1
    readonly property bool blocked: shade.opacity > 0
    // Tab switches to the next service only when pressed on the tabs: in a
    // page it goes from one field or button to the next, and an open form
    // keeps what was typed into it. The window hears the key's release, so
    // the press is noted here.
    property bool tabPressedOnMenu: false

    signal changePage(int pageNumber)
    signal closeClicked()
    signal positionChanged(real x_pos, real y_pos)
    signal addLocation(string newLocation)
    signal saveLocation(int index, bool isNewLocation)
    signal saveLocations()
    signal fetchLocationDetails(int index)
    signal saveCFUServiceData(bool active, string phoneNumber)
    signal saveCFBServiceData(bool active, string phoneNumber)
    signal saveCFNRcServiceData(bool active, string phoneNumber)
    signal saveCFNRServiceData(bool active, string phoneNumber)
    signal saveGWROServiceData(bool isActive, string targetPhone)
    signal saveDNDServiceData(bool active)
    signal saveCLIDBlockData(bool active)

    readonly property var stateNames: ["granitewayAnywhere", "remoteOffice", "callForwarding",
                                       "doNotDisturb", "hideNumber", "simultaneousRingPersonal"]
    readonly property var pages: [anywherePage, remoteOfficePage, forwardingPage,
                                  dndPage, hideNumberPage, simRingPage]

    // The keyboard into the page shown: its first field or button.
    function enterPage() {
        var page = pages[currentTabType];
        if (!page)
            return;
        var first = page.nextItemInFocusChain(true);
        for (var up = first; up; up = up.parent) {
            if (up === page) {
                first.forceActiveFocus(Qt.TabFocusReason);
                return;
            }
        }
    }

    function showErrorMessage(message) {
        console.log("Xsi server error: " + message);
        if (message === qsTr("Authentication failed")) {
            shade.opacity = 0;
            authfailed = true;
        }
        if (!messageBox.visible)
            messageBox.open(qsTr("Server Error"), message, false, true);
    }

    onChangePage: {
        if (pageNumber < 0 || pageNumber >= stateNames.length)
            return;
        currentTabType = pageNumber;
        if (pageNumber >= 1 && pageNumber <= 4)
            pages[pageNumber].pageActivated();
        state = stateNames[pageNumber];
    }

    Connections {
        target: dialog
        function onUnblockUi() { if (!messageBox.visible) shade.opacity = 0; }
        function onShowErrorMessage(message) { root.showErrorMessage(message); }
        function onChangeTab(tab, tabIndex) {
            root.changePage(tab);
            menu.currentIndex = tabIndex;
        }
        function onSwitchTab() {
            if (!root.tabPressedOnMenu)
                return;
            root.tabPressedOnMenu = false;
            if (menu.count > 0) {
                menu.currentIndex = (menu.currentIndex + 1) % menu.count;
                root.changePage(menu.model.data(menu.model.index(menu.currentIndex, 0), 258));
            }
        }
    }


    MouseArea {
        id: dragStrip
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 30
        property point last
        onPressed: last = Qt.point(mouse.x, mouse.y)
        onPositionChanged: rootWindow.moveBy(mouse.x - last.x, mouse.y - last.y)
    }

    Rectangle {
        id: menuColumn
        width: 200
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        color: ZPalette.hover
        ListView {
            id: menu
            objectName: "tabMenu"
            anchors { fill: parent; topMargin: 30 }
            interactive: false
            model: menuHeaders
            // The services as tabs, where the keyboard starts: Up and Down
            // move from one to the next and show its page, as a click does,
            // and so does Tab (on its release, which the window hears).
            // Enter, Space or Right goes into the page.
            activeFocusOnTab: true
            focus: true
            Accessible.role: Accessible.PageTabList
            Keys.onUpPressed: menu.choose(Math.max(0, menu.currentIndex - 1))
            Keys.onDownPressed: menu.choose(Math.min(menu.count - 1, menu.currentIndex + 1))
            Keys.onTabPressed: {
                root.tabPressedOnMenu = true;
                event.accepted = true;
            }
            Keys.onReturnPressed: root.enterPage()
            Keys.onEnterPressed: root.enterPage()
            Keys.onSpacePressed: root.enterPage()
            Keys.onRightPressed: root.enterPage()
            function choose(i) {
                menu.currentIndex = i;
                if (menu.currentItem) root.changePage(menu.currentItem.type);
            }
            delegate: Rectangle {
                id: tabRow
                objectName: "tabRow"
                width: menu.width
                height: 40
                readonly property int type: tabType
                readonly property bool current: tabType === root.currentTabType
                color: current ? ZPalette.accent : "transparent"
                border.width: current && menu.activeFocus ? ZPalette.focusWidth : 0
                border.color: ZPalette.accentPressed
                focus: current
                Accessible.role: Accessible.PageTab
                Accessible.name: model.tabTitle || ""
                Accessible.selectable: true
                Accessible.selected: current
                Accessible.focusable: true
                Accessible.onPressAction: menu.choose(index)
                ZLabel {
                    anchors { fill: parent; leftMargin: ZPalette.unit * 4; rightMargin: ZPalette.unit * 2 }
                    verticalAlignment: Text.AlignVCenter
                    text: model.tabTitle || ""
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    font.weight: Font.Bold
                    color: parent.current ? ZPalette.accentText : ZPalette.strongText
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    // A tab clicked takes the keyboard, as a tab does, so that
                    // it is not left in the page that went.
                    onClicked: {
                        menu.currentIndex = index;
                        root.changePage(tabType);
                        menu.forceActiveFocus(Qt.MouseFocusReason);
                    }
                }
                // The first tab shows at once, unless a page was asked for.
                Component.onCompleted: if (index === 0 && root.currentTabType < 0) root.changePage(tabType)
            }
        }
    }

    Item {
        id: pageArea
        clip: true
        anchors { left: menuColumn.right; right: parent.right; top: parent.top; bottom: footer.top
                  leftMargin: ZPalette.unit * 5; rightMargin: ZPalette.unit * 5; topMargin: 30 }

        AnywherePage {
            id: anywherePage
            anchors.fill: parent
            opacity: 0
            visible: opacity > 0
            onAskDelete: {
                deleteIndex = index;
                messageBox.open(qsTr("Deleting Location"),
                                qsTr("You are about to delete a location.\nAre you sure you want to continue?"),
                                true, false);
            }
            property int deleteIndex: -1
        }
        RemoteOfficePage { id: remoteOfficePage; anchors.fill: parent; opacity: 0; visible: opacity > 0 }
        ForwardingPage { id: forwardingPage; objectName: "forwardingPage"; anchors.fill: parent; opacity: 0; visible: opacity > 0 }
        SimpleServicePage {
            id: dndPage
            objectName: "dndPage"
            anchors.fill: parent
            opacity: 0
            visible: opacity > 0
            serviceName: "Do Not Disturb"
            checkText: qsTr("Enabled")
            description: qsTr("If you activate this service all calls will be blocked by the server. You can forward all or some calls if you choose to use other call forwarding services.")
        }
        SimpleServicePage {
            id: hideNumberPage
            objectName: "hideNumberPage"
            anchors.fill: parent
            opacity: 0
            visible: opacity > 0
            serviceName: "Calling Line ID Delivery Blocking"
            checkText: qsTr("Enable to hide number")
            description: qsTr("You can hide or display your number when calling/ communicating with other parties or contacts. Enable to hide number and disable to show number.")
        }
        SimRingPage { id: simRingPage; anchors.fill: parent; opacity: 0; visible: opacity > 0 }
    }

    states: [
        State { name: "granitewayAnywhere"; PropertyChanges { target: anywherePage; opacity: 1 } },
        State { name: "remoteOffice"; PropertyChanges { target: remoteOfficePage; opacity: 1 } },
        State { name: "callForwarding"; PropertyChanges { target: forwardingPage; opacity: 1 } },
        State { name: "doNotDisturb"; PropertyChanges { target: dndPage; opacity: 1 } },
        State { name: "hideNumber"; PropertyChanges { target: hideNumberPage; opacity: 1 } },
        State { name: "simultaneousRingPersonal"; PropertyChanges { target: simRingPage; opacity: 1 } }
    ]
    transitions: Transition {
        NumberAnimation { property: "opacity"; duration: 500; easing.type: Easing.InOutQuad }
    }

    Item {
        id: footer
        anchors { left: menuColumn.right; right: parent.right; bottom: parent.bottom }
        height: ZPalette.controlHeight + ZPalette.unit * 8
        ZButton {
            anchors { right: parent.right; verticalCenter: parent.verticalCenter; rightMargin: ZPalette.unit * 5 }
            text: qsTr("Close") + root.lc
            onClicked: root.closeClicked()
        }
    }

    Rectangle {
        id: shade
        objectName: "shade"
        anchors.fill: pageArea
        color: ZPalette.background
        opacity: 1
        visible: opacity > 0
        MouseArea { anchors.fill: parent }
        ZBusyIndicator { anchors.centerIn: parent; running: shade.visible }
        Behavior on opacity { NumberAnimation { duration: 200 } }
    }

    Popup2Buttons {
        id: messageBox
        objectName: "messageBox"
        onButtonClicked: {
            if (twoButtons && number === 0 && anywherePage.deleteIndex >= 0 && typeof gw_controller !== "undefined") {
                gw_controller.removeLocation(anywherePage.deleteIndex);
                anywherePage.editIndex = -1;
                anywherePage.editLocation = null;
            }
            anywherePage.deleteIndex = -1;
        }
        onClosed: {
            if (notifyOnClose && root.authfailed)
                dialog.close();
            else if (notifyOnClose)
                shade.opacity = 0;
        }
    }
}

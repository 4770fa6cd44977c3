import QtQuick 2.15
import "qrc:/controls"

// The main window's call-settings toolbar: the services switched in one
// click and the call settings opened on a page.
Item {
    id: toolbar
    objectName: "callSettingsToolbar"

    readonly property var helper: (typeof mainWindow !== "undefined" && mainWindow)
                                  ? mainWindow.callSettingsToolbarHelper : null
    readonly property string lc: mainWindow ? mainWindow.languageChangeProperty : ""
    readonly property string base: "qrc:/windows/MainWindow/CallSettingsToolbar/"

    visible: helper !== null && helper.toolbarEnabled
    height: visible ? 29 : 0

    // Each button as high as the bar, so that none reaches below it.
    Row {
        anchors.centerIn: parent
        height: parent.height
        spacing: 6
        ToolbarButton {
            objectName: "callSettingsButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.callSettingsEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            imageBase: toolbar.base + "callsettings"
            glyph: "\u2699"
            toolTip: qsTr("Call Settings") + toolbar.lc
            onClicked: toolbar.helper.openCallSettings()
        }
        ToolbarButton {
            id: anywhereButton
            objectName: "anywhereButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.granitewayAnywhereEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            toggles: true
            active: toolbar.helper && toolbar.helper.granitewayAnywhereActive
            imageBase: toolbar.base + "anywhere"
            glyph: "\u260E"
            toolTip: qsTr("Graniteway Anywhere") + toolbar.lc
            onClicked: {
                toolbar.helper.setMenuButton(anywhereButton);
                toolbar.helper.showGranitewayAnywhereMenu();
            }
        }
        ToolbarButton {
            id: remoteOfficeButton
            objectName: "remoteOfficeButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.remoteOfficeEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            toggles: true
            active: toolbar.helper && toolbar.helper.remoteOfficeActive
            imageBase: toolbar.base + "remoteoffice"
            glyph: "\u2302"
            toolTip: qsTr("Remote Office") + toolbar.lc
            onClicked: {
                toolbar.helper.setMenuButton(remoteOfficeButton);
                toolbar.helper.showRemoteOfficeMenu();
            }
        }
        ToolbarButton {
            id: simultaneousRingButton
            objectName: "simultaneousRingButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.simultaneousRingEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            imageBase: toolbar.base + "simring"
            glyph: "\u2261"
            toolTip: qsTr("Simultaneous Ring") + toolbar.lc
            onClicked: {
                toolbar.helper.setMenuButton(simultaneousRingButton);
                toolbar.helper.showSimultaneousRingMenu();
            }
        }
        ToolbarButton {
            id: forwardingButton
            objectName: "forwardingButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.callForwardingEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            toggles: true
            active: toolbar.helper && toolbar.helper.callForwardingActive
            imageBase: toolbar.base + "callforward"
            glyph: "\u21AA"
            toolTip: qsTr("Call Forwarding") + toolbar.lc
            onClicked: {
                toolbar.helper.setMenuButton(forwardingButton);
                toolbar.helper.showForwardingMenu();
            }
        }
        ToolbarButton {
            objectName: "doNotDisturbButton"
            height: parent.height
            visible: toolbar.helper && toolbar.helper.doNotDisturbEnabled
            enabled: toolbar.helper && !toolbar.helper.sessionOffline
            toggles: true
            active: toolbar.helper && toolbar.helper.doNotDisturbActive
            imageBase: toolbar.base + "dnd"
            glyph: "\u26D4"
            toolTip: qsTr("Do Not Disturb") + toolbar.lc
            onClicked: toolbar.helper.doNotDisturbActive = !toolbar.helper.doNotDisturbActive
        }
    }
}

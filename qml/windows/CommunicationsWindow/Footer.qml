import QtQuick 2.15
import "qrc:/controls"

// The strip under every communications window: the last share error, or
// what the session is doing.
Rectangle {
    id: footer
    color: ZPalette.disabledBackground
    readonly property string lc: rootWindow.languageChangeProperty
    // The status tip is asked for again whenever the panes are laid out anew.
    property int activity: 0
    Connections {
        target: rootWindow
        function onLayoutChanged() { footer.activity++ }
    }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 1
        color: ZPalette.border
    }
    ZLabel {
        objectName: "footerText"
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.right: videoToggle.left
        anchors.leftMargin: ZPalette.unit * 2
        elide: Text.ElideRight
        color: rootWindow.ussError !== "" ? ZPalette.error : ZPalette.mutedText
        text: rootWindow.ussError !== "" ? rootWindow.ussError
              : (footer.activity >= 0 && rootWindow.session && rootWindow.commsSessionUiHelper
                 ? rootWindow.commsSessionUiHelper.getCommunicationStatusTip(rootWindow.session) : "")
    }
    ZLink {
        id: videoToggle
        objectName: "ownVideoToggle"
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: optionsLink.left
        anchors.rightMargin: ZPalette.unit * 2
        visible: rootWindow.session !== null && rootWindow.session.isVideoCall
        text: (rootWindow.showOwnVideo ? qsTr("Hide my video") : qsTr("Show my video")) + footer.lc
        onClicked: rootWindow.toggleShowOwnVideo()
    }
    // The window's options menu: the call, the chat, the party and the window.
    ZLink {
        id: optionsLink
        objectName: "optionsMenuButton"
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2
        font.bold: rootWindow.optionsMenuVisible
        text: qsTr("Options") + footer.lc
        onClicked: rootWindow.showOptionsMenu()
    }
}

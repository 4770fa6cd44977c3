import QtQuick 2.15
import "qrc:/controls"

// The security classification of the conversation, across the window's top.
Rectangle {
    id: bar
    color: ZPalette.accent
    readonly property string lc: rootWindow.languageChangeProperty
    property string current: rootWindow.session ? rootWindow.session.currentCallSecurityClassification() : ""

    Connections {
        target: rootWindow.session
        ignoreUnknownSignals: true
        function onCallSecurityClassificationChanged() {
            bar.current = rootWindow.session.currentCallSecurityClassification()
        }
    }
    ZLabel {
        anchors.centerIn: parent
        color: ZPalette.accentText
        text: (bar.current !== "" ? bar.current : qsTr("Unclassified")) + bar.lc
    }
    // Where the service classifies calls, a click chooses the classification.
    MouseArea {
        objectName: "classificationArea"
        anchors.fill: parent
        enabled: typeof callClassificationsModel !== "undefined" && callClassificationsModel !== null
        cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: rootWindow.openMenu(rootWindow.callClassificationsMenu())
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The security classification of the conversation, across the window's top.
Rectangle {
    id: bar
    color: ZPalette.accent
    readonly property string lc: rootWindow.languageChangeProperty
    property string current: rootWindow.session ? rootWindow.session.currentCallSecurityClassification() : ""
    readonly property var classifications: (typeof callClassificationsModel !== "undefined") ? callClassificationsModel : null

    Connections {
        target: rootWindow.session
        ignoreUnknownSignals: true
        function onCallSecurityClassificationChanged() {
            bar.current = rootWindow.session.currentCallSecurityClassification()
        }
    }
    Connections {
        target: rootWindow
        function onLanguageChanged() { classificationMenu.updateLanguage() }
    }

    // The classifications the service allows, the call's own one marked
    // "(Current Call)".
    Vantre.SecurityClassificationMenu {
        id: classificationMenu
        objectName: "classificationMenu"
        model: bar.classifications
        onTriggered: function(action) { rootWindow.callClassificationsMenuTriggered(action) }
    }
    onCurrentChanged: classificationMenu.setInCallSecurityClassification(current)
    Component.onCompleted: classificationMenu.setInCallSecurityClassification(current)

    ZLabel {
        anchors.centerIn: parent
        color: ZPalette.accentText
        text: (bar.current !== "" ? bar.current : qsTr("Unclassified")) + bar.lc
    }
    // Where the service classifies calls, a click chooses the classification.
    MouseArea {
        objectName: "classificationArea"
        anchors.fill: parent
        enabled: bar.classifications !== null
        cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            var p = bar.mapToItem(null, 0, bar.height);
            classificationMenu.showPopup(Qt.point(p.x, p.y));
        }
    }
}

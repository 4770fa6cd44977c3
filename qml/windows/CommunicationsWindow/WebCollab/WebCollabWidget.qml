import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The shared screen: while the user views somebody's share, the frames,
// letterboxed in the pane; while the user presents, a note saying so.
Rectangle {
    id: share
    color: ZPalette.shade
    readonly property string lc: rootWindow.languageChangeProperty
    property var collab: null
    property int collabState: collab ? collab.state : Vantre.WebcollabBase.StateIdle

    function refresh() {
        share.collab = rootWindow.session ? rootWindow.session.getWebCollab() : null
    }
    Component.onCompleted: refresh()
    Connections {
        target: rootWindow.session
        ignoreUnknownSignals: true
        function onShareAvailableChanged() { share.refresh() }
    }
    Connections {
        target: share.collab
        ignoreUnknownSignals: true
        function onStateChanged() { share.collabState = share.collab.state }
    }

    // Viewing a share, or joined as a party.
    readonly property bool viewing: collab !== null && !collab.owner
                                    && (collabState === Vantre.WebcollabBase.ViewingShare
                                        || collabState === Vantre.WebcollabBase.Joined)

    // The window fills the screen while somebody's screen shows in it, and
    // returns to its size when the share stops (or the pane is left).
    onViewingChanged: {
        if (viewing) return
        rootWindow.restoreAfterShare()
        // A closed share of the older library ends the session's share (what
        // its viewer's endSession asks for): the pane may have let go of the
        // viewer before the viewer heard of the end.
        if (collab && !collab.isUsingNewLibrary() && !collab.owner
            && collabState === Vantre.WebcollabBase.StateClosed)
            share.endSession()
    }
    function shareStarted(frames) {
        frames.resizeViewShare(frames.parent.width, frames.parent.height)
        rootWindow.maximizeForShare()
    }
    function shareStopped() { rootWindow.restoreAfterShare() }
    function endSession() { rootWindow.endShare() }

    Loader {
        id: viewer
        anchors.fill: parent
        active: share.viewing
        // Frames as pictures from the newer sharing library, else the
        // older library's viewer.
        sourceComponent: share.collab && share.collab.isUsingNewLibrary() ? ussViewer : oldViewer
    }
    Component {
        id: ussViewer
        Item {
            Vantre.ViewShareUss {
                id: frames
                objectName: "shareFrames"
                webcollab: share.collab
                // Letterboxed: the largest box of the share's proportions.
                readonly property real ratio: aspectRatio > 0 ? aspectRatio : 1
                width: Math.min(parent.width, parent.height * ratio)
                height: Math.min(parent.height, parent.width / ratio)
                anchors.centerIn: parent
                onShareStarted: share.shareStarted(frames)
                onShareStopped: share.shareStopped()
            }
            onWidthChanged: frames.resizeViewShare(width, height)
            onHeightChanged: frames.resizeViewShare(width, height)
        }
    }
    Component {
        id: oldViewer
        Item {
            Vantre.ViewShare {
                id: frames
                objectName: "shareFrames"
                webcollab: share.collab
                readonly property real ratio: aspectRatio > 0 ? aspectRatio : 1
                width: Math.min(parent.width, parent.height * ratio)
                height: Math.min(parent.height, parent.width / ratio)
                anchors.centerIn: parent
                onShareStarted: share.shareStarted(frames)
                onShareStopped: share.shareStopped()
                onEndSession: share.endSession()
            }
            onWidthChanged: frames.resizeViewShare(width, height)
            onHeightChanged: frames.resizeViewShare(width, height)
        }
    }
    // Presenting: said so, with the way to stop.
    readonly property bool presenting: collab !== null && collab.owner
                                       && collabState === Vantre.WebcollabBase.Sharing
    Column {
        anchors.centerIn: parent
        spacing: ZPalette.unit * 2
        visible: !share.viewing
        ZLabel {
            objectName: "shareStatus"
            x: (parent.width - width) / 2
            color: ZPalette.accentText
            text: (share.presenting ? qsTr("You are sharing your desktop")
                                    : qsTr("Waiting for the shared screen...")) + share.lc
        }
        ZButton {
            objectName: "stopShareButton"
            x: (parent.width - width) / 2
            visible: share.presenting
            text: qsTr("Stop Sharing") + share.lc
            onClicked: share.endSession()
        }
    }
}

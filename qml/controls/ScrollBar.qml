import QtQuick 2.15

// A vertical scroll bar for a Flickable: shown while the content is taller
// than the view; the handle can be dragged, a click beside it pages.
Rectangle {
    id: bar

    property Flickable flickable: null
    readonly property real contentHeight: flickable ? flickable.contentHeight : 0
    readonly property real viewHeight: flickable ? flickable.height : 0
    readonly property real maxContentY: Math.max(0, contentHeight - viewHeight)
    readonly property real span: Math.max(1, height - handle.height)

    width: ZPalette.unit * 2
    visible: maxContentY > 0
    color: ZPalette.hover

    function scrollTo(y) {
        if (flickable) flickable.contentY = Math.max(0, Math.min(maxContentY, y));
    }

    Rectangle {
        id: handle
        objectName: "scrollBarHandle"
        x: 1
        width: parent.width - 2
        radius: width / 2
        height: Math.max(ZPalette.unit * 4, bar.height * bar.viewHeight / Math.max(1, bar.contentHeight))
        y: bar.flickable ? bar.span * bar.flickable.contentY / Math.max(1, bar.maxContentY) : 0
        color: area.grab >= 0 ? ZPalette.strongDivider : ZPalette.divider
    }
    MouseArea {
        id: area
        anchors.fill: parent
        // Where in the handle it was taken (-1: not dragging).
        property real grab: -1
        onPressed: {
            if (mouse.y >= handle.y && mouse.y <= handle.y + handle.height) {
                grab = mouse.y - handle.y;
                return;
            }
            bar.scrollTo(bar.flickable.contentY + (mouse.y < handle.y ? -bar.viewHeight : bar.viewHeight));
        }
        onPositionChanged: if (grab >= 0) bar.scrollTo((mouse.y - grab) / bar.span * bar.maxContentY)
        onReleased: grab = -1
    }
}

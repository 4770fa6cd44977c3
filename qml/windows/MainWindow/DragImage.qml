import QtQuick 2.15
import "qrc:/controls"

// What a drag from the main window's lists shows under the pointer: the
// names of what it carries, one a line, the selected contacts first and then
// the parties of the selected running communications.
Rectangle {
    id: image
    objectName: "dragImage"
    readonly property var names: {
        var list = [];
        var add = function(objects) {
            for (var i = 0; i < objects.length; ++i)
                if (objects[i] && objects[i].displayName !== undefined)
                    list.push(objects[i].displayName);
        };
        add(selectionHandler.selection);
        add(activeSelectionHandler.selectionAsContacts());
        return list;
    }
    // Measured here, not read from the laid-out names: the picture is taken
    // as soon as the item exists, before a layout pass has run.
    readonly property real textWidth: {
        var widest = 0;
        for (var i = 0; i < names.length; ++i)
            widest = Math.max(widest, metrics.advanceWidth(names[i]));
        return Math.ceil(widest);
    }
    width: textWidth + ZPalette.unit * 2
    height: lines.height + ZPalette.unit * 2
    color: ZPalette.surface
    border.color: ZPalette.border
    radius: ZPalette.radius

    Component.onCompleted: lines.forceLayout()
    FontMetrics {
        id: metrics
        font: ZPalette.body
    }

    Column {
        id: lines
        x: ZPalette.unit
        y: ZPalette.unit
        spacing: ZPalette.unit
        Repeater {
            model: image.names
            ZLabel {
                text: modelData
                color: ZPalette.surfaceText
            }
        }
    }
}

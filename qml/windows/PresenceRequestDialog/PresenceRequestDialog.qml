import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

Rectangle {
    id: root
    readonly property string lc: rootWindow.languageChangeProperty
    width: 450
    height: 130
    color: ZPalette.background

    // A row holds its two lines and its buttons whatever the text size;
    // the window is as tall as its rows and the heading need, with the
    // three margins around and between them.
    readonly property int rowHeight: Math.ceil(Math.max(50, measuredLines.implicitHeight,
                                                        measuredButton.implicitHeight)
                                               + ZPalette.unit * 2)
    Column {
        id: measuredLines
        visible: false
        ZLabel { text: "Xg" }
        ZLabel { text: "Xg"; type: ZPalette.caption }
    }
    ZButton { id: measuredButton; visible: false; text: "Xg"; Accessible.ignored: true }
    Binding { target: rootWindow; property: "itemHeight"; value: root.rowHeight }
    Binding { target: rootWindow; property: "heightExtraSpacing"; value: Math.ceil(heading.height) + ZPalette.unit * 9 }

    ZLabel {
        id: heading
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 3 }
        wrapMode: Text.WordWrap
        color: ZPalette.strongText
        Accessible.role: Accessible.StaticText
        // Said with who asks: a reader opening the dialog reads its
        // sentences and passes over a name of one or two words.
        Accessible.name: text + " " + askers.names().join(", ")
        text: (list.count > 1 ? qsTr("The following users want to share presence information with you:")
                              : qsTr("The following user wants to share presence information with you:")) + lc
    }
    // Who asks, all of them, also those the list has scrolled away.
    Repeater {
        id: askers
        model: rootWindow.model
        delegate: Item { readonly property string name: model.displayName; visible: false }
        function names() {
            var out = [];
            for (var i = 0; i < count; ++i)
                if (itemAt(i) && itemAt(i).name !== "") out.push(itemAt(i).name);
            return out;
        }
    }
    ListView {
        id: list
        anchors { left: parent.left; right: parent.right; top: heading.bottom; bottom: parent.bottom; margins: ZPalette.unit * 3 }
        clip: true
        model: rootWindow.model
        // The first request's Accept, drawn as the default, is the one Enter
        // and Space press; Tab goes on through the others.
        focus: true
        delegate: FocusScope {
            objectName: "requestRow"
            focus: ListView.isCurrentItem
            width: list.width
            height: root.rowHeight
            Column {
                anchors { left: parent.left; right: buttons.left; verticalCenter: parent.verticalCenter }
                // Read before the answers, as who asks is seen beside them.
                ZLabel { width: parent.width; text: model.displayName; elide: Text.ElideRight; color: ZPalette.strongText
                         Accessible.role: Accessible.StaticText; Accessible.name: text }
                ZLabel { width: parent.width; text: model.jid; elide: Text.ElideRight; type: ZPalette.caption
                         color: ZPalette.mutedText
                         Accessible.role: Accessible.StaticText; Accessible.name: text }
            }
            Row {
                id: buttons
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                spacing: ZPalette.unit
                ZButton { objectName: "acceptButton"; primary: true; focus: true; text: qsTr("Accept") + lc
                          onClicked: rootWindow.add(model.contact) }
                ZButton { objectName: "ignoreButton"; text: qsTr("Ignore") + lc
                          onClicked: rootWindow.ignore(model.contact) }
            }
        }
    }
}

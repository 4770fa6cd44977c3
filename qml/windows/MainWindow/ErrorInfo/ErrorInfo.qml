import QtQuick 2.15
import "qrc:/controls"

// The error banner: one 20-pixel row per current service problem, its
// title and, when there is more to say, a "More" link that opens the
// explanation. Titles come from the program; shown as plain text anyway.
Column {
    id: banner
    objectName: "errorBanner"

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property QtObject pal: ZPalette
    readonly property var errors: (typeof errorInfoModel !== "undefined") ? errorInfoModel : null

    visible: repeater.count > 0

    Repeater {
        id: repeater
        model: banner.errors
        delegate: Rectangle {
            objectName: "errorRow"
            width: banner.width
            height: banner.pal.unit * 5
            color: banner.pal.errorBackground
            Accessible.role: Accessible.AlertMessage
            Accessible.name: model.display

            ZLabel {
                anchors { left: parent.left; leftMargin: banner.pal.unit * 2; right: more.left
                          rightMargin: banner.pal.unit; verticalCenter: parent.verticalCenter }
                text: model.display
                elide: Text.ElideRight
                color: banner.pal.error
                type: ZPalette.caption
            }
            // Reached with Tab and followed with Space or Enter, or by a
            // screen reader's press, as a click does.
            ZLink {
                id: more
                objectName: "errorMoreLink"
                anchors { right: parent.right; rightMargin: banner.pal.unit * 2; verticalCenter: parent.verticalCenter }
                visible: model.statusTip !== undefined && model.statusTip !== ""
                width: visible ? implicitWidth : 0
                text: qsTr("More") + banner.lc
                font.underline: true
                onClicked: banner.errors.showExtendedInfo(index)
            }
            Rectangle { anchors { left: parent.left; right: parent.right; bottom: parent.bottom } height: 1; color: banner.pal.border }
        }
    }
}

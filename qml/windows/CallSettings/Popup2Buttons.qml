import QtQuick 2.15
import "qrc:/controls"

// The call settings' message box: a title, a text and one or two buttons
// ("Ok" is button 0, "Cancel" button 1). It grows in from nothing.
Item {
    id: popup

    property string title
    property string text
    property bool twoButtons: false
    property bool notifyOnClose: false
    readonly property bool shown: visible

    signal buttonClicked(int number)
    signal closed()

    function open(titleText, messageText, withCancel, notify) {
        title = titleText;
        text = messageText;
        twoButtons = withCancel;
        notifyOnClose = notify;
        visible = true;
        box.scale = 0;
        grow.restart();
        okButton.forceActiveFocus();
    }
    function answer(number) {
        visible = false;
        buttonClicked(number);
        closed();
    }

    anchors.fill: parent
    visible: false
    z: 100


    Rectangle {
        anchors.fill: parent
        color: ZPalette.shade
        opacity: 0.25
        MouseArea { anchors.fill: parent }
    }

    Rectangle {
        id: box
        objectName: "messageBox"
        width: 381
        height: Math.max(161, content.implicitHeight + ZPalette.unit * 8)
        anchors.centerIn: parent
        radius: ZPalette.radius * 2
        color: ZPalette.background
        border.color: ZPalette.border

        NumberAnimation on scale {
            id: grow
            from: 0
            to: 1
            duration: 500
            easing.type: Easing.OutBack
            running: false
        }

        Column {
            id: content
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: ZPalette.unit * 4 }
            spacing: ZPalette.unit * 2
            ZLabel {
                width: parent.width
                text: popup.title
                type: ZPalette.title
                color: ZPalette.strongText
                elide: Text.ElideRight
            }
            ZLabel {
                objectName: "messageText"
                width: parent.width
                text: popup.text
                wrapMode: Text.Wrap
            }
        }
        Row {
            anchors { right: parent.right; bottom: parent.bottom; margins: ZPalette.unit * 4 }
            spacing: ZPalette.unit * 2
            ZButton {
                id: okButton
                text: qsTr("Ok") + rootWindow.languageChangeProperty
                primary: true
                onClicked: popup.answer(0)
            }
            ZButton {
                visible: popup.twoButtons
                text: qsTr("Cancel") + rootWindow.languageChangeProperty
                onClicked: popup.answer(1)
            }
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// Simultaneous ring: the numbers that ring with the user's phone. The list
// is edited here and sent with "OK"; a failed save keeps it as edited.
Item {
    id: page
    objectName: "simRingPage"

    property var controller: (typeof sim_ring_controller !== "undefined") ? sim_ring_controller : null
    property string message: ""
    readonly property string lc: rootWindow.languageChangeProperty

    function pageActivated() {}
    // Checks the list and sends it; false when nothing was sent.
    function save() {
        var problem = dialog.checkRingLocations();
        if (problem !== "") {
            message = qsTr("Service update error") + ": " + problem;
            return false;
        }
        message = "";
        root.saveLocations();
        return true;
    }

    Connections {
        target: page.controller
        ignoreUnknownSignals: true
        function onSaved() { page.message = ""; }
    }


    Column {
        anchors.fill: parent
        spacing: 8
        PageText {
            small: true
            color: ZPalette.mutedText
            text: qsTr("This service allows you to list up to 10 phone numbers or SIP URI addresses you would like to ring in addition to your primary phone when you receive a call. This feature is helpful when you are not at your phone but you would like your cell phone to ring when you get a call. You can also turn this service off at your desk on a call.") + page.lc
        }
        ZCheckBox {
            objectName: "simRingEnabled"
            text: qsTr("Enabled") + page.lc
            checked: page.controller ? page.controller.simRingMainActive : false
            onToggled: if (page.controller) page.controller.simRingMainActive = checked
        }
        ZCheckBox {
            objectName: "doNotRingBox"
            width: parent.width
            wrap: true
            text: qsTr("Do not ring my simultaneously ringing numbers if I'm already on a call.") + page.lc
            checked: page.controller ? page.controller.doNotRingActive : false
            onToggled: if (page.controller) page.controller.doNotRingActive = checked
        }
        Row {
            width: parent.width
            PageText { width: parent.width * 0.6; strong: true; text: qsTr("Phone Number / SIP-URI") + page.lc }
            PageText {
                width: parent.width * 0.4
                strong: true
                visible: rootWindow.answerConfirmationSupported
                text: qsTr("Answer confirmation required") + page.lc
            }
        }
        ListView {
            id: numbers
            width: parent.width
            height: Math.min(contentHeight, 96)
            clip: true
            interactive: contentHeight > height
            model: page.controller ? page.controller.locations : null
            delegate: Row {
                width: numbers.width
                height: 30
                spacing: ZPalette.unit
                ZTextField {
                    width: numbers.width * 0.6 - ZPalette.unit
                    height: 26
                    maximumLength: 128
                    text: model.number
                    onTextChanged: if (text !== model.number) page.controller.setRingLocation(index, text, model.answerConfirmation)
                }
                Item {
                    width: numbers.width * 0.25
                    height: parent.height
                    ZCheckBox {
                        anchors.verticalCenter: parent.verticalCenter
                        visible: rootWindow.answerConfirmationSupported
                        checked: model.answerConfirmation
                        onToggled: page.controller.setRingLocation(index, model.number, checked)
                    }
                }
                ZButton {
                    height: 26
                    width: 30
                    text: "\u2715"
                    Accessible.name: qsTr("Remove") + page.lc
                    onClicked: page.controller.removeRingLocation(index)
                }
            }
        }
        Row {
            spacing: ZPalette.unit * 2
            ZButton {
                height: 26
                text: qsTr("Add Number") + page.lc
                enabled: page.controller !== null && numbers.count < 10
                onClicked: page.controller.addRingLocation("", false)
            }
            ZButton {
                objectName: "simRingOk"
                height: 26
                primary: true
                text: qsTr("OK") + page.lc
                enabled: page.controller !== null && !page.controller.busy
                onClicked: page.save()
            }
        }
        PageText { objectName: "simRingMessage"; problem: true; text: page.message }
    }
}

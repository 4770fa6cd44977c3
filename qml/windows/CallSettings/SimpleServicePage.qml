import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// A service that is only on or off (do not disturb, hide number): the box
// pushes the change at once; a failed push puts back what the service holds.
Item {
    id: page

    property string serviceName
    property string description
    property string checkText
    property var service: null
    property bool pushing: false
    property string message: ""
    readonly property string lc: rootWindow.languageChangeProperty

    function findService() {
        service = (typeof ss_ctrl2 !== "undefined" && ss_ctrl2) ? ss_ctrl2.getServiceByName(serviceName) : null;
        sync();
    }
    function sync() { box.checked = service !== null && service.state === Vantre.XsiService.StateOn; }
    function pageActivated() {
        findService();
        message = "";
        if (service && service.activity === Vantre.XsiService.Idle && service.state === Vantre.XsiService.StateUnknown)
            service.fetch();
    }
    function setEnabled(on) {
        if (!service || pushing)
            return;
        message = "";
        pushing = true;
        service.setState(on ? Vantre.XsiService.StateOn : Vantre.XsiService.StateOff);
        service.push();
    }


    Connections {
        target: page.service
        ignoreUnknownSignals: true
        function onChanged() { page.sync(); }
        function onReady() { page.pushing = false; page.sync(); }
        function onError(error_str) {
            var suffix = error_str !== "" ? ": " + error_str : "";
            if (page.pushing) {
                page.pushing = false;
                page.message = qsTr("Service update error") + suffix;
                page.service.rollback();
                page.service.fetch();
            } else {
                page.message = qsTr("Service fetch error") + suffix;
            }
        }
    }

    Column {
        anchors.fill: parent
        spacing: 12
        PageText { small: true; color: ZPalette.mutedText; text: page.description + page.lc }
        ZCheckBox {
            id: box
            objectName: "serviceCheck"
            text: page.checkText + page.lc
            enabled: page.service !== null && page.service.state !== Vantre.XsiService.StateUnknown && !page.pushing
            onToggled: page.setEnabled(checked)
        }
        PageText {
            objectName: "serviceStatus"
            text: page.service === null ? qsTr("Service is not available for this account") + page.lc
                  : (page.service.state === Vantre.XsiService.StateUnknown ? qsTr("Fetching service state...") + page.lc : "")
        }
        PageText { objectName: "serviceMessage"; problem: true; text: page.message }
    }
}

import QtQuick 2.15
import Vantre 1.0 as Vantre
import Kelvantic 1.0 as Kelvantic
import "qrc:/controls"

// One forwarding or remote-office service: its state and number, and a
// form to change both. What the user typed stays in the form until it is
// saved; a failed save shows why, and the line above it shows what the
// service still holds.
FocusScope {
    id: item

    property string serviceName
    property string label
    property string attributeName: "forwardToPhoneNumber"
    property bool remoteOffice: false
    property var service: null
    property bool editing: false
    property bool saving: false
    property string message: ""
    property alias editEnabled: enableBox.checked
    property alias editNumber: numberField.text
    readonly property bool available: service !== null
    readonly property int serviceState: service ? service.state : Vantre.XsiService.StateUnknown
    readonly property string lc: rootWindow.languageChangeProperty
    property int revision: 0
    readonly property string shownNumber: (revision, service ? service.attribute(attributeName) : "")

    signal editingStarted()

    function findService() {
        service = (typeof ss_ctrl2 !== "undefined" && ss_ctrl2) ? ss_ctrl2.getServiceByName(serviceName) : null;
    }
    function pageActivated() {
        findService();
        if (service && service.activity === Vantre.XsiService.Idle && service.state === Vantre.XsiService.StateUnknown)
            service.fetch();
    }
    function startEditing() {
        if (!service)
            return;
        enableBox.checked = serviceState === Vantre.XsiService.StateOn;
        numberField.text = shownNumber;
        message = "";
        editing = true;
        editingStarted();
        numberField.forceActiveFocus();
    }
    function cancel() {
        enableBox.checked = serviceState === Vantre.XsiService.StateOn;
        numberField.text = shownNumber;
        message = "";
        closeForm();
    }
    // A form closed (saved or cancelled) from the keyboard hands it back to
    // the button that opened it, rather than to a field no longer shown.
    function closeForm() {
        var hadKeys = form.activeFocus;
        editing = false;
        if (hadKeys)
            editButton.forceActiveFocus(Qt.OtherFocusReason);
    }
    // Checks and pushes the form; false when nothing was pushed.
    function save() {
        if (!service || saving)
            return false;
        var number = numberField.text.trim();
        var problem = remoteOffice ? dialog.checkRemoteOffice(enableBox.checked, number)
                                   : dialog.checkForwarding(number);
        if (problem !== "") {
            message = qsTr("Service update error") + ": " + problem;
            return false;
        }
        // A service without a number cannot forward anywhere: it is saved off.
        var active = enableBox.checked && number !== "";
        message = "";
        saving = true;
        service.setState(active ? Vantre.XsiService.StateOn : Vantre.XsiService.StateOff);
        service.setValue(number, attributeName);
        service.push();
        return true;
    }
    readonly property bool changed: editing && (enableBox.checked !== (serviceState === Vantre.XsiService.StateOn)
                                                || numberField.text !== shownNumber)

    implicitHeight: editing ? 110 + (message !== "" ? messageText.implicitHeight : 0) : 30
    clip: true


    Connections {
        target: item.service
        ignoreUnknownSignals: true
        function onChanged() { item.revision++; }
        function onReady() {
            item.revision++;
            if (item.saving) {
                item.saving = false;
                item.closeForm();
            }
        }
        function onError(error_str) {
            var suffix = error_str !== "" ? ": " + error_str : "";
            if (item.saving) {
                item.saving = false;
                item.message = qsTr("Service update error") + suffix;
                item.service.rollback();
                item.service.fetch();
            } else {
                item.message = qsTr("Service fetch error") + suffix;
            }
        }
    }

    Row {
        id: summary
        width: parent.width
        height: 30
        spacing: ZPalette.unit * 2
        ZLabel {
            objectName: "summary"
            width: parent.width - editButton.width - parent.spacing
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            color: ZPalette.strongText
            text: {
                var t = item.label + item.lc;
                if (!item.service)
                    return t + qsTr("Service is not available for this account") + item.lc;
                if (item.serviceState === Vantre.XsiService.StateUnknown)
                    return t + qsTr("Fetching service state...") + item.lc;
                if (item.serviceState !== Vantre.XsiService.StateOn)
                    return t + qsTr("Disabled ") + item.lc;
                t += qsTr("Enabled ") + item.lc;
                if (item.shownNumber !== "")
                    t += qsTr("to ") + item.lc + item.shownNumber;
                return t;
            }
        }
        ZButton {
            id: editButton
            objectName: "editButton"
            width: 34
            height: 26
            anchors.verticalCenter: parent.verticalCenter
            text: "\u270E"
            enabled: item.available && item.serviceState !== Vantre.XsiService.StateUnknown && !item.editing
            onClicked: {
                editTip.hideToolTip();
                item.startEditing();
            }
            // The pen alone does not say what it does.
            onHoveredChanged: hovered ? editTip.showToolTip(Accessible.name) : editTip.hideToolTip()
            Accessible.name: qsTr("Edit") + item.lc
            Kelvantic.ToolTip { id: editTip }
        }
    }

    FocusScope {
        id: form
        anchors { left: parent.left; right: parent.right; top: summary.bottom; leftMargin: ZPalette.unit * 4 }
        height: formContent.implicitHeight
        visible: item.editing
        Column {
            id: formContent
            width: parent.width
            spacing: ZPalette.unit
            ZCheckBox { id: enableBox; objectName: "enableServiceBox"; text: qsTr("Enable service") + item.lc }
            Row {
                spacing: ZPalette.unit * 2
                ZTextField {
                    id: numberField
                    objectName: "serviceNumberField"
                    width: 150
                    height: 26
                    maximumLength: 64
                    placeholderText: qsTr("Phone number") + item.lc
                    error: item.message !== ""
                    onAccepted: item.save()
                }
                ZButton {
                    height: 26
                    width: 90
                    text: qsTr("Save") + item.lc
                    primary: true
                    enabled: item.changed && !item.saving
                    onClicked: item.save()
                }
                ZButton {
                    height: 26
                    width: 90
                    text: qsTr("Cancel") + item.lc
                    enabled: !item.saving
                    onClicked: item.cancel()
                }
            }
            PageText { id: messageText; objectName: "itemMessage"; problem: true; text: item.message }
        }
    }
}

import QtQuick 2.15
import "qrc:/controls"

// Anywhere locations: the phones that ring as extensions of the user's line.
Item {
    id: page
    objectName: "anywherePage"

    property var controller: (typeof gw_controller !== "undefined") ? gw_controller : null
    property bool adding: false
    property int editIndex: -1
    property var editLocation: null
    property bool waitingForDetails: false
    property string message: ""
    property alias newNumber: newNumberField.text
    readonly property string lc: rootWindow.languageChangeProperty

    signal askDelete(int index)

    // Scrolls the page so that `target` (an item of the page) shows whole.
    function ensureShown(target) {
        if (!target || !target.visible)
            return;
        var top = target.mapToItem(content, 0, 0).y;
        var bottom = top + target.height;
        if (bottom > scroller.contentY + scroller.height)
            scroller.contentY = Math.min(bottom - scroller.height,
                                         Math.max(0, scroller.contentHeight - scroller.height));
        if (top < scroller.contentY)
            scroller.contentY = Math.max(0, top);
    }
    // What has to come into view whole: the form that opens below the list
    // with its buttons, the row that adds a number, a message. The page lays
    // itself out only after the form shows, so it is brought into view again
    // as long as the page grows, until the user scrolls it.
    property Item wantsShown: null
    function bringIntoView(target) {
        wantsShown = target;
        ensureShown(target);
    }
    onEditLocationChanged: if (editLocation) bringIntoView(editForm)
    onAddingChanged: if (adding) bringIntoView(addRow)
    onMessageChanged: if (message !== "") bringIntoView(messageText)

    function pageActivated() {}
    // Checks the new number and asks the service to add it; false when
    // nothing was sent.
    function addNew() {
        var problem = dialog.checkAnywhereLocation(newNumberField.text);
        if (problem !== "") {
            message = qsTr("Service update error") + ": " + problem;
            return false;
        }
        message = "";
        root.addLocation(newNumberField.text.trim());
        adding = false;
        newNumberField.text = "";
        return true;
    }
    function configure(index) {
        message = "";
        editIndex = index;
        editLocation = null;
        waitingForDetails = true;
        root.fetchLocationDetails(index);
    }
    function saveDetails() {
        if (!editLocation)
            return;
        editLocation.description = descriptionField.text.trim();
        editLocation.diversionInhibitor = diversionBox.checked;
        editLocation.answerConfirmation = confirmationBox.checked;
        editLocation.callControl = controlBox.checked;
        editLocation.criteriaActive = criteriaBox.checked;
        root.saveLocation(editIndex, false);
        editIndex = -1;
        editLocation = null;
    }

    Connections {
        target: page.controller
        ignoreUnknownSignals: true
        function onDetailsReady(index) {
            if (!page.waitingForDetails || index !== page.editIndex)
                return;
            page.waitingForDetails = false;
            page.editLocation = locationList.model ? page.controller.locations.data(
                page.controller.locations.index(index, 0), 268) : null;
            if (page.editLocation) {
                descriptionField.text = page.editLocation.description;
                diversionBox.checked = page.editLocation.diversionInhibitor;
                confirmationBox.checked = page.editLocation.answerConfirmation;
                controlBox.checked = page.editLocation.callControl;
                criteriaBox.checked = page.editLocation.criteriaActive;
            }
        }
        function onOperationFailed() { page.waitingForDetails = false; }
    }


    Flickable {
        id: scroller
        objectName: "anywhereScroller"
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height
        onContentHeightChanged: if (page.wantsShown) page.ensureShown(page.wantsShown)
        onHeightChanged: if (page.wantsShown) page.ensureShown(page.wantsShown)
        onMovementStarted: page.wantsShown = null

        Column {
            id: content
            width: scroller.width - (scrollBar.visible ? scrollBar.width + ZPalette.unit : 0)
            spacing: 8
            opacity: page.waitingForDetails ? 0.5 : 1
            PageText {
                small: true
                color: ZPalette.mutedText
                text: qsTr("This service allows users to enable their mobile phones to behave as if the phones were an extension of the telephony exchange. The locations added are the mobile phone numbers for these devices. They can be activated or deactivated and the user can also notify all phones on a Click-To-Dial or just their primary phone") + page.lc
            }
            PageText { strong: true; text: qsTr("General") + page.lc }
            ZCheckBox {
                objectName: "alertAll"
                text: qsTr("Alert all enabled locations for Click-To-Dial") + page.lc
                checked: page.controller ? page.controller.alertAll : false
                enabled: page.controller !== null
                onToggled: {
                    page.controller.alertAll = checked;
                    checked = Qt.binding(function() { return page.controller ? page.controller.alertAll : false; });
                }
            }
            PageText { strong: true; text: qsTr("Locations") + page.lc }
            Row {
                width: parent.width
                PageText { width: parent.width * 0.5; strong: true; text: qsTr("Number") + page.lc }
                PageText { width: parent.width * 0.2; strong: true; text: qsTr("Enabled") + page.lc }
                PageText { width: parent.width * 0.3; strong: true; text: qsTr("Configure") + page.lc }
            }
            ListView {
                id: locationList
                objectName: "locationList"
                width: parent.width
                height: Math.min(contentHeight, 96)
                clip: true
                interactive: contentHeight > height
                model: page.controller ? page.controller.locations : null
                delegate: Row {
                    width: locationList.width
                    height: 32
                    readonly property var loc: model.location
                    ZLabel {
                        id: locationNumber
                        objectName: "locationNumber"
                        width: parent.width * 0.5
                        anchors.verticalCenter: parent.verticalCenter
                        elide: Text.ElideRight
                        text: loc ? (loc.description !== "" ? loc.description + " (" + loc.phoneNumber + ")"
                                                             : loc.phoneNumber) : ""
                        // Named as it reads, whenever its location arrives.
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    Item {
                        width: parent.width * 0.2
                        height: parent.height
                        ZCheckBox {
                            objectName: "locationEnabled"
                            anchors.verticalCenter: parent.verticalCenter
                            // Its column says what it is, its row for which number.
                            Accessible.name: qsTr("Enabled") + page.lc + ", " + locationNumber.text
                            checked: loc ? loc.active : false
                            onToggled: {
                                if (loc)
                                    loc.active = checked;
                                // The box shows what the service holds until it answers.
                                checked = Qt.binding(function() { return loc ? loc.active : false; });
                            }
                        }
                    }
                    ZButton {
                        objectName: "locationConfigure"
                        height: 26
                        // Clear of the page's right edge, which cuts what reaches it.
                        width: Math.min(implicitWidth, parent.width * 0.3 - ZPalette.unit * 2)
                        anchors.verticalCenter: parent.verticalCenter
                        text: qsTr("Configure") + page.lc
                        onClicked: page.configure(index)
                    }
                }
            }
            // Wraps rather than cutting its last button at the page's edge.
            Flow {
                id: addRow
                width: parent.width
                spacing: ZPalette.unit * 2
                visible: page.editIndex < 0
                ZButton {
                    objectName: "addLocationButton"
                    height: 26
                    visible: !page.adding
                    text: qsTr("Add New Location") + page.lc
                    enabled: page.controller !== null
                    onClicked: { page.adding = true; page.message = ""; newNumberField.forceActiveFocus(); }
                }
                ZTextField {
                    id: newNumberField
                    objectName: "newLocationField"
                    visible: page.adding
                    width: 200
                    height: 26
                    maximumLength: 64
                    placeholderText: qsTr("Phone number") + page.lc
                    error: page.message !== ""
                    onAccepted: page.addNew()
                }
                ZButton {
                    height: 26
                    visible: page.adding
                    primary: true
                    text: qsTr("Save") + page.lc
                    onClicked: page.addNew()
                }
                ZButton {
                    height: 26
                    visible: page.adding
                    text: qsTr("Cancel") + page.lc
                    onClicked: { page.adding = false; page.message = ""; newNumberField.text = ""; }
                }
            }
            Column {
                id: editForm
                objectName: "locationForm"
                width: parent.width
                spacing: 4
                visible: page.editLocation !== null
                Row {
                    spacing: ZPalette.unit * 2
                    PageText { width: implicitWidth; anchors.verticalCenter: parent.verticalCenter; text: qsTr("Location:") + page.lc }
                    ZTextField { id: descriptionField; width: 200; height: 26; maximumLength: 80 }
                }
                Flow {
                    width: parent.width
                    spacing: ZPalette.unit * 3
                    ZCheckBox { id: diversionBox; text: qsTr("Diversion Inhibitor") + page.lc }
                    ZCheckBox { id: confirmationBox; text: qsTr("Answer Confirmation") + page.lc }
                    ZCheckBox { id: controlBox; text: qsTr("Call Control") + page.lc }
                    ZCheckBox { id: criteriaBox; text: qsTr("Criteria Active") + page.lc }
                }
                // Wraps when the translated texts do not fit side by side.
                Flow {
                    width: parent.width
                    spacing: ZPalette.unit * 2
                    ZButton { objectName: "locationSave"; height: 26; primary: true; text: qsTr("Save") + page.lc; onClicked: page.saveDetails() }
                    ZButton { objectName: "locationDelete"; height: 26; text: qsTr("Delete Location") + page.lc; onClicked: page.askDelete(page.editIndex) }
                    ZButton { objectName: "locationCancel"; height: 26; text: qsTr("Cancel") + page.lc; onClicked: { page.editIndex = -1; page.editLocation = null; } }
                }
            }
            PageText { id: messageText; objectName: "anywhereMessage"; problem: true; text: page.message }
        }
    }

    // Where the page stands when it is longer than the window.
    Rectangle {
        id: scrollBar
        anchors.right: parent.right
        y: scroller.visibleArea.yPosition * scroller.height
        width: ZPalette.unit
        height: scroller.visibleArea.heightRatio * scroller.height
        radius: width / 2
        color: ZPalette.mutedText
        opacity: 0.6
        visible: scroller.contentHeight > scroller.height
    }
}

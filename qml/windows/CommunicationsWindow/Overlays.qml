import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The panel over the window's top edge. For a transfer or new parties it is
// a picker: a search field over the contact list, and the typed text itself
// when it reads as a number or an address. Up and Down move through the
// list, Enter or a click picks, Esc closes. For a park it says what to do.
// A transfer is made in the ways the service allows: "Talk First" calls the
// party while this call is held (the user puts the two through from that
// call), "Transfer" hands the call on at once. Enter and a click on a row
// hand it on at once where the service allows that, else talk first; with
// no kind configured they hand it on, as they always have.
Rectangle {
    id: overlay
    color: ZPalette.hover
    border.color: ZPalette.border
    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var panel: rootWindow.overlay
    readonly property bool transfer: panel !== null && panel.callTransferVisible
    readonly property bool adding: panel !== null && panel.addParticipantsVisible
    readonly property bool picking: transfer || adding
    readonly property bool parking: panel !== null && panel.callParkVisible && !picking
    readonly property string typed: search.text.trim()
    // A number, a SIP or telephone address, or a user@domain address.
    readonly property bool typedIsAddress: /^(sip:|tel:)?[+0-9*#][0-9 ()*#.-]*$/i.test(typed)
                                           || /^(sip:)?[^\s@]+@[^\s@]+$/i.test(typed)
    readonly property int transferType: rootWindow.configXML ? rootWindow.configXML.callTransferType
                                                             : Vantre.ConfigXML.NoCT
    readonly property bool talkFirstShown: overlay.transfer
                                           && (transferType === Vantre.ConfigXML.TalkFirstCT
                                               || transferType === Vantre.ConfigXML.FullCT)
    readonly property bool blindShown: overlay.transfer
                                       && (transferType === Vantre.ConfigXML.BlindCT
                                           || transferType === Vantre.ConfigXML.FullCT)
    // -1: the typed text; 0 and on: a row of the list.
    property int current: -1

    function reset() {
        search.text = "";
        overlay.current = 0;
    }
    function close() {
        if (overlay.panel) overlay.panel.closeContactList();
    }
    function pick(uri, contactId) {
        overlay.pickAs(uri, contactId, overlay.talkFirstShown && !overlay.blindShown);
    }
    function pickAs(uri, contactId, talkFirst) {
        if (overlay.transfer && talkFirst)
            rootWindow.talkFirstToClicked(uri, contactId);
        else if (overlay.transfer)
            rootWindow.transferToClicked(uri, contactId);
        else if (overlay.adding)
            rootWindow.addParticipantClicked(uri, contactId);
        overlay.close();
    }
    function pickCurrent() {
        if (overlay.current < 0) {
            if (overlay.typedIsAddress)
                overlay.pick(overlay.typed, -1);
            else if (list.count > 0)
                list.pickRow(0);
            return;
        }
        list.pickRow(overlay.current);
    }
    function move(step) {
        var first = overlay.typedIsAddress ? -1 : 0;
        overlay.current = Math.max(first, Math.min(list.count - 1, overlay.current + step));
        if (overlay.current >= 0) list.positionViewAtIndex(overlay.current, ListView.Contain);
    }

    // The two kinds of transfer the service may allow, beside a party.
    component TransferKinds: Row {
        signal talkFirst()
        signal handOn()
        spacing: ZPalette.unit * 2
        ZLink {
            objectName: "pickerTalkFirst"
            visible: overlay.talkFirstShown
            text: qsTr("Talk First") + overlay.lc
            onClicked: parent.talkFirst()
        }
        ZLink {
            objectName: "pickerTransfer"
            visible: overlay.blindShown
            text: qsTr("Transfer") + overlay.lc
            onClicked: parent.handOn()
        }
    }

    onPickingChanged: {
        overlay.reset();
        if (overlay.picking) search.forceActiveFocus();
    }
    onTypedChanged: {
        rootWindow.searchTextChanged(overlay.typed);
        overlay.current = overlay.typedIsAddress ? -1 : 0;
    }

    ZLabel {
        id: caption
        anchors.left: parent.left
        anchors.leftMargin: ZPalette.unit * 2
        anchors.top: parent.top
        anchors.topMargin: ZPalette.unit
        height: search.height
        verticalAlignment: Text.AlignVCenter
        text: (overlay.transfer ? qsTr("Transfer to")
               : overlay.adding ? qsTr("Add people")
               : overlay.parking ? qsTr("Park the call on...") : "") + overlay.lc
    }
    ZTextField {
        id: search
        objectName: "pickerSearch"
        visible: overlay.picking
        anchors.left: caption.right
        anchors.leftMargin: ZPalette.unit * 2
        anchors.right: closeLink.left
        anchors.rightMargin: ZPalette.unit * 2
        anchors.top: parent.top
        anchors.topMargin: ZPalette.unit
        placeholderText: qsTr("Name or number") + overlay.lc
        keyFilter: function(event) {
            if (event.key === Qt.Key_Down) { overlay.move(1); event.accepted = true; }
            else if (event.key === Qt.Key_Up) { overlay.move(-1); event.accepted = true; }
            else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                overlay.pickCurrent();
                event.accepted = true;
            } else if (event.key === Qt.Key_Escape) {
                overlay.close();
                event.accepted = true;
            }
        }
    }
    ZLink {
        id: closeLink
        objectName: "pickerClose"
        anchors.right: parent.right
        anchors.rightMargin: ZPalette.unit * 2
        anchors.verticalCenter: caption.verticalCenter
        text: qsTr("Close") + overlay.lc
        onClicked: overlay.close()
    }

    Column {
        id: choices
        visible: overlay.picking
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: caption.bottom
        anchors.bottom: parent.bottom
        anchors.margins: ZPalette.unit
        clip: true

        Rectangle {
            id: typedRow
            objectName: "pickerTyped"
            visible: overlay.typedIsAddress
            width: parent.width
            height: visible ? ZPalette.controlHeight : 0
            color: overlay.current < 0 ? ZPalette.selection : "transparent"
            Accessible.role: Accessible.ListItem
            Accessible.name: typedText.text
            ZLabel {
                id: typedText
                anchors.left: parent.left
                anchors.leftMargin: ZPalette.unit * 2
                anchors.right: typedKinds.left
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
                text: (overlay.transfer ? qsTr("Transfer to %1") : qsTr("Add %1")).arg(overlay.typed)
                      + overlay.lc
            }
            MouseArea {
                anchors.fill: parent
                onClicked: overlay.pick(overlay.typed, -1)
            }
            TransferKinds {
                id: typedKinds
                anchors.right: parent.right
                anchors.rightMargin: ZPalette.unit * 2
                anchors.verticalCenter: parent.verticalCenter
                onTalkFirst: overlay.pickAs(overlay.typed, -1, true)
                onHandOn: overlay.pickAs(overlay.typed, -1, false)
            }
        }

        ListView {
            id: list
            objectName: "pickerList"
            width: parent.width
            height: parent.height - typedRow.height
            clip: true
            model: overlay.picking ? rootWindow.contactModel : null
            boundsBehavior: Flickable.StopAtBounds

            function pickRow(row) {
                var item = list.itemAtIndex(row);
                if (item) overlay.pick(item.uri, item.contactId);
            }

            delegate: Rectangle {
                objectName: "pickerRow"
                readonly property string uri: model.sipUri === undefined ? "" : model.sipUri
                readonly property int contactId: model.contactId === undefined ? -1 : model.contactId
                width: list.width
                height: ZPalette.controlHeight
                color: index === overlay.current ? ZPalette.selection
                                                 : (rowMouse.containsMouse ? ZPalette.background : "transparent")
                Accessible.role: Accessible.ListItem
                Accessible.name: name.text
                ZLabel {
                    id: name
                    anchors.left: parent.left
                    anchors.leftMargin: ZPalette.unit * 2
                    anchors.right: rowKinds.left
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    textFormat: Text.PlainText
                    text: model.displayName === undefined ? "" : model.displayName
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: overlay.pick(parent.uri, parent.contactId)
                }
                TransferKinds {
                    id: rowKinds
                    anchors.right: parent.right
                    anchors.rightMargin: ZPalette.unit * 2
                    anchors.verticalCenter: parent.verticalCenter
                    onTalkFirst: overlay.pickAs(parent.uri, parent.contactId, true)
                    onHandOn: overlay.pickAs(parent.uri, parent.contactId, false)
                }
            }
        }
    }
}

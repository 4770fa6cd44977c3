import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"
import "qrc:/windows/MainWindow/CallSettingsToolbar"

// The first scene of a signed-in session: who the user is and how they
// appear to others, their contacts with presence, a search over them and
// Sign Out. Texts from the service (names, status texts) are shown as plain
// text only.
Rectangle {
    id: root

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property var helper: (typeof presenceHelper !== "undefined") ? presenceHelper : null
    readonly property var own: mainWindow.ownContact

    width: 300
    height: 520
    color: pal.background

    ZPalette { id: pal }

    function presenceColor(state) {
        if (state === 10 || state === 7)
            return "#3BA55C";
        if (state === 4 || state === 5 || state === 6)
            return "#E8A33D";
        if (state === 11 || (state >= 12 && state <= 19))
            return "#D9534F";
        return "#A0A0A0";
    }
    function presenceText(state) {
        var t = mainWindow.availabilityText(state);
        return t !== "" ? t : (state === 10 ? qsTr("Available") : qsTr("Offline")) + lc;
    }
    function initials(name) {
        var parts = String(name).trim().split(/\s+/);
        var s = parts.length > 0 && parts[0].length > 0 ? parts[0][0] : "?";
        if (parts.length > 1 && parts[parts.length - 1].length > 0)
            s += parts[parts.length - 1][0];
        return s.toUpperCase();
    }

    // --- Own presence panel -------------------------------------------------
    Rectangle {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 63
        color: pal.accent

        Rectangle {
            id: avatar
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            width: 40; height: 40; radius: 20
            color: Qt.darker(pal.accent, 1.25)
            Text {
                anchors.centerIn: parent
                text: root.initials(mainWindow.userName)
                textFormat: Text.PlainText
                color: pal.accentText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 1.1
                font.bold: true
            }
            Rectangle {
                anchors { right: parent.right; bottom: parent.bottom }
                width: 12; height: 12; radius: 6
                border.width: 2; border.color: pal.accent
                color: root.presenceColor(root.own ? root.own.presence : 0)
            }
        }

        Column {
            anchors { left: avatar.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                      verticalCenter: parent.verticalCenter }
            spacing: 2
            Text {
                objectName: "userNameText"
                width: parent.width
                text: mainWindow.userName
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.accentText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize * 1.1
                font.bold: true
            }
            Text {
                id: ownPresence
                objectName: "ownPresenceText"
                width: parent.width
                text: root.presenceText(root.own ? root.own.presence : 0) + " \u25BE"
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: pal.accentText
                opacity: presenceMouse.containsMouse ? 1.0 : 0.85
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize
                MouseArea {
                    id: presenceMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: root.helper !== null
                    cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: mainWindow.openPresenceMenu()
                }
            }
        }
    }

    // --- Call-settings toolbar ----------------------------------------------
    CallSettingsToolbar {
        id: callSettingsToolbar
        anchors { left: parent.left; right: parent.right; top: header.bottom }
    }

    // --- Search ------------------------------------------------------------
    ZTextField {
        id: search
        objectName: "searchField"
        anchors { left: parent.left; right: parent.right; top: callSettingsToolbar.bottom; margins: pal.unit * 2 }
        placeholderText: qsTr("Search contacts") + lc
        onTextChanged: mainWindow.setSearchText(text)
    }

    // --- Contacts ----------------------------------------------------------
    Item {
        id: activeView
        objectName: "activeView"
        anchors { left: parent.left; right: parent.right; top: search.bottom; topMargin: pal.unit * 2
                  bottom: footer.top }
        state: "contactsView"
        states: [ State { name: "contactsView" } ]

        ListView {
            id: contacts
            objectName: "contactList"
            anchors.fill: parent
            clip: true
            model: contactModel
            boundsBehavior: Flickable.StopAtBounds

            delegate: Rectangle {
                width: contacts.width
                height: pal.controlHeight * 1.6
                color: rowMouse.containsMouse ? pal.hover : "transparent"

                Rectangle {
                    id: dot
                    anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
                    width: 10; height: 10; radius: 5
                    color: root.presenceColor(model.presence === undefined ? 0 : model.presence)
                }
                Column {
                    anchors { left: dot.right; leftMargin: pal.unit * 3; right: parent.right; rightMargin: pal.unit * 3
                              verticalCenter: parent.verticalCenter }
                    Text {
                        width: parent.width
                        text: model.displayName === undefined ? "" : model.displayName
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.strongText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize
                    }
                    Text {
                        width: parent.width
                        text: (model.statusText !== undefined && model.statusText !== "")
                              ? model.statusText : root.presenceText(model.presence === undefined ? 0 : model.presence)
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: pal.mutedText
                        font.family: pal.fontFamily
                        font.pixelSize: pal.fontPixelSize * 0.85
                    }
                }
                Rectangle {
                    anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: pal.unit * 3 }
                    height: 1
                    color: pal.border
                    opacity: 0.5
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                }
            }

            Text {
                anchors.centerIn: parent
                visible: contacts.count === 0
                text: (search.text !== "" ? qsTr("No matching contacts") : qsTr("No contacts yet")) + lc
                color: pal.mutedText
                font.family: pal.fontFamily
                font.pixelSize: pal.fontPixelSize
            }
        }
    }

    // --- Bottom bar --------------------------------------------------------
    Rectangle {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: pal.controlHeight + pal.unit * 4
        color: pal.disabledBackground

        Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: pal.border }

        Text {
            anchors { left: parent.left; leftMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("%n contact(s)", "", contacts.count) + lc
            color: pal.mutedText
            font.family: pal.fontFamily
            font.pixelSize: pal.fontPixelSize * 0.85
        }
        ZButton {
            objectName: "signOutButton"
            anchors { right: parent.right; rightMargin: pal.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("Sign Out") + lc
            onClicked: mainWindow.signOut()
        }
    }
}

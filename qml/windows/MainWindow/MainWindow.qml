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
    color: ZPalette.background

    // How a presence state looks is decided in one place (PresenceState);
    // the colour itself comes from the style, so a style change repaints it.
    function presenceColor(state) {
        return ZPalette.pick(Vantre.PresenceState.colorName(state), Vantre.PresenceState.color(state));
    }
    function presenceText(state) {
        var t = mainWindow.availabilityText(state);
        return (t !== "" ? t : Vantre.PresenceState.text(Vantre.PresenceState.Offline)) + lc;
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
        color: ZPalette.accent

        Rectangle {
            id: avatar
            anchors { left: parent.left; leftMargin: ZPalette.unit * 3; verticalCenter: parent.verticalCenter }
            width: 40; height: 40; radius: 20
            color: Qt.darker(ZPalette.accent, 1.25)
            ZLabel {
                anchors.centerIn: parent
                text: root.initials(mainWindow.userName)
                color: ZPalette.accentText
                font.family: ZPalette.fontFamily
                font.pixelSize: ZPalette.fontPixelSize * 1.1
                font.bold: true
            }
            Rectangle {
                anchors { right: parent.right; bottom: parent.bottom }
                width: 12; height: 12; radius: 6
                border.width: 2; border.color: ZPalette.accent
                color: root.presenceColor(root.own ? root.own.presence : Vantre.PresenceState.Unknown)
            }
        }

        Column {
            anchors { left: avatar.right; leftMargin: ZPalette.unit * 3; right: parent.right; rightMargin: ZPalette.unit * 3
                      verticalCenter: parent.verticalCenter }
            spacing: 2
            ZLabel {
                objectName: "userNameText"
                width: parent.width
                text: mainWindow.userName
                elide: Text.ElideRight
                color: ZPalette.accentText
                font.family: ZPalette.fontFamily
                font.pixelSize: ZPalette.fontPixelSize * 1.1
                font.bold: true
            }
            ZLabel {
                id: ownPresence
                objectName: "ownPresenceText"
                width: parent.width
                text: root.presenceText(root.own ? root.own.presence : Vantre.PresenceState.Unknown) + " \u25BE"
                      + (mainWindow.ownLocation !== "" ? "   " + mainWindow.ownLocation : "")
                elide: Text.ElideRight
                color: ZPalette.accentText
                opacity: presenceMouse.containsMouse ? 1.0 : 0.85
                font.family: ZPalette.fontFamily
                font.pixelSize: ZPalette.fontPixelSize
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
        anchors { left: parent.left; right: parent.right; top: callSettingsToolbar.bottom; margins: ZPalette.unit * 2 }
        placeholderText: qsTr("Search contacts") + lc
        onTextChanged: mainWindow.setSearchText(text)
    }

    // --- Contacts ----------------------------------------------------------
    Item {
        id: activeView
        objectName: "activeView"
        anchors { left: parent.left; right: parent.right; top: search.bottom; topMargin: ZPalette.unit * 2
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
                height: ZPalette.controlHeight * 1.6
                color: rowMouse.containsMouse ? ZPalette.hover : "transparent"

                Rectangle {
                    id: dot
                    anchors { left: parent.left; leftMargin: ZPalette.unit * 3; verticalCenter: parent.verticalCenter }
                    width: 10; height: 10; radius: 5
                    color: root.presenceColor(model.presence === undefined ? Vantre.PresenceState.Unknown : model.presence)
                }
                Column {
                    anchors { left: dot.right; leftMargin: ZPalette.unit * 3; right: parent.right; rightMargin: ZPalette.unit * 3
                              verticalCenter: parent.verticalCenter }
                    ZLabel {
                        width: parent.width
                        text: model.displayName === undefined ? "" : model.displayName
                        elide: Text.ElideRight
                        color: ZPalette.strongText
                        font.family: ZPalette.fontFamily
                        font.pixelSize: ZPalette.fontPixelSize
                    }
                    ZLabel {
                        width: parent.width
                        text: (model.statusText !== undefined && model.statusText !== "")
                              ? model.statusText : root.presenceText(model.presence === undefined ? Vantre.PresenceState.Unknown : model.presence)
                        elide: Text.ElideRight
                        color: ZPalette.mutedText
                        font.family: ZPalette.fontFamily
                        font.pixelSize: ZPalette.fontPixelSize * 0.85
                    }
                }
                Rectangle {
                    anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: ZPalette.unit * 3 }
                    height: 1
                    color: ZPalette.border
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
                color: ZPalette.mutedText
                font.family: ZPalette.fontFamily
                font.pixelSize: ZPalette.fontPixelSize
            }
        }
    }

    // --- Bottom bar --------------------------------------------------------
    Rectangle {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: ZPalette.controlHeight + ZPalette.unit * 4
        color: ZPalette.disabledBackground

        Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: ZPalette.border }

        Text {
            anchors { left: parent.left; leftMargin: ZPalette.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("%n contact(s)", "", contacts.count) + lc
            color: ZPalette.mutedText
            font.family: ZPalette.fontFamily
            font.pixelSize: ZPalette.fontPixelSize * 0.85
        }
        ZButton {
            objectName: "signOutButton"
            anchors { right: parent.right; rightMargin: ZPalette.unit * 3; verticalCenter: parent.verticalCenter }
            text: qsTr("Sign Out") + lc
            onClicked: mainWindow.signOut()
        }
    }
}

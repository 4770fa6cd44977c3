import QtQuick 2.15
import Kelvantic 1.0 as K
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The contact's picture, name, availability, favourite star, presence,
// status and location, as the card shows them in view mode.
Column {
    id: presenceBlock
    objectName: "presenceBlock"
    // The card's scene: its window, contact, presence helper and tooltip.
    property var scene
    spacing: ZPalette.unit

    Row {
        width: parent.width
        spacing: ZPalette.unit * 2
        Rectangle {
            id: avatarFrame
            width: ZPalette.controlHeight * 1.6
            height: width
            radius: ZPalette.radius
            color: ZPalette.hover
            border.color: ZPalette.border
            Image {
                anchors.fill: parent
                anchors.margins: 1
                source: scene.person ? scene.person.avatarUrl : ""
                fillMode: Image.PreserveAspectCrop
                visible: status === Image.Ready
            }
            ZLabel {
                anchors.centerIn: parent
                visible: !scene.person || scene.person.avatarUrl === ""
                text: scene.person && scene.person.displayName !== "" ? scene.person.displayName.charAt(0).toUpperCase() : ""
                color: ZPalette.mutedText
                font.pixelSize: ZPalette.fontPixelSize * 1.6
            }
        }
        Column {
            width: parent.width - avatarFrame.width - parent.spacing
            spacing: ZPalette.unit
            Row {
                width: parent.width
                spacing: ZPalette.unit
                // The presence dot, coloured as in the contact list.
                Rectangle {
                    id: presenceIcon
                    objectName: "presenceIcon"
                    visible: scene.card.xmppEnabled && scene.person !== null
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.round(ZPalette.fontPixelSize * 0.8)
                    height: width
                    radius: width / 2
                    readonly property int state: scene.person ? scene.person.presence : 0
                    color: ZPalette.pick(Vantre.PresenceState.colorName(state), Vantre.PresenceState.color(state))
                }
                ZLabel {
                    id: nameText
                    objectName: "contactName"
                    width: parent.width - star.width - (presenceIcon.visible ? presenceIcon.width + parent.spacing : 0) - parent.spacing
                    text: scene.person ? scene.person.displayName : ""
                    elide: Text.ElideRight
                    color: ZPalette.strongText
                    font.pixelSize: ZPalette.fontPixelSize * 1.4
                    font.weight: Font.Bold
                }
                ZLabel {
                    id: star
                    objectName: "favouriteStar"
                    visible: scene.listed
                    width: visible ? implicitWidth : 0
                    text: scene.person && scene.person.favourite ? "\u2605" : "\u2606"
                    color: scene.person && scene.person.favourite ? ZPalette.accent : ZPalette.mutedText
                    font.pixelSize: ZPalette.fontPixelSize * 1.4
                    Accessible.role: Accessible.CheckBox
                    Accessible.name: scene.person && scene.person.favourite ? qsTranslate("ContactCard", "Remove from Favorites") + scene.lc : qsTranslate("ContactCard", "Set as Favorite") + scene.lc
                    // Checked while a favourite; Space or a reader's press
                    // toggles it, as a click does.
                    function toggle() { if (!scene.card.readOnlyMode) scene.card.toggleFavourite(); }
                    Accessible.checkable: true
                    Accessible.checked: !!scene.person && scene.person.favourite === true
                    Accessible.onPressAction: star.toggle()
                    Accessible.onToggleAction: star.toggle()
                    activeFocusOnTab: !scene.card.readOnlyMode
                    font.underline: activeFocus
                    Keys.onSpacePressed: star.toggle()
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: scene.card.readOnlyMode ? Qt.ArrowCursor : Qt.PointingHandCursor
                        onEntered: scene.toolTip.showToolTip(star.Accessible.name)
                        onExited: scene.toolTip.hideToolTip()
                        onClicked: star.toggle()
                    }
                }
            }
            ZLabel {
                objectName: "availability"
                // Read as shown (a text that starts empty gets no interface of its own).
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: {
                    var t = scene.person && scene.helper ? scene.helper.availabilityText(scene.person.presence) : "";
                    return t !== "" ? "(" + t + ")" : "";
                }
                color: ZPalette.mutedText
            }
            ZLabel {
                objectName: "statusText"
                // Read as shown (a text that starts empty gets no interface of its own).
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: scene.card.xmppEnabled && text !== ""
                width: parent.width
                text: scene.person ? scene.person.statusText : ""
                elide: Text.ElideRight
            }
            ZLabel {
                objectName: "contactLocation"
                visible: scene.card.xmppEnabled && scene.person !== null && scene.person.online && text !== ""
                width: parent.width
                text: scene.card.contactLocation
                elide: Text.ElideRight
                color: ZPalette.mutedText
            }
        }
    }
    Rectangle { width: parent.width; height: 1; color: ZPalette.border }
}

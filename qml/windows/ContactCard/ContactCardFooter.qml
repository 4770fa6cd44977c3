import QtQuick 2.15
import Kelvantic 1.0 as K
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The card's commands: the contact's actions, the directory import and the
// buttons of the mode.
Column {
    id: footer
    // The card's scene: its window, contact and tooltip.
    property var scene
    spacing: ZPalette.unit * 2

    // The contact's own actions: chat, call, call from phone, video.
    Flow {
        id: actionButtons
        objectName: "actionButtons"
        width: parent.width
        spacing: ZPalette.unit * 2
        visible: !scene.card.editMode && (!scene.card.addMode || (scene.person !== null && scene.person.isTemporary))
        Repeater {
            model: scene.card.actionsProvider
            delegate: ZButton {
                objectName: "action" + actionId
                visible: actionId >= Vantre.Action.Chat && actionId <= Vantre.Action.VideoCall
                enabled: actionEnabled
                text: (scene.lc, scene.card.actionText(actionId))
                onClicked: scene.card.triggerAction(actionId)
            }
        }
    }

    // The mode's buttons, from the right; they wrap on a narrow card.
    Flow {
        width: parent.width
        layoutDirection: Qt.RightToLeft
        spacing: ZPalette.unit * 2
        ZButton {
            objectName: "deleteButton"
            visible: !scene.editing && scene.listed && !scene.card.readOnlyMode
            text: qsTranslate("ContactCard", "Delete Contact") + scene.lc
            onClicked: scene.card.deleteContact()
        }
        ZButton {
            objectName: "editButton"
            visible: !scene.editing && scene.listed && !scene.card.readOnlyMode
            text: qsTranslate("ContactCard", "Edit Contact") + scene.lc
            onClicked: scene.card.editMode = true
        }
        ZButton {
            objectName: "cancelButton"
            visible: scene.editing
            text: qsTranslate("ContactCard", "Cancel") + scene.lc
            onClicked: scene.card.cancel()
        }
        ZButton {
            objectName: "saveButton"
            visible: scene.card.editMode && !scene.card.addMode
            primary: true
            text: qsTranslate("ContactCard", "Save") + scene.lc
            onClicked: scene.card.save()
        }
        ZButton {
            objectName: "addButton"
            visible: scene.card.canAdd
            primary: true
            enabled: scene.card.anyFieldHasValue
            text: qsTranslate("ContactCard", "Add to Contact List") + scene.lc
            onClicked: scene.card.addContact()
        }
        ZButton {
            id: importButton
            objectName: "importButton"
            visible: scene.card.importFromDirectoryPossible && !scene.card.editMode
            text: qsTranslate("ContactCard", "Import") + scene.lc
            onHoveredChanged: hovered ? scene.toolTip.showToolTip(qsTranslate("ContactCard", "Import Telephone Directory Information to Profile") + scene.lc)
                                      : scene.toolTip.hideToolTip()
            onClicked: { scene.toolTip.hideToolTip(); scene.card.importFromDirectory(); }
        }
    }
}

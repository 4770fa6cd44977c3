import QtQuick 2.15
import Vantre 1.0
import "qrc:/controls"

// The style editor: every colour with a swatch and an editable value, the
// font family (Control+Shift+F), and the editor's four commands.
Rectangle {
    id: root
    width: 360
    height: 520
    color: zentStyle.colors.whiteBackground

    property bool fontSelectorVisible: false

    function run(command) {
        switch (command) {
        case "invertAll": zentStyle.invertAll(); break
        case "defaults": zentStyle.setDefaults(); break
        case "import": rootWindow.importCsv(); break
        case "export": rootWindow.exportCsv(root.fontSelectorVisible); break
        }
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_F && (event.modifiers & Qt.ControlModifier)
                && (event.modifiers & Qt.ShiftModifier)) {
            fontSelectorVisible = true
            event.accepted = true
        }
    }

    Column {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 10 }
        spacing: 8

        // Wraps, so that longer translations stay inside the window.
        Flow {
            width: parent.width
            spacing: 8
            Repeater {
                // Qt drops functions put into an array model: each button
                // names its command, and run() carries it out.
                model: [
                    { name: "invertAllButton", label: qsTr("Invert all"), command: "invertAll" },
                    { name: "defaultsButton", label: qsTr("Defaults"), command: "defaults" },
                    { name: "importButton", label: qsTr("Import"), command: "import" },
                    { name: "exportButton", label: qsTr("Export"), command: "export" }
                ]
                delegate: Rectangle {
                    objectName: modelData.name
                    width: buttonText.implicitWidth + 20
                    height: 28
                    radius: 4
                    color: buttonArea.containsMouse || activeFocus ? zentStyle.colors.hoverButton : zentStyle.colors.activeBackground
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData.label
                    Accessible.onPressAction: root.run(modelData.command)
                    Keys.onSpacePressed: root.run(modelData.command)
                    Keys.onReturnPressed: root.run(modelData.command)
                    Keys.onEnterPressed: root.run(modelData.command)
                    ZLabel {
                        id: buttonText
                        objectName: modelData.name + "Text"
                        anchors.centerIn: parent
                        text: modelData.label
                        color: zentStyle.colors.whiteText
                    }
                    MouseArea {
                        id: buttonArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: root.run(modelData.command)
                    }
                }
            }
        }

        Row {
            visible: root.fontSelectorVisible
            spacing: 8
            ZLabel {
                text: qsTr("Font")
                color: zentStyle.colors.darkText
                anchors.verticalCenter: parent.verticalCenter
            }
            Rectangle {
                width: 200
                height: 24
                border.color: zentStyle.colors.mediumDivider
                color: zentStyle.colors.inputFieldBackground
                TextInput {
                    id: fontInput
                    anchors { fill: parent; margins: 4 }
                    text: zentStyle.fontFamily
                    color: zentStyle.colors.inputFieldText
                    font.pixelSize: 12
                    onEditingFinished: if (text !== zentStyle.fontFamily) zentStyle.fontFamily = text
                }
            }
        }
    }

    ListView {
        id: list
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom; margins: 10 }
        clip: true
        focus: true
        model: zentStyle.colorNames
        delegate: Item {
            width: list.width
            height: 26
            Rectangle {
                id: swatch
                width: 18; height: 18
                anchors.verticalCenter: parent.verticalCenter
                color: zentStyle.colors[modelData]
                border.color: zentStyle.colors.mediumDivider
            }
            ZLabel {
                anchors { left: swatch.right; leftMargin: 8; verticalCenter: parent.verticalCenter }
                width: 170
                elide: Text.ElideRight
                text: modelData
                color: zentStyle.colors.darkText
            }
            Rectangle {
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                width: 100; height: 22
                border.color: valueInput.activeFocus ? zentStyle.colors.activeBackground : zentStyle.colors.mediumDivider
                color: zentStyle.colors.inputFieldBackground
                TextInput {
                    id: valueInput
                    anchors { fill: parent; margins: 3 }
                    text: String(zentStyle.colors[modelData])
                    color: zentStyle.colors.inputFieldText
                    font.pixelSize: 12
                    function commit() {
                        if (text !== String(zentStyle.colors[modelData]))
                            zentStyle.setColor(modelData, text)
                    }
                    Keys.onPressed: {
                        switch (event.key) {
                        case Qt.Key_Tab: case Qt.Key_Backtab: case Qt.Key_Enter:
                        case Qt.Key_Return: case Qt.Key_Up: case Qt.Key_Down:
                            commit()
                            break
                        }
                    }
                }
            }
        }
    }
}

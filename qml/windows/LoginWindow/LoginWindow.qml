import QtQuick 2.15

// The sign-in form. Sign In is enabled once the user name and the password
// are filled in; while signing in, a Cancel button replaces it.
Rectangle {
    id: root
    width: 285
    height: 425
    color: zentStyle.colors["loginBackground"]

    signal signinClicked()
    signal cancelSigninClicked()
    signal showHelpClicked()
    signal showPwHelpClicked()

    readonly property bool busy: rootWindow.loginState === 1 || rootWindow.loginState === 2
                                 || rootWindow.loginState === 4
    readonly property bool canSignIn: !busy && userField.text.trim().length > 0 && passwordField.text.length > 0

    function submit() {
        if (canSignIn) {
            rootWindow.username = userField.text
            rootWindow.password = passwordField.text
            root.signinClicked()
        }
    }

    Column {
        anchors.centerIn: parent
        width: parent.width - 48
        spacing: 10

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: Qt.application.name
            font.family: zentStyle.fontFamily
            font.pixelSize: 24
            color: zentStyle.colors["loginHighlightText"]
        }

        Item { width: 1; height: 12 }

        Text {
            text: qsTr("User name") + rootWindow.languageChangeProperty
            font.family: zentStyle.fontFamily
            font.pixelSize: 12
            color: zentStyle.colors["loginDarkText"]
        }
        Rectangle {
            width: parent.width
            height: 28
            color: zentStyle.colors["inputFieldBackground"]
            border.color: userField.activeFocus ? zentStyle.colors["loginHighlightText"]
                                                : zentStyle.colors["loginDivider"]
            TextInput {
                id: userField
                objectName: "userNameField"
                anchors.fill: parent
                anchors.margins: 6
                enabled: !root.busy
                text: rootWindow.username
                font.family: zentStyle.fontFamily
                font.pixelSize: 13
                color: zentStyle.colors["inputFieldText"]
                clip: true
                focus: true
                KeyNavigation.tab: passwordField
                onAccepted: root.submit()
            }
        }

        Text {
            text: qsTr("Password") + rootWindow.languageChangeProperty
            font.family: zentStyle.fontFamily
            font.pixelSize: 12
            color: zentStyle.colors["loginDarkText"]
        }
        Rectangle {
            width: parent.width
            height: 28
            color: zentStyle.colors["inputFieldBackground"]
            border.color: passwordField.activeFocus ? zentStyle.colors["loginHighlightText"]
                                                    : zentStyle.colors["loginDivider"]
            TextInput {
                id: passwordField
                objectName: "passwordField"
                anchors.fill: parent
                anchors.margins: 6
                enabled: !root.busy
                echoMode: TextInput.Password
                font.family: zentStyle.fontFamily
                font.pixelSize: 13
                color: zentStyle.colors["inputFieldText"]
                clip: true
                KeyNavigation.tab: userField
                onAccepted: root.submit()
            }
        }

        Item { width: 1; height: 8 }

        Rectangle {
            id: button
            objectName: "signInButton"
            width: parent.width
            height: 34
            radius: 3
            opacity: root.busy || root.canSignIn ? 1.0 : 0.5
            color: mouse.containsMouse ? zentStyle.colors["hoverButton"] : zentStyle.colors["darkBackground"]
            Text {
                anchors.centerIn: parent
                text: (root.busy ? qsTr("Cancel") : qsTr("Sign In")) + rootWindow.languageChangeProperty
                font.family: zentStyle.fontFamily
                font.pixelSize: 14
                color: zentStyle.colors["whiteText"]
            }
            MouseArea {
                id: mouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: root.busy ? root.cancelSigninClicked() : root.submit()
            }
        }

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            visible: root.busy
            text: (rootWindow.loginState === 4 ? qsTr("Signing out...") : qsTr("Signing in..."))
                  + rootWindow.languageChangeProperty
            font.family: zentStyle.fontFamily
            font.pixelSize: 12
            color: zentStyle.colors["loginMediumText"]
        }

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            visible: rootWindow.showHelpLink
            text: qsTr("Help") + rootWindow.languageChangeProperty
            font.family: zentStyle.fontFamily
            font.pixelSize: 12
            font.underline: true
            color: zentStyle.colors["loginHighlightText"]
            MouseArea { anchors.fill: parent; onClicked: root.showHelpClicked() }
        }
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        anchors.horizontalCenter: parent.horizontalCenter
        text: rootWindow.versionInfo
        font.family: zentStyle.fontFamily
        font.pixelSize: 10
        color: zentStyle.colors["loginMediumText"]
    }
}

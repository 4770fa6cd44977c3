import QtQuick 2.15
import Vantre 1.0 as Vantre
import "qrc:/controls"

// The sign-in form. Its values live in the window object ("rootItem") and
// are bound both ways; the window drives the states through showSignin(),
// showSigningin() and showSigningout().
FocusScope {
    id: root

    signal signinClicked()
    signal cancelSigninClicked()
    signal showHelpClicked()
    signal showPwHelpClicked()

    readonly property string lc: rootWindow.languageChangeProperty
    readonly property string usernamePlaceholder: qsTr("Enter your username") + lc
    readonly property string passwordPlaceholder: qsTr("Enter your password") + lc
    readonly property var editActions: (typeof textFieldActionsHandler !== "undefined") ? textFieldActionsHandler : null

    readonly property bool xsiMissing: rootItem.showXsiField && xsiField.text.trim() === ""
    readonly property bool formComplete: userCombo.text.trim() !== ""
                                         && userCombo.text !== usernamePlaceholder
                                         && passwordField.text !== ""
                                         && passwordField.text !== passwordPlaceholder
                                         && !xsiMissing
    // Both optional rows shown: tighten the header so the form still fits.
    readonly property bool compact: rootItem.showXsiField && configCombo.visible
    readonly property real freeSpace: footer.y - header.height - body.anchors.topMargin
                                      - (actionButton.y + actionButton.height) - ZPalette.unit * 4
    property bool configsAnnounced: false
    property int configsCount: 0
    // The text field whose edit actions the window's menu acts on.
    property var editField: null
    // The field whose menu is open: the open menu takes the focus from the
    // scene, so the focused field is gone by the time an entry is chosen.
    property var menuField: null
    readonly property var actionField: menuField ? menuField : editField

    focus: true
    state: "signin"
    // The fields fade away while signing in: the keyboard (and a screen
    // reader with it) goes to Cancel, not to a field no longer shown, and
    // comes back to the fields when the window is ready again.
    onStateChanged: {
        if (state === "signingin")
            actionButton.forceActiveFocus();
        else if (state === "signin" && actionButton.activeFocus) {
            focusFirst();
            // A failed sign-in reloads the form right after: look again then.
            Qt.callLater(focusFirst);
        }
    }
    states: [
        State {
            name: "signin"
            PropertyChanges { target: form; opacity: 1 }
            PropertyChanges { target: options; opacity: 1 }
            PropertyChanges { target: progress; opacity: 0 }
        },
        State {
            name: "signingin"
            PropertyChanges { target: form; opacity: 0 }
            PropertyChanges { target: options; opacity: 0 }
            PropertyChanges { target: progress; opacity: 1 }
        },
        State {
            name: "signingout"
            extend: "signingin"
        }
    ]

    // Sign In, Cancel and Enter all come here.
    function buttonAction() {
        if (state === "signin" && actionButton.enabled) {
            state = "signingin";
            signinClicked();
        } else if (state === "signingin") {
            state = "signin";
            cancelSigninClicked();
        }
    }

    // The fields, then Sign In (Cancel while signing in) and the links.
    readonly property var tabChain: [xsiField, userCombo, passwordField, rememberBox, autoBox, configCombo,
                                     actionButton, helpLink, pwLink]
    function moveFocus(from, forward) {
        var n = tabChain.length;
        var i = tabChain.indexOf(from);
        for (var step = 1; step <= n; ++step) {
            var next = tabChain[((i + (forward ? step : -step)) % n + n) % n];
            if (next.visible && next.enabled) {
                next.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason);
                // A field reached with the keyboard has its text selected, as
                // in any line edit: typing replaces a remembered name rather
                // than adding to its end.
                if (typeof next.selectAll === "function")
                    next.selectAll();
                return;
            }
        }
    }
    // Focus goes to the first field still to fill in, else to the first one.
    // Run again once the window has filled the form in (the remembered user
    // name comes after the scene is ready, a failed sign-in's form after its
    // state change): a name already there takes the user to the password,
    // not to the end of the name, where typing it again would double it.
    function focusFirst() {
        var fields = [xsiField, userCombo, passwordField];
        for (var i = 0; i < fields.length; ++i) {
            var f = fields[i];
            var text = f.text;
            if (f.visible && f.enabled && text === "") {
                f.forceActiveFocus();
                return;
            }
        }
        moveFocus(tabChain[tabChain.length - 1], true);
    }

    // The window asks for this once the user has read why the password
    // was refused.
    function retypePassword() {
        if (state !== "signin" || !passwordField.visible || !passwordField.enabled) {
            focusFirst();
            return;
        }
        passwordField.forceActiveFocus(Qt.OtherFocusReason);
        passwordField.selectAll();
    }

    function statusText(loginState) {
        switch (loginState) {
        case Vantre.LoginWindow.DetectingProxy: return qsTr("Fetching Proxy Settings...") + lc;
        case Vantre.LoginWindow.SigningIn: return qsTr("Signing In...") + lc;
        case Vantre.LoginWindow.SigningOut: return qsTr("Signing Out...") + lc;
        default: return "";
        }
    }

    function trackEditField(field, focused) {
        if (focused) {
            editField = field;
            if (editActions)
                editActions.selectedText = field.selectedText;
        } else if (editField === field) {
            editField = null;
            if (editActions)
                editActions.selectedText = "";
        }
    }
    function requestTextMenu(field, isPassword) {
        trackEditField(field, true);
        menuField = field;
        rootItem.openTextFieldMenu(isPassword);
    }

    Keys.onReturnPressed: buttonAction()
    Keys.onEnterPressed: buttonAction()

    Connections {
        target: rootItem
        function onShowSignin() { root.state = "signin"; }
        function onShowXsiFieldChanged() { root.focusFirst(); }
        function onShowSigningin() { root.state = "signingin"; }
        function onShowSigningout() { root.state = "signingout"; }
        function onConfigsModelChanged() {
            root.configsAnnounced = true;
            root.configsCount = rootItem.configsNum();
        }
        function onXsiAddressChangedExternally() { xsiField.cursorPosition = 0; }
    }

    Connections {
        target: root.editActions
        ignoreUnknownSignals: true
        function onCopy() { if (root.actionField) root.actionField.copy(); }
        function onCut() { if (root.actionField) root.actionField.cut(); }
        function onPaste() { if (root.actionField) root.actionField.paste(); }
        function onSelectAll() { if (root.actionField) root.actionField.selectAll(); }
    }

    Rectangle {
        anchors.fill: parent
        color: ZPalette.background
    }

    // The window menu's own handle: window systems that report no press on
    // the frame icon (X11) open the menu from here or by Alt+Space.
    Item {
        id: frameIcon
        objectName: "windowFrameIcon"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: ZPalette.unit
        width: ZPalette.unit * 5
        height: width
        z: 1
        Accessible.role: Accessible.ButtonMenu
        Accessible.name: qsTr("Window menu") + root.lc
        Accessible.onPressAction: frameIcon.openMenu()
        // Drops from the button, leaving the button itself in view.
        function openMenu() {
            var p = mapToItem(null, 0, height);
            rootWindow.openWindowMenuAt(p.x, p.y);
        }
        Rectangle {
            anchors.fill: parent
            radius: ZPalette.radius
            color: frameIconArea.containsMouse ? ZPalette.fieldBackground : "transparent"
        }
        Column {
            anchors.centerIn: parent
            spacing: Math.max(2, Math.round(frameIcon.height / 8))
            Repeater {
                model: 3
                Rectangle {
                    width: Math.round(frameIcon.width * 0.55)
                    height: Math.max(2, Math.round(frameIcon.height / 10))
                    radius: height / 2
                    color: frameIconArea.containsMouse ? ZPalette.accent : ZPalette.mutedText
                }
            }
        }
        MouseArea {
            id: frameIconArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: frameIcon.openMenu()
        }
    }

    // Header: the product name over a thin accent line.
    Column {
        id: header
        anchors.top: parent.top
        // Whatever room the form leaves is shared above and below it.
        anchors.topMargin: Math.max(ZPalette.unit * 2, Math.min(ZPalette.unit * 10, root.freeSpace * 0.5))
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: ZPalette.unit * 2
        ZLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            text: Qt.application.name !== "" ? Qt.application.name : "Zent"
            font.pixelSize: Math.round(ZPalette.fontPixelSize * (root.compact ? 1.5 : 1.8))
            font.weight: Font.Light
            color: ZPalette.link
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: ZPalette.unit * 8
            height: Math.max(2, ZPalette.focusWidth + 1)
            radius: height / 2
            color: ZPalette.accent
        }
    }

    Item {
        id: body
        anchors.top: header.bottom
        anchors.topMargin: root.compact ? ZPalette.unit * 3 : ZPalette.unit * 4
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: ZPalette.unit * 5
        anchors.rightMargin: ZPalette.unit * 5
        anchors.bottom: footer.top

        Column {
            id: form
            width: parent.width
            spacing: ZPalette.unit * 2
            // Back at "signin" the fields count as there while they fade in:
            // the keyboard goes to them, not on past them to the links.
            visible: opacity > 0 || root.state === "signin"

            ZTextField {
                id: xsiField
                objectName: "xsiField"
                width: parent.width
                visible: rootItem.showXsiField
                placeholderText: qsTr("Enter login URL to access client") + root.lc
                text: rootItem.xsiAddress
                inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
                onTextChanged: if (rootItem.xsiAddress !== text) rootItem.xsiAddress = text
                onSelectedTextChanged: if (activeFocus && root.editActions) root.editActions.selectedText = selectedText
                onActiveFocusChanged: root.trackEditField(xsiField, activeFocus)
                onContextMenuRequested: root.requestTextMenu(xsiField, false)
                Keys.onTabPressed: root.moveFocus(xsiField, true)
                Keys.onBacktabPressed: root.moveFocus(xsiField, false)
            }

            Item {
                id: credentials
                width: parent.width
                height: fieldsColumn.height
                readonly property bool usable: !rootItem.showXsiField || xsiField.text.trim() !== ""

                Column {
                    id: fieldsColumn
                    width: parent.width
                    spacing: ZPalette.unit * 2

                    Vantre.LoginComboBox {
                        id: userCombo
                        objectName: "usernameCombo"
                        width: parent.width
                        height: ZPalette.controlHeight
                        enabled: credentials.usable
                        editable: true
                        placeholderText: root.usernamePlaceholder
                        Accessible.role: Accessible.ComboBox
                        Accessible.name: root.usernamePlaceholder
                        Accessible.editable: true
                        Accessible.focusable: true
                        onTextChanged: if (rootItem.username !== text.trim()) rootItem.username = text
                        onSelectedTextChanged: if (activeFocus && root.editActions) root.editActions.selectedText = selectedText
                        onActiveFocusChanged: root.trackEditField(userCombo, activeFocus)
                        onContextMenuRequested: root.requestTextMenu(userCombo, false)
                        onKeyTab: root.moveFocus(userCombo, true)
                        onKeyBacktab: root.moveFocus(userCombo, false)
                        Component.onCompleted: setModel(usernamesFilterModel)
                    }
                    Binding {
                        target: userCombo
                        property: "text"
                        value: rootItem.username
                    }

                    ZTextField {
                        id: passwordField
                        objectName: "passwordField"
                        width: parent.width
                        enabled: credentials.usable
                        password: true
                        placeholderText: root.passwordPlaceholder
                        onTextChanged: if (rootItem.password !== text) rootItem.password = text
                        onActiveFocusChanged: root.trackEditField(passwordField, activeFocus)
                        onContextMenuRequested: root.requestTextMenu(passwordField, true)
                        Keys.onTabPressed: root.moveFocus(passwordField, true)
                        Keys.onBacktabPressed: root.moveFocus(passwordField, false)
                    }
                    Binding {
                        target: passwordField
                        property: "text"
                        value: rootItem.password
                    }
                }

                // Until the server address is known the credentials mean nothing.
                Rectangle {
                    anchors.fill: fieldsColumn
                    anchors.margins: -ZPalette.focusWidth * 2
                    color: ZPalette.background
                    opacity: 0.6
                    visible: !credentials.usable
                }
            }
        }

        Column {
            id: options
            anchors.top: form.bottom
            anchors.topMargin: ZPalette.unit * 2
            width: parent.width
            spacing: 0
            visible: opacity > 0 || root.state === "signin"

            ZCheckBox {
                id: rememberBox
                objectName: "rememberBox"
                width: parent.width
                text: qsTr("Remember password") + root.lc
                enabled: userCombo.text.trim() !== "" && passwordField.text !== ""
                onToggled: rootItem.rememberPasswordChecked = checked
                onEnabledChanged: if (!enabled) rootItem.rememberPasswordChecked = false
                Keys.onTabPressed: root.moveFocus(rememberBox, true)
                Keys.onBacktabPressed: root.moveFocus(rememberBox, false)
            }
            Binding {
                target: rememberBox
                property: "checked"
                value: rootItem.rememberPasswordChecked
            }

            ZCheckBox {
                id: autoBox
                objectName: "autologinBox"
                width: parent.width
                text: qsTr("Sign in automatically") + root.lc
                enabled: rememberBox.enabled && rememberBox.checked
                onToggled: rootItem.autologinChecked = checked
                Keys.onTabPressed: root.moveFocus(autoBox, true)
                Keys.onBacktabPressed: root.moveFocus(autoBox, false)
            }
            Binding {
                target: autoBox
                property: "checked"
                value: rootItem.autologinChecked
            }

            Vantre.LoginComboBox {
                id: configCombo
                objectName: "configCombo"
                width: parent.width
                height: ZPalette.controlHeight
                editable: false
                visible: root.configsAnnounced && root.configsCount > 1 && root.state === "signin"
                Accessible.role: Accessible.ComboBox
                Accessible.name: qsTr("Configuration") + root.lc
                Accessible.focusable: true
                onActivatedIdxChanged: function(index) {
                    rootItem.configName = text;
                    rootItem.configIdx = index;
                }
                onKeyTab: root.moveFocus(configCombo, true)
                onKeyBacktab: root.moveFocus(configCombo, false)
                Component.onCompleted: setModel(configsFilterModel)
            }
            Binding {
                target: configCombo
                property: "currentIdx"
                value: rootItem.configIdx
            }
        }

        // Progress while signing in or out.
        Column {
            id: progress
            anchors.centerIn: form
            width: parent.width
            spacing: ZPalette.unit * 4
            opacity: 0
            visible: opacity > 0

            ZBusyIndicator {
                anchors.horizontalCenter: parent.horizontalCenter
                running: progress.visible
            }
            ZLabel {
                id: statusLabel
                objectName: "statusLabel"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: root.statusText(rootItem.loginState)
                color: ZPalette.mutedText
            }
        }

        ZButton {
            id: actionButton
            objectName: "signinButton"
            anchors.top: options.bottom
            anchors.topMargin: ZPalette.unit * 3
            width: parent.width
            primary: root.state !== "signingin"
            text: root.state === "signingin" ? qsTr("Cancel") + root.lc
                : root.state === "signingout" ? qsTr("Signing Out") + root.lc
                : qsTr("Sign In") + root.lc
            enabled: root.state === "signingin" || (root.state === "signin" && root.formComplete)
            onClicked: root.buttonAction()
            Keys.onTabPressed: root.moveFocus(actionButton, true)
        }
    }

    Column {
        id: footer
        anchors.bottom: parent.bottom
        anchors.bottomMargin: ZPalette.unit * 3
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: ZPalette.unit

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: ZPalette.unit * 2
            ZLink {
                id: helpLink
                objectName: "helpLink"
                visible: rootItem.showHelpLink
                text: qsTr("Help") + root.lc
                onClicked: root.showHelpClicked()
                Keys.onTabPressed: root.moveFocus(helpLink, true)
            }
            ZLabel {
                anchors.verticalCenter: parent.verticalCenter
                visible: helpLink.visible && pwLink.visible
                text: "\u00B7"
                color: ZPalette.border
            }
            ZLink {
                id: pwLink
                objectName: "forgotPasswordLink"
                visible: rootItem.showPwHelpLink
                text: qsTr("Forgot Password?") + root.lc
                onClicked: root.showPwHelpClicked()
                Keys.onTabPressed: root.moveFocus(pwLink, true)
            }
        }
        ZLabel {
            objectName: "versionLabel"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            text: rootItem.versionInfo + root.lc
            type: ZPalette.caption
            color: ZPalette.mutedText
        }
    }

    transitions: [
        Transition {
            from: "signin"
            to: "signingin,signingout"
            SequentialAnimation {
                NumberAnimation { targets: [form, options]; property: "opacity"; duration: 350 }
                NumberAnimation { target: progress; property: "opacity"; duration: 200 }
            }
        },
        Transition {
            from: "signingin,signingout"
            to: "signin"
            ParallelAnimation {
                NumberAnimation { target: progress; property: "opacity"; duration: 150 }
                SequentialAnimation {
                    PauseAnimation { duration: 200 }
                    NumberAnimation { target: form; property: "opacity"; duration: 250 }
                }
                SequentialAnimation {
                    PauseAnimation { duration: 400 }
                    NumberAnimation { target: options; property: "opacity"; duration: 250 }
                }
            }
        }
    ]

    Component.onCompleted: { focusFirst(); Qt.callLater(focusFirst); }
}

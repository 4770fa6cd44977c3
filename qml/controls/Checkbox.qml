import QtQuick 2.15

// The check box under the name the windows of calls and chats use, with its
// text as "label".
ZCheckBox {
    property alias label: box.text
    id: box
}

import QtQuick 2.15

// The push button under the name the windows of calls and chats use.
ZButton {
}

import QtQuick 2.15

// A ring of dots whose brightness runs round while "running" is set.
Item {
    id: control

    property bool running: true
    property int dots: 10
    property color color: ZPalette.accent

    implicitWidth: Math.round(ZPalette.fontPixelSize * 3)
    implicitHeight: implicitWidth
    visible: running
    Accessible.role: Accessible.Animation
    Accessible.name: qsTr("Busy")

    Item {
        id: ring
        anchors.centerIn: parent
        width: Math.min(control.width, control.height)
        height: width

        Repeater {
            model: control.dots
            delegate: Rectangle {
                readonly property real angle: index / control.dots * 2 * Math.PI
                readonly property real dotSize: Math.max(3, ring.width * 0.16)
                width: dotSize
                height: dotSize
                radius: dotSize / 2
                antialiasing: true
                color: control.color
                x: ring.width / 2 + Math.sin(angle) * (ring.width - dotSize) / 2 - dotSize / 2
                y: ring.height / 2 - Math.cos(angle) * (ring.height - dotSize) / 2 - dotSize / 2
                opacity: 0.15 + 0.85 * ((index + control.dots - spin.step) % control.dots) / (control.dots - 1)
            }
        }
    }

    // Steps the bright dot round; a whole number keeps every frame crisp.
    QtObject {
        id: spin
        property int step: 0
    }
    NumberAnimation {
        target: spin
        property: "step"
        from: 0
        to: control.dots
        duration: 1000
        loops: Animation.Infinite
        running: control.running && control.visible
    }
}

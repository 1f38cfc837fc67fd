pragma ComponentBehavior: Bound
import QtQuick

// A ring of ten small circles that fill one after another and then empty in the same order,
// a tenth of a second apart, drawn here so that the busy overlay on the first page needs no
// Controls style. 60 x 60 points.
Item {
    id: spinner
    property bool running: true
    property color color: "white"
    property real phase
    implicitWidth: 60
    implicitHeight: 60

    NumberAnimation on phase {
        running: spinner.running
        from: 0
        to: 2000
        duration: 2000
        loops: Animation.Infinite
    }

    Repeater {
        model: 10
        Rectangle {
            required property int index
            readonly property real angle: index * Math.PI / 5
            readonly property bool filled: spinner.phase >= index * 100 && spinner.phase < 1000 + index * 100
            x: spinner.width / 2 - 4 + 20 * Math.sin(angle)
            y: spinner.height / 2 - 4 - 20 * Math.cos(angle)
            width: 8
            height: 8
            radius: 4
            color: filled ? spinner.color : "transparent"
            border.color: spinner.color
            border.width: 1
        }
    }
}

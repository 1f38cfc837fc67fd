pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A detail's values on a white box: one FieldLine per [caption, key] of `lines`, read from
// `fields`; lines given as children (a state line) come first.
Rectangle {
    id: box
    property var lines: []
    property var fields: ({})
    default property alias leading: head.data
    width: parent ? parent.width : 320
    height: details.height + 12
    color: "white"
    Column {
        id: details
        y: 6
        width: parent.width
        Column {
            id: head
            width: parent.width
        }
        Repeater {
            model: box.lines
            FieldLine {
                required property var modelData
                caption: modelData[0]
                value: box.fields[modelData[1]] || ""
            }
        }
    }
}

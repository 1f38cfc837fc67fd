import QtQuick
import Velmora

// A tender of the tender market (40 points): kind, specification, weight and warehouse in
// 13-point type, and the bid button.
ListRow {
    id: row
    required property string nsortName
    required property string spec
    required property string weight
    required property string cangku
    signal bid()

    height: 40

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Repeater {
            model: [[row.nsortName, 64], [row.spec, 78], [row.weight, 50], [row.cangku, 56]]
            Text {
                required property var modelData
                width: modelData[1]
                text: modelData[0]
                font.pixelSize: 13
                color: "#333333"
                elide: Text.ElideRight
            }
        }
    }
    Rectangle {
        x: 276
        width: 38
        height: 24
        radius: 3
        anchors.verticalCenter: parent.verticalCenter
        color: Theme.red
        Text {
            anchors.centerIn: parent
            text: "应标"
            color: "white"
            font.pixelSize: 12
        }
        MouseArea {
            anchors.fill: parent
            onClicked: row.bid()
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.5
        color: Qt.rgba(228 / 255, 228 / 255, 228 / 255, 1)
    }
}

import QtQuick
import Velmora

// A list row of short columns in 13-point type ([text, width] each) and, when it has one, a
// small red button on the right; the row and the button are activated apart.
ListRow {
    id: row
    property var columns: []
    property string actionTitle
    property bool actionShown: false
    signal actionPressed()

    height: 40

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Repeater {
            model: row.columns
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
        visible: row.actionShown
        x: 268
        width: 46
        height: 24
        radius: 3
        anchors.verticalCenter: parent.verticalCenter
        color: Theme.red
        Text {
            anchors.centerIn: parent
            text: row.actionTitle
            color: "white"
            font.pixelSize: 12
        }
        MouseArea {
            anchors.fill: parent
            onClicked: row.actionPressed()
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.5
        color: Qt.rgba(228 / 255, 228 / 255, 228 / 255, 1)
    }
}

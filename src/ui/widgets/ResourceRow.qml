import QtQuick
import Velmora

// A supermarket row (40 points): kind, specification and price, the telephone button ("call",
// or "call2" and inert without an extension) and the buy control.
ListRow {
    id: row
    required property string nsortName
    required property string spec
    required property var price
    required property bool phoneEnabled
    signal opened()
    signal called()

    height: 40
    onActivated: row.opened()

    Text {
        x: 10
        width: 70
        anchors.verticalCenter: parent.verticalCenter
        text: row.nsortName
        font.pixelSize: 13
        color: "#333333"
        elide: Text.ElideRight
    }
    Text {
        x: 84
        width: 96
        anchors.verticalCenter: parent.verticalCenter
        text: row.spec
        font.pixelSize: 12
        color: "#555555"
        elide: Text.ElideRight
    }
    Text {
        x: 182
        width: 56
        anchors.verticalCenter: parent.verticalCenter
        text: String(row.price)
        font.pixelSize: 13
        color: Theme.red
    }
    Image {
        x: 242
        anchors.verticalCenter: parent.verticalCenter
        width: 26
        height: 26
        source: "qrc:/Velmora/assets/" + (row.phoneEnabled ? "call" : "call2") + ".svg"
        sourceSize.width: 52
        sourceSize.height: 52
        MouseArea {
            anchors.fill: parent
            enabled: row.phoneEnabled
            onClicked: row.called()
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
            text: "购买"
            color: "white"
            font.pixelSize: 12
        }
        MouseArea {
            anchors.fill: parent
            onClicked: row.opened()
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// Sound and vibration: one 44-point row each with its icon and switch.
Item {
    id: page
    required property Settings controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 10
            width: parent.width
            spacing: 10
            Repeater {
                model: page.controller.rows
                Rectangle {
                    id: row
                    required property var modelData
                    required property int index
                    width: parent.width
                    height: 44
                    color: "white"
                    Image {
                        id: icon
                        x: 15
                        anchors.verticalCenter: parent.verticalCenter
                        source: "qrc:/Velmora/assets/" + row.modelData.picture + ".svg"
                        sourceSize.width: 24
                        sourceSize.height: 24
                    }
                    Text {
                        anchors.left: icon.right
                        anchors.leftMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.title
                        font.pixelSize: 14
                        color: "#333333"
                    }
                    Switch {
                        anchors.right: parent.right
                        anchors.rightMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        checked: row.modelData.on
                        onToggled: page.controller.setSwitch(row.index, checked)
                    }
                }
            }
        }
    }
}

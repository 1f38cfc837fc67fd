pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The three balances, one 60-point row each with its icon, value and unit, 10 points apart.
Item {
    id: page
    required property MyMoney controller

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
                    width: parent.width
                    height: 60
                    color: "white"
                    Image {
                        id: icon
                        x: 15
                        anchors.verticalCenter: parent.verticalCenter
                        source: "qrc:/Velmora/assets/" + row.modelData.picture + ".svg"
                        sourceSize.width: 28
                        sourceSize.height: 28
                    }
                    Text {
                        anchors.left: icon.right
                        anchors.leftMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.caption
                        font.pixelSize: 14
                        color: "#333333"
                    }
                    Text {
                        id: unit
                        anchors.right: parent.right
                        anchors.rightMargin: 15
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.unit
                        font.pixelSize: 14
                        color: "#333333"
                    }
                    Text {
                        anchors.right: unit.left
                        anchors.rightMargin: 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.value
                        font.pixelSize: 16
                        color: Theme.red
                    }
                }
            }
        }
    }
}

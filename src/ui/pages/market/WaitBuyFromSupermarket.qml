pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The resources opened in the supermarket, newest first: date, kind, specification, price.
Item {
    id: page
    required property WaitBuyFromSupermarket controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        ListView {
            id: list
            anchors.fill: parent
            model: page.controller.dataArray
            clip: true
            focus: true
            keyNavigationEnabled: true
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                id: row
                required property var modelData
                required property int index
                width: list.width
                height: 40
                color: area.pressed ? "#e5e5e5" : index % 2 === 0 ? "white" : Qt.rgba(248 / 255, 248 / 255, 248 / 255, 1)
                Keys.onReturnPressed: page.controller.didSelectRow(row.index)
                Row {
                    x: 10
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 8
                    Text { width: 62; text: row.modelData.date || ""; font.pixelSize: 12; color: Theme.titleGrey }
                    Text { width: 70; text: row.modelData.nsortName || ""; font.pixelSize: 13; elide: Text.ElideRight }
                    Text { width: 90; text: row.modelData.spec || ""; font.pixelSize: 12; elide: Text.ElideRight }
                    Text { width: 50; text: row.modelData.price || ""; font.pixelSize: 13; color: Theme.red }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    onClicked: page.controller.didSelectRow(row.index)
                }
            }
            Text {
                anchors.centerIn: parent
                visible: list.count === 0
                text: "暂无数据"
                color: Theme.titleGrey
                font.pixelSize: 14
            }
        }
    }
}

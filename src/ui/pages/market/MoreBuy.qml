import QtQuick
import Velmora

// The latest deals: "C05", the trade time in red, the deal line; "刷新" on the right.
Item {
    id: page
    required property MoreBuy controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            text: page.controller.rightButtonTitle
            onClicked: page.controller.refresh()
        }
        PagedListView {
            anchors.fill: parent
            paged: page.controller.mainlist
            delegate: Rectangle {
                id: row
                required property string tradeTime
                required property string detail
                width: ListView.view.width
                height: Math.max(60, line.y + line.height + 8)
                color: "white"
                Image {
                    x: 10
                    anchors.verticalCenter: parent.verticalCenter
                    width: 36
                    height: 36
                    source: "qrc:/Velmora/assets/C05.svg"
                    sourceSize.width: 72
                    sourceSize.height: 72
                }
                Text {
                    x: 56
                    y: 8
                    text: row.tradeTime
                    color: "red"
                    font.pixelSize: 13
                }
                Text {
                    id: line
                    x: 56
                    y: 28
                    width: parent.width - 66
                    text: row.detail
                    wrapMode: Text.Wrap
                    font.pixelSize: 12
                    color: "#333333"
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: "#e4e4e4"
                }
            }
        }
    }
}

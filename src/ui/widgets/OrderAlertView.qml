pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The company card: four lines in 10-point type (83, 81, 82) on a panel framed in grey
// (190, 188, 189), centred in the card's area, and the close control under them.
Item {
    id: card
    property OrderAlertView view
    width: view ? view.width : 0
    height: view ? view.height : 0

    MouseArea { anchors.fill: parent }
    Rectangle { anchors.fill: parent; color: Theme.dim }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: 260
        height: content.implicitHeight
        color: "white"
        clip: true
        border.width: 0.5
        border.color: Qt.rgba(190 / 255, 188 / 255, 189 / 255, 1)
        Column {
            id: content
            width: parent.width
            topPadding: 12
            Repeater {
                model: card.view ? [["公司名称：", card.view.companyName], ["手机：", card.view.mobile],
                                    ["电话：", card.view.tel], ["联系人：", card.view.userName]] : []
                Text {
                    required property var modelData
                    x: 15
                    width: panel.width - 30
                    height: 24
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: modelData[0] + modelData[1]
                    font.pixelSize: 10
                    color: Qt.rgba(83 / 255, 81 / 255, 82 / 255, 1)
                }
            }
            Item { width: 1; height: 12 }
            Rectangle { width: parent.width; height: 0.5; color: Qt.rgba(190 / 255, 188 / 255, 189 / 255, 1) }
            Item {
                width: parent.width
                height: 40
                Rectangle {
                    id: close
                    anchors.centerIn: parent
                    width: 80
                    height: 26
                    radius: 2
                    color: area.pressed ? "#d0d0d0" : "#e5e5e5"
                    border.width: activeFocus ? 1 : 0
                    activeFocusOnTab: true
                    Keys.onSpacePressed: card.view.remove()
                    Keys.onReturnPressed: card.view.remove()
                    Text { anchors.centerIn: parent; text: "关闭"; font.pixelSize: 13 }
                    MouseArea { id: area; anchors.fill: parent; onClicked: card.view.remove() }
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The tab shell's own button row: 49 points, white, a grey line on top, the titles (red when
// selected), the badges and the red marker under the selected button.
Rectangle {
    id: row
    property MainTabBarController shell
    height: Theme.tabBarHeight
    color: shell ? shell.backColor : "white"

    Rectangle {
        width: parent.width
        height: 0.5
        color: Theme.lineGrey
    }

    Repeater {
        model: row.shell ? row.shell.items : []
        Item {
            id: cell
            required property TabBarButton modelData
            required property int index
            x: index * row.shell.buttonWidth
            width: row.shell.buttonWidth
            height: row.height
            Text {
                anchors.centerIn: parent
                text: cell.modelData.title
                color: cell.modelData.selected || area.pressed ? Theme.red : "black"
                font.pixelSize: 13
            }
            BadgeView {
                model: cell.modelData.badgeView
                x: cell.width / 2 + 16
                y: 5
            }
            MouseArea {
                id: area
                anchors.fill: parent
                onClicked: cell.modelData.press()
            }
        }
    }

    Rectangle {
        visible: !!row.shell && row.shell.selectedIndex >= 0
        y: row.height - 1
        height: 1
        width: row.shell ? row.shell.buttonWidth : 0
        x: row.shell ? row.shell.clickLineX : 0
        color: Theme.red
        Behavior on x { NumberAnimation { duration: 200 } }
    }
}

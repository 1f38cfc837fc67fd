pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A tab screen's frame: the screen's buttons in the title view, the selected tab's page below,
// and an optional item on the right of the navigation bar.
Item {
    id: bar
    property BusinessTabBar controller
    property alias rightItem: frame.rightItem

    ScreenFrame {
        id: frame
        anchors.fill: parent
        controller: bar.controller
        titleView: Row {
            width: 200
            height: 30
            Repeater {
                model: bar.controller ? bar.controller.titleView : []
                Rectangle {
                    id: titleButton
                    required property ButtonModel modelData
                    visible: !modelData.hidden
                    width: 200 / Math.max(1, bar.controller.titleView.length)
                    height: 30
                    color: modelData.selected ? Theme.red : "white"
                    border.width: 0.5
                    border.color: Theme.red
                    Text {
                        anchors.centerIn: parent
                        text: titleButton.modelData.title
                        color: titleButton.modelData.selected ? "white" : Theme.red
                        font.pixelSize: 13
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: titleButton.modelData.press()
                    }
                }
            }
        }

        Repeater {
            model: bar.controller ? bar.controller.viewControllers : []
            Loader {
                required property ViewController modelData
                required property int index
                anchors.fill: parent
                active: modelData.viewLoaded
                visible: index === bar.controller.selectedIndex
                Component.onCompleted: setSource(Pages.pageUrl(modelData), { controller: modelData })
            }
        }
    }
}

import QtQuick
import Velmora

// A tab screen: the subclass's buttons in the title view, the selected tab's page below.
Item {
    id: page
    required property BusinessTabBar controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        titleView: Row {
            width: 200
            height: 30
            Repeater {
                model: page.controller ? page.controller.titleView : []
                Rectangle {
                    required property QtObject modelData
                    visible: !modelData.hidden
                    width: 200 / Math.max(1, page.controller.titleView.length)
                    height: 30
                    color: modelData.selected ? Theme.red : "white"
                    border.width: 0.5
                    border.color: Theme.red
                    Text {
                        anchors.centerIn: parent
                        text: parent.modelData.title
                        color: parent.modelData.selected ? "white" : Theme.red
                        font.pixelSize: 13
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: parent.modelData.press()
                    }
                }
            }
        }

        Repeater {
            model: page.controller ? page.controller.viewControllers : []
            Loader {
                required property QtObject modelData
                required property int index
                anchors.fill: parent
                active: modelData.viewLoaded
                visible: index === page.controller.selectedIndex
                Component.onCompleted: setSource(Pages.pageUrl(modelData), { controller: modelData })
            }
        }
    }
}

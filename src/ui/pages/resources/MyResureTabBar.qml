import QtQuick
import Velmora

// The seller's resources: listed, directed and unpublished, switched by the buttons in the bar;
// the add button on the right of the bar.
Item {
    id: page
    required property MyResureTabBar controller
    TabBarFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            text: "添加"
            onClicked: page.controller.addBtnPressed()
        }
    }
}

import QtQuick
import Velmora

// The buyer's tenders: the two lists as tabs, and the add button on the right of the bar.
Item {
    id: page
    required property BiddingTabBar controller
    TabBarFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.addButtonShown
            text: "新增"
            onClicked: page.controller.addBtnPressed()
        }
    }
}

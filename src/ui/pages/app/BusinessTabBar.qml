import QtQuick
import Velmora

// A tab screen: the subclass's buttons in the title view, the selected tab's page below.
Item {
    id: page
    required property BusinessTabBar controller

    TabBarFrame {
        anchors.fill: parent
        controller: page.controller
    }
}

import QtQuick
import Velmora

// Two lists of one side, switched by the buttons in the navigation bar.
Item {
    id: page
    required property WaitBuyTabBar controller
    TabBarFrame { anchors.fill: parent; controller: page.controller }
}

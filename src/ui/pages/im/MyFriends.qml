import QtQuick
import Velmora

// The friends tab: the page switcher in the title, the add-friend button on the right.
Item {
    id: page
    required property MyFriends controller

    TabBarFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: Text {
            text: "＋"
            font.pixelSize: 22
            color: Theme.red
            MouseArea { anchors.fill: parent; anchors.margins: -8; onClicked: page.controller.addFriendsBtnPressed() }
        }
    }
}

import QtQuick
import Velmora

// The conversation, with the peer's profile button when the peer is a friend.
Item {
    id: page
    required property SteelChatViewController controller

    ChatView {
        anchors.fill: parent
        controller: page.controller
        rightItem: Text {
            visible: page.controller.rightButtonShown
            text: "资料"
            font.pixelSize: 14
            color: Theme.red
            MouseArea { anchors.fill: parent; anchors.margins: -8; onClicked: page.controller.gotoUserInfo() }
        }
    }
}

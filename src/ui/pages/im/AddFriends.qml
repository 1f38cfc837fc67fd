import QtQuick
import Velmora

// How to add a friend.
Item {
    id: page
    required property AddFriends controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 30
            spacing: 16
            ActionButton { title: "通过手机号添加"; focus: true; onClicked: page.controller.toAddFriendsWithPhone() }
            ActionButton { title: "从通讯录添加"; onClicked: page.controller.toAddFriendsWithContacts() }
            ActionButton { title: "邀请朋友加入"; onClicked: page.controller.toInviteFriend() }
        }
    }
}

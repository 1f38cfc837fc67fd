import QtQuick
import QtQuick.Controls
import Velmora

// Invite people to install the client by their mobile numbers.
Item {
    id: page
    required property InviteFriend controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            x: 16; y: 16
            width: parent.width - 32
            spacing: 12
            Text { width: parent.width; text: " 邀请朋友下载、安装、登录后，赚5元/位哦！"; font.pixelSize: 13; wrapMode: Text.Wrap }
            TextArea {
                width: parent.width
                height: 100
                wrapMode: TextEdit.Wrap
                font.pixelSize: 13
                color: page.controller && page.controller.showingPlaceholder ? "#999999" : "black"
                background: Rectangle { border.color: Theme.lineGrey; radius: 4 }
                text: page.controller ? page.controller.inviteText : ""
                onTextChanged: if (page.controller && page.controller.editing) page.controller.inviteText = text
                onActiveFocusChanged: activeFocus ? page.controller.textViewDidBeginEditing() : page.controller.textViewDidEndEditing()
            }
            ActionButton { anchors.horizontalCenter: parent.horizontalCenter; title: "邀请"; onClicked: page.controller.tellMyFriend() }
            Text { text: "温馨提示："; font.pixelSize: 12; color: "#808080" }
            Text { width: parent.width; text: "在登录状态邀请朋友加入，我们才知道把钱奖给谁哦！"; font.pixelSize: 12; color: "#808080"; wrapMode: Text.Wrap }
        }
    }
}

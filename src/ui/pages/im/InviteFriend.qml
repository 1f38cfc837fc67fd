import QtQuick
import QtQuick.Controls
import Velmora

// Invite people to install the client by their mobile numbers.
Item {
    id: page
    required property InviteFriend controller
    readonly property FormField numbers: page.controller.form.field("list")

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            x: 16; y: 16
            width: parent.width - 32
            spacing: 12
            Text { width: parent.width; text: " 邀请朋友下载、安装、登录后，赚5元/位哦！"; font.pixelSize: 13; wrapMode: Text.Wrap }
            TextArea {
                id: input
                width: parent.width
                height: 100
                wrapMode: TextEdit.Wrap
                font.pixelSize: 13
                background: Rectangle { border.color: Theme.lineGrey; radius: 4 }
                placeholderText: page.numbers.placeholder
                text: page.numbers.text
                onTextChanged: page.numbers.text = text
                Connections {
                    target: page.numbers
                    function onKeyboardClosed() { input.focus = false }
                }
            }
            ActionButton { anchors.horizontalCenter: parent.horizontalCenter; title: "邀请"; onClicked: page.controller.tellMyFriend() }
            Text { text: "温馨提示："; font.pixelSize: 12; color: "#808080" }
            Text { width: parent.width; text: "在登录状态邀请朋友加入，我们才知道把钱奖给谁哦！"; font.pixelSize: 12; color: "#808080"; wrapMode: Text.Wrap }
        }
    }
}

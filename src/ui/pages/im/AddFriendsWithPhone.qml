import QtQuick
import QtQuick.Controls
import Velmora

// A mobile number and the button that sends the request.
Item {
    id: page
    required property AddFriendsWithPhone controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 30
            spacing: 16
            TextField {
                id: field
                width: 280
                focus: true
                placeholderText: "请输入对方手机号码"
                inputMethodHints: Qt.ImhDialableCharactersOnly
                text: page.controller ? page.controller.phone : ""
                onTextEdited: page.controller.phone = text
                onAccepted: page.controller.sure()
                onActiveFocusChanged: if (page.controller) page.controller.keyboardShown = activeFocus
            }
            ActionButton { title: "确定"; onClicked: page.controller.sure() }
        }
        Connections {
            target: page.controller
            function onKeyboardShownChanged() { if (!page.controller.keyboardShown) field.focus = false }
        }
    }
}

import QtQuick
import Velmora

// A mobile number and the button that sends the request.
Item {
    id: page
    required property AddFriendsWithPhone controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 30
            width: parent.width
            spacing: 16
            FormInput { focus: true; field: page.controller.form.field("phone") }
            ActionButton { anchors.horizontalCenter: parent.horizontalCenter; title: "确定"; onClicked: page.controller.sure() }
        }
    }
}

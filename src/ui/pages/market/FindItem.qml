import QtQuick
import Velmora

// Find goods: the phone number (it takes the focus whenever the screen shows) and "C07" to send.
Item {
    id: page
    required property FindItem controller
    onVisibleChanged: if (visible) phone.forceActiveFocus()
    Component.onCompleted: phone.forceActiveFocus()
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        FormInput { id: phone; y: 20; field: page.controller.form.field("phone") }
        PictureButton {
            y: 84
            anchors.horizontalCenter: parent.horizontalCenter
            width: 290
            height: 40
            picture: "C07"
            text: "发送"
            onClicked: page.controller.beginFind()
        }
    }
}

import QtQuick
import Velmora

// The buyer's mobile number and the button that pushes the resource to them.
Item {
    id: page
    required property ResureWithPush controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 15
            width: parent.width
            FormInput { focus: true; field: page.controller.form.field("mobile") }
            Item { width: 1; height: 20 }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: "推送"
                onClicked: page.controller.send()
            }
        }
    }
}

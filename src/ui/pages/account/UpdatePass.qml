import QtQuick
import Velmora

// The new password and its confirmation, both masked, and the button that sets it.
Item {
    id: page
    required property UpdatePass controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 15
            width: parent.width
            spacing: 0
            FormInput { focus: true; field: page.controller.form.field("pass") }
            FormInput { field: page.controller.form.field("confirm") }
            Item { width: 1; height: 20 }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.submitTitle
                onClicked: page.controller.update()
            }
        }
    }
}

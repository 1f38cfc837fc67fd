import QtQuick
import Velmora

// The number the code went to, the code input, the fixed waiting hint and the submit button.
Item {
    id: page
    required property RegistrationResult controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 15
            width: parent.width
            spacing: 12
            Text {
                x: 15
                text: page.controller.sentText
                font.pixelSize: 13
                color: "#333333"
            }
            Text {
                x: 15
                text: page.controller.phoneNumber
                font.pixelSize: 16
                color: "#333333"
            }
            FormInput { focus: true; field: page.controller.form.field("code") }
            Text {
                x: 15
                textFormat: Text.StyledText
                font.pixelSize: 12
                color: Theme.titleGrey
                text: page.controller.hintLead + "<font color=\"" + Theme.red + "\">" + page.controller.hintSeconds
                      + "</font>" + page.controller.hintTail
            }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.submitTitle
                onClicked: page.controller.done()
            }
        }
    }
}

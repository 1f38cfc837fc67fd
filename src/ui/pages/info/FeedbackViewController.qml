import QtQuick
import QtQuick.Controls
import Velmora

// "意见反馈": the message (the controller keeps it within 200 characters), its placeholder until
// editing begins, "完成" to close the keyboard, and the send button.
Item {
    id: page
    required property FeedbackViewController controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: input.activeFocus
            text: page.controller.doneTitle
            onClicked: input.focus = false
        }
        Column {
            y: 15
            width: parent.width
            spacing: 16
            Rectangle {
                x: 10
                width: parent.width - 20
                height: 160
                color: "white"
                border.color: "#d8d8d8"
                TextArea {
                    id: input
                    anchors.fill: parent
                    wrapMode: TextEdit.Wrap
                    font.pixelSize: 14
                    background: null
                    text: page.controller.text
                    onActiveFocusChanged: if (activeFocus) page.controller.beginEditing()
                    onTextChanged: if (text !== page.controller.text) page.controller.text = text
                    KeyNavigation.priority: KeyNavigation.BeforeItem
                    KeyNavigation.tab: send
                }
                Text {
                    visible: page.controller.placeholderShown
                    x: 8
                    y: 8
                    text: page.controller.placeholder
                    font.pixelSize: 14
                    color: "#b2b2b2"
                }
            }
            ActionButton {
                id: send
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.sendTitle
                onClicked: page.controller.sendbutton()
            }
        }
    }
}

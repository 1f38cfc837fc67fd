import QtQuick
import QtQuick.Controls
import Velmora

// Find goods: the phone number (it takes the focus whenever the screen shows) and "C07" to send.
Item {
    id: page
    required property FindItem controller
    onVisibleChanged: if (visible) field.forceActiveFocus()
    Component.onCompleted: field.forceActiveFocus()
    Connections {
        target: page.controller
        function onCloseKeyboard() { field.focus = false }
    }
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Rectangle {
            y: 20
            x: 15
            width: parent.width - 30
            height: 44
            radius: 4
            color: "white"
            border.width: 0.5
            border.color: "#d8d8d8"
            TextField {
                id: field
                anchors.fill: parent
                anchors.leftMargin: 8
                placeholderText: page.controller.placeholder
                text: page.controller.phoneText
                inputMethodHints: Qt.ImhDigitsOnly
                font.pixelSize: 14
                background: null
                onTextEdited: page.controller.phoneText = text
                onAccepted: page.controller.beginFind()
                KeyNavigation.tab: send
            }
        }
        PictureButton {
            id: send
            y: 84
            anchors.horizontalCenter: parent.horizontalCenter
            width: 290
            height: 40
            picture: "C07"
            text: "发送"
            onClicked: page.controller.beginFind()
            KeyNavigation.tab: field
        }
    }
}

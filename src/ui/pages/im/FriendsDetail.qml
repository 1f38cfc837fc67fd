import QtQuick
import Velmora

// One person of the address book.
Item {
    id: page
    required property FriendsDetail controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 30
            spacing: 12
            Text { text: page.controller ? page.controller.name : ""; font.pixelSize: 13 }
            Text { text: page.controller ? page.controller.phone : ""; font.pixelSize: 13 }
            ActionButton { title: "添加为商友"; focus: true; onClicked: page.controller.sure() }
        }
    }
}

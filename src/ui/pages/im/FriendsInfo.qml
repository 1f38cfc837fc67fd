pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A friend's profile.
Item {
    id: page
    required property FriendsInfo controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            x: 16; y: 20
            width: parent.width - 32
            spacing: 12
            Repeater {
                model: page.controller ? [["姓名", page.controller.name], ["手机", page.controller.mobilePhone],
                                          ["公司", page.controller.companyName], ["地区", page.controller.area],
                                          ["主营", page.controller.sorts]] : []
                Row {
                    id: fact
                    required property var modelData
                    spacing: 12
                    Text { width: 40; text: fact.modelData[0]; color: "#808080"; font.pixelSize: 13 }
                    Text { width: 220; text: fact.modelData[1]; font.pixelSize: 13; wrapMode: Text.Wrap }
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// "关于我们": the contact points (each opens its address), the version line, and the buttons
// for the version check and the feedback screen.
Item {
    id: page
    required property ContactUsViewController controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 15
            width: parent.width
            spacing: 12
            Column {
                width: parent.width
                Repeater {
                    model: page.controller.contacts
                    Rectangle {
                        id: contact
                        required property var modelData
                        required property int index
                        width: parent.width
                        height: 44
                        color: area.pressed || activeFocus ? "#e5e5e5" : "white"
                        activeFocusOnTab: true
                        Keys.onReturnPressed: page.controller.openContact(contact.index)
                        Keys.onSpacePressed: page.controller.openContact(contact.index)
                        Text {
                            id: caption
                            x: 15
                            anchors.verticalCenter: parent.verticalCenter
                            text: contact.modelData.title
                            font.pixelSize: 14
                            color: Theme.titleGrey
                        }
                        Text {
                            anchors.left: caption.right
                            anchors.leftMargin: 6
                            anchors.verticalCenter: parent.verticalCenter
                            text: contact.modelData.value
                            font.pixelSize: 14
                            color: "#1a5fb4"
                        }
                        Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: "#e4e4e4" }
                        MouseArea { id: area; anchors.fill: parent; onClicked: page.controller.openContact(contact.index) }
                    }
                }
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: page.controller.edition
                font.pixelSize: 13
                color: Theme.titleGrey
            }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.checkTitle
                onClicked: page.controller.Checknewversion()
            }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.feedbackTitle
                onClicked: page.controller.Feedback()
            }
        }
    }
}

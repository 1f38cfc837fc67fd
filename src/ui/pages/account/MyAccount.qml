import QtQuick
import Velmora

// Root of the account tab: the user's card (name, mobile number, company) and the logout row.
Item {
    id: page
    required property MyAccount controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller

        Rectangle {
            id: card
            y: 8
            width: parent.width
            height: 112
            color: "white"
            Column {
                x: 15
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                Text {
                    text: page.controller.userName
                    font.pixelSize: 16
                    color: "#333333"
                }
                Text {
                    text: page.controller.userTel
                    font.pixelSize: 13
                    color: Theme.titleGrey
                }
                Text {
                    text: page.controller.companyName
                    font.pixelSize: 13
                    color: Theme.titleGrey
                }
            }
        }

        PictureRow {
            anchors.top: card.bottom
            anchors.topMargin: 8
            height: 40
            title: page.controller.logoutTitle
            picture: page.controller.logoutPicture
            onClicked: page.controller.logoutPressed()
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// Root of the account tab: the user's card (name, mobile number, company, certify button) and
// the five section rows, 8 points apart.
Item {
    id: page
    required property MyAccount controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller

        Flickable {
            anchors.fill: parent
            contentHeight: rows.height + 16
            boundsBehavior: Flickable.StopAtBounds
            Column {
                id: rows
                y: 8
                width: parent.width
                spacing: 8
                Rectangle {
                    width: parent.width
                    height: 112
                    color: "white"
                    Column {
                        x: 15
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 8
                        Text { text: page.controller.userName; font.pixelSize: 16; color: "#333333" }
                        Text { text: page.controller.userTel; font.pixelSize: 13; color: Theme.titleGrey }
                        Text { text: page.controller.companyName; font.pixelSize: 13; color: Theme.titleGrey }
                    }
                    ActionButton {
                        anchors.right: parent.right
                        anchors.rightMargin: 15
                        anchors.verticalCenter: parent.verticalCenter
                        width: 80
                        height: 30
                        title: page.controller.certifyTitle
                        enabled: !page.controller.certified
                        opacity: page.controller.certified ? 0.6 : 1
                        onClicked: page.controller.certifyPressed()
                    }
                }
                Repeater {
                    model: page.controller.sections
                    PictureRow {
                        required property var modelData
                        required property int index
                        height: 40
                        title: modelData.title
                        picture: modelData.picture
                        onClicked: page.controller.didSelectSection(index + 1)
                    }
                }
            }
        }
    }
}

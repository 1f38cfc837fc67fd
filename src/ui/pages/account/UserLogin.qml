pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The login screen: the mobile number and password inputs with their labels, the prompt line
// when a gate opened it, the login button, and the registration and password-reset rows.
Item {
    id: page
    required property UserLogin controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller

        Column {
            id: inputs
            y: 15
            width: parent.width

            FormInput { field: page.controller.form.field("user") }
            FormInput { field: page.controller.form.field("pass") }
        }

        Row {
            visible: page.controller.comfromOtherController
            anchors.top: inputs.bottom
            anchors.topMargin: 10
            x: 15
            spacing: 6
            height: 20
            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: "qrc:/Velmora/assets/" + page.controller.promptPicture + ".svg"
                sourceSize.width: 16
                sourceSize.height: 16
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: page.controller.promptLead
                color: "#333333"
                font.pixelSize: 13
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: page.controller.promptRedText
                color: Theme.red
                font.pixelSize: 13
            }
        }

        PictureButton {
            id: loginButton
            anchors.top: inputs.bottom
            anchors.topMargin: 20 + page.controller.contentOffset
            anchors.horizontalCenter: parent.horizontalCenter
            width: 290
            height: 40
            picture: page.controller.loginButtonPicture
            text: page.controller.loginButtonTitle
            onClicked: page.controller.login()
        }

        Column {
            anchors.top: loginButton.bottom
            anchors.topMargin: 20
            width: parent.width
            Repeater {
                model: page.controller.rows
                PictureRow {
                    required property var modelData
                    required property int index
                    height: page.controller.rowHeight
                    title: modelData.title
                    picture: modelData.picture
                    onClicked: page.controller.didSelectRow(index)
                }
            }
        }
    }
}

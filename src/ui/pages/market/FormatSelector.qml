import QtQuick
import QtQuick.Controls
import Velmora

// The specification picker: a field for a typed specification with "确定", then the list.
Item {
    id: page
    required property FormatSelector controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.rightButtonShown
            text: page.controller.rightButtonTitle
            onClicked: page.controller.rightButtonPressed()
        }
        Rectangle {
            id: header
            width: parent.width
            height: 70
            color: "white"
            Text {
                id: caption
                x: 6
                y: 12
                height: 30
                verticalAlignment: Text.AlignVCenter
                text: page.controller.fieldCaption
                font.pixelSize: 14
                color: "#333333"
            }
            TextField {
                id: field
                anchors.left: caption.right
                anchors.right: confirm.left
                anchors.rightMargin: 6
                y: 12
                height: 30
                font.pixelSize: 14
                text: page.controller.formatText
                onTextEdited: page.controller.formatText = text
                onAccepted: page.controller.confirmTyped()
                KeyNavigation.tab: confirm
            }
            BarButton {
                id: confirm
                anchors.right: parent.right
                anchors.rightMargin: 8
                y: 12
                text: "确定"
                onClicked: page.controller.confirmTyped()
            }
            Text {
                y: 50
                text: page.controller.listCaption
                font.pixelSize: 12
                color: Theme.titleGrey
            }
        }
        PickerList {
            anchors.top: header.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            picker: page.controller
        }
    }
}

import QtQuick
import Velmora

// The kind picker: kinds under red category heads; it brings the asked category to the top.
Item {
    id: page
    required property SubClassSelector controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            text: page.controller.rightButtonTitle
            onClicked: page.controller.rightButtonPressed()
        }
        PickerList {
            id: list
            anchors.fill: parent
            picker: page.controller
            Connections {
                target: page.controller
                function onScrollRowChanged() {
                    if (page.controller.scrollRow >= 0)
                        list.positionViewAtIndex(page.controller.scrollRow, ListView.Beginning)
                }
            }
        }
    }
}

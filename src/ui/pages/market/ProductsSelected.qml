import QtQuick
import Velmora

// A filter picker: its rows, and the right button ("全国"/"全部") when it has one.
Item {
    id: page
    required property ProductsSelected controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.rightButtonShown
            text: page.controller.rightButtonTitle
            onClicked: page.controller.rightButtonPressed()
        }
        PickerList {
            anchors.fill: parent
            picker: page.controller
        }
    }
}

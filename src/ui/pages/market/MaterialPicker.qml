import QtQuick
import Velmora

// A material picker: the material field over the rows; without rows the field takes the
// material and the confirm button sends it.
Item {
    id: page
    required property MaterialPicker controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.typed
            text: "确定"
            onClicked: page.controller.confirm()
        }
        FormInput {
            id: material
            focus: page.controller.typed
            field: page.controller.form.field("material")
        }
        PickerList {
            anchors.top: material.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            picker: page.controller
        }
    }
}

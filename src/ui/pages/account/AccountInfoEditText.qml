import QtQuick
import Velmora

// One value to type, and "完成".
Item {
    id: page
    required property AccountInfoEditText controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            text: "完成"
            onClicked: page.controller.finish()
        }
        FormInput {
            y: 20
            focus: true
            field: page.controller.form.field("text")
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The order and offer details: captioned lines, the outcome pair where the screen has one,
// and the screen's buttons.
Item {
    id: page
    required property OrderSheet controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            x: 10
            y: 10
            width: parent.width - 20
            spacing: 6
            Repeater {
                model: page.controller.lines
                Row {
                    id: line
                    required property var modelData
                    spacing: 4
                    Text { width: 70; text: line.modelData.caption; font.pixelSize: 13; color: Theme.titleGrey }
                    Text { width: 226; text: line.modelData.value; font.pixelSize: 13; wrapMode: Text.Wrap }
                }
            }
            Image {
                visible: status === Image.Ready   // only once there is a picture to show
                width: parent.width
                height: visible ? 200 : 0
                fillMode: Image.PreserveAspectFit
                source: page.controller.picture
            }
            Rectangle { width: parent.width; height: 0.5; color: Qt.rgba(220 / 255, 220 / 255, 220 / 255, 1) }
            Row {
                spacing: 20
                visible: page.controller.choices.length > 0
                Repeater {
                    model: page.controller.choices
                    SmallButton {
                        id: choice
                        required property ButtonModel modelData
                        width: 90
                        selectable: true
                        checked: modelData.selected
                        text: modelData.title
                        onClicked: modelData.press()
                    }
                }
            }
            Row {
                spacing: 20
                Repeater {
                    model: page.controller.buttons
                    SmallButton {
                        required property ButtonModel modelData
                        width: 120
                        height: 34
                        visible: !modelData.hidden
                        enabled: modelData.enabled
                        text: modelData.title
                        onClicked: modelData.press()
                    }
                }
            }
        }
    }
}

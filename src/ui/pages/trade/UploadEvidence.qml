import QtQuick
import Velmora

// The voucher upload: the two source buttons while choosing; the picture with submit and reset
// once one is chosen. The photo library is a file dialog for pictures.
Item {
    id: page
    required property UploadEvidence controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            id: buttonViewA
            visible: !page.controller.chosen
            x: 10
            y: 20
            spacing: 15
            ActionButton {
                width: 300
                title: page.controller.cameraTitle
                enabled: page.controller.hasCamera
                onClicked: page.controller.openImagePickerOrOpenCamera(0)
            }
            ActionButton {
                width: 300
                title: "从相册选择"
                onClicked: page.controller.openImagePickerOrOpenCamera(1)
            }
        }
        Rectangle {
            id: bodyImage
            visible: page.controller.chosen
            x: 10
            y: 10
            width: 300
            height: 300
            border.width: 0.5
            border.color: Qt.rgba(190 / 255, 190 / 255, 190 / 255, 1)
            Image {
                anchors.fill: parent
                anchors.margins: 1
                fillMode: Image.PreserveAspectFit
                source: page.controller.imageFile
            }
        }
        Row {
            id: buttonViewB
            visible: page.controller.chosen
            x: 10
            y: 315
            spacing: 10
            ActionButton { width: 145; title: "提交"; onClicked: page.controller.sumbit() }
            ActionButton { width: 145; title: "重新选择"; onClicked: page.controller.reSet() }
        }
    }
    PictureFileDialog {
        visible: page.controller.picking
        title: "选择凭证图片"
        onChosen: file => page.controller.didFinishPickingFile(file)
    }
}

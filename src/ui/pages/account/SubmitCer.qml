pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The four certificates: caption, upload button ("C47") and, once uploaded, the check ("C48").
// The photo library is a file dialog for pictures.
Item {
    id: page
    required property SubmitCer controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 10
            width: parent.width
            Repeater {
                model: page.controller.rows
                Rectangle {
                    id: row
                    required property var modelData
                    required property int index
                    width: parent.width
                    height: 60
                    color: "white"
                    Text {
                        x: 15
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.caption
                        font.pixelSize: 14
                        color: "#333333"
                    }
                    Image {
                        visible: row.modelData.uploaded
                        anchors.right: upload.left
                        anchors.rightMargin: 8
                        anchors.verticalCenter: parent.verticalCenter
                        source: "qrc:/Velmora/assets/C48.svg"
                        sourceSize.width: 20
                        sourceSize.height: 20
                    }
                    PictureButton {
                        id: upload
                        anchors.right: parent.right
                        anchors.rightMargin: 15
                        anchors.verticalCenter: parent.verticalCenter
                        width: 60
                        height: 30
                        picture: "C47"
                        onClicked: page.controller.uploadPressed(row.index)
                    }
                    Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: "#e4e4e4" }
                }
            }
        }
    }
    PictureFileDialog {
        visible: page.controller.picking
        title: "选择证件图片"
        onChosen: file => page.controller.didFinishPickingFile(file)
    }
}

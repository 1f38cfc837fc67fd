pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The tender form: nine rows, each opening its picker or editor, then the save button.
Item {
    id: page
    required property AddBidding controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 10
            width: parent.width
            Repeater {
                model: page.controller.rows
                ListRow {
                    id: entry
                    required property var modelData
                    evenColor: "white"
                    oddColor: "white"
                    onActivated: page.controller.didSelectRow(entry.index)
                    Text {
                        id: caption
                        x: 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: entry.modelData.caption
                        font.pixelSize: 14
                        color: "#333333"
                    }
                    Text {
                        anchors.left: caption.right
                        anchors.right: note.left
                        anchors.verticalCenter: parent.verticalCenter
                        text: entry.modelData.text
                        font.pixelSize: 14
                        color: "#333333"
                        elide: Text.ElideRight
                    }
                    Text {
                        id: note
                        anchors.right: parent.right
                        anchors.rightMargin: 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: entry.modelData.note
                        horizontalAlignment: Text.AlignRight
                        font.pixelSize: 12
                        color: Theme.red
                    }
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: 0.5
                        color: Qt.rgba(228 / 255, 228 / 255, 228 / 255, 1)
                    }
                }
            }
            Item { width: 1; height: 20 }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 250
                height: 35
                title: page.controller.saveTitle
                onClicked: page.controller.addBtnDidClicked()
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The profile: the caption and value of each row (the products row in a section of its own),
// disclosure marks on the editable rows while editing, "编辑"/"保存" on the bar.
Item {
    id: page
    required property AccountInfo controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.editShown
            text: page.controller.editTitle
            onClicked: page.controller.editPressed()
        }
        Column {
            y: 10
            width: parent.width
            Repeater {
                model: page.controller.rows
                Item {
                    id: row
                    required property var modelData
                    required property int index
                    width: parent.width
                    height: row.modelData.height + (row.modelData.section === 1 ? 10 : 0)
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: row.modelData.height
                        color: area.pressed || row.activeFocus ? "#e5e5e5" : "white"
                        Text {
                            id: caption
                            x: 15
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.modelData.caption
                            font.pixelSize: 14
                            color: Theme.titleGrey
                        }
                        Text {
                            anchors.left: caption.right
                            anchors.leftMargin: 10
                            anchors.right: mark.left
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.modelData.value
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            font.pixelSize: 14
                            color: "#333333"
                        }
                        Text {
                            id: mark
                            anchors.right: parent.right
                            anchors.rightMargin: 15
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.modelData.selectable ? "›" : ""
                            font.pixelSize: 18
                            color: "#b2b2b2"
                        }
                        Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: "#e4e4e4" }
                        MouseArea { id: area; anchors.fill: parent; onClicked: page.controller.didSelectRow(row.index) }
                    }
                    activeFocusOnTab: row.modelData.selectable
                    Keys.onReturnPressed: page.controller.didSelectRow(row.index)
                    Keys.onSpacePressed: page.controller.didSelectRow(row.index)
                }
            }
        }
    }
}

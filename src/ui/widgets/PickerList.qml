pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The rows of a filter picker: even rows light grey, odd rows white, a disclosure mark on a
// place with cities, a check mark on a chosen product, a red head over each category's kinds.
ListView {
    id: list
    required property InfoSelector picker
    model: picker.rows
    clip: true
    focus: true
    keyNavigationEnabled: true
    ScrollBar.vertical: ScrollBar {}
    delegate: Rectangle {
        id: row
        required property var modelData
        required property int index
        readonly property string header: modelData.header || ""
        width: list.width
        height: 44 + (header === "" ? 0 : 24)
        color: area.pressed || row.ListView.isCurrentItem && list.activeFocus ? "#e5e5e5"
                                                                         : index % 2 === 0 ? Qt.rgba(248 / 255, 248 / 255, 248 / 255, 1) : "white"
        Keys.onReturnPressed: list.picker.didSelectRow(row.index)
        Keys.onSpacePressed: list.picker.didSelectRow(row.index)
        Rectangle {
            visible: row.header !== ""
            width: parent.width
            height: 24
            color: "#efeff4"
            Text {
                x: 12
                anchors.verticalCenter: parent.verticalCenter
                text: row.header
                color: Theme.red
                font.pixelSize: 13
            }
        }
        Text {
            x: 15
            y: row.height - 44 + (44 - height) / 2
            text: row.modelData.text
            font.pixelSize: 15
            color: "#333333"
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 15
            y: row.height - 44 + (44 - height) / 2
            visible: !!row.modelData.disclosure || !!row.modelData.checked
            text: row.modelData.checked ? "✓" : "›"
            color: row.modelData.checked ? Theme.buttonBlue : "#b2b2b2"
            font.pixelSize: 18
        }
        MouseArea {
            id: area
            anchors.fill: parent
            onClicked: list.picker.didSelectRow(row.index)
        }
    }
    Keys.onReturnPressed: if (currentIndex >= 0) picker.didSelectRow(currentIndex)
}

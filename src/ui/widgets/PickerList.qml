pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The rows of a filter picker: even rows light grey, odd rows white, a disclosure mark on a
// place with cities, a check mark on a chosen row, a red head over each category's kinds. It
// brings the row the picker asks for to the top.
PagedListView {
    id: list
    required property InfoSelector picker
    paged: picker.list
    Connections {
        target: list.picker
        function onScrollRowChanged() {
            if (list.picker.scrollRow >= 0)
                list.positionViewAtIndex(list.picker.scrollRow, ListView.Beginning)
        }
    }
    delegate: ListRow {
        id: row
        required property string text
        required property bool disclosure
        required property string header
        required property bool selected
        height: list.picker.rowHeight + (header === "" ? 0 : 24)
        evenColor: Qt.rgba(248 / 255, 248 / 255, 248 / 255, 1)
        oddColor: "white"
        onActivated: list.picker.didSelectRow(row.index)
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
            y: row.height - list.picker.rowHeight + (list.picker.rowHeight - height) / 2
            text: row.text
            font.pixelSize: 15
            color: "#333333"
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 15
            y: row.height - list.picker.rowHeight + (list.picker.rowHeight - height) / 2
            visible: row.disclosure || row.selected
            text: row.selected ? "✓" : "›"
            color: row.selected ? Theme.buttonBlue : "#b2b2b2"
            font.pixelSize: 18
        }
    }
}

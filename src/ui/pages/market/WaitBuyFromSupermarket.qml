pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The resources opened in the supermarket, newest first: date, kind, specification, price.
Item {
    id: page
    required property WaitBuyFromSupermarket controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.dataArray
            delegate: ListRow {
                id: row
                required property string date
                required property var nsortName
                required property var spec
                required property var price
                height: 40
                onActivated: page.controller.didSelectRow(row.index)
                Row {
                    x: 10
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 8
                    Text { width: 62; text: row.date; font.pixelSize: 12; color: Theme.titleGrey }
                    Text { width: 70; text: row.nsortName || ""; font.pixelSize: 13; elide: Text.ElideRight }
                    Text { width: 90; text: row.spec || ""; font.pixelSize: 12; elide: Text.ElideRight }
                    Text { width: 50; text: row.price || ""; font.pixelSize: 13; color: Theme.red }
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The seller's resource lists: a check mark and the row's button on each row, and one button
// under the list for the chosen rows.
Item {
    id: page
    required property ResureList controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            anchors.bottomMargin: chosen.height + 12
            paged: page.controller.dataArray
            delegate: OrderRow {
                id: row
                required property bool selected
                checkable: true
                checked: row.selected
                onToggled: page.controller.dataArray.toggleSelected(row.index)
                onActivated: page.controller.didSelectRow(row.index)
                onAction: page.controller.actionAtRow(row.index)
                onCard: page.controller.cardAtRow(row.index)
            }
        }
        ActionButton {
            id: chosen
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 6
            anchors.horizontalCenter: parent.horizontalCenter
            title: page.controller.chosenTitle
            enabled: page.controller.chosenEnabled
            onClicked: page.controller.actOnChosen()
        }
    }
}

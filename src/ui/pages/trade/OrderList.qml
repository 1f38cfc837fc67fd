pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// Every order list and the directed offers: one row per order, its button and company card.
Item {
    id: page
    required property OrderList controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.dataArray
            delegate: OrderRow {
                id: row
                onActivated: page.controller.didSelectRow(row.index)
                onAction: page.controller.actionAtRow(row.index)
                onCard: page.controller.cardAtRow(row.index)
            }
        }
    }
}

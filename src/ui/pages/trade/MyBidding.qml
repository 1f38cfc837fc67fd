pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The seller's bids: date, kind, specification and the bid's price, and the company-card button.
Item {
    id: page
    required property MyBidding controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.dataArray
            delegate: ColumnsRow {
                id: cell
                required property string addTime
                required property string nsortName
                required property string spec
                required property string ybPrice
                columns: [[cell.addTime, 76], [cell.nsortName, 64], [cell.spec, 60], [cell.ybPrice, 50]]
                actionTitle: "名片"
                actionShown: true
                onActivated: page.controller.didSelectRow(cell.index)
                onActionPressed: page.controller.cellDidSelected(cell.index)
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The tender market: the tenders with their bid buttons, and the bid form over them.
Item {
    id: page
    required property Bidding controller
    MarketListFrame {
        anchors.fill: parent
        market: page.controller
        delegate: BiddingCell {
            id: cell
            onActivated: page.controller.didSelectRow(cell.index)
            onBid: page.controller.cellDidSelected(cell.index)
        }
        BidPanel {
            form: page.controller.bidForm
        }
    }
}

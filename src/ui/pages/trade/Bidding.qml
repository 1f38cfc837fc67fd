pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The tender market: the filter bar and count line, then the tenders with their bid buttons;
// the province button on the right of the navigation bar; the bid form over it all.
Item {
    id: page
    required property Bidding controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            width: 64
            text: page.controller.filter.placeTitle
            onClicked: page.controller.filter.selectCity()
        }
        FilterBar {
            id: bar
            filter: page.controller.filter
            countText: page.controller.mainLabel
        }
        PagedListView {
            anchors.top: bar.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            paged: page.controller.mainlist
            delegate: BiddingCell {
                id: cell
                onActivated: page.controller.didSelectRow(cell.index)
                onBid: page.controller.cellDidSelected(cell.index)
            }
        }
        BidPanel {
            form: page.controller.bidForm
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The frame of the filtered market lists: the province button on the right of the navigation
// bar, the filter bar with the count line, then the paged list drawn with the page's row.
// Anything else a page declares is laid over the list (the tender market's bid form).
ScreenFrame {
    id: frame
    required property FilteredMarketList market
    property alias delegate: list.delegate
    controller: market
    rightItem: BarButton {
        width: 64
        text: frame.market.filter.placeTitle
        visible: !frame.market.filter.placeHidden
        onClicked: frame.market.filter.selectCity()
    }
    FilterBar {
        id: bar
        filter: frame.market.filter
        countText: frame.market.mainLabel
    }
    PagedListView {
        id: list
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        paged: frame.market.mainlist
    }
}

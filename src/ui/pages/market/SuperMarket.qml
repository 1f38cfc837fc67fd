pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The supermarket list: the filter bar and count line, then the resources with their
// telephone and buy controls; the place button on the right of the navigation bar.
Item {
    id: page
    required property SuperMarket controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: !page.controller.filter.placeHidden
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
            delegate: ResourceRow {
                id: resource
                onOpened: page.controller.didSelectedGoBuyWithSelectdIndex(resource.index)
                onCalled: page.controller.callphone(resource.index)
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import Velmora

// The supermarket list: the filter bar and count line, then the resources with their
// telephone and buy controls; the place button on the right of the navigation bar.
Item {
    id: page
    required property SuperMarket controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: page.controller.filter.placeHidden ? null : placeButton
        Component {
            id: placeButton
            BarButton {
                width: 64
                text: page.controller.filter.placeTitle
                onClicked: page.controller.filter.selectCity()
            }
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
                onOpened: page.controller.didSelectedGoBuyWithSelectdIndex(index)
                onCalled: page.controller.callphone(index)
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The supermarket list: the resources with their telephone and buy controls.
Item {
    id: page
    required property SuperMarket controller
    MarketListFrame {
        anchors.fill: parent
        market: page.controller
        delegate: ResourceRow {
            id: resource
            onOpened: page.controller.didSelectedGoBuyWithSelectdIndex(resource.index)
            onCalled: page.controller.callphone(resource.index)
        }
    }
}

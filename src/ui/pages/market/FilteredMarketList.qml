pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The page of a filtered market list that has no rows of its own yet: the filter bar, the count
// line and the paged list, each row with the kind and specification every market list carries.
Item {
    id: page
    required property FilteredMarketList controller
    MarketListFrame {
        anchors.fill: parent
        market: page.controller
        delegate: ListRow {
            id: row
            required property string nsortName
            required property string spec
            height: 40
            Text { x: 10; anchors.verticalCenter: parent.verticalCenter; width: 100; text: row.nsortName; font.pixelSize: 13; elide: Text.ElideRight }
            Text { x: 120; anchors.verticalCenter: parent.verticalCenter; text: row.spec; font.pixelSize: 12; color: "#555555"; elide: Text.ElideRight }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The auction list: the lots, 40-point rows.
Item {
    id: page
    required property Auction controller
    MarketListFrame {
        anchors.fill: parent
        market: page.controller
        delegate: ListRow {
            id: row
            required property string nsortName
            required property string spec
            required property string price
            required property string beginTime
            required property string auctionState
            height: 40
            onActivated: page.controller.didSelectRow(row.index)
            Text { x: 10; y: 4; width: 70; text: row.nsortName; font.pixelSize: 13; elide: Text.ElideRight }
            Text { x: 84; y: 4; width: 110; text: row.spec; font.pixelSize: 12; color: "#555555"; elide: Text.ElideRight }
            Text { x: 200; y: 4; text: row.price; font.pixelSize: 13; color: Theme.red }
            Text { x: 10; y: 22; text: row.beginTime; font.pixelSize: 11; color: Theme.titleGrey }
            Text { x: 200; y: 22; text: row.auctionState; font.pixelSize: 11; color: "#2a6bd0" }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// One of the seller's bids: the tender it answers, then the bid itself.
Item {
    id: page
    required property MyBiddingDetail controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Rectangle {
            y: 10
            width: parent.width
            height: details.height + 12
            color: "white"
            Column {
                id: details
                y: 6
                width: parent.width
                Repeater {
                    model: [["品种", "nsortName"], ["规格", "spec"], ["材质", "materials"], ["重量(吨)", "weight"],
                        ["交货地址", "address"], ["应标时间", "addTime"], ["应标价格", "price"], ["应标交货地", "ybAddress"],
                        ["生产钢厂", "yieldly"]]
                    FieldLine {
                        required property var modelData
                        caption: modelData[0]
                        value: page.controller.fields[modelData[1]] || ""
                    }
                }
            }
        }
    }
}

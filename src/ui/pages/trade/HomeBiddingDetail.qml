pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// One tender as a seller sees it, the bid button under it and the bid form over it.
Item {
    id: page
    required property HomeBiddingDetail controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 10
            width: parent.width
            Rectangle {
                width: parent.width
                height: details.height + 12
                color: "white"
                Column {
                    id: details
                    y: 6
                    width: parent.width
                    Repeater {
                        model: [["品种", "nsortName"], ["规格", "spec"], ["材质", "materials"], ["重量(吨)", "weight"],
                            ["交货地址", "address"], ["应标家数", "maxNum"], ["付款方式", "paytype"]]
                        FieldLine {
                            required property var modelData
                            caption: modelData[0]
                            value: page.controller.fields[modelData[1]] || ""
                        }
                    }
                }
            }
            Item { width: 1; height: 20 }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: "我要应标"
                onClicked: page.controller.buttonPressed()
            }
        }
        BidPanel {
            form: page.controller.bidForm
        }
    }
}

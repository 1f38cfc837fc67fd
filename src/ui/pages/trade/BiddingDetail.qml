import QtQuick
import Velmora

// One of the buyer's tenders: its state, its values, the state button; the edit button on the
// right of the bar while it is unpublished.
Item {
    id: page
    required property BiddingDetail controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.editShown
            text: "编辑"
            onClicked: page.controller.gotoEditor()
        }
        Column {
            y: 10
            width: parent.width
            FieldBox {
                fields: page.controller.fields
                lines: [["品种", "nsortName"], ["规格", "spec"], ["材质", "materials"], ["重量", "weight"],
                    ["招标价格", "price"], ["应标家数", "maxNum"], ["交货地址", "address"], ["付款方式", "paytype"]]
                FieldLine {
                    caption: "状态"
                    value: page.controller.stateText
                    valueColor: page.controller.stateColor
                }
            }
            Item { width: 1; height: 20 }
            ActionButton {
                visible: page.controller.stateButtonShown
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.stateButtonTitle
                onClicked: page.controller.show()
            }
        }
    }
}

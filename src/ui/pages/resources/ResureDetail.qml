import QtQuick
import Velmora

// One of the seller's resources: its values, then withdraw (listed or directed) or publish and
// push (unpublished), with "修改" on the right of the bar.
Item {
    id: page
    required property ResureDetail controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: !page.controller.isRevoked
            text: "修改"
            onClicked: page.controller.gotoEditor()
        }
        Column {
            y: 10
            width: parent.width
            FieldBox {
                fields: page.controller.fields
                lines: [["品名", "nsortName"], ["规格", "spec"], ["材质", "materials"], ["产地", "yieldly"],
                    ["所在地", "place"], ["重量", "weight"], ["价格", "price"], ["优惠", "discount"]]
            }
            Item { width: 1; height: 20 }
            ActionButton {
                visible: page.controller.isRevoked
                anchors.horizontalCenter: parent.horizontalCenter
                title: "撤回资源"
                onClicked: page.controller.withdraw()
            }
            Row {
                visible: !page.controller.isRevoked
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 16
                ActionButton {
                    width: 130
                    title: "发布到超市"
                    onClicked: page.controller.publish()
                }
                ActionButton {
                    width: 130
                    title: "定向推送"
                    onClicked: page.controller.push()
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// One auction lot with its terms and the favourites button.
Item {
    id: page
    required property AuctionDetail controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Flickable {
            anchors.fill: parent
            contentHeight: content.height + 30
            clip: true
            Column {
                id: content
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
                            model: [["场次编号", "auctionCode"], ["品种", "nsortName"], ["规格", "spec"],
                                ["材质", "materials"], ["钢厂", "yieldly"], ["存放地", "place"], ["重量", "weight"],
                                ["计重方式", "jillingType"], ["开始时间", "beginTime"], ["起拍价", "price"],
                                ["加价幅度", "fudu"], ["付款时间", "fuKuanShiJian"], ["卖家质量指数", "sellerQualityIndex"]]
                            FieldLine {
                                required property var modelData
                                caption: modelData[0]
                                value: page.controller.fields[modelData[1]] || ""
                                valueColor: modelData[1] === "price" ? Theme.red : "#333333"
                            }
                        }
                    }
                }
                Item { width: 1; height: 20 }
                PictureButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 290
                    height: 40
                    picture: "C29"
                    text: "收藏本场拍卖"
                    onClicked: page.controller.addFavorites()
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The buying screen: the resource in detail, the weight and price fields and the buy button;
// "旺旺洽谈" on the right of the navigation bar.
Item {
    id: page
    required property GoBuy controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            width: 70
            text: page.controller.rightButtonTitle
            onClicked: page.controller.gotoSpeak()
        }
        Flickable {
            id: scroller
            anchors.fill: parent
            contentHeight: content.height + 20
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
                        Row {
                            x: 15
                            height: 28
                            spacing: 8
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: page.controller.online ? "● 卖家在线" : "○ 卖家离线"
                                color: page.controller.online ? "#2a9d3a" : Theme.titleGrey
                                font.pixelSize: 12
                            }
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: page.controller.discuss ? "☑ 可议价" : "☐ 可议价"
                                color: "#333333"
                                font.pixelSize: 12
                            }
                        }
                        Repeater {
                            model: [["品种", "kind"], ["规格", "spec"], ["材质", "material"], ["钢厂", "mill"],
                                ["所在地", "place"], ["重量", "weight"], ["价格", "price"]]
                            FieldLine {
                                required property var modelData
                                caption: modelData[0]
                                value: page.controller.fields[modelData[1]] || ""
                                valueColor: modelData[1] === "price" ? Theme.red : "#333333"
                            }
                        }
                    }
                }
                Item { width: 1; height: 12 }
                FormInput {
                    field: page.controller.form.field("weight")
                    onEditingChanged: if (editing) scroller.contentY = Math.max(0, content.height - scroller.height + 60)
                }
                FormInput { field: page.controller.form.field("price") }
                Item { width: 1; height: 20 }
                PictureButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 290
                    height: 40
                    picture: "C29"
                    text: page.controller.buyTitle
                    enabled: page.controller.buyEnabled
                    onClicked: page.controller.submit()
                }
            }
        }
    }
}

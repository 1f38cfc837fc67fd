pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The steel mills, column by column: each logo ("gangchang" until it loads) with its name in
// red under it; "正在加载列表" while the list loads.
Item {
    id: page
    required property BrandStore controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Flickable {
            anchors.fill: parent
            contentWidth: 320
            contentHeight: page.controller.gridHeight
            clip: true
            Repeater {
                model: page.controller.mills
                Item {
                    id: place
                    required property var row
                    x: row.x
                    y: row.y + 15
                    width: 70
                    height: 110
                    activeFocusOnTab: true
                    Keys.onReturnPressed: page.controller.xuanzegangchang(place.row.tag)
                    Keys.onSpacePressed: page.controller.xuanzegangchang(place.row.tag)
                    Rectangle {
                        width: 70
                        height: 70
                        radius: 6
                        color: "white"
                        border.width: place.activeFocus ? 2 : 0.5
                        border.color: place.activeFocus ? "#80000000" : "#d8d8d8"
                        Image {
                            anchors.fill: parent
                            anchors.margins: 4
                            fillMode: Image.PreserveAspectFit
                            source: place.row.logo.toString() !== "" ? place.row.logo
                                                                          : "qrc:/Velmora/assets/gangchang.svg"
                        }
                    }
                    Text {
                        y: 76
                        width: 70
                        horizontalAlignment: Text.AlignHCenter
                        text: place.row.name
                        color: "red"
                        font.pixelSize: 13
                        wrapMode: Text.Wrap
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: page.controller.xuanzegangchang(place.row.tag)
                    }
                }
            }
        }
        Rectangle {
            visible: page.controller.loadingList
            anchors.centerIn: parent
            width: 120
            height: 100
            radius: 8
            color: "#cc000000"
            BusyIndicator {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 14
                running: parent.visible
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 70
                text: page.controller.loadingText
                color: "white"
                font.pixelSize: 13
            }
        }
    }
}

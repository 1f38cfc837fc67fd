pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// Root of the first tab: the advert strip with its page indicator, the eight entry buttons
// and the deal ticker; a tap on the background (the ticker area) opens the latest deals.
Item {
    id: page
    required property HomePage controller
    readonly property AdvertStrip strip: controller.strip

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller

        ListView {
            id: adverts
            width: 320
            height: 183
            anchors.horizontalCenter: parent.horizontalCenter
            orientation: ListView.Horizontal
            snapMode: ListView.SnapOneItem
            highlightRangeMode: ListView.StrictlyEnforceRange
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            model: page.strip.adverts
            onContentXChanged: page.strip.scrollViewDidScroll(contentX - originX)
            delegate: Rectangle {
                id: advert
                required property var modelData
                required property int index
                width: 320
                height: 183
                color: "#dde3ea"
                Image {
                    anchors.fill: parent
                    fillMode: Image.PreserveAspectCrop
                    source: advert.modelData.picture
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: page.controller.touchUpInsideAtImageView(advert.index)
                }
            }
            Connections {
                target: page.strip
                function onContentOffsetChanged() {
                    adverts.positionViewAtIndex(page.strip.contentOffset / 320, ListView.Beginning)
                }
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 170
            spacing: 6
            Repeater {
                model: page.strip.numberOfPages
                Rectangle {
                    id: dot
                    required property int index
                    width: 7
                    height: 7
                    radius: 3.5
                    color: index === page.strip.currentPage ? "white" : "#80ffffff"
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        onClicked: page.strip.valueChange(dot.index)
                    }
                }
            }
        }

        Grid {
            y: 193
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 4
            columnSpacing: 0
            rowSpacing: 6
            Repeater {
                model: page.controller.buttons
                Item {
                    id: entry
                    required property var modelData
                    width: 80
                    height: 74
                    activeFocusOnTab: true
                    Keys.onReturnPressed: page.controller.buttonPressed(entry.modelData.tag)
                    Keys.onSpacePressed: page.controller.buttonPressed(entry.modelData.tag)
                    Image {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 48
                        height: 48
                        source: "qrc:/Velmora/assets/" + entry.modelData.picture + ".png"
                        sourceSize.width: 96
                        sourceSize.height: 96
                        opacity: area.pressed ? 0.7 : 1
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        y: 52
                        text: entry.modelData.caption
                        font.pixelSize: 12
                        color: "#333333"
                    }
                    Rectangle {
                        anchors.fill: parent
                        color: "transparent"
                        radius: 4
                        border.width: entry.activeFocus ? 2 : 0
                        border.color: "#80000000"
                    }
                    MouseArea {
                        id: area
                        anchors.fill: parent
                        onClicked: page.controller.buttonPressed(entry.modelData.tag)
                    }
                }
            }
        }

        Rectangle {
            x: 0
            y: page.controller.tickerTop - 6
            width: parent.width
            height: 1
            color: "#dddddd"
        }
        Text {
            x: 10
            y: page.controller.tickerTop
            visible: page.controller.emptyLineText !== ""
            text: page.controller.emptyLineText
            font.pixelSize: page.controller.tickerFontSize
            color: Theme.titleGrey
        }
        Repeater {
            model: page.controller.tickerLines
            Text {
                required property var modelData
                x: 10
                y: modelData.y
                width: 300
                textFormat: Text.StyledText
                text: modelData.styledText
                font.pixelSize: page.controller.tickerFontSize
                color: "#333333"
                elide: Text.ElideRight
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The information centre: the sub-category bar on top (not for the analyses), the list (or the
// price lists grouped by region, each group with "更多 >>"), the five main categories at the
// bottom, the region button on the bar for the price lists. A sideways swipe, or the arrow
// keys, change the sub-category.
Item {
    id: page
    required property ArticleList controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.regionShown
            width: 70
            text: page.controller.regionTitle
            onClicked: page.controller.regionPressed()
        }

        Row {
            id: subBar
            width: parent.width
            height: page.controller.subBarShown ? 40 : 0
            visible: page.controller.subBarShown
            Repeater {
                model: page.controller.subButtons
                Rectangle {
                    id: sub
                    required property var modelData
                    required property int index
                    width: sub.modelData.width
                    height: 40
                    color: sub.modelData.selected ? Theme.red : "white"
                    Text {
                        anchors.centerIn: parent
                        text: sub.modelData.title
                        font.pixelSize: 14
                        color: sub.modelData.selected ? "white" : "#333333"
                    }
                    MouseArea { anchors.fill: parent; onClicked: page.controller.subButtonPressed(10 + sub.index) }
                }
            }
        }

        Item {
            id: body
            anchors.top: subBar.bottom
            anchors.bottom: mainBar.top
            width: parent.width
            focus: true
            Keys.onRightPressed: page.controller.swipeLeft()
            Keys.onLeftPressed: page.controller.swipeRight()
            DragHandler {
                target: null
                yAxis.enabled: false
                onActiveChanged: {
                    if (active)
                        return
                    if (translation.x < -60)
                        page.controller.swipeLeft()
                    else if (translation.x > 60)
                        page.controller.swipeRight()
                }
            }
            PagedListView {
                anchors.fill: parent
                visible: !page.controller.regionShown
                paged: page.controller.mainlist
                delegate: ArticleRow {
                    id: article
                    onActivated: page.controller.didSelectRow(article.index)
                }
            }
            PagedListView {
                anchors.fill: parent
                visible: page.controller.regionShown
                paged: page.controller.groups
                delegate: Item {
                    id: entry
                    required property int index
                    required property string kind
                    required property string title
                    required property string image
                    width: ListView.view.width
                    height: entry.kind === "group" ? 44 : news.height
                    Rectangle {
                        visible: entry.kind === "group"
                        anchors.fill: parent
                        color: "#efefef"
                        Text {
                            x: 10
                            anchors.verticalCenter: parent.verticalCenter
                            text: entry.title
                            font.pixelSize: 15
                            font.bold: true
                            color: "#333333"
                        }
                        BarButton {
                            anchors.right: parent.right
                            anchors.rightMargin: 10
                            anchors.verticalCenter: parent.verticalCenter
                            width: 70
                            text: page.controller.moreTitle
                            onClicked: page.controller.moreInGroup(entry.index)
                        }
                    }
                    ArticleRow {
                        id: news
                        visible: entry.kind !== "group"
                        index: entry.index
                        title: entry.title
                        image: entry.image
                        onActivated: page.controller.didSelectGroupRow(entry.index)
                    }
                }
            }
        }

        Row {
            id: mainBar
            anchors.bottom: parent.bottom
            width: parent.width
            height: 49
            Repeater {
                model: page.controller.mainButtons
                Rectangle {
                    id: main
                    required property var modelData
                    required property int index
                    width: mainBar.width / 5
                    height: 49
                    color: main.modelData.selected ? "#3a3a3a" : "#2a2a2a"
                    activeFocusOnTab: true
                    Keys.onReturnPressed: page.controller.mainButtonPressed(main.index)
                    Keys.onSpacePressed: page.controller.mainButtonPressed(main.index)
                    Text {
                        anchors.centerIn: parent
                        text: main.modelData.title
                        font.pixelSize: 13
                        color: main.modelData.selected ? Theme.red : "white"
                    }
                    MouseArea { anchors.fill: parent; onClicked: page.controller.mainButtonPressed(main.index) }
                }
            }
        }
    }
}

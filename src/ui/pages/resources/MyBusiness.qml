pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// Root of the business tab: the buyer's and the seller's five rows under their headers, each
// row with its unread mark; rows whose lists are not in the app are greyed out.
Item {
    id: page
    required property MyBusiness controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Flickable {
            anchors.fill: parent
            contentHeight: content.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            Column {
                id: content
                width: parent.width
                Repeater {
                    model: page.controller.sections
                    Column {
                        id: group
                        required property var modelData
                        required property int index
                        width: content.width
                        Item {
                            width: parent.width
                            height: 40
                            Text {
                                x: 15
                                anchors.bottom: parent.bottom
                                anchors.bottomMargin: 8
                                text: group.modelData.headerTitle
                                font.pixelSize: 13
                                color: Theme.titleGrey
                            }
                        }
                        Repeater {
                            model: group.modelData.rows
                            Rectangle {
                                id: row
                                required property var modelData
                                required property int index
                                width: group.width
                                height: 44
                                color: area.pressed || activeFocus ? "#e5e5e5" : "white"
                                opacity: modelData.enabled ? 1 : 0.4
                                activeFocusOnTab: modelData.enabled
                                Keys.onReturnPressed: page.controller.didSelectRow(group.index, row.index)
                                Keys.onSpacePressed: page.controller.didSelectRow(group.index, row.index)
                                Text {
                                    x: 15
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: row.modelData.title
                                    font.pixelSize: 13
                                }
                                Rectangle {
                                    visible: row.modelData.marked
                                    x: 200
                                    width: 34
                                    height: 18
                                    radius: 9
                                    anchors.verticalCenter: parent.verticalCenter
                                    color: Theme.red
                                    Text {
                                        anchors.centerIn: parent
                                        text: row.modelData.markText
                                        color: "white"
                                        font.pixelSize: 11
                                    }
                                }
                                Text {
                                    x: parent.width - 22
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: "›"
                                    font.pixelSize: 20
                                    color: Theme.lineGrey
                                }
                                Rectangle {
                                    anchors.bottom: parent.bottom
                                    x: 15
                                    width: parent.width - 15
                                    height: 0.5
                                    color: Qt.rgba(228 / 255, 228 / 255, 228 / 255, 1)
                                }
                                MouseArea {
                                    id: area
                                    anchors.fill: parent
                                    enabled: row.modelData.enabled
                                    onClicked: page.controller.didSelectRow(group.index, row.index)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A platform alert (centred box, buttons side by side when there are two) or an action sheet
// (buttons at the bottom, cancel apart).
Item {
    id: root
    property PlatformAlert view
    readonly property bool sheet: !!view && view.actionSheet
    readonly property var titles: view ? view.buttonTitles : []

    Rectangle { anchors.fill: parent; color: Theme.dim }
    MouseArea { anchors.fill: parent }

    Rectangle {
        visible: !root.sheet
        anchors.centerIn: parent
        width: 270
        height: box.implicitHeight
        radius: 7
        color: "#f7f7f7"
        Column {
            id: box
            width: parent.width
            Item { width: 1; height: 18 }
            Text {
                visible: text.length > 0
                x: 15
                width: parent.width - 30
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: root.view ? root.view.title : ""
                font.pixelSize: 16
                font.bold: true
            }
            Text {
                visible: text.length > 0
                x: 15
                width: parent.width - 30
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: root.view ? root.view.message : ""
                font.pixelSize: 14
            }
            Item { width: 1; height: 18 }
            Rectangle { width: parent.width; height: 0.5; color: Theme.lineGrey }
            Grid {
                width: parent.width
                columns: root.titles.length === 2 ? 2 : 1
                Repeater {
                    model: root.sheet ? [] : root.titles
                    AlertButton {
                        required property string modelData
                        required property int index
                        width: root.titles.length === 2 ? 135 : 270
                        title: modelData
                        bold: index === root.view.cancelButtonIndex
                        onClicked: root.view.clickedButtonAtIndex(index)
                    }
                }
            }
        }
    }

    Column {
        visible: root.sheet
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        x: 8
        width: parent.width - 16
        spacing: 8
        Rectangle {
            width: parent.width
            height: sheetButtons.implicitHeight
            radius: 4
            color: "#f7f7f7"
            Column {
                id: sheetButtons
                width: parent.width
                Text {
                    visible: text.length > 0
                    width: parent.width
                    height: 40
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: root.view ? root.view.title : ""
                    color: Theme.titleGrey
                    font.pixelSize: 13
                }
                Repeater {
                    model: root.sheet ? root.titles : []
                    AlertButton {
                        required property string modelData
                        required property int index
                        visible: index !== root.view.cancelButtonIndex
                        enabled: root.view.isButtonEnabled(index)
                        height: visible ? 44 : 0
                        width: parent.width
                        title: modelData
                        textColor: !enabled ? Theme.titleGrey
                                   : index === root.view.destructiveButtonIndex ? "#ff3b30" : Theme.buttonBlue
                        onClicked: root.view.clickedButtonAtIndex(index)
                    }
                }
            }
        }
        AlertButton {
            visible: !!root.view && root.view.cancelButtonIndex >= 0
            width: parent.width
            radius: 4
            color: "#f7f7f7"
            bold: true
            title: visible ? root.titles[root.view.cancelButtonIndex] : ""
            onClicked: root.view.clickedButtonAtIndex(root.view.cancelButtonIndex)
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The box of FerroxAlert and AlertStyleValue1: the text, a 0.5-point line and the buttons,
// framed in grey (190, 189, 189), centred in the notice's area.
Item {
    id: notice
    property FerroxAlert view
    property var buttons: []
    width: view ? view.width : 0
    height: view ? view.height : 0

    MouseArea { anchors.fill: parent }

    Rectangle {
        anchors.centerIn: parent
        width: 260
        height: content.implicitHeight
        color: "white"
        border.width: 0.5
        border.color: Qt.rgba(190 / 255, 189 / 255, 189 / 255, 1)
        Column {
            id: content
            width: parent.width
            Text {
                x: 15
                width: parent.width - 30
                topPadding: 20
                bottomPadding: 20
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: notice.view ? notice.view.text : ""
                font.pixelSize: 13
            }
            Rectangle { width: parent.width; height: 0.5; color: Qt.rgba(190 / 255, 189 / 255, 189 / 255, 1) }
            Row {
                x: 10
                spacing: 10
                topPadding: 8
                bottomPadding: 8
                Repeater {
                    model: notice.buttons
                    Rectangle {
                        id: button
                        required property ButtonModel modelData
                        width: (240 - 10 * (notice.buttons.length - 1)) / notice.buttons.length
                        height: 30
                        radius: 2
                        color: modelData.tag === 1 ? Theme.red : "#e5e5e5"
                        Text {
                            anchors.centerIn: parent
                            text: button.modelData.title
                            color: button.modelData.tag === 1 ? "white" : "black"
                            font.pixelSize: 13
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: button.modelData.press()
                        }
                    }
                }
            }
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The filter bar of the market lists: category, kind and specification buttons (tags 0, 1, 2)
// and the count line under them.
Rectangle {
    id: bar
    required property MarketFilter filter
    property string countText
    width: parent ? parent.width : 320
    height: 70
    color: "white"

    Row {
        x: 10
        y: 8
        spacing: 6
        Repeater {
            model: [bar.filter.buttonATitle, bar.filter.buttonBTitle, bar.filter.buttonCTitle]
            Button {
                id: button
                required property string modelData
                required property int index
                width: 96
                height: 30
                focusPolicy: Qt.StrongFocus
                Keys.onReturnPressed: clicked()
                onClicked: bar.filter.headerButtonPressed(button.index)
                background: Rectangle {
                    radius: 3
                    color: button.down ? "#e5e5e5" : "#f4f4f4"
                    border.width: button.visualFocus ? 2 : 0.5
                    border.color: button.visualFocus ? "#80000000" : "#d8d8d8"
                }
                contentItem: Text {
                    text: button.modelData + " ▾"
                    font.pixelSize: 12
                    color: "#333333"
                    elide: Text.ElideMiddle
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
            }
        }
    }
    Text {
        x: 12
        y: 46
        text: bar.countText
        font.pixelSize: 12
        color: Theme.titleGrey
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#e4e4e4"
    }
}

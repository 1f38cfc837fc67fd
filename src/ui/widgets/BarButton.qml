import QtQuick
import QtQuick.Controls

// A small bordered text button for the right of a navigation bar (50 x 30 points).
Button {
    id: button
    width: 50
    height: 30
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    background: Rectangle {
        radius: 3
        color: button.down ? "#e5e5e5" : "white"
        border.width: button.visualFocus ? 2 : 0.5
        border.color: button.visualFocus ? "#80000000" : "#d8d8d8"
    }
    contentItem: Text {
        text: button.text
        color: "#333333"
        font.pixelSize: 13
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}

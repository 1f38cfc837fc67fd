import QtQuick
import QtQuick.Controls
import Velmora

// A small red button inside a row or under a detail (disabled: grey); Tab reaches it, Space
// and Return press it.
Button {
    id: button
    property bool selectable: false
    width: 56
    height: 26
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    background: Rectangle {
        radius: 3
        color: !button.enabled ? "#c8c8c8" : button.selectable && !button.checked ? "white"
               : button.down ? Qt.darker(Theme.red, 1.2) : Theme.red
        border.width: button.visualFocus ? 2 : button.selectable ? 0.5 : 0
        border.color: button.visualFocus ? "#80000000" : Theme.red
    }
    contentItem: Text {
        text: button.text
        color: button.selectable && !button.checked && button.enabled ? Theme.red : "white"
        font.pixelSize: 12
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}

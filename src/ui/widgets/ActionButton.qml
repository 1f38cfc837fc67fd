import QtQuick
import Velmora

// A filled button of a form: Tab reaches it, Space or Return presses it.
Rectangle {
    id: button
    property string title
    signal clicked()
    width: 280
    height: 40
    radius: 4
    color: area.pressed ? Qt.darker(Theme.red, 1.2) : Theme.red
    border.width: activeFocus ? 2 : 0
    border.color: "#202020"
    opacity: enabled ? 1 : 0.5
    activeFocusOnTab: true
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Text {
        anchors.centerIn: parent
        text: button.title
        color: "white"
        font.pixelSize: 15
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}

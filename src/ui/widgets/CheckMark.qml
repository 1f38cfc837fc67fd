import QtQuick
import Velmora

// A check box of a list row: a click or Space toggles it; Tab reaches it.
Rectangle {
    id: mark
    property bool checked
    signal toggled()
    width: 16
    height: 16
    radius: 2
    color: mark.checked ? Theme.red : "white"
    border.width: activeFocus ? 2 : 1
    border.color: activeFocus ? "#202020" : Theme.titleGrey
    activeFocusOnTab: true
    Keys.onSpacePressed: mark.toggled()
    Text {
        anchors.centerIn: parent
        visible: mark.checked
        text: "✓"
        color: "white"
        font.pixelSize: 12
    }
    MouseArea {
        // A finger-sized target around the small box.
        anchors.fill: parent
        anchors.margins: -8
        onClicked: mark.toggled()
    }
}

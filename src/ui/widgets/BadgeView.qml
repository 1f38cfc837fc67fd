import QtQuick
import Velmora

// MyBadgeView: a small red rounded box with the number, hidden below 1.
Rectangle {
    id: badge
    property MyBadgeView model
    visible: !!model && !model.hidden
    radius: 4
    color: Theme.red
    height: 16
    width: Math.max(16, label.implicitWidth + 8)
    Text {
        id: label
        anchors.centerIn: parent
        text: badge.model ? badge.model.number : ""
        color: "white"
        font.pixelSize: 10
    }
}

import QtQuick
import Velmora

// A plain text button of the alerts.
Rectangle {
    id: button
    property string title
    property color textColor: Theme.buttonBlue
    property bool bold: false
    property int pixelSize: 16
    signal clicked()
    height: 44
    color: area.pressed ? "#e0e0e0" : "transparent"
    Text {
        anchors.centerIn: parent
        width: parent.width - 8
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: button.title
        color: button.textColor
        font.pixelSize: button.pixelSize
        font.bold: button.bold
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}

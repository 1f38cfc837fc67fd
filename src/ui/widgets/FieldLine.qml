import QtQuick
import Velmora

// One labelled value of a detail screen: the caption in grey, the value beside it.
Item {
    id: line
    property string caption
    property string value
    property color valueColor: "#333333"
    width: parent ? parent.width : 320
    height: 28
    Text {
        x: 15
        width: 80
        anchors.verticalCenter: parent.verticalCenter
        text: line.caption
        font.pixelSize: 13
        color: Theme.titleGrey
    }
    Text {
        x: 100
        width: parent.width - 110
        anchors.verticalCenter: parent.verticalCenter
        text: line.value
        font.pixelSize: 13
        color: line.valueColor
        elide: Text.ElideRight
    }
}

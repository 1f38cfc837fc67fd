import QtQuick
import Velmora

// The one-button dialog over the window: a 280-point panel whose text area is as high as the
// controller measured (text height + 46), the grey text centred in it, the button below.
Item {
    id: root
    property CustomIOS7AlertView view

    Rectangle { anchors.fill: parent; color: Theme.dim }
    MouseArea { anchors.fill: parent }

    Rectangle {
        anchors.centerIn: parent
        width: root.view ? root.view.panelWidth : 0
        height: (root.view ? root.view.panelHeight : 0) + 44.5
        radius: 7
        color: "#f7f7f7"
        Text {
            x: root.view ? (root.view.panelWidth - root.view.textWidth) / 2 : 0
            y: 23
            width: root.view ? root.view.textWidth : 0
            height: root.view ? root.view.textHeight : 0
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            color: Theme.titleGrey
            font.pixelSize: 13
            text: root.view ? root.view.contentTitle : ""
        }
        Rectangle {
            y: root.view ? root.view.panelHeight : 0
            width: parent.width
            height: 0.5
            color: Theme.lineGrey
        }
        AlertButton {
            y: (root.view ? root.view.panelHeight : 0) + 0.5
            width: parent.width
            title: root.view ? root.view.buttonTitles[0] : ""
            onClicked: root.view.buttonTouchUpInside(0)
        }
    }
}

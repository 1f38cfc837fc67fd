import QtQuick
import QtQuick.Controls

// A button drawn with one of our pictures behind a white title; Space and Return press it.
Button {
    id: button
    property string picture
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    background: Image {
        source: button.picture ? "qrc:/Velmora/assets/" + button.picture + ".svg" : ""
        sourceSize.width: button.width * 2
        sourceSize.height: button.height * 2
        opacity: !button.enabled ? 0.5 : button.down ? 0.8 : 1
        Rectangle {
            anchors.fill: parent
            radius: 4
            color: "transparent"
            border.width: button.visualFocus ? 2 : 0
            border.color: "#80000000"
        }
    }
    contentItem: Text {
        text: button.text
        color: "white"
        font.pixelSize: 16
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}

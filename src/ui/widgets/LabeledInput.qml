import QtQuick
import QtQuick.Controls

// A white input row with its label on the left (12 points), as the account forms draw them.
Rectangle {
    id: row
    property alias label: caption.text
    property alias text: field.text
    property alias echoMode: field.echoMode
    property alias inputMethodHints: field.inputMethodHints
    signal textEdited()
    signal accepted()

    width: parent ? parent.width : 320
    height: 44
    color: "white"
    activeFocusOnTab: true
    onActiveFocusChanged: if (activeFocus) field.forceActiveFocus()

    Text {
        id: caption
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 12
        color: "#333333"
    }
    TextField {
        id: field
        anchors.left: caption.right
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 14
        background: null
        onTextEdited: row.textEdited()
        onAccepted: row.accepted()
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#e4e4e4"
    }
}

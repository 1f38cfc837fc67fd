import QtQuick

// A white list row with a picture and a title and a disclosure mark; a tap or Return selects it.
Rectangle {
    id: row
    property string title
    property string picture
    signal clicked()

    width: parent ? parent.width : 320
    color: area.pressed || activeFocus ? "#e5e5e5" : "white"
    activeFocusOnTab: true
    Keys.onReturnPressed: clicked()
    Keys.onSpacePressed: clicked()

    Image {
        id: icon
        x: 15
        anchors.verticalCenter: parent.verticalCenter
        source: row.picture ? "qrc:/Velmora/assets/" + row.picture + ".svg" : ""
        sourceSize.width: 22
        sourceSize.height: 22
    }
    Text {
        anchors.left: icon.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: row.title
        font.pixelSize: 14
        color: "#333333"
    }
    Text {
        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        text: "›"
        font.pixelSize: 18
        color: "#b2b2b2"
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#e4e4e4"
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: row.clicked()
    }
}

import QtQuick

// The load-more footer of the paged lists: full width, 45 points, grey (81) title.
Rectangle {
    id: footer
    property QtObject model
    width: ListView.view ? ListView.view.width : 320
    height: model ? model.height : 45
    color: area.pressed ? "#e5e5e5" : "transparent"
    Text {
        anchors.centerIn: parent
        text: footer.model ? footer.model.title : ""
        color: Qt.rgba(81 / 255, 81 / 255, 81 / 255, 1)
        font.pixelSize: 13
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: footer.model.press()
    }
}

import QtQuick

// The row every list is drawn with: striped, darker while pressed or focused; a click, Return or
// Space activates it. The content goes inside; a button inside takes its own clicks (declared
// after this row's click area, it lies above it), so one click never fires both.
Rectangle {
    id: row
    required property int index
    property color evenColor: "white"
    property color oddColor: Qt.rgba(248 / 255, 248 / 255, 248 / 255, 1)
    signal activated()

    width: ListView.view ? ListView.view.width : 320
    height: 44
    color: area.pressed || activeFocus ? "#e5e5e5" : index % 2 === 0 ? evenColor : oddColor
    activeFocusOnTab: true
    Keys.onReturnPressed: row.activated()
    Keys.onSpacePressed: row.activated()

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: row.activated()
    }
}

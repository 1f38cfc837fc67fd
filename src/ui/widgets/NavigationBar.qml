pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The navigation bar of a screen: the back button "C27" on the left, the grey title label
// (150 x 15, 14 points) in the middle, or a title view supplied by the page; an item on the
// right when the page gives one.
Rectangle {
    id: bar
    property ViewController controller
    property alias titleView: titleSlot.data
    property alias rightItem: rightSlot.data
    height: Theme.navigationBarHeight
    color: Theme.barColor

    // A whole pixel inside the bar: a half pixel would fall under the page drawn below it.
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#c8c7cc"
    }

    Text {
        visible: titleSlot.children.length === 0
        anchors.centerIn: parent
        width: 150
        height: 15
        text: bar.controller ? bar.controller.title : ""
        color: Theme.titleGrey
        font.pixelSize: 14
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Item {
        id: titleSlot
        anchors.centerIn: parent
        width: childrenRect.width
        height: childrenRect.height
    }

    // Tab reaches it like any button; Space and Return press it (Escape does the same anywhere).
    Image {
        id: back
        visible: !!bar.controller && bar.controller.backButtonShown
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 27
        height: 27
        source: "qrc:/Velmora/assets/C27.svg"
        sourceSize.width: 54
        sourceSize.height: 54
        activeFocusOnTab: true
        Keys.onSpacePressed: bar.controller.popViewController()
        Keys.onReturnPressed: bar.controller.popViewController()
        Rectangle {
            anchors.fill: parent
            anchors.margins: -2
            radius: 4
            color: "transparent"
            border.width: back.activeFocus ? 2 : 0
            border.color: "#80000000"
        }
        MouseArea {
            anchors.fill: parent
            anchors.margins: -8
            onClicked: bar.controller.popViewController()
        }
    }

    Item {
        id: rightSlot
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: childrenRect.width
        height: childrenRect.height
    }
}

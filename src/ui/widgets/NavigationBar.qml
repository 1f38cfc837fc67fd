import QtQuick
import Velmora

// The navigation bar of a screen: the back button "C27" on the left, the grey title label
// (150 x 15, 14 points) in the middle, or a title view supplied by the page.
Rectangle {
    id: bar
    property ViewController controller
    property Component titleView
    property Component rightItem
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
        visible: !bar.titleView
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

    Loader {
        anchors.centerIn: parent
        sourceComponent: bar.titleView
    }

    Image {
        visible: !!bar.controller && bar.controller.backButtonShown
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 27
        height: 27
        source: "qrc:/Velmora/assets/C27.svg"
        sourceSize: Qt.size(54, 54)
        MouseArea {
            anchors.fill: parent
            anchors.margins: -8
            onClicked: bar.controller.popViewController()
        }
    }

    Loader {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        sourceComponent: bar.rightItem
    }
}

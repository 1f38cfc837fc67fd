pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The frame of every page: background colour, navigation bar, the page's content below it,
// and the views the controller lays over its content (busy overlay, notices, cards).
//
//     Item {
//         id: page
//         required property HomePage controller
//         ScreenFrame { anchors.fill: parent; controller: page.controller; ...content... }
//     }
Item {
    id: frame
    property ViewController controller
    property bool navigationBarHidden: !!controller && controller.embedded
    property alias titleView: bar.titleView
    property alias rightItem: bar.rightItem
    default property alias content: body.data

    Rectangle {
        anchors.fill: parent
        color: frame.controller ? frame.controller.backgroundColor : "white"
    }

    NavigationBar {
        id: bar
        visible: !frame.navigationBarHidden
        width: parent.width
        height: frame.navigationBarHidden ? 0 : Theme.navigationBarHeight
        controller: frame.controller
    }

    Item {
        id: body
        anchors.top: bar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom

        MouseArea {
            anchors.fill: parent
            enabled: !!frame.controller && frame.controller.tapsBackground
            onClicked: frame.controller.touchesBackground()
        }
    }

    Item {
        anchors.fill: body
        clip: true
        Repeater {
            model: frame.controller ? frame.controller.subviews : []
            OverlayLoader {
                required property OverlayView modelData
                view: modelData
            }
        }
    }
}

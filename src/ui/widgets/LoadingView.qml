import QtQuick
import Velmora

// The busy overlay: blocks touches over its area; a dark rounded box with a spinner in the
// middle. Fading out is animated, showing again is immediate.
MouseArea {
    id: root
    property LoadingView view
    width: view ? view.width : 0
    height: view ? view.height : 0
    opacity: view ? view.alpha : 0
    Behavior on opacity {
        enabled: !!root.view && root.view.alpha === 0
        NumberAnimation { duration: root.view ? root.view.fadeDuration : 0 }
    }

    Rectangle {
        anchors.centerIn: parent
        width: 100
        height: 100
        radius: 10
        color: "#b3000000"
        Spinner {
            anchors.centerIn: parent
            running: root.visible && root.opacity > 0
        }
        Text {
            visible: text.length > 0
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 8
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.view ? root.view.text : ""
            color: "white"
            font.pixelSize: 12
        }
    }
}

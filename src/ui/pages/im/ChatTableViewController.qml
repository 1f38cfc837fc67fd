import QtQuick
import Velmora

// A conversation without extras.
Item {
    id: page
    required property ChatTableViewController controller

    ChatView {
        anchors.fill: parent
        controller: page.controller
    }
}

import QtQuick
import Velmora

// Root of the first tab: the market's home page.
Item {
    id: page
    required property HomePage controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
    }
}

import QtQuick
import Velmora

// The screen base classes themselves (a plain screen in tests): navigation bar and background.
Item {
    id: page
    required property ViewController controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
    }
}

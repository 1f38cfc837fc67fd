import QtQuick
import Velmora

// Root of the business tab; its entries come with the business hub.
Item {
    id: page
    required property MyBusiness controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
    }
}

import QtQuick
import Velmora

// Root of the friends-and-messages tab; its conversations and friends come with the chat screens.
Item {
    id: page
    required property MyFriends controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
    }
}

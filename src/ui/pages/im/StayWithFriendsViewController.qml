import QtQuick
import Velmora

// A list loaded from the service: pull to reload, a row opens or answers it.
Item {
    id: page
    required property StayWithFriendsViewController controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        ContactList {
            anchors.fill: parent
            model: page.controller ? page.controller.shujuArr : null
            onSelected: (index) => page.controller.didSelectRowAtIndex(index)
            onPulled: page.controller.refresh()
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A friend list loaded from the service: pull down or up to reload, a row opens or answers it.
Item {
    id: page
    required property FriendListScreen controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.shujuArr
            delegate: ContactRow {
                id: person
                onActivated: page.controller.didSelectRowAtIndex(person.index)
            }
        }
    }
}

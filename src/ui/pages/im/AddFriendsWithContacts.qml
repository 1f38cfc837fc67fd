pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The address book with a search bar; each person can be asked to be a friend.
Item {
    id: page
    required property AddFriendsWithContacts controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        TextField {
            id: search
            x: 8; y: 6
            width: parent.width - 16
            focus: true
            placeholderText: "搜索"
            text: page.controller ? page.controller.searchText : ""
            onTextEdited: page.controller.searchText = text
        }
        PagedListView {
            anchors.top: search.bottom
            anchors.topMargin: 6
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            focus: false
            paged: page.controller.dataArray
            delegate: ContactRow {
                id: person
                actionTitle: page.controller.actionTitle
                onActivated: page.controller.didSelectRowAtIndex(person.index)
                onActionPressed: page.controller.didSelectRowAtIndex(person.index)
            }
            onMovementStarted: search.focus = false
        }
    }
}

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
        ContactList {
            anchors.top: search.bottom
            anchors.topMargin: 6
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            model: page.controller ? page.controller.dataArray : null
            actionTitle: "+ 添加"
            onSelected: (index) => page.controller.didSelectRowAtIndex(index)
            onActionPressed: (index) => page.controller.didSelectRowAtIndex(index)
            onMovementStarted: search.focus = false
        }
    }
}

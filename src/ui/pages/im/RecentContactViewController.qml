import QtQuick
import Velmora

// Recent conversations; a red mark on those with unseen messages.
Item {
    id: page
    required property RecentContactViewController controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        ContactList {
            anchors.fill: parent
            model: page.controller ? page.controller.rows : null
            deleteTitle: "删除"
            onSelected: (index) => page.controller.didSelectRowAtIndex(index)
            onDeletePressed: (index) => page.controller.deleteRowAtIndex(index)
        }
    }
}

import QtQuick
import Velmora

// Recent conversations; a red mark on those with unseen messages. Delete removes the focused one.
Item {
    id: page
    required property RecentContactViewController controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        ContactList {
            objectName: "recentList"
            anchors.fill: parent
            model: page.controller ? page.controller.rows : null
            deleteTitle: "删除"
            deleteShownAt: page.controller ? page.controller.deleteShownAt : -1
            onSelected: (index) => page.controller.didSelectRowAtIndex(index)
            onDeletePressed: (index) => page.controller.deleteRowAtIndex(index)
            onPointerOverRow: (index, over) => page.controller.pointerOverRow(index, over)
            Keys.onDeletePressed: page.controller.deleteRowAtIndex(currentIndex)
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Velmora

// The rows of the friends tab and the address book: head picture, title, subtitle, the
// new-message mark; odd rows very light grey. Pulling past the top asks for a refresh.
ListView {
    id: list
    property string actionTitle: ""      // a button on each row ("+ 添加"), none when empty
    property string deleteTitle: ""      // a delete button on the row deleteShownAt, none when empty
    property int deleteShownAt: -1
    signal selected(int index)
    signal actionPressed(int index)
    signal deletePressed(int index)
    signal pointerOverRow(int index, bool over)
    signal pulled()
    clip: true
    boundsBehavior: Flickable.DragOverBounds
    ScrollBar.vertical: ScrollBar {}
    onDragEnded: if (contentY < originY - 60) list.pulled()
    keyNavigationEnabled: true
    activeFocusOnTab: true
    Keys.onReturnPressed: list.selected(currentIndex)
    Keys.onSpacePressed: list.selected(currentIndex)

    delegate: Rectangle {
        id: row
        required property int index
        required property string title
        required property string subtitle
        required property bool marked
        required property bool odd
        width: ListView.view.width
        height: 56
        color: ListView.isCurrentItem && list.activeFocus ? "#e8eefc" : (odd ? "#f7f7f7" : "white")

        HoverHandler { onHoveredChanged: list.pointerOverRow(row.index, hovered) }
        TapHandler { onTapped: { list.currentIndex = row.index; list.selected(row.index) } }

        Rectangle {
            id: head
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            width: 40; height: 40; radius: 4
            color: "#d0d6e0"
            Text { anchors.centerIn: parent; text: row.title.length > 0 ? row.title.charAt(0) : "?"; color: "white"; font.pixelSize: 18 }
        }
        Column {
            anchors.left: head.right
            anchors.leftMargin: 10
            anchors.right: trailing.left
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            Text { width: parent.width; text: row.title; font.pixelSize: 14; elide: Text.ElideRight }
            Text { width: parent.width; visible: row.subtitle.length > 0; text: row.subtitle; font.pixelSize: 12; color: "#808080"; elide: Text.ElideRight }
        }
        Row {
            id: trailing
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8
            Rectangle {
                visible: row.marked
                anchors.verticalCenter: parent.verticalCenter
                width: 10; height: 10; radius: 5
                color: Theme.red
            }
            Rectangle {
                visible: list.actionTitle.length > 0
                width: 60; height: 28; radius: 4
                color: Theme.red
                Text { anchors.centerIn: parent; text: list.actionTitle; color: "white"; font.pixelSize: 12 }
                TapHandler { onTapped: list.actionPressed(row.index) }
            }
            Rectangle {
                visible: list.deleteTitle.length > 0 && row.index === list.deleteShownAt
                width: 48; height: 28; radius: 4
                color: "#ff3b30"
                Text { anchors.centerIn: parent; text: list.deleteTitle; color: "white"; font.pixelSize: 12 }
                // Takes the press for itself, so the row under it does not open the conversation.
                TapHandler { gesturePolicy: TapHandler.ReleaseWithinBounds; onTapped: list.deletePressed(row.index) }
            }
        }
    }
}

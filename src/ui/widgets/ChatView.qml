import QtQuick
import QtQuick.Controls
import Velmora

// A conversation: the peer's bubbles on the left, the user's on the right, the input line
// below. Pulling past the top loads earlier messages.
Item {
    id: view
    property ChatTableViewController controller
    property alias rightItem: frame.rightItem

    ScreenFrame {
        id: frame
        anchors.fill: parent
        controller: view.controller

        ListView {
            id: list
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: inputBar.top
            clip: true
            boundsBehavior: Flickable.DragOverBounds
            model: view.controller ? view.controller.chatDataArray : null
            ScrollBar.vertical: ScrollBar {}
            onDragEnded: if (contentY < originY - 50) view.controller.pullToLoadEarlier()
            onMovementStarted: view.controller.scrollViewWillBeginDragging()
            // The controller says whether the newest message is to be shown; the list is read
            // again whenever its rows or their heights change, and when the page is made.
            readonly property bool follows: !!view.controller && view.controller.followsNewest
            onFollowsChanged: if (follows) scrollLater.restart()
            onContentHeightChanged: if (follows) scrollLater.restart()
            Component.onCompleted: if (follows) scrollLater.restart()
            delegate: Item {
                id: cell
                required property string content
                required property string timeText
                required property bool mine
                required property int rowHeight
                required property int labelWidth
                required property int labelHeight
                required property int bubbleWidth
                required property int bubbleHeight
                required property int bubbleX
                width: ListView.view.width
                height: Math.max(rowHeight, bubbleHeight + 36)
                Text {
                    x: cell.mine ? cell.bubbleX + cell.bubbleWidth - width : cell.bubbleX
                    y: 6
                    text: cell.timeText
                    color: "#999999"
                    font.pixelSize: 12
                }
                Rectangle {
                    x: cell.bubbleX
                    y: 26
                    width: cell.bubbleWidth
                    height: cell.bubbleHeight
                    radius: 10
                    color: cell.mine ? "#a0e75a" : "white"
                    border.color: cell.mine ? "#8cc84e" : "#d8d8d8"
                    Text {
                        x: cell.mine ? 6 : 9
                        y: 10
                        width: cell.labelWidth
                        height: cell.labelHeight
                        text: cell.content
                        wrapMode: Text.Wrap
                        font.pixelSize: 14
                    }
                }
            }
        }
        // Earlier messages loading: a line over the top of the list.
        Text {
            anchors.top: list.top
            anchors.horizontalCenter: list.horizontalCenter
            visible: !!view.controller && view.controller.reLoading
            text: "加载中…"
            color: "#808080"
            font.pixelSize: 12
        }
        // To the end once the new rows are laid out.
        Timer {
            id: scrollLater
            interval: 0
            onTriggered: if (list.follows) list.positionViewAtEnd()
        }
        Connections {
            target: view.controller
            function onInputFocusedChanged() { if (!view.controller.inputFocused) input.focus = false }
        }

        Rectangle {
            id: inputBar
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 44
            color: Theme.barColor
            Rectangle { width: parent.width; height: 1; color: Theme.lineGrey }
            TextField {
                id: input
                x: 6
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - send.width - 18
                focus: view.controller ? view.controller.inputFocused : false
                text: view.controller ? view.controller.inputText : ""
                onTextEdited: view.controller.inputText = text
                onAccepted: view.controller.textFieldShouldReturn()
                onActiveFocusChanged: if (view.controller) view.controller.inputFocused = activeFocus
            }
            ActionButton {
                id: send
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                width: 56
                height: 32
                title: "发送"
                onClicked: view.controller.sendButtonClicked()
            }
        }
    }
}

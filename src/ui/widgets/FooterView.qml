import QtQuick
import QtQuick.Controls
import Velmora

// The load-more footer of the paged lists: full width, 45 points, grey (81) title (the list's
// footer title); a spinner while the next page loads. Tab reaches it, Space and Return press it.
Rectangle {
    id: footer
    property PagedListModel paged: ListView.view ? ListView.view.model as PagedListModel : null
    readonly property bool shown: !!paged && paged.footerShown
    width: ListView.view ? ListView.view.width : 320
    height: shown ? 45 : 0
    visible: shown
    color: area.pressed || activeFocus ? "#e5e5e5" : "transparent"
    activeFocusOnTab: shown
    Keys.onReturnPressed: footer.paged.loadMore()
    Keys.onSpacePressed: footer.paged.loadMore()

    Text {
        anchors.centerIn: parent
        visible: !footer.paged || !footer.paged.loading
        text: footer.paged ? footer.paged.footerTitle : ""
        color: Qt.rgba(81 / 255, 81 / 255, 81 / 255, 1)
        font.pixelSize: 13
    }
    BusyIndicator {
        anchors.centerIn: parent
        width: 28
        height: 28
        running: !!footer.paged && footer.paged.loading
        visible: running
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: footer.paged.loadMore()
    }
}

import QtQuick
import QtQuick.Controls
import Velmora

// Every paged list: its rows drawn by the page's delegate, pull down to refresh, the load-more
// footer under the rows, a busy indicator while the first page loads, and the empty or error
// state when there is nothing to show. The wheel scrolls it; Tab reaches the footer.
//
//     PagedListView { anchors.fill: parent; paged: page.controller.mainlist; delegate: OrderRow {} }
ListView {
    id: view
    required property PagedListModel paged
    /// What an empty list says once it has loaded.
    property string emptyText: "暂无数据"
    readonly property int pullDistance: 60

    model: paged
    clip: true
    focus: true
    keyNavigationEnabled: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    // The footer finds its list through the view it is attached to.
    footer: FooterView {}
    ScrollBar.vertical: ScrollBar {}
    onDragEnded: if (view.verticalOvershoot < -view.pullDistance) view.paged.refresh()

    Text {
        parent: view
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.max(4, -view.verticalOvershoot - height - 8)
        visible: view.verticalOvershoot < -8
        text: view.verticalOvershoot < -view.pullDistance ? "释放刷新" : "下拉刷新"
        color: Theme.titleGrey
        font.pixelSize: 12
    }

    BusyIndicator {
        parent: view
        anchors.centerIn: parent
        running: view.paged.refreshing && view.count === 0
        visible: running
    }

    Text {
        parent: view
        anchors.centerIn: parent
        width: parent.width - 40
        visible: view.count === 0 && !view.paged.loading
        text: view.paged.errorText !== "" ? view.paged.errorText : view.emptyText
        color: Theme.titleGrey
        font.pixelSize: 14
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
    }
}

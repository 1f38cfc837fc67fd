import QtQuick
import QtQuick.Controls
import Velmora

// Every list: its rows drawn by the page's delegate (a ListRow), pulled down (and up, when the
// model asks) to refresh, the load-more footer under the rows, a busy indicator while the first
// page loads, and a retry button when a load failed with nothing to show. The wheel scrolls it;
// Tab reaches the rows and the footer. Nothing else is written on it: the screen's texts are
// the screen's.
//
//     PagedListView { anchors.fill: parent; paged: page.controller.mainlist; delegate: OrderRow {} }
ListView {
    id: view
    required property PagedListModel paged
    readonly property int pullDistance: 60
    readonly property bool pulledDown: verticalOvershoot < -pullDistance
    readonly property bool pulledUp: paged.pullUpRefresh && verticalOvershoot > pullDistance

    model: paged
    clip: true
    focus: true
    keyNavigationEnabled: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    // The footer finds its list through the view it is attached to.
    footer: FooterView {}
    ScrollBar.vertical: ScrollBar {}
    onDragEnded: if (view.paged.fetched && (view.pulledDown || view.pulledUp)) view.paged.refresh()

    // The pull mark: an arrow that turns when letting go would refresh.
    Text {
        parent: view
        anchors.horizontalCenter: parent.horizontalCenter
        visible: view.paged.fetched && Math.abs(view.verticalOvershoot) > 8
                 && (view.verticalOvershoot < 0 || view.paged.pullUpRefresh)
        y: view.verticalOvershoot < 0 ? Math.max(4, -view.verticalOvershoot - height - 8)
                                      : view.height - Math.max(4 + height, view.verticalOvershoot - 8)
        text: (view.verticalOvershoot < 0) === (view.pulledDown || view.pulledUp) ? "↑" : "↓"
        color: Theme.titleGrey
        font.pixelSize: 18
    }

    BusyIndicator {
        parent: view
        anchors.centerIn: parent
        running: view.paged.refreshing && view.count === 0
        visible: running
    }

    ActionButton {
        objectName: "retry"
        parent: view
        anchors.centerIn: parent
        visible: view.paged.failed && view.count === 0 && !view.paged.loading
        width: 160
        title: view.paged.retryTitle
        onClicked: view.paged.retry()
    }
}

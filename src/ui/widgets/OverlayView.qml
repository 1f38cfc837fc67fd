import QtQuick

// An overlay without a widget of its own: blocks touches over its area.
MouseArea {
    property OverlayView view
    width: view ? view.width : 0
    height: view ? view.height : 0
}

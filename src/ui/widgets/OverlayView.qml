import QtQuick

// An overlay without a widget of its own: blocks touches over its area.
MouseArea {
    property QtObject view
    width: view ? view.width : 0
    height: view ? view.height : 0
}

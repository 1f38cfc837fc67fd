pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// What a stack presented modally, over the whole phone, and in turn what that one presented.
Item {
    id: presenter
    property NavigationStack stack
    property int topInset: 0
    readonly property NavigationStack presented: stack ? stack.presentedStack : null
    visible: presented !== null

    Rectangle { anchors.fill: parent; color: "white" }
    MouseArea { anchors.fill: parent }
    NavStackView {
        anchors.fill: parent
        anchors.topMargin: presenter.topInset
        stack: presenter.presented
    }
    // The next level only while something is presented (the levels would not end otherwise).
    Loader {
        anchors.fill: parent
        active: presenter.presented !== null
        source: Qt.resolvedUrl("ModalPresenter.qml")
        onLoaded: {
            const next = item as ModalPresenter
            next.topInset = Qt.binding(() => presenter.topInset)
            next.stack = Qt.binding(() => presenter.presented)
        }
    }
}

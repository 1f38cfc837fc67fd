import QtQuick
import Velmora

// What a stack presented modally, over the whole phone, and in turn what that one presented.
Item {
    id: presenter
    property QtObject stack
    property int topInset: 0
    readonly property QtObject presented: stack ? stack.presentedStack : null
    visible: presented !== null

    Loader {
        anchors.fill: parent
        active: presenter.presented !== null
        sourceComponent: Item {
            Rectangle { anchors.fill: parent; color: "white" }
            MouseArea { anchors.fill: parent }
            NavStackView {
                anchors.fill: parent
                anchors.topMargin: presenter.topInset
                stack: presenter.presented
            }
            Loader {
                anchors.fill: parent
                source: Qt.resolvedUrl("ModalPresenter.qml")
                onLoaded: {
                    item.topInset = Qt.binding(() => presenter.topInset)
                    item.stack = Qt.binding(() => presenter.presented)
                }
            }
        }
    }
}

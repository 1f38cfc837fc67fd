pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// The phone: 320 x 568 points, scaled to the desktop window. Tabs below the status bar, the
// button row at the bottom, modal stacks over both, window alerts over everything.
Window {
    id: window
    required property MainTabBarController shell
    required property Alerts alerts
    required property real scaleFactor

    width: Theme.phoneWidth * scaleFactor
    height: Theme.phoneHeight * scaleFactor
    visible: true
    title: "Velmora"
    color: "#202020"

    // Escape goes back: it cancels what is over the window, else it is the back button of the
    // screen on top.
    Shortcut {
        sequence: "Esc"
        onActivated: if (!window.alerts.escape()) window.shell.goBack()
    }
    // F5 loads the lists of the screen in front again.
    Shortcut {
        sequence: "F5"
        onActivated: window.shell.reloadFront()
    }
    // Return presses the only button of the alert over the window (a message, say).
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: window.alerts.views.length > 0
        onActivated: window.alerts.confirm()
    }

    Item {
        id: phone
        width: Theme.phoneWidth
        height: Theme.phoneHeight
        scale: Math.min(window.width / width, window.height / height)
        transformOrigin: Item.TopLeft
        x: (window.width - width * scale) / 2
        y: (window.height - height * scale) / 2
        clip: true

        Rectangle {
            id: statusBar
            width: parent.width
            height: Theme.statusBarHeight
            color: Theme.barColor
        }

        Item {
            anchors.top: statusBar.bottom
            anchors.bottom: tabRow.top
            width: parent.width
            Repeater {
                model: window.shell.tabs
                NavStackView {
                    required property NavigationStack modelData
                    required property int index
                    anchors.fill: parent
                    visible: index === window.shell.selectedIndex
                    stack: modelData
                }
            }
        }

        TabButtonRow {
            id: tabRow
            anchors.bottom: parent.bottom
            width: parent.width
            shell: window.shell
        }

        Repeater {
            model: window.shell.tabs
            ModalPresenter {
                required property NavigationStack modelData
                anchors.fill: parent
                topInset: Theme.statusBarHeight
                stack: modelData
            }
        }

        Repeater {
            model: window.alerts.views
            OverlayLoader {
                required property OverlayView modelData
                anchors.fill: parent
                view: modelData
            }
        }
    }
}

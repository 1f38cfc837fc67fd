import QtQuick
import Velmora

// Draws one overlay model with the widget named after its kind.
Loader {
    id: loader
    property OverlayView view
    Component.onCompleted: {
        if (view)
            setSource(Pages.widgetUrl(view), { view: view })
    }
}

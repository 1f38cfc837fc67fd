import QtQuick
import QtQuick.Controls
import Velmora

// Mirrors one NavigationStack: a page per screen, pushed and popped as the stack changes.
StackView {
    id: view
    property NavigationStack stack

    function pushPage(controller, animated) {
        view.push(Pages.pageUrl(controller), { controller: controller },
                  animated ? StackView.PushTransition : StackView.Immediate)
    }
    function sync() {
        view.clear(StackView.Immediate)
        if (!view.stack)
            return
        const screens = view.stack.viewControllers
        for (let i = 0; i < screens.length; ++i)
            pushPage(screens[i], false)
    }

    onStackChanged: sync()
    Component.onCompleted: sync()

    // Popped screens are deleted right after the stack changes: their pages go at once.
    Connections {
        target: view.stack
        function onPushed(controller) { view.pushPage(controller, true) }
        function onPopped(depth) {
            if (depth > 0 && depth < view.depth)
                view.pop(view.get(depth - 1), StackView.Immediate)
        }
    }
}

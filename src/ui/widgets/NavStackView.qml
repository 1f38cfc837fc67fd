import QtQuick
import Velmora

// Mirrors one NavigationStack: a page per screen, pushed and popped as the stack changes. A push
// slides the new page in from the right while the page under it slides out to the left; the
// pages present at start and pops are immediate. A plain item rather than a Controls stack view:
// the window's first frame does not wait for the Controls style to load. A focus scope, as that
// stack view was: a page's own focus stays inside it until the stack gets the focus.
FocusScope {
    id: view
    property NavigationStack stack
    // True while a push slides in; the window's tests wait for it to settle.
    readonly property bool busy: slide.running
    property var pages: []
    // Pages are made once the view is first shown: the first frame waits for the selected tab's
    // pages only, not for the pages of the tabs behind it.
    property bool built: false

    function pushPage(controller, animated) {
        if (!view.built)
            return
        view.settle()
        const component = Qt.createComponent(Pages.pageUrl(controller))
        if (component.status !== Component.Ready) {
            console.warn(component.errorString())
            return
        }
        const page = component.createObject(view, { controller: controller })
        page.width = Qt.binding(() => view.width)
        page.height = Qt.binding(() => view.height)
        const under = view.pages.length > 0 ? view.pages[view.pages.length - 1] : null
        view.pages = view.pages.concat([page])
        if (!under)
            return
        if (!animated) {
            under.visible = false
            return
        }
        slide.entering = page
        slide.leaving = under
        slide.start()
    }
    // Ends a slide at once (a push or pop cuts it short) or after it ran: the page under is hidden.
    function settle() {
        slide.complete()
        if (slide.leaving)
            slide.leaving.visible = false
        slide.entering = null
        slide.leaving = null
    }
    // Popped screens are deleted right after the stack changes: their pages go at once.
    function popTo(depth) {
        view.settle()
        while (view.pages.length > depth) {
            const gone = view.pages.pop()
            gone.visible = false
            gone.destroy()
        }
        if (depth > 0) {
            view.pages[depth - 1].x = 0
            view.pages[depth - 1].visible = true
        }
        view.pages = view.pages.slice()
    }
    function sync() {
        view.popTo(0)
        view.built = false
        if (view.visible)
            view.build(null)
    }
    // The pages of the stack's screens, but for one just pushed (it slides in by itself).
    function build(pushed) {
        view.built = true
        if (!view.stack)
            return
        const screens = view.stack.viewControllers
        for (let i = 0; i < screens.length; ++i) {
            if (screens[i] !== pushed)
                pushPage(screens[i], false)
        }
    }

    onStackChanged: sync()
    onVisibleChanged: {
        if (view.visible && !view.built)
            view.build(null)
    }
    Component.onCompleted: sync()

    Connections {
        target: view.stack
        function onPushed(controller) {
            // A push is shown as one even to a view not shown yet.
            if (!view.built)
                view.build(controller)
            view.pushPage(controller, true)
        }
        function onPopped(depth) {
            if (depth > 0 && depth < view.pages.length)
                view.popTo(depth)
        }
    }

    // Like the stack view it replaces, no touch reaches the pages while one slides in.
    MouseArea {
        anchors.fill: parent
        z: 1
        visible: view.busy
    }

    ParallelAnimation {
        id: slide
        property Item entering
        property Item leaving
        NumberAnimation {
            target: slide.entering
            property: "x"
            from: view.width
            to: 0
            duration: 400
            easing.type: Easing.OutCubic
        }
        NumberAnimation {
            target: slide.leaving
            property: "x"
            from: 0
            to: -view.width
            duration: 400
            easing.type: Easing.OutCubic
        }
        onFinished: view.settle()
    }
}

#pragma once

#include "TestContext.h"
#include "app/MainTabBarController.h"
#include "screens/MainInterface.h"
#include "ui/Frontend.h"

#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <memory>

/// The real tab shell in its window over a test context: what a window test drives and looks at.
struct WindowHarness
{
    TestContext ctx;
    std::unique_ptr<MainTabBarController> shell;
    std::unique_ptr<Frontend> frontend;   // goes first: its pages hold the shell's screens

    WindowHarness() = default;
    explicit WindowHarness(const QString &dataDir) : ctx(dataDir) {}

    /// Builds the shell and shows its window; the context's endpoints are set before.
    bool open()
    {
        Frontend::installPorts(ctx.context());
        shell.reset(MainInterface::instantiateMainTabBarController());
        shell->loadViewIfNeeded();
        frontend = std::make_unique<Frontend>(ctx.context(), shell.get());
        return frontend->load() && QTest::qWaitForWindowExposed(window());
    }
    QQuickWindow *window() const { return frontend->window(); }
    ViewController *home() const { return shell->getViewControllerWithIndex(0); }

    /// True while a stack view slides a page in (it ignores input meanwhile).
    bool busy() const { return busy(window()->contentItem()); }
    static bool busy(QQuickItem *item)
    {
        const auto children = item->childItems();
        return item->property("busy").toBool()
               || std::any_of(children.cbegin(), children.cend(), [](QQuickItem *c) { return busy(c); });
    }
    /// The item named `name` in the visual tree under root (list rows have no object parent, so
    /// findChild does not reach them).
    static QQuickItem *itemNamed(QQuickItem *root, const QString &name)
    {
        if (root->objectName() == name)
            return root;
        const auto children = root->childItems();
        for (QQuickItem *c : children)
            if (QQuickItem *found = itemNamed(c, name))
                return found;
        return nullptr;
    }
    /// The window drawn once what was posted and what was let go are done with.
    QImage grab() const
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window()->grabWindow();
    }
    /// Keeps a picture with the test's artifacts, for a person to look at.
    static void keep(const QImage &image, QString name)
    {
        image.save(QStringLiteral(VELMORA_ARTIFACT_DIR "/%1.png").arg(name.replace(u' ', u'-').remove(u',')));
    }
};

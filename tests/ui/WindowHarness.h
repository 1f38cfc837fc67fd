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
#include <functional>
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
    /// The first item under root (root included) for which is(item) holds, through the visual
    /// tree: list rows have no object parent, so findChild does not reach them.
    static QQuickItem *find(QQuickItem *root, const std::function<bool(QQuickItem *)> &is)
    {
        if (!root || is(root))
            return root;
        const auto children = root->childItems();
        for (QQuickItem *c : children)
            if (QQuickItem *found = find(c, is))
                return found;
        return nullptr;
    }
    static QQuickItem *itemNamed(QQuickItem *root, const QString &name)
    {
        return find(root, [&name](QQuickItem *i) { return i->objectName() == name; });
    }
    /// The first shown item in the window whose property has that value.
    QQuickItem *shownWith(const char *property, const QVariant &value) const
    {
        grab();   // positioners lay out at the next frame: until then rows may lie on each other
        return find(window()->contentItem(), [&](QQuickItem *i) { return i->isVisible() && i->property(property) == value; });
    }
    /// The page that controller drives.
    QQuickItem *pageOf(QObject *controller) const
    {
        return find(window()->contentItem(),
                    [controller](QQuickItem *i) { return i->property("controller").value<QObject *>() == controller; });
    }
    void click(QQuickItem *item) const
    {
        // A row below the fold is scrolled to first, as a person would.
        for (QQuickItem *f = item->parentItem(); f; f = f->parentItem()) {
            if (!f->inherits("QQuickFlickable"))
                continue;
            const qreal y = item->mapToItem(f, item->boundingRect().center()).y();
            if (y < 0 || y > f->height()) {
                const qreal top = f->property("originY").toReal();
                const qreal last = top + std::max(0.0, f->property("contentHeight").toReal() - f->height());
                f->setProperty("contentY", std::clamp(f->property("contentY").toReal() + y - f->height() / 2, top, last));
                grab();
            }
            break;
        }
        QTest::mouseClick(window(), Qt::LeftButton, {}, item->mapToScene(item->boundingRect().center()).toPoint());
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

#include "app/OverlayLayer.h"

#include "app/OverlayView.h"

OverlayLayer::OverlayLayer(QObject *parent) : QObject(parent) {}

OverlayLayer::~OverlayLayer()
{
    const auto views = m_views;
    m_views.clear();
    for (const QPointer<OverlayView> &v : views) {
        if (v)
            v->attach(nullptr);
    }
}

void OverlayLayer::add(OverlayView *view)
{
    if (!view)
        return;
    if (OverlayLayer *other = view->superview(); other && other != this)
        other->remove(view);
    m_views.removeAll(view);
    m_views.append(view);
    view->attach(this);
    emit changed();
}

void OverlayLayer::remove(OverlayView *view)
{
    if (!m_views.removeAll(view))
        return;
    if (view)
        view->attach(nullptr);
    emit changed();
}

OverlayView *OverlayLayer::viewWithTag(int tag) const
{
    for (auto it = m_views.crbegin(); it != m_views.crend(); ++it) {
        if (*it && (*it)->tag() == tag)
            return *it;
    }
    return nullptr;
}

QList<OverlayView *> OverlayLayer::views() const
{
    QList<OverlayView *> out;
    for (const QPointer<OverlayView> &v : m_views) {
        if (v)
            out.append(v);
    }
    return out;
}

QList<QObject *> OverlayLayer::objects() const
{
    QList<QObject *> out;
    for (OverlayView *v : views())
        out.append(v);
    return out;
}

bool OverlayLayer::contains(const OverlayView *view) const
{
    return std::any_of(m_views.cbegin(), m_views.cend(), [view](const QPointer<OverlayView> &v) { return v == view; });
}

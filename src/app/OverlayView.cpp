#include "app/OverlayView.h"

#include "app/OverlayLayer.h"

OverlayView::OverlayView(QObject *parent) : QObject(parent) {}

OverlayView::~OverlayView()
{
    removeFromSuperview();
}

QString OverlayView::kind() const
{
    return QString::fromLatin1(metaObject()->className());
}

void OverlayView::setTag(int tag)
{
    if (m_tag == tag)
        return;
    m_tag = tag;
    emit tagChanged();
}

void OverlayView::setSize(int width, int height)
{
    if (m_width == width && m_height == height)
        return;
    m_width = width;
    m_height = height;
    emit frameChanged();
}

void OverlayView::setAlpha(double alpha)
{
    if (qFuzzyCompare(m_alpha, alpha))
        return;
    m_alpha = alpha;
    emit alphaChanged();
}

void OverlayView::removeFromSuperview()
{
    if (OverlayLayer *layer = m_layer)
        layer->remove(this);
}

void OverlayView::attach(OverlayLayer *layer)
{
    if (m_layer == layer)
        return;
    m_layer = layer;
    emit superviewChanged();
}

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class OverlayView;

/// The views laid over one screen or over the window, bottom first. Adding a view that is
/// already there brings it to the front, as adding a subview again does on the phone.
/// The layer does not own its views.
class OverlayLayer : public QObject
{
    Q_OBJECT
public:
    explicit OverlayLayer(QObject *parent = nullptr);
    ~OverlayLayer() override;

    void add(OverlayView *view);
    void remove(OverlayView *view);
    /// The frontmost view with that tag, or null.
    OverlayView *viewWithTag(int tag) const;
    QList<OverlayView *> views() const;
    QList<QObject *> objects() const;
    bool contains(const OverlayView *view) const;

signals:
    void changed();

private:
    QList<QPointer<OverlayView>> m_views;
};

#pragma once

#include "app/OverlayLayer.h"

#include <QObject>
#include <QPointer>
#include <QString>

/// A view laid over a screen (or over the whole window): the busy overlay, the notices, the
/// dialog, the company card. The window draws it with the widget named by `kind` (its class
/// name); the model holds what behaviour depends on: tag, size, transparency.
class OverlayView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString kind READ kind CONSTANT)
    Q_PROPERTY(int tag READ tag WRITE setTag NOTIFY tagChanged)
    Q_PROPERTY(int width READ width NOTIFY frameChanged)
    Q_PROPERTY(int height READ height NOTIFY frameChanged)
    Q_PROPERTY(double alpha READ alpha NOTIFY alphaChanged)
    Q_PROPERTY(bool inSuperview READ inSuperview NOTIFY superviewChanged)
public:
    explicit OverlayView(QObject *parent = nullptr);
    ~OverlayView() override;

    QString kind() const;
    int tag() const { return m_tag; }
    void setTag(int tag);
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setSize(int width, int height);
    double alpha() const { return m_alpha; }
    void setAlpha(double alpha);

    OverlayLayer *superview() const { return m_layer; }
    bool inSuperview() const { return !m_layer.isNull(); }
    /// Takes the view off the layer it is on; the view itself stays alive.
    Q_INVOKABLE void removeFromSuperview();
    /// Escape over the view: presses its cancel button, or its only button; a view with
    /// neither stays as it is.
    virtual void cancel() {}
    /// Return over the view: presses its button when it has only one (true); otherwise false.
    virtual bool confirm() { return false; }

signals:
    void tagChanged();
    void frameChanged();
    void alphaChanged();
    void superviewChanged();

private:
    friend class OverlayLayer;
    void attach(OverlayLayer *layer);

    int m_tag = 0;
    int m_width = 0;
    int m_height = 0;
    double m_alpha = 1.0;
    QPointer<OverlayLayer> m_layer;
};

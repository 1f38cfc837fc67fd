#pragma once

#include "app/OverlayView.h"

#include <QTimer>

/// The busy overlay: covers its area and blocks touches while it is on a screen; the window
/// draws a dark rounded box with a spinning indicator in the middle, and the text if any.
class LoadingView : public OverlayView
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(int fadeDuration READ fadeDuration NOTIFY fadeDurationChanged)
public:
    explicit LoadingView(QObject *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    /// Fades to transparent over ms milliseconds, then leaves its superview.
    void fadeOut(int ms);
    /// Stops a fade in progress and makes the view opaque again.
    void cancelFade();
    bool isFading() const { return m_fade.isActive(); }
    /// How long the window animates the change of alpha.
    int fadeDuration() const { return m_fadeDuration; }

signals:
    void textChanged();
    void fadeDurationChanged();

private:
    QString m_text;
    QTimer m_fade;
    int m_fadeDuration = 0;
};

#include "app/LoadingView.h"

LoadingView::LoadingView(QObject *parent) : OverlayView(parent)
{
    m_fade.setSingleShot(true);
    connect(&m_fade, &QTimer::timeout, this, &OverlayView::removeFromSuperview);
}

void LoadingView::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    emit textChanged();
}

void LoadingView::fadeOut(int ms)
{
    if (m_fadeDuration != ms) {
        m_fadeDuration = ms;
        emit fadeDurationChanged();
    }
    setAlpha(0.0);
    m_fade.start(ms);
}

void LoadingView::cancelFade()
{
    m_fade.stop();
    setAlpha(1.0);
}

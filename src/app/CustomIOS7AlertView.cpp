#include "app/CustomIOS7AlertView.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"
#include "core/platform/ScreenMetrics.h"
#include "core/platform/TextMetrics.h"

CustomIOS7AlertView::CustomIOS7AlertView(const QString &buttonTitle, const QString &contentTitle, QObject *parent)
    : OverlayView(parent), m_context(AppContext::current()), m_contentTitle(contentTitle),
      m_buttonTitles{buttonTitle}
{
    m_textHeight = m_context->service<TextMetrics>()->heightForText(contentTitle, kFontSize, kTextWidth);
}

void CustomIOS7AlertView::show()
{
    if (m_closed)
        return;
    const ScreenMetrics *screen = m_context->service<ScreenMetrics>();
    setSize(screen->width(), screen->height());
    Alerts *alerts = m_context->service<Alerts>();
    if (!parent())
        setParent(alerts);
    alerts->addWindowView(this);
}

void CustomIOS7AlertView::buttonTouchUpInside(int buttonIndex)
{
    if (m_closed || buttonIndex < 0 || buttonIndex >= m_buttonTitles.size())
        return;
    m_closed = true;
    if (CustomIOS7AlertViewDelegate *d = m_delegate.get())
        d->customIOS7dialogButtonTouchUpInside(this, buttonIndex);
    removeFromSuperview();
    deleteLater();
}

bool CustomIOS7AlertView::confirm()
{
    if (m_buttonTitles.size() != 1)
        return false;
    buttonTouchUpInside(0);
    return true;
}

// One button: Escape presses it, as a tap on it would.
void CustomIOS7AlertView::cancel()
{
    buttonTouchUpInside(0);
}

#include "app/PlatformAlert.h"

PlatformAlert::PlatformAlert(Spec spec, Handler handler, QObject *parent)
    : OverlayView(parent), m_spec(std::move(spec)), m_handler(std::move(handler))
{
}

void PlatformAlert::clickedButtonAtIndex(int index)
{
    if (m_done || index < 0 || index >= m_spec.buttonTitles.size() || !isButtonEnabled(index))
        return;
    // A second tap while the handler runs (or before deletion) must not answer twice.
    m_done = true;
    removeFromSuperview();
    const Handler handler = std::move(m_handler);
    if (handler)
        handler(index);
    deleteLater();
}

bool PlatformAlert::confirm()
{
    if (m_spec.actionSheet || m_spec.buttonTitles.size() != 1)
        return false;
    clickedButtonAtIndex(0);
    return true;
}

// A sheet's or alert's cancel button; an alert of one button is only dismissed by it.
void PlatformAlert::cancel()
{
    if (m_spec.cancelButtonIndex >= 0)
        clickedButtonAtIndex(m_spec.cancelButtonIndex);
    else if (m_spec.buttonTitles.size() == 1)
        clickedButtonAtIndex(0);
}

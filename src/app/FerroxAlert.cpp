#include "app/FerroxAlert.h"

#include "app/ViewController.h"
#include "core/platform/AppContext.h"
#include "core/platform/ScreenMetrics.h"

FerroxAlert::FerroxAlert(QObject *parent)
    : OverlayView(parent), m_cancelBtn(new ButtonModel(0, QStringLiteral("确定"), this))
{
    setTag(kTag);
    connect(m_cancelBtn, &ButtonModel::clicked, this, [this] { close(); });
}

void FerroxAlert::showInView(ViewController *parent, const QString &title)
{
    if (!parent)
        return;
    if (!this->parent())
        setParent(parent);
    if (m_text != title) {
        m_text = title;
        emit textChanged();
    }
    setTag(kTag);
    setSize(kWidth, parent->context().service<ScreenMetrics>()->height() - kBarsHeight);
    parent->addSubview(this);
}

void FerroxAlert::close()
{
    if (m_dismissed)
        return;
    if (FerroxAlertDelegate *d = m_sDelegate.get())
        d->steelViewWillDisappear(this);
    dismiss();
}

void FerroxAlert::dismiss()
{
    if (m_dismissed)
        return;
    m_dismissed = true;
    removeFromSuperview();
    deleteLater();
}

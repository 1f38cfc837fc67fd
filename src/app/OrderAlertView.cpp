#include "app/OrderAlertView.h"

#include "app/ViewController.h"
#include "core/platform/AppContext.h"
#include "core/platform/ScreenMetrics.h"
#include "core/util/Value.h"

OrderAlertView::OrderAlertView(QObject *parent) : OverlayView(parent) {}

OrderAlertView *OrderAlertView::show(ViewController *screen, const QVariant &data)
{
    if (!screen)
        return nullptr;
    auto *card = new OrderAlertView(screen);
    card->showViewWithFrame(kWidth, screen->context().service<ScreenMetrics>()->height() - kBarsHeight,
                            Value::map(data));
    screen->addSubview(card);
    return card;
}

void OrderAlertView::showViewWithFrame(int width, int height, const QVariantMap &dataDict)
{
    setSize(width, height);
    // A missing field shows an empty label rather than a placeholder word.
    for (const char *key : {"companyName", "mobile", "tel", "userName"}) {
        const QString name = QString::fromLatin1(key);
        const QVariant value = dataDict.value(name);
        m_card.insert(name, Value::isNone(value) ? QString() : Value::text(value));
    }
    emit cardChanged();
}

void OrderAlertView::remove()
{
    if (m_removed)
        return;
    m_removed = true;
    removeFromSuperview();
    deleteLater();
}

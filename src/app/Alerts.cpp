#include "app/Alerts.h"

#include "app/OverlayLayer.h"

Alerts::Alerts(AppContext &) : m_layer(new OverlayLayer(this))
{
    connect(m_layer, &OverlayLayer::changed, this, &Alerts::viewsChanged);
}

Alerts::~Alerts() = default;

PlatformAlert *Alerts::messageWithString(const QString &text)
{
    return showAlert({}, text, {QStringLiteral("好")}, {}, 0);
}

PlatformAlert *Alerts::showAlert(const QString &title, const QString &message, const QStringList &buttonTitles,
                                 PlatformAlert::Handler handler, int cancelButtonIndex)
{
    PlatformAlert::Spec spec;
    spec.title = title;
    spec.message = message;
    spec.buttonTitles = buttonTitles;
    spec.cancelButtonIndex = cancelButtonIndex;
    return present(std::move(spec), std::move(handler));
}

PlatformAlert *Alerts::showActionSheet(const QString &title, const QString &cancelButtonTitle,
                                       const QString &destructiveButtonTitle, const QStringList &otherButtonTitles,
                                       PlatformAlert::Handler handler, const QList<int> &greyedOthers)
{
    PlatformAlert::Spec spec;
    spec.actionSheet = true;
    spec.title = title;
    if (!destructiveButtonTitle.isEmpty()) {
        spec.destructiveButtonIndex = 0;
        spec.buttonTitles.append(destructiveButtonTitle);
    }
    for (const int other : greyedOthers)
        spec.disabledButtons.append(int(spec.buttonTitles.size()) + other);
    spec.buttonTitles.append(otherButtonTitles);
    if (!cancelButtonTitle.isEmpty()) {
        spec.cancelButtonIndex = int(spec.buttonTitles.size());
        spec.buttonTitles.append(cancelButtonTitle);
    }
    return present(std::move(spec), std::move(handler));
}

PlatformAlert *Alerts::present(PlatformAlert::Spec spec, PlatformAlert::Handler handler)
{
    auto *alert = new PlatformAlert(std::move(spec), std::move(handler), this);
    m_layer->add(alert);
    return alert;
}

void Alerts::addWindowView(OverlayView *view)
{
    m_layer->add(view);
}

QList<OverlayView *> Alerts::views() const
{
    return m_layer->views();
}

QList<QObject *> Alerts::viewObjects() const
{
    return m_layer->objects();
}

bool Alerts::escape()
{
    const QList<OverlayView *> all = views();
    if (all.isEmpty())
        return false;
    all.last()->cancel();
    return true;
}

bool Alerts::confirm()
{
    const QList<OverlayView *> all = views();
    return !all.isEmpty() && all.last()->confirm();
}

PlatformAlert *Alerts::topAlert() const
{
    const QList<OverlayView *> all = views();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (auto *alert = qobject_cast<PlatformAlert *>(*it))
            return alert;
    }
    return nullptr;
}

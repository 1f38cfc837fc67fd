#pragma once

#include <QList>
#include <QObject>
#include <QVariantMap>
#include <functional>

class AppContext;

/// One location fix with reverse geocoding, as the launch asks for it. A platform port starts
/// updates, takes the first fix, stops, and reports the places found for it as address
/// dictionaries ("City", "State", ...). The default port has no location source: it never
/// reports, so the user record keeps the values it had.
class LocationPort
{
public:
    using Places = QList<QVariantMap>;
    using Callback = std::function<void(const Places &)>;

    LocationPort() = default;
    explicit LocationPort(AppContext &) {}
    virtual ~LocationPort() = default;

    /// Starts one fix. callback runs at most once, on this thread, and not after receiver is gone.
    virtual void startUpdatingLocation(QObject *receiver, Callback callback)
    {
        Q_UNUSED(receiver) Q_UNUSED(callback)
    }
};

#pragma once

#include "core/platform/LocationPort.h"

#include <QObject>
#include <QPointer>

class QGeoPositionInfo;
class QGeoPositionInfoSource;

/// The launch's location fix from Qt Positioning: the platform's default position source, best
/// accuracy, one fix, then updates stop. Qt 6.4 on this platform has no reverse geocoder (that
/// is Qt Location), so the fix is named by the nearest city seat of the place lists; without a
/// source (or when it fails) nothing is reported at all. A port made held only looks for its
/// source once released: loading the position plugins need not delay the window's first frame.
class PositioningLocationPort : public QObject, public LocationPort
{
    Q_OBJECT
public:
    explicit PositioningLocationPort(bool held = false, QObject *parent = nullptr);

    void startUpdatingLocation(QObject *receiver, Callback callback) override;
    /// Starts what was asked for while held.
    void release();

private:
    void start();
    void onPositionUpdated(const QGeoPositionInfo &info);

    QGeoPositionInfoSource *m_source = nullptr;
    QPointer<QObject> m_receiver;
    Callback m_callback;
    bool m_held = false;
    bool m_asked = false;
};

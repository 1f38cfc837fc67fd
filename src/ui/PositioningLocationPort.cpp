#include "ui/PositioningLocationPort.h"

#include "core/util/PlaceLists.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>

PositioningLocationPort::PositioningLocationPort(bool held, QObject *parent) : QObject(parent), m_held(held) {}

void PositioningLocationPort::startUpdatingLocation(QObject *receiver, Callback callback)
{
    m_receiver = receiver;
    m_callback = std::move(callback);
    m_asked = true;
    if (!m_held)
        start();
}

void PositioningLocationPort::release()
{
    m_held = false;
    if (m_asked)
        start();
}

void PositioningLocationPort::start()
{
    if (!m_source) {
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
        if (!m_source) {
            qCInfo(lcUi) << "location: no position source";
            return;
        }
        m_source->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
        connect(m_source, &QGeoPositionInfoSource::positionUpdated, this, &PositioningLocationPort::onPositionUpdated);
        connect(m_source, &QGeoPositionInfoSource::errorOccurred, this, [this](QGeoPositionInfoSource::Error error) {
            qCInfo(lcUi) << "location: source error" << error;
            m_source->stopUpdates();
        });
    }
    m_source->startUpdates();
}

void PositioningLocationPort::onPositionUpdated(const QGeoPositionInfo &info)
{
    // One fix is all the launch wants.
    m_source->stopUpdates();
    qCInfo(lcUi).noquote() << "location: fix" << info.coordinate().toString();
    Callback callback = std::exchange(m_callback, {});
    if (!callback || !m_receiver)
        return;
    // No reverse geocoder here: the nearest city seat names the place.
    const QVariantMap place = PlaceLists::nearestPlace(info.coordinate().latitude(), info.coordinate().longitude());
    callback(place.isEmpty() ? LocationPort::Places{} : LocationPort::Places{place});
}

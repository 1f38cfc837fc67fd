#pragma once

#include <QByteArray>
#include <QtGlobal>

/// One frame of the session channel: four zero bytes, the type as a 32-bit little-endian
/// integer, then the JSON body with no terminator.
struct SessionFrame
{
    qint32 type = 0;
    QByteArray body;

    /// The frame's bytes as they go on the wire.
    QByteArray encode() const;
};

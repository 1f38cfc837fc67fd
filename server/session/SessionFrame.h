#pragma once

#include <QByteArray>
#include <QtGlobal>

/// One frame a client sent: its type and its body (JSON text, empty when it had none).
struct SessionFrame
{
    qint32 type = 0;
    QByteArray body;
};

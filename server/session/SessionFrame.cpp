#include "SessionFrame.h"

#include <QtEndian>

QByteArray SessionFrame::encode() const
{
    QByteArray out(8, '\0');
    qToLittleEndian<qint32>(type, out.data() + 4);
    out.append(body);
    return out;
}

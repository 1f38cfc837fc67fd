#include "core/platform/Clock.h"

#include <QDateTime>

double Clock::now() const
{
    if (m_fixed)
        return *m_fixed;
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

void Clock::advance(double seconds)
{
    m_fixed = now() + seconds;
}

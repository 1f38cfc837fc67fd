#include "core/session/ReconnectBackoff.h"

#include <algorithm>

ReconnectBackoff::ReconnectBackoff() : ReconnectBackoff(Policy(), QRandomGenerator::global()->generate()) {}

ReconnectBackoff::ReconnectBackoff(Policy policy, quint32 seed) : m_policy(policy), m_rng(seed) {}

int ReconnectBackoff::nextDelayMs()
{
    const int n = m_failures++;
    if (n == 0)
        return 0;
    // base * 2^(n-1), computed so that a long outage cannot overflow it.
    qint64 delay = m_policy.baseMs;
    for (int i = 1; i < n && delay < m_policy.capMs; ++i)
        delay *= 2;
    delay = std::min<qint64>(delay, m_policy.capMs);
    const double jitter = std::clamp(m_policy.jitter, 0.0, 1.0);
    const double cut = jitter * m_rng.generateDouble();
    return std::max(1, int(double(delay) * (1.0 - cut)));
}

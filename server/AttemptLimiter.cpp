#include "AttemptLimiter.h"

bool AttemptLimiter::exhausted(const QString &key)
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.constEnd())
        return false;
    if (m_clock.elapsed() - it->windowStart >= m_windowMs) {
        m_entries.remove(key);
        return false;
    }
    return it->used >= m_allowed;
}

void AttemptLimiter::count(const QString &key)
{
    if (m_entries.size() > 100000)
        expire();
    Entry &e = m_entries[key];
    const qint64 now = m_clock.elapsed();
    if (e.used == 0 || now - e.windowStart >= m_windowMs)
        e = Entry{0, now};
    ++e.used;
}

void AttemptLimiter::expire()
{
    const qint64 now = m_clock.elapsed();
    m_entries.removeIf([&](const auto &it) { return now - it.value().windowStart >= m_windowMs; });
}

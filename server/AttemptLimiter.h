#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>

/// Counts attempts per key (an account, a peer address) within a window: once a key has used
/// its allowance it is refused until its window has passed. Kept in memory: a restart forgives.
class AttemptLimiter
{
public:
    AttemptLimiter(int allowed, qint64 windowMs) : m_allowed(allowed), m_windowMs(windowMs) { m_clock.start(); }

    /// True when the key has no attempts left in its current window.
    bool exhausted(const QString &key);
    /// Counts one attempt (a failure, or any use for rate limits).
    void count(const QString &key);
    /// Forgets the key (a success, a fresh code).
    void clear(const QString &key) { m_entries.remove(key); }

private:
    struct Entry
    {
        int used = 0;
        qint64 windowStart = 0;
    };
    void expire();

    int m_allowed;
    qint64 m_windowMs;
    QElapsedTimer m_clock;
    QHash<QString, Entry> m_entries;
};

#pragma once

#include <QRandomGenerator>

/// Pacing of the session channel's reconnection attempts.
///
/// The first attempt after a lost connection goes out at once, so a dropped link comes back
/// without delay. If that fails too, the server is probably down or unreachable, and retrying in
/// a tight loop would only burn battery and flood the server when it returns. Further attempts
/// wait `baseMs`, then twice as long each time, up to `capMs`, each shortened by a random part
/// of up to `jitter` so that many clients do not return in step. A successful connect resets it.
///
/// With the defaults (0.5 s, 30 s, 20 %) attempts go out at about 0, 0.5, 1.5, 3.5, 7.5, 15.5 s:
/// at most 5 in any 10 s of reconnecting, and one per 24 to 30 s once capped.
class ReconnectBackoff
{
public:
    struct Policy
    {
        int baseMs = 500;
        int capMs = 30000;
        double jitter = 0.2;   ///< fraction, 0 to 1, taken off each delay at random
    };

    /// The default policy, randomly seeded.
    ReconnectBackoff();
    ReconnectBackoff(Policy policy, quint32 seed);

    /// The delay before the next attempt: 0 for the first one after a reset.
    int nextDelayMs();
    /// Called on a successful connect.
    void reset() { m_failures = 0; }
    /// Attempts handed out since the last reset.
    int failures() const { return m_failures; }

    Policy policy() const { return m_policy; }
    void setPolicy(Policy policy) { m_policy = policy; }

private:
    Policy m_policy;
    QRandomGenerator m_rng;
    int m_failures = 0;
};

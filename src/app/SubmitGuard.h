#pragma once

#include "core/api/Request.h"

#include <functional>

/// One service call of a form at a time: a second tap while the first call is on its way sends
/// nothing, and the form can be sent again once the answer (or the failure) has arrived.
///
///     if (Request *r = m_submit.start(this, [this](const ServiceReply &reply) { ... }))
///         r->userRegister(number, code, this);
///
/// A refusal shows its message in the message alert and does not reach the handler.
class SubmitGuard
{
public:
    using Handler = std::function<void(const ServiceReply &reply)>;

    /// The request to send the call on, or null while an earlier one is still unanswered.
    Request *start(QObject *owner, Handler accepted);
    bool busy() const { return m_busy; }

private:
    bool m_busy = false;
};

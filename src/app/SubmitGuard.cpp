#include "app/SubmitGuard.h"

Request *SubmitGuard::start(QObject *owner, Handler accepted)
{
    if (m_busy)
        return nullptr;
    m_busy = true;
    // The guard lives in its owner, and the handlers run only while the owner does.
    return Request::request()
        ->onReply(owner, [this, accepted = std::move(accepted)](const ServiceReply &reply) {
            m_busy = false;
            if (reply.alertUnlessOk())
                accepted(reply);
        })
        ->onFailure(owner, [this](const RequestError &) { m_busy = false; });
}

#include "RecordingDelegate.h"

#include "core/api/Request.h"

#include <QTest>

void RecordingDelegate::requestWillStart(Request *request)
{
    m_lastRequestId = request->requestId();
    m_events.append(QStringLiteral("willStart"));
}

void RecordingDelegate::requestProgress(Request *request, double progress)
{
    m_lastRequestId = request->requestId();
    m_progress.append(progress);
    m_events.append(QStringLiteral("progress"));
}

void RecordingDelegate::requestDidFinish(Request *request, const QVariant &result)
{
    m_lastRequestId = request->requestId();
    m_result = result;
    m_events.append(QStringLiteral("finish"));
}

void RecordingDelegate::requestDidFail(Request *request, const RequestError &error)
{
    m_lastRequestId = request->requestId();
    m_error = error;
    m_events.append(QStringLiteral("fail"));
}

void RecordingDelegate::showActivity()
{
    m_events.append(QStringLiteral("show"));
}

void RecordingDelegate::hideActivity()
{
    m_events.append(QStringLiteral("hide"));
}

QStringList RecordingDelegate::eventsWithoutProgress() const
{
    QStringList out = m_events;
    out.removeAll(QStringLiteral("progress"));
    return out;
}

bool RecordingDelegate::waitForHide(int n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return count(QStringLiteral("hide")) >= n; }, timeoutMs);
}

#pragma once

#include "core/api/RequestDelegate.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

/// A RequestDelegate that records its callbacks in order, as the words "willStart", "show",
/// "progress", "finish", "fail" and "hide", with the last result / error and request tag.
/// Being a QObject it is held weakly by the request, like a screen.
///
///     RecordingDelegate d;
///     Request *r = Request::request(3); r->setDelegate(&d); r->startConnection("a/b");
///     QVERIFY(d.waitForHide());
///     QCOMPARE(d.events(), QStringList({"willStart", "show", "progress", "finish", "hide"}));
class RecordingDelegate : public QObject, public RequestDelegate
{
    Q_OBJECT
public:
    using QObject::QObject;

    void requestWillStart(Request *request) override;
    void requestProgress(Request *request, double progress) override;
    void requestDidFinish(Request *request, const QVariant &result) override;
    void requestDidFail(Request *request, const RequestError &error) override;
    void showActivity() override;
    void hideActivity() override;

    QStringList events() const { return m_events; }
    /// The events without "progress" (how often data pieces arrive is up to the transport).
    QStringList eventsWithoutProgress() const;
    int count(const QString &event) const { return int(m_events.count(event)); }
    QVariant result() const { return m_result; }
    RequestError error() const { return m_error; }
    int lastRequestId() const { return m_lastRequestId; }
    QList<double> progress() const { return m_progress; }

    /// Waits until hideActivity has been called n times in all.
    bool waitForHide(int n = 1, int timeoutMs = 5000);

private:
    QStringList m_events;
    QVariant m_result;
    RequestError m_error;
    int m_lastRequestId = -1;
    QList<double> m_progress;
};

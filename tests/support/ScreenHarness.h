#pragma once

#include "FakeSessionServer.h"
#include "RawHttpRecorder.h"
#include "RecordingAlertPort.h"
#include "TestContext.h"
#include "app/NavigationStack.h"

#include <QStringList>
#include <QVariantMap>
#include <functional>

/// One screen under test without a window: a fresh context, a scripted fake service (path to
/// reply, every request recorded), a navigation stack and the recorded alerts, so that a screen's
/// test is a table of (action, request sent, reply, what the screen shows) rows:
///
///     h.reply("Market/Search", R"({"errorCode":0,"data":[...]})");
///     auto *list = h.open(new SuperMarket);
///     QVERIFY(h.settle());
///     QCOMPARE(h.sent("Market/Search").value("pageIndex"), "1");
class PagedListModel;

class ScreenHarness
{
public:
    ScreenHarness();

    AppContext &context() { return m_ctx.context(); }
    TestContext &testContext() { return m_ctx; }
    RawHttpRecorder &service() { return m_service; }
    NavigationStack &stack() { return m_stack; }
    /// A fake session server the context's channel talks to, made on first use.
    FakeSessionServer &sessionServer();
    /// Brings the channel up to that server: false when it did not connect in time.
    bool connectSession(int timeoutMs = 5000);

    /// Pushes the screen; the stack owns it and its view loads.
    template <class Screen>
    Screen *open(Screen *screen)
    {
        m_stack.pushViewController(screen);
        return screen;
    }

    /// The next start of the app on the same data folder and endpoints, with its alerts recorded
    /// afresh. Screens opened before belong to the old start: leave them alone.
    void restart();

    /// Scripts the JSON body the service answers on path (status 200).
    void reply(const QString &path, const QByteArray &json);
    /// A list reply: {"errorCode":0,<head>"data":[row(first), ... row(first + count - 1)]}.
    static QByteArray listReply(int first, int count, const std::function<QByteArray(int)> &row, const QByteArray &head = {});
    /// Scripts count rows {"name": "行 i"} on path and has model fetch them as its one page.
    void serveNamedRows(const QString &path, int count, PagedListModel &model);
    /// Runs the event loop until every request made so far has been answered and delivered.
    bool settle(int timeoutMs = 5000);

    /// Requests sent to path so far, and the decoded info block of the last one.
    int count(const QString &path) const;
    QVariantMap sent(const QString &path) const;
    /// The texts of the alerts shown so far; take also forgets them.
    QStringList alertTexts() const { return m_alerts->texts(); }
    QStringList takeAlerts();
    /// The class names of the screens on the stack, root first.
    QStringList screens() const;

private:
    std::unique_ptr<FakeSessionServer> m_session;
    TestContext m_ctx;
    RawHttpRecorder m_service;
    NavigationStack m_stack; // after the context and service: its screens go first
    RecordingAlertPort *m_alerts;
};

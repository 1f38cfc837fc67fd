#include "ScreenHarness.h"

#include "app/PagedListModel.h"
#include "app/ViewController.h"
#include "core/api/Request.h"
#include "core/session/Socket.h"

#include <QJsonDocument>
#include <QTest>

ScreenHarness::ScreenHarness()
{
    m_ctx->mutableConfig().serviceBaseUrl = m_service.baseUrl();
    m_alerts = m_ctx->setService<AlertPort>(std::make_unique<RecordingAlertPort>());
}

void ScreenHarness::restart()
{
    m_ctx.restart();
    m_alerts = m_ctx->setService<AlertPort>(std::make_unique<RecordingAlertPort>());
}

FakeSessionServer &ScreenHarness::sessionServer()
{
    if (!m_session) {
        m_session = std::make_unique<FakeSessionServer>();
        m_ctx->mutableConfig().sessionPort = m_session->port();
    }
    return *m_session;
}

bool ScreenHarness::connectSession(int timeoutMs)
{
    FakeSessionServer &server = sessionServer();
    Socket *channel = context().service<Socket>();
    return QTest::qWaitFor([&] { return channel->isConnected() && server.current(); }, timeoutMs);
}

void ScreenHarness::reply(const QString &path, const QByteArray &json)
{
    m_service.setReply(path, ScriptedReply::json(json));
}

QByteArray ScreenHarness::listReply(int first, int count, const std::function<QByteArray(int)> &row, const QByteArray &head)
{
    QByteArray rows;
    for (int i = first; i < first + count; ++i)
        rows += (i > first ? "," : "") + row(i);
    return R"({"errorCode":0,)" + head + R"("data":[)" + rows + "]}";
}

void ScreenHarness::serveNamedRows(const QString &path, int count, PagedListModel &model)
{
    reply(path, listReply(0, count, [](int i) { return "{\"name\":\"行 " + QByteArray::number(i) + "\"}"; }));
    model.setPageSize(count);
    model.setFetch([path](Request *r, int, int) { r->startConnection(path); });
}

bool ScreenHarness::settle(int timeoutMs)
{
    // A request is a child of the context until its answer has been delivered.
    return QTest::qWaitFor([this] { return context().findChildren<Request *>().isEmpty(); }, timeoutMs);
}

int ScreenHarness::count(const QString &path) const
{
    return int(m_service.requestsTo(path).size());
}

QVariantMap ScreenHarness::sent(const QString &path) const
{
    const QList<RecordedHttpRequest> requests = m_service.requestsTo(path);
    if (requests.isEmpty())
        return {};
    const QByteArray body = requests.last().body;
    const qsizetype at = body.indexOf("&info=");
    return at < 0 ? QVariantMap() : QJsonDocument::fromJson(body.mid(at + 6)).toVariant().toMap();
}

QStringList ScreenHarness::takeAlerts()
{
    const QStringList texts = m_alerts->texts();
    m_alerts->shown.clear();
    return texts;
}

QStringList ScreenHarness::screens() const
{
    QStringList names;
    for (const ViewController *screen : m_stack.viewControllers())
        names.append(QString::fromLatin1(screen->metaObject()->className()));
    return names;
}

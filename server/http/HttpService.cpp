#include "HttpService.h"
#include "ServerLog.h"

#include "AccountRoutes.h"
#include "ArticlePage.h"
#include "ArticleTicket.h"
#include "ArticleRoutes.h"
#include "BoundedTcpServer.h"
#include "EnvelopeParser.h"
#include "FriendRoutes.h"
#include "HomeRoutes.h"
#include "HttpConnection.h"
#include "MarketDatabase.h"
#include "MarketRoutes.h"
#include "OrderRoutes.h"
#include "ReportRoutes.h"
#include "ResourceRoutes.h"
#include "RouteHelpers.h"
#include "TenderRoutes.h"
#include "UploadRoutes.h"
#include "core/api/ServiceToken.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrlQuery>

const char HttpService::kSessionKeyHeader[] = "x-velmora-session";

namespace {

template<class T>
std::shared_ptr<void> install(RouteEnv &env, RouteTable &table)
{
    auto handlers = std::make_shared<T>(env);
    handlers->registerRoutes(table);
    return handlers;
}

HttpResponse json(const ServiceResult &result)
{
    return {result.httpStatus, "application/json; charset=utf-8", result.toJson()};
}

} // namespace

HttpService::HttpService(MarketDatabase &db, const QString &dataDir, const SessionKeys &keys,
                         const Limits &limits, QObject *parent)
    : QObject(parent),
      m_env{db, QDir(dataDir).filePath(QStringLiteral("pictures")),
            [this](qint64 userId, int code) { m_pendingPushes.append({userId, code}); },
            [](qint64) { return false; }, &keys, false, false, {}},
      m_limits(limits),
      m_server(new BoundedTcpServer(QStringLiteral("http"), limits.maxConnections, this))
{
    QDir().mkpath(m_env.pictureDir);
    m_env.pageSecret.resize(32);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(m_env.pageSecret.data()), 8);
    m_handlers = {install<AccountRoutes>(m_env, m_routes), install<HomeRoutes>(m_env, m_routes),
                  install<MarketRoutes>(m_env, m_routes), install<OrderRoutes>(m_env, m_routes),
                  install<ResourceRoutes>(m_env, m_routes), install<TenderRoutes>(m_env, m_routes),
                  install<ArticleRoutes>(m_env, m_routes), install<FriendRoutes>(m_env, m_routes),
                  install<ReportRoutes>(m_env, m_routes), install<UploadRoutes>(m_env, m_routes)};
    connect(m_server, &QTcpServer::newConnection, this, &HttpService::accept);
}

HttpService::~HttpService() = default;

quint16 HttpService::listen(const QHostAddress &address, quint16 port)
{
    return m_server->listenOn(address, port) ? m_server->serverPort() : 0;
}

void HttpService::setOnlineCheck(std::function<bool(qint64)> isOnline)
{
    m_env.isOnline = std::move(isOnline);
}

void HttpService::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection())
        new HttpConnection(socket, m_limits.maxBody, m_limits.idleMs,
                           [this](const HttpRequest &request) { return respond(request); }, this);
}

HttpResponse HttpService::respond(const HttpRequest &request)
{
    const QString &path = request.path;
    if (request.method == "GET") {
        if (path.startsWith(QLatin1String("pictures/"), Qt::CaseInsensitive))
            return picture(path.mid(9));
        // The application store's version lookup, played for the app's "检查新版本": the latest
        // release is the one the app is built as.
        if (path.compare(QLatin1String("lookup"), Qt::CaseInsensitive) == 0)
            return {200, "application/json; charset=utf-8", R"({"resultCount":1,"results":[{"version":"1.0.0"}]})"};
        if (path.startsWith(QLatin1String("articles/"), Qt::CaseInsensitive)) {
            const qint64 article = path.mid(9).toLongLong();
            const QByteArray ticket = QUrlQuery(QString::fromLatin1(request.query)).queryItemValue(QStringLiteral("t")).toLatin1();
            const QByteArray page = ArticlePage::html(
                m_env.db, article, ArticleTicket::reader(m_env.pageSecret, ticket, article, RouteHelpers::now()));
            if (!page.isEmpty())
                return {200, "text/html; charset=utf-8", page};
            return {404, {}, {}};
        }
    }
    return json(dispatch(request));
}

ServiceResult HttpService::dispatch(const HttpRequest &request)
{
    const QString &path = request.path;
    const Route *route = m_routes.find(path);
    if (!route) {
        qCInfo(lcServer).noquote() << "http: unknown path" << path;
        return ServiceResult::fail(ServiceError::UnknownPath, QStringLiteral("接口不存在"), 404);
    }
    if (request.method != "POST")
        return ServiceResult::fail(ServiceError::Malformed, QStringLiteral("请使用POST请求"), 405);

    ServiceCall call;
    call.path = path;
    call.baseUrl = QStringLiteral("http://%1/").arg(QString::fromUtf8(request.header("host")));
    call.sessionKey = request.header(kSessionKeyHeader);
    call.peer = request.peer.toString();
    const QString problem = EnvelopeParser::parse(request.body, request.header("content-type"), call);
    if (!problem.isEmpty()) {
        qCInfo(lcServer).noquote() << "http:" << path << "malformed body:" << problem;
        return ServiceResult::fail(ServiceError::Malformed, QStringLiteral("请求格式错误"), 400);
    }
    const QString expected = route->token == RouteToken::Report ? QString(ServiceToken::kReport)
                                                                 : QString(ServiceToken::kService);
    if (call.auth.value(QStringLiteral("tokenKey")).toString() != expected) {
        qCInfo(lcServer).noquote() << "http:" << path << "wrong token";
        return ServiceResult::fail(ServiceError::BadToken, QStringLiteral("令牌无效"), 403);
    }
    return this->call(*route, call);
}

ServiceResult HttpService::call(const Route &route, ServiceCall &call)
{
    m_pendingPushes.clear();
    MarketDatabase::Transaction unit(m_env.db);
    const quint64 failuresBefore = m_env.db.failures();
    // The route's access rule runs first; a handler never sees a call its rule refused, nor one
    // whose user or ids did not parse.
    const std::optional<ServiceResult> refusal = route.access.check(m_env, call);
    if (refusal)
        qCInfo(lcServer).noquote() << "http:" << call.path << "refused:" << refusal->message;
    const ServiceResult result = refusal ? *refusal : call.badKeys.isEmpty() ? route.handler(call) : ServiceResult();
    if (!call.badKeys.isEmpty()) {
        qCInfo(lcServer).noquote() << "http:" << call.path << "refused values of" << call.badKeys.join(QLatin1Char(','));
        return ServiceResult::fail(ServiceError::BadInput,
                                   QStringLiteral("参数格式不正确：%1").arg(call.badKeys.join(QStringLiteral("、"))));
    }
    // A refusal leaves nothing behind; success stands only when every statement went through.
    if (result.errorCode != 0)
        return result;
    if (m_env.db.failures() != failuresBefore || !unit.commit()) {
        qCWarning(lcServer).noquote() << "http:" << call.path << "a statement failed; the call was undone";
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("服务器内部错误，请稍后重试"), 500);
    }
    for (const auto &[userId, code] : std::as_const(m_pendingPushes))
        emit pushNotice(userId, code);
    m_pendingPushes.clear();
    return result;
}

HttpResponse HttpService::picture(const QString &name) const
{
    // Only plain file names of our own making: no directories, no "..".
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]+\\.(png|jpg|svg)$"));
    QFile file(QDir(m_env.pictureDir).filePath(name));
    if (!safe.match(name).hasMatch() || !file.open(QIODevice::ReadOnly))
        return {404, {}, {}};
    const QByteArray mime = name.endsWith(QLatin1String(".svg")) ? "image/svg+xml"
                            : name.endsWith(QLatin1String(".jpg")) ? "image/jpeg"
                                                                   : "image/png";
    return {200, mime, file.readAll()};
}

#include "HttpService.h"

#include "AccountRoutes.h"
#include "ArticlePage.h"
#include "ArticleRoutes.h"
#include "EnvelopeParser.h"
#include "FriendRoutes.h"
#include "HomeRoutes.h"
#include "MarketDatabase.h"
#include "MarketRoutes.h"
#include "OrderRoutes.h"
#include "ReportRoutes.h"
#include "ResourceRoutes.h"
#include "TenderRoutes.h"
#include "UploadRoutes.h"
#include "core/api/ServiceToken.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtHttpServer/QHttpServerRequest>
#include <QtHttpServer/QHttpServerResponder>

namespace {

template<class T>
std::shared_ptr<void> install(RouteEnv &env, RouteTable &table)
{
    auto handlers = std::make_shared<T>(env);
    handlers->registerRoutes(table);
    return handlers;
}

QString requestPath(const QHttpServerRequest &request)
{
    QString path = request.url().path();
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    return path;
}

} // namespace

HttpService::HttpService(MarketDatabase &db, const QString &dataDir, QObject *parent)
    : QAbstractHttpServer(parent),
      m_env{db, QDir(dataDir).filePath(QStringLiteral("pictures")),
            [this](qint64 userId, int code) { emit pushNotice(userId, code); },
            [](qint64) { return false; }}
{
    QDir().mkpath(m_env.pictureDir);
    m_handlers = {install<AccountRoutes>(m_env, m_routes), install<HomeRoutes>(m_env, m_routes),
                  install<MarketRoutes>(m_env, m_routes), install<OrderRoutes>(m_env, m_routes),
                  install<ResourceRoutes>(m_env, m_routes), install<TenderRoutes>(m_env, m_routes),
                  install<ArticleRoutes>(m_env, m_routes), install<FriendRoutes>(m_env, m_routes),
                  install<ReportRoutes>(m_env, m_routes), install<UploadRoutes>(m_env, m_routes)};
}

void HttpService::setOnlineCheck(std::function<bool(qint64)> isOnline)
{
    m_env.isOnline = std::move(isOnline);
}

HttpService::~HttpService() = default;

bool HttpService::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const QString path = requestPath(request);
    if (request.method() == QHttpServerRequest::Method::Get) {
        if (path.startsWith(QLatin1String("pictures/"), Qt::CaseInsensitive)) {
            servePicture(request, socket, path.mid(9));
            return true;
        }
        if (path.startsWith(QLatin1String("articles/"), Qt::CaseInsensitive)) {
            const QByteArray page = ArticlePage::html(m_env.db, path.mid(9).toLongLong());
            if (page.isEmpty())
                makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
            else
                makeResponder(request, socket).write(page, "text/html; charset=utf-8");
            return true;
        }
    }
    const ServiceResult result = dispatch(request, path);
    makeResponder(request, socket)
        .write(result.toJson(), "application/json; charset=utf-8",
               QHttpServerResponder::StatusCode(result.httpStatus));
    return true;
}

void HttpService::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

ServiceResult HttpService::dispatch(const QHttpServerRequest &request, const QString &path)
{
    const Route *route = m_routes.find(path);
    if (!route) {
        qInfo().noquote() << "http: unknown path" << path;
        return ServiceResult::fail(ServiceError::UnknownPath, QStringLiteral("接口不存在"), 404);
    }
    if (request.method() != QHttpServerRequest::Method::Post)
        return ServiceResult::fail(ServiceError::Malformed, QStringLiteral("请使用POST请求"), 405);

    ServiceCall call;
    call.path = path;
    const QByteArray host = request.value("Host");
    call.baseUrl = QStringLiteral("http://%1/").arg(QString::fromUtf8(host));
    const QString problem = EnvelopeParser::parse(request.body(), request.value("Content-Type"), call);
    if (!problem.isEmpty()) {
        qInfo().noquote() << "http:" << path << "malformed body:" << problem;
        return ServiceResult::fail(ServiceError::Malformed, QStringLiteral("请求格式错误"), 400);
    }
    const QString expected = route->token == RouteToken::Report ? QString(ServiceToken::kReport)
                                                                 : QString(ServiceToken::kService);
    if (call.auth.value(QStringLiteral("tokenKey")).toString() != expected) {
        qInfo().noquote() << "http:" << path << "wrong token";
        return ServiceResult::fail(ServiceError::BadToken, QStringLiteral("令牌无效"), 403);
    }
    const quint64 failuresBefore = m_env.db.failures();
    ServiceResult result = route->handler(call);
    if (m_env.db.failures() != failuresBefore && result.errorCode == 0) {
        qWarning().noquote() << "http:" << path << "a statement failed; reporting the call as failed";
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("服务器内部错误，请稍后重试"), 500);
    }
    return result;
}

void HttpService::servePicture(const QHttpServerRequest &request, QTcpSocket *socket,
                               const QString &name)
{
    // Only plain file names of our own making: no directories, no "..".
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]+\\.(png|jpg|svg)$"));
    QFile file(QDir(m_env.pictureDir).filePath(name));
    if (!safe.match(name).hasMatch() || !file.open(QIODevice::ReadOnly)) {
        makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
        return;
    }
    const QByteArray mime = name.endsWith(QLatin1String(".svg")) ? "image/svg+xml"
                            : name.endsWith(QLatin1String(".jpg")) ? "image/jpeg"
                                                                   : "image/png";
    makeResponder(request, socket).write(file.readAll(), mime);
}

#pragma once

#include "HttpMessage.h"
#include "RouteEnv.h"
#include "RouteTable.h"

#include <QHostAddress>
#include <QObject>
#include <memory>
#include <vector>

class BoundedTcpServer;
class MarketDatabase;
class SessionKeys;

/// The HTTP service: every path is a POST of the service envelope answered with the result
/// convention; GET serves uploaded and seeded pictures under "pictures/" and article pages.
/// Each call runs in one unit of work: a failed statement, a refusal or a value that does not
/// parse undoes everything the call wrote, and push notices go out only after it is committed.
class HttpService : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        qint64 maxBody = 16 * 1024 * 1024; ///< room for an 8 MB picture in a multipart body
        int idleMs = 15000;
        int maxConnections = 256;
    };

    HttpService(MarketDatabase &db, const QString &dataDir, const SessionKeys &keys, const Limits &limits,
                QObject *parent = nullptr);
    ~HttpService() override;

    /// Starts listening; returns the port (0 on failure). Port 0 picks a free one.
    quint16 listen(const QHostAddress &address, quint16 port);
    /// Lets replies tell whether a user is online on the session server.
    void setOnlineCheck(std::function<bool(qint64)> isOnline);
    void setTrustUserIds(bool trust) { m_env.trustUserIds = trust; }
    void setPrintCodes(bool print) { m_env.printCodes = print; }
    const RouteTable &routes() const { return m_routes; }

    /// The answer to one complete request.
    HttpResponse respond(const HttpRequest &request);

    static const char kSessionKeyHeader[];

signals:
    /// A business event for a user; the session server turns it into a push notice.
    void pushNotice(qint64 userId, int code);

private:
    void accept();
    ServiceResult dispatch(const HttpRequest &request);
    ServiceResult call(const Route &route, ServiceCall &call);
    HttpResponse picture(const QString &name) const;

    RouteEnv m_env;
    RouteTable m_routes;
    Limits m_limits;
    BoundedTcpServer *m_server;
    std::vector<std::shared_ptr<void>> m_handlers;
    QList<QPair<qint64, int>> m_pendingPushes;
};

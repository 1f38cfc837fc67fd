#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

#include <QtHttpServer/QAbstractHttpServer>
#include <memory>
#include <vector>

class MarketDatabase;

/// The HTTP service: every path is a POST of the service envelope answered with the result
/// convention; GET serves uploaded and seeded pictures under "pictures/".
class HttpService : public QAbstractHttpServer
{
    Q_OBJECT
public:
    HttpService(MarketDatabase &db, const QString &dataDir, QObject *parent = nullptr);
    ~HttpService() override;

    /// Lets replies tell whether a user is online on the session server.
    void setOnlineCheck(std::function<bool(qint64)> isOnline);

signals:
    /// A business event for a user; the session server turns it into a push notice.
    void pushNotice(qint64 userId, int code);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    ServiceResult dispatch(const QHttpServerRequest &request, const QString &path);
    void servePicture(const QHttpServerRequest &request, QTcpSocket *socket, const QString &name);

    RouteEnv m_env;
    RouteTable m_routes;
    std::vector<std::shared_ptr<void>> m_handlers;
};

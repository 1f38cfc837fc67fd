// The HTTP service over the wire: the three body shapes, tokens, bad input and pictures.
#include "ServerProcess.h"

#include <QtTest>
#include <memory>

namespace {

const QByteArray kToken = "A3C9E1F07B2D4C6E8F1A0B3D5C7E";
const QByteArray kReportToken = "C4D2B7A19E3F5061D8B2A7E49";

QByteArray authJson(const QByteArray &token)
{
    return "{\"imei\":\"\",\"imsi\":\"\",\"phoneNumber\":\"\",\"os\":\"iOS\",\"os_version\":\"7.1\","
           "\"app_version\":\"v1.0\",\"tokenKey\":\"" + token + "\"}";
}

QByteArray raw(const QByteArray &info, const QByteArray &token = kToken)
{
    return "auth=" + authJson(token) + "&info=" + info;
}

using Reply = ServerProcess::Reply;

} // namespace

class tst_HttpService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerProcess> m_server;

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(m_server->errorText()));
    }
    void cleanupTestCase() { m_server.reset(); }

    void resultConvention_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<int>("status");
        const QByteArray search = "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\",\"pageIndex\":\"1\",\"pageSize\":\"10\"}";
        QTest::newRow("search") << "Market/Search" << raw(search) << 0 << 200;
        QTest::newRow("path in other case") << "market/SEARCH" << raw(search) << 0 << 200;
        QTest::newRow("unknown path") << "Market/NoSuchThing" << raw("{}") << 404 << 404;
        QTest::newRow("wrong token") << "Market/Search" << raw(search, "0000") << 101 << 403;
        QTest::newRow("report token on service path") << "Market/Search" << raw(search, kReportToken) << 101 << 403;
        QTest::newRow("service token on crash report") << "error/senderror" << raw("{\"reason\":\"x\"}") << 101 << 403;
        QTest::newRow("no auth") << "Market/Search" << QByteArray("info={}") << 100 << 400;
        QTest::newRow("auth not JSON") << "Market/Search" << QByteArray("auth={oops&info={}") << 100 << 400;
        QTest::newRow("info not JSON") << "Market/Search" << raw("{\"a\":") << 100 << 400;
        QTest::newRow("info is an array") << "Market/Search" << raw("[1,2]") << 100 << 400;
        QTest::newRow("empty body") << "Market/Search" << QByteArray() << 100 << 400;
        QTest::newRow("binary body") << "Market/Search" << QByteArray::fromHex("00ff10fe") << 100 << 400;
        QTest::newRow("detail of missing resource") << "Market/Details" << raw("{\"resourceId\":\"999999\"}") << 3 << 200;
        QTest::newRow("order without login") << "Market/ToOrder" << raw("{\"loginInfoID\":\"0\",\"resourceId\":\"1\"}") << 2 << 200;
    }
    void resultConvention()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        QFETCH(int, errorCode);
        QFETCH(int, status);
        const Reply r = m_server->send(path, body);
        QCOMPARE(r.status, status);
        QCOMPARE(r.json.value(QStringLiteral("errorCode")).toInt(), errorCode);
        QVERIFY(r.json.contains(QStringLiteral("message")));
        QVERIFY(r.json.contains(QStringLiteral("data")));
        if (errorCode != 0)
            QVERIFY(!r.json.value(QStringLiteral("message")).toString().isEmpty());
        QVERIFY(m_server->isRunning());
    }

    void injectionInAFilterLeavesTheStoreIntact()
    {
        const QByteArray search = "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"%1\",\"pageIndex\":\"1\",\"pageSize\":\"1\"}";
        const Reply r = m_server->send(QStringLiteral("Market/Search"), raw(QByteArray(search).replace("%1", "' OR 1=1; DROP TABLE resources; --")));
        QCOMPARE(r.json.value(QStringLiteral("errorCode")).toInt(), 0);
        const Reply all = m_server->send(QStringLiteral("Market/Search"), raw(QByteArray(search).replace("%1", "0")));
        QVERIFY(all.json.value(QStringLiteral("total")).toInt() > 300);
    }

    void infoMayHoldAmpersandAndEquals()
    {
        // The raw body is split at the first "&info=": a value with "&", "=" and even "&info="
        // must reach the service intact.
        const QByteArray content = "找 Q235B&price=3450 &info= 100吨";
        const Reply r = m_server->send(QStringLiteral("Index/FindResource"),
                                       raw("{\"loginInfoID\":\"0\",\"content\":\"" + content + "\"}"));
        QCOMPARE(r.json.value(QStringLiteral("errorCode")).toInt(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(m_server->log().contains(QString::fromUtf8(content)), 5000);
    }

    void formEnvelope_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<bool>("infoFirst");
        QTest::newRow("query conditions, auth only") << "steel/GetQueryCondition" << kToken << QByteArray() << false;
        QTest::newRow("pending friends") << "IM/GetPreFriendList" << kToken << QByteArray("{\"loginInfoID\":\"1\"}") << false;
        QTest::newRow("crash report, info first") << "error/senderror" << kReportToken
                                                  << QByteArray("{\"reason\":\"a+b = c & d\"}") << true;
        QTest::newRow("advice") << "app/addAdvice" << kReportToken << QByteArray("{\"content\":\"希望增加 + 功能\"}") << false;
        QTest::newRow("advice under its own base") << "advice/app/addAdvice" << kReportToken
                                                   << QByteArray("{\"content\":\"好用\"}") << false;
    }
    void formEnvelope()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, token);
        QFETCH(QByteArray, info);
        QFETCH(bool, infoFirst);
        const QByteArray authField = "auth=" + authJson(token).toPercentEncoding();
        QByteArray body = authField;
        if (!info.isEmpty())
            body = infoFirst ? "info=" + info.toPercentEncoding() + "&" + authField
                             : authField + "&info=" + info.toPercentEncoding();
        const Reply r = m_server->send(path, body, "application/x-www-form-urlencoded; charset=utf-8");
        QCOMPARE(r.json.value(QStringLiteral("errorCode")).toInt(), 0);
    }

    void replyKeysOfLists()
    {
        const Reply tree = m_server->send(QStringLiteral("steel/getquerycondition"), raw("{}"));
        const QVariantList categories = tree.json.value(QStringLiteral("data")).toList();
        QVERIFY(categories.size() > 3);
        QCOMPARE(categories.first().toMap().value(QStringLiteral("sortName")).toString(), QStringLiteral("热门种类"));
        const QVariantMap kind = categories.at(1).toMap().value(QStringLiteral("nsort")).toList().first().toMap();
        QVERIFY(kind.contains(QStringLiteral("nsortID")));
        QVERIFY(!kind.value(QStringLiteral("MaterialsRule")).toList().isEmpty());

        const Reply home = m_server->send(QStringLiteral("index/GetIndexData"), raw("{\"pageSize\":\"4\"}"));
        const QVariantMap data = home.json.value(QStringLiteral("data")).toMap();
        QCOMPARE(data.value(QStringLiteral("OrderList")).toList().size(), 4);
        const QVariantMap advert = data.value(QStringLiteral("ImagesList")).toList().first().toMap();
        // The advert picture is served by the service itself and is a real PNG.
        const QUrl picture(advert.value(QStringLiteral("iamgeUrl")).toString());
        const Reply png = m_server->send(picture.path(), QByteArray(), {}, "GET");
        QCOMPARE(png.status, 200);
        QVERIFY(png.body.startsWith("\x89PNG"));
        QCOMPARE(m_server->send(QStringLiteral("pictures/..%2Fmarket.sqlite3"), QByteArray(), {}, "GET").status, 404);
    }

    void multipartUpload_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("errorCode");
        const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x');
        QTest::newRow("certificate") << png << "2" << 0;
        QTest::newRow("voucher without order") << png << "1" << 0;
        QTest::newRow("not a picture") << QByteArray("hello") << "2" << 4;
        QTest::newRow("unknown type") << png << "9" << 4;
        QTest::newRow("empty file") << QByteArray() << "2" << 4;
        QTest::newRow("cut off after the auth part") << png << "2" << 100;
    }
    void multipartUpload()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, type);
        QFETCH(int, errorCode);
        const QByteArray info = "{\"loginInfoID\":\"3\",\"type\":\"" + type.toUtf8() + "\",\"company\":\"杭州\",\"orderId\":\"\"}";
        QByteArray body = "--AaB03x\r\nContent-Disposition: form-data; name=\"auth\"\r\n\r\n" + authJson(kToken) + "\r\n"
                          "--AaB03x\r\nContent-Disposition: form-data; name=\"info\"\r\n\r\n" + info + "\r\n"
                          "--AaB03x\r\nContent-Disposition: form-data; name=\"file\"; filename=\"unity.png\"\r\n"
                          "Content-Type: image/png\r\n\r\n" + file + "\r\n--AaB03x--";
        if (errorCode == 100)
            body.truncate(body.indexOf("\r\n--AaB03x\r\nContent-Disposition: form-data; name=\"info\""));
        const Reply r = m_server->send(QStringLiteral("Index/UploadImg"), body, "multipart/form-data; boundary=AaB03x");
        QCOMPARE(r.json.value(QStringLiteral("errorCode")).toInt(), errorCode);
        if (errorCode == 0) {
            const QUrl url(r.json.value(QStringLiteral("data")).toMap().value(QStringLiteral("url")).toString());
            const Reply back = m_server->send(url.path(), QByteArray(), {}, "GET");
            QCOMPARE(back.body, file);
        }
    }
};

QTEST_GUILESS_MAIN(tst_HttpService)
#include "tst_http_service.moc"

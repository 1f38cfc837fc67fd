// The velmora-server program itself: its command line and a restart on the same data directory.
#include "ServerProcess.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

QVariantMap post(QNetworkAccessManager &nam, const QUrl &base, const QString &path, const QByteArray &info)
{
    QNetworkRequest req(base.resolved(QUrl(path)));
    req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    QNetworkReply *reply = nam.post(req, "auth={\"tokenKey\":\"A3C9E1F07B2D4C6E8F1A0B3D5C7E\"}&info=" + info);
    QSignalSpy done(reply, &QNetworkReply::finished);
    if (!reply->isFinished() && !done.wait(10000))
        return {};
    const QVariantMap json = QJsonDocument::fromJson(reply->readAll()).object().toVariantMap();
    reply->deleteLater();
    return json;
}

} // namespace

class tst_ServerProcess : public QObject
{
    Q_OBJECT

private slots:
    void badCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("port not a number") << QStringList{QStringLiteral("--http-port"), QStringLiteral("abc")};
        QTest::newRow("port out of range") << QStringList{QStringLiteral("--session-port=70000")};
        QTest::newRow("missing value") << QStringList{QStringLiteral("--data-dir")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")};
        QTest::newRow("negative demo users") << QStringList{QStringLiteral("--demo-users"), QStringLiteral("-1")};
    }
    void badCommandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess p;
        p.start(QStringLiteral(VELMORA_SERVER_BIN), arguments);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("usage:"));
    }

    void restartKeepsTheMarket()
    {
        ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
        QVERIFY2(server.start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(server.errorText()));
        QNetworkAccessManager nam;
        const QByteArray all = "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\",\"pageIndex\":\"1\",\"pageSize\":\"1\"}";
        const int total = post(nam, server.baseUrl(), QStringLiteral("Market/Search"), all).value(QStringLiteral("total")).toInt();
        QVERIFY(total > 300);
        const QVariantMap feedback = post(nam, server.baseUrl(), QStringLiteral("Index/FindResource"),
                                          "{\"loginInfoID\":\"1\",\"content\":\"13800000001\"}");
        QCOMPARE(feedback.value(QStringLiteral("errorCode")).toInt(), 0);
        const QVariantMap saved = post(nam, server.baseUrl(), QStringLiteral("ZhaoBiao/AddZhaoBiao"),
            "{\"loginInfoID\":\"3\",\"sortID\":\"1\",\"nsortID\":\"1\",\"provinceID\":\"31\",\"cityID\":\"3101\",\"maxnum\":\"5\","
            "\"spec\":\"Φ12\",\"materials\":\"HRB400\",\"price\":\"3600\",\"weight\":\"50\",\"id\":\"0\",\"paytype\":\"1\"}");
        QCOMPARE(saved.value(QStringLiteral("errorCode")).toInt(), 0);
        const QString tender = saved.value(QStringLiteral("data")).toMap().value(QStringLiteral("id")).toString();

        // Same data directory, --demo again: nothing is seeded twice and nothing is lost.
        server.stop();
        QVERIFY2(server.start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(server.errorText()));
        QCOMPARE(post(nam, server.baseUrl(), QStringLiteral("Market/Search"), all).value(QStringLiteral("total")).toInt(), total);
        const QVariantMap detail = post(nam, server.baseUrl(), QStringLiteral("ZhaoBiao/ZhaoBiaoDetail"),
                                        "{\"id\":\"" + tender.toUtf8() + "\"}");
        QCOMPARE(detail.value(QStringLiteral("data")).toMap().value(QStringLiteral("spec")).toString(), QStringLiteral("Φ12"));
    }
};

QTEST_GUILESS_MAIN(tst_ServerProcess)
#include "tst_server_process.moc"

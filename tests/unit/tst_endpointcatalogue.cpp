// What every catalogue operation puts on the wire: the path and the exact info JSON, as a
// loopback HTTP server receives them; the login guard; the multipart picture upload.
#include "RecordingDelegate.h"
#include "ScreenHarness.h"

#include "core/api/Request.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"

#include <QScopeGuard>
#include <QTest>
#include <functional>

using Call = std::function<void(Request *, RequestDelegate *)>;
Q_DECLARE_METATYPE(Call)

namespace {

const QString kUser = QStringLiteral("7001");

// The part of a form body after "&info=": the auth block before it holds no "&".
QByteArray infoOf(const QByteArray &body)
{
    const qsizetype at = body.indexOf("&info=");
    return at < 0 ? QByteArray() : body.mid(at + 6);
}

} // namespace

class TestEndpointCatalogue : public QObject
{
    Q_OBJECT
private:
    static void row(const char *name, const Call &call, const char *path, const char *info,
                    const QString &user = kUser, const QString &steelMillMode = QString())
    {
        QTest::newRow(name) << call << QString::fromLatin1(path) << QByteArray(info) << user << steelMillMode;
    }

    // One context for all rows: every user-defaults write is synced to disk, which would make
    // a fresh context (and a fresh user record) per row slow.
    std::unique_ptr<RawHttpRecorder> m_server;
    std::unique_ptr<TestContext> m_ctx;

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<RawHttpRecorder>();
        m_ctx = std::make_unique<TestContext>();
        (*m_ctx)->mutableConfig().serviceBaseUrl = m_server->baseUrl();
        UserInfo::info()->setUserId(kUser);
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("沙钢"), QStringLiteral("gangchangname"));
    }

    void cleanupTestCase()
    {
        m_ctx.reset();
        m_server.reset();
    }

    void operation_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("steelMillMode");
        using R = Request *;
        using D = RequestDelegate *;
        const QString nobody = QStringLiteral("");

        // market lists and filters
        row("getFormatList number id as text", [](R r, D d) { r->getFormatList(1, "2", "33", 500, d); },
            "market/getspec", R"({"sortID":"1","nsortID":"2","provinceID":"33","pageSize":"500"})");
        row("getSuperMarkList mode unset", [](R r, D d) { r->getSuperMarkList("1", "2", "33", "Φ12", 1, 10, d); },
            "Market/Search",
            R"({"sortID":"1","nsortID":"2","provinceID":"33","spec":"Φ12","pageIndex":"1","pageSize":"10"})");
        row("getSuperMarkList steel mill no'", [](R r, D d) { r->getSuperMarkList("1", "2", "33", "", 1, 10, d); },
            "Market/Search",
            R"({"sortID":"1","nsortID":"2","provinceID":"33","spec":"","pageIndex":"1","pageSize":"10"})", kUser,
            QStringLiteral("no'"));
        row("getSuperMarkDetail none is (null)", [](R r, D d) { r->getSuperMarkDetail(QVariant(), d); },
            "Market/Details", R"J({"resourceId":"(null)"})J");
        row("getSuperMarkDetail number as text", [](R r, D d) { r->getSuperMarkDetail(4711, d); },
            "Market/Details", R"({"resourceId":"4711"})");
        row("buyItemFromSuperMark", [](R r, D d) { r->buyItemFromSuperMark("7001", "r9", 3450.6, 12.5, d); },
            "Market/ToOrder",
            R"({"loginInfoID":"7001","resourceId":"r9","bprice":"3451","bweight":"12.50","tradeType":"自主提货"})");
        // An exact half rounds to even, as printf does.
        row("buyItemFromBidding", [](R r, D d) { r->buyItemFromBidding("7001", "88", "33", "3301", "沙钢", 3450.5, d); },
            "ZhaoBiao/OnlineYingBiao",
            R"({"loginInfoID":"7001","ResourceID":"88","ProvinceID":"33","CityID":"3301","Yieldly":"沙钢","Price":"3450"})");

        // buyer and seller orders: objects pass unchanged, numbers stay numbers
        row("orderDetailOfWaitPay number stays number", [](R r, D d) { r->orderDetailOfWaitPay(5566, d); },
            "Market/ResourceOrderDetail", R"({"id":5566})");
        row("orderDetailOfWaitPay none is empty text", [](R r, D d) { r->orderDetailOfWaitPay(QVariant(), d); },
            "Market/ResourceOrderDetail", R"({"id":""})");
        row("tradeOrderListWithDelegate lower case", [](R r, D d) { r->tradeOrderListWithDelegate(d, "1", 3); },
            "Market/TradeOrderList", R"({"role":"1","pageindex":"3","pagesize":"10","loginInfoID":"7001"})");
        row("tradeOrderListWithDelegate nobody", [](R r, D d) { r->tradeOrderListWithDelegate(d, "1", 1); },
            "Market/TradeOrderList", R"({"role":"1","pageindex":"1","pagesize":"10","loginInfoID":""})", nobody);

        // tenders
        row("zhaobiaoBackWithDelegate sends resourceid", [](R r, D d) { r->zhaobiaoBackWithDelegate(d, "z1"); },
            "ZhaoBiao/BackZhaoBiao", R"({"resourceid":"z1"})");
    }

    void operation()
    {
        QFETCH(Call, call);
        QFETCH(QString, path);
        QFETCH(QByteArray, info);
        QFETCH(QString, user);
        QFETCH(QString, steelMillMode);

        UserDefaults *defaults = UserDefaults::standardUserDefaults();
        if (user != kUser)
            UserInfo::info()->setUserId(user);
        if (!steelMillMode.isNull())
            defaults->setObject(steelMillMode, QStringLiteral("shifougangchang"));
        const auto restore = qScopeGuard([&] {
            if (user != kUser)
                UserInfo::info()->setUserId(kUser);
            if (!steelMillMode.isNull())
                defaults->removeObjectForKey(QStringLiteral("shifougangchang"));
        });

        RawHttpRecorder &server = *m_server;
        const qsizetype before = server.count();
        RecordingDelegate delegate;
        call(Request::request(7), &delegate);

        QVERIFY(server.waitForRequests(before + 1));
        QCOMPARE(server.count(), before + 1);
        QCOMPARE(QString::fromUtf8(server.last().path), QLatin1Char('/') + path);
        QCOMPARE(infoOf(server.last().body), info);
        QVERIFY(delegate.waitForHide());
        QCOMPARE(delegate.eventsWithoutProgress(), QStringList({"willStart", "show", "finish", "hide"}));
        QCOMPARE(delegate.lastRequestId(), 7);
    }

    void uploadUntiyImage()
    {
        RawHttpRecorder &server = *m_server;
        const qsizetype before = server.count();
        // A 1x1 PNG; bytes 0, CR and LF inside it must pass untouched.
        const QByteArray png = QByteArray::fromHex(
            "89504e470d0a1a0a0000000d4948445200000001000000010806000000"
            "1f15c4890000000d49444154789c6360000000000500010d0a2db40000000049454e44ae426082");
        RecordingDelegate delegate;
        Request::request(3)->uploadUntiyImage("7001", png, 1, "钢铁公司", "DD2026", &delegate);

        QVERIFY(server.waitForRequests(before + 1));
        const RecordedHttpRequest &got = server.last();
        const QByteArray expected =
            "--AaB03x\r\n"
            "Content-Disposition: form-data; name=\"auth\"\r\n\r\n"
            R"({"imei":"","imsi":"","phoneNumber":"","os":"iOS","os_version":"7.1","app_version":"v1.0",)"
            R"("tokenKey":"A3C9E1F07B2D4C6E8F1A0B3D5C7E"})"
            "\r\n--AaB03x\r\n"
            "Content-Disposition: form-data; name=\"info\"\r\n\r\n"
            R"({"loginInfoID":"7001","type":"1","company":"钢铁公司","orderId":"DD2026"})"
            "\r\n--AaB03x\r\n"
            "Content-Disposition: form-data; name=\"file\"; filename=\"unity.png\"\r\n"
            "Content-Type: image/png\r\n\r\n"
            + png + "\r\n--AaB03x--";
        QCOMPARE(got.method, QByteArray("POST"));
        QCOMPARE(got.path, QByteArray("/Index/UploadImg"));
        QCOMPARE(got.body, expected);
        QCOMPARE(got.header("Content-Type"), QByteArray("multipart/form-data; boundary=AaB03x"));
        QCOMPARE(got.header("Content-Length"), QByteArray::number(expected.size()));

        // The callers show their own busy indicator; the reply still ends with hideActivity.
        QVERIFY(delegate.waitForHide());
        QCOMPARE(delegate.eventsWithoutProgress(), QStringList({"willStart", "finish", "hide"}));
    }
};

QTEST_GUILESS_MAIN(TestEndpointCatalogue)
#include "tst_endpointcatalogue.moc"

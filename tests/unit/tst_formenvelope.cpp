#include "core/api/FormEnvelope.h"
#include "core/api/ServiceToken.h"
#include "core/util/Value.h"

#include "ScreenHarness.h"

#include <QTest>

namespace {
QByteArray encodedAuth(const char *token)
{
    return QByteArray("%7B%22imei%22%3A%22%22%2C%22imsi%22%3A%22%22%2C%22phoneNumber%22%3A%22%22%2C"
                      "%22os%22%3A%22iphone%22%2C%22os_version%22%3A%22v4.00%22%2C%22app_version%22%3A%22v1.2%22%2C"
                      "%22tokenKey%22%3A%22")
           + token + "%22%7D";
}
} // namespace

class TestFormEnvelope : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        m_h->context().mutableConfig().adviceBaseUrl = m_h->service().url(QStringLiteral("advice/"));
    }
    void cleanup() { m_h.reset(); }

    void wire_data()
    {
        QTest::addColumn<bool>("advice");   // the advice service, and with the report token
        QTest::addColumn<QString>("path");
        QTest::addColumn<JsonMembers>("info");   // none: no info block at all
        QTest::addColumn<QByteArray>("expectedPath");
        QTest::addColumn<QByteArray>("expectedBody");
        QTest::newRow("auth only") << false << "steel/GetQueryCondition" << JsonMembers{}
                                   << QByteArray("/steel/GetQueryCondition")
                                   << "auth=" + encodedAuth("A3C9E1F07B2D4C6E8F1A0B3D5C7E");
        QTest::newRow("info percent-encoded")
            << false << "market/GetYieldly" << JsonMembers{{"content", QStringLiteral("a&b=c+d 热轧")}}
            << QByteArray("/market/GetYieldly")
            << "info=%7B%22content%22%3A%22a%26b%3Dc%2Bd%20%E7%83%AD%E8%BD%A7%22%7D&auth="
                   + encodedAuth("A3C9E1F07B2D4C6E8F1A0B3D5C7E");
        QTest::newRow("advice with report token")
            << true << "app/addAdvice" << JsonMembers{{"content", QStringLiteral("ok")}}
            << QByteArray("/advice/app/addAdvice")
            << "info=%7B%22content%22%3A%22ok%22%7D&auth=" + encodedAuth("C4D2B7A19E3F5061D8B2A7E49");
    }
    void wire()
    {
        QFETCH(bool, advice);
        QFETCH(QString, path);
        QFETCH(JsonMembers, info);
        const QUrl url = advice ? FormEnvelope::adviceUrl(path) : FormEnvelope::serviceUrl(path);
        FormEnvelope::post(url, info.isEmpty() ? std::nullopt : std::optional<JsonMembers>(info),
                           advice ? ServiceToken::kReport : ServiceToken::kService, nullptr, {});
        QVERIFY(m_h->service().waitForRequests(1));
        const RecordedHttpRequest &got = m_h->service().last();
        QCOMPARE(got.method, QByteArray("POST"));
        QTEST(got.path, "expectedPath");
        QCOMPARE(got.header("Content-Type"), QByteArray("application/x-www-form-urlencoded; charset=utf-8"));
        QTEST(got.body, "expectedBody");
    }

    void outcome_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("message");
        QTest::newRow("JSON with CR LF") << 0 << false << "好\r\n";
        QTest::newRow("not JSON") << 1 << false << "(null)";
        QTest::newRow("closed without reply") << 2 << true << "(null)";
    }
    void outcome()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        if (kind == 0)
            m_h->service().setDefaultReply(ScriptedReply::json("{\"errorCode\":1,\r\n\"message\":\"好\\r\\n\"}", 500));
        else if (kind == 1)
            m_h->service().setDefaultReply(ScriptedReply::ok("<html>"));
        else
            m_h->service().setDefaultReply(ScriptedReply::closeWithoutReply());
        QObject receiver;
        std::optional<FormEnvelope::Reply> got;
        int calls = 0;
        FormEnvelope::post(FormEnvelope::serviceUrl("IM/GetFriendList"), JsonMembers{{"loginInfoID", "12"}},
                           ServiceToken::kService, &receiver, [&](const FormEnvelope::Reply &r) {
                               got = r;
                               ++calls;
                           });
        QTRY_VERIFY(got.has_value());
        QTEST(got->failed, "failed");
        QCOMPARE(Value::text(Value::member(got->result, "message")), message);
        QCOMPARE(calls, 1);
    }

    void receiverGoneGetsNoCallback()
    {
        ScriptedReply slow = ScriptedReply::json("{}");
        slow.delayMs = 50;
        m_h->service().setDefaultReply(slow);
        auto receiver = std::make_unique<QObject>();
        bool called = false;
        QPointer<FormEnvelope> envelope = FormEnvelope::post(FormEnvelope::serviceUrl("x"), std::nullopt,
                                                             ServiceToken::kService, receiver.get(),
                                                             [&](const FormEnvelope::Reply &) { called = true; });
        receiver.reset();
        QTRY_VERIFY(envelope.isNull());
        QVERIFY(!called);
    }

private:
    std::unique_ptr<ScreenHarness> m_h;   // a context with a scripted service
};

QTEST_GUILESS_MAIN(TestFormEnvelope)
#include "tst_formenvelope.moc"

// The market's business flows end to end: the client's own Request against velmora-server,
// with bare session peers watching for the push notices each step owes the other side.
#include "RecordingDelegate.h"
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "TestContext.h"
#include "core/api/Request.h"
#include "core/session/UserInfo.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {
const QString kBuyer = QStringLiteral("13800000001");   // user 1
const QString kSeller = QStringLiteral("13800000002");  // user 2
const QString kThird = QStringLiteral("13800000003");   // user 3
const QString kPass = QStringLiteral("demo123");
} // namespace

class tst_MarketFlows : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestContext> m_ctx;

    QHash<QString, QVariantMap> m_logins;                 // user id → the reply of its latest login
    std::vector<std::unique_ptr<SessionPeer>> m_sessions; // logins made only for their keys

    /// Runs one catalogue operation as the given user (logged in, so its calls carry the user's
    /// session key) and returns the decoded reply.
    QVariantMap call(const QString &userId, const std::function<void(Request *, RequestDelegate *)> &op)
    {
        if (!userId.isEmpty() && !m_logins.contains(userId))
            m_sessions.push_back(online(QStringLiteral("1380000000") + userId));
        if (!userId.isEmpty())
            UserInfo::info()->setBaseInfo(m_logins.value(userId));
        UserInfo::info()->setUserId(userId);
        RecordingDelegate delegate;
        op(Request::request(), &delegate);
        if (!delegate.waitForHide(1, 10000))
            return {{QStringLiteral("timeout"), true}};
        return delegate.result().toMap();
    }
    static int code(const QVariantMap &reply) { return reply.value(QStringLiteral("errorCode"), -1).toInt(); }
    static QVariantList rows(const QVariantMap &reply) { return reply.value(QStringLiteral("data")).toList(); }
    /// The reply's row whose key holds value, empty when none does.
    static QVariantMap rowWhere(const QVariantMap &reply, const QString &key, const QString &value)
    {
        for (const QVariant &row : rows(reply))
            if (row.toMap().value(key).toString() == value)
                return row.toMap();
        return {};
    }

    std::unique_ptr<SessionPeer> online(const QString &mobile)
    {
        auto p = SessionPeer::open(m_server->sessionPort(), mobile, kPass);
        if (p)
            m_logins.insert(p->lastFrame().object().value(QStringLiteral("LoginInfoID")).toString(), p->lastFrame().object());
        return p;
    }
    static QByteArray push(int code) { return QByteArray("{\"PushCode\":\"") + QByteArray::number(code) + "\"}"; }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_ctx = std::make_unique<TestContext>();
        (*m_ctx)->mutableConfig().serviceBaseUrl = m_server->baseUrl();
    }
    void cleanup()
    {
        m_logins.clear();
        m_sessions.clear();
        m_ctx.reset();
        m_server.reset();
    }

    void orderFromOfferToTradeOutcome()
    {
        auto seller = online(kSeller);
        auto buyer = online(kBuyer);
        QVERIFY(seller && buyer);
        // One of the seller's listed lots, as the supermarket shows it to anyone.
        const QVariantMap mine = call(QStringLiteral("2"), [](Request *r, RequestDelegate *d) { r->sourceListWithDelegate(d, 1, 2); });
        QCOMPARE(code(mine), 0);
        QVERIFY(!rows(mine).isEmpty());
        const QString resourceId = rows(mine).first().toMap().value(QStringLiteral("resourceId")).toString();
        const QVariantMap detail = call(QString(), [&](Request *r, RequestDelegate *d) { r->getSuperMarkDetail(resourceId, d); });
        QCOMPARE(code(detail), 0);
        QCOMPARE(detail.value(QStringLiteral("data")).toMap().value(QStringLiteral("LoginInfoID")).toString(), QStringLiteral("2"));
        QCOMPARE(detail.value(QStringLiteral("data")).toMap().value(QStringLiteral("currentState")).toInt(), 1);

        const QVariantMap ordered = call(QStringLiteral("1"), [&](Request *r, RequestDelegate *d) {
            r->buyItemFromSuperMark(QStringLiteral("1"), resourceId, 3450.6, 12.5, d);
        });
        QCOMPARE(code(ordered), 0);
        SessionPeer::Frame notice;
        QVERIFY(seller->waitFor(50, &notice));
        QCOMPARE(notice.body, push(1));

        // The seller finds it among the orders waiting for confirmation and confirms it.
        const QVariantMap waiting = call(QStringLiteral("2"), [](Request *r, RequestDelegate *d) { r->orderListWithRole(QStringLiteral("sell"), 1, 1, d); });
        const QVariantMap order = rowWhere(waiting, QStringLiteral("resourceId"), resourceId);
        QVERIFY(!order.isEmpty());
        QCOMPARE(order.value(QStringLiteral("weight")).toString(), QStringLiteral("12.5"));
        const QString orderId = order.value(QStringLiteral("id")).toString();
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->confirmOrderWithDelegate(d, orderId, resourceId); })), 0);
        QVERIFY(buyer->waitFor(50, &notice));
        QCOMPARE(notice.body, push(3));
        // A payment voucher through the client's own multipart upload marks the order.
        const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(256, '\x7f');
        const QString orderNo = order.value(QStringLiteral("orderId")).toString();
        QCOMPARE(code(call(QStringLiteral("1"), [&](Request *r, RequestDelegate *d) {
                     r->uploadUntiyImage(QStringLiteral("1"), png, 1, QStringLiteral("上海钢联"), orderNo, d); })), 0);
        const QVariantMap confirmed = call(QStringLiteral("1"), [](Request *r, RequestDelegate *d) { r->orderListWithRole(QStringLiteral("buy"), 2, 1, d); });
        QCOMPARE(rowWhere(confirmed, QStringLiteral("id"), orderId).value(QStringLiteral("pzStatus")).toString(), QStringLiteral("已上传"));
        // The seller's detail of the order shows the picture the buyer sent.
        const QUrl pz(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->orderDetailWithId(orderId, d); }).value("data").toMap().value("pzUrl").toString());
        QCOMPARE(m_server->send(pz.path().mid(1), {}, {}, "GET").body, png);
        // Confirming twice is refused and changes nothing.
        QVERIFY(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->confirmOrderWithDelegate(d, orderId, resourceId); })) != 0);

        // In trade: each side reports; the status walks 4 → 6 → 9.
        auto tradeStatus = [&](const QString &user, const QString &role) {
            const QVariantMap list = call(user, [&](Request *r, RequestDelegate *d) { r->tradeOrderListWithDelegate(d, role, 1); });
            return rowWhere(list, QStringLiteral("id"), orderId).value(QStringLiteral("status")).toString();
        };
        QCOMPARE(tradeStatus(QStringLiteral("1"), QStringLiteral("buy")), QStringLiteral("4"));
        QCOMPARE(code(call(QStringLiteral("1"), [&](Request *r, RequestDelegate *d) {
                     r->toTradeOrderWithDelegate(d, orderId, QStringLiteral("1"), QStringLiteral("buy")); })), 0);
        QVERIFY(seller->waitFor(50, &notice));
        QCOMPARE(notice.body, push(4));
        QCOMPARE(tradeStatus(QStringLiteral("2"), QStringLiteral("sell")), QStringLiteral("6"));
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) {
                     r->toTradeOrderWithDelegate(d, orderId, QStringLiteral("0"), QStringLiteral("sell")); })), 0);
        QCOMPARE(tradeStatus(QStringLiteral("1"), QStringLiteral("buy")), QStringLiteral("9"));

        // A second order the seller gives up leaves both waiting lists for the buyer's given-up one.
        QCOMPARE(code(call(QStringLiteral("1"), [&](Request *r, RequestDelegate *d) {
                     r->buyItemFromSuperMark(QStringLiteral("1"), resourceId, 3450.6, 1, d); })), 0);
        const QString second = rowWhere(call(QStringLiteral("2"), [](Request *r, RequestDelegate *d) {
            r->orderListWithRole(QStringLiteral("sell"), 1, 1, d); }), QStringLiteral("weight"), QStringLiteral("1")).value(QStringLiteral("id")).toString();
        QVERIFY(!second.isEmpty());
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->giveOrderWithDelegate(d, second, resourceId); })), 0);
        const auto listed = [&](const QString &user, const QString &role, int status) {
            return !rowWhere(call(user, [&](Request *r, RequestDelegate *d) { r->orderListWithRole(role, status, 1, d); }),
                             QStringLiteral("id"), second).isEmpty();
        };
        QVERIFY(listed(QStringLiteral("1"), QStringLiteral("buy"), 3));
        QVERIFY(!listed(QStringLiteral("1"), QStringLiteral("buy"), 1) && !listed(QStringLiteral("2"), QStringLiteral("sell"), 1));
    }

    void resourceLifecycle()
    {
        auto buyer = online(kThird);
        QVERIFY(buyer);
        const QVariantMap saved = call(QStringLiteral("2"), [](Request *r, RequestDelegate *d) {
            r->editResourceWithDelegate(d, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("31"), QStringLiteral("3101"),
                                        QStringLiteral("Φ18"), QStringLiteral("HRB400E"), QStringLiteral("沙钢"),
                                        QStringLiteral("3520"), QStringLiteral("88.5"), QStringLiteral("理计"),
                                        QStringLiteral("宝山库"), QStringLiteral("0"), QStringLiteral("0"));
        });
        QCOMPARE(code(saved), 0);
        const QString id = saved.value(QStringLiteral("data")).toMap().value(QStringLiteral("resourceId")).toString();
        auto statusOf = [&]() {
            return call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->resourceDetailWithId(id, d); })
                .value(QStringLiteral("data")).toMap().value(QStringLiteral("status")).toString();
        };
        QCOMPARE(statusOf(), QStringLiteral("1"));
        // Directed to one buyer by mobile number: the buyer is told and sees the offer.
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->releaseDirectResourceWithDelegate(d, id, kThird); })), 0);
        SessionPeer::Frame notice;
        QVERIFY(buyer->waitFor(50, &notice));
        QCOMPARE(notice.body, push(2));
        const QVariantMap offers = call(QStringLiteral("3"), [](Request *r, RequestDelegate *d) { r->directResourceListWithDelegate(d, 1); });
        QCOMPARE(rows(offers).first().toMap().value(QStringLiteral("resourceId")).toString(), id);
        // Withdrawn, then published to the supermarket; withdrawing twice is refused.
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->backResourceWithResourceids(id, d); })), 0);
        QCOMPARE(statusOf(), QStringLiteral("1"));
        QVERIFY(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->backResourceWithResourceids(id, d); })) != 0);
        // Published, it heads the supermarket.
        QCOMPARE(code(call(QStringLiteral("2"), [&](Request *r, RequestDelegate *d) { r->releaseResourceWithDelegate(d, id); })), 0);
        QCOMPARE(statusOf(), QStringLiteral("2"));
        const QVariantMap market = call(QStringLiteral("1"), [](Request *r, RequestDelegate *d) { r->getSuperMarkList(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 1, 10, d); });
        QCOMPARE(rows(market).value(0).toMap().value(QStringLiteral("resourceId")).toString(), id);
    }

    void registrationWithLoggedCode()
    {
        const QString mobile = QStringLiteral("13712345678");
        QCOMPARE(code(call(QString(), [&](Request *r, RequestDelegate *d) { r->getUserCode1(mobile, d); })), 0);
        QString sms;
        QTRY_VERIFY_WITH_TIMEOUT(!(sms = m_server->lastCode(mobile)).isEmpty(), 5000);
        QVERIFY(code(call(QString(), [&](Request *r, RequestDelegate *d) { r->userRegister(mobile, QStringLiteral("000000"), d); })) != 0);
        QCOMPARE(code(call(QString(), [&](Request *r, RequestDelegate *d) { r->userRegister(mobile, sms, d); })), 0);
        // Registered twice: refused; the code also sets the password.
        QVERIFY(code(call(QString(), [&](Request *r, RequestDelegate *d) { r->getUserCode1(mobile, d); })) != 0);
        QCOMPARE(code(call(QString(), [&](Request *r, RequestDelegate *d) {
                     r->updatePassword(mobile, QStringLiteral("s3cret&=x"), sms, d); })), 0);
        QVERIFY(SessionPeer::open(m_server->sessionPort(), mobile, QStringLiteral("s3cret&=x")));
    }

    // One buyer's tender through the market: saved, published, found and bid on by another
    // user, seen with its bid by its owner, withdrawn.
    void tenderAndBid()
    {
        const QVariantMap saved = call(QStringLiteral("1"), [](Request *r, RequestDelegate *d) {
            r->zhaobiaoAddAndEditorWithDelegate(d, QStringLiteral("32"), QStringLiteral("3201"), QStringLiteral("1"),
                                                QStringLiteral("1"), QStringLiteral("Φ20"), QStringLiteral("1"),
                                                QStringLiteral("HRB400"), QStringLiteral("3600"), QStringLiteral("300"),
                                                QStringLiteral("0"), QStringLiteral("0"));
        });
        QCOMPARE(code(saved), 0);
        const QString id = saved.value(QStringLiteral("data")).toMap().value(QStringLiteral("id")).toString();
        auto bid = [&](const QString &user) {
            return code(call(user, [&](Request *r, RequestDelegate *d) {
                r->buyItemFromBidding(user, id, QStringLiteral("32"), QStringLiteral("3201"), QStringLiteral("沙钢"), 3580.4, d); }));
        };
        auto publish = [&](const QString &user) {
            return code(call(user, [&](Request *r, RequestDelegate *d) { r->zhaobiaoFabuWithDelegate(d, id); }));
        };
        auto withdraw = [&](const QString &user) {
            return code(call(user, [&](Request *r, RequestDelegate *d) { r->zhaobiaoBackWithDelegate(d, id); }));
        };
        auto market = [&] {
            return rowWhere(call(QStringLiteral("3"), [](Request *r, RequestDelegate *d) {
                r->getBiddingList(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 1, 10, d); }),
                QStringLiteral("id"), id);
        };
        auto mine = [&](int status) {
            return rowWhere(call(QStringLiteral("1"), [&](Request *r, RequestDelegate *d) { r->zhaobiaoListWithDelegate(d, status, 1); }),
                            QStringLiteral("id"), id);
        };
        QVERIFY(bid(QStringLiteral("3")) != 0);      // not published yet
        QVERIFY(market().isEmpty());
        QCOMPARE(publish(QStringLiteral("1")), 0);
        QCOMPARE(market().value(QStringLiteral("nsortName")).toString().isEmpty(), false);
        QVERIFY(bid(QStringLiteral("1")) != 0);      // own tender
        QCOMPARE(bid(QStringLiteral("3")), 0);
        QVERIFY(bid(QStringLiteral("3")) != 0);      // once per seller
        QVERIFY(bid(QStringLiteral("2")) != 0);      // maxnum 1 reached
        QCOMPARE(mine(2).value(QStringLiteral("bidCount")).toString(), QStringLiteral("1"));
        const QVariantMap bids = call(QStringLiteral("3"), [](Request *r, RequestDelegate *d) { r->yingbiaoListWithDelegate(d, 1); });
        const QVariantMap first = rows(bids).first().toMap();
        QCOMPARE(first.value(QStringLiteral("ybPrice")).toString(), QStringLiteral("3580"));
        const QVariantMap card = call(QStringLiteral("3"), [&](Request *r, RequestDelegate *d) {
            r->buyerInfoWithDelegate(d, first.value(QStringLiteral("id"))); });
        QCOMPARE(card.value(QStringLiteral("data")).toMap().value(QStringLiteral("mobile")).toString(), kBuyer);
        QCOMPARE(withdraw(QStringLiteral("1")), 0);
        QVERIFY(market().isEmpty());
        QVERIFY(mine(2).isEmpty());
        QCOMPARE(mine(1).value(QStringLiteral("status")).toString(), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_MarketFlows)
#include "tst_market_flows.moc"

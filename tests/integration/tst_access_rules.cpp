// Who may call what: every route that reads or changes a user's object, called with its owner's
// session key, another user's key and no key, against a fresh copy of the demo market each. The
// owner's call works; the other two are refused, read nothing and change no row of any table.
// Every route of the service must be a row here or be named public, so a new route cannot slip by.
#include "DemoSeeder.h"
#include "MarketDatabase.h"
#include "SessionKeys.h"
#include "http/HttpService.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

enum Owner { Changes, Reads, Refused }; // what the owner's own call does

// Routes any caller may use, none of which shows or changes anything private.
const QStringList kPublic{
    "User/SendCaptcha", "User/SendCaptchaCode", "User/Register", "User/ChangePwdByPhone", "index/GetIndexData",
    "Index/GetNewsOrdersList", "steel/GetQueryCondition", "market/getspec", "market/GetYieldly", "Market/Search",
    "auction/GetAuctionList", "auction/getDetails", "Market/CompanyInfo", "ZhaoBiao/Search", "zixun/getnews",
    "gangchang/getnews", "yanjiu/getnews", "hangqing/getnews", "hangqing/getmore", "fxs/GetTopArticle",
    "error/senderror", "app/addAdvice", "advice/app/addAdvice"};

const char kUnpublished[] = "SELECT id AS a, owner_id AS b, category_id AS c, kind_id AS d FROM resources WHERE status = 1 AND owner_id <> 3 LIMIT 1";
const char kOrderOf[] = "SELECT id AS a, %1 AS b FROM orders WHERE %2 AND 3 NOT IN (buyer_id, seller_id) LIMIT 1";
const char kBidOf[] = "SELECT b.id AS a, %1 AS b FROM bids b JOIN tenders t ON t.id = b.tender_id WHERE 3 NOT IN (b.bidder_id, t.owner_id) LIMIT 1";
const char kDraftTender[] = "SELECT id AS a, owner_id AS b, category_id AS c, kind_id AS d FROM tenders WHERE status = 1 AND owner_id <> 3 LIMIT 1";
const char kPaid[] = "SELECT id AS a, 1 AS b FROM articles WHERE channel = 'fxs' AND charge > 0 AND id NOT IN (SELECT article_id FROM article_purchases) ORDER BY created DESC, id DESC LIMIT 1";
// Two ids of one kind of object, the first the owner's and the second someone else's.
const char kMixed[] = "SELECT a.id || ',' || b.id AS a, a.owner_id AS b FROM %1 a JOIN %1 b ON b.owner_id <> a.owner_id WHERE a.status = 1 AND a.owner_id <> 3 LIMIT 1";

QByteArray digest(const MarketDatabase &db)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const auto &table : db.query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        for (const auto &row : db.query(QStringLiteral("SELECT * FROM \"%1\"").arg(table.first().toString())))
            for (const QVariant &value : row)
                hash.addData(value.toString().toUtf8() + '\x1f');
    return hash.result();
}

struct Row { const char *name, *path; QString pick; const char *info; Owner owner; }; // pick: id (%1), owner (%2), more (%3…)

QList<Row> table()
{
    QList<Row> rows;
    auto row = [&rows](const char *name, const char *path, const QString &pick, const char *info, Owner owner) { rows.append(Row{name, path, pick, info, owner}); };
    const char *me = "SELECT 0 AS a, 1 AS b";
    row("profile", "User/ChangeUserImfor", "SELECT 0 AS a, 3 AS b", R"({"loginInfoID":"%2","username":"新名"})", Changes);
    row("password", "User/ChangePassWord", me, R"({"loginInfoID":"%2","newPwd":"n3w"})", Changes);
    row("invitation", "Index/inviteFriends", me, R"({"loginInfoID":"%2","inviteList":"13912345678"})", Changes);
    row("find goods under a user (hole)", "Index/FindResource", me, R"({"loginInfoID":"%2","content":"13800000001"})", Changes);
    row("order", "Market/ToOrder", "SELECT id AS a, 1 AS b FROM resources WHERE status = 2 AND owner_id NOT IN (1, 3) LIMIT 1", R"({"loginInfoID":"%2","resourceId":"%1","bprice":"3451","bweight":"1","tradeType":"自主提货"})", Changes);
    row("auction bookmark", "auction/collect", "SELECT code AS a, 1 AS b FROM auctions WHERE code NOT IN (SELECT code FROM auction_bookmarks) LIMIT 1", R"({"loginInfoID":"%2","auctionCode":"%1"})", Changes);
    row("orders waiting", "Market/ToBeConfirmedOrder", me, R"({"loginInfoID":"%2","Status":"1"})", Reads);
    row("orders in trade", "Market/TradeOrderList", me, R"({"loginInfoID":"%2"})", Reads);
    row("offers to me", "Market/DirectResourceList", me, R"({"loginInfoID":"%2"})", Reads);
    row("offers by me", "Market/SendDirectResourceList", "SELECT 0 AS a, owner_id AS b FROM resources WHERE status = 3 AND owner_id <> 3", R"({"loginInfoID":"%2"})", Reads);
    row("my resources", "Market/MyResourceList", me, R"({"loginInfoID":"%2","status":"1"})", Reads);
    row("resource edit", "Market/EditResource", kUnpublished, R"({"loginInfoID":"%2","resourceid":"%1","sortID":"%3","nsortID":"%4",)" R"("provinceID":"31","cityID":"3101","spec":"Φ9","materials":"Q235","yieldly":"沙钢","price":"3500","weight":"9","counttype":"磅计","cangku":"一号库"})", Changes);
    row("resource listed", "Market/ReleaseResource", kUnpublished, R"({"loginInfoID":"%2","resourceids":"%1"})", Changes);
    row("resources listed, one another's", "Market/ReleaseResource", QString::fromLatin1(kMixed).arg("resources"), R"({"loginInfoID":"%2","resourceids":"%1"})", Refused);
    row("resource withdrawn", "Market/BackResource", "SELECT id AS a, owner_id AS b FROM resources WHERE status = 2 AND owner_id <> 3 LIMIT 1", R"({"loginInfoID":"%2","resourceids":"%1"})", Changes);
    row("resource directed", "Market/ReleaseDirectResource", kUnpublished, R"({"loginInfoID":"%2","resourceids":"%1","mobile":"13800000003"})", Changes);
    const char *directed = "SELECT id AS a, %1 AS b FROM resources WHERE status = 3 AND 3 NOT IN (owner_id, directed_to) LIMIT 1";
    row("directed offer ordered", "Market/DirectToOrder", QString::fromLatin1(directed).arg("directed_to"), R"({"loginInfoID":"%2","resourceids":"%1"})", Changes);
    row("unpublished resource (hole)", "Market/Details", kUnpublished, R"({"resourceId":"%1"})", Reads);
    row("directed offer, its seller (hole)", "Market/Details", QString::fromLatin1(directed).arg("owner_id"), R"({"resourceId":"%1"})", Reads);
    row("directed offer, its buyer", "Market/Details", QString::fromLatin1(directed).arg("directed_to"), R"({"resourceId":"%1"})", Reads);
    row("order, buyer", "Market/ResourceOrderDetail", QString::fromLatin1(kOrderOf).arg("buyer_id", "1"), R"({"id":"%1"})", Reads);
    row("order, seller", "Market/ResourceOrderDetail", QString::fromLatin1(kOrderOf).arg("seller_id", "1"), R"({"id":"%1"})", Reads);
    row("order history", "Market/OrderHistoryDetail", QString::fromLatin1(kOrderOf).arg("buyer_id", "1"), R"({"loginInfoID":"%2","id":"%1"})", Reads);
    row("order confirmed", "Market/ConfirmOrder", QString::fromLatin1(kOrderOf).arg("seller_id", "state = 1"), R"({"loginInfoID":"%2","id":"%1"})", Changes);
    row("order given up", "Market/GiveOrder", QString::fromLatin1(kOrderOf).arg("seller_id", "state = 1"), R"({"loginInfoID":"%2","id":"%1"})", Changes);
    // Another seller naming himself, with his own valid key.
    const char *othersOrder = "SELECT id AS a, seller_id AS b, 3 AS c FROM orders WHERE state = 1 AND 3 NOT IN (buyer_id, seller_id) LIMIT 1";
    row("order given up by another seller", "Market/GiveOrder", othersOrder, R"({"loginInfoID":"%3","id":"%1"})", Refused);
    row("order confirmed by another seller", "Market/ConfirmOrder", othersOrder, R"({"loginInfoID":"%3","id":"%1"})", Refused);
    row("order given up by its buyer", "Market/GiveOrder", QString::fromLatin1(kOrderOf).arg("buyer_id", "state = 1"), R"({"loginInfoID":"%2","id":"%1"})", Refused);
    const QString inTrade = QString::fromLatin1(kOrderOf).arg("%1", "state = 2 AND buyer_outcome IS NULL");
    row("trade outcome", "Market/ToTradeOrder", inTrade.arg("buyer_id"), R"({"id":"%1","issuccess":"1","role":"buy"})", Changes);
    row("trade outcome for the other side", "Market/ToTradeOrder", inTrade.arg("seller_id"), R"({"id":"%1","issuccess":"1","role":"buy"})", Refused);
    row("unpublished tender (hole)", "ZhaoBiao/ZhaoBiaoDetail", kDraftTender, R"({"id":"%1"})", Reads);
    row("bid", "ZhaoBiao/OnlineYingBiao", "SELECT id AS a, 2 AS b FROM tenders t WHERE status = 2 AND owner_id NOT IN (2, 3) AND maxnum >" " (SELECT COUNT(*) FROM bids WHERE tender_id = t.id) AND id NOT IN (SELECT tender_id FROM bids WHERE bidder_id = 2) LIMIT 1", R"({"loginInfoID":"%2","ResourceID":"%1","ProvinceID":"31","CityID":"3101","Yieldly":"沙钢","Price":"3500"})", Changes);
    row("my tenders", "ZhaoBiao/GetMyZhaoBiaoList", me, R"({"loginInfoID":"%2","status":"1"})", Reads);
    row("tender edit", "ZhaoBiao/AddZhaoBiao", kDraftTender, R"({"loginInfoID":"%2","id":"%1","sortID":"%3","nsortID":"%4",)" R"("provinceID":"31","cityID":"3101","maxnum":"5","spec":"Φ12","materials":"HRB400","price":"3500","weight":"100","paytype":"0"})", Changes);
    row("tender published (hole)", "ZhaoBiao/FbZhaoBiao", kDraftTender, R"({"resourceids":"%1"})", Changes);
    row("tenders published, one another's (hole)", "ZhaoBiao/FbZhaoBiao", QString::fromLatin1(kMixed).arg("tenders"), R"({"resourceids":"%1"})", Refused);
    row("tender withdrawn (hole)", "ZhaoBiao/BackZhaoBiao", "SELECT id AS a, owner_id AS b FROM tenders WHERE status = 2 AND owner_id <> 3 LIMIT 1", R"({"resourceid":"%1"})", Changes);
    row("my bids", "ZhaoBiao/YingBiaoList", "SELECT 0 AS a, 2 AS b", R"({"loginInfoID":"%2"})", Reads);
    row("bid, its bidder (hole)", "ZhaoBiao/YingBiaoDetail", QString::fromLatin1(kBidOf).arg("b.bidder_id"), R"({"id":"%1"})", Reads);
    row("bid, the tender's owner", "ZhaoBiao/YingBiaoDetail", QString::fromLatin1(kBidOf).arg("t.owner_id"), R"({"id":"%1"})", Reads);
    row("bid's tender owner card", "ZhaoBiao/CompanyInfo", QString::fromLatin1(kBidOf).arg("b.bidder_id"), R"({"id":"%1"})", Reads);
    row("article bought?", "Fxs/IsPay", kPaid, R"({"loginInfoID":"%2","articleId":"%1"})", Reads);
    row("article bought", "Fxs/PayArticle", kPaid, R"({"loginInfoID":"%2","articleId":"%1"})", Changes);
    row("friends", "IM/GetFriendList", me, R"({"loginInfoID":"%2"})", Reads);
    row("friend requests", "IM/GetPreFriendList", me, R"({"loginInfoID":"%2"})", Reads);
    row("certificate", "Index/UploadImg", me, R"({"loginInfoID":"%2","type":"2","company":"上海"})", Changes);
    row("paid article page (hole)", "articles", kPaid, "", Reads);
    return rows;
}

} // namespace

class tst_AccessRules : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_copies = 0;

    static HttpResponse send(HttpService &http, const QString &path, const QByteArray &info, const QByteArray &key)
    {
        HttpRequest r{"POST", path, {}, {{"host", "127.0.0.1:8080"}}, {}, {}};
        r.body = "auth={\"os\":\"iOS\",\"tokenKey\":\"A3C9E1F07B2D4C6E8F1A0B3D5C7E\"}&info=" + info;
        if (path == QLatin1String("Index/UploadImg")) { // a picture upload is a multipart form
            r.headers.insert("content-type", "multipart/form-data; boundary=XB");
            r.body = "--XB\r\nContent-Disposition: form-data; name=\"auth\"\r\n\r\n{\"tokenKey\":\"A3C9E1F07B2D4C6E8F1A0B3D5C7E\"}\r\n"
                     "--XB\r\nContent-Disposition: form-data; name=\"info\"\r\n\r\n" + info + "\r\n"
                     "--XB\r\nContent-Disposition: form-data; name=\"file\"; filename=\"a.png\"\r\n\r\n\x89PNG\r\n\x1a\nxx\r\n--XB--\r\n";
        }
        if (!key.isEmpty())
            r.headers.insert(HttpService::kSessionKeyHeader, key);
        return http.respond(r);
    }
    static QVariantMap json(const HttpResponse &r) { return QJsonDocument::fromJson(r.body).object().toVariantMap(); }

    /// The article page as the reader with this key finds it from the analysts' list.
    static QByteArray page(HttpService &http, const QString &article, const QByteArray &key)
    {
        for (const QVariant &row : json(send(http, "fxs/GetTopArticle", "{\"pageSize\":\"100\"}", key)).value("data").toList()) {
            const QUrl url(row.toMap().value("url").toString());
            if (row.toMap().value("ArticleId").toString() == article)
                return http.respond(HttpRequest{"GET", url.path().mid(1), url.query().toLatin1(), {}, {}, {}}).body;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        MarketDatabase seed;
        QVERIFY(seed.open(m_dir.filePath("market.sqlite3")));
        QVERIFY(DemoSeeder(seed, m_dir.filePath("pictures")).seedIfEmpty());
    }

    void everyRouteHasARule()
    {
        MarketDatabase db;
        SessionKeys keys;
        HttpService http(db, m_dir.path(), keys, {});
        QStringList covered = kPublic;
        for (const Row &r : table())
            covered << QString::fromLatin1(r.path);
        covered.removeAll(QStringLiteral("articles"));
        for (const QString &path : http.routes().paths())
            QVERIFY2(covered.contains(path, Qt::CaseInsensitive), qPrintable(path + " has no row in the access table"));
        for (const QString &path : std::as_const(covered))
            QVERIFY2(http.routes().find(path), qPrintable(path));
        for (const QString &path : kPublic)
            QVERIFY2(http.routes().find(path)->access.kind() == RouteAccess::Kind::Anyone, qPrintable(path));
    }

    void everyUsersObjectOnlyForItsOwner_data()
    {
        QTest::addColumn<QString>("path"); QTest::addColumn<QString>("pick"); QTest::addColumn<QString>("info"); QTest::addColumn<int>("owner");
        for (const Row &r : table())
            QTest::newRow(r.name) << QString::fromLatin1(r.path) << r.pick << QString::fromUtf8(r.info) << int(r.owner);
    }
    void everyUsersObjectOnlyForItsOwner()
    {
        QFETCH(QString, path); QFETCH(QString, pick); QFETCH(QString, info); QFETCH(int, owner);
        const QString file = m_dir.filePath(QStringLiteral("copy%1.sqlite3").arg(++m_copies));
        QVERIFY(QFile::copy(m_dir.filePath("market.sqlite3"), file));
        MarketDatabase db;
        SessionKeys keys;
        QVERIFY(db.open(file));
        HttpService http(db, m_dir.path(), keys, {});
        const QVariantMap object = db.queryOne(pick);
        QVERIFY2(!object.isEmpty(), qPrintable(pick));
        QString filled = info;
        const QVariantList values = object.values(); // columns a, b, c, d in this order
        for (int i = 0; i < values.size(); ++i)
            filled.replace(QStringLiteral("%%1").arg(i + 1), values.at(i).toString());
        const qint64 ownerId = values.value(1).toLongLong();
        const QByteArray keyOf[] = {keys.issue(ownerId), keys.issue(ownerId == 3 ? 2 : 3), QByteArray()};
        if (path == QLatin1String("articles")) { // a page the owner bought, opened from the list
            const QString article = values.value(0).toString();
            QCOMPARE(db.run("INSERT INTO article_purchases(user_id, article_id) VALUES(?, ?)", {ownerId, article}), 1);
            const QString body = db.scalar("SELECT body FROM articles WHERE id = ?", {article}).toString().section('\n', -1);
            QVERIFY(page(http, article, keyOf[0]).contains(body.toUtf8()));
            for (const QByteArray &key : {keyOf[1], keyOf[2]}) {
                const QByteArray text = page(http, article, key);
                QVERIFY(text.contains("购买后可阅读全文") && !text.contains(body.toUtf8()));
            }
            return;
        }
        const QByteArray before = digest(db);
        for (int caller = 2; caller >= 0; --caller) { // no key, another's key, then the owner's
            const QVariantMap reply = json(send(http, path, filled.toUtf8(), keyOf[caller]));
            const bool allowed = caller == 0 && owner != Refused;
            QVERIFY2((reply.value("errorCode").toInt() == 0) == allowed, qPrintable(reply.value("message").toString()));
            if (!allowed) {
                QVERIFY2(reply.value("data").toMap().isEmpty() && reply.value("data").toList().isEmpty(), qPrintable(path));
                QVERIFY2(digest(db) == before, "a refused call changed the store");
            }
        }
        QCOMPARE(digest(db) != before, owner == Changes);
    }
};

QTEST_GUILESS_MAIN(tst_AccessRules)
#include "tst_access_rules.moc"

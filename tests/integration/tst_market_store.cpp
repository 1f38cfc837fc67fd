// The service's store and route table in-process: units of work, the schema version, stored
// passwords, a route for every operation the client calls, escaped log lines, and the lists
// (a spec text, a place, a kind, a type) giving exactly their rows in order, page by page.
#include "DemoSeeder.h"
#include "MarketDatabase.h"
#include "PasswordHash.h"
#include "ServerLog.h"
#include "SessionKeys.h"
#include "core/api/EndpointCatalogue.h"
#include "http/HttpService.h"

#include <QTemporaryDir>
#include <memory>
#include <QtTest>

class tst_MarketStore : public QObject
{
    Q_OBJECT

    // One seeded market for the route and list cases (they only read).
    QTemporaryDir m_dir;
    MarketDatabase m_market;
    SessionKeys m_keys;
    std::unique_ptr<HttpService> m_service;

private slots:
    void initTestCase()
    {
        QVERIFY(m_market.open(QStringLiteral(":memory:")));
        DemoSeeder(m_market, m_dir.filePath(QStringLiteral("pictures"))).seedIfEmpty();
        const QString copy = QStringLiteral("INSERT INTO resources(owner_id, category_id, kind_id, spec, status, published_at)"
                                            " SELECT owner_id, category_id, kind_id, ?, 2, created FROM resources WHERE id = ?");
        QCOMPARE(m_market.run(copy, {QStringLiteral("螺纹钢Φ12"), 5}), 1);
        QCOMPARE(m_market.run(copy, {QStringLiteral("a%_b"), 9}), 1);
        QCOMPARE(m_market.run(QStringLiteral("UPDATE resources SET spec = '改制Φ8' WHERE id IN (3, 30)")), 2);
        m_service = std::make_unique<HttpService>(m_market, m_dir.path(), m_keys, HttpService::Limits());
    }

    void unitKeepsAllOrNothing_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QVariantList>("params");
        QTest::addColumn<bool>("nested");
        QTest::addColumn<int>("kept");
        const QString insert = QStringLiteral("INSERT INTO deals(phone, price, weight, kind_name) VALUES(?,?,?,?)");
        const QVariantList good{QStringLiteral("1"), 1.0, 1.0, QStringLiteral("k")};
        QTest::newRow("both fine") << insert << good << false << 2;
        QTest::newRow("step fails") << insert << QVariantList{QVariant(), 1.0, 1.0, QStringLiteral("k")} << false << 0;
        QTest::newRow("bind fails") << insert << (QVariantList(good) << 5) << false << 0;
        QTest::newRow("prepare fails") << QStringLiteral("INSERT INTO nowhere VALUES(1)") << QVariantList() << false << 0;
        QTest::newRow("inner unit fails") << insert << QVariantList{QVariant(), 1.0, 1.0, QStringLiteral("k")} << true << 0;
        QTest::newRow("inner unit fine") << insert << good << true << 2;
    }
    void unitKeepsAllOrNothing()
    {
        QFETCH(QString, second);
        QFETCH(QVariantList, params);
        QFETCH(bool, nested);
        QFETCH(int, kept);
        MarketDatabase db;
        QVERIFY(db.open(QStringLiteral(":memory:")));
        {
            MarketDatabase::Transaction unit(db);
            QCOMPARE(db.run(QStringLiteral("INSERT INTO deals(phone, price, weight, kind_name) VALUES('1', 1, 1, 'k')")), 1);
            if (nested) {
                MarketDatabase::Transaction inner(db);
                db.run(second, params);
                inner.commit();
            } else {
                db.run(second, params);
            }
            QCOMPARE(unit.commit(), kept > 0);
        }
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM deals")).toInt(), kept);
        QCOMPARE(db.depth(), 0);
    }

    void schemaVersionAndStoredPasswords()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("m.sqlite3"));
        {
            // A file from before versioning: plain-text passwords, user_version 0.
            MarketDatabase db;
            QVERIFY(db.open(file));
            QVERIFY(db.execScript(QStringLiteral("PRAGMA user_version = 0; INSERT INTO users(mobile, password) VALUES('13800000009', 'demo123');"
                                                 " INSERT INTO resources(owner_id, category_id, kind_id, spec) VALUES(1, 1, 1, 'Φ8');"
                                                 " DELETE FROM spec_texts")));
        }
        {
            MarketDatabase db;
            QVERIFY(db.open(file));
            const QString stored = db.scalar(QStringLiteral("SELECT password FROM users")).toString();
            QVERIFY2(stored.startsWith(QLatin1String("pbkdf2-sha256$")), qPrintable(stored));
            QVERIFY(PasswordHash::verify(QStringLiteral("demo123"), stored));
            QVERIFY(!PasswordHash::verify(QStringLiteral("demo124"), stored));
            // A stored key that differs from the typed password's only in its first byte.
            QStringList parts = stored.split(QLatin1Char('$'));
            QByteArray key = QByteArray::fromBase64(parts[3].toLatin1());
            key[0] = char(key[0] ^ 1);
            parts[3] = QString::fromLatin1(key.toBase64());
            QVERIFY(!PasswordHash::verify(QStringLiteral("demo123"), parts.join(QLatin1Char('$'))));
            QCOMPARE(db.scalar(QStringLiteral("PRAGMA user_version")).toInt(), MarketDatabase::kSchemaVersion);
            QCOMPARE(db.scalar(QStringLiteral("SELECT spec FROM spec_texts")).toString(), QStringLiteral("Φ8"));
            QVERIFY(db.execScript(QStringLiteral("PRAGMA user_version = 99")));
        }
        MarketDatabase newer;
        QVERIFY(!newer.open(file));
    }

    void everyClientOperationHasARoute()
    {
        // The crash report is the one call posted outside the catalogue.
        QStringList paths{QStringLiteral("error/senderror")};
        for (const auto op : EndpointCatalogue::operations())
            paths << QString::fromLatin1(EndpointCatalogue::endpoint(op).path);
        QVERIFY(paths.size() > 50);
        for (const QString &path : paths)
            QVERIFY2(m_service->routes().find(path), qPrintable(path));
    }

    void listsPageThroughExactlyTheirRows_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QVariantMap>("info");
        QTest::addColumn<QString>("rows");  // the rows the list must give, in its order, as the reply's "key"
        QTest::addColumn<QString>("key");
        auto search = [](const char *name, const QString &spec, int category) {
            QTest::newRow(name) << QStringLiteral("Market/Search")
                                << QVariantMap{{QStringLiteral("spec"), spec}, {QStringLiteral("sortID"), category}}
                                << QStringLiteral("SELECT id FROM resources WHERE status = 2 AND instr(spec, '%1') > 0 AND %2 IN (0, category_id)"
                                                  " ORDER BY published_at DESC, id DESC").arg(spec).arg(category)
                                << QStringLiteral("resourceId");
        };
        search("spec: one digit", QStringLiteral("1"), 0);
        search("spec: part of a size", QStringLiteral("12"), 0);
        search("spec: case differs", QStringLiteral("φ12"), 0);
        search("spec: Chinese part", QStringLiteral("螺纹"), 0);
        search("spec: changed later", QStringLiteral("改制"), 0);
        search("spec: wildcard characters", QStringLiteral("%_"), 0);
        search("spec: nothing has it", QStringLiteral("zz"), 0);
        search("spec and category", QStringLiteral("1"), 1);
        search("rare spec and category", QStringLiteral("螺纹"), 1);
        QTest::newRow("supermarket in a city") << QStringLiteral("Market/Search") << QVariantMap{{QStringLiteral("provinceID"), 3201}}
            << QStringLiteral("SELECT id FROM resources WHERE status = 2 AND city_id = 3201 ORDER BY published_at DESC, id DESC")
            << QStringLiteral("resourceId");
        QTest::newRow("auctions in a city's province") << QStringLiteral("auction/GetAuctionList")
            << QVariantMap{{QStringLiteral("provinceID"), 3201}}
            << QStringLiteral("SELECT code FROM auctions WHERE province_id = 32 ORDER BY begin_time DESC, code") << QStringLiteral("auctionCode");
        QTest::newRow("tenders of a kind") << QStringLiteral("ZhaoBiao/Search") << QVariantMap{{QStringLiteral("nsortID"), 2}}
            << QStringLiteral("SELECT id FROM tenders WHERE status = 2 AND kind_id = 2 ORDER BY published_at DESC, id DESC") << QStringLiteral("id");
        QTest::newRow("news of a type") << QStringLiteral("zixun/getnews") << QVariantMap{{QStringLiteral("newsType"), 12}}
            << QStringLiteral("SELECT 'articles/' || id FROM articles WHERE channel = 'zixun' AND news_type = 12 ORDER BY created DESC, id DESC")
            << QStringLiteral("url");
    }
    void listsPageThroughExactlyTheirRows()
    {
        QFETCH(QString, path);
        QFETCH(QVariantMap, info);
        QFETCH(QString, rows);
        QFETCH(QString, key);
        QStringList want;
        for (const auto &row : m_market.query(rows))
            want << row.first().toString();
        QVERIFY(!want.isEmpty() || path == QLatin1String("Market/Search"));
        const Route *list = m_service->routes().find(path);
        for (int size : {1, 7, 100}) {
            QStringList got;
            for (int index = 1;; ++index) {
                ServiceCall call;
                call.path = path;
                call.info = info;
                call.info.insert({{QStringLiteral("pageIndex"), index}, {QStringLiteral("pageSize"), size}});
                const ServiceResult page = list->handler(call);
                if (page.extra.contains(QStringLiteral("total")))
                    QCOMPARE(page.extra.value(QStringLiteral("total")).toInt(), want.size());
                for (const QVariant &row : page.data.toList())
                    got << row.toMap().value(key).toString();
                if (page.data.toList().size() < size)
                    break;
            }
            QCOMPARE(got, want);
        }
    }

    void logLinesEscapeControlCharacters()
    {
        QCOMPARE(ServerLog::escaped(QStringLiteral("1\nverification code\r\t\\ \x01\x7f\u2028张")),
                 QStringLiteral("1\\nverification code\\r\\t\\\\ \\x01\\x7f\\x2028张"));
    }
};

QTEST_GUILESS_MAIN(tst_MarketStore)
#include "tst_market_store.moc"

#include "SqlRows.h"
#include "TestContext.h"
#include "core/session/SQLITE.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSqlite : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_ctx = std::make_unique<TestContext>(); }
    void cleanup() { m_ctx.reset(); }

    void createsTableFromFirstRow()
    {
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject(QVariantMap{{"a", 1}, {"classNum", 2}}, u"T"_s));
        QCOMPARE(store->colKeyFromtable(u"T"_s), QStringList({"id", "a", "classNum"}));
        QCOMPARE(sqlRows(store->database(), "select type from pragma_table_info('T') where name!='id'"),
                 QStringList({"TEXT", "INT"}));
        const QVariantList rows = store->selectSQLFromtable(u"T"_s, {}, {}, 0, 0, 0);
        QCOMPARE(rows, QVariantList({QVariantMap{{"id", "1"}, {"a", "1"}, {"classNum", "2"}}}));

        // A later row with a key the table lacks stores nothing and leaves the table as it was.
        QVERIFY(!store->addSQLObject(QVariantMap{{"a", 3}, {"b", 4}, {"classNum", 5}}, u"T"_s));
        QCOMPARE(store->counttable(u"T"_s), 1);
        QCOMPARE(store->colKeyFromtable(u"T"_s), QStringList({"id", "a", "classNum"}));
        QCOMPARE(store->selectSQLFromtable(u"T"_s, {}, {}, 0, 0, 0), rows);

        // A row lacking a column leaves it out when read back.
        QVERIFY(store->insertIntotable(u"T"_s, QVariantMap{{"a", "x"}}));
        QCOMPARE(store->selectSQLFromtable(u"T"_s, u"a"_s, u"x"_s, 0, 0, 0),
                 QVariantList({QVariantMap{{"id", "2"}, {"a", "x"}}}));

        // No columns, no table; an existing table is left as it is, whatever the new columns.
        QVERIFY(!store->createTable(u"E"_s, {}));
        QVERIFY(!store->addSQLObject({}, u"E"_s));
        QVERIFY(store->colKeyFromtable(u"E"_s).isEmpty());
        QVERIFY(store->createTable(u"E"_s, {u"x"_s}));
        QVERIFY(store->createTable(u"E"_s, {u"y"_s, u"z"_s}));
        QCOMPARE(store->colKeyFromtable(u"E"_s), QStringList({"id", "x"}));
    }

    // Which rows a select gives, and in which order, for each form of its arguments; the rows
    // are told apart by "type", their ids run in the order they were written.
    void selectForms_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<qint64>("order");   // 1 descending, anything else ascending
        QTest::addColumn<QStringList>("types");
        const QVariant none;
        const QStringList asStored{"30", "10", "20", "40"};
        QTest::newRow("no key: all, as stored") << QString() << none << 0ll << 0ll << 1ll << asStored;
        QTest::newRow("no value: by the key") << "id" << none << 0ll << 0ll << 1ll << QStringList{"40", "20", "10", "30"};
        QTest::newRow("empty value: by the key") << "type" << QVariant("") << -1ll << 0ll << 1ll
                                                 << QStringList{"40", "30", "20", "10"};
        QTest::newRow("value: by id, descending") << "ab" << QVariant("x") << 0ll << 0ll << 1ll << QStringList{"20", "30"};
        QTest::newRow("value: by id, ascending") << "ab" << QVariant("x") << 0ll << 0ll << 2ll << QStringList{"30", "20"};
        QTest::newRow("doubled apostrophe reads as one") << "ab" << QVariant("it''s") << 0ll << 0ll << 1ll << QStringList{"40"};
        QTest::newRow("numeric value, a page") << "type" << QVariant(10) << 2ll << 0ll << 1ll << QStringList{"10"};
        QTest::newRow("no value, a page by the key") << "type" << none << 2ll << 1ll << 0ll << QStringList{"20", "30"};
        QTest::newRow("negative offset reads from the start") << "type" << none << 5ll << -3ll << 0ll
                                                              << QStringList{"10", "20", "30", "40"};
        // With a page, a key under two characters (none included) is no condition and no order.
        QTest::newRow("one-character key, a page") << "k" << QVariant("2") << 1ll << 0ll << 1ll << asStored;
        QTest::newRow("no key, a page") << QString() << none << 5ll << 2ll << 1ll << asStored;
        QTest::newRow("column the table lacks") << "nosuch" << none << 0ll << 0ll << 1ll << QStringList();
    }
    void selectForms()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(qint64, limit);
        QFETCH(qint64, offset);
        QFETCH(qint64, order);
        SQLITE *store = SQLITE::standardSqlite();
        const char *const stored[][2] = {{"30", "x"}, {"10", "y"}, {"20", "x"}, {"40", "it's"}};
        for (const auto &s : stored)
            QVERIFY(store->addSQLObject(QVariantMap{{"type", s[0]}, {"ab", s[1]}, {"k", "1"}}, u"t"_s));
        QStringList got;
        for (const QVariant &r : store->selectSQLFromtable(u"t"_s, key, value, limit, offset, order))
            got << r.toMap().value(u"type"_s).toString();
        QTEST(got, "types");
    }

    void nullTableNameIsNeverRead()
    {
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject(QVariantMap{{"k", "v"}}, u"historyMSG(null)"_s));
        store->setStatementLogging(true);
        QVERIFY(store->selectSQLFromtable(u"historyMSG(null)"_s, {}, {}, 0, 0, 0).isEmpty());
        QVERIFY(store->takeStatementLog().isEmpty());
        QVERIFY(store->selectSQLFromtable(u"missing"_s, {}, {}, 0, 0, 0).isEmpty());
    }

    void updateOrInsert()
    {
        SQLITE *store = SQLITE::standardSqlite();
        const QString t = u"historyMSG7"_s;
        const QString k = u"LoginInfoID"_s;
        QVERIFY(store->setSQLObject(QVariantMap{{k, "9"}, {"unread", "1"}, {"message", "hi"}}, t, k));
        QVERIFY(store->setSQLObject(QVariantMap{{k, "9"}, {"unread", "2"}, {"message", "it''s"}}, t, k));
        QVERIFY(store->setSQLObject(QVariantMap{{k, "8"}, {"unread", "5"}, {"message", "x"}}, t, k));
        QCOMPARE(store->counttable(t), 2);
        QCOMPARE(store->selectSQLFromtable(t, k, u"9"_s, 1, 0, 1),
                 QVariantList({QVariantMap{{"id", "1"}, {k, "9"}, {"unread", "2"}, {"message", "it's"}}}));
        // The row as read, "id" included, writes back unchanged.
        QVariantMap read = store->selectSQLFromtable(t, k, u"8"_s, 1, 0, 1).first().toMap();
        read.insert(u"unread"_s, u"0"_s);
        QVERIFY(store->setSQLObject(read, t, k));
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"2"_s);
        // A key column of one character still updates in place rather than losing the row.
        QVERIFY(store->setSQLObject(QVariantMap{{"a", "1"}, {"b", "x"}}, u"one"_s, u"a"_s));
        QVERIFY(store->setSQLObject(QVariantMap{{"a", "2"}, {"b", "y"}}, u"one"_s, u"a"_s));
        QVERIFY(store->setSQLObject(QVariantMap{{"a", "1"}, {"b", "z"}}, u"one"_s, u"a"_s));
        QCOMPARE(store->counttable(u"one"_s), 2);
        // Unknown columns fail and change nothing.
        QVERIFY(!store->setSQLObject(QVariantMap{{k, "9"}, {"nosuch", "1"}}, t, k));
        QVERIFY(!store->setSQLObject(QVariantMap{{k, "9"}}, t, QString()));
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"2"_s);
    }

    void sums_data()
    {
        QTest::addColumn<QStringList>("unread");
        QTest::addColumn<QString>("sum");
        QTest::newRow("empty table") << QStringList() << "0";
        QTest::newRow("counts") << QStringList({"3", "4"}) << "7";
        QTest::newRow("empty texts count as 0") << QStringList({"", "2", ""}) << "2";
        QTest::newRow("leading digits") << QStringList({"12abc", "abc"}) << "12";
        QTest::newRow("fractions add before truncating") << QStringList({"1.5", "1.6"}) << "3";
        QTest::newRow("negative") << QStringList({"-4", "1"}) << "-3";
    }
    void sums()
    {
        QFETCH(QStringList, unread);
        QFETCH(QString, sum);
        SQLITE *store = SQLITE::standardSqlite();
        const QString t = u"historyMSG7"_s;
        QVERIFY(store->createTable(t, {u"LoginInfoID"_s, u"unread"_s}));
        int peer = 0;
        for (const QString &u : unread)
            QVERIFY(store->addSQLObject(QVariantMap{{"LoginInfoID", ++peer}, {"unread", u}}, t));
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), sum);
        // The kept figure follows later writes exactly as a fresh sum would.
        QVERIFY(store->setSQLObject(QVariantMap{{"LoginInfoID", 1}, {"unread", "10"}}, t, u"LoginInfoID"_s));
        QVERIFY(store->addSQLObject(QVariantMap{{"LoginInfoID", 99}, {"unread", "0.5"}}, t));
        QVERIFY(store->removeSQL(t, u"LoginInfoID"_s, 2));
        const QString kept = store->sumWithKey(u"unread"_s, t, {}, {});
        SQLITE fresh(store->path());
        QCOMPARE(kept, fresh.sumWithKey(u"unread"_s, t, {}, {}));
        QVERIFY(store->deleteSQLTable(t));
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"0"_s);
    }

    void sumEdgeCases()
    {
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject(QVariantMap{{"type", "1"}, {"unread", "3"}}, u"s"_s));
        QVERIFY(store->addSQLObject(QVariantMap{{"type", "2"}, {"unread", "4"}}, u"s"_s));
        QCOMPARE(store->sumWithKey(u"unread"_s, u"s"_s, u"type"_s, 2), u"4"_s);
        QCOMPARE(store->sumWithKey(u"nosuch"_s, u"s"_s, {}, {}), u"0"_s);
        QCOMPARE(store->sumWithKey(u"unread"_s, u"s"_s, u"nosuch"_s, 2), u"0"_s);
        // Names differ in case only: the same table and column to the database and to the kept sum.
        QCOMPARE(store->sumWithKey(u"unread"_s, u"S"_s, {}, {}), u"7"_s);
        QVERIFY(store->addSQLObject(QVariantMap{{"type", "3"}, {"Unread", "5"}}, u"s"_s));
        QCOMPARE(store->sumWithKey(u"unread"_s, u"S"_s, {}, {}), u"12"_s);
    }

    void removeAndDelete()
    {
        SQLITE *store = SQLITE::standardSqlite();
        const QString t = u"chaoshi7"_s;
        for (int i = 1; i <= 3; ++i)
            QVERIFY(store->addSQLObject(QVariantMap{{"resourceId", i}, {"x", "y"}}, t));
        QVERIFY(!store->removeSQL(t, QString(), 1));
        QVERIFY(!store->removeSQL(t, u"resourceId"_s, QVariant()));
        // A column the table lacks is an error, never a condition that matches every row.
        QVERIFY(!store->removeSQL(t, u"nosuch"_s, u"nosuch"_s));
        QCOMPARE(store->counttable(t), 3);
        QVERIFY(store->removeSQL(t, u"resourceId"_s, 2));
        QCOMPARE(store->counttable(t), 2);
        QVERIFY(!store->deleteSQLTable(QString()));
        QVERIFY(store->deleteSQLTable(t));
        QCOMPARE(store->counttable(t), 0);
        QCOMPARE(store->colKeyFromtable(t), QStringList({"id", "resourceId", "x"}));
        QCOMPARE(store->counttable(u"missing"_s), 0);
    }

    void transactionRollsBackEverything()
    {
        SQLITE *store = SQLITE::standardSqlite();
        const QString t = u"historyMSG7"_s;
        QVERIFY(store->addSQLObject(QVariantMap{{"LoginInfoID", "1"}, {"unread", "2"}}, t));
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"2"_s);
        QVERIFY(!store->transaction([&] {
            store->addSQLObject(QVariantMap{{"Content", "hi"}}, u"chat7to1"_s);
            store->setSQLObject(QVariantMap{{"LoginInfoID", "1"}, {"unread", "3"}}, t, u"LoginInfoID"_s);
            return false;
        }));
        QVERIFY(store->colKeyFromtable(u"chat7to1"_s).isEmpty());
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"2"_s);
        QVERIFY(store->transaction([&] {
            return store->addSQLObject(QVariantMap{{"Content", "hi"}}, u"chat7to1"_s)
                && store->setSQLObject(QVariantMap{{"LoginInfoID", "1"}, {"unread", "3"}}, t, u"LoginInfoID"_s);
        }));
        QCOMPARE(store->counttable(u"chat7to1"_s), 1);
        QCOMPARE(store->sumWithKey(u"unread"_s, t, {}, {}), u"3"_s);
    }

    void survivesRestart()
    {
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject(QVariantMap{{"unread", "YES"}, {"type", "34"}}, u"orderstate7"_s));
        m_ctx->restart();
        SQLITE *again = SQLITE::standardSqlite();
        QCOMPARE(again->selectSQLFromtable(u"orderstate7"_s, u"type"_s, u"34"_s, 1, 0, 1),
                 QVariantList({QVariantMap{{"id", "1"}, {"unread", "YES"}, {"type", "34"}}}));
    }

    void unopenableFileFailsQuietly()
    {
        // A folder where the file should be: the store cannot open it.
        QVERIFY(QDir().mkpath((*m_ctx)->documentsDir() + u"/Steelv1.0.sqlite3"_s));
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(!store->database());
        QVERIFY(!store->addSQLObject(QVariantMap{{"a", "1"}}, u"t"_s));
        QVERIFY(!store->setSQLObject(QVariantMap{{"a", "1"}}, u"t"_s, u"a"_s));
        QVERIFY(store->selectSQLFromtable(u"t"_s, {}, {}, 0, 0, 0).isEmpty());
        QCOMPARE(store->counttable(u"t"_s), 0);
        QCOMPARE(store->sumWithKey(u"a"_s, u"t"_s, {}, {}), u"0"_s);
        QVERIFY(!store->removeSQL(u"t"_s, u"a"_s, 1));
        QVERIFY(!store->deleteSQLTable(u"t"_s));
    }

    void callerQueries()
    {
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject(QVariantMap{{"k", "1"}}, u"q"_s));
        QCOMPARE(store->selectDataWithSQL(u"select * from q"_s, u"q"_s).size(), 1);
        // A second statement is refused instead of being dropped or run.
        QVERIFY(store->selectDataWithSQL(u"select * from q; delete from q"_s, u"q"_s).isEmpty());
        QVERIFY(store->selectDataWithSQL(u"select * from nosuch"_s, u"nosuch"_s).isEmpty());
        QCOMPARE(store->counttable(u"q"_s), 1);
        // A writing query makes the store forget what it keeps about tables.
        QCOMPARE(store->sumWithKey(u"k"_s, u"q"_s, {}, {}), u"1"_s);
        store->selectDataWithSQL(u"update q set k='5'"_s, u"q"_s);
        QCOMPARE(store->sumWithKey(u"k"_s, u"q"_s, {}, {}), u"5"_s);
    }

private:
    std::unique_ptr<TestContext> m_ctx;
};

QTEST_GUILESS_MAIN(TestSqlite)
#include "tst_sqlite.moc"

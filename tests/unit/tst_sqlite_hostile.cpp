#include "SqlRows.h"
#include "TestContext.h"
#include "core/session/SQLITE.h"

#include <QTest>

namespace {

QStringList schemaOf(sqlite3 *db)
{
    return sqlRows(db, "select name || ':' || sql from sqlite_master where type='table' order by name");
}

// Texts that try to end a literal or a name early, comment out the rest, smuggle a second
// statement, cut the text short, or simply be large or far from ASCII.
QList<std::pair<const char *, QString>> corpus()
{
    QString big;
    for (int i = 0; big.size() < 10240; ++i)
        big += QStringLiteral("钢材'\";--/*%1*/").arg(i);
    return {
        {"apostrophe", QStringLiteral("'")},
        {"doubled apostrophe", QStringLiteral("it''s")},
        {"quote", QStringLiteral("\"")},
        {"user id", QStringLiteral("1\" ; drop table x; --")},
        {"literal breakout", QStringLiteral("x'); drop table x; --")},
        {"comment", QStringLiteral("--")},
        {"block comment", QStringLiteral("/* a */ b")},
        {"open block comment", QStringLiteral("/*")},
        {"newlines", QStringLiteral("line1\nline2\r\n")},
        {"emoji", QStringLiteral("😀👍🏽")},
        {"chinese", QStringLiteral("热轧卷板 Q235")},
        {"placeholders", QStringLiteral("?1 ?2 :a @b $c")},
        {"formats", QStringLiteral("%@ %s %d %n")},
        {"brackets and backticks", QStringLiteral("[x] `y`")},
        {"backslash", QStringLiteral("\\'\\")},
        {"10 KB", big},
    };
}

} // namespace

class TestSqliteHostile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        SQLITE *store = SQLITE::standardSqlite();
        QVERIFY(store->addSQLObject({{QStringLiteral("keep"), QStringLiteral("me")}}, QStringLiteral("x")));
        QVERIFY(store->setSQLObject({{QStringLiteral("LoginInfoID"), QStringLiteral("1")}, {QStringLiteral("unread"), QStringLiteral("4")}},
                                    QStringLiteral("historyMSG7"), QStringLiteral("LoginInfoID")));
        m_schema = schemaOf(store->database());
    }
    void cleanup()
    {
        SQLITE *store = SQLITE::standardSqlite();
        // Nothing outside the rows written by a case changed, and the file is sound.
        QCOMPARE(store->selectSQLFromtable(QStringLiteral("x"), {}, {}, 0, 0, 0),
                 QVariantList({QVariantMap{{QStringLiteral("id"), QStringLiteral("1")}, {QStringLiteral("keep"), QStringLiteral("me")}}}));
        QCOMPARE(sqlRows(store->database(), "PRAGMA integrity_check"), QStringList{QStringLiteral("ok")});
        m_ctx.reset();
    }

    void values_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        for (const auto &[name, text] : corpus()) {
            QString stored = text;
            QTest::newRow(name) << text << stored.replace(QLatin1String("''"), QLatin1String("'"));
        }
        QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b'c")
                                    << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b'c");
        QTest::newRow("apostrophe pairs") << QStringLiteral("''''") << QStringLiteral("''");
        QTest::newRow("empty") << QString(QLatin1String("")) << QString(QLatin1String(""));
    }
    void values()
    {
        QFETCH(QString, value);
        QFETCH(QString, stored);
        SQLITE *store = SQLITE::standardSqlite();
        const QString chat = QStringLiteral("chat7to9");
        const QString history = QStringLiteral("historyMSG7");
        const QString k = QStringLiteral("LoginInfoID");
        const QVariantMap message{{QStringLiteral("Content"), value}, {QStringLiteral("SenderID"), value}};
        QVERIFY(store->addSQLObject(message, chat));
        QVERIFY(store->addSQLObject(message, chat));
        QCOMPARE(store->counttable(chat), 2);
        for (const QVariant &r : store->selectSQLFromtable(chat, QStringLiteral("id"), {}, 0, 0, 0)) {
            QCOMPARE(r.toMap().value(QStringLiteral("Content")).toString(), stored);
            QCOMPARE(r.toMap().value(QStringLiteral("SenderID")).toString(), stored);
        }
        // The value as a key: update-or-insert finds its own row again, delete removes only it.
        QVERIFY(store->setSQLObject({{k, value}, {QStringLiteral("unread"), QStringLiteral("1")}}, history, k));
        QVERIFY(store->setSQLObject({{k, value}, {QStringLiteral("unread"), QStringLiteral("2")}}, history, k));
        QCOMPARE(store->counttable(history), 2);
        QCOMPARE(store->sumWithKey(QStringLiteral("unread"), history, {}, {}), QStringLiteral("6"));
        QCOMPARE(store->sumWithKey(QStringLiteral("unread"), history, k, value), QStringLiteral("2"));
        if (!stored.isEmpty()) {
            const QVariantList found = store->selectSQLFromtable(history, k, value, 1, 0, 1);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first().toMap().value(k).toString(), stored);
        }
        QVERIFY(store->removeSQL(chat, QStringLiteral("Content"), value));
        QCOMPARE(store->counttable(chat), 0);
        QVERIFY(store->removeSQL(history, k, value));
        QCOMPARE(store->counttable(history), 1);
        QCOMPARE(store->sumWithKey(QStringLiteral("unread"), history, {}, {}), QStringLiteral("4"));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        for (const auto &[label, text] : corpus())
            QTest::newRow(label) << text << true;
        QTest::newRow("NUL cuts the text") << QStringLiteral("t") + QChar(u'\0') + QStringLiteral("\"; drop table x; --")
                                           << false;
        QTest::newRow("reserved name") << QStringLiteral("sqlite_master") << false;
        QTest::newRow("empty") << QString(QLatin1String("")) << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        SQLITE *store = SQLITE::standardSqlite();
        const QString other = QStringLiteral("plain");
        const QVariantMap row{{name, QStringLiteral("v")}, {other, name}};
        QCOMPARE(store->addSQLObject(row, name), usable);
        if (!usable) {
            QCOMPARE(schemaOf(store->database()), m_schema);
            QCOMPARE(store->counttable(name), 0);
            QVERIFY(store->selectSQLFromtable(name, name, QStringLiteral("v"), 1, 0, 1).isEmpty());
            QVERIFY(!store->setSQLObject(row, QStringLiteral("x"), name));
            QVERIFY(!store->removeSQL(QStringLiteral("x"), name, QStringLiteral("v")));
            QCOMPARE(store->sumWithKey(name, QStringLiteral("x"), {}, {}), QStringLiteral("0"));
            return;
        }
        QStringList columns{QStringLiteral("id")};
        columns << row.keys();
        QCOMPARE(store->colKeyFromtable(name), columns);
        QCOMPARE(store->counttable(name), 1);
        QVariantMap expected = row;
        expected.insert(QStringLiteral("id"), QStringLiteral("1"));
        expected.insert(other, QString(name).replace(QLatin1String("''"), QLatin1String("'")));
        const bool longKey = name.size() >= 2;
        if (longKey)
            QCOMPARE(store->selectSQLFromtable(name, name, QStringLiteral("v"), 1, 0, 1), QVariantList({expected}));
        QCOMPARE(store->selectSQLFromtable(name, name, QStringLiteral("v"), 0, 0, 1), QVariantList({expected}));
        QVERIFY(store->setSQLObject({{name, QStringLiteral("v")}, {other, QStringLiteral("again")}}, name, name));
        QCOMPARE(store->counttable(name), 1);
        QCOMPARE(store->sumWithKey(other, name, {}, {}), QStringLiteral("0"));
        QVERIFY(store->removeSQL(name, name, QStringLiteral("v")));
        QCOMPARE(store->counttable(name), 0);
    }

    // A member named like SQLite's row id, in a table without such a column, is refused, not
    // taken as the id: the rows stay as they were.
    void rowIdNamesAreNotRowIds()
    {
        SQLITE *store = SQLITE::standardSqlite();
        const QString chat = QStringLiteral("chat7to9");
        QVERIFY(store->addSQLObject({{QStringLiteral("Content"), QStringLiteral("a")}}, chat));
        for (const QString &alias : {QStringLiteral("rowid"), QStringLiteral("OID"), QStringLiteral("_RowId_")}) {
            QVERIFY(!store->addSQLObject({{QStringLiteral("Content"), QStringLiteral("b")}, {alias, QStringLiteral("1")}}, chat));
            QVERIFY(store->selectSQLFromtable(chat, alias, QStringLiteral("1"), 0, 0, 1).isEmpty());
            QVERIFY(!store->removeSQL(chat, alias, QStringLiteral("1")));
        }
        QCOMPARE(store->counttable(chat), 1);
        QVERIFY(store->addSQLObject({{QStringLiteral("oid"), QStringLiteral("x")}}, QStringLiteral("own")));   // a column of its own
        QCOMPARE(store->selectSQLFromtable(QStringLiteral("own"), QStringLiteral("oid"), QStringLiteral("x"), 1, 0, 1).size(), 1);
    }

private:
    std::unique_ptr<TestContext> m_ctx;
    QStringList m_schema;
};

QTEST_GUILESS_MAIN(TestSqliteHostile)
#include "tst_sqlite_hostile.moc"

#include "app/PagedList.h"
#include "app/RowsModel.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QVariantList page(const QString &prefix, int n)
{
    QVariantList rows;
    for (int i = 0; i < n; ++i)
        rows.append(QVariantMap{{QStringLiteral("ID"), QStringLiteral("%1%2").arg(prefix).arg(i)}});
    return rows;
}

QString ids(const RowsModel &m)
{
    QStringList out;
    for (const QVariant &r : m.rows())
        out.append(r.toMap().value(QStringLiteral("ID")).toString());
    return out.join(u',');
}
} // namespace

class TestRowsModel : public QObject
{
    Q_OBJECT
private slots:
    void rolesFromKeys()
    {
        RowsModel m;
        m.setRows({QVariantMap{{QStringLiteral("price"), 3450}, {QStringLiteral("spec"), QStringLiteral("Φ12")}},
                   QStringLiteral("not a row")});
        QCOMPARE(m.count(), 2);
        const QHash<int, QByteArray> roles = m.roleNames();
        const int price = roles.key("price");
        QVERIFY(price > RowsModel::kRowRole);
        QCOMPARE(m.data(m.index(0), price).toInt(), 3450);
        QCOMPARE(m.data(m.index(1), price), QVariant());
        QCOMPARE(m.get(1), QVariantMap());
        QCOMPARE(m.data(m.index(0), RowsModel::kRowRole).toMap().value(QStringLiteral("spec")).toString(),
                 QStringLiteral("Φ12"));
    }

    void appendInsertsUnlessKeysAreNew()
    {
        RowsModel m;
        m.setRows(page(QStringLiteral("a"), 2));
        QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
        m.appendRows(page(QStringLiteral("b"), 3));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 2);
        QCOMPARE(inserted.first().at(2).toInt(), 4);
        QCOMPARE(reset.size(), 0);
        m.appendRow({{QStringLiteral("weight"), 20}});
        QCOMPARE(reset.size(), 1);   // a new key is a new role
        QCOMPARE(m.count(), 6);
        QVERIFY(m.roleNames().values().contains("weight"));
    }

    // A list that starts before page 1, asks for the next page on each "load more" and steps
    // back when a request fails.
    void paging_data()
    {
        QTest::addColumn<QStringList>("steps");   // "ok:<rows>" or "fail"
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("pageIndex");
        QTest::newRow("first page") << QStringList{"ok:2"} << "p1-0,p1-1" << 1;
        QTest::newRow("second page appends") << QStringList{"ok:2", "ok:1"} << "p1-0,p1-1,p2-0" << 2;
        QTest::newRow("failed second page asks again")
            << QStringList{"ok:1", "fail", "ok:1"} << "p1-0,p2-0" << 2;
        QTest::newRow("failed first page") << QStringList{"fail"} << "" << 0;
        QTest::newRow("failed twice never below start") << QStringList{"fail", "fail"} << "" << 0;
        QTest::newRow("reload replaces") << QStringList{"ok:2", "ok:2", "reload", "ok:1"} << "p1-0" << 1;
    }
    void paging()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, rows);
        QFETCH(int, pageIndex);
        RowsModel m;
        PagedList paging(1);
        for (const QString &step : steps) {
            if (step == u"reload") {
                paging.setPageIndex(paging.firstPage() - 1);
                continue;
            }
            const int p = paging.nextPage();
            if (step == u"fail")
                paging.stepBack();
            else
                paging.apply(m, page(QStringLiteral("p%1-").arg(p), step.mid(3).toInt()));
        }
        QCOMPARE(ids(m), rows);
        QCOMPARE(paging.pageIndex(), pageIndex);
    }
};

QTEST_GUILESS_MAIN(TestRowsModel)
#include "tst_rowsmodel.moc"

// Find goods and the steel-mill grid.
#include "ScreenHarness.h"
#include "core/session/UserInfo.h"
#include "screens/market/BrandStore.h"
#include "screens/market/FindItem.h"

#include <QPoint>
#include <QTest>

class TestFindGoodsMills : public QObject
{
    Q_OBJECT
private slots:
    // The call carries the user only while logged in; the number field starts with theirs.
    void findGoods_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QString>("loginInfoID");
        QTest::newRow("logged out sends 0") << false << "0";
        QTest::newRow("logged in sends the user") << true << "5";
    }
    void findGoods()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QString, loginInfoID);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("5"));
        UserInfo::info()->setUserTel(QStringLiteral("13800000005"));
        UserInfo::info()->setIsOnline(loggedIn);
        auto *find = h.open(new FindItem);
        FormField *phone = find->form()->field(QStringLiteral("phone"));
        QCOMPARE(phone->text(), loggedIn ? QStringLiteral("13800000005") : QString());
        phone->setText(QStringLiteral("13900000000"));
        find->beginFind();
        QVERIFY(h.settle());
        QCOMPARE(h.sent(QStringLiteral("Index/FindResource")).value(QStringLiteral("loginInfoID")).toString(), loginInfoID);
    }

    void millGridColumnByColumn_data()
    {
        QTest::addColumn<int>("mills");
        QTest::addColumn<QList<QPoint>>("places");
        QTest::newRow("7 mills, 3 rows") << 7
                                         << QList<QPoint>{{25, 0}, {25, 120}, {25, 240}, {125, 0}, {125, 120}, {125, 240}, {225, 0}};
        QTest::newRow("no mill") << 0 << QList<QPoint>{};
    }
    void millGridColumnByColumn()
    {
        QFETCH(int, mills);
        QFETCH(QList<QPoint>, places);
        ScreenHarness h;
        QByteArray rows;
        for (int i = 0; i < mills; ++i)
            rows += (rows.isEmpty() ? QString() : QStringLiteral(",")).toUtf8()
                    + QStringLiteral("{\"Yieldly\":\"钢厂%1\",\"LogoUrl\":\"\"}").arg(i).toUtf8();
        h.reply(QStringLiteral("market/GetYieldly"), R"({"errorCode":0,"data":[)" + rows + "]}");
        auto *store = h.open(new BrandStore);
        QTRY_VERIFY(!store->loadingList());
        QList<QPoint> laid;
        for (const QVariantMap &m : store->mills()->rows())
            laid << QPoint(m.value(QStringLiteral("x")).toInt(), m.value(QStringLiteral("y")).toInt());
        QCOMPARE(laid, places);
    }
};

QTEST_GUILESS_MAIN(TestFindGoodsMills)
#include "tst_findgoods_mills.moc"

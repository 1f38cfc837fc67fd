// Find goods.
#include "ScreenHarness.h"
#include "core/session/UserInfo.h"
#include "screens/market/FindItem.h"

#include <QTest>

class TestFindGoods : public QObject
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
};

QTEST_GUILESS_MAIN(TestFindGoods)
#include "tst_findgoods.moc"

#include "core/util/MTool.h"

#include "TestContext.h"

#include <QTest>
#include <cmath>

namespace {
// 2023-11-14 22:13:20 UTC.
constexpr double kNow = 1700000000.0;
}

class TestMTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Dates are local time; pin the zone so the expected dates hold anywhere.
        qputenv("TZ", "UTC");
    }

    void relativeTime_data()
    {
        QTest::addColumn<double>("ago");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.4 s") << 0.4 << "刚刚";
        QTest::newRow("59.5 s cut") << 59.5 << "59 秒前";
        QTest::newRow("60 s") << 60.0 << "1 分钟前";
        QTest::newRow("3599 s") << 3599.0 << "59 分钟前";
        QTest::newRow("3600 s is a date") << 3600.0 << "2023-11-14";
        QTest::newRow("3601 s") << 3601.0 << "1 小时前";
        QTest::newRow("one day is a date") << 86400.0 << "2023-11-13";
        QTest::newRow("1.5 days") << 1.5 * 86400 << "1 天前";
        QTest::newRow("5 days is a date") << 5.0 * 86400 << "2023-11-09";
        QTest::newRow("2 hours in the future") << -7200.0 << "7200 秒前";
        QTest::newRow("0.4 s in the future") << -0.4 << "刚刚";
        QTest::newRow("printing rounds up near a whole number") << 119.99999 << "2 分钟前";
        QTest::newRow("printing keeps a clear fraction") << 119.9 << "1 分钟前";
        // No usable time gives no text.
        QTest::newRow("NaN") << std::nan("") << "";
        QTest::newRow("infinitely far ahead") << -HUGE_VAL << "";
        QTest::newRow("far beyond any date") << -1e300 << "";
    }
    void relativeTime()
    {
        QFETCH(double, ago);
        TestContext ctx;
        ctx->clock().setFixed(kNow);
        QTEST(MTool::timeWithTimeInterval(kNow - ago), "expected");
    }
};

QTEST_GUILESS_MAIN(TestMTool)
#include "tst_mtool.moc"

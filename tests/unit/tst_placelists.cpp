#include "core/util/PlaceLists.h"

#include "TestContext.h"

#include <QTest>

class TestPlaceLists : public QObject
{
    Q_OBJECT
private slots:
    void nearestPlace_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lng");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("cityId");
        QTest::newRow("the Bund") << 31.240 << 121.490 << "上海" << "上海" << "3101";
        QTest::newRow("Tangshan") << 39.650 << 118.150 << "河北" << "唐山" << "1302";
        QTest::newRow("Anshan, not Liaoyang") << 41.090 << 122.960 << "辽宁" << "鞍山" << "2103";
        QTest::newRow("Kowloon: a region without cities") << 22.310 << 114.170 << "香港" << "香港" << "81";
        QTest::newRow("Kashgar, far west") << 39.470 << 76.000 << "新疆" << "喀什地区" << "6531";
    }
    void nearestPlace()
    {
        QFETCH(double, lat);
        QFETCH(double, lng);
        TestContext ctx;
        const QVariantMap place = PlaceLists::nearestPlace(lat, lng);
        QTEST(place.value(QStringLiteral("State")).toString(), "state");
        QTEST(place.value(QStringLiteral("City")).toString(), "city");
        QTEST(place.value(QStringLiteral("cityId")).toString(), "cityId");
    }

    void noPositionNoPlace()
    {
        TestContext ctx;
        QVERIFY(PlaceLists::nearestPlace(qQNaN(), 121.0).isEmpty());
        QVERIFY(PlaceLists::nearestPlace(95.0, 121.0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlaceLists)
#include "tst_placelists.moc"

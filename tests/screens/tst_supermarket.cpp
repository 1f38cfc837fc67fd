// The supermarket list, its filters, the seller call, the remembered resources and buying.
#include "ScreenHarness.h"
#include "app/Alerts.h"
#include "core/platform/UrlOpener.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"
#include "screens/market/SuperMarket.h"

#include <QTest>

namespace {
struct RecordingOpener : UrlOpener
{
    QStringList opened;
    bool openURL(const QUrl &url) override
    {
        opened << url.toString();
        return true;
    }
};

QByteArray page(int first, int count, int total)
{
    return ScreenHarness::listReply(first, count, [](int i) {
        return R"({"resourceId":)" + QByteArray::number(i) + R"(,"nsortName":"螺纹钢","spec":"Φ25","price":3650,"currentState":1,"YieldlyTel":"8)"
               + QByteArray::number(i) + R"(","Tel":""})";
    }, R"("total":")" + QByteArray::number(total) + R"(",)");
}

const QString kList = QStringLiteral("Market/Search");
const QString kDetail = QStringLiteral("Market/Details");
} // namespace

class TestSuperMarket : public QObject
{
    Q_OBJECT
private slots:
    void filterChoicesReset_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("filters");   // classId subClassId formatString | buttons A B C
        QTest::newRow("a category resets kind and specification")
            << "class" << QStringList{"2", "0", "0", "板材", "全部品种", "规格选择"};
        QTest::newRow("a kind resets only the specification")
            << "kind" << QStringList{"2", "7", "0", "板材", "中厚板", "规格选择"};
        QTest::newRow("the specification picker's 全部 keeps category and kind")
            << "all formats" << QStringList{"1", "4", "0", "建材", "螺纹钢", "规格选择"};
        QTest::newRow("an empty specification clears it") << "empty format" << QStringList{"1", "4", "0", "建材", "螺纹钢", "规格选择"};
    }
    void filterChoicesReset()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, filters);
        ScreenHarness h;
        h.reply(kList, page(1, 3, 3));
        auto *list = h.open(new SuperMarket);
        MarketFilter *f = list->filter();
        f->headerButtonPressed(1);
        f->didSeletedClass({{"sortID", "1"}, {"sortName", "建材"}}, {{"nsortID", "4"}, {"nsortName", "螺纹钢"}});
        f->didSeletedFormat(QStringLiteral("Φ25"));
        if (choice == u"class") {
            f->headerButtonPressed(0);
            f->didSeletedClass(QVariantMap{{"sortID", "2"}, {"sortName", "板材"}});
        } else if (choice == u"kind") {
            f->headerButtonPressed(1);
            f->didSeletedClass({{"sortID", "2"}, {"sortName", "板材"}}, {{"nsortID", "7"}, {"nsortName", "中厚板"}});
        } else if (choice == u"all formats") {
            f->headerButtonPressed(2);
            f->didSeletedClass({}, {{"sortID", "0"}, {"sortName", "全部所有"}});
        } else {
            f->headerButtonPressed(2);
            f->didSeletedFormat({});
        }
        QVERIFY(h.settle());
        QCOMPARE((QStringList{f->classId(), f->subClassId(), f->formatString(), f->buttonATitle(), f->buttonBTitle(),
                              f->buttonCTitle()}),
                 filters);
        const QVariantMap sent = h.sent(kList);
        QCOMPARE(sent.value(QStringLiteral("pageIndex")).toString(), "1");
        QCOMPARE(sent.value(QStringLiteral("sortID")).toString(), filters.at(0));
        QCOMPARE(sent.value(QStringLiteral("nsortID")).toString(), filters.at(1));
    }

    void sellerCallNeedsAnExtension()
    {
        ScreenHarness h;
        auto *opener = h.context().setService<UrlOpener>(std::make_unique<RecordingOpener>());
        h.testContext()->mutableConfig().callCentreNumber = QStringLiteral("4001234567");
        h.reply(kList, R"({"errorCode":0,"total":"2","data":[{"resourceId":1,"YieldlyTel":""},{"resourceId":2,"YieldlyTel":"805"}]})");
        auto *list = h.open(new SuperMarket);
        QVERIFY(h.settle());
        QCOMPARE(list->mainlist()->get(0).value(QStringLiteral("phoneEnabled")).toBool(), false);
        list->callphone(0);
        auto *alerts = h.context().service<Alerts>();
        QVERIFY(!alerts->topAlert());
        list->callphone(1);
        QVERIFY(alerts->topAlert());
        QCOMPARE(alerts->topAlert()->message(), QStringLiteral("是否拨打4001234567,805"));
        alerts->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(opener->opened, QStringList{"tel:4001234567,805"});
    }

    void openingRemembersOneRowPerResource()
    {
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("7"));
        h.reply(kList, page(1, 2, 2));
        auto *list = h.open(new SuperMarket);
        QVERIFY(h.settle());
        h.context().clock().setFixed(1700000000);
        list->didSelectedGoBuyWithSelectdIndex(1);
        h.stack().popViewController();
        h.context().clock().setFixed(1700000500);
        list->didSelectedGoBuyWithSelectdIndex(1);
        QVERIFY(h.settle());
        const QVariantList rows = RememberedResources::all(QStringLiteral("7"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().toMap().value(QStringLiteral("resourceId")).toString(), "2");
        QCOMPARE(rows.first().toMap().value(QStringLiteral("date")).toString(), "1700000500");
        auto *buy = qobject_cast<GoBuy *>(h.stack().topViewController());
        QVERIFY(buy && buy->online());
        QCOMPARE(buy->orderId(), "2");
    }

    void steelMillMode()
    {
        ScreenHarness h;
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("yes"), QStringLiteral("shifougangchang"));
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("沙钢"), QStringLiteral("gangchangname"));
        h.reply(kList, R"({"errorCode":0,"total":"1","data":[{"resourceId":1,"Tel":"8001","YieldlyTel":""}]})");
        auto *list = h.open(new SuperMarket);
        QVERIFY(h.settle());
        QCOMPARE(list->title(), QStringLiteral("沙钢"));
        QVERIFY(list->filter()->placeHidden());
        QCOMPARE(h.sent(kList).value(QStringLiteral("yieldlydirect")).toString(), QStringLiteral("沙钢"));
        QVERIFY(list->mainlist()->get(0).value(QStringLiteral("phoneEnabled")).toBool());
    }

    void fixedPriceShowsTheResourcePrice()
    {
        ScreenHarness h;
        h.reply(kDetail, R"({"errorCode":0,"data":{"provinceName":"江苏","cityName":"苏州","price":3600,"Discuss":false}})");
        auto *buy = h.open(new GoBuy);
        QVERIFY(h.settle());
        QVERIFY(!buy->discuss());
        QCOMPARE(buy->form()->text(QStringLiteral("price")), "3600");
        QVERIFY(!buy->form()->field(QStringLiteral("price"))->isEnabled());
        QCOMPARE(buy->fields().value(QStringLiteral("place")).toString(), QStringLiteral("江苏 苏州"));
    }
};

QTEST_GUILESS_MAIN(TestSuperMarket)
#include "tst_supermarket.moc"

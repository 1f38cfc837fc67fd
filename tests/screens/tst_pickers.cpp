// The filter pickers: what they hand back to the screen that opened them, and where they leave
// the stack.
#include "ScreenHarness.h"
#include "app/SuperController.h"
#include "core/util/Custom.h"
#include "core/util/DataCache.h"
#include "core/util/JsonReader.h"
#include "core/util/Value.h"
#include "screens/account/AccountInfoEditText.h"
#include "screens/market/ClassSelector.h"
#include "screens/market/FormatSelector.h"
#include "screens/market/NumberSelectedVC.h"
#include "screens/market/PickZhongLeiViewController.h"
#include "screens/market/paytypeViewController.h"
#include "screens/market/ProductsSelected.h"
#include "screens/market/SubClassSelector.h"

#include <QSignalSpy>
#include <QTest>

/// The opener: records every choice as one line of text.
class Opener : public SuperController, public InfoSelectorDelegate, public AccountInfoEditTextDelegate
{
    Q_OBJECT
public:
    QStringList heard;
    bool implements(Operation) const override { return true; }
    void didSeletedCity(const QVariantMap &r) override
    {
        heard << QStringLiteral("city %1 %2 %3")
                     .arg(Value::text(Value::member(r.value(QStringLiteral("shi")), QStringLiteral("provinceID"))),
                          Value::text(Value::member(r.value(QStringLiteral("shi")), QStringLiteral("name"))),
                          r.contains(QStringLiteral("sheng")) ? Value::text(Value::member(r.value(QStringLiteral("sheng")), QStringLiteral("name"))) : QStringLiteral("-"));
    }
    void didSeletedClass(const QVariantMap &c, const QVariantMap &k) override
    {
        heard << QStringLiteral("kind %1 %2").arg(Value::text(c.value(QStringLiteral("sortID"))),
                                                  Value::text(k.value(QStringLiteral("nsortID"))));
    }
    void didSeletedFormat(const QString &f) override { heard << QStringLiteral("format ") + f; }
    void didSeletedProducts(const QString &p) override { heard << QStringLiteral("products ") + p; }
    void changeCaizhi(const QString &m) override { heard << QStringLiteral("material ") + m; }
    void changeLabelText(const QString &t) override { heard << QStringLiteral("paytype ") + t; }
    void numberSelected(const QString &n) override { heard << QStringLiteral("number ") + n; }
    void infoEditDidFinish(const QString &t, int idx) override { heard << QStringLiteral("edit %1 %2").arg(t).arg(idx); }
};

namespace {
int rowNamed(const InfoSelector *picker, const QString &text)
{
    const QList<QVariantMap> rows = picker->list()->rows();
    for (int i = 0; i < rows.size(); ++i)
        if (rows.at(i).value(QStringLiteral("text")).toString() == text)
            return i;
    return -1;
}

const QByteArray kCategories = R"({"errorCode":0,"data":[
  {"sortID":"0","sortName":"热门","nsort":[{"nsortID":"1","nsortName":"螺纹钢"}]},
  {"sortID":12,"sortName":"板材","nsort":[{"nsortID":"4","nsortName":"热轧板卷"},{"nsortID":"5","nsortName":"冷轧板卷"}]},
  {"sortID":"13","sortName":"型材","nsort":[]},
  {"sortID":"14","sortName":"管材","nsort":[{"nsortID":"9","nsortName":"焊管"}]}]})";
} // namespace

class TestPickers : public QObject
{
    Q_OBJECT
private slots:
    void places_data()
    {
        QTest::addColumn<QStringList>("taps");
        QTest::addColumn<QString>("heard");
        QTest::newRow("a province without cities returns at once") << QStringList{"香港"} << "city 81 香港 -";
        QTest::newRow("a city returns with its province") << QStringList{"河北", "唐山"} << "city 1302 唐山 河北";
        QTest::newRow("全国 is the whole country") << QStringList{"全国"} << "city 0 全国 -";
    }
    void places()
    {
        QFETCH(QStringList, taps);
        QFETCH(QString, heard);
        ScreenHarness h;
        auto *opener = h.open(new Opener);
        auto *picker = new InfoSelector;
        picker->setDelegate(opener, opener);
        picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("Province"))));
        opener->pushViewController(picker);
        for (const QString &tap : taps) {
            auto *top = qobject_cast<InfoSelector *>(h.stack().topViewController());
            QVERIFY(top);
            if (tap == u"全国")
                top->rightButtonPressed();
            else
                top->didSelectRow(rowNamed(top, tap));
        }
        QCOMPARE(opener->heard, QStringList{heard});
        QCOMPARE(h.screens(), QStringList{"Opener"});
    }

    void categoriesLoadOnceAndHideHotOnlyInTheirCopy()
    {
        ScreenHarness h;
        h.reply(QStringLiteral("steel/getquerycondition"), kCategories);
        auto *opener = h.open(new Opener);
        for (int round = 0; round < 2; ++round) {
            auto *picker = new ClassSelector;
            picker->setHideHotCalss(true);
            opener->pushViewController(picker);
            QVERIFY(h.settle());
            QCOMPARE(rowNamed(picker, QStringLiteral("热门")), -1);
            QCOMPARE(picker->count(), 3);
            picker->popViewController();
        }
        auto *whole = new ClassSelector;
        opener->pushViewController(whole);
        QCOMPARE(whole->count(), 4);
        QCOMPARE(h.count(QStringLiteral("steel/getquerycondition")), 1);
    }

    void kindPickerScrollsToItsCategory_data()
    {
        QTest::addColumn<QVariant>("classId");
        QTest::addColumn<int>("scrollRow");
        QTest::newRow("sortID given as a number") << QVariant(12) << 1;
        QTest::newRow("sortID given as text") << QVariant(QStringLiteral("14")) << 3;
        QTest::newRow("a category without kinds stays") << QVariant(QStringLiteral("13")) << -1;
        QTest::newRow("none given: \"0\", the hot categories") << QVariant() << 0;
    }
    void kindPickerScrollsToItsCategory()
    {
        QFETCH(QVariant, classId);
        QFETCH(int, scrollRow);
        ScreenHarness h;
        DataCache::saveData(Value::list(Value::member(JsonReader::read(kCategories), QStringLiteral("data"))),
                            ClassSelector::cacheKey());
        auto *opener = h.open(new Opener);
        auto *picker = new SubClassSelector;
        picker->setClassId(classId);
        picker->setDelegate(opener, opener);
        QSignalSpy decided(picker, &SubClassSelector::scrollRowChanged);
        opener->pushViewController(picker);
        QVERIFY(decided.wait(2000));
        QCOMPARE(picker->scrollRow(), scrollRow);
        picker->didSelectRow(2);
        QCOMPARE(opener->heard, QStringList{"kind 12 5"});
    }

    void typedFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("empty text: back without a call") << "" << QStringList{};
        QTest::newRow("typed text") << "Φ25" << QStringList{"format Φ25"};
    }
    void typedFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, heard);
        ScreenHarness h;
        h.reply(QStringLiteral("market/getspec"), R"({"errorCode":0,"data":[{"spec":"Φ12"}]})");
        auto *opener = h.open(new Opener);
        auto *picker = new FormatSelector;
        picker->setFilter(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("31"));
        picker->setDelegate(opener, opener);
        opener->pushViewController(picker);
        QVERIFY(h.settle());
        picker->setFormatText(typed);
        picker->confirmTyped();
        QCOMPARE(opener->heard, heard);
        QCOMPARE(h.screens(), QStringList{"Opener"});
    }

    void productsAtMostFiveInListOrder()
    {
        ScreenHarness h;
        auto *opener = h.open(new Opener);
        auto *picker = new ProductsSelected;
        QVariantList entries;
        for (const char *v : {"板卷类", "建材类", "管材类", "型材类", "优特钢", "不锈钢", "有色"})
            entries << QVariantMap{{"value", QString::fromUtf8(v)}, {"selected", "0"}};
        picker->setList(entries);
        picker->setDelegate(opener, opener);
        opener->pushViewController(picker);
        QSignalSpy resets(picker->list(), &QAbstractItemModel::modelReset);
        for (int row : {3, 0, 1, 2, 4})
            picker->didSelectRow(row);
        picker->didSelectRow(5);
        QCOMPARE(h.takeAlerts(), QStringList{"最多只能选择5项"});
        picker->didSelectRow(1);
        picker->didSelectRow(5);
        QCOMPARE(h.takeAlerts(), QStringList{});
        QCOMPARE(resets.count(), 0); // a check mark redraws its row, not the list
        picker->popViewController();
        QCOMPARE(opener->heard, QStringList{"products 板卷类/管材类/型材类/优特钢/不锈钢"});
        QCOMPARE(h.screens(), QStringList{"Opener"});
    }

    // The tender form's pickers and its text editor: a row (or -1: the typed text confirmed, -2:
    // back) hands one text back and the opener is on top again.
    void formPickers_data()
    {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tap");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("payment: the second row") << "paytype" << QStringList{} << "" << 1 << QStringList{"paytype 非现款"};
        QTest::newRow("sellers: the first row") << "number" << QStringList{} << "" << 0 << QStringList{"number 5"};
        QTest::newRow("material from the kind's list") << "material" << QStringList{"Q235", "HRB400"} << "" << 1 << QStringList{"material HRB400"};
        QTest::newRow("material listed: nothing typed goes") << "material" << QStringList{"Q235"} << "Q345" << -1 << QStringList{};
        QTest::newRow("material typed when the kind has none") << "material" << QStringList{} << "Q345" << -1 << QStringList{"material Q345"};
        QTest::newRow("material: an empty text goes too") << "material" << QStringList{} << "" << -1 << QStringList{"material "};
        QTest::newRow("editor: 完成 hands back the text") << "editor" << QStringList{} << "3650.5" << -1 << QStringList{"edit 3650.5 4"};
        QTest::newRow("editor: a letter in a weight is refused") << "editor" << QStringList{} << "3a" << -1 << QStringList{"edit  4"};
        QTest::newRow("editor: back hands back nothing") << "editor" << QStringList{} << "12" << -2 << QStringList{};
    }
    void formPickers()
    {
        QFETCH(QString, picker);
        QFETCH(QStringList, materials);
        QFETCH(QString, typed);
        QFETCH(int, tap);
        QFETCH(QStringList, heard);
        ScreenHarness h;
        auto *opener = h.open(new Opener);
        if (picker == "editor") {
            auto *editor = new AccountInfoEditText(FormField::Decimal);
            editor->setIdx(4);
            editor->setDelegate(opener);
            opener->presentViewController(editor);
            editor->form()->field(QStringLiteral("text"))->setText(typed);
            if (tap == -1)
                editor->form()->lastEnabledField()->returnPressed();
            else
                editor->popViewController();
            editor->finish(); // a second press after the first, or after back, hands back nothing more
            QVERIFY(!h.stack().presentedStack());
        } else {
            InfoSelector *list = picker == "paytype" ? new paytypeViewController
                                 : picker == "number"  ? static_cast<InfoSelector *>(new NumberSelectedVC)
                                                       : new PickZhongLeiViewController;
            if (auto *material = qobject_cast<MaterialPicker *>(list)) {
                material->setMaterials(materials);
                QCOMPARE(material->form()->field(QStringLiteral("material"))->isEnabled(), materials.isEmpty());
                material->form()->field(QStringLiteral("material"))->setText(typed);
            }
            list->setDelegate(opener, opener);
            opener->pushViewController(list);
            tap >= 0 ? list->didSelectRow(tap) : qobject_cast<MaterialPicker *>(list)->confirm();
            QCOMPARE(h.screens().size(), heard.isEmpty() ? 2 : 1); // a picker that sent nothing stays
        }
        QCOMPARE(opener->heard, heard);
    }
};

QTEST_GUILESS_MAIN(TestPickers)
#include "tst_pickers.moc"

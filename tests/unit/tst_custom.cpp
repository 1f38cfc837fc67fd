#include "core/util/Custom.h"
#include "core/util/DataCache.h"

#include "TestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCustom : public QObject
{
    Q_OBJECT
private slots:
    void loadPlistName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("rows");
        QTest::newRow("array") << "Province" << true << 2;
        QTest::newRow("empty array") << "weight" << true << 0;
        QTest::newRow("missing") << "AllCity" << false << 0;
        QTest::newRow("object, not an array") << "object" << false << 0;
        QTest::newRow("not JSON") << "broken" << false << 0;
        QTest::newRow("a path out of the folder") << "../outside" << false << 0;
        QTest::newRow("empty name") << "" << false << 0;
    }
    void loadPlistName()
    {
        QFETCH(QString, name);
        TestContext ctx;
        QTemporaryDir root;
        const QString lists = root.path() + QStringLiteral("/lists");
        QDir().mkpath(lists);
        auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(lists + "/Province.json", R"([{"name":"北京","provinceID":"1"},{"name":"上海","provinceID":"2"}])");
        write(lists + "/weight.json", "[]");
        write(lists + "/object.json", R"({"name":"x"})");
        write(lists + "/broken.json", "[{");
        write(root.path() + "/outside.json", "[1]");
        ctx->mutableConfig().listsDir = lists;

        const QVariant list = Custom::loadPlistName(name);
        QTEST(list.isValid(), "present");
        QTEST(int(list.toList().size()), "rows");
    }

    void dataCacheKeepsValuesForTheRunOnly()
    {
        TestContext ctx;
        QVERIFY(!DataCache::readDataForKey(QStringLiteral("ClassOrSubClass")).isValid());
        DataCache::saveData(QVariantList{1, 2}, QStringLiteral("ClassOrSubClass"));
        DataCache::saveData(QVariantList{3}, QStringLiteral("ClassOrSubClass"));
        QCOMPARE(DataCache::readDataForKey(QStringLiteral("ClassOrSubClass")), QVariant(QVariantList{3}));
        ctx.restart();
        QVERIFY(!DataCache::readDataForKey(QStringLiteral("ClassOrSubClass")).isValid());
    }
};

QTEST_GUILESS_MAIN(TestCustom)
#include "tst_custom.moc"

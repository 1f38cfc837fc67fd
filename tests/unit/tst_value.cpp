#include "core/util/JsonWriter.h"
#include "core/util/Value.h"

#include <QTest>

class TestValue : public QObject
{
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QVariant() << "(null)";
        QTest::newRow("null string") << QVariant(QString()) << "(null)";
        QTest::newRow("empty string") << QVariant(QStringLiteral("")) << "";
        QTest::newRow("json null") << QVariant::fromValue(nullptr) << "(null)";
        QTest::newRow("int") << QVariant(15) << "15";
        QTest::newRow("double") << QVariant(3450.6) << "3450.6";
        QTest::newRow("whole double") << QVariant(12.0) << "12";
        QTest::newRow("bool") << QVariant(true) << "1";
    }
    void text()
    {
        QFETCH(QVariant, value);
        QTEST(Value::text(value), "expected");
    }

    void intValue_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("digits then letters") << QVariant(QStringLiteral("12abc")) << 12;
        QTest::newRow("letters") << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("spaces and sign") << QVariant(QStringLiteral("  -42x")) << -42;
        QTest::newRow("overflow clamps") << QVariant(QStringLiteral("99999999999")) << INT_MAX;
        QTest::newRow("underflow clamps") << QVariant(QStringLiteral("-99999999999")) << INT_MIN;
        QTest::newRow("double") << QVariant(3.9) << 3;
        QTest::newRow("negative double") << QVariant(-3.9) << -3;
        QTest::newRow("none") << QVariant() << 0;
        QTest::newRow("bool") << QVariant(true) << 1;
    }
    void intValue()
    {
        QFETCH(QVariant, value);
        QTEST(Value::intValue(value), "expected");
    }

    void boolValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("YES") << "YES" << true;
        QTest::newRow("true") << "true" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("007") << "007" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaced sign") << "  -1" << true;
    }
    void boolValue()
    {
        QFETCH(QString, text);
        QTEST(Value::boolValue(QVariant(text)), "expected");
    }

    void doubleValue()
    {
        QCOMPARE(Value::doubleValue(QStringLiteral("12.5t")), 12.5);
        QCOMPARE(Value::doubleValue(QStringLiteral("abc")), 0.0);
        QCOMPARE(Value::doubleValue(QStringLiteral("1e3")), 1000.0);
        QCOMPARE(Value::doubleValue(QStringLiteral("2e")), 2.0);
    }

    void jsonStructures()
    {
        JsonMembers ordered{{QStringLiteral("z"), QStringLiteral("1")}, {QStringLiteral("a"), 2},
                            {QStringLiteral("m"), 1.5}, {QStringLiteral("n"), QVariant()},
                            {QStringLiteral("l"), QVariantList{true, QStringLiteral("x")}}};
        QCOMPARE(JsonWriter::write(ordered), QByteArray(R"({"z":"1","a":2,"m":1.5,"n":null,"l":[true,"x"]})"));
    }
};

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"

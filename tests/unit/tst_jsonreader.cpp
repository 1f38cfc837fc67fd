#include "core/util/JsonReader.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRandomGenerator>
#include <QTest>

namespace {

// What the platform's parser makes of the text; invalid when it refuses it.
QVariant reference(const QByteArray &text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return {};
    return doc.toVariant();
}

QByteArray randomDocument(QRandomGenerator &rng, int depth = 0)
{
    static const char *const strings[] = {"\"\"", "\"a\"", "\"热轧\"", "\"\\\"q\\\"\"", "\"\\\\\"", "\"\\n\\t\\/\"",
                                          "\"\\u00e9\\u4e2d\"", "\"\\ud83d\\ude00\"", "\"😀\""};
    static const char *const scalars[] = {"0", "-1", "12345678901", "3.5", "-0.25e3", "1E2", "true", "false", "null"};
    const int kind = rng.bounded(depth < 4 ? 4 : 2);
    if (kind == 0)
        return strings[rng.bounded(int(std::size(strings)))];
    if (kind == 1)
        return scalars[rng.bounded(int(std::size(scalars)))];
    const bool isObject = kind == 2;
    QByteArray out = isObject ? "{" : "[";
    for (int i = 0, n = rng.bounded(5); i < n; ++i) {
        if (i)
            out += rng.bounded(2) ? "," : " , ";
        if (isObject)
            out += QByteArray("\"k") + QByteArray::number(i) + "\":";
        out += randomDocument(rng, depth + 1);
    }
    return out + (isObject ? "}" : "]");
}

} // namespace

class TestJsonReader : public QObject
{
    Q_OBJECT
private slots:
    void sameAsThePlatform_data()
    {
        QTest::addColumn<QByteArray>("text");
        const char *const cases[] = {
            "{\"a\":\"b\"}", " [1, 2.5, -3e2, true, false, null] ", "{\"a\":{\"b\":[{}]}}", "{\"a\":1,\"a\":2}",
            "{\"s\":\"\\u0041\\u00e9\\u4e2d\\ud83d\\ude00\"}", "{\"s\":\"\\\"\\\\\\/\\b\\f\\n\\r\\t\"}",
            "{\"big\":123456789012345678901234}", "{\"n\":-0}", "[9223372036854775807]",
            // refused
            "", "{", "{\"a\":}", "{\"a\" 1}", "{a:1}", "[1,]", "[01]", "[+1]", "[1e]",
            "{\"a\":1}x", "[\"\\u12g4\"]", "[tru]", "\"top\"", "1", "[nul]", "{\"a\":1,}",
            "[\"\xff\"]", "[\"\xc0\xaf\"]", "[\"\xed\xa0\x80\"]", "[\"\xf4\x90\x80\x80\"]", "[\"\xe4\xb8\"]",
        };
        for (const char *c : cases)
            QTest::newRow(c) << QByteArray(c);
    }
    void sameAsThePlatform()
    {
        QFETCH(QByteArray, text);
        QCOMPARE(JsonReader::read(text), reference(text));
    }

    // Where the platform's parser is lenient, the channel keeps to the grammar.
    void stricterThanThePlatform_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("fraction without digits") << QByteArray("[1.]");
        QTest::newRow("fraction without integer") << QByteArray("[.5]");
        QTest::newRow("unknown escape") << QByteArray("[\"\\x\"]");
        QTest::newRow("raw line feed in a string") << QByteArray("[\"a\nb\"]");
    }
    void stricterThanThePlatform()
    {
        QFETCH(QByteArray, text);
        QVERIFY(reference(text).isValid());
        QVERIFY(!JsonReader::read(text).isValid());
    }

    void randomDocumentsMatchThePlatform()
    {
        for (quint32 seed = 1; seed <= 2000; ++seed) {
            QRandomGenerator rng(seed);
            const QByteArray text = randomDocument(rng);
            QVERIFY2(JsonReader::read(text) == reference(text), text.constData());
            // Any cut of a document is refused or, when it happens to be a document itself,
            // read the same way.
            const QByteArray cut = text.left(rng.bounded(qsizetype(0), text.size()));
            QVERIFY2(JsonReader::read(cut) == reference(cut), cut.constData());
        }
    }

    void loneSurrogateAndDepth()
    {
        QCOMPARE(JsonReader::read("[\"\\ud800x\"]"), QVariant(QVariantList{QStringLiteral("\ufffdx")}));
        QVERIFY(JsonReader::read(QByteArray(512, '[') + QByteArray(512, ']')).isValid());
        QVERIFY(!JsonReader::read(QByteArray(513, '[') + QByteArray(513, ']')).isValid());
        QVERIFY(!JsonReader::read(QByteArray(100000, '[')).isValid());
    }
};

QTEST_GUILESS_MAIN(TestJsonReader)
#include "tst_jsonreader.moc"

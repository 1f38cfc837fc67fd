#include "core/session/FrameCodec.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

struct Decoded
{
    qint32 type;
    QByteArray body;
    bool operator==(const Decoded &o) const { return type == o.type && body == o.body; }
};

QByteArray header(quint8 t0, quint8 t1 = 0, quint8 t2 = 0, quint8 t3 = 0)
{
    const char bytes[8] = {0, 0, 0, 0, char(t0), char(t1), char(t2), char(t3)};
    return QByteArray(bytes, 8);
}

// Drains the decoder; returns false when it reports an oversized body.
bool drain(FrameCodec &codec, QList<Decoded> &out)
{
    FrameCodec::Frame f;
    for (;;) {
        switch (codec.next(f)) {
        case FrameCodec::Status::Frame:
            out.append({f.type, f.body.toByteArray()});
            break;
        case FrameCodec::Status::NeedMore:
            return true;
        case FrameCodec::Status::Oversized:
            return false;
        }
    }
}

// A body exercising what the scanner must get right: strings holding brackets, quotes and runs
// of backslashes, nesting, non-ASCII text, numbers and literals.
QByteArray randomBody(QRandomGenerator &rng, int depth = 0)
{
    static const char *const pieces[] = {"a", "{", "}", "[", "]", "\\\\", "\\\"", "热轧", " ", ":", "x\\\\\\\"y"};
    // Runs of escaped backslashes, alone or before an escaped quote, and long plain stretches,
    // so that runs and strings straddle the scanner's 64-byte blocks.
    auto randomPiece = [&]() -> QByteArray {
        switch (rng.bounded(8)) {
        case 0: return QByteArray(2 * rng.bounded(1, 40), '\\');
        case 1: return QByteArray(2 * rng.bounded(1, 40), '\\') + "\\\"";
        case 2: return QByteArray(rng.bounded(1, 100), 'z');
        default: return pieces[rng.bounded(int(std::size(pieces)))];
        }
    };
    auto randomString = [&] {
        QByteArray s = "\"";
        const int n = rng.bounded(6);
        for (int i = 0; i < n; ++i)
            s += randomPiece();
        return s + "\"";
    };
    const bool array = rng.bounded(4) == 0;
    QByteArray out = array ? "[" : "{";
    const int members = rng.bounded(5);
    for (int i = 0; i < members; ++i) {
        if (i)
            out += ',';
        if (!array)
            out += randomString() + ':';
        switch (rng.bounded(depth < 3 ? 5 : 3)) {
        case 0: out += randomString(); break;
        case 1: out += QByteArray::number(rng.bounded(100000) - 500); break;
        case 2: out += rng.bounded(2) ? "true" : "null"; break;
        default: out += randomBody(rng, depth + 1); break;
        }
    }
    return out + (array ? "]" : "}");
}

} // namespace

Q_DECLARE_METATYPE(Decoded)

class TestFrameCodec : public QObject
{
    Q_OBJECT
private slots:
    void encode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("negative") << -1 << QByteArray("[]") << QByteArray::fromHex("00000000ffffffff") + "[]";
        QTest::newRow("wide type") << 0x01020304 << QByteArray() << QByteArray::fromHex("0000000004030201");
        QTest::newRow("empty body") << 5 << QByteArray() << QByteArray::fromHex("0000000005000000");
    }
    void encode()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, body);
        QTEST(FrameCodec::encode(type, body), "expected");
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<Decoded>>("expected");
        QTest::addColumn<qint64>("skipped");
        const QByteArray a = "{\"a\":\"}\\\"{\"}";
        const QByteArray b = "{\"b\":[\"\\\\\",{\"c\":\"\\\\\\\"\"}]}";
        QTest::newRow("one") << header(1) + a << QList<Decoded>{{1, a}} << qint64(0);
        QTest::newRow("white space before body") << header(2) + " \r\n" + a
                                                 << QList<Decoded>{{2, " \r\n" + a}} << qint64(0);
        QTest::newRow("empty body then frame") << header(7) + header(4) + b
                                               << QList<Decoded>{{7, {}}, {4, b}} << qint64(0);
        QTest::newRow("non-zero prefix kept") << QByteArray::fromHex("0102030401000000") + a
                                              << QList<Decoded>{{1, a}} << qint64(0);
        QTest::newRow("garbage between") << header(1) + a + "garbage" + header(2) + b
                                         << QList<Decoded>{{1, a}, {2, b}} << qint64(7);
        QTest::newRow("new line after body") << header(1) + a + "\n" + header(2) + b
                                             << QList<Decoded>{{1, a}, {2, b}} << qint64(1);
        // The type still counts when the body is not JSON; the bytes up to the next frame do not.
        QTest::newRow("body not json") << header(1) + "hello" + header(2) + b
                                       << QList<Decoded>{{1, {}}, {2, b}} << qint64(5);
        QTest::newRow("body cut short by the next header") << header(4) + "{\"a\":\"b" + header(2) + b
                                                           << QList<Decoded>{{4, {}}, {2, b}} << qint64(0);
        QTest::newRow("cut short after noise") << QByteArray::fromHex("0102030401000000") + "{\"a" + header(2) + b
                                               << QList<Decoded>{{2, b}} << qint64(11);
        QTest::newRow("invalid json still one frame") << header(3) + "{\"a\":}" + header(2) + b
                                                      << QList<Decoded>{{3, "{\"a\":}"}, {2, b}} << qint64(0);
    }
    void decode()
    {
        QFETCH(QByteArray, stream);
        FrameCodec codec;
        QList<Decoded> out;
        codec.append(stream);
        QVERIFY(drain(codec, out));
        QTEST(out, "expected");
        QTEST(codec.skippedBytes(), "skipped");
    }

    // Whatever the read boundaries, the decoded sequence is the one that was written.
    void reassemblyIsIndependentOfReadBoundaries()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator rng(seed);
            QList<Decoded> written;
            QByteArray stream;
            const int frames = 1 + rng.bounded(40);
            for (int i = 0; i < frames; ++i) {
                const qint32 type = rng.bounded(-2, 60);
                // Header-only frames show only once the next frame starts, so never last.
                const QByteArray body = (i + 1 < frames && rng.bounded(8) == 0) ? QByteArray() : randomBody(rng);
                written.append({type, body});
                stream += FrameCodec::encode(type, body);
            }
            FrameCodec codec;
            QList<Decoded> read;
            qsizetype at = 0;
            while (at < stream.size()) {
                // Mostly small pieces, sometimes one byte, sometimes several frames at once.
                const int mode = rng.bounded(3);
                const qsizetype len = mode == 0 ? 1 : mode == 1 ? rng.bounded(1, 40) : rng.bounded(1, 600);
                codec.append(stream.mid(at, len));
                at += len;
                QVERIFY(drain(codec, read));
            }
            QVERIFY2(read == written, qPrintable(QStringLiteral("seed %1").arg(seed)));
            QCOMPARE(codec.buffered(), 0);
            QCOMPARE(codec.skippedBytes(), 0);
        }
    }

    // Noise between frames may cost the frames it touches, but never the channel: what comes
    // after it decodes again.
    void noiseDoesNotWedgeTheDecoder()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator rng(seed);
            const QByteArray before = FrameCodec::encode(1, randomBody(rng));
            QByteArray noise(rng.bounded(1, 80), Qt::Uninitialized);
            for (char &c : noise)
                c = char(rng.bounded(256));
            const QByteArray sentinel = FrameCodec::encode(9, "{\"end\":\"1\"}");
            const QByteArray stream = before + noise + sentinel + sentinel;
            FrameCodec codec;
            QList<Decoded> read;
            for (qsizetype at = 0; at < stream.size(); at += 7) {
                codec.append(stream.mid(at, 7));
                QVERIFY(drain(codec, read));
            }
            QVERIFY2(!read.isEmpty() && read.first().type == 1, qPrintable(QString::number(seed)));
            QVERIFY2(read.last() == (Decoded{9, "{\"end\":\"1\"}"}), qPrintable(QString::number(seed)));
        }
    }

    // When the stream ends, a header alone is a frame with an empty body; a header whose body
    // has begun is not, so a body cut short is never handed on as an empty one.
    void bareHeaderAtTheEndOfTheStream()
    {
        FrameCodec codec;
        QList<Decoded> read;
        FrameCodec::Frame bare;
        codec.append(header(3) + "\r\n");
        QVERIFY(drain(codec, read) && read.isEmpty());
        QVERIFY(codec.takeBareHeader(bare) && bare.type == 3 && bare.body.isEmpty() && codec.buffered() == 0);
        codec.append(FrameCodec::encode(1, "{\"a\":\"b\"}").chopped(1));
        QVERIFY(drain(codec, read) && read.isEmpty());
        QVERIFY(!codec.takeBareHeader(bare));
    }

    // With a 1024-byte bound; after an oversized body a reset decodes afresh.
    void bodySizeBound_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("oversized");
        QTest::newRow("never completes") << QByteArray("{\"a\":\"") + QByteArray(3000, 'x') << true;
        QTest::newRow("completes too late") << QByteArray("{\"a\":\"") + QByteArray(3000, 'x') + "\"}" << true;
        QTest::newRow("deep nesting") << QByteArray(3000, '[') << true;
        QTest::newRow("exactly at the bound") << "{\"a\":\"" + QByteArray(1024 - 8, 'x') + "\"}" << false;
    }
    void bodySizeBound()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, oversized);
        FrameCodec codec(1024);
        const QByteArray stream = FrameCodec::encode(1, body);
        QList<Decoded> read;
        bool refused = false;
        for (qsizetype at = 0; at < stream.size() && !refused; at += 500) {
            codec.append(stream.mid(at, 500));
            refused = !drain(codec, read);
        }
        QCOMPARE(refused, oversized);
        QCOMPARE(read, (oversized ? QList<Decoded>{} : QList<Decoded>{{1, body}}));
        codec.reset();
        codec.append(FrameCodec::encode(2, "{}"));
        QVERIFY(drain(codec, read));
        QCOMPARE(read.last(), (Decoded{2, "{}"}));
    }
};

QTEST_GUILESS_MAIN(TestFrameCodec)
#include "tst_framecodec.moc"

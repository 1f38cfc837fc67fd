#include "core/util/Downloader.h"
#include "core/util/ImageSignature.h"

#include "ScreenHarness.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>

namespace {
// The head of a PNG: signature and an IHDR chunk of the given size.
QByteArray png(quint8 width = 1, quint8 height = 1)
{
    QByteArray b("\x89PNG\r\n\x1a\n", 8);
    b += QByteArray("\0\0\0\x0dIHDR", 8);
    b += QByteArray("\0\0\0", 3) + char(width) + QByteArray("\0\0\0", 3) + char(height);
    b += QByteArray("\x08\x06\0\0\0", 5) + QByteArray("\x1f\x15\xc4\x89", 4);
    return b;
}

class Recorder : public QObject, public DownloaderDelegate
{
public:
    QStringList events;
    QByteArray picture;
    int finishedIdx = -1;
    QVariant missingUrl;
    void downloaderWillStart(Downloader *) override { events << "willStart"; }
    void downloaderDidStart(Downloader *) override { events << "didStart"; }
    void downloaderProgress(double p) override
    {
        if (events.isEmpty() || events.last() != "progress")
            events << "progress";
        lastProgress = p;
    }
    void downloaderDidFinish(Downloader *d, const QByteArray &p) override
    {
        events << "didFinish";
        picture = p;
        finishedIdx = d->idx();
    }
    void downloaderDidFailWithError(const RequestError &) override { events << "fail"; }
    void downloaderLoadingFromLocalDidFinish(Downloader *d) override
    {
        events << "fromLocal";
        finishedIdx = d->idx();
    }
    void downloaderNoSuchFileInThisUrl(const QVariant &url) override
    {
        events << "noSuchFile";
        missingUrl = url;
    }
    double lastProgress = -1;
};
} // namespace

class TestDownloader : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        QDir::setCurrent(m_h->testContext().dataDir());
    }
    void cleanup() { m_h.reset(); }

    void isPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("picture");
        QTest::newRow("png") << png() << true;
        QTest::newRow("png of no width") << png(0, 1) << false;
        QTest::newRow("png cut short") << png().left(20) << false;
        QTest::newRow("jpeg") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10) << true;
        QTest::newRow("jpeg start only") << QByteArray("\xff\xd8\xff", 3) << false;
        QTest::newRow("gif") << QByteArray("GIF89a\x01\0\x01\0\0\0\0", 13) << true;
        QTest::newRow("bmp") << QByteArray("BM\0\0\0\0\0\0\0\0\0\0\0\0\x28\0\0\0\x02\0\0\0\xfe\xff\xff\xff", 26) << true;
        QTest::newRow("webp") << QByteArray("RIFF\x1a\0\0\0WEBPVP8L\x0d\0\0\0", 20) << true;
        QTest::newRow("html") << QByteArray("<html>not found</html>") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void isPicture()
    {
        QFETCH(QByteArray, bytes);
        QTEST(ImageSignature::isPicture(bytes), "picture");
    }

    void downloadsAndCaches_data()
    {
        QTest::addColumn<int>("cacheTo");
        QTest::addColumn<QString>("folder");
        QTest::newRow("documents") << 0 << "Documents";
        QTest::newRow("temporary") << 1 << "tmp";
        QTest::newRow("no cache place") << 2 << "";
    }
    void downloadsAndCaches()
    {
        QFETCH(int, cacheTo);
        QFETCH(QString, folder);
        m_h->service().setReply("ad/1.png", ScriptedReply::ok(png()));
        const QString url = m_h->service().url("ad/1.png").toString();
        Recorder rec;
        QCOMPARE(Downloader::downloader()->loadingWithURL(url, 3, &rec, cacheTo), QByteArray());
        QTRY_VERIFY(rec.events.contains("didFinish"));
        QCOMPARE(rec.events, (QStringList{"willStart", "didStart", "progress", "didFinish"}));
        QCOMPARE(rec.lastProgress, 1.0);
        QCOMPARE(rec.picture, png());
        QCOMPARE(rec.finishedIdx, 3);

        const QString file = m_h->testContext().dataDir() + '/' + folder + '/' + Downloader::cacheFileName(url);
        QCOMPARE(QFile::exists(file), !folder.isEmpty());
        // A second load comes from the cache file without a request, where there is one.
        Recorder again;
        const QByteArray picture = Downloader::downloader()->loadingWithURL(url, 4, &again, cacheTo);
        if (folder.isEmpty()) {
            QCOMPARE(picture, QByteArray());
            QTRY_VERIFY(again.events.contains("didFinish"));
            QCOMPARE(m_h->service().count(), 2);
        } else {
            QCOMPARE(picture, png());
            QCOMPARE(again.events, QStringList{"fromLocal"});
            QCOMPARE(again.finishedIdx, 4);
            QCOMPARE(m_h->service().count(), 1);
        }
    }

    void addressesDifferingBySlashOrUnderscoreShareOneFile()
    {
        const QString a = m_h->service().url("img/a/b.png").toString();
        const QString b = m_h->service().url("img/a_b.png").toString();
        QCOMPARE(Downloader::cacheFileName(a), Downloader::cacheFileName(b));
        QVERIFY(!Downloader::cacheFileName(a).contains('/'));
        m_h->service().setReply("img/a/b.png", ScriptedReply::ok(png(2, 2)));
        Recorder first;
        Downloader::downloader()->loadingWithURL(a, 0, &first, 0);
        QTRY_VERIFY(first.events.contains("didFinish"));
        Recorder second;
        QCOMPARE(Downloader::downloader()->loadingWithURL(b, 1, &second, 0), png(2, 2));
        QCOMPARE(m_h->service().count(), 1);
    }

    void badReplyWritesNothing_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QStringList>("events");
        // Not a picture: no finish and no failure either, only the progress seen so far.
        QTest::newRow("not a picture") << false << QStringList{"willStart", "didStart", "progress"};
        QTest::newRow("transport failure") << true << QStringList{"willStart", "fail"};
    }
    void badReplyWritesNothing()
    {
        QFETCH(bool, closed);
        m_h->service().setDefaultReply(closed ? ScriptedReply::closeWithoutReply() : ScriptedReply::ok("<html>404</html>", 404));
        const QString url = m_h->service().url("ad/missing.png").toString();
        Recorder rec;
        QPointer<Downloader> d = Downloader::downloader();
        d->loadingWithURL(url, 0, &rec, 0);
        QTRY_VERIFY(d.isNull());
        QTEST(rec.events, "events");
        QVERIFY(!QFile::exists(Downloader::cacheFilePath(url, 0)));
    }

    void cachedFileThatIsNoPictureIsLoadedAgain()
    {
        m_h->service().setDefaultReply(ScriptedReply::ok(png()));
        const QString url = m_h->service().url("ad/2.png").toString();
        QFile junk(Downloader::cacheFilePath(url, 1));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("half a pic");
        junk.close();
        Recorder rec;
        QCOMPARE(Downloader::downloader()->loadingWithURL(url, 0, &rec, 1), QByteArray());
        QTRY_VERIFY(rec.events.contains("didFinish"));
        QFile cached(Downloader::cacheFilePath(url, 1));
        QVERIFY(cached.open(QIODevice::ReadOnly));
        QCOMPARE(cached.readAll(), png());
    }

    void emptyAddress_data()
    {
        QTest::addColumn<QVariant>("url");
        QTest::newRow("empty") << QVariant(QStringLiteral(""));
        QTest::newRow("none") << QVariant();
        QTest::newRow("(null) text") << QVariant(QStringLiteral("(null)"));
    }
    void emptyAddress()
    {
        QFETCH(QVariant, url);
        Recorder rec;
        QCOMPARE(Downloader::downloader()->loadingWithURL(url, 0, &rec, 0), QByteArray());
        QCOMPARE(rec.events, QStringList{"noSuchFile"});
        QCOMPARE(rec.missingUrl, url);
        QCOMPARE(m_h->service().count(), 0);
    }

private:
    std::unique_ptr<ScreenHarness> m_h;   // a context with a scripted service
};

QTEST_GUILESS_MAIN(TestDownloader)
#include "tst_downloader.moc"

#pragma once

#include "core/util/DownloaderDelegate.h"
#include "core/util/WeakDelegate.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QNetworkReply;

/// Loads one picture: from its cache file when that holds a picture, otherwise by an HTTP GET
/// whose bytes, when they are a picture, are cached and handed to the delegate. A downloader
/// deletes itself once its exchange has ended (or right after a load from the cache).
class Downloader : public QObject
{
    Q_OBJECT
public:
    /// Where a picture is cached.
    enum CachePlace { Documents = 0, Temporary = 1 };

    /// A fresh, empty downloader.
    static Downloader *downloader();
    ~Downloader() override;

    /// Returns the cached picture (its bytes) at once, or none and starts loading it; cacheTo is
    /// 0 (documents), 1 (temporary) or anything else (the bare file name, never written).
    QByteArray loadingWithURL(const QVariant &url, int index, DownloaderDelegate *delegate, int cacheTo);

    QString url() const { return m_url; }
    int idx() const { return m_idx; }
    int cachePath() const { return m_cachePath; }
    DownloaderDelegate *delegate() const { return m_delegate.get(); }
    QByteArray receiveData() const { return m_receiveData; }
    qint64 dataLength() const { return m_dataLength; }
    /// The picture's bytes once it has been loaded; empty until then.
    QByteArray image() const { return m_image; }

    /// The cache file's name: the address with every "/" replaced by "_".
    static QString cacheFileName(const QString &url);
    /// Its path for a cache place (the bare name for places other than 0 and 1).
    static QString cacheFilePath(const QString &url, int cacheTo);

private:
    Downloader();
    void onMetaData();
    void onReadyRead();
    void onFinished();
    bool writeCache() const;

    QString m_url;
    int m_idx = 0;
    int m_cachePath = 0;
    WeakDelegate<DownloaderDelegate> m_delegate;
    QByteArray m_receiveData;
    qint64 m_dataLength = -1;
    QByteArray m_image;
    QPointer<QNetworkReply> m_reply;
};

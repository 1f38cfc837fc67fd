#include "core/util/Downloader.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/util/ImageSignature.h"
#include "core/util/Value.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

Downloader *Downloader::downloader()
{
    return new Downloader();
}

// Parented to the context so that a load still running when the context goes is cleaned up.
Downloader::Downloader() : QObject(AppContext::current()) {}

Downloader::~Downloader()
{
    if (m_reply) {
        QObject::disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

QString Downloader::cacheFileName(const QString &url)
{
    QString name = url;
    return name.replace(u'/', u'_');
}

QString Downloader::cacheFilePath(const QString &url, int cacheTo)
{
    const QString name = cacheFileName(url);
    if (cacheTo == Documents)
        return AppContext::current()->documentsDir() + u'/' + name;
    if (cacheTo == Temporary)
        return AppContext::current()->tempDir() + u'/' + name;
    return name;
}

QByteArray Downloader::loadingWithURL(const QVariant &url, int index, DownloaderDelegate *delegate, int cacheTo)
{
    m_url = Value::isNone(url) ? QString() : Value::text(url);
    m_idx = index;
    m_cachePath = cacheTo;
    m_delegate.set(delegate);

    if (m_url.isEmpty() || m_url == u"(null)") {
        if (DownloaderDelegate *d = m_delegate.get())
            d->downloaderNoSuchFileInThisUrl(url);
        qCInfo(lcApi) << "This image can not be loaded, Because the URL is empty.";
        deleteLater();
        return {};
    }

    QFile cached(cacheFilePath(m_url, cacheTo));
    if (cached.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = cached.readAll();
        if (ImageSignature::isPicture(bytes)) {
            m_image = bytes;
            if (DownloaderDelegate *d = m_delegate.get())
                d->downloaderLoadingFromLocalDidFinish(this);
            deleteLater();
            return m_image;
        }
    }

    m_receiveData.clear();
    QNetworkReply *reply = AppContext::current()->network()->get(QNetworkRequest(QUrl(m_url)));
    m_reply = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, &Downloader::onMetaData);
    connect(reply, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &Downloader::onFinished);
    if (DownloaderDelegate *d = m_delegate.get())
        d->downloaderWillStart(this);
    return {};
}

void Downloader::onMetaData()
{
    const QVariant length = m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader) : QVariant();
    m_dataLength = length.isValid() ? length.toLongLong() : -1;
    m_receiveData.clear();
    if (DownloaderDelegate *d = m_delegate.get())
        d->downloaderDidStart(this);
}

void Downloader::onReadyRead()
{
    if (!m_reply)
        return;
    const QByteArray piece = m_reply->readAll();
    if (piece.isEmpty())
        return;
    m_receiveData.append(piece);
    // Single precision, as the progress bars have always had it; 0 while the length is unknown.
    const float progress = m_dataLength > 0 ? float(m_receiveData.size()) / float(m_dataLength) : 0.0f;
    if (DownloaderDelegate *d = m_delegate.get())
        d->downloaderProgress(double(progress));
}

void Downloader::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    onReadyRead(); // whatever is still buffered
    m_reply = nullptr;
    QObject::disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();

    if (Request::isTransportFailure(reply)) {
        if (DownloaderDelegate *d = m_delegate.get())
            d->downloaderDidFailWithError(Request::errorFor(reply));
    } else if (ImageSignature::isPicture(m_receiveData)) {
        m_image = m_receiveData;
        if (DownloaderDelegate *d = m_delegate.get()) {
            if (m_cachePath == Documents || m_cachePath == Temporary)
                writeCache();
            d->downloaderDidFinish(this, m_image);
        }
    }
    // Bytes that are not a picture (an error page) are dropped: nothing written, nothing called.
    deleteLater();
}

bool Downloader::writeCache() const
{
    QSaveFile file(cacheFilePath(m_url, m_cachePath));
    if (!file.open(QIODevice::WriteOnly) || file.write(m_image) != m_image.size() || !file.commit()) {
        qCWarning(lcApi).noquote() << "cannot cache picture" << m_url << ':' << file.errorString();
        return false;
    }
    return true;
}

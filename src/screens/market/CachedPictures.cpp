#include "screens/market/CachedPictures.h"

#include "core/util/Downloader.h"
#include "core/util/Value.h"

CachedPictures::CachedPictures(int cachePlace, QObject *parent) : QObject(parent), m_cachePlace(cachePlace) {}

QUrl CachedPictures::load(const QVariant &url, int index)
{
    const QByteArray cached = Downloader::downloader()->loadingWithURL(url, index, this, m_cachePlace);
    if (cached.isEmpty())
        return {};
    return QUrl::fromLocalFile(Downloader::cacheFilePath(Value::text(url), m_cachePlace));
}

void CachedPictures::downloaderDidFinish(Downloader *downloader, const QByteArray &)
{
    emit arrived(downloader->idx(), QUrl::fromLocalFile(Downloader::cacheFilePath(downloader->url(), m_cachePlace)));
}

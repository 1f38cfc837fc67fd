#pragma once

#include "core/api/RequestDelegate.h"

#include <QByteArray>
#include <QVariant>

class Downloader;

/// Receives the progress of a picture load; every operation is optional.
class DownloaderDelegate
{
public:
    virtual ~DownloaderDelegate() = default;

    virtual void downloaderWillStart(Downloader *downloader) { Q_UNUSED(downloader) }
    virtual void downloaderDidStart(Downloader *downloader) { Q_UNUSED(downloader) }
    /// Bytes so far over the announced length, 0 to 1 (0 while the length is unknown).
    virtual void downloaderProgress(double progress) { Q_UNUSED(progress) }
    /// The picture arrived: picture holds its encoded bytes (also in downloader->image()).
    virtual void downloaderDidFinish(Downloader *downloader, const QByteArray &picture)
    {
        Q_UNUSED(downloader) Q_UNUSED(picture)
    }
    virtual void downloaderDidFailWithError(const RequestError &error) { Q_UNUSED(error) }
    /// The picture came from the cache file; no request was made.
    virtual void downloaderLoadingFromLocalDidFinish(Downloader *downloader) { Q_UNUSED(downloader) }
    /// The address was empty, none or "(null)"; nothing is loaded.
    virtual void downloaderNoSuchFileInThisUrl(const QVariant &url) { Q_UNUSED(url) }
};

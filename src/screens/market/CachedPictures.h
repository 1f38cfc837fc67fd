#pragma once

#include "core/util/DownloaderDelegate.h"

#include <QObject>
#include <QUrl>

/// Pictures of a screen's rows (adverts, mill logos) loaded through the picture cache: each
/// arrives as a local file the page can show, announced with the index it was asked for.
class CachedPictures : public QObject, public DownloaderDelegate
{
    Q_OBJECT
public:
    explicit CachedPictures(int cachePlace, QObject *parent = nullptr);

    /// The cached file when the picture is there already (an empty URL until it has arrived).
    QUrl load(const QVariant &url, int index);

    void downloaderDidFinish(Downloader *downloader, const QByteArray &picture) override;

signals:
    void arrived(int index, const QUrl &file);

private:
    int m_cachePlace;
};

#pragma once

#include <QByteArray>

class MarketDatabase;

/// The web page of an article, as the information screens open it by URL.
class ArticlePage
{
public:
    /// The page's HTML, empty when there is no such article. A paid article shows its full text
    /// only to `reader` when that reader bought it (0: nobody known), otherwise its free teaser.
    static QByteArray html(const MarketDatabase &db, qint64 articleId, qint64 reader);
};

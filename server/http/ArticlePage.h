#pragma once

#include <QByteArray>

class MarketDatabase;

/// The web page of an article, as the information screens open it by URL.
class ArticlePage
{
public:
    /// The page's HTML, empty when there is no such article.
    static QByteArray html(const MarketDatabase &db, qint64 articleId);
};

#include "ArticlePage.h"

#include "MarketDatabase.h"
#include "RouteHelpers.h"

QByteArray ArticlePage::html(const MarketDatabase &db, qint64 articleId, qint64 reader)
{
    const QVariantMap a = db.queryOne(
        QStringLiteral("SELECT title, created, CASE WHEN charge <= 0 OR EXISTS (SELECT 1 FROM article_purchases"
                       " WHERE user_id = ?2 AND article_id = ?1) THEN body"
                       " ELSE COALESCE(description, '') || char(10) || '购买后可阅读全文。' END AS body"
                       " FROM articles WHERE id = ?1"),
        {articleId, reader});
    if (a.isEmpty())
        return {};
    // Stored text is escaped: article bodies are plain text, never markup.
    const QString title = a.value(QStringLiteral("title")).toString().toHtmlEscaped();
    QString body;
    for (const QString &para : a.value(QStringLiteral("body")).toString().split(u'\n', Qt::SkipEmptyParts))
        body += QStringLiteral("<p>%1</p>\n").arg(para.toHtmlEscaped());
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width\"><title>%1</title></head>\n"
                          "<body><h2>%1</h2><p><small>%2</small></p>\n%3</body></html>\n")
        .arg(title, RouteHelpers::time(a.value(QStringLiteral("created"))), body)
        .toUtf8();
}

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

/// Timestamps and the relative-time texts of the message lists.
class MTool
{
public:
    /// The current time as whole seconds since 1970 in decimal, the fraction cut off.
    static QString systemDate();
    /// A platform alert with no title, the text and one button "确定".
    static void showAlertWithMessage(const QString &text);
    /// "刚刚", "n 秒前", "n 分钟前", "n 小时前", "n 天前" or the date "yyyy-MM-dd" (local time)
    /// for a time given in seconds since 1970, relative to the context's clock.
    static QString timeWithTimeInterval(double time);
    /// The conversation row of a peer ("LoginInfoID", "SendTime", "message", "ChatType",
    /// "unread"); empty (none) when the peer id is none.
    static QVariantMap tableForHistoryWithLoginInfoID(const QVariant &loginInfoID, const QVariant &sendTime,
                                                      const QVariant &content, const QVariant &chatType,
                                                      const QString &unread);

private:
    static QString wholeNumber(double value);
};

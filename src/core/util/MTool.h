#pragma once

#include <QString>

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

private:
    static QString wholeNumber(double value);
};

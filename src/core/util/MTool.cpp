#include "core/util/MTool.h"

#include "core/platform/AlertPort.h"
#include "core/platform/AppContext.h"
#include "core/util/Value.h"

#include <QDateTime>
#include <cmath>

QString MTool::systemDate()
{
    return QString::number(qint64(AppContext::current()->clock().now()));
}

void MTool::showAlertWithMessage(const QString &text)
{
    AlertPort::port()->showAlert(QString(), text, QStringLiteral("确定"));
}

// The lists have always shown "%f" with its seven last characters (point and six decimals)
// dropped, so a value within half a millionth below a whole number shows that whole number.
QString MTool::wholeNumber(double value)
{
    return QString::asprintf("%f", value).chopped(7);
}

QString MTool::timeWithTimeInterval(double time)
{
    // A time no clock can show (NaN, infinite, beyond the calendar) gets no text rather than a
    // made-up one.
    if (!std::isfinite(time) || std::fabs(time) > 1e14)
        return QString();
    const double d = AppContext::current()->clock().now() - time;
    if (d == 0)
        return QStringLiteral("刚刚");
    if (d / 60 < 1) {
        // Also every time in the future, shown by its distance.
        const qint64 n = qint64(std::fabs(d));
        return n == 0 ? QStringLiteral("刚刚") : QStringLiteral("%1 秒前").arg(n);
    }
    if (d / 3600 < 1)
        return QStringLiteral("%1 分钟前").arg(wholeNumber(d / 60));
    const double hours = d / 3600;
    const double days = d / 86400;
    if (hours > 1 && days < 1)
        return QStringLiteral("%1 小时前").arg(wholeNumber(hours));
    if (days > 1 && days < 5)
        return QStringLiteral("%1 天前").arg(wholeNumber(days));
    return QDateTime::fromMSecsSinceEpoch(qint64(std::floor(time * 1000)), Qt::LocalTime)
        .toString(QStringLiteral("yyyy-MM-dd"));
}

QVariantMap MTool::tableForHistoryWithLoginInfoID(const QVariant &loginInfoID, const QVariant &sendTime,
                                                  const QVariant &content, const QVariant &chatType,
                                                  const QString &unread)
{
    if (Value::isNone(loginInfoID))
        return {};
    return {
        {QStringLiteral("LoginInfoID"), loginInfoID},
        {QStringLiteral("SendTime"), sendTime},
        {QStringLiteral("message"), content},
        {QStringLiteral("ChatType"), chatType},
        {QStringLiteral("unread"), unread},
    };
}

#include "screens/market/DealTicker.h"

#include "core/session/datamodel.h"
#include "core/util/Value.h"

QVariantMap DealTicker::Line::toMap() const
{
    return {{QStringLiteral("text"), text},
            {QStringLiteral("styledText"), styledText()},
            {QStringLiteral("y"), y}};
}

QString DealTicker::Line::styledText() const
{
    // Price comes before weight in the line; each span is escaped on its own.
    const auto red = [](const QString &s) {
        return QStringLiteral("<font color=\"#ff0000\">") + s.toHtmlEscaped() + QStringLiteral("</font>");
    };
    return text.left(priceStart).toHtmlEscaped() + red(text.mid(priceStart, priceLength))
           + text.mid(priceStart + priceLength, weightStart - priceStart - priceLength).toHtmlEscaped()
           + red(text.mid(weightStart, weightLength)) + text.mid(weightStart + weightLength).toHtmlEscaped();
}

DealTicker::Line DealTicker::dealLine(const QVariantMap &deal)
{
    // The red parts are placed where the format puts them, not searched for: a weight of "3"
    // must not colour the "3" of the phone number.
    const QString price = Value::text(deal.value(QStringLiteral("price")));
    const QString weight = Value::text(deal.value(QStringLiteral("weight")));
    Line line;
    line.text = datamodel::maskedMobile(Value::text(deal.value(QStringLiteral("phoneNumber")))) + QStringLiteral(" 以");
    line.priceStart = int(line.text.size());
    line.priceLength = int(price.size());
    line.text += price + QStringLiteral("元/吨的价格成交");
    line.weightStart = int(line.text.size());
    line.weightLength = int(weight.size());
    line.text += weight + u'吨' + Value::text(deal.value(QStringLiteral("nsortName")));
    return line;
}

int DealTicker::rows(int screenHeight)
{
    return screenHeight > 480 ? 4 : 1;
}

int DealTicker::top(int screenHeight)
{
    return screenHeight > 480 ? 354 : 351;
}

QList<DealTicker::Line> DealTicker::lines(const QVariantList &deals, int screenHeight)
{
    const int count = rows(screenHeight);
    QList<Line> out;
    if (deals.isEmpty() || deals.size() < count)
        return out;
    for (int i = 0; i < count; ++i) {
        Line line = dealLine(Value::map(deals.at(i)));
        line.y = top(screenHeight) + kLineOffset + kLineStep * i;
        out.append(line);
    }
    return out;
}

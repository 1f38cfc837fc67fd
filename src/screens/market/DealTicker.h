#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

/// The lines of the home page's deal ticker and the deal text shared with the deal list.
class DealTicker
{
public:
    /// One drawn line: its text, its top in points, and where the price and weight stand in
    /// it (they are drawn in red).
    struct Line
    {
        QString text;
        int y = 0;
        int priceStart = 0, priceLength = 0;
        int weightStart = 0, weightLength = 0;
        QVariantMap toMap() const;
        /// The text as styled text, price and weight in red.
        QString styledText() const;
    };

    /// "<masked number> 以<price>元/吨的价格成交<weight>吨<kind>", with the positions of price
    /// and weight in it.
    static Line dealLine(const QVariantMap &deal);

    /// Ticker rows for a screen height: 4 on a screen taller than 480 points, else 1.
    static int rows(int screenHeight);
    /// The ticker's top: 354 points on the taller screen, 351 on the other.
    static int top(int screenHeight);

    /// The lines drawn for the deals: one per row when there are at least as many deals as
    /// rows, none otherwise (also none when there is no deal; the page then shows kEmptyText).
    static QList<Line> lines(const QVariantList &deals, int screenHeight);

    static constexpr int kLineStep = 27;
    static constexpr int kLineOffset = 3;
    static constexpr int kFontSize = 11;
    static QString emptyText() { return QStringLiteral("   暂时没有更多成交记录"); }
};

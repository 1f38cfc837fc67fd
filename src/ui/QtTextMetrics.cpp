#include "ui/QtTextMetrics.h"

#include "ui/Frontend.h"

#include <QFontMetrics>
#include <QtMath>

namespace {
QFont fontOfSize(double pointSize)
{
    QFont font = Frontend::systemFont();
    // The layouts count in points; the window draws one point as one logical pixel.
    font.setPixelSize(qMax(1, qRound(pointSize)));
    return font;
}
} // namespace

int QtTextMetrics::widthForText(const QString &text, double pointSize) const
{
    return qCeil(QFontMetricsF(fontOfSize(pointSize)).horizontalAdvance(text));
}

int QtTextMetrics::heightForText(const QString &text, double pointSize, int width) const
{
    if (text.isEmpty())
        return 0;
    const QRect r = QFontMetrics(fontOfSize(pointSize)).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | Qt::AlignHCenter, text);
    return r.height();
}

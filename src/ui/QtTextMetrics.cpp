#include "ui/QtTextMetrics.h"

#include "ui/Frontend.h"

#include <QFontMetrics>

int QtTextMetrics::heightForText(const QString &text, double pointSize, int width) const
{
    if (text.isEmpty())
        return 0;
    QFont font = Frontend::systemFont();
    // The layouts count in points; the window draws one point as one logical pixel.
    font.setPixelSize(qMax(1, qRound(pointSize)));
    const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | Qt::AlignHCenter, text);
    return r.height();
}

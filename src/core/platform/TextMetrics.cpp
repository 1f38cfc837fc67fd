#include "core/platform/TextMetrics.h"

#include <QStringList>
#include <cmath>

namespace {
double charWidth(QChar c, double pointSize)
{
    return c.unicode() < 0x2E80 ? pointSize / 2 : pointSize;
}
} // namespace

int TextMetrics::widthForText(const QString &text, double pointSize) const
{
    double width = 0;
    for (const QChar c : text)
        width += charWidth(c, pointSize);
    return int(std::ceil(width));
}

int TextMetrics::heightForText(const QString &text, double pointSize, int width) const
{
    if (text.isEmpty() || pointSize <= 0)
        return 0;
    const double lineWidth = std::max(double(width), pointSize);
    int lines = 0;
    for (const QString &paragraph : text.split(u'\n')) {
        int paragraphLines = 1;
        double x = 0;
        for (const QChar c : paragraph) {
            const double w = charWidth(c, pointSize);
            if (x + w > lineWidth) {
                ++paragraphLines;
                x = 0;
            }
            x += w;
        }
        lines += paragraphLines;
    }
    return int(std::ceil(lines * pointSize * 1.2));
}

#pragma once

#include <QString>

class AppContext;

/// Measures wrapped text for layouts whose size follows their text. The window installs a
/// measurement with the real font; the default is a deterministic estimate (CJK characters one
/// em wide, others half an em, lines 1.2 em high) so that tests get stable numbers.
class TextMetrics
{
public:
    TextMetrics() = default;
    explicit TextMetrics(AppContext &) {}
    virtual ~TextMetrics() = default;

    /// Height in points of text set in the system font of pointSize, wrapped at width points.
    virtual int heightForText(const QString &text, double pointSize, int width) const;
    /// Width in points of text set on one line, unwrapped, in the system font of pointSize.
    virtual int widthForText(const QString &text, double pointSize) const;
};

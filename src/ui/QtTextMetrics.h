#pragma once

#include "core/platform/TextMetrics.h"

/// Text measured with the window's font.
class QtTextMetrics : public TextMetrics
{
public:
    int heightForText(const QString &text, double pointSize, int width) const override;
    int widthForText(const QString &text, double pointSize) const override;
};

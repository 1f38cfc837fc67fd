#pragma once

#include "app/ButtonModel.h"

/// The load-more control under a paged list: a full-width button, 45 points high, titled
/// "点击加载更多". The list connects clicked to its loadMoreData.
class FooterView : public ButtonModel
{
    Q_OBJECT
    Q_PROPERTY(int height READ height CONSTANT)
public:
    explicit FooterView(QObject *parent = nullptr) : ButtonModel(0, QStringLiteral("点击加载更多"), parent) {}

    int height() const { return kHeight; }
    static constexpr int kHeight = 45;
};

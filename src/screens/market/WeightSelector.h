#pragma once

#include "screens/market/InfoSelector.h"

/// The weighing-method picker: texts given by the caller, no right button.
class WeightSelector : public InfoSelector
{
    Q_OBJECT
public:
    explicit WeightSelector(QObject *parent = nullptr);

    /// The texts, one row each.
    void setTexts(const QStringList &texts);
    void didSelectRow(int row) override;
};

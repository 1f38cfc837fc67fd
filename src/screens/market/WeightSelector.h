#pragma once

#include "screens/market/TextPicker.h"

/// The weighing-method picker: texts given by the caller.
class WeightSelector : public TextPicker
{
    Q_OBJECT
public:
    explicit WeightSelector(QObject *parent = nullptr);
};

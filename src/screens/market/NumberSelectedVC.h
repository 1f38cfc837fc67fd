#pragma once

#include "screens/market/TextPicker.h"

/// How many sellers may bid on a tender: "5" or "10" (numberSelected).
class NumberSelectedVC : public TextPicker
{
    Q_OBJECT
public:
    explicit NumberSelectedVC(QObject *parent = nullptr);
};

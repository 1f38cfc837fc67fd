#pragma once

#include "screens/market/TextPicker.h"

/// The payment-method picker: "现款" or "非现款" (changeLabelText).
class paytypeViewController : public TextPicker
{
    Q_OBJECT
public:
    explicit paytypeViewController(QObject *parent = nullptr);
};

#pragma once

#include "screens/market/MaterialPicker.h"

/// The tender form's material picker (changeCaizhi).
class PickZhongLeiViewController : public MaterialPicker
{
    Q_OBJECT
public:
    explicit PickZhongLeiViewController(QObject *parent = nullptr);
};

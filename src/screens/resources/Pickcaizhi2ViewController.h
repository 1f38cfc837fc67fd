#pragma once

#include "screens/market/MaterialPicker.h"

/// The resource form's material picker: the kind's materials, or a typed one when the kind
/// lists none.
class Pickcaizhi2ViewController : public MaterialPicker
{
    Q_OBJECT
public:
    explicit Pickcaizhi2ViewController(QObject *parent = nullptr);
};

#include "screens/market/WeightSelector.h"

WeightSelector::WeightSelector(QObject *parent) : TextPicker(InfoSelectorDelegate::DidSeletedWeight, parent) {}

#include "screens/market/PickZhongLeiViewController.h"

PickZhongLeiViewController::PickZhongLeiViewController(QObject *parent)
    : MaterialPicker(InfoSelectorDelegate::ChangeCaizhi, parent)
{
}

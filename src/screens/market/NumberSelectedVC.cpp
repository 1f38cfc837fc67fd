#include "screens/market/NumberSelectedVC.h"

NumberSelectedVC::NumberSelectedVC(QObject *parent) : TextPicker(InfoSelectorDelegate::NumberSelected, parent)
{
    setTitle(QStringLiteral("可应标家数"));
    setRowHeight(45);
    setTexts({QStringLiteral("5"), QStringLiteral("10")});
}

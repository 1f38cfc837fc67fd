#include "screens/market/paytypeViewController.h"

paytypeViewController::paytypeViewController(QObject *parent) : TextPicker(InfoSelectorDelegate::ChangeLabelText, parent)
{
    setTitle(QStringLiteral("付款方式"));
    setRowHeight(80);
    setTexts({QStringLiteral("现款"), QStringLiteral("非现款")});
}

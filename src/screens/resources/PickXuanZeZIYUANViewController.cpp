#include "screens/resources/PickXuanZeZIYUANViewController.h"

PickXuanZeZIYUANViewController::PickXuanZeZIYUANViewController(QObject *parent)
    : TextPicker(InfoSelectorDelegate::ChangeDalei, parent)
{
}

void PickXuanZeZIYUANViewController::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    const QString name = textAt(row);
    if (title() == categoryTitle() && delegateImplements(InfoSelectorDelegate::ChangeDalei))
        delegate()->changedalei(name, m_dic);
    else if (title() == kindTitle() && delegateImplements(InfoSelectorDelegate::ChangePingming))
        delegate()->changepingming(name, m_dic);
    leave();
}

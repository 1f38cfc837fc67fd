#include "screens/market/TextPicker.h"

TextPicker::TextPicker(InfoSelectorDelegate::Operation operation, QObject *parent)
    : InfoSelector(parent), m_operation(operation)
{
    setRightButtonTitle({});
}

void TextPicker::didSelectRow(int row)
{
    if (row >= 0 && row < count())
        choose(textAt(row));
}

void TextPicker::choose(const QString &text)
{
    if (delegateImplements(m_operation)) {
        InfoSelectorDelegate *d = delegate();
        switch (m_operation) {
        case InfoSelectorDelegate::DidSeletedWeight: d->didSeletedWeight(text); break;
        case InfoSelectorDelegate::ChangeCaizhi: d->changeCaizhi(text); break;
        case InfoSelectorDelegate::ChangeLabelText: d->changeLabelText(text); break;
        case InfoSelectorDelegate::NumberSelected: d->numberSelected(text); break;
        default: break;
        }
    }
    leave();
}

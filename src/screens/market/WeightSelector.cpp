#include "screens/market/WeightSelector.h"

#include "core/util/Value.h"

WeightSelector::WeightSelector(QObject *parent) : InfoSelector(parent)
{
    setRightButtonTitle({});
}

void WeightSelector::setTexts(const QStringList &texts)
{
    QVariantList rows;
    for (const QString &text : texts)
        rows.append(QVariantMap{{QStringLiteral("name"), text}});
    setList(rows);
}

void WeightSelector::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    if (delegateImplements(InfoSelectorDelegate::DidSeletedWeight))
        delegate()->didSeletedWeight(Value::text(entryAt(row).value(QStringLiteral("name"))));
    leave();
}
